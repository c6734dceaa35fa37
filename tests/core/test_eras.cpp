// Every era of the table against what its game's rules were: a new era is
// tested by being added (and by giving it its row below).
#include "core/drawhistory.h"
#include "core/games.h"
#include "core/tiers.h"
#include "entries/suggest.h"
#include "statistics/drawstats.h"
#include "thunderball/autoadd.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderstats.h"
#include "thunderball/resultsimport.h"
#include "wheels/wheelsuggest.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

using namespace ds;

namespace {

// The rules of each era as the game's published rules give them. Tier lists:
// one text per list, "from YYYYMMDD draw N £|€:" then each tier as
// "main+extra label [prize] box".
struct EraRow {
    Game game;
    Ymd first, last;
    const char *name;
    int mainCount, mainLimit, extraLimit;
    bool extraOwnPool;
    const char *file;
    QStringList tierLists;
};

const EraRow Rows[] = {
    {Game::UK, 19941119, 20151007, "6 from 49", 6, 49, 49, false, "UK.exe",
     {"from 19941119 draw 0 £: 6? (6 Match) [] 4 | 5+ (5 + Bonus) [] 5 | 5- (5 Match) [] 3 | 4? (4 Match) [] 2 "
      "| 3? (3 Match) [] 1"}},
    {Game::UK, 20151010, StillDrawn, "6 from 59", 6, 59, 59, false, "UK59.exe",
     {"from 20151010 draw 0 £: 6? (6 Match) [Jackpot] 4 | 5+ (5 + Bonus) [Shared prize] 5 "
      "| 5- (5 Match) [Shared prize] 3 | 4? (4 Match) [Shared prize] 2 | 3? (3 Match) [£25] 1 "
      "| 2? (2 Match) [Lucky Dip] 10",
      "from 20181121 draw 0 £: 6? (6 Match) [Jackpot] 4 | 5+ (5 + Bonus) [£1,000,000] 5 "
      "| 5- (5 Match) [£1,750] 3 | 4? (4 Match) [£140] 2 | 3? (3 Match) [£30] 1 | 2? (2 Match) [Lucky Dip] 10",
      "from 20260610 draw 0 £: 6? (6 Match) [Jackpot] 4 | 5+ (5 + Bonus) [£1,000,000] 5 "
      "| 5- (5 Match) [£1,000] 3 | 4? (4 Match) [£50] 2 | 3? (3 Match) [£10] 1 | 2? (2 Match) [£1] 10"}},
    {Game::Irish, 19940924, 20061101, "6 from 42", 6, 42, 42, false, "IR.exe",
     {"from 19940924 draw 0 €: 6? (6 Match) [] 4 | 5+ (5 + Bonus) [] 5 | 5- (5 Match) [] 3 | 4+ (4 + Bonus) [] 6 "
      "| 4- (4 Match) [] 2 | 3+ (3 + Bonus) [] 7"}},
    {Game::Irish, 20061104, 20150902, "6 from 45", 6, 45, 45, false, "IR45.exe",
     {"from 20061104 draw 1 €: 6? (6 Match) [Jackpot] 4 | 5+ (5 + Bonus) [€25,000] 5 "
      "| 5- (5 Match) [Shared prize] 3 | 4+ (4 + Bonus) [Shared prize] 6 "
      "| 4- (4 Match) [Shared prize] 2 | 3+ (3 + Bonus) [Shared prize] 7 | 3- (3 Match) [€5] 1",
      "from 20061104 draw 2 €: 6? (6 Match) [Prize] 4 | 5+ (5 + Bonus) [Prize] 5 "
      "| 5- (5 Match) [Prize] 3 | 4+ (4 + Bonus) [Prize] 6 | 4- (4 Match) [Prize] 2 "
      "| 3+ (3 + Bonus) [Prize] 7 | 3- (3 Match) [Prize] 1"}},
    {Game::Irish, 20150905, 20260902, "6 from 47", 6, 47, 47, false, "IR47.exe",
     {"from 20150905 draw 1 €: 6? (6 Match) [Jackpot] 4 | 5+ (5 + Bonus) [Shared prize] 5 "
      "| 5- (5 Match) [Shared prize] 3 | 4+ (4 + Bonus) [Shared prize] 6 "
      "| 4- (4 Match) [Shared prize] 2 | 3+ (3 + Bonus) [Shared prize] 7 "
      "| 3- (3 Match) [Shared prize] 1 | 2+ (2 + Bonus) [Free prize] 11",
      "from 20150905 draw 2 €: 6? (6 Match) [€500,000] 4 | 5+ (5 + Bonus) [Prize] 5 "
      "| 5- (5 Match) [Prize] 3 | 4+ (4 + Bonus) [Prize] 6 | 4- (4 Match) [Prize] 2 "
      "| 3+ (3 + Bonus) [Prize] 7 | 3- (3 Match) [Prize] 1",
      "from 20180901 draw 2 €: 6? (6 Match) [€1,000,000] 4 | 5+ (5 + Bonus) [Prize] 5 "
      "| 5- (5 Match) [€500] 3 | 4+ (4 + Bonus) [Prize] 6 | 4- (4 Match) [Prize] 2 "
      "| 3+ (3 + Bonus) [Prize] 7 | 3- (3 Match) [€3] 1 | 2+ (2 + Bonus) [Free prize] 11"}},
    {Game::Irish, 20260905, StillDrawn, "6 from 45", 6, 45, 45, false, "IR45b.exe",
     {"from 20260905 draw 1 €: 6? (6 Match) [Jackpot] 4 | 5+ (5 + Bonus) [Shared prize] 5 "
      "| 5- (5 Match) [Shared prize] 3 | 4+ (4 + Bonus) [Shared prize] 6 "
      "| 4- (4 Match) [Shared prize] 2 | 3+ (3 + Bonus) [Shared prize] 7 | 3- (3 Match) [Prize] 1 "
      "| 2+ (2 + Bonus) [Prize] 11",
      "from 20260905 draw 2 €: 6? (6 Match) [Prize] 4 | 5+ (5 + Bonus) [Prize] 5 "
      "| 5- (5 Match) [Prize] 3 | 4+ (4 + Bonus) [Prize] 6 | 4- (4 Match) [Prize] 2 "
      "| 3+ (3 + Bonus) [Prize] 7 | 3- (3 Match) [Prize] 1 | 2+ (2 + Bonus) [Prize] 11"}},
    {Game::Thunderball, 19990612, 20100508, "5 from 34", 5, 34, 14, true, "thresult.exe",
     {"from 19990612 draw 0 £: 5+ 5 + TB £250000 [£250,000] 0 | 5- 5        £5000 [£5,000] 0 "
      "| 4+ 4 + TB    £250 [£250] 0 | 4- 4         £100 [£100] 0 | 3+ 3 + TB     £20 [£20] 0 "
      "| 3- 3          £10 [£10] 0 | 2+ 2 + TB     £10 [£10] 0 | 1+ 1 + TB      £5 [£5] 0"}},
    {Game::Thunderball, 20100512, StillDrawn, "5 from 39", 5, 39, 14, true, "thresult39.exe",
     {"from 20100512 draw 0 £: 5+ 5 + TB £500000 [£500,000] 0 | 5- 5        £5000 [£5,000] 0 "
      "| 4+ 4 + TB    £250 [£250] 0 | 4- 4         £100 [£100] 0 | 3+ 3 + TB     £20 [£20] 0 "
      "| 3- 3          £10 [£10] 0 | 2+ 2 + TB     £10 [£10] 0 | 1+ 1 + TB      £5 [£5] 0 "
      "| 0+ 0 + TB      £3 [£3] 0"}},
};

QString describe(const TierList &list)
{
    QStringList tiers;
    for (const Tier &t : list.tiers) {
        const char extra = t.extra == Extra::Required ? '+' : t.extra == Extra::Excluded ? '-' : '?';
        tiers << QStringLiteral("%1%2 %3 [%4] %5")
                     .arg(t.main)
                     .arg(QLatin1Char(extra))
                     .arg(QString::fromUtf8(t.label), prizeText(t.prize, list.currency))
                     .arg(t.box);
    }
    return QStringLiteral("from %1 draw %2 %3: ")
               .arg(list.from)
               .arg(list.draw)
               .arg(list.currency == Currency::Euro ? QStringLiteral("€") : QStringLiteral("£"))
        + tiers.join(QStringLiteral(" | "));
}

// A results file of the era's game holding one line: the era's first date,
// its highest main numbers and an extra ball.
QByteArray oneLineCsv(const Era &era)
{
    QStringList header{QStringLiteral("date")};
    QStringList line{dateOf(era.first).toString(Qt::ISODate)};
    if (std::ranges::any_of(erasOf(era.game), [](const Era &e) { return e.mostDraws() > 1; })) {
        header << QStringLiteral("draw");
        line << QStringLiteral("1");
    }
    for (int k = 0; k < era.mainCount; ++k) {
        header << QStringLiteral("n%1").arg(k + 1);
        line << QString::number(era.mainLimit - k);
    }
    const bool thunder = gameInfo(era.game).format == ResultsFormat::Thunder;
    header << (thunder ? QStringLiteral("thunderball") : QStringLiteral("bonus"));
    line << QString::number(thunder ? era.extraLimit : 1);
    return (header.join(QLatin1Char(',')) + QLatin1Char('\n') + line.join(QLatin1Char(',')) + QLatin1Char('\n'))
        .toLatin1();
}

class EveryEra : public ::testing::TestWithParam<size_t> {
protected:
    const Era &era() const { return allEras()[GetParam()]; }
};

} // namespace

TEST_P(EveryEra, HasTheRulesOfItsGame)
{
    const Era &e = era();
    const auto row = std::ranges::find_if(Rows, [&e](const EraRow &r) { return r.game == e.game && r.first == e.first; });
    ASSERT_NE(row, std::end(Rows)) << "an era without its row: " << e.name;
    EXPECT_EQ(e.last, row->last);
    EXPECT_STREQ(e.name, row->name);
    EXPECT_EQ(e.mainCount, row->mainCount);
    EXPECT_EQ(e.mainLimit, row->mainLimit);
    EXPECT_EQ(e.extraLimit, row->extraLimit);
    EXPECT_EQ(e.extraOwnPool, row->extraOwnPool);
    EXPECT_STREQ(e.historyFile, row->file);
    QStringList lists;
    for (const TierList &l : e.tierLists)
        lists << describe(l);
    EXPECT_EQ(lists, row->tierLists);
}

TEST_P(EveryEra, HoldsItsDatesAndNoOther)
{
    const Era &e = era();
    EXPECT_EQ(&eraOn(e.game, e.first), &e);
    EXPECT_EQ(&eraOn(e.game, e.stillDrawn() ? ymd(2999, 12, 31) : e.last), &e);
    EXPECT_EQ(eraCovering(e.game, e.first), &e);
    EXPECT_NE(eraCovering(e.game, ymdOf(dateOf(e.first).addDays(-1))), &e);
    if (!e.stillDrawn()) {
        EXPECT_NE(eraCovering(e.game, ymdOf(dateOf(e.last).addDays(1))), &e);
    }
}

// The era's highest balls, imported, go to its own file, are counted and can
// be suggested.
TEST_P(EveryEra, ItsHighestBallsAreImportedIntoItsOwnFileCountedAndSuggested)
{
    const Era &e = era();
    const auto index = static_cast<size_t>(&e - erasOf(e.game).data());
    EraFiles files;
    const ImportReport r = mergeResults(oneLineCsv(e), e.game, files);
    ASSERT_EQ(r.added, 1) << r.text().toStdString();
    ASSERT_EQ(files.size(), erasOf(e.game).size());
    for (size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(files[i].isEmpty(), i != index) << "era " << i;
    const QByteArray &bytes = files[index];
    if (gameInfo(e.game).format == ResultsFormat::Thunder) {
        const std::vector<ThunderResult> results{decodeThunderRecord(bytes.left(22))};
        EXPECT_EQ(thunder::mainCounts(results, e)[static_cast<size_t>(e.mainLimit)], 1);
        EXPECT_EQ(thunder::thunderballCounts(results, e)[static_cast<size_t>(e.extraLimit)], 1);
        // The pool holds every number once and those of the result: the
        // random draws that fill it are asked for nothing above the limits.
        const thunder::AutoAddPool pool = thunder::buildAutoAddPool(results, e, [] { return 0.5; });
        EXPECT_EQ(*std::max_element(pool.main.begin(), pool.main.end()), e.mainLimit);
        EXPECT_EQ(*std::max_element(pool.thunderball.begin(), pool.thunderball.end()), e.extraLimit);
        return;
    }
    DrawHistory h;
    h.setBytes(bytes);
    const std::vector<Draw> draws = h.draws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(mainBallCounts(draws, e.mainLimit)[static_cast<size_t>(e.mainLimit)], 1);
    EXPECT_EQ(wheels::ballCounts(draws, e.mainLimit)[static_cast<size_t>(e.mainLimit)], 1);
    const suggest::SelectionPool pool = suggest::buildSelectionPool(draws, e.mainLimit);
    const auto used = std::span(pool.balls).subspan(1, static_cast<size_t>(pool.size));
    EXPECT_EQ(*std::max_element(used.begin(), used.end()), e.mainLimit);
    EXPECT_EQ(std::count(used.begin(), used.end(), e.mainLimit), 2); // once as a ball, once from the draw
}

INSTANTIATE_TEST_SUITE_P(Table, EveryEra, ::testing::Range<size_t>(0, allEras().size()),
                         [](const auto &info) {
                             const Era &e = allEras()[info.param];
                             return QStringLiteral("%1_%2_%3")
                                 .arg(gameInfo(e.game).displayName(), e.displayName())
                                 .arg(e.first / 10000)
                                 .replace(QLatin1Char(' '), QLatin1Char('_'))
                                 .toStdString();
                         });
