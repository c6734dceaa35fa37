// Every printout of the program, from each of its Print entries and buttons:
// the window that printed says when the printout failed, and names the file
// a printout without a printer was saved as, with its folder a button away.
#include "statistics/ballstatswindow.h"
#include "statistics/chartswindow.h"
#include "support/mainfixture.h"
#include "thunderball/thunderrecords.h"
#include "thunderball/thunderstatswindows.h"
#include "widgets/barchart.h"

#include <functional>

using namespace dstest;

namespace {

const QByteArray Key("12061999");
const QString Pdf = QStringLiteral("/home/player/drawsmith/printouts/printout-20261205-200000-1.pdf");

} // namespace

class Printouts : public MainFixture {
protected:
    // Prints through `print` with a printer that fails, one that saves a PDF
    // (the player opens its folder) and one that prints.
    void expectReports(const char *site, const std::function<void()> &print)
    {
        SCOPED_TRACE(site);
        fakes.printer.outcome = {false, QStringLiteral("The printer \"Office\" did not accept the job."), {}};
        fakes.dialogs.clear();
        const size_t jobs = fakes.printer.jobs.size();
        print();
        EXPECT_EQ(fakes.printer.jobs.size(), jobs + 1);
        EXPECT_EQ(fakes.dialogs.messages,
                  QStringList{"The printout could not be made. The printer \"Office\" did not accept the job."});
        EXPECT_TRUE(fakes.dialogs.news.isEmpty());

        fakes.printer.outcome = {true, {}, Pdf};
        fakes.dialogs.clear();
        fakes.dialogs.takeOffers = true;
        fakes.browser.opened.clear();
        print();
        EXPECT_EQ(fakes.dialogs.news, QStringList{"No printer was found; the printout was saved as " + Pdf});
        EXPECT_EQ(fakes.dialogs.messages, fakes.dialogs.news); // nothing else
        EXPECT_EQ(fakes.dialogs.offered, QStringList{"Open Folder"});
        EXPECT_EQ(fakes.browser.opened, QStringList{"file:///home/player/drawsmith/printouts"});
        fakes.dialogs.takeOffers = false;

        fakes.printer.outcome = {};
        fakes.dialogs.clear();
        print();
        EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    }
};

TEST_F(Printouts, EveryPrintSaysWhenItFailsAndWhereTheFileWent)
{
    dir.write("UK.exe", historyFile({drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)}));
    dir.write("UK12061999.lot", entryRecord(Key, {3, 7, 9, 12, 43, 44}) + entryRecord(Key, {1, 2, 4, 5, 6, 8}));
    // A 5 from 34 Thunderball date, whose tickets have a layout.
    dir.write("TH05122009.lot", thRec(1, 1, 5, 12, 2009, {3, 8, 14, 20, 34}, 8));
    dir.write("thresult.exe", thRec(1, 0, 5, 12, 2009, {3, 8, 14, 20, 31}, 8));
    fakes.clock.date = QDate(2009, 12, 5);
    start();
    chooseSelections(12, 6, 1999);
    chooseDraw(5, 6, 1999);
    click(&w(), "Command4"); // Check: one winning line
    expectReports("Print List", [&] { click(&w(), "Command13"); });
    expectReports("Winning Selections Print", [&] { click(&w(), "Command15"); });
    expectReports("Print Draw History File", [&] { trigger(&w(), "mnuDrawHistory"); });

    trigger(&w(), "mnuPT");
    QWidget *tickets = topLevel("Form18");
    ASSERT_NE(tickets, nullptr);
    expectReports("Test", [&] { click(tickets, "Command1"); });
    expectReports("Print Entries", [&] { click(tickets, "Command5"); });
    click(tickets, "Command4");

    fakes.dialogs.answer(false); // too few draws for reliable statistics: no download
    trigger(&w(), "mnuUKstats");
    ASSERT_NE(topLevel("Form4"), nullptr);
    click(topLevel("Form4"), "Command7");
    auto *charts = topLevel<ds::ChartsWindow>("Form8");
    ASSERT_NE(charts, nullptr);
    expectReports("Charts Print", [&] { click(charts, "Command3"); });
    charts->clickRow(7);
    ASSERT_NE(topLevel("Form6"), nullptr);
    expectReports("Ball Statistics Print", [&] { click(topLevel("Form6"), "Command2"); });
    click(topLevel("Form6"), "Command1");
    click(charts, "Command1");
    click(topLevel("Form4"), "Command1");

    trigger(&w(), "mnuthunder");
    QWidget *thunderball = topLevel("Form20");
    ASSERT_NE(thunderball, nullptr);
    for (const char *entry : {"mnuresults", "mnuselections", "mnutickets", "mnuDraws"})
        expectReports(entry, [&] { trigger(thunderball, entry); });
    trigger(thunderball, "mnuStats");
    auto *stats = topLevel<ds::ThunderStatistics>("Form23");
    ASSERT_NE(stats, nullptr);
    emit stats->chart()->rowClicked(8);
    expectReports("Thunderball Ball Statistics Print", [&] { click(stats->ballWindow(), "Command2"); });

    // A folder the desktop cannot open says so.
    fakes.printer.outcome = {true, {}, Pdf};
    fakes.browser.result = ds::OpenResult::NoBrowser;
    fakes.dialogs.takeOffers = true;
    fakes.dialogs.clear();
    click(stats->ballWindow(), "Command2");
    EXPECT_EQ(fakes.dialogs.messages.value(1), "The folder /home/player/drawsmith/printouts could not be opened.");
    click(stats->ballWindow(), "Command1");
}
