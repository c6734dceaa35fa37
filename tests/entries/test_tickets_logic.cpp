#include "core/printersettings.h"
#include "entries/listprint.h"
#include "entries/tickets.h"
#include "support/fakes.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace ds;
using namespace ds::tickets;

TEST(TicketMarks, PositionsOnTheGridAndNothingOffIt)
{
    const struct { int board, position, number; TicketOffsets offsets; int index, left, top; } cases[] = {
        {1, 6, 49, {0, 0}, 6, 400, 1840},
        {1, 1, 1, {0, 0}, 1, 3650, 1210},
        {1, 2, 5, {0, 0}, 2, 3650, 2050},   // the last of a row of five
        {1, 3, 6, {0, 0}, 3, 3280, 1210},   // the next row
        {2, 1, 1, {0, 0}, 7, 3650, 2410},
        {7, 6, 45, {0, 0}, 42, 760, 9250},
        {4, 4, 23, {-400, 440}, 22, 2200 - 400, 1210 + 3 * 1200 + 2 * 210 + 440},
    };
    for (const auto &c : cases) {
        const auto m = markOf(c.board, c.position, c.number, c.offsets);
        ASSERT_TRUE(m.has_value()) << c.number;
        EXPECT_EQ(*m, (TicketMark{c.index, c.left, c.top})) << "board " << c.board << " number " << c.number;
    }
    const struct { int board, position, number; } off[] = {
        {1, 1, 0}, {1, 1, 50}, {1, 1, -3}, {1, 1, 32767}, {0, 1, 1}, {8, 1, 1}, {1, 0, 1}, {1, 7, 1}};
    for (const auto &c : off)
        EXPECT_FALSE(markOf(c.board, c.position, c.number, {}).has_value()) << c.board << c.position << c.number;
    // A damaged entry marks only the numbers on the grid.
    EXPECT_EQ(boardMarks(3, {1, 0, 60, 20, -1, 49}, {}),
              (std::vector<TicketMark>{*markOf(3, 1, 1, {}), *markOf(3, 4, 20, {}), *markOf(3, 6, 49, {})}));
    // An offset beyond any int keeps the position within one.
    EXPECT_EQ(markOf(1, 1, 1, {2147483647, 0})->left, 2147483647);
}

TEST(TicketTest, OffsetLimits)
{
    const struct { qint32 left, top; QString refusal; OffsetBox box; } cases[] = {
        {8350, 0, {}, OffsetBox::Left},
        {8351, 0, "Your LEFT value is too high - reduce the value", OffsetBox::Left},
        {-400, 0, {}, OffsetBox::Left},
        {-401, 0, "Your LEFT value is too low - reduce the negative value", OffsetBox::Left},
        {0, 440, {}, OffsetBox::Top},
        {0, 441, "Your TOP value is too high - reduce the value", OffsetBox::Top},
        {0, -1210, {}, OffsetBox::Top},
        {0, -1211, "Your TOP value is too low - reduce the negative value", OffsetBox::Top},
        {9000, 9000, "Your LEFT value is too high - reduce the value", OffsetBox::Left}, // left is checked first
        {-401, -1211, "Your LEFT value is too low - reduce the negative value", OffsetBox::Left},
        {0, -32768, "Your TOP value is too low - reduce the negative value", OffsetBox::Top},
    };
    for (const auto &c : cases) {
        const TicketOffsets o{c.left, c.top};
        EXPECT_EQ(testRefusal(o), c.refusal) << c.left << "," << c.top;
        EXPECT_TRUE(c.refusal.isEmpty() || refusedBox(o) == c.box) << c.left << "," << c.top;
    }
}

// The boxes are read by the number reading rule (NumberReading's), to the nearest end of 16 bits.
TEST(TicketTest, BoxValues)
{
    const struct { const char *text; qint32 value; } cases[] = {
        {" -120.4 ", -120}, {"12abc", 12}, {"99999999999", 32767}, {"-99999999999", -32768}};
    for (const auto &c : cases)
        EXPECT_EQ(offsetBoxValue(QString::fromLatin1(c.text)), c.value) << c.text;
    // A huge value is refused as too high, not wrapped round.
    EXPECT_EQ(testRefusal(boxOffsets(QStringLiteral("99999999999"), QStringLiteral("0"))),
              "Your LEFT value is too high - reduce the value");
}

TEST(TicketTest, TestTicketMarksEveryBoard)
{
    const auto marks = testTicket({10, 20});
    ASSERT_EQ(marks.size(), 42u);
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(marks[size_t(i)].index, i + 1);
    EXPECT_EQ(marks[0], (TicketMark{1, 3650 + 10, 1210 + 20}));                 // board 1: 1
    EXPECT_EQ(marks[41], (TicketMark{42, 760 + 10, 1210 + 6 * 1200 + 20 + 210})); // board 7: 42
}

TEST(TicketGrouping, SevenBoardsATicketInOrder)
{
    const struct { int entries; std::vector<int> boards; } cases[] = {
        {0, {}}, {1, {1}}, {7, {7}}, {8, {7, 1}}, {14, {7, 7}}, {15, {7, 7, 1}}};
    for (const auto &c : cases) {
        std::vector<Numbers6> entries;
        for (int i = 0; i < c.entries; ++i)
            entries.push_back({qint16(1 + i), 10, 20, 30, 40, 49});
        const auto tickets = entryTickets(entries, {});
        std::vector<int> boards;
        for (size_t t = 0; t < tickets.size(); ++t) {
            boards.push_back(tickets[t].boards);
            std::vector<TicketMark> want;
            for (int b = 1; b <= tickets[t].boards; ++b) {
                const auto marks = boardMarks(b, entries[7 * t + size_t(b) - 1], {});
                want.insert(want.end(), marks.begin(), marks.end());
            }
            EXPECT_EQ(tickets[t].marks, want) << "ticket " << t + 1;
        }
        EXPECT_EQ(boards, c.boards) << c.entries << " entries";
    }
}

TEST(PrinterSettings, SaveThenRecallAndValuesTheFileCannotHold)
{
    const struct { const char *left, *top; QByteArray bytes; const char *shownLeft, *shownTop; } cases[] = {
        {"250", "-120", QByteArray::fromHex("fa0088ff"), " 250", "-120"},
        {"0", "", QByteArray::fromHex("00000000"), " 0", " 0"},
        {"12.5", "13.5 twips", QByteArray::fromHex("0c000e00"), " 12", " 14"},
        {"32767", "-32768", QByteArray::fromHex("ff7f0080"), " 32767", "-32768"},
    };
    for (const auto &c : cases) {
        dstest::TestFolder dir;
        const QString path = dir.file(QStringLiteral("prnt.dat"));
        const SavePlan plan = planSave(QString::fromLatin1(c.left), QString::fromLatin1(c.top));
        ASSERT_TRUE(plan.refusal.isEmpty()) << c.left;
        ASSERT_TRUE(writePrinterOffsets(path, plan.left, plan.top));
        EXPECT_EQ(dir.read(QStringLiteral("prnt.dat")), c.bytes) << c.left;
        const OffsetsRead r = readPrinterOffsets(path);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(offsetText(r.offsets.left), QString::fromLatin1(c.shownLeft));
        EXPECT_EQ(offsetText(r.offsets.top), QString::fromLatin1(c.shownTop));
    }
    const struct { const char *left, *top; OffsetBox box; } refused[] = {
        {"32768", "0", OffsetBox::Left}, {"0", "-32769", OffsetBox::Top}, {"99999", "99999", OffsetBox::Left}};
    for (const auto &c : refused) {
        const SavePlan plan = planSave(QString::fromLatin1(c.left), QString::fromLatin1(c.top));
        EXPECT_EQ(plan.refusal, "The LEFT and TOP values must be whole numbers from -32768 to 32767") << c.left;
        EXPECT_EQ(plan.box, c.box) << c.left;
    }
}

TEST(PrinterSettings, DamagedAndMissingFiles)
{
    const struct { QByteArray bytes; qint32 left, top; } cases[] = {
        {{}, 0, 0},
        {QByteArray::fromHex("05"), 5, 0},              // half a field: its high byte 0
        {QByteArray::fromHex("0500"), 5, 0},            // the top offset missing
        {QByteArray::fromHex("0500faff0100020003"), 5, -6}, // more than one record
    };
    for (const auto &c : cases) {
        dstest::TestFolder dir;
        if (!c.bytes.isEmpty())
            dir.write(QStringLiteral("prnt.dat"), c.bytes);
        const OffsetsRead r = readPrinterOffsets(dir.file(QStringLiteral("prnt.dat")));
        EXPECT_TRUE(r.ok) << c.bytes.toHex().toStdString();
        EXPECT_EQ(r.offsets, (TicketOffsets{c.left, c.top})) << c.bytes.toHex().toStdString();
    }
    // Saving keeps what lies beyond record 1.
    dstest::TestFolder dir;
    dir.write(QStringLiteral("prnt.dat"), QByteArray::fromHex("0500faff01000200"));
    ASSERT_TRUE(writePrinterOffsets(dir.file(QStringLiteral("prnt.dat")), 7, 8));
    EXPECT_EQ(dir.read(QStringLiteral("prnt.dat")), QByteArray::fromHex("0700080001000200"));
    // A settings file that cannot be read is reported, and not replaced.
    dstest::TestFolder broken;
    QDir(broken.path()).mkdir(QStringLiteral("prnt.dat"));
    EXPECT_FALSE(readPrinterOffsets(broken.file(QStringLiteral("prnt.dat"))).ok);
    EXPECT_FALSE(writePrinterOffsets(broken.file(QStringLiteral("prnt.dat")), 1, 2));
}

// Each page of a printed list holds its own lines; a list ending at a break starts no empty page.
TEST(PagedLists, BreaksOnlyWhereTheListDoes)
{
    const struct { const PagedListShape *shape; int lines; std::vector<int> pageSizes; } cases[] = {
        {&WinningListShape, 1, {4}},
        {&WinningListShape, 72, {75}},
        {&WinningListShape, 73, {75, 4}},
        {&WinningListShape, 144, {75, 75}},
        {&SelectionsListShape, 6, {9}},
        {&SelectionsListShape, 7, {11}},
        {&SelectionsListShape, 56, {67}},
        {&SelectionsListShape, 57, {67, 4}},
        {&SelectionsListShape, 112, {67, 67}},
    };
    for (const auto &c : cases) {
        dstest::FakePrinter printer;
        QStringList lines;
        for (int i = 0; i < c.lines; ++i)
            lines << QStringLiteral("%1 02 03 04 05 06 ( )").arg(i);
        printPagedList(printer, lines, *c.shape);
        ASSERT_EQ(printer.jobs.size(), 1u);
        const auto &job = printer.jobs[0];
        EXPECT_EQ(job.pageLines, c.shape == &WinningListShape ? 75 : 67);
        std::vector<int> sizes;
        for (const QStringList &page : job.pages) {
            sizes.push_back(int(page.size()));
            EXPECT_EQ(page.mid(0, 3), (QStringList{"", "", ""}));
        }
        EXPECT_EQ(sizes, c.pageSizes) << c.lines << " lines, groups of " << c.shape->groupLines;
    }
}
