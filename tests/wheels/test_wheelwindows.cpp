// The wheel windows on their own, with the platform fakes; the Wheels menu and the checks against
// previous draws, from the main window.
#include "core/dates.h"
#include "entries/rangecheck.h"
#include "support/fakes.h"
#include "support/mainfixture.h"
#include "support/testfolder.h"
#include "support/widgets.h"
#include "wheels/wheelsuggest.h"
#include "wheels/wheelwindow.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>

using namespace dstest;
using namespace ds;

namespace {

const QByteArray Blank(8, '\0');

const QByteArray History = historyFile({
    drawRecord("06031999", {3, 7, 12, 21, 30, 45}, 9),
    drawRecord("13031999", {3, 7, 12, 40, 41, 42}, 44),
});

class WheelWindowTest : public ::testing::Test {
protected:
    void open(int guarantee, const QString &country = QStringLiteral("UK"))
    {
        state.programFolder = dir.path();
        state.countryCode = country;
        window = std::make_unique<WheelWindow>(wheels::wheelKind(guarantee), state, fakes.platform());
        window->show();
        saved = std::make_unique<QSignalSpy>(window.get(), &WheelWindow::wheelSaved);
    }
    void typeGroup(const QStringList &numbers)
    {
        for (int i = 0; i < numbers.size(); ++i)
            window->numberBox(i + 1)->setText(numbers[i]);
    }
    QString entries() { return child<QLineEdit>(window.get(), "Text1")->text(); }

    TestFolder dir;
    FakePlatform fakes;
    AppState state;
    std::unique_ptr<WheelWindow> window;
    std::unique_ptr<QSignalSpy> saved;
};

} // namespace

TEST_F(WheelWindowTest, SaveRefusesAtTheBoxAtFaultWritesTheWheelTheGroupSizeSetsTheBoxesSuggestFillsThemOrSaysWhyNot)
{
    dir.write(QStringLiteral("J6.dat"), QByteArray::fromHex("0100020003000400050006000100")); // positions 1..6
    open(6, QStringLiteral("IR"));
    QApplication::setActiveWindow(window.get());
    typeGroup({"1", "2", "46", "4", "5", "6"}); // the wheels run to 45 // the refusals are WheelGroup.RefusalsAndSorting's
    click(window.get(), "Command1");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{QStringLiteral("One or more of your numbers are invalid")});
    EXPECT_EQ(QApplication::focusWidget(), window->numberBox(3));
    EXPECT_FALSE(dir.exists(QStringLiteral("IRwheel6.lot")));

    typeGroup({"45", "7", "12", "3", "30", "22"});
    click(window.get(), "Command1");
    EXPECT_EQ(fakes.dialogs.news, QStringList{QStringLiteral("Wheel Saved")});
    EXPECT_EQ(dir.read(QStringLiteral("IRwheel6.lot")), entryRecord(QByteArray(8, '\0'), {3, 7, 12, 22, 30, 45}));
    EXPECT_EQ(saved->count(), 1);
    // Enter in a number box saves too.
    typeGroup({"1", "2", "3", "4", "5", "6"});
    window->numberBox(6)->setFocus();
    QTest::keyClick(window->numberBox(6), Qt::Key_Return);
    EXPECT_EQ(saved->count(), 2);

    // A missing table is a failure (the old wheel file is kept: WheelSave.FailuresLeaveTheOldWheelFile).
    fakes.dialogs.clear();
    open(5);
    typeGroup({"1", "2", "3", "4", "5", "6", "7", "8"});
    click(window.get(), "Command1");
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages[0].contains(QStringLiteral("58.dat")));
    EXPECT_TRUE(fakes.dialogs.news.isEmpty());
    EXPECT_EQ(saved->count(), 0);

    // A shortfall is news: every ball drawn equally often, none is cold.
    QByteArray b = countRecord(56);
    for (int i = 0; i < 56; ++i) {
        const int f = 1 + 6 * (i % 7);
        b += drawRecord(dateKey(1 + i % 28, 1 + i / 28, 2000).toLatin1().constData(), {f, f + 1, f + 2, f + 3, f + 4, f + 5}, 43);
    }
    dir.write(QStringLiteral("IR45b.exe"), b); // the newest era's history
    open(4, QStringLiteral("IR"));
    click(window.get(), "Command3");
    EXPECT_EQ(fakes.dialogs.news, QStringList{"Only 5 of the 7 numbers could be suggested: too few balls in the draw history "
                                                "qualify. Choose the other numbers yourself."});
    EXPECT_FALSE(window->numberBox(5)->text().isEmpty());
    EXPECT_TRUE(window->numberBox(6)->text().isEmpty());

    // The group size sets the entries and the boxes. The newest era's history is the one Suggest
    // reads: the 6 from 49's draws do not count.
    fakes.dialogs.clear();
    dir.write(QStringLiteral("UK.exe"), syntheticHistory(300));
    dir.write(QStringLiteral("UK59.exe"), syntheticHistory(51));
    open(6);
    EXPECT_EQ(entries(), QStringLiteral("1")); // it opens on the smallest group, of 6
    typeGroup({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"});
    auto *size = child<QComboBox>(window.get(), "Combo1");
    size->setCurrentIndex(size->findText(QStringLiteral(" 9")));
    EXPECT_EQ(entries(), QStringLiteral("84"));
    EXPECT_TRUE(window->numberBox(9)->isEnabled());
    EXPECT_FALSE(window->numberBox(10)->isEnabled());
    EXPECT_EQ(window->numberBox(10)->text(), QStringLiteral("10")); // a disabled box keeps its text
    // Too short a history: refused, the boxes kept.
    click(window.get(), "Command3");
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{QStringLiteral("Insufficient entries in the results file! You should choose your own numbers.")});
    EXPECT_EQ(window->numberBox(8)->text(), QStringLiteral("8"));
    // A history that cannot be read: said so, the boxes kept.
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("UK59.exe"))) && QDir(dir.path()).mkdir(QStringLiteral("UK59.exe")));
    click(window.get(), "Command3");
    EXPECT_EQ(fakes.dialogs.messages.last(), QStringLiteral("The draw history file could not be read."));
    EXPECT_EQ(window->numberBox(8)->text(), QStringLiteral("8"));
    QDir(dir.path()).rmdir(QStringLiteral("UK59.exe"));
    fakes.dialogs.clear();
    dir.write(QStringLiteral("UK59.exe"), syntheticHistory(300, 59));
    click(window.get(), "Command3");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << fakes.dialogs.messages.join(' ').toStdString();
    const QStringList group = boxTexts(window.get(), {2, 3, 4, 5, 6, 7, 8, 9, 10}); // number boxes 1 to 9
    EXPECT_FALSE(group.contains(QString()) || group == (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_TRUE(window->numberBox(10)->text().isEmpty()); // every box emptied first
}

class WheelMenuTest : public MainFixture {
protected:
    QString text(const char *name) { return child<QLineEdit>(&w(), name)->text(); }
    QListWidget *selections() { return child<QListWidget>(&w(), "List2"); }
    // A selections file open in maintain mode, so that leaving it shows.
    void openSelections()
    {
        dir.write("UK05061999.lot", entryRecord("05061999", {1, 2, 3, 4, 5, 6}));
        chooseSelections(5, 6, 1999);
        click(&w(), "Command3"); // Maintain
    }
};

TEST_F(WheelMenuTest, SubmenusSayWhatTheyGuaranteeNewLeavesMaintainModeAndSavingEmptiesTheSelections)
{
    dir.write("J6.dat", QByteArray::fromHex("0100020003000400050006000100")); // one line: positions 1..6
    start();
    // The submenus keep their numbers; pointing at one says what the number is.
    const struct {
        const char *menu;
        const char *caption;
        const char *tip;
    } menus[] = {
        {"mnu6", "6", "Wheels that guarantee a 6-number match: if any 6 of your chosen numbers are drawn, at least "
                      "one line matches 6 (the jackpot)."},
        {"mnu5", "5", "Wheels that guarantee a 5-number match: if any 5 of your chosen numbers are drawn, at least "
                      "one line matches 5."},
        {"mnu4", "4", "Wheels that guarantee a 4-number match: if any 4 of your chosen numbers are drawn, at least "
                      "one line matches 4."},
        {"mnu3wheel", "3", "Wheels that guarantee a 3-number match: if any 3 of your chosen numbers are drawn, at "
                           "least one line matches 3."},
    };
    for (const auto &m : menus) {
        QAction *entry = child<QMenu>(&w(), m.menu)->menuAction();
        EXPECT_EQ(entry->text().remove(QLatin1Char('&')), m.caption); // the mnemonic marker aside
        entry->showStatusText(w().menuBar()); // as a menu opened from the bar does when it is pointed at
        EXPECT_EQ(w().statusBar()->currentMessage(), m.tip);
    }

    openSelections();
    trigger(&w(), "mnuWheel1");
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4")));
    type(topLevel("Form10"), "Text2", "7");
    click(topLevel("Form10"), "Command2");
    trigger(&w(), "mnuWheel1");
    QWidget *wheel = topLevel("Form10");
    EXPECT_TRUE(child<QLineEdit>(wheel, "Text2")->text().isEmpty());
    typeBoxes(wheel, {"1", "2", "3", "4", "5", "6"}, 2);
    ASSERT_EQ(selections()->count(), 1);
    click(wheel, "Command1"); // the bytes and the news are the wheel window's test
    EXPECT_EQ(selections()->count(), 0);
    EXPECT_TRUE(text("Text2").isEmpty());
    EXPECT_TRUE(state.currentEntryFile.isEmpty());
}

TEST_F(WheelMenuTest, CheckMenusAskFirstOpenWheelingFileSaysWhyNotAndNoCountryRefuses)
{
    dir.write("UK.exe", History);
    start();
    openSelections();
    fakes.dialogs.answer(false);
    trigger(&w(), "mnucheck");
    EXPECT_EQ(selections()->count(), 1);
    fakes.dialogs.clear();
    fakes.dialogs.answer(true);
    trigger(&w(), "mnuWheelCheck");
    EXPECT_EQ(fakes.dialogs.questions, QStringList{"Existing files will be closed, do you want to continue?"});
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{"You have not created the wheel, first use the New command to create the wheel."});
    // The main window was emptied before the file was looked for.
    EXPECT_EQ(selections()->count(), 0);
    EXPECT_TRUE(state.currentEntryFile.isEmpty());
    // The standing entries in the check window.
    dir.write("StandUK.lot", entryRecord(Blank, {3, 7, 12, 21, 30, 45}) + entryRecord(Blank, {1, 2, 3, 4, 5, 6}));
    fakes.dialogs.answer(true);
    trigger(&w(), "mnucheck");
    QWidget *check = topLevel<QWidget>("Form9");
    ASSERT_NE(check, nullptr);
    click(check, "Command2");
    EXPECT_EQ(child<QLineEdit>(check, "Text4")->text(), QStringLiteral("1")); // the jackpot on 6 March
    click(check, "Command1");

    // Open Wheeling File, then a missing, an unreadable and a damaged wheel file.
    QByteArray wheel;
    for (int i = 0; i < 28; ++i)
        wheel += entryRecord(Blank, {1 + i, 2 + i, 3 + i, 4 + i, 5 + i, 6 + i});
    dir.write("UKwheel6.lot", wheel);
    fakes.dialogs.clear();
    trigger(&w(), "mnuWheelfile");
    EXPECT_EQ(selections()->item(0)->text(), QStringLiteral("01 02 03 04 05 06 ( )"));
    EXPECT_EQ(text("Text2") + text("Text3"), "Wheel628");
    EXPECT_EQ(state.currentEntryFile, dir.file("UKwheel6.lot"));
    trigger(&w(), "mnu4open");
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{"You have not created a wheeling entry, use the 4 new command in the file manager."});
    EXPECT_EQ(state.currentEntryFile, dir.file("UKwheel6.lot"));
    // A wheel file that is there but cannot be read is not one never made.
    QDir(dir.path()).mkdir("UKwheel5.lot");
    fakes.dialogs.clear();
    trigger(&w(), "mnu5open");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The file UKwheel5.lot cannot be read."});
    EXPECT_EQ(state.currentEntryFile, dir.file("UKwheel6.lot"));

    dir.write("IRwheel4.lot", entryRecord(Blank, {1, 2, 3, 4, 5, 48}));
    trigger(&w(), "mnuIreland");
    fakes.dialogs.clear();
    fakes.dialogs.answer(true);
    trigger(&w(), "mnu4check");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The file IRwheel4.lot is damaged: entry 1 is not six different numbers from 1 to 47. "
                                                  "It cannot be checked."});
    EXPECT_FALSE(topLevel("Form9")->isVisible()); // the check window stays closed

    // Without a country the check menus refuse before they ask anything.
    fakes.dialogs.clear();
    state.countryCode.clear();
    trigger(&w(), "mnu3check");
    trigger(&w(), "mnu4check");
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"You must select the UK first", "You must select a Country first"}));
    EXPECT_TRUE(fakes.dialogs.questions.isEmpty());
}
