// The statistics windows over the real UK history the program ships, built by
// the program's own import from the shipped results file.
#include "thunderball/resultsimport.h"
#include "statistics/chartswindow.h"
#include "support/mainfixture.h"
#include "widgets/barchart.h"

#include <QComboBox>
#include <QGroupBox>
#include <QFile>
#include <map>

using namespace dstest;

class ShippedStatsTest : public MainFixture {
protected:
    // Imports shipped results files into the program folder; the draws added.
    int import(ds::Game game, std::initializer_list<const char *> csvs)
    {
        int added = 0;
        for (const char *csv : csvs) {
            const ds::ImportReport r = ds::importResultsFile(
                QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/") + QLatin1String(csv), game, dir.path());
            EXPECT_TRUE(r.succeeded() && r.skipped == 0) << r.text().toStdString();
            added += r.added;
        }
        return added;
    }
    // The hot ball and its count as the Hot 6 shows them.
    static QStringList hot(qint64 ball, qint64 count) { return {QString::number(ball), QString::number(count)}; }
};

namespace {

// The most drawn main number of the rows of results files and its count,
// the lower number first on a tie, read straight from the files; with an
// era, only the rows its `era` column names.
std::pair<int, int> mostDrawn(const QStringList &files, const QByteArray &eraColumn = {})
{
    std::map<int, int> counts;
    for (const QString &name : files) {
        QFile f(QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/") + name);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QList<QByteArray> lines = f.readAll().split('\n');
        const QList<QByteArray> header = lines.value(0).trimmed().split(',');
        const qsizetype first = header.indexOf("n1");
        const qsizetype era = header.indexOf("era");
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> fields = lines[i].trimmed().split(',');
            if (!eraColumn.isEmpty() && fields.value(era) != eraColumn)
                continue;
            for (qsizetype k = first; fields.size() > first + 5 && k < first + 6; ++k)
                ++counts[fields[k].toInt()];
        }
    }
    std::pair<int, int> best{0, 0};
    for (const auto &[ball, count] : counts)
        if (count > best.second)
            best = {ball, count};
    return best;
}

} // namespace

// "UK Stats" and "Irish Stats" open on the newest era; the era picker lists
// the game's eras, newest first, and every figure follows the era chosen,
// never mixing them: in the 6 from 49 number 23 was drawn 282 times as a main
// number; the 6 from 47 counts both draws of each of its dates, and nothing
// of the eras around it.
TEST_F(ShippedStatsTest, EachEraHasItsOwnFiguresAndTheNewestOpensFirst)
{
    ASSERT_EQ(import(ds::Game::UK, {"uk_lotto_649.csv"}), 2065);
    import(ds::Game::UK, {"uk_lotto_659.csv", "uk_lotto_659_two_rounds.csv"});
    import(ds::Game::Irish, {"irish_lotto_642.csv", "irish_lotto_645_647.csv"});
    const auto [ball59, count59] = mostDrawn({"uk_lotto_659.csv", "uk_lotto_659_two_rounds.csv"});
    const auto [ball49, count49] = mostDrawn({"uk_lotto_649.csv"});
    const auto [ball47, count47] = mostDrawn({"irish_lotto_645_647.csv"}, "647-2015");
    const auto [ball45, count45] = mostDrawn({"irish_lotto_645_647.csv"}, "645-2026");
    start();
    trigger(&w(), "mnuUKstats");
    QWidget *form4 = topLevel("Form4");
    ASSERT_NE(form4, nullptr);
    auto *era = child<QComboBox>(form4, "ComboEra");
    ASSERT_EQ(era->count(), 2);
    EXPECT_EQ(era->itemText(0), "6 from 59 (from 10/10/2015)");
    EXPECT_EQ(era->itemText(1), "6 from 49 (19/11/1994 to 7/10/2015)");
    EXPECT_EQ(era->currentIndex(), 0);
    click(form4, "Command2");
    EXPECT_EQ(boxTexts(form4, {8, 1}), hot(ball59, count59));
    click(form4, "Command7"); // Indepth Analysis: 59 balls
    auto *charts = topLevel<ds::ChartsWindow>("Form8");
    EXPECT_EQ(charts->chart()->rowCount(), 59);
    charts->clickRow(59);
    EXPECT_EQ(child<QGroupBox>(topLevel("Form6"), "Frame1")->title(), "Statistics for Ball 59");
    click(topLevel("Form6"), "Command1");
    click(charts, "Command1");

    era->setCurrentIndex(1);
    emit era->activated(1);
    EXPECT_TRUE(child<QLineEdit>(form4, "Text8")->text().isEmpty()); // the other era's figures are gone
    click(form4, "Command2");
    EXPECT_EQ(boxTexts(form4, {8, 1}), hot(ball49, count49));
    click(form4, "Command7");
    EXPECT_EQ(charts->chart()->rowCount(), 49);
    charts->clickRow(23);
    EXPECT_EQ(boxTexts(topLevel("Form6"), {2, 1}), (QStringList{"282", QString::number(qRound64(2065 * 6 / 49.0))}));
    click(topLevel("Form6"), "Command1");
    click(charts, "Command1");
    click(form4, "Command1");

    trigger(&w(), "mnuIreland");
    trigger(&w(), "mnuIRstats");
    form4 = topLevel("Form4");
    era = child<QComboBox>(form4, "ComboEra");
    ASSERT_EQ(era->count(), 4);
    EXPECT_EQ(era->itemText(0), "6 from 45 (from 5/9/2026)");
    EXPECT_EQ(era->itemText(1), "6 from 47 (5/9/2015 to 2/9/2026)");
    EXPECT_EQ(era->itemText(2), "6 from 45 (4/11/2006 to 2/9/2015)");
    EXPECT_EQ(era->itemText(3), "6 from 42 (24/9/1994 to 1/11/2006)");
    EXPECT_EQ(era->currentIndex(), 0);
    click(form4, "Command2");
    EXPECT_EQ(boxTexts(form4, {8, 1}), hot(ball45, count45));

    era->setCurrentIndex(1);
    emit era->activated(1);
    click(form4, "Command2");
    EXPECT_EQ(boxTexts(form4, {8, 1}), hot(ball47, count47));
    click(form4, "Command7"); // Indepth Analysis: 47 balls over 2 x 1,148 draws
    charts = topLevel<ds::ChartsWindow>("Form8");
    EXPECT_EQ(charts->chart()->rowCount(), 47);
    charts->clickRow(ball47);
    EXPECT_EQ(boxTexts(topLevel("Form6"), {2, 1}), hot(count47, qRound64(2 * 1148 * 6 / 47.0)));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << fakes.dialogs.messages.join(' ').toStdString();
}
