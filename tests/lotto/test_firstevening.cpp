// A first evening with the program, through the real widgets: guidance,
// keyboard behaviour and layout of the main window and its dialogs, and the
// dead ends and lost entries mended on the way: unreadable files and
// printouts that fail.
#include "core/entryfile.h"
#include "platform/qtplatform.h"
#include "statistics/ballstatswindow.h"
#include "statistics/chartswindow.h"
#include "support/mainfixture.h"
#include "thunderball/thunderrecords.h"
#include "thunderball/thunderstatswindows.h"
#include "widgets/barchart.h"
#include "widgets/monthcalendar.h"

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

using namespace dstest;

namespace {

const QByteArray DrawA = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
const QByteArray History = historyFile({DrawA});
const QByteArray Entries = entryRecord("05061999", {1, 2, 4, 5, 6, 8}) + entryRecord("05061999", {3, 7, 9, 12, 21, 30});
const QString EntriesUnreadable = QStringLiteral("The selections file could not be read.");
const QString HistoryUnreadable = QStringLiteral("The draw history file could not be read.");
const QString Pdf = QStringLiteral("/home/player/drawsmith/printouts/printout-20261205-200000-1.pdf");

QByteArray entries(int n, const QByteArray &date = "05061999")
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += entryRecord(date, {1 + i % 30, 31, 32, 33, 34, 35 + i / 30});
    return b;
}

} // namespace

class FirstEvening : public MainFixture {
protected:
    QLineEdit *box(const char *name) { return child<QLineEdit>(&w(), name); }
    QListWidget *list(const char *name) { return child<QListWidget>(&w(), name); }
    ds::MonthCalendar *calendar() { return child<ds::MonthCalendar>(dialog(), "Calendar1"); }
};

TEST_F(FirstEvening, TheDateDialogTurnsItsPagesEveryWayOutEmptiesItsBoxesThenANewSelectionsDateTakesEntries)
{
    const QByteArray history = historyFile({DrawA});
    dir.write("UK.exe", history);
    start();
    click(&w(), "Command1");
    calendar()->setDate(31, 1, 2000);
    calendar()->widget()->setCurrentPage(2000, 2);
    EXPECT_EQ(calendar()->date(), QDate(2000, 2, 29)); // the shorter month's last day
    calendar()->widget()->setCurrentPage(2000, 3);
    EXPECT_EQ(calendar()->date(), QDate(2000, 3, 29));
    click(dialog(), "Command4");

    for (int how = 0; how < 3; ++how) {
        chooseDraw(19, 6, 1999);
        typeBoxes(dialog(), {"1", "2", "3", "4", "5", "6", "7"});
        if (how == 0)
            click(dialog(), "Command3");
        else if (how == 1)
            QTest::keyClick(dialog(), Qt::Key_Escape);
        else
            dialog()->close();
        ASSERT_FALSE(dialog()->isVisible()) << how;
        // The next date without a draw starts from empty boxes.
        chooseDraw(26, 6, 1999);
        EXPECT_EQ(boxTexts(dialog(), {1, 2, 3, 4, 5, 6, 7}), QStringList(7, QString())) << how;
        click(dialog(), "Command3");
    }
    EXPECT_EQ(dir.read("UK.exe"), history);

    // A new selections date opens the add boxes, where Enter adds and the focus follows the player.
    chooseSelections(5, 6, 1999); // a new date: the maintain area opens
    ASSERT_FALSE(hidden(child<QWidget>(&w(), "Frame4")));
    EXPECT_FALSE(child<QWidget>(&w(), "Command2")->isEnabled());
    EXPECT_EQ(w().focusWidget(), box("Text9")); // the first box on screen
    // Tab goes left to right along the boxes as they stand on screen.
    const char *onScreen[] = {"Text9", "Text8", "Text4", "Text5", "Text6", "Text7"};
    for (int i = 0; i + 1 < 6; ++i)
        EXPECT_EQ(box(onScreen[i])->nextInFocusChain(), box(onScreen[i + 1])) << onScreen[i];

    const int numbers[] = {1, 5, 12, 23, 30, 41};
    for (int i = 0; i < 6; ++i)
        type(&w(), onScreen[i], QString::number(numbers[i]));
    QTest::keyClick(box("Text6"), Qt::Key_Return);
    EXPECT_EQ(dir.read("UK05061999.lot"), entryRecord("05061999", {1, 5, 12, 23, 30, 41}));
    EXPECT_EQ(w().focusWidget(), box("Text9"));
    EXPECT_EQ(box("Text9")->selectedText(), "1");

    type(&w(), "Text6", QStringLiteral("50"));
    QTest::keyClick(box("Text9"), Qt::Key_Return); // refused: the message and bytes are SelectionsTest's
    EXPECT_EQ(w().focusWidget(), box("Text6")); // the box at fault

    click(&w(), "Command8"); // Clear
    EXPECT_EQ(w().focusWidget(), box("Text9"));
    click(&w(), "Command7"); // Finished leaves maintain mode
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4")));
    EXPECT_TRUE(child<QWidget>(&w(), "Command2")->isEnabled());
}

TEST_F(FirstEvening, ADateWhoseFileCannotBeReadIsNotTakenAsEmpty)
{
    dir.write("IR12061999.lot", entries(2, "12061999"));
    QDir(dir.path()).mkdir("IR05061999.lot"); // a folder where the file would be
    QDir(dir.path()).mkdir("IR.exe");
    start("I");
    chooseSelections(12, 6, 1999);
    chooseSelections(5, 6, 1999);
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The selections file for this date could not be opened."});
    EXPECT_TRUE(box("Text2")->text().isEmpty());
    EXPECT_TRUE(state.currentEntryFile.isEmpty());
    fakes.dialogs.clear();
    chooseDraw(5, 6, 1999);
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The draw history file could not be read."});
    EXPECT_FALSE(child<QWidget>(dialog(), "Frame1")->isVisible()); // no numbers asked for
    click(dialog(), "Command4");

    // Second Draw on a draw shown before the file went bad (Delete: UnreadableFiles).
    QDir(dir.path()).rmdir("IR.exe");
    dir.write("IR.exe", historyFile({DrawA}));
    chooseDraw(5, 6, 1999);
    QFile::remove(dir.file("IR.exe"));
    QDir(dir.path()).mkdir("IR.exe");
    fakes.dialogs.clear();
    click(&w(), "Command14");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The draw history file could not be read."});
}

TEST_F(FirstEvening, CheckShowsTheCountScrollsToTheFirstWinMarksPrizesTakesBothRoundsOfADateAndOneIrishDrawOfTwo)
{
    dir.write("UK.exe", historyFile({DrawA}));
    dir.write("UK05061999.lot", entries(60) + entryRecord("05061999", {3, 7, 12, 21, 40, 41})); // 4 match, row 60
    dir.write("UK59.exe", historyFile({drawRecord("10062026", {1, 12, 25, 29, 40, 41}, 16),
                                       drawRecord("10062026", {2, 5, 12, 42, 47, 54}, 51)}));
    dir.write("UK10062026.lot", entryRecord("10062026", {1, 12, 25, 40, 50, 51})   // 4 in round 1
                                    + entryRecord("10062026", {3, 4, 6, 7, 8, 9})
                                    + entryRecord("10062026", {16, 33, 34, 42, 47, 54})); // 3 in round 2
    start();
    w().resize(800, 500);
    chooseDraw(5, 6, 1999);
    chooseSelections(5, 6, 1999);
    click(&w(), "Command4");
    EXPECT_EQ(child<QLabel>(&w(), "LabelWinCount")->text(), "1 winning entry");
    EXPECT_TRUE(list("List2")->item(60)->font().bold() && !list("List2")->item(0)->font().bold());
    EXPECT_GT(list("List2")->verticalScrollBar()->value(), 0);

    // A two-round date is checked against both rounds whichever is on display;
    // the count adds the fixed prizes of both.
    chooseDraw(10, 6, 2026);
    chooseSelections(10, 6, 2026);
    const QStringList wins{"01 12 25 40 50 51 Round 1 (4 Match)  \u00a350",
                            "16 33 34 42 47 54 Round 2 (3 Match)  \u00a310"};
    for (bool flip : {false, true}) {
        if (flip)
            click(&w(), "Command14"); // round 2 on display
        click(&w(), "Command4");
        EXPECT_EQ(child<QLabel>(&w(), "LabelWinCount")->text(), "2 winning entries, \u00a360 in fixed prizes");
        EXPECT_EQ(lines(list("List1")), wins);
    }

    // An Irish date from 2006 is checked against the draw on display only, by
    // that draw's tiers: the main draw, then Lotto Plus 1 with its euro prizes.
    dir.write("IR47.exe", historyFile({drawRecord("01092018", {7, 8, 9, 15, 27, 29}, 33),
                                       drawRecord("01092018", {8, 14, 16, 21, 41, 46}, 37)}));
    dir.write("IR01092018.lot", entryRecord("01092018", {1, 8, 14, 16, 21, 41})   // 5 in Lotto Plus 1
                                    + entryRecord("01092018", {2, 3, 4, 8, 14, 16}) // 3 in Lotto Plus 1
                                    + entryRecord("01092018", {2, 3, 4, 7, 8, 9})   // 3 in the main draw
                                    + entryRecord("01092018", {2, 3, 4, 7, 8, 33})); // 2 and the bonus
    trigger(&w(), "mnuIreland");
    chooseDraw(1, 9, 2018);
    chooseSelections(1, 9, 2018);
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")),
              (QStringList{"02 03 04 07 08 09 (3 Match)  Shared prize", "02 03 04 07 08 33 (2 + Bonus)  Free prize"}));
    click(&w(), "Command14"); // Lotto Plus 1 on display
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")),
              (QStringList{"01 08 14 16 21 41 (5 Match)  \u20ac500", "02 03 04 08 14 16 (3 Match)  \u20ac3"}));
    EXPECT_EQ(child<QLabel>(&w(), "LabelWinCount")->text(), "2 winning entries, \u20ac503 in fixed prizes");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(FirstEvening, ResizingGivesTheSpaceToTheListsTheMaintainAreaGivesItBackAndDeletingLeavesNothingSelected)
{
    dir.write("UK05061999.lot", entries(2));
    start();
    chooseSelections(5, 6, 1999);
    w().resize(700, 450);
    QApplication::processEvents();
    const int narrow = list("List2")->width();
    w().resize(1300, 900);
    QApplication::processEvents();
    EXPECT_GT(list("List2")->width(), narrow + 150);
    const std::pair<const char *, const char *> pairs[] = {
        {"Label1", "Text1"}, {"Label2", "Text2"}, {"Label3", "Text3"}};
    for (const auto &[label, box] : pairs) {
        QWidget *l = child<QWidget>(&w(), label);
        QWidget *b = child<QWidget>(&w(), box);
        const int gap = b->mapTo(&w(), QPoint(0, 0)).x() - l->mapTo(&w(), QPoint(l->width(), 0)).x();
        EXPECT_TRUE(gap >= -1 && gap <= 12) << label << ": " << gap;
    }

    // The window returns to its size when the maintain area closes.
    w().resize(640, 420);
    QApplication::processEvents();
    const QSize before = w().size();
    click(&w(), "Command3"); // Maintain
    QApplication::processEvents();
    EXPECT_GT(w().width(), before.width()); // it made room for the area

    // Deleting an entry leaves nothing selected: a second press names none.
    list("List2")->setCurrentRow(0);
    click(&w(), "Command11");
    click(&w(), "Command11");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"You have not selected an entry to delete"});
    EXPECT_EQ(ds::entryfile::load(dir.file("UK05061999.lot")).value.size(), 1u);
    click(&w(), "Command7"); // Finished
    QApplication::processEvents();
    EXPECT_EQ(w().size(), before);
}

// Files that exist but cannot be read (a folder where the file should be:
// that fails for every user, root included) are reported as unreadable by
// every window that reads them, never taken as empty, and nothing is written.
class UnreadableFiles : public MainFixture {
protected:
    // A draw and a selections date on display, then `name` turned into a folder.
    void openThenBreak(const QString &name)
    {
        dir.write("UK.exe", History);
        dir.write("UK05061999.lot", Entries);
        start();
        chooseDraw(5, 6, 1999);
        chooseSelections(5, 6, 1999);
        fakes.dialogs.clear();
        QFile::remove(dir.file(name));
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
    }
    void deleteEntry()
    {
        list2()->setCurrentRow(1);
        click(&w(), "Command11");
    }
    void deleteDraw()
    {
        fakes.dialogs.answer(true);
        click(&w(), "Command6");
    }
    void addByHand()
    {
        click(&w(), "Command3"); // Maintain
        typeBoxes(&w(), {"10", "11", "12", "13", "14", "15"}, 4);
        click(&w(), "Command9");
    }
    void suggest()
    {
        click(&w(), "Command3");
        child<QRadioButton>(&w(), "Option1")->setChecked(true);
        type(&w(), "Text10", "3");
        click(&w(), "Command10");
    }
    QListWidget *list2() { return child<QListWidget>(&w(), "List2"); }
};

// Each handler over a file shown before it went bad: its message, no window
// opened, the lists, counts and draw on show as they were, other files untouched.
TEST_F(UnreadableFiles, HandlersSaySoAndKeepEverythingAsItWas)
{
    const struct {
        const char *broken;
        std::function<void()> press;
        QString message;
    } cases[] = {
        {"UK05061999.lot", [this] { click(&w(), "Command4"); }, EntriesUnreadable}, // Check
        {"UK05061999.lot", [this] { deleteEntry(); }, EntriesUnreadable},
        {"UK05061999.lot", [this] { addByHand(); }, EntriesUnreadable},
        {"UK05061999.lot", [this] { suggest(); }, EntriesUnreadable},
        {"UK.exe", [this] { deleteDraw(); }, HistoryUnreadable},
        {"UK.exe", [this] { suggest(); }, HistoryUnreadable},
        {"UK.exe", [this] { trigger(&w(), "mnuUKstats"); }, HistoryUnreadable},
        {"IR.exe", [this] { trigger(&w(), "mnuIRstats"); }, HistoryUnreadable},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.broken << ", case " << (&c - cases));
        window.reset();
        for (const char *name : {"UK.exe", "IR.exe", "UK05061999.lot"})
            QDir(dir.path()).rmdir(name);
        openThenBreak(c.broken);
        c.press();
        EXPECT_EQ(fakes.dialogs.messages, QStringList{c.message});
        EXPECT_TRUE(fakes.dialogs.news.isEmpty()) << "no \"No wins this time!\"";
        QWidget *statistics = topLevel("Form4");
        EXPECT_TRUE(w().isVisible() && (!statistics || !statistics->isVisible())) << "a statistics window";
        EXPECT_EQ(child<QListWidget>(&w(), "List1")->count(), 0);
        EXPECT_EQ(lines(list2()), (QStringList{"01 02 04 05 06 08 ( )", "03 07 09 12 21 30 ( )"}));
        EXPECT_EQ(state.entryCount, 2);
        EXPECT_FALSE(state.checked);
        EXPECT_EQ(fakes.program.ended, 0);
        EXPECT_EQ(child<QLineEdit>(&w(), "Text1")->text(), "5/6/1999") << "the draw stays on display";
        for (const auto &[name, bytes] : {std::pair("UK.exe", History), std::pair("UK05061999.lot", Entries)}) {
            if (QLatin1String(name) != QLatin1String(c.broken)) {
                EXPECT_EQ(dir.read(name), bytes) << name;
            }
        }
    }
}

// Every printout of the program, from each of its Print entries and buttons:
// the window that printed says when the printout failed, and names the file
// a printout without a printer was saved as, with its folder a button away.
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
    dir.write("UK.exe", History);
    dir.write("UK12061999.lot", entryRecord("12061999", {3, 7, 9, 12, 43, 44})
                                    + entryRecord("12061999", {1, 2, 4, 5, 6, 8}));
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

// Refusals warn, questions ask, news informs; news with a second button keeps
// OK the default, and the second answers true.
TEST(MessageIcons, RefusalsWarnQuestionsAskNewsInforms)
{
    ds::QtDialogs dialogs;
    QList<QMessageBox::Icon> icons;
    // Notes the next box's icon, then answers No, or presses the button named
    // `press` (OK when there is none), OK being the default.
    auto answerNextBox = [&](const char *press = nullptr) {
        QTimer::singleShot(0, [&, press] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            icons << box->icon();
            if (!press)
                return box->done(QMessageBox::No);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
            for (QAbstractButton *b : box->buttons())
                if (b->text() == QLatin1String(press))
                    return b->click();
            box->button(QMessageBox::Ok)->click();
        });
    };
    answerNextBox();
    dialogs.message(QStringLiteral("One or more of your numbers are invalid"));
    answerNextBox();
    EXPECT_FALSE(dialogs.ask(QStringLiteral("All files will be closed, do you want to continue?")));
    answerNextBox();
    dialogs.inform(QStringLiteral("No wins this time!"));
    answerNextBox("Open Folder");
    EXPECT_TRUE(dialogs.informOffering(QStringLiteral("Saved"), QStringLiteral("Open Folder")));
    answerNextBox("OK");
    EXPECT_FALSE(dialogs.informOffering(QStringLiteral("Saved"), QStringLiteral("Open Folder")));
    EXPECT_EQ(icons, (QList<QMessageBox::Icon>{QMessageBox::Warning, QMessageBox::Question, QMessageBox::Information,
                                              QMessageBox::Information, QMessageBox::Information}));
}

// Every window opened over another gives its opener back however it is
// closed: its own Close or Cancel button, Esc, or the title-bar close.
namespace {

enum class CloseBy { Button, Escape, TitleBar };

struct ChildCase {
    const char *form;       // the window opened
    const char *closeButton;
    const char *opener;     // the window it was opened over ("Form1": the main window)
    bool irish;
    void (*open)(MainFixture &f);
    const char *defaultButton; // the one button Enter presses; "" for none
};

void openStatistics(MainFixture &f) { trigger(&f.w(), "mnuUKstats"); }
void openCharts(MainFixture &f)
{
    openStatistics(f);
    click(topLevel("Form4"), "Command7");
}

const ChildCase Cases[] = {
    {"Form2", "Command4", "Form1", false, [](MainFixture &f) { click(&f.w(), "Command1"); }, "Command2"},
    {"Form2", "Command4", "Form1", false, [](MainFixture &f) { click(&f.w(), "Command2"); }, "Command2"},
    {"Form5", "Command3", "Form1", true,
     [](MainFixture &f) {
         f.chooseDraw(5, 6, 1999);
         f.fakes.dialogs.answer(true); // enter a second draw
         click(&f.w(), "Command14");
     }, "Command1"},
    {"Form3", "Command1", "Form1", false,
     [](MainFixture &f) {
         f.fakes.dialogs.answer(true); // all files will be closed
         trigger(&f.w(), "mnuFileMaintenance");
     }, ""},
    {"Form24", "Command9", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnuShowHistory"); }, ""},
    {"Form15", "Command10", "Form1", false,
     [](MainFixture &f) {
         f.chooseSelections(5, 6, 1999);
         click(&f.w(), "Command16");
     }, "Command10"},
    {"Form4", "Command1", "Form1", false, openStatistics, ""},
    {"Form8", "Command1", "Form4", false, openCharts, ""},
    {"Form6", "Command1", "Form8", false,
     [](MainFixture &f) {
         openCharts(f);
         topLevel<ds::ChartsWindow>("Form8")->clickRow(7);
     }, ""},
    {"Form16", "Command8", "Form4", false,
     [](MainFixture &f) {
         openStatistics(f);
         click(topLevel("Form4"), "Command8");
     }, ""},
    {"Form10", "Command2", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnuWheel1"); }, "Command1"},
    {"Form11", "Command2", "Form1", true, [](MainFixture &f) { trigger(&f.w(), "mnu5new"); }, "Command1"},
    {"Form12", "Command2", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnu4new"); }, "Command1"},
    {"Form13", "Command2", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnu3new"); }, "Command1"},
    {"Form9", "Command1", "Form1", false,
     [](MainFixture &f) {
         f.dir.write("UKwheel6.lot", entryRecord(QByteArray(8, '\0'), {1, 2, 3, 4, 5, 6}));
         f.fakes.dialogs.answer(true); // existing files will be closed
         trigger(&f.w(), "mnuWheelCheck");
     }, "Command2"},
    {"Form14", "Command1", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnumaintainlinks"); }, "Command1"},
    {"frmAbout", "cmdOK", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnuAbout"); }, "cmdOK"},
    {"Form18", "Command4", "Form1", false,
     [](MainFixture &f) {
         f.dir.write("UK05061999.lot", entryRecord("05061999", {1, 2, 3, 4, 5, 6}));
         f.chooseSelections(5, 6, 1999);
         trigger(&f.w(), "mnuPT");
     }, "Command1"},
};

} // namespace

class ChildWindow : public MainFixture, public ::testing::WithParamInterface<std::tuple<int, CloseBy>> {};

// Enter runs the window's confirming action, never a destructive or clearing
// one: no button becomes the default by taking the focus, and only the
// confirming button is the default. However the window is closed, its opener
// is back, given back by the one way back.
TEST_P(ChildWindow, OnlyTheConfirmingButtonIsTheDefaultAndClosingGivesTheOpenerBack)
{
    const ChildCase &c = Cases[std::get<0>(GetParam())];
    dir.write(c.irish ? "IR.exe" : "UK.exe",
              historyFile({drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9),
                           drawRecord("12061999", {1, 2, 13, 24, 35, 41}, 8)}));
    start(c.irish ? QStringLiteral("I") : QString());
    c.open(*this);
    QWidget *child = topLevel(c.form);
    ASSERT_TRUE(child && child->isVisible()) << c.form;
    QWidget *back = QLatin1String(c.opener) == QLatin1String("Form1") ? &w() : topLevel(c.opener);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(!back->isEnabled() || !back->isVisible()) << c.form << " left its opener usable";

    QStringList defaults;
    for (QPushButton *b : child->findChildren<QPushButton *>()) {
        EXPECT_FALSE(b->autoDefault()) << c.form << " " << b->objectName().toStdString();
        if (b->isDefault() && b->isVisibleTo(child))
            defaults << b->objectName();
    }
    const QString expected = QString::fromLatin1(c.defaultButton);
    EXPECT_EQ(defaults, expected.isEmpty() ? QStringList{} : QStringList{expected}) << c.form;

    auto *window = qobject_cast<ds::ChildWindow *>(child);
    ASSERT_NE(window, nullptr) << c.form;
    QSignalSpy givenBack(window, &ds::ChildWindow::givenBack);
    switch (std::get<1>(GetParam())) {
    case CloseBy::Button:
        click(child, c.closeButton);
        break;
    case CloseBy::Escape:
        QTest::keyClick(child, Qt::Key_Escape);
        break;
    case CloseBy::TitleBar:
        child->close();
        break;
    }
    EXPECT_FALSE(child->isVisible()) << c.form;
    EXPECT_TRUE(back->isVisible()) << c.form;
    EXPECT_TRUE(back->isEnabled()) << c.form;
    EXPECT_EQ(givenBack.count(), 1) << c.form;
}

INSTANTIATE_TEST_SUITE_P(EveryWindowAndPath, ChildWindow,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(Cases))),
                                            ::testing::Values(CloseBy::Button, CloseBy::Escape, CloseBy::TitleBar)));
