// Proof of every shipped wheel table, read straight from data/wheels: the
// right number of sound lines, and every t-subset of the n positions in one.

#include "wheels/wheels.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>

namespace {

// Group size n, guarantee t, and the count of lines each wheel window shows.
struct Expected { const char *name; int n, t, lines; };
const Expected Shipped[] = {
    {"J6.dat", 6, 6, 1},     {"J7.dat", 7, 6, 7},     {"J8.dat", 8, 6, 28},    {"J9.dat", 9, 6, 84},
    {"J10.dat", 10, 6, 210}, {"J11.dat", 11, 6, 462}, {"J12.dat", 12, 6, 924}, {"J13.dat", 13, 6, 1716},
    {"58.dat", 8, 5, 12},    {"59.dat", 9, 5, 30},    {"510.dat", 10, 5, 50},  {"511.dat", 11, 5, 101},
    {"512.dat", 12, 5, 132}, {"407.dat", 7, 4, 5},    {"408.dat", 8, 4, 7},    {"409.dat", 9, 4, 12},
    {"410.dat", 10, 4, 20},  {"411.dat", 11, 4, 32},  {"412.dat", 12, 4, 41},  {"308.dat", 8, 3, 4},
    {"309.dat", 9, 3, 7},    {"310.dat", 10, 3, 10},  {"311.dat", 11, 3, 11},  {"312.dat", 12, 3, 15},
    {"313.dat", 13, 3, 21},
};

int field(const QByteArray &b, int record, int index)
{
    return qFromLittleEndian<qint16>(b.constData() + record * 14 + index * 2);
}

// Empty when the bytes are `lines` different lines covering every t-subset of 1..n, else what is
// wrong. Each line's soundness and L are the program's reader's checks, made on the same bytes.
std::string prove(const QByteArray &bytes, int n, int t, int lines)
{
    if (bytes.size() != lines * 14)
        return "holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(lines) + " records";
    std::set<unsigned> masks;
    for (int r = 0; r < lines; ++r) {
        unsigned m = 0;
        for (int i = 0; i < 6; ++i)
            m |= 1u << (static_cast<unsigned>(field(bytes, r, i) - 1) % 32u);
        if (!masks.insert(m).second)
            return "line " + std::to_string(r + 1) + " is repeated";
    }
    for (unsigned s = 0; s < (1u << n); ++s) {
        const auto holds = [s](unsigned m) { return (m & s) == s; };
        if (std::popcount(s) == t && std::none_of(masks.begin(), masks.end(), holds))
            return "a " + std::to_string(t) + "-subset is in no line";
    }
    return {};
}

QByteArray shipped(const char *name)
{
    QFile f(QDir(QStringLiteral(DRAWSMITH_WHEEL_TABLES)).filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The table without its record r (0-based), L lowered to match.
QByteArray withoutLine(const QByteArray &bytes, int r)
{
    QByteArray b = bytes;
    const int lines = static_cast<int>(b.size() / 14);
    b.remove(r * 14, 14);
    qToLittleEndian<qint16>(static_cast<qint16>(lines - 1), b.data() + 12);
    return b;
}

} // namespace

TEST(WheelTables, EveryShippedTableIsASoundCovering)
{
    for (const Expected &e : Shipped) {
        SCOPED_TRACE(e.name);
        const QByteArray bytes = shipped(e.name);
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_EQ(prove(bytes, e.n, e.t, e.lines), "");
        // The window shows the count the file holds.
        const ds::wheels::WheelKind &kind = ds::wheels::wheelKind(e.t);
        EXPECT_EQ(ds::wheels::linesFor(kind, e.n), e.lines);
        EXPECT_EQ(ds::wheels::tableFileName(kind, e.n), QString::fromLatin1(e.name));
        // And the program reads the same lines.
        const ds::wheels::WheelTable read = ds::wheels::parseWheelTable(bytes, e.n);
        EXPECT_EQ(read.status, ds::ReadStatus::Ok);
        EXPECT_EQ(static_cast<int>(read.value.size()), e.lines);
    }
}

// The proof finds what the program's reader does not look for: a missing line, a repeated one.
TEST(WheelTables, ProofRefusesTablesThatCoverTooLittle)
{
    const QByteArray t512 = shipped("512.dat"), j7 = shipped("J7.dat");
    ASSERT_FALSE(t512.isEmpty() || j7.isEmpty());
    EXPECT_NE(prove(withoutLine(t512, 40), 12, 5, 131).find("is in no line"), std::string::npos);
    EXPECT_NE(prove(j7.left(28) + j7.mid(14, 14 * 5), 7, 6, 7).find("is repeated"), std::string::npos);
}
