#include "support/fakes.h"
#include "support/testfolder.h"
#include "support/widgets.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderprinting.h"
#include "thunderball/thunderprintwindows.h"
#include "widgets/listwindow.h"
#include "widgets/marklayout.h"
#include "thunderrecords.h"

#include <QDir>

using namespace ds;
using namespace dstest;

class ThunderPrintTest : public ::testing::Test {
protected:
    const Era &Tb534 = firstEra(Game::Thunderball);
    TestFolder dir;
    FakePlatform fakes;
    ThunderPrintController print{dir.path(), fakes.platform()};
    void TearDown() override { EXPECT_EQ(fakes.dialogs.busyDepth, 0); }
};

TEST_F(ThunderPrintTest, SevenEntriesPrintTwoTickets)
{
    std::vector<ThunderResult> entries;
    QByteArray file; // three weeks
    for (int i = 0; i < 7; ++i) {
        entries.push_back(thResult(5, 12, 2026, {34, qint16(1 + i), 20, 10, 30}, 1 + i));
        file += thRec(i == 0 ? 7 : 0, 3, 5, 12, 2026, {34, 1 + i, 20, 10, 30}, 1 + i);
    }
    dir.write("TH05122026.lot", file);
    dir.write("prnt.dat", QByteArray::fromHex("2800ecff")); // left 40, top -20
    print.printTickets({"a line"}, dir.file("TH05122026.lot"), Tb534);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    // One job of two tickets, each on a page that holds the whole slip.
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    const MarkPages &job = fakes.printer.jobs[0].tickets;
    ASSERT_EQ(job.pages.size(), 2u);
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
    const TicketOffsets offsets{40, -20};
    for (size_t t = 0; t < 2; ++t) {
        // The weeks mark first, without the offsets, then the panels.
        std::vector<PageMark> expected{{2585, 900, TicketMarkWidth, TicketMarkHeight}};
        for (size_t p = 0; p < (t == 0 ? 5u : 2u); ++p)
            for (const TicketMark &m : thunder::panelMarks(Tb534, int(p + 1), entries[t * 5 + p], offsets))
                expected.push_back({m.left, m.top, TicketMarkWidth, TicketMarkHeight});
        EXPECT_EQ(job.pages[t], expected) << "ticket " << t + 1;
    }
    EXPECT_EQ(print.layout()->objectName(), "Form19");
}

// At the largest and the smallest offsets the test ticket accepts, every mark
// of every ticket lies on the page of the job.
TEST_F(ThunderPrintTest, TicketPagesHoldEveryMarkAtTheOffsetLimits)
{
    QByteArray file; // eight weeks; the panels' corners: numbers 1, 7, 29, 34, Thunderballs 7 and 8
    for (int i = 0; i < 5; ++i)
        file += thRec(i == 0 ? 5 : 0, 8, 5, 12, 2026, {1, 7, 8, 29, 34}, 7 + i % 2);
    dir.write("TH05122026.lot", file);
    for (const char *offsets : {"9e20b801", "70fe46fb"}) { // left 8350 top 440; left -400 top -1210
        dir.write("prnt.dat", QByteArray::fromHex(offsets));
        fakes.printer.jobs.clear();
        print.printTickets({"a line"}, dir.file("TH05122026.lot"), Tb534);
        ASSERT_EQ(fakes.printer.jobs.size(), 1u);
        const MarkPages &job = fakes.printer.jobs[0].tickets;
        ASSERT_EQ(job.pages.size(), 1u);
        EXPECT_EQ(job.pages[0].size(), 31u);
        for (const PageMark &m : job.pages[0])
            EXPECT_TRUE(m.left >= 0 && m.top >= 0 && m.left + m.width <= job.widthTwips
                        && m.top + m.height <= job.heightTwips)
                << offsets << ": mark at " << m.left << ", " << m.top;
    }
}

TEST_F(ThunderPrintTest, RefusalsPrintNothing)
{
    print.printTickets({}, dir.file("TH05122026.lot"), Tb534);
    print.printResults({});
    print.printSelections({});
    print.printDrawHistory(Tb534);
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"There are no entries to print", "There is no list to print!",
                                                   "There is no list to print!",
                                                   "There are no entries in the results file"}));
    EXPECT_TRUE(fakes.printer.jobs.empty());
    // A settings file that is not a file stops the tickets.
    QDir(dir.path()).mkdir("prnt.dat");
    fakes.dialogs.clear();
    print.printTickets({"a line"}, dir.file("TH05122026.lot"), Tb534);
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The printer settings file could not be read."});
    EXPECT_TRUE(fakes.printer.jobs.empty());
}

TEST_F(ThunderPrintTest, DrawHistoryInEntryOrder)
{
    const QByteArray file = encodeThunderRecord(thResult(12, 12, 2026, {1, 2, 3, 4, 5}, 6), 2)
        + encodeThunderRecord(thResult(5, 1, 2026, {7, 8, 14, 20, 31}, 8));
    dir.write("thresult.exe", file);
    QWidget opener;
    opener.show();
    print.showDrawHistory(&opener, Tb534);
    ListWindow *w = print.historyWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->lines(), (QStringList{"12/12/2026   01 02 03 04 05  TB 06", "05/01/2026   07 08 14 20 31  TB 08"}));
    click(w, "Command9"); // the opener given back: ThunderChildClose

    // An emptied file: the window says so.
    dir.write("thresult.exe", QByteArray());
    print.showDrawHistory(&opener, Tb534);
    EXPECT_EQ(w->lines(), QStringList{"There are no entries in the results file"});
    w->closeWindow();
}
