#include "support/mainfixture.h"

#include <QDir>
#include <QFile>

using namespace dstest;

namespace {
const QByteArray Key("05061999");
const QByteArray Uk = entryRecord(Key, {1, 2, 3, 4, 5, 6}) + entryRecord(Key, {7, 8, 9, 10, 11, 12});
const QByteArray Ir = entryRecord(Key, {13, 14, 15, 16, 17, 18});
const QString NotCreated = "You have not created a standing entry, use the Change command, set up your entries and then use Save as Standing Entry.";
} // namespace

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
