// The Wheels menu and the checks against previous draws, from the main window.
#include "entries/rangecheck.h"
#include "widgets/controls.h"
#include "support/mainfixture.h"

#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

using namespace dstest;

namespace {

const QByteArray Blank(8, '\0');

const QByteArray History = historyFile({
    drawRecord("06031999", {3, 7, 12, 21, 30, 45}, 9),
    drawRecord("13031999", {3, 7, 12, 40, 41, 42}, 44),
});

} // namespace

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

    // A damaged wheel file is not checked.
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
