#include "support/mainfixture.h"

#include <QRadioButton>

using namespace dstest;

// The check through the main window's controls.
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

namespace {
const QByteArray Key("12061999");
const QByteArray History = historyFile({drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)});
// A damaged entry first: it takes its place in the list, the marks stay on their entries.
const QByteArray Entries = entryRecord(Key, {5, 5, 5, 5, 5, 5}) + entryRecord(Key, {1, 2, 4, 5, 6, 8})
    + entryRecord(Key, {3, 7, 9, 12, 43, 44}) + entryRecord(Key, {3, 7, 12, 42, 43, 44})
    + entryRecord(Key, {3, 7, 9, 42, 43, 44}) + entryRecord(Key, {3, 7, 9, 12, 21, 30});
} // namespace

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
    openWith("I", History, entryRecord(Key, {3, 7, 9, 40, 41, 42}) + entryRecord(Key, {3, 38, 39, 40, 41, 42}));
    child<QRadioButton>(&w(), "Option3")->setChecked(true);
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")), (QStringList{"03 07 09 40 41 42 (2 +Bonus)", "03 38 39 40 41 42 (1)"}));
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"No wins this time!"});
}
