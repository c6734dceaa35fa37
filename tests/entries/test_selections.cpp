#include "support/mainfixture.h"

using namespace dstest;

namespace {

const QByteArray Key("05061999");
const QByteArray Empty = entryRecord(QByteArray(8, '\0'), {0, 0, 0, 0, 0, 0});

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
