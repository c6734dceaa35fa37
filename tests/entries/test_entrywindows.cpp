#include "core/printersettings.h"
#include "entries/rangecheckwindow.h"
#include "entries/suggest.h"
#include "entries/ticketprinting.h"
#include "entries/tickets.h"
#include "platform/qtprinter.h"
#include "support/mainfixture.h"
#include "support/pdfpages.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QRadioButton>
#include <functional>

using namespace dstest;

namespace {

const QByteArray Key("05061999");
const QByteArray Empty = entryRecord(QByteArray(8, '\0'), {0, 0, 0, 0, 0, 0});
const QByteArray Uk = entryRecord(Key, {1, 2, 3, 4, 5, 6}) + entryRecord(Key, {7, 8, 9, 10, 11, 12});
const QByteArray Ir = entryRecord(Key, {13, 14, 15, 16, 17, 18});
const QString NotCreated = "You have not created a standing entry, use the Change command, set up your entries and then use Save as Standing Entry.";
const QByteArray CheckKey("12061999");
const QByteArray History = historyFile({drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)});
// A damaged entry first: it takes its place in the list, the marks stay on their entries.
const QByteArray Entries = entryRecord(CheckKey, {5, 5, 5, 5, 5, 5}) + entryRecord(CheckKey, {1, 2, 4, 5, 6, 8})
    + entryRecord(CheckKey, {3, 7, 9, 12, 43, 44}) + entryRecord(CheckKey, {3, 7, 12, 42, 43, 44})
    + entryRecord(CheckKey, {3, 7, 9, 42, 43, 44}) + entryRecord(CheckKey, {3, 7, 9, 12, 21, 30});

const QByteArray RangeHistory = historyFile({
    drawRecord("02011998", {1, 2, 4, 5, 6, 8}, 10),
    drawRecord("06031999", {3, 7, 12, 21, 30, 45}, 9),
    drawRecord("13031999", {3, 7, 12, 40, 41, 42}, 44),
    drawRecord("20031999", {1, 2, 13, 14, 15, 16}, 17),
    drawRecord("27031999", {3, 7, 12, 21, 30, 44}, 45),
    drawRecord("01052000", {1, 2, 3, 4, 5, 6}, 7),
});

std::vector<ds::PageMark> pageMarks(const std::vector<ds::TicketMark> &marks)
{
    std::vector<ds::PageMark> out;
    for (const auto &m : marks)
        out.push_back({m.left, m.top, ds::TicketMarkWidth, ds::TicketMarkHeight});
    return out;
}

// n entries: entry i (from 0) is 1 + i mod 7, 10, 20, 30, 40, 49.
QByteArray entries(int n)
{
    QByteArray file;
    for (int i = 0; i < n; ++i)
        file += entryRecord(Key, {1 + i % 7, 10, 20, 30, 40, 49});
    return file;
}

// Runs `act` on the tickets window over `n` entries, printing through the real printer on a desktop
// without one; gives the one PDF saved in `dir`, checking that the window named it.
QString printToPdf(const TestFolder &dir, int n, const std::function<void(QWidget *)> &act)
{
    dir.write("UK05061999.lot", entries(n));
    FakePlatform fakes;
    ds::QtPrinter printer(dir.path());
    ds::Platform platform = fakes.platform();
    platform.printer = &printer;
    ds::AppState state;
    state.programFolder = dir.path();
    state.currentEntryFile = dir.file("UK05061999.lot");
    state.entryCount = n;
    ds::TicketController tickets(state, platform, nullptr);
    tickets.printTickets();
    if (!tickets.window()) {
        ADD_FAILURE() << "no tickets window";
        return {};
    }
    act(tickets.window());
    tickets.window()->closeWindow();
    const QStringList pdfs = QDir(dir.file("printouts")).entryList({"*.pdf"});
    EXPECT_EQ(pdfs.size(), 1);
    const QString pdf = pdfs.isEmpty() ? QString() : dir.file("printouts/" + pdfs[0]);
    EXPECT_EQ(fakes.dialogs.news, QStringList{"No printer was found; the printout was saved as " + pdf});
    return pdf;
}

} // namespace

class SelectionsTest : public MainFixture {
protected:
    void add(const QStringList &six)
    {
        typeBoxes(&w(), six, 4);
        click(&w(), "Command9");
    }
    QListWidget *list2() { return child<QListWidget>(&w(), "List2"); }
    QString total() { return child<QLineEdit>(&w(), "Text3")->text(); }
};

TEST_F(SelectionsTest, AddedEntriesAreSortedShownAndWrittenWithTheFilesDate)
{
    start();
    chooseSelections(5, 6, 1999);
    chooseDraw(12, 6, 1999); // a draw date chosen in between (no draw: cancel the entry)
    click(dialog(), "Command3");
    ASSERT_EQ(state.chosenDateKey, "12061999");
    click(&w(), "Command13");
    click(&w(), "Command4"); // Check
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"There is no list to print!", "There are no entries to check against!"}));
    add({"5", "49", "1", "23", "12", "30"});
    EXPECT_EQ(lines(list2()), QStringList{"01 05 12 23 30 49 ( )"});
    EXPECT_EQ(total(), "1");
    EXPECT_EQ(child<QLineEdit>(&w(), "Text4")->text(), "5"); // boxes keep their numbers
    add({"2", "6", "13", "24", "31", "48"});
    EXPECT_EQ(dir.read("UK05061999.lot"),
              entryRecord(Key, {1, 5, 12, 23, 30, 49}) + entryRecord(Key, {2, 6, 13, 24, 31, 48}));
    // The same entry again is added only when the answer is Yes.
    fakes.dialogs.answer(false);
    add({"30", "23", "12", "5", "1", "49"});
    EXPECT_EQ(fakes.dialogs.questions,
              QStringList{"You already have this entry in your list are you sure you want to add it again"});
    fakes.dialogs.answer(true);
    add({"30", "23", "12", "5", "1", "49"});
    EXPECT_EQ(dir.read("UK05061999.lot").mid(40), entryRecord(Key, {1, 5, 12, 23, 30, 49}));
    click(&w(), "Command8");
    EXPECT_TRUE(child<QLineEdit>(&w(), "Text9")->text().isEmpty());
    // Opening the date again finds all three entries.
    click(&w(), "Command7");
    chooseSelections(5, 6, 1999);
    EXPECT_EQ(list2()->count(), 3);
}

TEST_F(SelectionsTest, DeleteTheSelectedEntryAFullFileTakesNoMoreAndTheIrishLimit)
{
    QByteArray five;
    for (int i = 0; i < 5; ++i)
        five += entryRecord(Key, {1 + i, 2 + i, 3 + i, 4 + i, 5 + i, 49});
    auto rec = [&](int i) { return five.mid((i - 1) * 20, 20); };
    dir.write("UK05061999.lot", five);
    start();
    chooseSelections(5, 6, 1999);
    click(&w(), "Command3");

    list2()->setCurrentRow(2);
    click(&w(), "Command11");
    EXPECT_EQ(dir.read("UK05061999.lot"), rec(1) + rec(2) + rec(4) + rec(5) + Empty + Empty);
    EXPECT_EQ(total(), "4");
    EXPECT_EQ(list2()->item(2)->text(), "04 05 06 07 08 49 ( )");

    // A full file takes no more entries.
    QByteArray full;
    for (int i = 0; i < 2500; ++i)
        full += entryRecord("12061999", {1, 2, 3, 4, 5, qint16(6 + i % 40)});
    dir.write("UK12061999.lot", full);
    click(&w(), "Command7"); // Finished
    chooseSelections(12, 6, 1999);
    add({"7", "8", "9", "10", "11", "12"});
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"2500 is the maximum number of entries"});
    EXPECT_EQ(dir.read("UK12061999.lot"), full);

    // The Irish limit reaches the boxes (their rules are NumberBoxes.EntryOfSixBoxes's).
    fakes.dialogs.clear();
    trigger(&w(), "mnuIreland");
    chooseSelections(5, 6, 1999);
    add({"43", "2", "3", "4", "5", "6"});
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"One or more of your numbers are invalid"});
    EXPECT_EQ(dir.read("IR05061999.lot"), entryRecord(Key, {0, 0, 0, 0, 0, 0}));
}

class StandingTest : public MainFixture {
protected:
    QString text(const char *name) { return child<QLineEdit>(&w(), name)->text(); }
};

TEST_F(StandingTest, SaveCopiesTheSelectionsFileAndOpenLoadsEachGamesOwn)
{
    dir.write("UK05061999.lot", Uk);
    start();
    chooseSelections(5, 6, 1999);
    trigger(&w(), "mnuSSE");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(dir.read("StandUK.lot"), Uk);
    EXPECT_EQ(text("Text2"), "Standing");
    // Saving again copies nothing (it already is the standing entry).
    dir.write("UK05061999.lot", Ir);
    trigger(&w(), "mnuSSE");
    EXPECT_EQ(dir.read("StandUK.lot"), Uk);
    // The Irish game has a standing entry of its own.
    dir.write("IR05061999.lot", Ir);
    trigger(&w(), "mnuIreland");
    chooseSelections(5, 6, 1999);
    trigger(&w(), "mnuSSE");
    EXPECT_EQ(dir.read("StandIR.lot"), Ir);
    EXPECT_EQ(dir.read("StandUK.lot"), Uk);

    // Open, from maintain mode, finds a file another copy wrote whatever its letter case.
    ASSERT_TRUE(QFile::rename(dir.file("StandUK.lot"), dir.file("standuk.LOT")));
    trigger(&w(), "mnu649");
    chooseSelections(12, 6, 1999); // a new file: maintain mode
    trigger(&w(), "mnuOSE");
    EXPECT_EQ(lines(child<QListWidget>(&w(), "List2")), (QStringList{"01 02 03 04 05 06 ( )", "07 08 09 10 11 12 ( )"}));
    EXPECT_EQ(text("Text2") + text("Text3"), "Standing2");
    EXPECT_EQ(state.currentEntryFile, dir.file("standuk.LOT"));
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4")));

    trigger(&w(), "mnuIreland");
    trigger(&w(), "mnuOSE");
    EXPECT_EQ(lines(child<QListWidget>(&w(), "List2")), QStringList{"13 14 15 16 17 18 ( )"});
    EXPECT_EQ(state.currentEntryFile, dir.file("StandIR.lot"));
}

TEST_F(StandingTest, OpenWithoutAStandingEntryAndSaveWithoutSelections)
{
    start();
    trigger(&w(), "mnuOSE");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{NotCreated});
    fakes.dialogs.clear();
    chooseSelections(5, 6, 1999); // new, empty file: total box is empty
    trigger(&w(), "mnuSSE");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"You do not have any selections to make as your standing entry"});
    EXPECT_FALSE(dir.exists("StandUK.lot"));
    dir.write("StandUK.lot", QByteArray());
    fakes.dialogs.clear();
    trigger(&w(), "mnuOSE"); // exists but empty: an empty list
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(text("Text3"), "0");
    // There but unreadable (a folder under the name it is probed by): not "never created".
    QFile::remove(dir.file("StandUK.lot"));
    QDir(dir.path()).mkdir("standUK.lot");
    trigger(&w(), "mnuOSE");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The file standUK.lot cannot be read."});
}

class CheckWindowTest : public MainFixture {
protected:
    void openWith(const QString &remembered, const QByteArray &history, const QByteArray &entries)
    {
        const bool irish = remembered == "I";
        dir.write(irish ? "IR.exe" : "UK.exe", history);
        dir.write((irish ? QStringLiteral("IR") : QStringLiteral("UK")) + "12061999.lot", entries);
        start(remembered);
        chooseSelections(12, 6, 1999);
        chooseDraw(5, 6, 1999);
    }
    QListWidget *list(const char *name) { return child<QListWidget>(&w(), name); }
};

TEST_F(CheckWindowTest, UkCheckListsMarksPrintsAndClearsTheWinnersAndSaysWhichEntryIsDamagedAndSmallMatchesAreNoWin)
{
    openWith("U", History, Entries);
    click(&w(), "Command15");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There is no list to print!"});
    fakes.dialogs.clear();
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")), (QStringList{"Entry 1 is damaged and was not checked.", "03 07 09 12 43 44 (3 Match)",
                                                  "03 07 12 42 43 44 (3 Match)", "03 07 09 12 21 30 (5 + Bonus)"}));
    EXPECT_EQ(lines(list("List2")), (QStringList{"05 05 05 05 05 05 ( )", "01 02 04 05 06 08 ( )", "03 07 09 12 43 44 (*)",
                                                  "03 07 12 42 43 44 (*)", "03 07 09 42 43 44 ( )",
                                                  "03 07 09 12 21 30 (*)"}));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    // A second check starts from the unmarked list and gives the same marks.
    const QStringList marked = lines(list("List2"));
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List2")), marked);

    click(&w(), "Command15");
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages[0].value(4), QString(12, ' ') + "03 07 09 12 43 44 (3 Match)");
    click(&w(), "Command5");
    EXPECT_EQ(list("List1")->count(), 0);
    // Print List prints the marks of the check.
    click(&w(), "Command13");
    ASSERT_EQ(fakes.printer.jobs.size(), 2u);
    EXPECT_EQ(fakes.printer.jobs[1].pages[0].value(5), QString(16, ' ') + "03 07 09 12 43 44 (*)");

    // The Irish game, with "All": small matches are listed, but they are no win.
    window.reset();
    fakes.dialogs.clear();
    openWith("I", History, entryRecord(CheckKey, {3, 7, 9, 40, 41, 42}) + entryRecord(CheckKey, {3, 38, 39, 40, 41, 42}));
    child<QRadioButton>(&w(), "Option3")->setChecked(true);
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")), (QStringList{"03 07 09 40 41 42 (2 +Bonus)", "03 38 39 40 41 42 (1)"}));
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"No wins this time!"});
}

class SuggestPanelTest : public MainFixture {
protected:
    void suggest(const QString &howMany, bool total = false)
    {
        child<QRadioButton>(&w(), total ? "Option2" : "Option1")->setChecked(true);
        type(&w(), "Text10", howMany);
        click(&w(), "Command10");
    }
    QWidget *form15() { return topLevel("Form15"); }
    void constrain(const QStringList &nine)
    {
        click(&w(), "Command16");
        typeBoxes(form15(), nine);
        click(form15(), "Command10");
    }
    QListWidget *list2() { return child<QListWidget>(&w(), "List2"); }
};

TEST_F(SuggestPanelTest, EntriesAreWrittenAndListedUpToTheLimitsAndUntilNoneIsFound)
{
    dir.write("UK.exe", syntheticHistory(300));
    start();
    chooseSelections(5, 6, 1999); // new file: maintain mode
    suggest("20");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << fakes.dialogs.messages.join('|').toStdString();
    EXPECT_EQ(child<QLineEdit>(&w(), "Text3")->text(), "20");
    const QByteArray bytes = dir.read("UK05061999.lot");
    ASSERT_EQ(bytes.size(), 20 * 20);
    // Every record carries the file's date (the rules of each entry are the suggestion logic's).
    for (int r = 0; r < 20; ++r)
        EXPECT_EQ(bytes.mid(r * 20, 8), "05061999");
    // Total counts the entries already there (the other refusals are PlanAdd.RefusalsQuestionsAndCounts's).
    suggest("10", true);
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"You already have at least that number of entries!"});
    EXPECT_EQ(list2()->count(), 20);
    fakes.dialogs.clear();
    fakes.dialogs.answer(false);
    suggest("1001");
    EXPECT_EQ(fakes.dialogs.questions,
              QStringList{"This could take several minutes to select the entries. Are you sure you want to continue?"});
    EXPECT_EQ(list2()->count(), 20);
    // A source that always gives the same fraction picks one ball six times: no attempt can succeed.
    fakes.random.fixed = 0.5;
    suggest("10");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{ds::suggest::noMoreEntriesMessage(0)});
    EXPECT_EQ(dir.read("UK05061999.lot").size(), 20 * 20);
}

TEST_F(SuggestPanelTest, RequiredNumberInEveryEntryBestSixFillsTheBoxesInvalidConstraintsKeepTheWindowOpenACountrySwitchEmptiesIt)
{
    start();
    chooseSelections(5, 6, 1999); // new file: maintain mode
    constrain({"7", "", "", "1", "2", "", "", "", ""});
    fakes.dialogs.answer(true);
    suggest("40");
    EXPECT_EQ(fakes.dialogs.questions, QStringList{"You currently have contraints on numbers do you wish to proceed?"});
    ASSERT_EQ(list2()->count(), 40);
    for (const QString &line : lines(list2())) // the table reaches the suggestion logic
        EXPECT_TRUE(line.left(17).split(' ').contains("07")) << line.toStdString();
    // Enter in the count box suggests as Add does; No to the question adds nothing.
    fakes.dialogs.answer(false);
    type(&w(), "Text10", "5");
    QTest::keyClick(child<QLineEdit>(&w(), "Text10"), Qt::Key_Return);
    EXPECT_EQ(fakes.dialogs.questions.size(), 2);
    EXPECT_EQ(list2()->count(), 40);

    fakes.dialogs.clear();
    state.bestSix = {"23", "38", " 7", "44", "31", "12"};
    child<QWidget>(&w(), "Command12")->setEnabled(true);
    click(&w(), "Command12");
    EXPECT_EQ(child<QLineEdit>(&w(), "Text9")->text() + child<QLineEdit>(&w(), "Text7")->text(), "2312");
    const QString invalid = "One or more of your numbers is invalid - no numbers can be the same, they must be in range, and a number cannot be in both contraint types";
    constrain({"5", "", "", "5", "", "", "", "", ""});
    EXPECT_EQ(fakes.dialogs.messages, QStringList{invalid});
    EXPECT_TRUE(form15()->isVisible());
    // Esc and the title-bar close do not leave the window while the numbers are invalid.
    QTest::keyClick(form15(), Qt::Key_Escape);
    form15()->close();
    EXPECT_TRUE(form15()->isVisible());
    EXPECT_EQ(fakes.dialogs.messages.size(), 3);
    type(form15(), "Text4", "");
    click(form15(), "Command1"); // Clear the numbers to contain
    EXPECT_EQ(state.constraints[0], 0);
    click(form15(), "Command10");
    EXPECT_FALSE(form15()->isVisible() || state.constraintsActive);
    // A country switch empties the boxes and lifts the constraints; the table keeps its numbers.
    constrain({"7", "", "", "9", "", "", "", "", ""});
    ASSERT_TRUE(state.constraintsActive);
    trigger(&w(), "mnuIreland");
    EXPECT_EQ(boxTexts(form15(), {1, 2, 3, 4, 5, 6, 7, 8, 9}), QStringList(9, QString()));
    EXPECT_FALSE(state.constraintsActive);
    EXPECT_EQ(state.constraints[0], 7);
}

// The "Entry Check Against Previous Draws" window on its own, with the platform fakes.
class RangeCheckWindowTest : public ::testing::Test {
protected:
    void open(const QString &country, const QByteArray &history)
    {
        dir.write(country + QStringLiteral(".exe"), history);
        state.programFolder = dir.path();
        state.countryCode = country;
        window = std::make_unique<ds::RangeCheckWindow>(state, fakes.platform());
        const QByteArray blank(8, '\0');
        window->load({{blank, {3, 7, 12, 21, 30, 45}}, {blank, {3, 7, 9, 12, 43, 44}}});
        window->show();
    }
    QComboBox *combo(const char *name) { return child<QComboBox>(window.get(), name); }
    void range(const char *startMonth, const char *startYear, const char *endMonth, const char *endYear)
    {
        combo("Combo1")->setCurrentText(QString::fromLatin1(startMonth));
        combo("Combo2")->setCurrentText(QString::fromLatin1(startYear));
        combo("Combo3")->setCurrentText(QString::fromLatin1(endMonth));
        combo("Combo4")->setCurrentText(QString::fromLatin1(endYear));
    }

    TestFolder dir;
    FakePlatform fakes;
    ds::AppState state;
    std::unique_ptr<ds::RangeCheckWindow> window;
};

TEST_F(RangeCheckWindowTest, RefusesARangeChecksOneMonthThenAcrossErasEachDrawByItsOwnEraThenAnEmptyOrUnreadableHistory)
{
    fakes.clock.date = QDate(2026, 8, 14);
    open(QStringLiteral("UK"), RangeHistory);
    EXPECT_EQ(lines(child<QListWidget>(window.get(), "List2")),
              (QStringList{"03 07 12 21 30 45 ( )", "03 07 09 12 43 44 ( )"}));
    EXPECT_EQ(child<QLabel>(window.get(), "Label1")->text(), QStringLiteral("2 Selections"));
    EXPECT_EQ(combo("Combo2")->currentText(), QStringLiteral("1998"));
    EXPECT_EQ(combo("Combo4")->currentText(), QStringLiteral("2000"));
    EXPECT_EQ(combo("Combo3")->currentText(), QStringLiteral("Aug"));

    range("Mar", "1999", "Feb", "1999"); // refused: checks nothing
    click(window.get(), "Command2");
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{"Your date range is invalid, the start month must be the same or less than the end month."});
    EXPECT_EQ(child<QListWidget>(window.get(), "List1")->count(), 0);
    fakes.dialogs.clear();
    range("Mar", "1999", "Mar", "1999");
    click(window.get(), "Command2");
    click(window.get(), "Command2"); // a repeated check starts from zero
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    // The lines themselves are the range check's; the window shows them all.
    const QStringList shown = lines(child<QListWidget>(window.get(), "List1"));
    EXPECT_EQ(shown.size(), 10);
    EXPECT_EQ(shown.value(1), QStringLiteral("03 07 12 21 30 45 : 6"));
    EXPECT_EQ(boxTexts(window.get(), {1, 2, 3, 4, 5, 6, 7, 8, 9}),
              (QStringList{"3", "1", "0", "1", "1", "0", "0", "06/03/1999", "27/03/1999"}));
    EXPECT_EQ(fakes.dialogs.busyCount, 2);

    // Across eras each draw (both rounds of a date) is judged by its own era's tiers; the boxes are
    // those of the era of the range's last draw, which is said.
    dir.write(QStringLiteral("UK59.exe"), historyFile({drawRecord("02012016", {3, 7, 50, 51, 52, 53}, 9),
                                                       drawRecord("10062026", {3, 7, 12, 55, 56, 57}, 1),
                                                       drawRecord("10062026", {3, 7, 12, 21, 58, 59}, 30)}));
    open(QStringLiteral("UK"), RangeHistory);
    EXPECT_EQ(combo("Combo2")->currentText() + combo("Combo4")->currentText(), QStringLiteral("19982026"));
    range("Jan", "1998", "Dec", "2026");
    click(window.get(), "Command2");
    auto box = [this](int k) { return textBox(window.get(), k); };
    EXPECT_EQ(boxTexts(window.get(), {1, 2, 3, 4, 5, 10}), (QStringList{"6", "2", "0", "1", "1", "2"}));
    EXPECT_TRUE(hidden(box(6)) && hidden(box(7)) && !hidden(box(10)));
    EXPECT_EQ(child<QLabel>(window.get(), "Label12")->text(), QStringLiteral("Match 2 total"));
    auto *era = child<QLabel>(window.get(), "LabelTotalsEra");
    EXPECT_EQ(era->text(), QStringLiteral("The range crosses eras: each draw is judged by the tiers of its own era, and "
                                          "the boxes are those of 6 from 59 (from 10/10/2015), the era of the last draw."));
    EXPECT_EQ(lines(child<QListWidget>(window.get(), "List1")).mid(12),
              (QStringList{"Date: 02/01/2016", "03 07 12 21 30 45 : 2", "03 07 09 12 43 44 : 2",
                           "Date: 10/06/2026", "03 07 12 21 30 45 : 3", "03 07 09 12 43 44 : 3",
                           "Date: 10/06/2026", "03 07 12 21 30 45 : 4", "03 07 09 12 43 44 : 3"}));

    // A range of the 6 from 49 alone keeps its seven boxes, and says nothing.
    range("Mar", "1999", "Mar", "1999");
    click(window.get(), "Command2");
    EXPECT_TRUE(!hidden(box(6)) && !hidden(box(7)) && hidden(box(10)) && hidden(era));

    // An empty history; one that cannot be read is said so, on checking and on opening.
    QFile::remove(dir.file(QStringLiteral("UK59.exe")));
    open(QStringLiteral("UK"), historyFile({}));
    EXPECT_EQ(combo("Combo2")->count(), 0);
    click(window.get(), "Command2");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There are no entries in your results file"});
    EXPECT_EQ(fakes.dialogs.busyDepth, 0);
    fakes.dialogs.clear();
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("UK.exe"))) && QDir(dir.path()).mkdir(QStringLiteral("UK.exe")));
    click(window.get(), "Command2");
    window->load({});
    EXPECT_EQ(fakes.dialogs.messages, QStringList(2, QStringLiteral("The draw history file could not be read.")));
}

class TicketsTest : public MainFixture {
protected:
    void openTickets(int entries)
    {
        dir.write("UK05061999.lot", ::entries(entries));
        start();
        chooseSelections(5, 6, 1999);
        fakes.printer.jobs.clear();
        trigger(&w(), "mnuPT");
    }
    QWidget *form() { return topLevel("Form18"); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(form(), name); }
    void test(const QString &left, const QString &top)
    {
        type(form(), "Text1", left);
        type(form(), "Text2", top);
        click(form(), "Command1");
    }
};

// No entries, or the 6 from 59 (a later date, or an undated file holding a number the 6 from 49
// slip lacks): refused before any window opens.
TEST_F(TicketsTest, RefusedWithoutEntriesAndForTheSixFromFiftyNine)
{
    const QString refusal = "There is no ticket layout for the 6 from 59 UK Lotto; tickets can be printed for draws "
                            "up to 7 October 2015.";
    dir.write("UK10102015.lot", entryRecord("10102015", {1, 10, 20, 30, 40, 49}));
    dir.write("UK07102015.lot", entryRecord("07102015", {1, 10, 20, 30, 40, 49}));
    dir.write("StandUK.lot", entryRecord("10102015", {1, 10, 20, 30, 40, 59}));
    start();
    chooseSelections(5, 6, 1999); // a new date: no entries
    trigger(&w(), "mnuPT");
    click(&w(), "Command7");
    chooseSelections(10, 10, 2015);
    trigger(&w(), "mnuPT");
    trigger(&w(), "mnuOSE");
    trigger(&w(), "mnuPT");
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"There are no entries to print", refusal, refusal}));
    EXPECT_EQ(form(), nullptr);
    chooseSelections(7, 10, 2015);
    trigger(&w(), "mnuPT");
    ASSERT_TRUE(form() && form()->isVisible());
}

TEST_F(TicketsTest, OpensOverTheMainWindowPrintsThreeTicketsRefusesATestKeepsTheOffsetsSavesAndRecalls)
{
    openTickets(15);
    ASSERT_TRUE(form() && form()->isVisible());
    EXPECT_FALSE(w().isVisible());
    EXPECT_EQ(form()->focusWidget(), box("Text1"));
    test("120", "-60");
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    ASSERT_EQ(fakes.printer.jobs[0].tickets.pages.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].tickets.pages[0], pageMarks(ds::tickets::testTicket({120, -60})));
    fakes.printer.jobs.clear();
    click(form(), "Command5"); // one job of three tickets
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    const ds::MarkPages &job = fakes.printer.jobs[0].tickets;
    ASSERT_EQ(job.pages.size(), 3u);
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
    // The grouping is TicketGrouping's; the last ticket holds entry 15 at the tested offsets.
    EXPECT_EQ(job.pages[2], pageMarks(ds::tickets::boardMarks(1, {1, 10, 20, 30, 40, 49}, {120, -60})));

    // A refused test prints nothing (the refusals are TicketTest.OffsetLimits's).
    fakes.printer.jobs.clear();
    test("-401", "-1211");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"Your LEFT value is too low - reduce the negative value"});
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_EQ(form()->focusWidget(), box("Text1"));
    // The refused pair stays current, so the entries are refused too rather
    // than printed with marks off the slip.
    type(form(), "Text1", "5");
    click(form(), "Command5");
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"Your LEFT value is too low - reduce the negative value",
                                                   "Your LEFT value is too low - reduce the negative value"}));
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_EQ(box("Text1")->text(), "-401");
    EXPECT_EQ(form()->focusWidget(), box("Text1"));

    // Save then Recall; a missing or damaged file reads as PrinterSettings.DamagedAndMissingFiles says.
    fakes.dialogs.clear();
    test("250", "-120.4");
    click(form(), "Command3");
    EXPECT_EQ(dir.read("prnt.dat"), QByteArray::fromHex("fa0088ff"));
    type(form(), "Text1", "");
    type(form(), "Text2", "");
    click(form(), "Command2");
    EXPECT_EQ(box("Text1")->text(), " 250");
    EXPECT_EQ(box("Text2")->text(), "-120");
    // Recalled values take effect with the next test only.
    state.ticketLeftOffset = 0;
    click(form(), "Command5");
    EXPECT_EQ(fakes.printer.jobs.back().tickets.pages.at(0).at(0).left, 3650);
    // A value the file cannot hold is refused and the file kept.
    type(form(), "Text2", "40000");
    click(form(), "Command3");
    EXPECT_EQ(form()->focusWidget(), box("Text2"));
    EXPECT_EQ(dir.read("prnt.dat"), QByteArray::fromHex("fa0088ff"));
    QFile::remove(dir.file("prnt.dat"));
    QDir(dir.path()).mkdir("prnt.dat"); // not a file at all
    click(form(), "Command2");
    type(form(), "Text2", "0");
    click(form(), "Command3");
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"The LEFT and TOP values must be whole numbers from -32768 to 32767",
                                                   "The printer settings file could not be read.",
                                                   "The printer settings could not be saved."}));
}

// A setting saved in an earlier run serves Print Entries until a test ticket of this run; one the
// test would refuse is shown and refused the same way.
TEST_F(TicketsTest, SavedOffsetsPrintTheEntriesUntilATestTicket)
{
    dir.write("prnt.dat", QByteArray::fromHex("fa0088ff")); // left 250, top -120
    openTickets(1);
    click(form(), "Command5");
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].tickets.pages.at(0), pageMarks(ds::tickets::boardMarks(1, {1, 10, 20, 30, 40, 49}, {250, -120})));
    test("0", "0");
    click(form(), "Command5");
    ASSERT_EQ(fakes.printer.jobs.size(), 3u);
    EXPECT_EQ(fakes.printer.jobs[2].tickets.pages.at(0), pageMarks(ds::tickets::boardMarks(1, {1, 10, 20, 30, 40, 49}, {0, 0})));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    dir.write("prnt.dat", QByteArray::fromHex("9f200000")); // left 8351, one past the limit; top 0
    window.reset();
    openTickets(1);
    click(form(), "Command5");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"Your LEFT value is too high - reduce the value"});
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_EQ(box("Text1")->text() + "|" + box("Text2")->text(), " 8351| 0");
    EXPECT_EQ(form()->focusWidget(), box("Text1"));
}

// Each mark of a test ticket lands at its twips from the paper's corner on the rendered PDF page,
// at every offset the test accepts: the page holds the whole layout, its far edges included.
TEST(TicketPdf, TestTicketMarksLandAtTheirTwips)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    const ds::TicketOffsets cases[] = {{250, -100}, {8057, 0}, {8350, 440}, {-400, -1210}};
    for (const ds::TicketOffsets &offsets : cases) {
        SCOPED_TRACE(testing::Message() << "left " << offsets.left << " top " << offsets.top);
        const TestFolder dir;
        const QString pdf = printToPdf(dir, 1, [&](QWidget *window) {
            type(window, "Text1", QString::number(offsets.left));
            type(window, "Text2", QString::number(offsets.top));
            click(window, "Command1");
        });
        EXPECT_EQ(pdfPageCount(pdf), 1);

        constexpr int Dpi = 144; // a tenth of a pixel per twip
        const QImage page = renderPdfPage(pdf, 1, Dpi);
        ASSERT_FALSE(page.isNull()) << "pdftoppm could not render " << pdf.toStdString();
        auto dark = [&](int xTwips, int yTwips) {
            const int x = xTwips * Dpi / 1440, y = yTwips * Dpi / 1440;
            return page.valid(x, y) && qGray(page.pixel(x, y)) < 128;
        };
        const QSizeF pageTwips = pdfPageSize(pdf) * 20;
        for (const auto &m : ds::tickets::testTicket(offsets)) {
            const int w = ds::TicketMarkWidth, h = ds::TicketMarkHeight;
            EXPECT_TRUE(m.left + w <= pageTwips.width() && m.top + h <= pageTwips.height()) << "mark " << m.index;
            EXPECT_TRUE(dark(m.left + 20, m.top + 20)) << "mark " << m.index;
            EXPECT_TRUE(dark(m.left + w - 20, m.top + h - 20)) << "mark " << m.index;
        }
        // Nothing else is printed, and no mark is larger: the dark area is the 42 marks'.
        qint64 darkPixels = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                darkPixels += qGray(page.pixel(x, y)) < 128;
        const qint64 markPixels = 42LL * (ds::TicketMarkWidth * Dpi / 1440) * (ds::TicketMarkHeight * Dpi / 1440);
        EXPECT_NEAR(double(darkPixels), double(markPixels), markPixels * 0.05);
    }
}

// One Print Entries is one PDF, a page a ticket, on the test ticket's page, named once.
TEST(TicketPdf, PrintEntriesMakesOnePdfOfAllTheTickets)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    const TestFolder dir;
    const QString pdf = printToPdf(dir, 15, [](QWidget *window) { click(window, "Command5"); });
    EXPECT_EQ(pdfPageCount(pdf), 3);
    EXPECT_EQ(pdfPageSize(pdf), QSizeF(610, 556)); // 12,200 by 11,120 twips
}
