#include "statistics/drawstats.h"
#include "support/testfolder.h"

#include <QString>
#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>

using namespace ds;
using dstest::drawRecord;
using dstest::historyFile;

namespace {

int keyDay = 0;

// A draw on the date key given, or on a fresh one (day numbers count up).
Draw draw(std::array<qint16, 6> main, qint16 bonus = 0, const char *key = nullptr)
{
    const QString fresh = QStringLiteral("%1").arg(++keyDay, 8, 10, QLatin1Char('0'));
    return Draw::make(key ? QString::fromLatin1(key) : fresh, main, bonus);
}

} // namespace

TEST(HotSixAndCoolThree, MostAndLeastFrequentFirstAndEqualCountsGoToTheLowerBall)
{
    const std::vector<Draw> ties = {draw({3, 7, 10, 20, 30, 40}, 1), draw({3, 7, 11, 21, 31, 41}, 2)};
    EXPECT_EQ(hotSix(ties, 49), (std::array<BallCount, 6>{{{3, 2}, {7, 2}, {10, 1}, {11, 1}, {20, 1}, {21, 1}}}));

    // Never drawn balls are the coolest.
    BallCounts counts{};
    for (int b = 1; b <= 49; ++b)
        counts[static_cast<size_t>(b)] = 5;
    counts[40] = counts[12] = 0;
    counts[30] = counts[2] = 2;
    EXPECT_EQ(coolThree(counts, 49), (std::array<BallCount, 3>{{{12, 0}, {40, 0}, {2, 2}}}));
}

TEST(ConsecutivePairs, OnlyNeighbouringFieldsCountAndTiesGoToTheLowerPair)
{
    PairCounts expected{};
    expected[10] = expected[11] = 1;
    EXPECT_EQ(consecutivePairCounts(std::vector<Draw>{draw({3, 10, 11, 12, 30, 41})}, 49), expected);

    const std::vector<Draw> none = {
        draw({3, 10, 12, 30, 41, 45}),  // 10 and 12 without 11
        draw({11, 10, 20, 30, 40, 44}), // 11 before 10
        draw({10, 20, 11, 30, 40, 44}), // 10 and 11 not neighbours
    };
    EXPECT_EQ(consecutivePairCounts(none, 49), PairCounts{});
    EXPECT_EQ(mostFrequentPair(none, 49), (PairCount{0, 0}));

    const std::vector<Draw> tied = {
        draw({30, 31, 40, 41, 45, 47}), draw({2, 30, 31, 35, 40, 41}), draw({5, 6, 20, 22, 24, 26})};
    EXPECT_EQ(mostFrequentPair(tied, 49), (PairCount{30, 2}));
}

TEST(BonusNumber, KeptOutOfMainCountsAndCountedOnlyByTheBonusCharts)
{
    std::vector<Draw> draws(10, draw({1, 2, 3, 4, 5, 6}, 49));
    draws.push_back(draw({10, 20, 30, 40, 47, 48}, 49));
    draws.push_back(draw({1, 7, 8, 9, 11, 12}, 2));

    EXPECT_EQ(mainBallCounts(draws, 49)[49], 0);
    EXPECT_EQ(mainBallCounts(draws, 49)[2], 10);
    // 49 is never drawn as a main number: it is a cool-three candidate.
    EXPECT_EQ(coolThree(draws, 49), (std::array<BallCount, 3>{{{13, 0}, {14, 0}, {15, 0}}}));
    EXPECT_EQ(consecutivePairCounts(draws, 49)[48], 0); // 48-49 would need the bonus
    EXPECT_EQ(winsUsingBestSix(draws, {10, 20, 49, 41, 42, 43}, firstEra(Game::UK)), (BestSixWins{0, 0}));

    const BallCounts bonus = bonusBallCounts(draws, 49);
    const BallCounts both = mainAndBonusCounts(draws, 49);
    EXPECT_EQ((std::array<int, 3>{bonus[49], bonus[1], bonus[2]}), (std::array<int, 3>{11, 0, 1}));
    EXPECT_EQ((std::array<int, 3>{both[49], both[1], both[2]}), (std::array<int, 3>{11, 11, 11}));
}

TEST(WinsUsingBestSix, CountsDrawsWithThreeOrMoreMatchesAndTheHighestMatch)
{
    const std::vector<Draw> draws = {
        draw({1, 2, 3, 4, 20, 21}),   // 4 matches
        draw({1, 2, 30, 31, 32, 33}), // 2 matches: not a win
        draw({1, 2, 3, 30, 31, 32}),  // 3 matches
        draw({40, 41, 42, 43, 44, 45}),
    };
    EXPECT_EQ(winsUsingBestSix(draws, {1, 2, 3, 4, 5, 6}, firstEra(Game::UK)), (BestSixWins{2, 4}));
    EXPECT_EQ(winsUsingBestSix(draws, {7, 8, 9, 10, 11, 12}, firstEra(Game::UK)), (BestSixWins{0, 0}));
}

TEST(IrishStatistics, NoBallAbove42AndPairsStopAt41And42)
{
    // A damaged Irish history where 45, 46 and 49 are among the most frequent numbers.
    std::vector<Draw> draws(3, draw({1, 2, 3, 45, 46, 49}, 47));
    draws.push_back(draw({4, 5, 6, 7, 8, 42}, 1));
    const BallCounts main = mainBallCounts(draws, 42);
    EXPECT_EQ((std::array{main[42], main[43], main[45], main[49]}), (std::array{1, 0, 0, 0}));
    EXPECT_EQ(hotSix(draws, 42), (std::array<BallCount, 6>{{{1, 3}, {2, 3}, {3, 3}, {4, 1}, {5, 1}, {6, 1}}}));
    EXPECT_EQ(coolThree(draws, 42), (std::array<BallCount, 3>{{{9, 0}, {10, 0}, {11, 0}}}));

    BallCounts counts{};
    for (int b = 1; b <= 42; ++b)
        counts[static_cast<size_t>(b)] = 3;
    counts[20] = 1; // balls 43..49 hold 0 but are no Irish balls
    EXPECT_EQ(coolThree(counts, 42), (std::array<BallCount, 3>{{{20, 1}, {1, 3}, {2, 3}}}));
    EXPECT_EQ(chartThresholds(counts, 42).lowest, 1);
    EXPECT_EQ(chartThresholds(counts, 49).lowest, 0);

    const std::vector<Draw> pairs = {draw({1, 2, 20, 30, 41, 42}), draw({5, 9, 20, 30, 42, 43}),
                                     draw({5, 9, 20, 30, 42, 43})};
    const PairCounts counted = consecutivePairCounts(pairs, 42);
    EXPECT_EQ((std::array<int, 3>{counted[1], counted[41], counted[42]}), (std::array<int, 3>{1, 1, 0}));
    EXPECT_EQ(mostFrequentPair(pairs, 42), (PairCount{1, 1}));
    EXPECT_EQ(ballStatistics(pairs, 42, 42, {}).pairings, (std::vector<PairCount>{{41, 1}}));
    EXPECT_EQ(ballStatistics(pairs, 41, 42, {}).pairings, (std::vector<PairCount>{{40, 0}, {41, 1}}));
    EXPECT_FALSE(ballStatistics(pairs, 43, 42, {}).valid);
}

TEST(ChartThresholds, MiddleAndSpreadRoundHalvesToEvenAndExpectedCountsRound)
{
    EXPECT_EQ((std::array{expectedCount(1000, 49), expectedCount(1000, 42)}), (std::array{122, 143})); // 122.4, 142.9
    // Every ball counted 20 but for a lowest and a highest ball.
    const struct {
        int lowest, highest;
        ChartThresholds want;
    } cases[] = {
        {10, 33, {10, 33, 22, 6}}, // (33 + 10) / 2 = 21.5 -> 22; (33 - 22) / 2 = 5.5 -> 6
        {10, 31, {10, 31, 20, 6}}, // (31 + 10) / 2 = 20.5 -> 20; (31 - 20) / 2 = 5.5 -> 6
        {20, 20, {20, 20, 20, 0}}, // all equal
    };
    for (const auto &c : cases) {
        BallCounts counts{};
        for (int b = 1; b <= 49; ++b)
            counts[static_cast<size_t>(b)] = 20;
        counts[7] = c.lowest;
        counts[8] = c.highest;
        EXPECT_EQ(chartThresholds(counts, 49), c.want) << c.lowest << ' ' << c.highest;
    }
}

TEST(Rating, BoundariesAreGoodAndPoorAndEqualCountsRateGood)
{
    const struct {
        int count;
        ChartThresholds t;
        Rating want;
    } cases[] = {
        {25, {10, 30, 20, 5}, Rating::Good}, {24, {10, 30, 20, 5}, Rating::Average},
        {16, {10, 30, 20, 5}, Rating::Average}, {15, {10, 30, 20, 5}, Rating::Poor},
        {4, {4, 4, 4, 0}, Rating::Good}, // a flat history: Good comes first
    };
    for (const auto &c : cases)
        EXPECT_EQ(rateBall(c.count, c.t), c.want) << c.count;

    // ballStatistics rates by the thresholds given, not by its own draws.
    const std::vector<Draw> draws = {draw({1, 2, 3, 4, 5, 6}), draw({1, 2, 3, 4, 5, 7}), draw({1, 2, 8, 9, 10, 11})};
    const ChartThresholds given{0, 4, 2, 1};
    for (auto [ball, want] : {std::pair{1, Rating::Good}, std::pair{3, Rating::Average}, std::pair{7, Rating::Poor}})
        EXPECT_EQ(ballStatistics(draws, ball, 49, given).rating, want) << ball;
}

TEST(BallStatistics, AppearancesFrom105DrawsAreTheLast104OldestFirst)
{
    std::vector<Draw> draws;
    draws.push_back(draw({5, 10, 20, 30, 40, 45}, 1, "01011990")); // not among the last 104
    draws.push_back(draw({5, 11, 21, 31, 41, 46}, 1, "04011990")); // first of the 104
    draws.insert(draws.end(), 101, draw({1, 2, 3, 4, 6, 7}, 5));   // bonus only: no appearance
    draws.push_back(draw({1, 2, 3, 4, 6, 7}, 5, "15121999"));
    EXPECT_FALSE(ballStatistics(draws, 5, 49, {}).hasAppearances); // 104 draws
    EXPECT_TRUE(ballStatistics(draws, 5, 49, {}).firstAppearanceKey.isEmpty());

    draws.push_back(draw({4, 5, 8, 9, 12, 13}, 1, "31121999")); // last
    const BallStatistics s = ballStatistics(draws, 5, 49, {});
    ASSERT_TRUE(s.hasAppearances);
    EXPECT_TRUE(s.appearances.front() && s.appearances.back());
    EXPECT_EQ(std::count(s.appearances.begin(), s.appearances.end(), true), 2);
    EXPECT_EQ((QStringList{s.firstAppearanceKey, s.lastAppearanceKey, s.lastDrawnKey}),
              (QStringList{"04011990", "31121999", "31121999"}));
    EXPECT_EQ((std::array{s.mainCount, s.bonusCount}), (std::array{3, 102}));
}

TEST(DamagedHistory, BallsOutsideTheLimitAreIgnoredWithoutCrashing)
{
    dstest::TestFolder dir;
    const FileRead<std::vector<Draw>> missing = readHistoryDraws(dir.file(QStringLiteral("IR.exe")));
    EXPECT_TRUE(missing.value.empty());
    EXPECT_EQ(missing.status, ReadStatus::Missing);
    // The count says 500: only the four records held are read.
    dir.write(QStringLiteral("UK.exe"), dstest::countRecord(500)
                  + drawRecord("01011999", {1, 2, 3, 4, 5, 6}, 7)
                  + drawRecord("08011999", {0, 50, 32767, -32768, -1, 49}, 50)
                  + drawRecord("15011999", {49, 50, 51, 100, 200, 201}, -5)
                  + drawRecord("22011999", {-1, 0, 1, 2, 48, 49}, 32767));
    const FileRead<std::vector<Draw>> read = readHistoryDraws(dir.file(QStringLiteral("UK.exe")));
    ASSERT_EQ(read.status, ReadStatus::Ok);
    const std::vector<Draw> &draws = read.value;
    ASSERT_EQ(draws.size(), 4u);

    const BallCounts main = mainBallCounts(draws, 49);
    const PairCounts pairs = consecutivePairCounts(draws, 49);
    // main[0], main[1], main[49]; pairs -1 0 and 0 1, 1-2 (first and last draws), 48-49, 49 50.
    EXPECT_EQ((std::array{main[0], main[1], main[49], pairs[0], pairs[1], pairs[48], pairs[49]}),
              (std::array{0, 2, 3, 0, 2, 1, 0}));
    EXPECT_EQ(std::accumulate(main.begin(), main.end(), 0), 6 + 1 + 1 + 4);
    EXPECT_EQ(mainAndBonusCounts(draws, 49)[7], 1);
    EXPECT_EQ(hotSix(draws, 49)[0], (BallCount{49, 3}));
    EXPECT_EQ(winsUsingBestSix(draws, {0, 50, -1, 49, 48, 2}, firstEra(Game::UK)), (BestSixWins{1, 3}));
    const BallStatistics s = ballStatistics(draws, 49, 49, chartThresholds(main, 49));
    EXPECT_EQ(s.mainCount, 3);
    EXPECT_EQ(s.lastDrawnKey, QStringLiteral("22011999"));
    EXPECT_EQ(slashedDateKey(s.lastDrawnKey), QStringLiteral("22/01/1999"));
    EXPECT_EQ(slashedDateKey(QString()), QStringLiteral("//"));
    for (int ball : {0, -1, 50})
        EXPECT_FALSE(ballStatistics(draws, ball, 49, {}).valid) << ball;

    // Fewer than six balls drawn leaves the other places empty.
    EXPECT_EQ(hotSix(std::vector<Draw>{draw({5, 5, 5, 60, -2, 0})}, 49),
              (std::array<BallCount, 6>{{{5, 3}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}}));

    // A statistics limit outside the tables is held to 1..63, the largest ball
    // the tables hold.
    const std::vector<Draw> wide = {draw({1, 2, 3, 64, 65, 66}, 67)};
    EXPECT_EQ((std::array{statsBallLimit(1000), statsBallLimit(-4)}), (std::array{63, 1}));
    EXPECT_EQ(mainBallCounts(wide, 1000)[1], 1);
    EXPECT_EQ(hotSix(wide, 1000)[3], (BallCount{0, 0}));
    EXPECT_EQ(consecutivePairCounts(wide, 1000)[1], 1);
    EXPECT_FALSE(ballStatistics(wide, 64, 1000, {}).valid);
    EXPECT_EQ(mostFrequentPair(wide, 0), (PairCount{0, 0}));
}
