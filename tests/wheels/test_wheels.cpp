#include "wheels/wheels.h"
#include "support/testfolder.h"

#include <QtEndian>
#include <gtest/gtest.h>

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
