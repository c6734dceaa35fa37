#include "entries/suggest.h"
#include "support/mainfixture.h"

#include <QRadioButton>

using namespace dstest;

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
