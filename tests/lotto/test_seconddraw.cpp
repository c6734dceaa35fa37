#include "core/drawhistory.h"
#include "support/mainfixture.h"
#include "thunderball/resultsimport.h"

#include <QLabel>
#include <QPushButton>

using namespace dstest;

namespace {
const QByteArray First = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
const QByteArray Second = drawRecord("05061999", {1, 2, 13, 24, 35, 41}, 8);
const QByteArray Later = drawRecord("12061999", {4, 5, 6, 14, 15, 16}, 17);
const QString Sure = "Are you sure you want to delete this entry? You should only delete an entry if you have made an error in either the date or the draw numbers. If you just want to select another draw and date use the Change button";
} // namespace

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
    dir.write("IR.exe", historyFile({First, Later}));
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
    EXPECT_EQ(dir.read("IR.exe"), historyFile({First, Later}));

    // The boxes keep what they held.
    fakes.dialogs.answer(true);
    click(&w(), "Command14");
    EXPECT_EQ(child<QLineEdit>(form5(), "Text1")->text(), "43");
    enterNumbers({"41", "35", "24", "13", "2", "1", "8"}, form5());
    EXPECT_EQ(dir.read("IR.exe"), historyFile({First, Second, Later}));
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
    EXPECT_EQ(dir.read("IR.exe"), historyFile({First, Second, Later}));
    fakes.dialogs.answer(true);
    click(&w(), "Command6");
    EXPECT_EQ(dir.read("IR.exe"), countRecord(2) + First + Later + Later);
    EXPECT_TRUE(child<QLineEdit>(&w(), "Text1")->text().isEmpty() && hidden(child<QWidget>(&w(), "Shape1")));

    // With no draw on display both buttons refuse.
    click(&w(), "Command14");
    click(&w(), "Command6");
    EXPECT_EQ(fakes.dialogs.messages,
              (QStringList{"There is no current draw date, first use Change below to select or enter the first draw",
                           "There is no entry to delete!"}));

    // Deleting a draw whose date the file no longer holds ends the program.
    chooseDraw(12, 6, 1999);
    dir.write("IR.exe", historyFile({First})); // changed underneath
    fakes.dialogs.clear();
    fakes.dialogs.answer(true);
    click(&w(), "Command6");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There has been an unexpected error. The date has not been found!"});
    EXPECT_EQ(fakes.program.ended, 1);
    EXPECT_EQ(dir.read("IR.exe"), historyFile({First}));
}
