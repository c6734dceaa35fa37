// The File Manager's windows: Draw History with its printout, File
// Maintenance's deletions, and the import, update and export of results.
#include "core/drawhistory.h"
#include "lotto/historyprint.h"
#include "support/mainfixture.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <functional>
#include <optional>

using namespace dstest;

namespace {

const QByteArray DrawA = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
const QByteArray IrishFirst = drawRecord("05061999", {1, 9, 10, 22, 33, 42}, 17);
const QByteArray IrishSecond = drawRecord("05061999", {4, 5, 6, 19, 28, 40}, 41);
const QByteArray IrishLater = drawRecord("09061999", {2, 11, 20, 31, 38, 39}, 3);
const QByteArray Blank = drawRecord("        ", {0, 0, 0, 0, 0, 0}, 0);

const QString LineA = QStringLiteral("05-06-1999   03 07 12 21 30 45  Bonus 09");
const QStringList IrishLines = {QStringLiteral("05-06-1999   01 09 10 22 33 42  Bonus 17"),
                                QStringLiteral("05-06-1999   04 05 06 19 28 40  Bonus 41"),
                                QStringLiteral("09-06-1999   02 11 20 31 38 39  Bonus 03")};
const QString UkTitle = QStringLiteral("UK Lottery Results Currently Held in Draw File:");
const QString IrishTitle = QStringLiteral("Irish Lottery Results Currently Held in Draw File:");
const QString NoResults = QStringLiteral("There are no results in the file");

const QString CloseAll = QStringLiteral("question: All files will be closed, do you want to continue?");
const QString SelectionQuestion = QStringLiteral("question: Are you sure you want to delete this lottery selection file?");
const QString ResultsQuestion = QStringLiteral("question: This is a results file. Are you sure you want to delete it?");
const QString NothingSelected = QStringLiteral("message: You have not selected a file for deletion");
const QString CannotDelete = QStringLiteral("message: This file cannot be deleted until your PC has been restarted.");

// The whole printed page: three empty lines, the title, an empty line, then
// the history lines indented by seven spaces.
QStringList printedPage(const QString &title, const QStringList &historyLines)
{
    QStringList page{QString(), QString(), QString(), title, QString()};
    for (const QString &l : historyLines)
        page << QStringLiteral("       ") + l;
    return page;
}

// Remembers whether the hourglass showed for each line and for the end of the job.
class BusyWatchingPrinter : public FakePrinter {
public:
    explicit BusyWatchingPrinter(const FakeDialogs &d) : dialogs(d) {}
    void printLine(const QString &text) override
    {
        busyPerLine.push_back(dialogs.busyDepth);
        FakePrinter::printLine(text);
    }
    ds::PrintOutcome endDocument() override
    {
        busyAtEnd = dialogs.busyDepth;
        return FakePrinter::endDocument();
    }
    const FakeDialogs &dialogs;
    std::vector<int> busyPerLine;
    int busyAtEnd = -1;
};

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

} // namespace

TEST(HistoryPrint, WholeJobUnderTheHourglassAndTrimmedDates)
{
    FakeDialogs dialogs;
    BusyWatchingPrinter printer(dialogs);
    ds::DrawHistory h;
    h.setBytes(countRecord(2) + DrawA + drawRecord(" 1012000", {10, 11, 19, 20, 40, 49}, 48) + Blank);
    ds::printHistory(ds::firstEra(ds::Game::UK), h, printer, dialogs);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].font + QString::number(printer.jobs[0].size), "Courier10");
    ASSERT_EQ(printer.jobs[0].pages.size(), 1u); // no page breaks of its own
    // The date field is trimmed before it is cut up.
    EXPECT_EQ(printer.jobs[0].pages[0], printedPage(UkTitle, {LineA, "10-12-000   10 11 19 20 40 49  Bonus 48"}));
    EXPECT_EQ(printer.busyPerLine, std::vector<int>(7, 1));
    EXPECT_EQ(printer.busyAtEnd, 0); // the pointer is back before the job goes
    EXPECT_FALSE(printer.open);
}

class HistoryTest : public MainFixture {
protected:
    QWidget *form() { return topLevel("Form24"); }
    QStringList listed() { return lines(child<QListWidget>(form(), "List1")); }
    void show() { trigger(&w(), "mnuShowHistory"); }
    void print() { trigger(&w(), "mnuDrawHistory"); }
    void closeForm() { click(form(), "Command9"); }
    // Shows the window and returns what it lists, closing it again.
    QStringList shown()
    {
        show();
        const QStringList out = listed();
        closeForm();
        return out;
    }
};

// The window and the printout follow the country: its file, the caption and
// the printed title; an Irish date lists its first draw first. The close paths
// are walked by the child-window test, the UK page by HistoryPrint.
TEST_F(HistoryTest, EmptyOrNotEachCountrysDrawsAreListedAndPrintedFromTheEraInUse)
{
    // Empty histories list their text and print nothing. Count 0 with a
    // leftover draw after it: nothing is read.
    dir.write(QStringLiteral("UK.exe"), countRecord(0, QByteArray(8, ' ')) + Blank + DrawA);
    start();
    EXPECT_EQ(shown(), QStringList{NoResults});
    print();
    trigger(&w(), "mnuIreland"); // no IR.exe at all
    print();
    EXPECT_EQ(shown(), QStringList{NoResults});
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"There are no entries in the UK results file",
                                                   "There are no entries in the Ireland results file"}));
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_FALSE(dir.exists(QStringLiteral("IR.exe")));

    dir.write(QStringLiteral("IR.exe"), historyFile({IrishFirst, IrishSecond, IrishLater}));
    show();
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(form()->windowTitle(), "Irish Draw History");
    EXPECT_EQ(listed(), IrishLines);
    closeForm();
    print();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages, std::vector<QStringList>{printedPage(IrishTitle, IrishLines)});
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
    // Opening again reads the file again, into the same window, on its newest draw.
    QWidget *first = form();
    dir.write(QStringLiteral("IR.exe"), syntheticHistory(30));
    show();
    EXPECT_EQ(form(), first) << "a second Draw History window";
    auto *list = child<QListWidget>(form(), "List1");
    EXPECT_EQ(list->currentRow(), 29);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    EXPECT_EQ(child<QLabel>(form(), "LabelCount")->text(), "30 draws");
    closeForm();

    // Back on the UK: the history of the era in use, that of the draw on
    // display, or with none the newest era holding draws.
    dir.write(QStringLiteral("UK59.exe"), historyFile({drawRecord("02012016", {1, 2, 3, 4, 58, 59}, 5)}));
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    trigger(&w(), "mnu649");
    show();
    EXPECT_EQ(form()->windowTitle(), "UK 6/59 Draw History");
    EXPECT_EQ(listed(), QStringList{"02-01-2016   01 02 03 04 58 59  Bonus 05"});
    closeForm();
    chooseDraw(5, 6, 1999);
    EXPECT_EQ(shown(), QStringList{LineA});
    EXPECT_EQ(form()->windowTitle(), "UK 6/49 Draw History");
}

class FileDeletionTest : public MainFixture {
protected:
    QWidget *form() { return topLevel("Form3"); }
    QListWidget *files() { return child<QListWidget>(form(), "File1"); }
    QStringList listed() { return lines(files()); }
    void fileMaintenance(bool yes = true)
    {
        fakes.dialogs.answer(yes);
        trigger(&w(), "mnuFileMaintenance");
    }
    void startWith(std::initializer_list<const char *> names)
    {
        for (const char *name : names)
            dir.write(QString::fromLatin1(name), "x");
        start();
    }
    // Selects the file, scripts the answer to a question if one is expected,
    // and presses "Delete".
    void remove(const QString &name, std::optional<bool> answer = std::nullopt)
    {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        files()->setCurrentItem(found.front());
        if (answer)
            fakes.dialogs.answer(*answer);
        click(form(), "Command3");
    }
    QWidget *mainChild(const QString &name) { return child<QWidget>(&w(), name.toLatin1().constData()); }
    QString caption(int k) { return child<QLabel>(&w(), QStringLiteral("Label%1").arg(k).toLatin1().constData())->text(); }
};

TEST_F(FileDeletionTest, NoChangesNothingYesResetsTheMainWindowAndClosingEmptiesTheCaptions)
{
    // A draw and a selections file on show, with the "Maintain Entries" frame open.
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    dir.write(QStringLiteral("UK05061999.lot"), entryRecord("05061999", {1, 5, 12, 23, 30, 41})
                                                    + entryRecord("05061999", {2, 6, 13, 24, 31, 42}));
    start();
    chooseDraw(5, 6, 1999);
    chooseSelections(5, 6, 1999);
    click(&w(), "Command3"); // "Maintain"
    child<QListWidget>(&w(), "List1")->addItem(QStringLiteral("a winning line"));
    ASSERT_EQ(caption(5), " 3");
    fakes.dialogs.clear();
    fileMaintenance(false);
    EXPECT_EQ(form(), nullptr);
    EXPECT_EQ(lines(child<QListWidget>(&w(), "List1")), QStringList{"a winning line"});
    EXPECT_EQ(state.currentEntryFile, dir.file(QStringLiteral("UK05061999.lot")));

    mainChild("Command3")->hide(); // as while a new date's entries are added
    mainChild("Command3")->setEnabled(false);
    fileMaintenance();

    ASSERT_NE(form(), nullptr);
    EXPECT_TRUE(hidden(mainChild("Shape1")));
    EXPECT_EQ(child<QListWidget>(&w(), "List2")->count() + child<QListWidget>(&w(), "List1")->count(), 0);
    EXPECT_EQ(child<QLineEdit>(&w(), "Text1")->text() + child<QLineEdit>(&w(), "Text2")->text(), QString());
    EXPECT_TRUE(hidden(mainChild("Frame4")));
    EXPECT_TRUE(state.currentEntryFile.isEmpty());
    EXPECT_EQ(caption(5), " 3"); // captions go on Close
    EXPECT_FALSE(mainChild("Command2")->isEnabled());
    EXPECT_EQ(fakes.dialogs.log, (QStringList{CloseAll, CloseAll}));

    // Every close path ends in the same closing (the child-window test walks them).
    QTest::keyClick(form(), Qt::Key_Escape);
    EXPECT_TRUE(mainChild("Command2")->isEnabled());
    for (int k = 5; k <= 11; ++k)
        EXPECT_TRUE(caption(k).isEmpty()) << k;
    EXPECT_TRUE(dir.exists(QStringLiteral("UK05061999.lot")));
    EXPECT_FALSE(hidden(mainChild("Command3")));
    click(&w(), "Command3"); // Maintain works again; with no date open, its own refusal
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"You need to select a date for the entries, use Change"});
}

// Each kind of file asks its own question once per visit; deleting a results
// file empties the ball captions. Which names are results files is the
// deletion logic's (LottoPlans).
TEST_F(FileDeletionTest, OnlyEntryAndResultFilesListedEachKindAskedOncePerVisitResultsEmptyTheCaptions)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    startWith({"IR.exe", "thresult.exe", "prnt.dat", "weblinks.dat", "J6.dat", "a.lot", "OLD.LOT", "x.RES", "c.lot",
               "lot", "b.lotx", ".hidden.lot", "old.exe.lot", "new.exe.res", "keep.exe.lot"});
    QDir(dir.path()).mkdir(QStringLiteral("folder.lot"));
    QFile::setPermissions(dir.file(QStringLiteral("keep.exe.lot")), QFileDevice::ReadOwner);
    chooseDraw(5, 6, 1999);
    fileMaintenance();
    EXPECT_EQ(listed(), (QStringList{"a.lot", "c.lot", "keep.exe.lot", "new.exe.res", "old.exe.lot", "OLD.LOT",
                                     "x.RES"}));
    remove(QStringLiteral("a.lot"), false); // No: nothing changes, and the next deletion asks again
    EXPECT_TRUE(dir.exists(QStringLiteral("a.lot")));
    remove(QStringLiteral("a.lot"), true);
    remove(QStringLiteral("OLD.LOT"));
    EXPECT_FALSE(dir.exists(QStringLiteral("a.lot")) || dir.exists(QStringLiteral("OLD.LOT")));
    EXPECT_EQ(caption(5), " 3"); // a selections file leaves the captions

    remove(QStringLiteral("old.exe.lot"), false); // No again: asked again below
    remove(QStringLiteral("keep.exe.lot"), true); // read-only: nothing deleted, nothing emptied
    EXPECT_TRUE(dir.exists(QStringLiteral("keep.exe.lot")));
    EXPECT_EQ(caption(5), " 3");
    remove(QStringLiteral("old.exe.lot"), true);
    for (int k = 5; k <= 11; ++k)
        EXPECT_TRUE(caption(k).isEmpty()) << k;
    remove(QStringLiteral("new.exe.res"));
    EXPECT_EQ(listed(), (QStringList{"c.lot", "keep.exe.lot", "x.RES"}));
    EXPECT_TRUE(dir.exists(QStringLiteral("UK.exe")));
    EXPECT_EQ(fakes.dialogs.log, (QStringList{CloseAll, SelectionQuestion, SelectionQuestion, ResultsQuestion,
                                              ResultsQuestion, CannotDelete, ResultsQuestion}));
    click(form(), "Command1");

    fileMaintenance(); // a new visit asks again
    remove(QStringLiteral("c.lot"), true);
    EXPECT_EQ(fakes.dialogs.log.mid(7), (QStringList{CloseAll, SelectionQuestion}));
    QFile::setPermissions(dir.file(QStringLiteral("keep.exe.lot")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(FileDeletionTest, NothingSelectedOrAFailureShowsItsMessageAndAFailureKeepsTheFlag)
{
    startWith({"a.lot", "b.lot", "c.lot", "d.lot"});
    fileMaintenance();
    click(form(), "Command3");
    // A current row that is not selected is no selection either.
    files()->selectionModel()->setCurrentIndex(files()->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    click(form(), "Command3");
    QFile::remove(dir.file(QStringLiteral("a.lot")));
    remove(QStringLiteral("a.lot"), true);
    EXPECT_EQ(listed(), (QStringList{"a.lot", "b.lot", "c.lot", "d.lot"})); // not refreshed
    EXPECT_EQ(files()->selectedItems().size(), 1);
    remove(QStringLiteral("b.lot"), true); // asks again: the failed deletion set nothing
    click(form(), "Command3"); // the refreshed list holds no selection
    QFile::remove(dir.file(QStringLiteral("c.lot")));
    remove(QStringLiteral("c.lot")); // fails without clearing the flag
    EXPECT_EQ(listed(), (QStringList{"c.lot", "d.lot"})); // not refreshed
    remove(QStringLiteral("d.lot"));
    EXPECT_FALSE(dir.exists(QStringLiteral("b.lot")) || dir.exists(QStringLiteral("d.lot")));
    EXPECT_EQ(fakes.dialogs.log, (QStringList{CloseAll, NothingSelected, NothingSelected, SelectionQuestion,
                                              CannotDelete, SelectionQuestion, NothingSelected, CannotDelete}));
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
    // Only one update at a time, and a second request says so.
    trigger(&w(), "mnuUpdate");
    EXPECT_EQ(fakes.transfer.started.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{"Results are already being updated. Wait for that update to end, or stop it."});
    fakes.dialogs.clear();

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
