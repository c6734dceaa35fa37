// The Thunderball window, its result entry, entries and statistics windows and
// its printouts, driven through their controls with the platform fakes.
#include "core/printersettings.h"
#include "statistics/ballstatswindow.h"
#include "support/charts.h"
#include "support/fakes.h"
#include "support/mainfixture.h"
#include "support/testfolder.h"
#include "support/widgets.h"
#include "thunderball/maintainwindow.h"
#include "thunderball/resultentrywindow.h"
#include "thunderball/thunderprinting.h"
#include "thunderball/thunderstatswindows.h"
#include "widgets/barchart.h"
#include "thunderball/thunderwindow.h"
#include "thunderrecords.h"
#include "widgets/monthcalendar.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QStyle>

using namespace dstest;

namespace {

QStringList ballLabels(QWidget *form20)
{
    QStringList out;
    for (const char *n : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label7"})
        out << child<QLabel>(form20, n)->text();
    return out;
}

class ThunderWindowTest : public ::testing::Test {
protected:
    void open()
    {
        opener.show();
        window = std::make_unique<ds::ThunderballWindow>(dir.path(), platform);
        window->openFrom(&opener);
        fakes.dialogs.busyCount = 0;
    }
    void TearDown() override
    {
        EXPECT_TRUE(fakes.dialogs.unexpected.isEmpty()) << "unscripted question";
        EXPECT_EQ(fakes.dialogs.busyDepth, 0) << "hourglass left on";
    }

    ds::ThunderballWindow &w() { return *window; }
    QWidget *form21() { return window->resultEntry(); }
    QWidget *form22() { return window->maintainWindow(); }
    void pick(int d, int m, int y) { window->calendar()->widget()->setSelectedDate(QDate(y, m, d)); }
    QString label(const char *name) { return child<QLabel>(window.get(), name)->text(); }
    QStringList resultLabels() { return ballLabels(window.get()); }
    QStringList list(const char *name) { return lines(child<QListWidget>(window.get(), name)); }
    // Six numbers into the boxes Text<first> onwards of a form, then its button.
    void enterSix(QWidget *form, int first, const char *button, const QStringList &six)
    {
        for (int i = 0; i < 6; ++i)
            type(form, qPrintable(QStringLiteral("Text%1").arg(first + i)), six[i]);
        click(form, button);
    }

    TestFolder dir;
    FakePlatform fakes;
    ds::Platform platform = fakes.platform();
    QMainWindow opener;
    std::unique_ptr<ds::ThunderballWindow> window;
};

} // namespace

// The window opens on today over the minimised main window with the result,
// the entries and the check of the date; at the opening size the results list
// shows its lines whole, the winning lines in bold.
TEST_F(ThunderWindowTest, OpensOnTodayOverTheMinimisedMainWindowShowsPickedDatesAndExitGivesItBack)
{
    dir.write("thresult39.exe", thRec(2, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8)
                                    + thRec(0, 0, 9, 12, 2026, {1, 2, 3, 4, 5}, 6));
    dir.write("TH05122026.lot", thRec(3, 2, 5, 12, 2026, {3, 8, 14, 20, 31}, 8)
                                    + thRec(3, 2, 5, 12, 2026, {1, 2, 4, 5, 6}, 1)
                                    + thRec(3, 2, 5, 12, 2026, {3, 8, 14, 22, 33}, 8));
    open();
    EXPECT_TRUE(opener.isMinimized());
    EXPECT_TRUE(w().isVisible());
    EXPECT_EQ(w().calendar()->date(), QDate(2026, 12, 5));
    EXPECT_EQ(resultLabels(), (QStringList{" 3", " 8", "14", "20", "31", " 8"}));
    QApplication::processEvents();
    auto *results = child<QListWidget>(&w(), "List2");
    const QString rule(32, '-');
    EXPECT_EQ(lines(results), (QStringList{rule, "Results for draw date 5 12 2026",
                                           QStringLiteral("03 08 14 20 31 08 Match 5 + TB £500000"),
                                           QStringLiteral("03 08 14 22 33 08 Match 3 + TB     £20"), rule,
                                           "Results for draw date 12 12 2026", "No results recorded for this draw date"}));
    const int room = results->viewport()->width()
                     - 2 * (results->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, results) + 1);
    for (int row = 0; row < results->count(); ++row) {
        const QListWidgetItem *item = results->item(row);
        EXPECT_EQ(item->font().bold(), row == 2 || row == 3) << row;
        EXPECT_LE(QFontMetrics(item->font()).horizontalAdvance(item->text()), room) << row;
    }

    // A picked date shows its result, Wednesdays included, under the hourglass.
    pick(9, 12, 2026);
    EXPECT_EQ(resultLabels(), (QStringList{" 1", " 2", " 3", " 4", " 5", " 6"}));
    pick(12, 12, 2026);
    EXPECT_EQ(resultLabels(), (QStringList{"", "", "", "", "", ""}));
    EXPECT_EQ(fakes.dialogs.busyCount, 2);

    trigger(&w(), "mnuExit"); // Exit takes the Close path
    EXPECT_FALSE(w().isVisible());
    EXPECT_FALSE(opener.isMinimized());
}

TEST_F(ThunderWindowTest, RefusalsShowTheirMessageAndOpenNothing)
{
    // No results; entries of one 5 from 34 date, and a printer settings file
    // that is not a file.
    dir.write("TH05122009.lot", thRec(1, 1, 5, 12, 2009, {1, 2, 3, 4, 5}, 6));
    QDir(dir.path()).mkdir("prnt.dat");
    open();
    const QString drawDay =
        QStringLiteral("You must select a draw day on the calendar: Tuesday, Wednesday, Friday or Saturday");
    const struct {
        QDate date;
        const char *action;
        QString message;
    } cases[] = {
        {{2009, 12, 4}, "Command2", "You must select a Saturday date on the calendar"}, // Add on a 5 from 34 Friday
        {{2026, 12, 3}, "Command5", drawDay}, // Maintain on a 5 from 39 Thursday
        {{2026, 12, 5}, "Command4", "There is no entry to delete"},
        {{2026, 12, 5}, "Command3", "You have not selected an entry in the above list to delete"},
        {{2026, 12, 5}, "mnuStats", "There are no entries in the results file! - statistics cannot be displayed"},
        {{2026, 12, 5}, "mnutickets",
         "There is no ticket layout for the 5 from 39 Thunderball; tickets can be printed for draws up to 8 May 2010."},
        {{2026, 12, 5}, "mnuresults", "There is no list to print!"},
        {{2026, 12, 5}, "mnuselections", "There is no list to print!"},
        {{2026, 12, 5}, "mnuDraws", "There are no entries in the results file"},
        {{2009, 12, 12}, "mnutickets", "There are no entries to print"},
        {{2009, 12, 5}, "mnutickets", "The printer settings file could not be read."},
    };
    for (const auto &c : cases) {
        pick(c.date.day(), c.date.month(), c.date.year());
        fakes.dialogs.clear();
        c.action[0] == 'm' ? trigger(&w(), c.action) : click(&w(), c.action);
        EXPECT_EQ(fakes.dialogs.messages, QStringList{c.message}) << c.action;
        EXPECT_TRUE(w().isEnabled()) << c.action; // nothing opened over it
    }
    EXPECT_TRUE(fakes.printer.jobs.empty());
}

TEST_F(ThunderWindowTest, FilesThatCannotBeReadAreSaidSoNeverShownAsEmpty)
{
    for (const char *name : {"thresult.exe", "thresult39.exe", "TH05122026.lot"})
        QDir(dir.path()).mkdir(QString::fromLatin1(name));
    open();
    const QString results = QStringLiteral("The Thunderball results file could not be read.");
    EXPECT_EQ(fakes.dialogs.messages,
              (QStringList{results, QStringLiteral("The entries file for this date could not be read or written.")}));
    EXPECT_TRUE(list("List1").isEmpty() && list("List2").isEmpty());
    fakes.dialogs.clear();
    trigger(&w(), "mnuStats");
    QDir(dir.path()).rmdir(QStringLiteral("TH05122026.lot"));
    click(&w(), "Command5"); // Auto Add weighs its numbers by the results
    type(form22(), "Text1", "5");
    click(form22(), "Command4");
    EXPECT_EQ(fakes.dialogs.messages, QStringList(2, results));
    EXPECT_FALSE(dir.exists("TH05122026.lot"));
}

TEST_F(ThunderWindowTest, SavingAndImportingResults)
{
    open(); // no results file
    click(&w(), "Command2");
    enterSix(form21(), 1, "Command1", {"31", "5", "20", "40", "14", "8"}); // 40 is beyond 5 from 39
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"One or more of your numbers are invalid"});
    EXPECT_TRUE(form21()->isVisible());
    EXPECT_EQ(form21()->focusWidget(), child<QLineEdit>(form21(), "Text4"));
    EXPECT_FALSE(dir.exists("thresult39.exe"));

    // A 2026 result goes into the 5 from 39 file; thresult.exe is not made.
    enterSix(form21(), 1, "Command1", {"31", "5", "20", "39", "14", "8"});
    EXPECT_EQ(dir.read("thresult39.exe"), thRec(1, 0, 5, 12, 2026, {5, 14, 20, 31, 39}, 8));
    EXPECT_FALSE(dir.exists("thresult.exe"));
    EXPECT_FALSE(form21()->isVisible());
    EXPECT_TRUE(w().isEnabled());
    EXPECT_EQ(resultLabels(), (QStringList{" 5", "14", "20", "31", "39", " 8"}));
    EXPECT_EQ(label("LabelLatest"), QStringLiteral("Latest stored result: 5/12/2026"));

    // A 5 from 34 date keeps its limit and its file.
    pick(5, 12, 2009);
    click(&w(), "Command2");
    enterSix(form21(), 1, "Command1", {"31", "5", "20", "35", "14", "8"});
    EXPECT_EQ(fakes.dialogs.messages.size(), 2);
    enterSix(form21(), 1, "Command1", {"31", "5", "20", "34", "14", "8"});
    EXPECT_EQ(dir.read("thresult.exe"), thRec(1, 0, 5, 12, 2009, {5, 14, 20, 31, 34}, 8));

    // Import Results adds to the file of the era and shows what it brought.
    pick(12, 12, 2009);
    dir.write("results.csv", "date,n1,n2,n3,n4,n5,thunderball\n2009-12-12,31,5,20,8,14,8\n");
    fakes.dialogs.clear();
    fakes.dialogs.answerFile(dir.file("results.csv"));
    trigger(&w(), "mnuImport");
    EXPECT_EQ(fakes.dialogs.news, QStringList{"1 result added, 0 already in the results file, 0 skipped."});
    EXPECT_EQ(fakes.dialogs.messages, fakes.dialogs.news);
    EXPECT_EQ(resultLabels(), (QStringList{" 5", " 8", "14", "20", "31", " 8"}));
}

// Deleting the displayed result asks first and leaves nothing of it on show.
// The next result, damaged (a first number of 40), moves to the front; those
// after it are still read, counted and added after; it is not checked.
TEST_F(ThunderWindowTest, DeletingTheDisplayedResultBeforeADamagedOne)
{
    const QByteArray damaged = thRec(0, 0, 12, 12, 2026, {40, 2, 3, 4, 5}, 6);
    const QByteArray r19 = thRec(0, 0, 19, 12, 2026, {1, 2, 3, 4, 6}, 7);
    const QByteArray before = thRec(3, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8) + damaged + r19;
    dir.write("thresult39.exe", before);
    dir.write("TH05122026.lot", thRec(1, 1, 5, 12, 2026, {3, 8, 14, 20, 31}, 8));
    dir.write("TH12122026.lot", thRec(1, 1, 12, 12, 2026, {2, 3, 4, 5, 6}, 6));
    open();
    fakes.dialogs.answer(false);
    click(&w(), "Command4");
    ASSERT_EQ(fakes.dialogs.questions.size(), 1);
    EXPECT_TRUE(fakes.dialogs.questions[0].startsWith("Are you sure you want to delete this entry?"));
    EXPECT_EQ(dir.read("thresult39.exe"), before);
    auto *calendar = child<ds::MonthCalendar>(&w(), "Calendar1");
    ASSERT_TRUE(calendar->isMarked(QDate(2026, 12, 5)) && !label("Label8").isEmpty());

    fakes.dialogs.answer(true);
    click(&w(), "Command4");
    EXPECT_EQ(dir.read("thresult39.exe"), thRec(2, 0, 12, 12, 2026, {40, 2, 3, 4, 5}, 6) + r19 + r19);
    EXPECT_EQ(resultLabels(), (QStringList{"", "", "", "", "", ""}));
    EXPECT_TRUE(label("Label8").isEmpty());
    EXPECT_TRUE(!calendar->isMarked(QDate(2026, 12, 5)) && calendar->isMarked(QDate(2026, 12, 19)));
    EXPECT_TRUE(list("List2").isEmpty());
    EXPECT_EQ(list("List1").size(), 1);

    pick(19, 12, 2026);
    EXPECT_EQ(resultLabels(), (QStringList{" 1", " 2", " 3", " 4", " 6", " 7"}));
    pick(26, 12, 2026);
    click(&w(), "Command2");
    enterSix(form21(), 1, "Command1", {"9", "10", "11", "12", "13", "1"});
    EXPECT_EQ(dir.read("thresult39.exe"), thRec(3, 0, 12, 12, 2026, {40, 2, 3, 4, 5}, 6) + r19
                                              + thRec(0, 0, 26, 12, 2026, {9, 10, 11, 12, 13}, 1));

    pick(12, 12, 2026);
    EXPECT_EQ(list("List2"), (QStringList{QString(32, '-'), "Results for draw date 12 12 2026",
                                          "The result of this draw date is damaged and was not checked."}));
    trigger(&w(), "mnuDispResults");
    EXPECT_EQ(child<QLabel>(topLevel("Form25"), "LabelEra")->text(), QStringLiteral("5 from 39 (from 12/5/2010)"));
    EXPECT_EQ(lines(child<QListWidget>(topLevel("Form25"), "List1")),
              (QStringList{"12/12/2026   40 02 03 04 05  TB 06  damaged", "19/12/2026   01 02 03 04 06  TB 07",
                           "26/12/2026   09 10 11 12 13  TB 01"}));
}

// A negative count reads the entries present rather than none, which would
// delete them.
TEST_F(ThunderWindowTest, AnEntryFileWithANegativeCountKeepsItsEntries)
{
    const QByteArray file = thRec(-3, 2, 13, 2, 2010, {1, 2, 3, 4, 5}, 6) + thRec(-3, 2, 13, 2, 2010, {7, 8, 9, 10, 11}, 12);
    dir.write("TH13022010.lot", file);
    open();
    pick(13, 2, 2010);
    EXPECT_EQ(list("List1"), (QStringList{"01 02 03 04 05 Thunderball 06", "07 08 09 10 11 Thunderball 12"}));
    EXPECT_EQ(label("Label9"), QStringLiteral("Entries: 2"));
    EXPECT_EQ(dir.read("TH13022010.lot"), file);
}

// The label and the slider show the weeks the check covers (a stored value
// above 8 is kept in the file), and the stored ones after a change that could
// not be saved; a date without entries keeps no file.
TEST_F(ThunderWindowTest, TheWeeksLabelAndTheSliderAgree)
{
    dir.write("thresult39.exe", thRec(2, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8)
                                    + thRec(0, 0, 19, 12, 2026, {3, 8, 14, 20, 30}, 1));
    const QByteArray entries = thRec(1, 10, 5, 12, 2026, {3, 8, 14, 20, 31}, 8);
    dir.write("TH05122026.lot", entries);
    open();
    auto *slider = child<QSlider>(&w(), "Slider1");
    EXPECT_EQ(label("Label11"), QStringLiteral("Weeks: 8"));
    EXPECT_EQ(slider->value(), 8);
    EXPECT_EQ(label("Label8"), QStringLiteral("Win Total     £500100"));
    {
        FileSizeLimit limit(10);
        slider->setValue(3);
    }
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{"The entries could not be saved. Your entries file has not been changed."});
    EXPECT_EQ(dir.read("TH05122026.lot"), entries);
    EXPECT_EQ(label("Label11"), QStringLiteral("Weeks: 8"));
    EXPECT_EQ(slider->value(), 8);

    slider->setValue(1);
    EXPECT_EQ(dir.read("TH05122026.lot"), thRec(1, 1, 5, 12, 2026, {3, 8, 14, 20, 31}, 8));
    EXPECT_EQ(label("Label11"), QStringLiteral("Weeks: 1"));
    EXPECT_EQ(label("Label8"), QStringLiteral("Win Total     £500000"));

    pick(12, 12, 2026);
    slider->setValue(5);
    EXPECT_FALSE(dir.exists("TH12122026.lot"));
    EXPECT_EQ(label("Label9"), QStringLiteral("Entries: 0"));
}

// The entry windows name their date. A number beyond the era is refused; after
// "Added" the boxes keep their numbers, the first taking the next entry; Clear
// empties them; Close refreshes the window, whose Delete takes the selection.
TEST_F(ThunderWindowTest, TheEntryWindowsManualAddClearAutoAddAndDelete)
{
    open(); // no results: the Auto Add pool is weighted by thirty random draws
    click(&w(), "Command2");
    EXPECT_EQ(child<QLabel>(form21(), "LabelDate")->text(), QStringLiteral("Result of Saturday 5 December 2026"));
    click(form21(), "Command2");
    click(&w(), "Command5");
    EXPECT_EQ(child<QLabel>(form22(), "LabelDate")->text(), QStringLiteral("Entries for Saturday 5 December 2026"));
    enterSix(form22(), 2, "Command2", {"3", "8", "14", "20", "40", "8"});
    EXPECT_EQ(fakes.dialogs.messages.last(), QStringLiteral("One or more of your numbers are invalid"));
    EXPECT_EQ(form22()->focusWidget(), child<QLineEdit>(form22(), "Text6"));
    EXPECT_FALSE(dir.exists("TH05122026.lot"));

    enterSix(form22(), 2, "Command2", {"31", "8", "14", "20", "3", "8"});
    EXPECT_EQ(fakes.dialogs.news, QStringList{"Added"});
    EXPECT_EQ(dir.read("TH05122026.lot"), thRec(1, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8));
    EXPECT_EQ(label("Label9"), QStringLiteral("Entries: 1"));
    auto *first = child<QLineEdit>(form22(), "Text2");
    EXPECT_EQ(form22()->focusWidget(), first);
    EXPECT_EQ(first->selectedText(), QStringLiteral("31"));

    click(form22(), "Command3");
    for (const char *n : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
        EXPECT_TRUE(child<QLineEdit>(form22(), n)->text().isEmpty()) << n;

    fakes.dialogs.clear();
    type(form22(), "Text1", "60");
    click(form22(), "Command4");
    EXPECT_EQ(fakes.dialogs.news, QStringList{"Added"});
    EXPECT_EQ(fakes.random.seeds, 1); // reseeded once for the picks
    EXPECT_EQ(fakes.dialogs.busyCount, 1); // more than 50
    EXPECT_EQ(label("Label9"), QStringLiteral("Entries: 61"));

    // Close refreshes the Thunderball window: weeks 0 becomes 1.
    click(form22(), "Command1");
    QStringList shown = list("List1");
    EXPECT_EQ(shown.size(), 61);
    EXPECT_EQ(shown[0], QStringLiteral("03 08 14 20 31 Thunderball 08"));
    EXPECT_EQ(label("Label11"), QStringLiteral("Weeks: 1"));
    EXPECT_EQ(dir.read("TH05122026.lot").left(22), thRec(61, 1, 5, 12, 2026, {3, 8, 14, 20, 31}, 8));

    child<QListWidget>(&w(), "List1")->setCurrentRow(1);
    click(&w(), "Command3");
    shown.removeAt(1);
    EXPECT_EQ(list("List1"), shown);
}

// The statistics open on the newest era, the charts read as the lotto charts
// are (axis titles, whole value labels, a hover line); a row opens its ball's
// figures. ComboEra lists the eras newest first; the charts, the main-number
// button and the figures follow the era chosen, the chart keeping its mode; an
// era without results is refused and the box goes back.
TEST_F(ThunderWindowTest, StatisticsChartsBallFiguresAndEras)
{
    dir.write("thresult.exe", thRec(2, 0, 1, 5, 2010, {1, 2, 3, 33, 34}, 14) + thRec(0, 0, 8, 5, 2010, {1, 5, 6, 7, 34}, 2));
    dir.write("thresult39.exe", thRec(3, 0, 5, 12, 2026, {4, 5, 6, 20, 21}, 7)
                                    + thRec(0, 0, 9, 12, 2026, {1, 2, 7, 8, 39}, 7)
                                    + thRec(0, 0, 12, 12, 2026, {6, 7, 10, 11, 12}, 3));
    open();
    QApplication::processEvents();
    trigger(&w(), "mnuStats");
    auto *stats = w().statistics();
    ds::BarChart *c = stats->chart();
    auto readable = [](ds::BarChart *chart, const QStringList &titles, const QStringList &values) {
        QApplication::processEvents();
        const QStringList texts = drawnTexts(chart);
        for (const QString &title : titles)
            EXPECT_TRUE(texts.contains(title)) << title.toStdString();
        for (const QString &t : texts)
            EXPECT_FALSE(t.contains(QStringLiteral("..."))) << t.toStdString();
        EXPECT_EQ(valueLabels(chart), values);
    };
    auto hovered = [](ds::BarChart *chart, int row) {
        pointAt(chart, row);
        return child<QLabel>(chart->window(), "LabelHover")->text();
    };
    readable(c, {"Ball", "Times drawn"}, {"0", "1", "2"});
    EXPECT_EQ(hovered(c, 7), QStringLiteral("Ball 7: drawn 2 times"));
    auto *era = child<QComboBox>(stats, "ComboEra");
    ASSERT_EQ(era->count(), 2);
    EXPECT_EQ(era->itemText(0), QStringLiteral("5 from 39 (from 12/5/2010)"));
    EXPECT_EQ(era->itemText(1), QStringLiteral("5 from 34 (12/6/1999 to 8/5/2010)"));
    EXPECT_EQ(era->currentIndex(), 0);
    EXPECT_EQ(child<QPushButton>(stats, "Command2")->text(), QStringLiteral("1-39"));
    EXPECT_EQ(c->title(), QStringLiteral("Balls 1-39"));
    EXPECT_EQ(c->rowCount(), 39);

    // Ball 7 as a main number: counts, the date it was last drawn, its rating and pairs.
    emit c->rowClicked(7);
    auto *ball = stats->ballWindow();
    ASSERT_TRUE(ball->isVisible());
    EXPECT_EQ(child<QGroupBox>(ball, "Frame1")->title(), QStringLiteral("Statistics for Ball 7"));
    auto text = [ball](const char *name) { return child<QLineEdit>(ball, name)->text(); };
    EXPECT_EQ((QStringList{text("Text2"), text("Text4"), text("Text5"), text("Text6"), text("Text7")}),
              (QStringList{"2", "12/12/2026", "Good", "1", "1"}));
    click(ball, "Command1");
    emit c->rowClicked(39); // the pair 39-40 has no box
    EXPECT_EQ(ball->windowTitle(), QStringLiteral("Thunderball Balls 1-39"));
    EXPECT_TRUE(hidden(child<QLineEdit>(ball, "Text7")));
    click(ball, "Command1");

    // The Thunderball chart, and ball 7 as a Thunderball with its own chart:
    // expected 3 / 14 = 0, drawn twice.
    click(stats, "Command3");
    readable(c, {"Thunderball", "Times drawn"}, {"0", "1", "2"});
    EXPECT_EQ(hovered(c, 3), QStringLiteral("Thunderball 3: drawn once"));
    ASSERT_EQ(c->rowCount(), 14);
    QTest::mouseClick(c->viewport(), Qt::LeftButton, {}, rowPoint(c, 7, -2));
    EXPECT_EQ(text("Text4"), QStringLiteral("9/12/2026"));
    EXPECT_TRUE(hidden(child<QGroupBox>(ball, "Frame2")));
    auto *drawn = child<ds::BarChart>(ball, "MSChart1");
    readable(drawn, {"Expected", "Drawn", "Times"}, {"0", "1", "2"});
    EXPECT_EQ(hovered(drawn, 1), QStringLiteral("Expected: 0 times"));
    EXPECT_EQ(hovered(drawn, 2), QStringLiteral("Drawn: 2 times"));
    click(ball, "Command1");

    era->setCurrentIndex(1);
    emit era->activated(1);
    EXPECT_EQ(c->title(), QStringLiteral("Thunderball"));
    click(stats, "Command2");
    EXPECT_EQ(child<QPushButton>(stats, "Command2")->text(), QStringLiteral("1-34"));
    EXPECT_EQ(c->title(), QStringLiteral("Balls 1-34"));
    ASSERT_EQ(c->rowCount(), 34);
    EXPECT_EQ((std::pair{c->rowValues()[0], c->rowValues()[33]}), (std::pair<qreal, qreal>{2, 2}));
    emit c->rowClicked(34);
    EXPECT_EQ(ball->windowTitle(), QStringLiteral("Thunderball Balls 1-34"));
    EXPECT_EQ((QStringList{text("Text2"), text("Text4")}), (QStringList{"2", "8/5/2010"}));
    EXPECT_TRUE(hidden(child<QLineEdit>(ball, "Text7"))); // 34-35 has no box in this era
    click(ball, "Command1");

    era->setCurrentIndex(0);
    emit era->activated(0);
    QDir(dir.path()).remove("thresult.exe");
    fakes.dialogs.clear();
    era->setCurrentIndex(1);
    emit era->activated(1);
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{"There are no entries in the results file! - statistics cannot be displayed"});
    EXPECT_EQ(era->currentIndex(), 0);
    EXPECT_EQ(c->title(), QStringLiteral("Balls 1-39"));
}

// The Print menu, on the entries, results and check of the calendar date.
TEST_F(ThunderWindowTest, PrintMenuPrintsTheListsHistoryAndCheckOfTheDate)
{
    QByteArray entries;
    for (int i = 0; i < 7; ++i)
        entries += thRec(i == 0 ? 7 : 0, 2, 5, 12, 2009, {1 + i, 10, 20, 30, 34}, 2 + i);
    dir.write("TH05122009.lot", entries);
    // The results in the order entered, not in date order.
    dir.write("thresult.exe", thRec(2, 0, 5, 12, 2009, {3, 8, 14, 20, 31}, 8) + thRec(0, 0, 28, 11, 2009, {1, 2, 3, 4, 5}, 6));
    dir.write("thresult39.exe", thRec(1, 0, 5, 12, 2026, {3, 8, 14, 20, 39}, 8));
    fakes.clock.date = QDate(2009, 12, 5);
    open();

    const QString indent(16, ' ');
    trigger(&w(), "mnuselections");
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages[0][3 + 5], indent + QString(21, '-'));

    trigger(&w(), "mnuDraws");
    ASSERT_EQ(fakes.printer.jobs.size(), 2u);
    EXPECT_EQ(fakes.printer.jobs[1].pages[0].last(), "       28/11/2009  01 02 03 04 05  TB 06");

    // The check of the date, as List2 shows it: two weeks, six lines.
    trigger(&w(), "mnuresults");
    ASSERT_EQ(fakes.printer.jobs.size(), 3u);
    ASSERT_EQ(fakes.printer.jobs[2].pages[0].size(), 3 + 6);
    EXPECT_EQ(fakes.printer.jobs[2].pages[0][3 + 2], indent + "07 10 20 30 34 08 Match 1 + TB      £5");

    // The draw history of a 5 from 39 date is that of its era, its title as before.
    pick(5, 12, 2026);
    trigger(&w(), "mnuDraws");
    ASSERT_EQ(fakes.printer.jobs.size(), 4u);
    EXPECT_EQ(fakes.printer.jobs[3].pages[0].mid(3), (QStringList{"Thunderball Lottery Results Currently Held in Draw File:",
                                                                 "       05/12/2026  03 08 14 20 39  TB 08"}));

    // The Draw History window shows the era of the calendar's date (a 5 from 39
    // date: the damaged result's test); an emptied file is said on reopening.
    pick(5, 12, 2009);
    trigger(&w(), "mnuDispResults");
    QWidget *history = topLevel("Form25");
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(child<QLabel>(history, "LabelEra")->text(), QStringLiteral("5 from 34 (12/6/1999 to 8/5/2010)"));
    EXPECT_EQ(lines(child<QListWidget>(history, "List1")),
              (QStringList{"05/12/2009   03 08 14 20 31  TB 08", "28/11/2009   01 02 03 04 05  TB 06"}));
    click(history, "Command9");
    dir.write("thresult.exe", QByteArray());
    trigger(&w(), "mnuDispResults");
    EXPECT_EQ(lines(child<QListWidget>(history, "List1")), QStringList{"There are no entries in the results file"});
}

class ThunderPrintTest : public ThunderWindowTest {};

// At the largest and the smallest offsets the test ticket accepts, every mark
// of every ticket lies on the page of the job: the weeks mark as it is, the
// panels moved by the offsets.
TEST_F(ThunderPrintTest, TicketPagesHoldEveryMarkAtTheOffsetLimits)
{
    std::vector<ds::ThunderResult> entries;
    QByteArray file; // eight weeks; the panels' corners: numbers 1, 7, 29, 34, Thunderballs 7 and 8
    for (int i = 0; i < 5; ++i) {
        entries.push_back(thResult(5, 12, 2009, {1, 7, 8, 29, 34}, 7 + i % 2));
        file += thRec(i == 0 ? 5 : 0, 8, 5, 12, 2009, {1, 7, 8, 29, 34}, 7 + i % 2);
    }
    dir.write("TH05122009.lot", file);
    fakes.clock.date = QDate(2009, 12, 5);
    open();
    const ds::Era &tb534 = ds::firstEra(ds::Game::Thunderball);
    const struct {
        const char *bytes;
        ds::TicketOffsets offsets;
    } limits[] = {{"9e20b801", {8350, 440}}, {"70fe46fb", {-400, -1210}}};
    for (const auto &[bytes, offsets] : limits) {
        dir.write("prnt.dat", QByteArray::fromHex(bytes));
        fakes.printer.jobs.clear();
        trigger(&w(), "mnutickets");
        ASSERT_EQ(fakes.printer.jobs.size(), 1u);
        const ds::MarkPages &job = fakes.printer.jobs[0].tickets;
        std::vector<ds::PageMark> expected{{760, 900, ds::TicketMarkWidth, ds::TicketMarkHeight}};
        for (int p = 0; p < 5; ++p)
            for (const ds::TicketMark &m : ds::thunder::panelMarks(tb534, p + 1, entries[size_t(p)], offsets))
                expected.push_back({m.left, m.top, ds::TicketMarkWidth, ds::TicketMarkHeight});
        ASSERT_EQ(job.pages, std::vector<std::vector<ds::PageMark>>{expected}) << bytes;
        for (const ds::PageMark &m : job.pages[0])
            EXPECT_TRUE(m.left >= 0 && m.top >= 0 && m.left + m.width <= job.widthTwips
                        && m.top + m.height <= job.heightTwips)
                << bytes << ": mark at " << m.left << ", " << m.top;
    }
    EXPECT_EQ(fakes.dialogs.busyCount, 2);

    // One twip past a limit, the saved setting is refused and nothing prints.
    for (const char *bytes : {"9f20b801", "6ffe46fb", "9e20b901", "70fe45fb"}) {
        dir.write("prnt.dat", QByteArray::fromHex(bytes));
        fakes.dialogs.clear();
        fakes.printer.jobs.clear();
        trigger(&w(), "mnutickets");
        EXPECT_TRUE(fakes.printer.jobs.empty()) << bytes;
        EXPECT_EQ(fakes.dialogs.messages,
                  QStringList{"The saved ticket offsets would put marks off the slip. Set them with a test ticket "
                              "in Ticket Printing (File Manager > Print Tickets) and save them again."})
            << bytes;
    }
}

class ThunderMenuTest : public MainFixture {};

// "Download Results" gives its message, then opens the download; "Update
// Results" fetches the file over the window, which shows what it brought;
// "Export Results..." writes the results in date order.
TEST_F(ThunderMenuTest, DownloadUpdateAndExportResults)
{
    dir.write("thresult.exe", thRec(1, 0, 1, 5, 2010, {1, 2, 3, 4, 5}, 6));
    fakes.clock.date = QDate(2010, 5, 8);
    start();
    trigger(window.get(), "mnuthunder");
    QWidget *form20 = topLevel("Form20");
    fakes.dialogs.clear();
    trigger(form20, "mnuDr");
    const QStringList &log = fakes.dialogs.log;
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(fakes.dialogs.news.size(), 1);
    EXPECT_TRUE(log[0].startsWith("message: ") && log[0].contains("Import Results...")) << log[0].toStdString();
    EXPECT_TRUE(log[1].startsWith("open: ") && log[1].contains("thunderball", Qt::CaseInsensitive));

    fakes.dialogs.clear();
    trigger(form20, "mnuUpdateTB");
    EXPECT_EQ(fakes.transfer.started,
              QStringList{"https://www.national-lottery.co.uk/results/thunderball/draw-history/csv"});
    QWidget *progress = topLevel("frmUpdate");
    ASSERT_TRUE(progress && progress->isVisible());
    EXPECT_EQ(progress->parentWidget(), form20);
    ds::TransferOutcome o;
    o.kind = ds::TransferOutcome::Kind::Fetched;
    o.body = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunder Ball,Ball Set,Machine,DrawNumber\r\n"
             "08-May-2010,34,1,2,3,4,14,1,Excalibur,999\r\n"
             "01-May-2010,1,2,3,4,5,6,1,Excalibur,998\r\n";
    fakes.transfer.finish(o);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(fakes.dialogs.news, QStringList{"1 result added, 1 already in the results file, 0 skipped.\n"
                                              "Newest result now stored: 8/5/2010."});
    EXPECT_EQ(dir.read("thresult.exe"),
              thRec(2, 0, 1, 5, 2010, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 8, 5, 2010, {1, 2, 3, 4, 34}, 14));
    // The window opened on 8 May, which now has its result.
    EXPECT_EQ(ballLabels(form20), (QStringList{" 1", " 2", " 3", " 4", "34", "14"}));

    fakes.dialogs.clear();
    fakes.dialogs.answerFile(dir.file("tb.csv"));
    trigger(form20, "mnuExportTB");
    EXPECT_TRUE(fakes.dialogs.proposed.value(0).endsWith("/Thunderball results.csv"));
    EXPECT_EQ(fakes.dialogs.news, QStringList{"2 results exported to " + dir.file("tb.csv") + "."});
    EXPECT_EQ(dir.read("tb.csv"), "date,n1,n2,n3,n4,n5,thunderball\n2010-05-01,1,2,3,4,5,6\n2010-05-08,1,2,3,4,34,14\n");
}

namespace {

enum class CloseBy { Button, Escape, TitleBar };

// A window of the Thunderball manager: its Close or Quit button, the window it
// was opened over, what opens it on the Thunderball window ("" none, "mnu..." a
// menu entry) and its default button ("" none).
struct ThunderChild {
    const char *form;
    const char *closeButton;
    const char *opener;
    const char *action;
    const char *defaultButton;
};

const ThunderChild Children[] = {
    {"Form20", "Command1", "Form1", "", ""},
    {"Form21", "Command2", "Form20", "Command2", "Command1"},
    {"Form22", "Command1", "Form20", "Command5", ""},
    {"Form23", "Command1", "Form20", "mnuStats", ""},
    {"Form26", "Command1", "Form23", "mnuStats", ""}, // then a row of the chart
    {"Form25", "Command9", "Form20", "mnuDispResults", ""},
};

} // namespace

class ThunderChildClose : public ThunderMenuTest, public ::testing::WithParamInterface<std::tuple<int, CloseBy>> {};

TEST_P(ThunderChildClose, GivesTheOpenerBack)
{
    const ThunderChild &c = Children[std::get<0>(GetParam())];
    dir.write("thresult39.exe", thRec(1, 0, 12, 12, 2026, {4, 5, 6, 20, 21}, 7));
    start();
    trigger(window.get(), "mnuthunder");
    if (c.action[0] == 'm')
        trigger(topLevel("Form20"), c.action);
    else if (c.action[0])
        click(topLevel("Form20"), c.action);
    if (QLatin1String(c.form) == QLatin1String("Form26"))
        topLevel<ds::ThunderStatistics>("Form23")->clickRow(5);
    QWidget *child = topLevel(c.form);
    ASSERT_TRUE(child && child->isVisible()) << c.form;
    QWidget *back = QLatin1String(c.opener) == QLatin1String("Form1") ? window.get() : topLevel(c.opener);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(!back->isEnabled() || back->isMinimized()) << c.form << " left its opener usable";
    QStringList defaults;
    for (QPushButton *b : child->findChildren<QPushButton *>()) {
        EXPECT_FALSE(b->autoDefault()) << c.form << " " << b->objectName().toStdString();
        if (b->isDefault() && b->isVisibleTo(child))
            defaults << b->objectName();
    }
    EXPECT_EQ(defaults.join(","), QString::fromLatin1(c.defaultButton)) << c.form;

    const CloseBy by = std::get<1>(GetParam());
    if (by == CloseBy::Button)
        click(child, c.closeButton);
    else if (by == CloseBy::Escape)
        QTest::keyClick(child, Qt::Key_Escape);
    else
        child->close();
    EXPECT_FALSE(child->isVisible()) << c.form;
    EXPECT_TRUE(back->isVisible()) << c.form;
    EXPECT_TRUE(back->isEnabled()) << c.form;
    EXPECT_FALSE(back->isMinimized()) << c.form;
}

INSTANTIATE_TEST_SUITE_P(EveryWindowAndPath, ThunderChildClose,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(Children))),
                                            ::testing::Values(CloseBy::Button, CloseBy::Escape, CloseBy::TitleBar)));
