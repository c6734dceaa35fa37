// The statistics windows over the real UK history the program ships, built by
// the program's own import from the shipped results file.
#include "thunderball/resultsimport.h"
#include "statistics/chartswindow.h"
#include "support/mainfixture.h"

using namespace dstest;

class ShippedStatsTest : public MainFixture {};

TEST_F(ShippedStatsTest, NumberTwentyThreeWasDrawn282TimesAsAMainNumber)
{
    const ds::ImportReport report = ds::importResultsFile(
        QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/uk_lotto_649.csv"), ds::Game::UK, dir.path());
    ASSERT_TRUE(report.succeeded()) << report.text().toStdString();
    ASSERT_EQ(report.added, 2065);
    start();
    trigger(&w(), "mnuUKstats");
    QWidget *form4 = topLevel("Form4");
    ASSERT_NE(form4, nullptr);
    EXPECT_TRUE(form4->isVisible());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    click(form4, "Command7"); // Indepth Analysis
    topLevel<ds::ChartsWindow>("Form8")->clickRow(23);
    QWidget *form6 = topLevel("Form6");
    ASSERT_NE(form6, nullptr);
    EXPECT_EQ(child<QLineEdit>(form6, "Text2")->text(), "282");
    EXPECT_EQ(child<QLineEdit>(form6, "Text1")->text(), QString::number(qRound64(2065 * 6 / 49.0)));
}
