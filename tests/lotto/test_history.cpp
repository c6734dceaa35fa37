// The File Manager's windows: Draw History with its printout, and File
// Maintenance's deletions.
#include "core/drawhistory.h"
#include "lotto/historyprint.h"
#include "support/mainfixture.h"

#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScrollBar>
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
