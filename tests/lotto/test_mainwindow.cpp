// The main window, its Date Selection dialog and the second draws of a date.
#include "core/drawhistory.h"
#include "core/programfolder.h"
#include "lotto/drawframe.h"
#include "support/mainfixture.h"
#include "thunderball/resultsimport.h"
#include "widgets/ballshape.h"
#include "widgets/monthcalendar.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QToolButton>

using namespace dstest;

namespace {

const QByteArray Key("05061999");
const QByteArray DrawA = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
const QByteArray DrawB = drawRecord("12061999", {1, 2, 13, 24, 35, 46}, 8);
const QByteArray Second = drawRecord("05061999", {1, 2, 13, 24, 35, 41}, 8);
const QByteArray Later = drawRecord("12061999", {4, 5, 6, 14, 15, 16}, 17);
const QString Sure = "Are you sure you want to delete this entry? You should only delete an entry if you have made an error in either the date or the draw numbers. If you just want to select another draw and date use the Change button";

} // namespace

class MainWindowTest : public MainFixture {};

TEST_F(MainWindowTest, TheRememberedGameIsSetUpThenADrawShowsInColourAndSwitchingCountryResetsTheDisplay)
{
    const struct {
        const char *remembered;
        const char *game;
        bool irish; // Second Draw is the Irish lotto's; tickets and three-number wheels the UK's
        int picture;
        const char *secondDraw; // as the newest era names it
    } cases[] = {{"I", "IR", true, 2, "Lotto Plus 1"}, {"X", "UK", false, 1, "Round 2"}};
    for (const auto &c : cases) {
        window.reset();
        start(QString::fromLatin1(c.remembered));
        EXPECT_EQ(state.countryCode, c.game);
        EXPECT_EQ(hidden(child<QWidget>(&w(), "Command14")), !c.irish) << c.game;
        EXPECT_EQ(child<QAbstractButton>(&w(), "Command14")->text(), c.secondDraw);
        EXPECT_EQ(child<QAction>(&w(), "mnuPT")->isEnabled(), !c.irish) << c.game;
        EXPECT_EQ(child<QMenu>(&w(), "mnu3wheel")->menuAction()->isEnabled(), !c.irish) << c.game;
        EXPECT_EQ(child<QLabel>(&w(), "Image8")->property("picture").toInt(), c.picture);
        EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4")));
        EXPECT_TRUE(child<QAbstractButton>(&w(), "Option4")->isChecked());
        EXPECT_TRUE(child<QAbstractButton>(&w(), "Option1")->isChecked());
        EXPECT_EQ(fakes.settings.writes, 0); // reading the remembered game writes nothing
    }
    // It says what to do first and waits on the draw's Change.
    const auto box = [this](const char *name) { return child<QLineEdit>(&w(), name); };
    EXPECT_EQ(box("Text1")->placeholderText(), "Press Change to choose a draw");
    EXPECT_EQ(box("Text2")->placeholderText(), "Press Change to choose the date of your entries");
    for (const char *name : {"Text1", "Text2", "Text3"}) {
        EXPECT_TRUE(box(name)->isReadOnly()) << name;
        EXPECT_EQ(box(name)->focusPolicy(), Qt::NoFocus) << name;
        EXPECT_NE(box(name)->palette().color(QPalette::Base), QColor(Qt::white)) << name;
    }
    EXPECT_EQ(w().focusWidget(), child<QWidget>(&w(), "Command1"));

    child<ds::DrawFrame>(&w(), "Frame1")
        ->showDraw(ds::Draw::make(QStringLiteral("05061999"), {7, 10, 19, 23, 30, 40}, 49));
    // A ball in its colour band with its number (the bands: Balls tests).
    auto *shape = child<ds::BallShape>(&w(), "Shape2");
    auto *label = child<QLabel>(&w(), "Label6");
    EXPECT_FALSE(hidden(shape) || hidden(label));
    EXPECT_EQ(shape->fillColour(), QColor(Qt::blue));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(label->text(), "10");
    EXPECT_EQ(state.displayedDraw, (std::array<qint16, 7>{7, 10, 19, 23, 30, 40, 49}));
    child<QListWidget>(&w(), "List2")->addItem(QStringLiteral("01 02 03 04 05 06 ( )"));
    child<QListWidget>(&w(), "List1")->addItem(QStringLiteral("x"));
    type(&w(), "Text2", QStringLiteral("5/6/1999"));
    type(&w(), "Text9", QStringLiteral("7"));
    state.constraintsActive = true;
    state.entryCount = 1;
    state.currentEntryFile = dir.file(QStringLiteral("UK05061999.lot"));
    child<QWidget>(&w(), "Command12")->setEnabled(true);
    child<QWidget>(&w(), "Frame4")->show();

    // The game already on show: nothing is reset or stored.
    trigger(&w(), "mnu649");
    trigger(&w(), "mnuthunder");
    EXPECT_EQ(child<QListWidget>(&w(), "List2")->count(), 1);
    EXPECT_EQ(child<QLineEdit>(&w(), "Text2")->text() + child<QLineEdit>(&w(), "Text9")->text(), "5/6/19997");
    EXPECT_EQ(fakes.settings.writes, 0);

    trigger(&w(), "mnuIreland");
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "I");
    EXPECT_EQ(state.countryCode, "IR");
    EXPECT_EQ(child<QListWidget>(&w(), "List1")->count() + child<QListWidget>(&w(), "List2")->count(), 0);
    EXPECT_TRUE(child<QLineEdit>(&w(), "Text2")->text().isEmpty() && child<QLineEdit>(&w(), "Text9")->text().isEmpty());
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Shape1")) && hidden(child<QWidget>(&w(), "Frame4")));
    EXPECT_FALSE(child<QWidget>(&w(), "Command12")->isEnabled());
    EXPECT_FALSE(state.constraintsActive);
    // The current entry file and count are kept, as the shared values say.
    EXPECT_EQ(state.entryCount, 1);
    EXPECT_FALSE(state.currentEntryFile.isEmpty());

    trigger(&w(), "mnu649");
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "U");
    trigger(&w(), "mnuIreland");
    trigger(&w(), "mnuthunder"); // remembers the UK but keeps the Irish game on show
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "U");
    EXPECT_EQ(state.countryCode, "IR");
}

// Every entry of the Country and File Manager menus has its own Alt letter.
TEST_F(MainWindowTest, MenuMnemonicsWhatEachGameCoversF1AndCtrlQ)
{
    start();
    for (const char *menu : {"mnuCountry", "mnuFileManager"}) {
        QSet<QChar> letters;
        for (QAction *a : child<QMenu>(&w(), menu)->actions()) {
            const qsizetype at = a->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(at, 0) << a->text().toStdString();
            EXPECT_FALSE(letters.contains(a->text().at(at + 1).toLower())) << a->text().toStdString();
            letters.insert(a->text().at(at + 1).toLower());
        }
    }
    // The Country menu's game entries keep their names and say which eras they
    // cover, newest first.
    EXPECT_EQ(child<QAction>(&w(), "mnu649")->text().remove('&'), "6 from 49");
    EXPECT_EQ(child<QAction>(&w(), "mnu649")->statusTip(),
              "UK Lotto: 6 from 59 (from 10/10/2015), 6 from 49 (19/11/1994 to 7/10/2015)");
    EXPECT_EQ(child<QAction>(&w(), "mnuIreland")->statusTip(),
              "Irish Lotto: 6 from 45 (from 5/9/2026), 6 from 47 (5/9/2015 to 2/9/2026), "
              "6 from 45 (4/11/2006 to 2/9/2015), 6 from 42 (24/9/1994 to 1/11/2006)");
    // F1 opens the help; Ctrl+Q (Exit's key) ends the program, and so does the title-bar close.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    QTest::keyClick(&w(), Qt::Key_F1);
    EXPECT_EQ(fakes.help.topics, QStringList{"index"});
    QTest::keyClick(&w(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(std::pair(fakes.program.exited, fakes.program.ended), std::pair(1, 0));
    window.reset();
    start();
    w().close();
    EXPECT_EQ(fakes.program.exited, 2);
}

class DateSelectionTest : public MainFixture {
protected:
    QGroupBox *numbers() { return child<QGroupBox>(dialog(), "Frame1"); }
    ds::MonthCalendar *calendar() { return child<ds::MonthCalendar>(dialog(), "Calendar1"); }
    QString mainText(const char *name) { return child<QLineEdit>(&w(), name)->text(); }
    QString label(const char *name) { return child<QLabel>(dialog(), name)->text(); }
};

TEST_F(DateSelectionTest, ChangeOpensTheCalendarFaceNamingTheGameMarkingStoredDaysListsEntriesShowsAFoundDrawStoresAMissingOneAndWantsACountry)
{
    dir.write(QStringLiteral("uk.EXE"), historyFile({DrawA, DrawB})); // found whatever its letter case
    dir.write(QStringLiteral("UK05061999.lot"),
              entryRecord(Key, {1, 5, 12, 23, 30, 41}) + entryRecord(Key, {2, 6, 13, 24, 31, 42}));
    start();
    click(&w(), "Command1");
    EXPECT_TRUE(!hidden(calendar()) && hidden(numbers()));
    EXPECT_EQ(label("LabelHeading"), "UK Lotto: choose a draw date");
    EXPECT_TRUE(calendar()->isMarked(QDate(1999, 6, 12)));
    EXPECT_FALSE(calendar()->isMarked(QDate(1999, 6, 19)));
    EXPECT_EQ(label("LabelLatest"), "Latest stored draw: 12/6/1999");
    EXPECT_EQ(calendar()->date(), fakes.clock.date); // still opens on today
    calendar()->clearSelection();
    click(dialog(), "Command2");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"You must select a date from the calendar"});
    EXPECT_TRUE(dialog()->isVisible());
    click(dialog(), "Command4");

    click(&w(), "Command2");
    EXPECT_EQ(label("LabelHeading"), "UK Lotto: choose the date of your entries");
    EXPECT_TRUE(calendar()->isMarked(QDate(1999, 6, 5)));
    EXPECT_FALSE(calendar()->isMarked(QDate(1999, 6, 12)));
    state.checked = true;
    pickDate(5, 6, 1999); // a date with entries lists them
    EXPECT_EQ(lines(child<QListWidget>(&w(), "List2")),
              (QStringList{"01 05 12 23 30 41 ( )", "02 06 13 24 31 42 ( )"}));
    EXPECT_EQ(mainText("Text3"), "2");
    EXPECT_FALSE(state.checked);
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4"))); // stays as it was

    // A draw found is shown; Cancel on the numbers of a date without one keeps it.
    chooseDraw(5, 6, 1999);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(w().isEnabled());
    EXPECT_EQ(mainText("Text1"), "5/6/1999");
    EXPECT_EQ(child<QLabel>(&w(), "Label11")->text(), " 9");
    EXPECT_EQ(state.displayedDrawDate, "05061999");

    chooseDraw(6, 6, 1999); // no draw that day
    ASSERT_FALSE(hidden(numbers()));
    type(dialog(), "Text1", QStringLiteral("4"));
    click(dialog(), "Command3");
    EXPECT_EQ(state.displayedDrawDate, "05061999"); // the draw on display stays
    EXPECT_EQ(dir.read(QStringLiteral("uk.EXE")), historyFile({DrawA, DrawB})); // nothing was stored
    EXPECT_EQ(mainText("Text1"), "5/6/1999");
    EXPECT_EQ(child<QLabel>(&w(), "Label5")->text(), " 3");

    // Enter stores a missing draw in date order; the dialog opens next on its
    // calendar face, keeping its date.
    chooseDraw(6, 6, 1999);
    EXPECT_TRUE(hidden(child<QWidget>(dialog(), "Command2")) && hidden(child<QWidget>(dialog(), "Command4")));
    EXPECT_EQ(label("LabelEntering"), "Draw of Sunday 6 June 1999");
    typeBoxes(dialog(), {"7", "3", "42", "12", "30", "21", "9"});
    QTest::keyClick(child<QLineEdit>(dialog(), "Text7"), Qt::Key_Return);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(dir.read(QStringLiteral("uk.EXE")),
              historyFile({DrawA, drawRecord("06061999", {3, 7, 12, 21, 30, 42}, 9), DrawB}));
    EXPECT_EQ(mainText("Text1"), "6/6/1999");
    click(&w(), "Command1");
    EXPECT_TRUE(!hidden(calendar()) && hidden(numbers()));
    EXPECT_EQ(calendar()->date(), QDate(1999, 6, 6));
    click(dialog(), "Command4");

    // Without a country both Changes and the history menus refuse.
    state.countryCode.clear();
    fakes.dialogs.clear();
    click(&w(), "Command1");
    click(&w(), "Command2");
    trigger(&w(), "mnuShowHistory");
    trigger(&w(), "mnuDrawHistory");
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"You must select a Country", "You need to select a Country",
                                                   "You must select a Country first",
                                                   "You must select a Country first"}));
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(topLevel("Form24"), nullptr);
    EXPECT_TRUE(fakes.printer.jobs.empty());
}

// A date takes the numbers of its era into the era's own history file, and
// the picture names that era; a number out of range is refused with the era's
// range told under the message.
TEST_F(DateSelectionTest, EachDateTakesTheNumbersOfItsEraAndGoesIntoItsEraFile)
{
    start();
    const struct {
        int d, m, y;
        qint16 limit;
        const char *range, *file, *key, *era;
    } cases[] = {
        {2, 1, 2016, 59, "Numbers run from 1 to 59 for draws from 10 October 2015.", "UK59.exe", "02012016",
         "UK Lotto 6 from 59 (from 10/10/2015)"},
        {7, 10, 2015, 49, "Numbers run from 1 to 49 for draws from 19 November 1994 to 7 October 2015.", "UK.exe",
         "07102015", "UK Lotto 6 from 49 (19/11/1994 to 7/10/2015)"},
        {1, 11, 2006, 42, "Numbers run from 1 to 42 for draws from 24 September 1994 to 1 November 2006.", "IR.exe",
         "01112006", "Irish Lotto 6 from 42 (24/9/1994 to 1/11/2006)"},
        {4, 11, 2006, 45, "Numbers run from 1 to 45 for draws from 4 November 2006 to 2 September 2015.",
         "IR45.exe", "04112006", "Irish Lotto 6 from 45 (4/11/2006 to 2/9/2015)"},
        {4, 1, 2020, 47, "Numbers run from 1 to 47 for draws from 5 September 2015 to 2 September 2026.",
         "IR47.exe", "04012020", "Irish Lotto 6 from 47 (5/9/2015 to 2/9/2026)"},
        {7, 9, 2026, 45, "Numbers run from 1 to 45 for draws from 5 September 2026.", "IR45b.exe", "07092026",
         "Irish Lotto 6 from 45 (from 5/9/2026)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        if (c.file[0] == 'I')
            trigger(&w(), "mnuIreland");
        fakes.dialogs.clear();
        chooseDraw(c.d, c.m, c.y);
        enterNumbers({QString::number(c.limit + 1), "1", "2", "3", "4", "5", "6"});
        EXPECT_EQ(fakes.dialogs.messages, QStringList{"One or more of your numbers are invalid"});
        EXPECT_EQ(fakes.dialogs.informatives, QStringList{c.range});
        EXPECT_FALSE(dir.exists(c.file));
        const QString limit = QString::number(c.limit);
        enterNumbers({limit, "1", "2", "3", "4", "5", "6"});
        EXPECT_FALSE(dialog()->isVisible());
        EXPECT_EQ(child<QLabel>(&w(), "Label10")->text(), limit);
        EXPECT_EQ(child<QLabel>(&w(), "Image8")->toolTip(), c.era);
    }
    for (const auto &c : cases) // each era's file holds its own draw only, untouched by the later eras
        EXPECT_EQ(dir.read(c.file), historyFile({drawRecord(c.key, {1, 2, 3, 4, 5, c.limit}, 6)})) << c.file;

    // The calendar names the newest draw of the game, whichever its era.
    click(&w(), "Command1");
    EXPECT_EQ(label("LabelLatest"), "Latest stored draw: 7/9/2026");
    EXPECT_TRUE(calendar()->isMarked(QDate(2026, 9, 7)) && calendar()->isMarked(QDate(2006, 11, 1)));
    click(dialog(), "Command4");
}

// Enter in the calendar's year or month field turns its page; only Enter on
// the days (or OK, or a double-click) confirms a date, in both modes.
TEST_F(DateSelectionTest, EnterInTheYearOrMonthFieldTurnsThePageAndEnterOnTheDaysConfirms)
{
    start();
    auto yearThenMonth = [this] {
        QCalendarWidget *cal = calendar()->widget();
        click(cal, "qt_calendar_yearbutton");
        auto *year = child<QSpinBox>(cal, "qt_calendar_yearedit");
        ASSERT_EQ(dialog()->focusWidget(), year);
        QTest::keyClicks(year, "2015");
        QTest::keyClick(year, Qt::Key_Return);
        QTest::keyClick(child<QToolButton>(cal, "qt_calendar_monthbutton"), Qt::Key_Enter);
        EXPECT_TRUE(dialog()->isVisible() && hidden(numbers()));
        EXPECT_EQ(calendar()->date(), QDate(2015, 12, 5));
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        QWidget *days = dialog()->focusWidget(); // the days have the focus
        ASSERT_TRUE(days && cal->isAncestorOf(days) && days != year);
        QTest::keyClick(days, Qt::Key_Return);
    };
    click(&w(), "Command1");
    yearThenMonth();
    EXPECT_FALSE(hidden(numbers()));
    EXPECT_EQ(label("LabelEntering"), "Draw of Saturday 5 December 2015");
    click(dialog(), "Command3");

    click(&w(), "Command2");
    calendar()->setDate(fakes.clock.date);
    yearThenMonth();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(dir.read("UK05122015.lot"), entryRecord("05122015", {0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(mainText("Text2"), "5/12/2015");
}

// A folder that takes no file: the start-up says so and the program runs on;
// a draw that cannot be written is said so, its numbers stay in their boxes
// and it is stored once the folder takes files again.
TEST_F(DateSelectionTest, AFolderThatCannotBeWrittenIsSaidAtStartAndAStoreThatFailsKeepsTheNumbers)
{
    const QByteArray old = historyFile({DrawB});
    dir.write(QStringLiteral("UK.exe"), old);
    {
        FileSizeLimit full(0);
        state.programFolderProblem =
            ds::startProgramFolder(dir.path(), QString(), QString(), {}, QDateTime::currentDateTime()).problem;
    }
    start();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages[0].endsWith(QStringLiteral(" cannot be written to. Draws, entries and settings "
                                                                  "cannot be saved until it can be.")));
    EXPECT_TRUE(w().isVisible());
    fakes.dialogs.clear();

    chooseDraw(5, 6, 1999);
    const QStringList typed{"3", "7", "12", "21", "30", "45", "9"};
    {
        FileSizeLimit limit(50);
        enterNumbers(typed);
    }
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The draw could not be written to the draw history file."});
    EXPECT_EQ(fakes.program.ended, 0);
    EXPECT_EQ(dir.read(QStringLiteral("UK.exe")), old);
    ASSERT_TRUE(dialog()->isVisible() && !hidden(numbers()));
    EXPECT_EQ(boxTexts(dialog(), {1, 2, 3, 4, 5, 6, 7}), typed);

    click(numbers(), "Command1");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(dir.read(QStringLiteral("UK.exe")), historyFile({DrawA, DrawB}));
}

class SecondDrawTest : public MainFixture {
protected:
    QWidget *form5() { return topLevel("Form5"); }
    QString firstBall() { return child<QLabel>(&w(), "Label5")->text(); }
    // The first ball shown, the label naming the draw shown and the button's caption.
    QString shown()
    {
        return firstBall() + '|' + child<QLabel>(&w(), "LabelDrawOfTwo")->text() + '|'
            + child<QPushButton>(&w(), "Command14")->text();
    }
};

// From 10/6/2026 a UK date holds two rounds: "Round 2" shows beside such a
// date only and flips between them; the second is entered as "Round 2".
// From 4/11/2006 the second draw of an Irish date is Lotto Plus 1: the button
// says so whichever draw shows and flips between them; a date without it asks
// for it in a dialog of that name, refusing numbers beyond the date's era.
TEST_F(SecondDrawTest, TheTwoRoundsOfAUkDateThenLottoPlusOneOfTheShippedIrishHistories)
{
    for (const char *csv : {"irish_lotto_642.csv", "irish_lotto_645_647.csv"}) {
        const ds::ImportReport r = ds::importResultsFile(
            QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/") + QLatin1String(csv), ds::Game::Irish, dir.path());
        ASSERT_TRUE(r.succeeded() && r.skipped == 0) << r.text().toStdString();
    }
    const QByteArray ir45 = dir.read("IR45.exe");
    const QByteArray round1 = drawRecord("10062026", {1, 12, 25, 29, 40, 41}, 16);
    const QByteArray round2 = drawRecord("10062026", {2, 5, 12, 42, 47, 54}, 51);
    const QByteArray june13 = drawRecord("13062026", {12, 15, 31, 32, 48, 58}, 44);
    const QByteArray june3 = drawRecord("03062026", {7, 10, 20, 55, 57, 59}, 44);
    dir.write("UK59.exe", historyFile({june3, round1, round2, june13}));
    start();
    auto *button = child<QPushButton>(&w(), "Command14");
    auto *which = child<QLabel>(&w(), "LabelDrawOfTwo");
    EXPECT_TRUE(hidden(button));
    chooseDraw(3, 6, 2026);
    EXPECT_TRUE(hidden(button));
    chooseDraw(10, 6, 2026);
    EXPECT_FALSE(hidden(button));
    EXPECT_EQ(shown(), " 1|Round 1 of 2|Round 2");
    click(&w(), "Command14");
    EXPECT_EQ(shown(), " 2|Round 2 of 2|Round 2");
    click(&w(), "Command14");
    EXPECT_EQ(shown(), " 1|Round 1 of 2|Round 2");

    // A date with its first round only asks for the second.
    chooseDraw(13, 6, 2026);
    EXPECT_FALSE(hidden(button));
    EXPECT_TRUE(hidden(which));
    fakes.dialogs.answer(true);
    click(&w(), "Command14");
    EXPECT_EQ(fakes.dialogs.questions,
              QStringList{"There is no second draw recorded for this date do you want to enter one?"});
    ASSERT_TRUE(form5()->isVisible());
    EXPECT_EQ(form5()->windowTitle(), "UK Lotto Round 2 Numbers");
    enterNumbers({"15", "17", "37", "54", "55", "56", "6"}, form5());
    EXPECT_FALSE(form5()->isVisible());
    EXPECT_EQ(dir.read("UK59.exe"),
              historyFile({june3, round1, round2, june13, drawRecord("13062026", {15, 17, 37, 54, 55, 56}, 6)}));
    EXPECT_FALSE(dir.exists("UK.exe"));
    EXPECT_EQ(shown(), "15|Round 2 of 2|Round 2");

    trigger(&w(), "mnuIreland");
    fakes.dialogs.clear();
    // The Monday draw of 7/9/2026: 15 20 21 24 28 34, Plus 1 7 12 15 24 26 40.
    chooseDraw(7, 9, 2026);
    EXPECT_EQ(shown(), "15|Main draw|Lotto Plus 1");
    click(&w(), "Command14");
    EXPECT_EQ(shown(), " 7|Lotto Plus 1|Lotto Plus 1");
    click(&w(), "Command14");
    EXPECT_EQ(shown(), "15|Main draw|Lotto Plus 1");

    // 15/8/2007 has no Plus 1 draw in any source.
    chooseDraw(15, 8, 2007);
    EXPECT_EQ(firstBall(), " 4");
    EXPECT_TRUE(hidden(child<QLabel>(&w(), "LabelDrawOfTwo")));
    fakes.dialogs.answer(true);
    click(&w(), "Command14");
    EXPECT_EQ(fakes.dialogs.questions.size(), 1);
    ASSERT_TRUE(form5()->isVisible());
    EXPECT_EQ(form5()->windowTitle(), "Irish Lotto Plus 1 Numbers");
    enterNumbers({"46", "2", "3", "4", "5", "6", "7"}, form5());
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"One or more of your numbers are invalid"});
    EXPECT_EQ(fakes.dialogs.informatives,
              QStringList{"Numbers run from 1 to 45 for draws from 4 November 2006 to 2 September 2015."});
    EXPECT_EQ(dir.read("IR45.exe"), ir45);
    type(form5(), "Text1", "45");
    click(form5(), "Command1");
    EXPECT_FALSE(form5()->isVisible());
    EXPECT_EQ(shown(), " 2|Lotto Plus 1|Lotto Plus 1");
    ds::DrawHistory h;
    ASSERT_EQ(h.load(dir.file("IR45.exe")), ds::ReadStatus::Ok);
    EXPECT_EQ(h.count(), 922 + 921 + 1);
    const int first = h.findFirst("15082007");
    ASSERT_EQ(h.findLast("15082007"), first + 1);
    EXPECT_EQ(h.record(first + 1).main, (std::array<qint16, 6>{2, 3, 4, 5, 6, 45}));
    EXPECT_EQ(h.record(first + 1).bonus, 7);
}

TEST_F(SecondDrawTest, EnteringASecondDrawThenAlternatingAndDeletingTheOneShownOrOneGoneFromTheFile)
{
    dir.write("IR.exe", historyFile({DrawA, Later}));
    start("I");
    chooseDraw(5, 6, 1999);
    fakes.dialogs.answer(false);
    click(&w(), "Command14");
    EXPECT_EQ(fakes.dialogs.questions,
              QStringList{"There is no second draw recorded for this date do you want to enter one?"});
    EXPECT_FALSE(form5()->isVisible());

    // A selections date chosen meanwhile does not move the second draw.
    chooseSelections(20, 6, 1999);
    fakes.dialogs.answer(true);
    click(&w(), "Command14");
    ASSERT_TRUE(form5()->isVisible());
    type(form5(), "Text1", "43");
    click(form5(), "Command3");
    EXPECT_EQ(dir.read("IR.exe"), historyFile({DrawA, Later}));

    // The boxes keep what they held.
    fakes.dialogs.answer(true);
    click(&w(), "Command14");
    EXPECT_EQ(child<QLineEdit>(form5(), "Text1")->text(), "43");
    enterNumbers({"41", "35", "24", "13", "2", "1", "8"}, form5());
    EXPECT_EQ(dir.read("IR.exe"), historyFile({DrawA, Second, Later}));
    EXPECT_EQ(firstBall(), " 1");
    EXPECT_EQ(state.displayedDrawNumber, 2);
    fakes.dialogs.clear();

    // Second Draw alternates between the two draws of the date.
    chooseDraw(5, 6, 1999);
    EXPECT_EQ(shown(), " 3|Draw 1 of 2|Second Draw");
    click(&w(), "Command14");
    EXPECT_EQ(shown(), " 1|Draw 2 of 2|Second Draw");
    click(&w(), "Command14");
    EXPECT_EQ(firstBall(), " 3");
    EXPECT_TRUE(fakes.dialogs.questions.isEmpty());
    chooseDraw(12, 6, 1999); // one draw only: the label beside the date goes
    EXPECT_TRUE(hidden(child<QLabel>(&w(), "LabelDrawOfTwo")));
    chooseDraw(5, 6, 1999);

    // Delete, with the first draw on display, removes the second draw first.
    fakes.dialogs.answer(false);
    click(&w(), "Command6");
    EXPECT_EQ(fakes.dialogs.questions, QStringList{Sure});
    EXPECT_EQ(dir.read("IR.exe"), historyFile({DrawA, Second, Later}));
    fakes.dialogs.answer(true);
    click(&w(), "Command6");
    EXPECT_EQ(dir.read("IR.exe"), countRecord(2) + DrawA + Later + Later);
    EXPECT_TRUE(child<QLineEdit>(&w(), "Text1")->text().isEmpty() && hidden(child<QWidget>(&w(), "Shape1")));

    // With no draw on display both buttons refuse.
    click(&w(), "Command14");
    click(&w(), "Command6");
    EXPECT_EQ(fakes.dialogs.messages,
              (QStringList{"There is no current draw date, first use Change below to select or enter the first draw",
                           "There is no entry to delete!"}));

    // Deleting a draw whose date the file no longer holds ends the program.
    chooseDraw(12, 6, 1999);
    dir.write("IR.exe", historyFile({DrawA})); // changed underneath
    fakes.dialogs.clear();
    fakes.dialogs.answer(true);
    click(&w(), "Command6");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There has been an unexpected error. The date has not been found!"});
    EXPECT_EQ(fakes.program.ended, 1);
    EXPECT_EQ(dir.read("IR.exe"), historyFile({DrawA}));
}
