#include "support/mainfixture.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>

using namespace dstest;

namespace {

// Record 1 of the links file naming the downloads, the rest blank.
QByteArray linksFile(const QByteArray &addresses)
{
    return QByteArray("Download Results File").leftJustified(30, ' ') + addresses.leftJustified(200, ' ')
        + QByteArray(4 * 230, ' ');
}

ds::TransferOutcome outcome(ds::TransferOutcome::Kind kind, const QByteArray &body = {}, int status = 0)
{
    ds::TransferOutcome o;
    o.kind = kind;
    o.body = body;
    o.status = status;
    return o;
}

class ResultsMenusTest : public MainFixture {
protected:
    // The progress dialog on screen; null when there is none.
    static QDialog *progress()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmUpdate") && w->isVisible())
                return qobject_cast<QDialog *>(w);
        return nullptr;
    }
    const QByteArray held = historyFile({drawRecord("03102015", {1, 2, 3, 4, 5, 6}, 7)});
};

} // namespace

// Cancel, Esc and the title-bar close ask the transfer to stop; Enter does
// nothing (Cancel is no confirming action). The dialog goes when the
// transfer has ended, and nothing is changed.
TEST_F(ResultsMenusTest, CancelEscAndTheTitleBarCloseStopTheTransferThenAFetchedFileIsImportedAndExported)
{
    dir.write("UK.exe", held);
    start();
    EXPECT_TRUE(fakes.transfer.started.isEmpty()); // nothing is fetched unasked
    const std::function<void(QDialog *)> ways[] = {
        [](QDialog *d) { click(d, "cmdCancel"); },
        [](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); },
        [](QDialog *d) { d->close(); },
    };
    int way = 0;
    for (const auto &stop : ways) {
        ++way;
        fakes.dialogs.clear();
        fakes.transfer.cancels = 0;
        trigger(&w(), "mnuUpdate");
        QDialog *d = progress();
        ASSERT_TRUE(d && d->isVisible()) << way;
        for (QPushButton *b : d->findChildren<QPushButton *>())
            EXPECT_FALSE(b->isDefault() || b->autoDefault()) << way;
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_EQ(fakes.transfer.cancels, 0) << way;
        stop(d);
        EXPECT_EQ(fakes.transfer.cancels, 1) << way;
        EXPECT_TRUE(d->isVisible()) << way;
        EXPECT_FALSE(child<QPushButton>(d, "cmdCancel")->isEnabled()) << way;
        fakes.transfer.finish(outcome(ds::TransferOutcome::Kind::Cancelled));
        EXPECT_EQ(progress(), nullptr) << way;
        EXPECT_EQ(fakes.dialogs.news, QStringList{"The update was cancelled. Nothing was changed."}) << way;
        EXPECT_EQ(dir.read("UK.exe"), held) << way;
    }

    // The progress dialog opens over the window and follows the transfer; the
    // file that arrives goes through the import, whose report names the newest
    // draw now stored.
    fakes.dialogs.clear();
    fakes.transfer.started.clear();
    trigger(&w(), "mnuUpdate");
    EXPECT_EQ(fakes.transfer.started,
              QStringList{"https://www.national-lottery.co.uk/results/lotto/draw-history/csv"});
    QDialog *d = progress();
    ASSERT_TRUE(d && d->isVisible());
    EXPECT_EQ(d->parentWidget(), &w());
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    EXPECT_EQ(child<QLabel>(d, "Label1")->text(),
              QStringLiteral("Fetching the UK Lotto results from www.national-lottery.co.uk"));
    fakes.transfer.progress(3000, 61440);
    EXPECT_EQ(child<QLabel>(d, "Label2")->text(), QStringLiteral("3 KB of 60 KB received"));
    // Only one update at a time.
    trigger(&w(), "mnuUpdate");
    EXPECT_EQ(fakes.transfer.started.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    fakes.transfer.finish(outcome(ds::TransferOutcome::Kind::Fetched,
                                  "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine\n"
                                  "07-Oct-2015,49,48,47,46,45,44,43,5,Arthur\n"
                                  "03-Oct-2015,1,2,3,4,5,6,7,4,Arthur\n"));
    EXPECT_EQ(progress(), nullptr);
    EXPECT_EQ(fakes.dialogs.news, QStringList{"1 draw added, 1 already in the history, 0 skipped.\n"
                                              "Newest draw now stored: 7/10/2015."});
    EXPECT_EQ(fakes.dialogs.messages, fakes.dialogs.news);
    const QByteArray updated = historyFile({drawRecord("03102015", {1, 2, 3, 4, 5, 6}, 7),
                                            drawRecord("07102015", {44, 45, 46, 47, 48, 49}, 43)});
    EXPECT_EQ(dir.read("UK.exe"), updated);

    // A failure is a warning and changes nothing.
    fakes.dialogs.clear();
    trigger(&w(), "mnuUpdate");
    fakes.transfer.finish(outcome(ds::TransferOutcome::Kind::Status, {}, 404));
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The results server answered 404 Not Found."});
    EXPECT_TRUE(fakes.dialogs.news.isEmpty());
    EXPECT_EQ(dir.read("UK.exe"), updated);

    // Export writes the chosen file, and never a history.
    fakes.dialogs.clear();
    trigger(&w(), "mnuExport"); // the save dialog cancelled
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    ASSERT_EQ(fakes.dialogs.proposed.size(), 1);
    EXPECT_TRUE(fakes.dialogs.proposed[0].endsWith("/UK Lotto results.csv")) << fakes.dialogs.proposed[0].toStdString();

    fakes.dialogs.answerFile(dir.file("out.csv"));
    trigger(&w(), "mnuExport");
    EXPECT_EQ(fakes.dialogs.news, QStringList{"2 draws exported to " + dir.file("out.csv") + "."});
    EXPECT_EQ(dir.read("out.csv"),
              "date,draw,n1,n2,n3,n4,n5,n6,bonus\n2015-10-03,1,1,2,3,4,5,6,7\n2015-10-07,1,44,45,46,47,48,49,43\n");

    fakes.dialogs.clear();
    fakes.dialogs.answerFile(dir.file("UK.exe"));
    trigger(&w(), "mnuExport");
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{"UK.exe is one of Drawsmith's own files. Choose another name for the exported results."});
    EXPECT_EQ(dir.read("UK.exe"), updated);
}

// The chosen file goes into the current game's history and the report comes
// as news; a file of the other game is refused as a warning and nothing is
// written. What is read, merged and refused is the core's (ResultsImport).
// An address that may not be fetched is refused before any transfer; the
// Irish game has no file and is offered the results page instead.
TEST_F(ResultsMenusTest, ImportsTheChosenFileIntoTheCurrentGameOnlyAndRefusesAnAddressOrOffersThePage)
{
    const QByteArray uk1994 = historyFile({drawRecord("19111994", {3, 5, 14, 22, 30, 44}, 10)});
    dir.write("UK.exe", uk1994);
    dir.write("results.csv", "date,n1,n2,n3,n4,n5,n6,bonus\r\n"
                             "1994-11-26,44,6,12,15,16,31,37\r\n"
                             "1994-11-19,3,5,14,22,30,44,10\r\n"
                             "2016-01-02,1,2,3,4,5,6,7\r\n");
    dir.write("weblinks.dat", linksFile("UK=http://results.example/uk.csv"));
    start();
    trigger(&w(), "mnuImport"); // the file dialog cancelled: nothing happens
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(dir.read("UK.exe"), uk1994);

    fakes.dialogs.answerFile(dir.file("results.csv"));
    trigger(&w(), "mnuImport");
    // Each row goes into the history of its date's era.
    EXPECT_EQ(fakes.dialogs.news, QStringList{"2 draws added, 1 already in the history, 0 skipped.\n"
                                              "6 from 49 (19/11/1994 to 7/10/2015): 1 draw added, 1 already held.\n"
                                              "6 from 59 (from 10/10/2015): 1 draw added, 0 already held."});
    EXPECT_EQ(fakes.dialogs.messages, fakes.dialogs.news);
    EXPECT_EQ(dir.read("UK.exe"), historyFile({drawRecord("19111994", {3, 5, 14, 22, 30, 44}, 10),
                                               drawRecord("26111994", {6, 12, 15, 16, 31, 44}, 37)}));
    EXPECT_EQ(dir.read("UK59.exe"), historyFile({drawRecord("02012016", {1, 2, 3, 4, 5, 6}, 7)}));
    EXPECT_EQ(fakes.dialogs.busyCount, 1);

    fakes.dialogs.clear();
    trigger(&w(), "mnuUpdate");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"Drawsmith fetches results only from secure (https:) addresses, so "
                                                  "it did not fetch http://results.example/uk.csv."});
    EXPECT_TRUE(fakes.transfer.started.isEmpty());
    EXPECT_EQ(progress(), nullptr);

    trigger(&w(), "mnuIreland");
    fakes.dialogs.clear();
    fakes.dialogs.answerFile(dir.file("results.csv"));
    trigger(&w(), "mnuImport");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"This file holds UK Lotto results, not Irish Lotto results."});
    EXPECT_TRUE(fakes.dialogs.news.isEmpty());
    EXPECT_FALSE(dir.exists("IR.exe"));

    fakes.dialogs.clear();
    fakes.dialogs.answer(false);
    trigger(&w(), "mnuUpdate");
    EXPECT_EQ(fakes.dialogs.questions,
              QStringList{"The Irish Lottery publishes no results file for Drawsmith to fetch, only a results page. "
                          "Would you like to open that page with \"Download Results File\" instead?"});
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(fakes.browser.opened.isEmpty());
    fakes.dialogs.answer(true);
    trigger(&w(), "mnuUpdate");
    EXPECT_EQ(fakes.dialogs.news.size(), 1); // "Download Results File"'s own message
    EXPECT_EQ(fakes.browser.opened, QStringList{"https://www.lottery.ie/results/lotto/history"});
    EXPECT_TRUE(fakes.transfer.started.isEmpty());
}
