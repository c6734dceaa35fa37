#include "core/dates.h"
#include "support/fakes.h"
#include "support/testfolder.h"
#include "wheels/wheels.h"
#include "wheels/wheelsuggest.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <set>
#include <string>

using namespace ds;
using namespace ds::wheels;
using dstest::TestFolder;

namespace {

// A wheel table of the given lines (positions), L in record 1.
QByteArray table(std::initializer_list<std::array<int, 6>> lines)
{
    QByteArray b;
    for (const auto &line : lines) {
        char rec[14] = {};
        for (int i = 0; i < 6; ++i)
            qToLittleEndian<qint16>(static_cast<qint16>(line[static_cast<size_t>(i)]), rec + 2 * i);
        if (b.isEmpty())
            qToLittleEndian<qint16>(static_cast<qint16>(lines.size()), rec + 12);
        b.append(rec, 14);
    }
    return b;
}

QByteArray wheelBytes(std::initializer_list<std::initializer_list<int>> entries)
{
    QByteArray b;
    for (const auto &e : entries)
        b += dstest::entryRecord(QByteArray(8, '\0'), e);
    return b;
}

std::vector<QString> boxes(std::initializer_list<const char *> texts, size_t count = 13)
{
    std::vector<QString> v;
    for (const char *t : texts)
        v.push_back(QString::fromLatin1(t));
    v.resize(count);
    return v;
}

// Proof of every shipped wheel table, read straight from data/wheels: the
// right number of sound lines, and every t-subset of the n positions in one.
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

Draw draw(int i, std::array<qint16, 6> main, qint16 bonus = 0)
{
    return Draw::make(dateKey(1 + i % 28, 1 + i / 28 % 12, 1995 + i / 336), main, bonus);
}

std::array<qint16, 6> run(int from)
{
    return {qint16(from), qint16(from + 1), qint16(from + 2), qint16(from + 3), qint16(from + 4), qint16(from + 5)};
}

// Irish history: 1..12 drawn 24 times each (hot), 13..36 three times (cold), 37..42 and bonuses never.
std::vector<Draw> hotAndCold()
{
    std::vector<Draw> d;
    for (int i = 0; i < 48; ++i)
        d.push_back(draw(i, run(i % 2 ? 7 : 1), 40));
    for (int i = 0; i < 12; ++i)
        d.push_back(draw(48 + i, run(13 + 6 * (i % 4)), 41));
    return d;
}

} // namespace

TEST(WheelKinds, GroupSizeTextsAndBoxes)
{
    const WheelKind &w6 = wheelKind(6), &w5 = wheelKind(5), &w4 = wheelKind(4), &w3 = wheelKind(3);
    EXPECT_EQ(groupSizeItems(w4).front(), QStringLiteral(" 7"));
    EXPECT_EQ(groupSizeItems(w4).back(), QStringLiteral(" 12"));
    struct Case { const WheelKind *kind; const char *text; int n; };
    const Case sizes[] = {
        {&w6, " 6", 6}, {&w6, " 13", 13}, {&w6, " 14", 0}, {&w6, "5", 0},
        {&w3, " 7", 0}, {&w5, " 13", 0}, {&w4, "abc", 0}, {&w4, "99999", 0},
    };
    for (const Case &c : sizes)
        EXPECT_EQ(groupSizeFromText(*c.kind, QString::fromLatin1(c.text)), c.n) << c.text;

    // The smallest group's boxes are always enabled, the others up to the size; none beyond the largest.
    struct Box { const WheelKind *kind; int n; int position; bool enabled; };
    const Box box[] = {
        {&w6, 6, 6, true}, {&w6, 6, 7, false}, {&w6, 9, 9, true}, {&w6, 9, 10, false},
        {&w6, 13, 14, false}, {&w5, 8, 9, false}, {&w3, 0, 1, true}, {&w3, 8, 0, false},
    };
    for (const Box &b : box)
        EXPECT_EQ(numberBoxEnabled(*b.kind, b.n, b.position), b.enabled)
            << b.kind->title << " n=" << b.n << " box " << b.position;
}

TEST(WheelGroup, RefusalsAndSorting)
{
    const QString invalid = QStringLiteral("One or more of your numbers are invalid");
    const QString same = QStringLiteral("One or more of your numbers are the same");
    struct Case {
        std::vector<QString> texts;
        int n, maxBall;
        QString refusal;
        int faultBox;
        std::vector<qint16> group;
    };
    const Case cases[] = {
        {boxes({"45", "7", "12", "3", "30", "22"}), 6, 49, "", -1, {3, 7, 12, 22, 30, 45}},
        {boxes({"43", "7", "12", "3", "30", "22"}), 6, 49, "", -1, {3, 7, 12, 22, 30, 43}},
        {boxes({"7", "12", "3", "30", "22", "43"}), 6, 42, invalid, 5, {}},
        {boxes({"0", "7", "12", "3", "30", "22"}), 6, 49, invalid, 0, {}},
        {boxes({"7", "50", "12", "3", "30", "22"}), 6, 49, invalid, 1, {}},
        {boxes({"7", "12", "", "3", "30", "22"}), 6, 49, invalid, 2, {}},
        {boxes({"7", "12", "3", "30", "12", "22"}), 6, 49, same, 4, {}},
        // Invalid is reported before repeated.
        {boxes({"7", "7", "0", "3", "30", "22"}), 6, 49, invalid, 2, {}},
        // Boxes beyond the group size are ignored, whatever they hold.
        {boxes({"1", "2", "3", "4", "5", "6", "7", "99", "1"}), 7, 49, "", -1, {1, 2, 3, 4, 5, 6, 7}},
        // A group larger than the boxes is never read past them.
        {boxes({"1", "2", "3", "4", "5", "6"}, 6), 7, 49, invalid, 0, {}},
    };
    for (const Case &c : cases) {
        const GroupRead r = readGroup(c.texts, c.n, c.maxBall);
        EXPECT_EQ(r.refusal, c.refusal) << c.texts[0].toStdString();
        EXPECT_EQ(r.faultBox, c.faultBox) << c.texts[0].toStdString();
        EXPECT_EQ(r.group, c.group) << c.texts[0].toStdString();
    }
}

TEST(WheelTableRead, DamagedTablesAreRefused)
{
    using S = ReadStatus;
    const QByteArray good = table({{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}});
    const auto with = [&good](int offset, qint16 value) { // good, one field changed
        QByteArray b = good;
        qToLittleEndian<qint16>(value, b.data() + offset);
        return b;
    };
    struct Case { QByteArray bytes; int n; S status; size_t lines; };
    const Case cases[] = {
        {good, 7, S::Ok, 2},
        {good + QByteArray(14, '\x7f'), 7, S::Ok, 2}, // records beyond L are not read
        {good, 6, S::Damaged, 0},                     // position 7 in a group of 6
        {with(12, 3), 7, S::Damaged, 0}, // L beyond the records
        {with(12, 0), 7, S::Damaged, 0},
        {with(12, -2), 7, S::Damaged, 0},
        {with(18, 8), 7, S::Damaged, 0}, // position 8 in a group of 7
        {with(2, 0), 7, S::Damaged, 0},
        {table({{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 7, 3}}), 7, S::Damaged, 0}, // position 3 twice
        {good.left(20), 7, S::Damaged, 0},
        {QByteArray(), 7, S::Damaged, 0},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const WheelTable t = parseWheelTable(cases[i].bytes, cases[i].n);
        EXPECT_EQ(t.status, cases[i].status) << "case " << i;
        EXPECT_EQ(t.value.size(), cases[i].lines) << "case " << i;
    }
    TestFolder f;
    f.writeSized(QStringLiteral("309.dat"), MaxFileBytes + 1);
    EXPECT_EQ(loadWheelTable(f.file(QStringLiteral("309.dat")), 9).status, S::TooLarge);
    EXPECT_EQ(loadWheelTable(f.file(QStringLiteral("308.dat")), 8).status, S::Missing);
}

TEST(WheelGenerate, GroupNumbersAtTheLinePositions)
{
    const std::vector<qint16> group{3, 7, 12, 22, 30, 45, 48};
    const std::vector<TableLine> lines{{1, 2, 3, 4, 5, 6}, {7, 6, 5, 4, 3, 1}};
    const std::vector<Numbers6> wheel = generateWheel(group, lines);
    ASSERT_EQ(wheel.size(), 2u);
    EXPECT_EQ(wheel[0], (Numbers6{3, 7, 12, 22, 30, 45}));
    EXPECT_EQ(wheel[1], (Numbers6{48, 45, 30, 22, 12, 3})); // the line's order is kept
}

TEST(WheelSave, WritesTheWheelFileFromTheTableReplacesItAndKeepsCountriesApart)
{
    TestFolder f;
    f.write(QStringLiteral("407.dat"), table({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 6, 7},
                                             {1, 2, 3, 5, 6, 7}, {1, 2, 4, 5, 6, 7}}));
    f.write(QStringLiteral("408.dat"), table({{1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}}));
    const WheelKind &w4 = wheelKind(4);
    ASSERT_TRUE(saveWheel(f.path(), QStringLiteral("UK"), w4, 7,
                          boxes({"1", "2", "3", "4", "5", "6", "7"}), 49).saved());
    ASSERT_TRUE(saveWheel(f.path(), QStringLiteral("IR"), w4, 7,
                          boxes({"41", "42", "3", "4", "5", "6", "7"}), 42).saved());
    EXPECT_EQ(f.read(QStringLiteral("UKwheel4.lot")).size(), 5 * 20);

    // A smaller wheel replaces the UK file completely; the Irish file stays.
    const QByteArray irish = f.read(QStringLiteral("IRwheel4.lot"));
    ASSERT_TRUE(saveWheel(f.path(), QStringLiteral("UK"), w4, 8,
                          boxes({"10", "20", "30", "40", "11", "21", "31", "41"}), 49).saved());
    EXPECT_EQ(f.read(QStringLiteral("UKwheel4.lot")),
              wheelBytes({{10, 11, 20, 21, 30, 31}, {20, 21, 30, 31, 40, 41}}));
    EXPECT_EQ(f.read(QStringLiteral("IRwheel4.lot")), irish);
    EXPECT_EQ(irish.mid(8, 12), wheelBytes({{3, 4, 5, 6, 7, 41}}).mid(8, 12));
}

TEST(WheelSave, FailuresLeaveTheOldWheelFile)
{
    TestFolder f;
    const QByteArray old = wheelBytes({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    f.write(QStringLiteral("UKwheel3.lot"), old);
    f.write(QStringLiteral("309.dat"), table({{1, 2, 3, 4, 5, 9}, {1, 2, 3, 4, 9, 9}})); // position 9 twice
    const WheelKind &w3 = wheelKind(3);
    const auto nine = boxes({"1", "2", "3", "4", "5", "6", "7", "8", "9"});

    SaveResult r = saveWheel(f.path(), QStringLiteral("UK"), w3, 8, nine, 49);
    EXPECT_EQ(r.outcome, SaveResult::Outcome::TableMissing);
    EXPECT_TRUE(r.message.contains(QStringLiteral("308.dat"))) << r.message.toStdString();

    r = saveWheel(f.path(), QStringLiteral("UK"), w3, 9, nine, 49);
    EXPECT_EQ(r.outcome, SaveResult::Outcome::TableDamaged);
    EXPECT_EQ(r.message, QStringLiteral("The wheel table 309.dat in the program folder cannot be read, so the wheel "
                                        "cannot be made. Your existing wheel file has not been changed."));
    EXPECT_EQ(f.read(QStringLiteral("UKwheel3.lot")), old);

    // A group size the window does not offer reads no box (the group's refusals: WheelGroup).
    r = saveWheel(f.path(), QStringLiteral("UK"), w3, 14, nine, 49);
    EXPECT_EQ(r.outcome, SaveResult::Outcome::Refused);

    f.write(QStringLiteral("308.dat"), table({{1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}, {1, 2, 3, 6, 7, 8},
                                             {1, 2, 4, 5, 7, 8}}));
    {
        dstest::FileSizeLimit limit(40); // the new wheel needs 80 bytes
        r = saveWheel(f.path(), QStringLiteral("UK"), w3, 8, nine, 49);
    }
    EXPECT_EQ(r.outcome, SaveResult::Outcome::WriteFailed);
    EXPECT_TRUE(r.message.contains(QStringLiteral("UKwheel3.lot")));
    EXPECT_EQ(f.read(QStringLiteral("UKwheel3.lot")), old);
}

TEST(WheelOpen, TheCountrysWheelFile)
{
    TestFolder f;
    f.write(QStringLiteral("UKwheel6.lot"), wheelBytes({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {0, 0, 0, 0, 0, 0},
                                                        {1, 2, 3, 4, 6, 7}}));
    f.write(QStringLiteral("irwheel4.lot"), wheelBytes({{1, 2, 3, 4, 5, 6}}));
    struct Case { const char *country; int guarantee; const char *refusal; size_t entries; const char *file; };
    const Case cases[] = {
        {"UK", 6, "", 2, "UKwheel6.lot"}, // the list ends at the first empty record
        {"IR", 4, "", 1, "irwheel4.lot"}, // found whatever the letter case
        {"IR", 6, "You have not created a wheeling entry, use the 6 New command in the file manager.", 0, ""},
        {"UK", 5, "You have not created a wheeling entry, use the 5 new command in the file manager.", 0, ""},
        {"", 6, "You must select a Country first", 0, ""},
    };
    for (const Case &c : cases) {
        const WheelFileOpen o = openWheelFile(f.path(), QString::fromLatin1(c.country), wheelKind(c.guarantee));
        EXPECT_EQ(o.refusal, QString::fromLatin1(c.refusal)) << c.country << c.guarantee;
        EXPECT_EQ(o.entries.size(), c.entries) << c.country << c.guarantee;
        EXPECT_TRUE(*c.file ? o.path.endsWith(QString::fromLatin1(c.file)) : o.path.isEmpty()) << o.path.toStdString();
    }
}

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

TEST(WheelSuggest, Refusals)
{
    dstest::FakeRandom random;
    const std::vector<Draw> history = hotAndCold();
    struct Case { const char *country; bool ukOnly; int draws; const char *refusal; };
    const Case cases[] = {
        {"", false, 60, "No Country is selected!"},
        {"IR", true, 60, "No Country is selected!"}, // Wheel 3 suggests for the UK lotto only
        {"IR", false, 51, "Insufficient entries in the results file! You should choose your own numbers."},
        {"IR", false, 52, ""},
        {"UK", true, 52, ""},
    };
    for (const Case &c : cases) {
        const WheelSuggestion s = suggestWheelNumbers(gameOfCountry(QString::fromLatin1(c.country)), c.ukOnly,
                                                      std::span(history).first(static_cast<size_t>(c.draws)), 8, random);
        EXPECT_EQ(s.refusal, QString::fromLatin1(c.refusal)) << c.country << " " << c.draws;
        EXPECT_EQ(s.numbers.empty(), *c.refusal != '\0') << c.country << " " << c.draws;
    }
}

TEST(WheelSuggest, HotFirstThenColdNeverUndrawnBallsAndTwoPressesDiffer)
{
    const std::vector<Draw> history = hotAndCold();
    dstest::FakeRandom random; // one stream: each press goes on from the one before
    std::map<int, std::vector<qint16>> last;
    for (int press = 1; press <= 40; ++press) {
        const int n = 9 + press % 5; // 9..13
        const HotCold split = hotColdSplit(n);
        const WheelSuggestion s = suggestWheelNumbers(Game::Irish, false, history, n, random);
        ASSERT_TRUE(s.refusal.isEmpty());
        EXPECT_TRUE(s.shortfall.isEmpty());
        ASSERT_EQ(static_cast<int>(s.numbers.size()), n);
        EXPECT_EQ(std::set<qint16>(s.numbers.begin(), s.numbers.end()).size(), s.numbers.size()) << "repeated number";
        EXPECT_NE(s.numbers, std::exchange(last[n], s.numbers)) << "press " << press;
        for (int i = 0; i < n; ++i) {
            const qint16 b = s.numbers[static_cast<size_t>(i)];
            if (i < split.hot)
                EXPECT_TRUE(b >= 1 && b <= 12) << "hot " << b;
            else
                EXPECT_TRUE(b >= 13 && b <= 36) << "cold " << b;
        }
    }
}

TEST(WheelSuggest, StopsWhenAClassRunsOut)
{
    // All counts equal: every ball is hot, none cold. The hot numbers are kept, the shortfall told.
    std::vector<Draw> even; // every ball of 1..42 drawn eight times: none is below the middle
    for (int i = 0; i < 56; ++i)
        even.push_back(draw(i, run(1 + 6 * (i % 7))));
    dstest::FakeRandom random;
    WheelSuggestion s = suggestWheelNumbers(Game::Irish, false, even, 8, random);
    EXPECT_EQ(s.numbers.size(), 6u);
    EXPECT_EQ(s.shortfall, shortfallMessage(6, 8));

    // A generator that only ever gives 0 (ball 0, never valid) still ends.
    random.fixed = 0.0;
    s = suggestWheelNumbers(Game::Irish, false, hotAndCold(), 8, random);
    EXPECT_TRUE(s.numbers.empty());
    EXPECT_EQ(s.shortfall, shortfallMessage(0, 8));
}

TEST(WheelSuggest, CountsAndMiddle)
{
    const std::vector<Draw> history{draw(0, {1, 2, 3, 4, 5, 45}, 6), draw(1, {1, 2, 3, 4, 5, 50}, 7),
                                    draw(2, {1, 0, -3, 4, 5, 6}, 8)};
    const BallTable uk = ballCounts(history, 49);
    EXPECT_EQ(uk[1], 3);
    EXPECT_EQ(uk[6] + uk[7], 1); // as a main number only; never as the bonus
    EXPECT_EQ(uk[45], 1);
    EXPECT_EQ(ballCounts(history, 42)[45], 0); // outside the Irish range
    struct Case { int high, low, middle; };
    for (const Case c : {Case{5, 0, 2}, Case{7, 0, 4}, Case{9, 2, 6}})
        EXPECT_EQ(middleCount(c.high, c.low), c.middle) << c.high << "," << c.low;
}
