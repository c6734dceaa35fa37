#include "statistics/drawstats.h"
#include "support/testfolder.h"

#include <QString>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

using namespace ds;
using dstest::drawRecord;
using dstest::historyFile;

namespace {

int keyDay = 0;

// A draw with a fresh date key each time (day numbers count up).
Draw draw(std::array<qint16, 6> main, qint16 bonus = 0)
{
    ++keyDay;
    const QString key = QStringLiteral("%1").arg(keyDay, 8, 10, QLatin1Char('0'));
    return Draw::make(key, main, bonus);
}

Draw drawOn(const char *key, std::array<qint16, 6> main, qint16 bonus)
{
    return Draw::make(QString::fromLatin1(key), main, bonus);
}

std::vector<Draw> randomDraws(int n, int limit, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<qint16> balls(static_cast<size_t>(limit));
    for (int i = 0; i < limit; ++i)
        balls[static_cast<size_t>(i)] = static_cast<qint16>(i + 1);
    std::vector<Draw> out;
    for (int i = 0; i < n; ++i) {
        std::shuffle(balls.begin(), balls.end(), gen);
        std::array<qint16, 6> m;
        std::copy_n(balls.begin(), 6, m.begin());
        std::sort(m.begin(), m.end());
        out.push_back(draw(m, balls[6]));
    }
    return out;
}

} // namespace

TEST(HotSix, EqualCountsGoToTheLowerBall)
{
    const std::vector<Draw> draws = {
        draw({3, 7, 10, 20, 30, 40}, 1),
        draw({3, 7, 11, 21, 31, 41}, 2),
    };
    const auto hot = hotSix(draws, 49);
    const std::array<BallCount, 6> expected = {{{3, 2}, {7, 2}, {10, 1}, {11, 1}, {20, 1}, {21, 1}}};
    EXPECT_EQ(hot, expected);
}

TEST(HotSix, MostFrequentComesFirstWhateverItsNumber)
{
    std::vector<Draw> draws;
    for (int i = 0; i < 5; ++i)
        draws.push_back(draw({40, 41, 42, 43, 44, 49}));
    draws.push_back(draw({1, 2, 3, 4, 5, 6}));
    const auto hot = hotSix(draws, 49);
    EXPECT_EQ(hot[0], (BallCount{40, 5}));
    EXPECT_EQ(hot[5], (BallCount{49, 5}));
}

TEST(HotSix, FewerThanSixDrawnBallsLeavesPlacesEmpty)
{
    // A damaged history: one ball repeated, and balls outside the game.
    const std::vector<Draw> draws = {draw({5, 5, 5, 60, -2, 0})};
    const auto hot = hotSix(draws, 49);
    EXPECT_EQ(hot[0], (BallCount{5, 3}));
    for (size_t i = 1; i < hot.size(); ++i)
        EXPECT_EQ(hot[i], (BallCount{0, 0}));
}

TEST(CoolThree, NeverDrawnBallsComeFirstAndTiesGoToTheLowerBall)
{
    BallCounts counts{};
    for (int b = 1; b <= 49; ++b)
        counts[static_cast<size_t>(b)] = 5;
    counts[40] = 0;
    counts[12] = 0;
    counts[30] = 2;
    counts[2] = 2;
    const auto cool = coolThree(counts, 49);
    const std::array<BallCount, 3> expected = {{{12, 0}, {40, 0}, {2, 2}}};
    EXPECT_EQ(cool, expected);
}

TEST(CoolThree, FromDrawsCountsBallsNeverDrawnAsZero)
{
    // Every ball but 9, 17 and 33 drawn at least once; 9 appears only as bonus.
    std::vector<Draw> draws;
    std::vector<qint16> drawn;
    for (qint16 b = 1; b <= 49; ++b)
        if (b != 9 && b != 17 && b != 33)
            drawn.push_back(b);
    drawn.push_back(1);
    drawn.push_back(2); // 48 numbers: eight draws
    for (size_t i = 0; i < drawn.size(); i += 6) {
        std::array<qint16, 6> m;
        std::copy_n(drawn.begin() + static_cast<long>(i), 6, m.begin());
        draws.push_back(draw(m, 9));
    }
    const auto cool = coolThree(draws, 49);
    const std::array<BallCount, 3> expected = {{{9, 0}, {17, 0}, {33, 0}}};
    EXPECT_EQ(cool, expected);
}

TEST(CoolThree, IrishNeverConsidersBallsAbove42)
{
    BallCounts counts{};
    for (int b = 1; b <= 42; ++b)
        counts[static_cast<size_t>(b)] = 3;
    counts[20] = 1;
    const auto cool = coolThree(counts, 42);
    const std::array<BallCount, 3> expected = {{{20, 1}, {1, 3}, {2, 3}}};
    EXPECT_EQ(cool, expected);
}

TEST(ConsecutivePairs, OnlyNeighbouringFieldsCount)
{
    const std::vector<Draw> draws = {draw({3, 10, 11, 12, 30, 41})};
    const PairCounts pairs = consecutivePairCounts(draws, 49);
    PairCounts expected{};
    expected[10] = 1;
    expected[11] = 1;
    EXPECT_EQ(pairs, expected);
}

TEST(ConsecutivePairs, NumbersApartOrOutOfOrderAddNothing)
{
    const std::vector<Draw> draws = {
        draw({3, 10, 12, 30, 41, 45}), // 10 and 12 without 11
        draw({11, 10, 20, 30, 40, 44}), // 11 before 10
        draw({10, 20, 11, 30, 40, 44}), // 10 and 11 not neighbours
    };
    EXPECT_EQ(consecutivePairCounts(draws, 49), PairCounts{});
    EXPECT_EQ(mostFrequentPair(draws, 49), (PairCount{0, 0}));
}

TEST(ConsecutivePairs, MostFrequentTieGoesToTheLowerPair)
{
    const std::vector<Draw> draws = {
        draw({30, 31, 40, 41, 45, 47}),
        draw({2, 30, 31, 35, 40, 41}),
        draw({5, 6, 20, 22, 24, 26}),
    };
    EXPECT_EQ(mostFrequentPair(draws, 49), (PairCount{30, 2}));
}

TEST(ConsecutivePairs, IrishPairsStopAt41And42)
{
    const std::vector<Draw> draws = {
        draw({1, 2, 20, 30, 41, 42}),
        draw({5, 9, 20, 30, 42, 43}),  // damaged: 43 is no Irish ball
        draw({5, 9, 20, 30, 42, 43}),
    };
    const PairCounts pairs = consecutivePairCounts(draws, 42);
    EXPECT_EQ(pairs[41], 1);
    EXPECT_EQ(pairs[42], 0);
    EXPECT_EQ(pairs[1], 1);
    EXPECT_EQ(mostFrequentPair(draws, 42), (PairCount{1, 1}));
}

TEST(BonusNumber, TakesNoPartInTheStatisticsWindow)
{
    std::vector<Draw> draws;
    for (int i = 0; i < 10; ++i)
        draws.push_back(draw({1, 2, 3, 4, 5, 6}, 49));
    draws.push_back(draw({10, 20, 30, 40, 47, 48}, 49));

    EXPECT_EQ(mainBallCounts(draws, 49)[49], 0);
    for (const BallCount &p : hotSix(draws, 49))
        EXPECT_NE(p.ball, 49);
    // 49 is never drawn as a main number: it is a cool-three candidate.
    EXPECT_EQ(coolThree(draws, 49)[0], (BallCount{7, 0}));
    const auto coolBalls = coolThree(mainBallCounts(draws, 49), 49);
    EXPECT_EQ(coolBalls[2].ball, 9);
    // The pair 48-49 would need the bonus.
    EXPECT_EQ(consecutivePairCounts(draws, 49)[48], 0);
    // Nor does it help a best-six win.
    EXPECT_EQ(winsUsingBestSix(draws, {10, 20, 49, 41, 42, 43}, 49), (BestSixWins{0, 0}));
}

TEST(BonusNumber, CountedOnlyByTheBonusCharts)
{
    const std::vector<Draw> draws = {
        draw({1, 2, 3, 4, 5, 6}, 49),
        draw({1, 7, 8, 9, 10, 11}, 2),
    };
    const BallCounts bonus = bonusBallCounts(draws, 49);
    const BallCounts both = mainAndBonusCounts(draws, 49);
    EXPECT_EQ(bonus[49], 1);
    EXPECT_EQ(bonus[1], 0);
    EXPECT_EQ(bonus[2], 1);
    EXPECT_EQ(both[49], 1);
    EXPECT_EQ(both[1], 2);
    EXPECT_EQ(both[2], 2);
    EXPECT_EQ(mainBallCounts(draws, 49)[2], 1);
}

TEST(WinsUsingBestSix, CountsDrawsWithThreeOrMoreMatches)
{
    const std::vector<Draw> draws = {
        draw({1, 2, 3, 4, 20, 21}),   // 4 matches
        draw({1, 2, 30, 31, 32, 33}), // 2 matches: not a win
        draw({1, 2, 3, 30, 31, 32}),  // 3 matches
        draw({40, 41, 42, 43, 44, 45}),
    };
    EXPECT_EQ(winsUsingBestSix(draws, {1, 2, 3, 4, 5, 6}, 49), (BestSixWins{2, 4}));
    EXPECT_EQ(winsUsingBestSix(draws, {7, 8, 9, 10, 11, 12}, 49), (BestSixWins{0, 0}));
}

TEST(IrishStatistics, NoBallAbove42IsEverShown)
{
    // A damaged Irish history where 45 and 49 are the most frequent numbers.
    std::vector<Draw> draws = randomDraws(50, 42, 3);
    for (int i = 0; i < 100; ++i)
        draws.push_back(draw({1, 2, 3, 45, 46, 49}, 47));
    for (const BallCount &p : hotSix(draws, 42))
        EXPECT_LE(p.ball, 42);
    for (const BallCount &p : coolThree(draws, 42))
        EXPECT_LE(p.ball, 42);
    const BallCounts main = mainBallCounts(draws, 42);
    for (int b = 43; b < BallTableSize; ++b)
        EXPECT_EQ(main[static_cast<size_t>(b)], 0) << b;
    const auto hot = hotSix(draws, 42);
    std::array<int, 3> top = {hot[0].ball, hot[1].ball, hot[2].ball};
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (std::array<int, 3>{1, 2, 3}));
}

TEST(ChartThresholds, MiddleAndSpreadRoundHalvesToEven)
{
    BallCounts counts{};
    for (int b = 1; b <= 49; ++b)
        counts[static_cast<size_t>(b)] = 20;
    counts[7] = 10;
    counts[8] = 33;
    // (33 + 10) / 2 = 21.5 -> 22; (33 - 22) / 2 = 5.5 -> 6.
    EXPECT_EQ(chartThresholds(counts, 49), (ChartThresholds{10, 33, 22, 6}));
    counts[8] = 31;
    // (31 + 10) / 2 = 20.5 -> 20; (31 - 20) / 2 = 5.5 -> 6.
    EXPECT_EQ(chartThresholds(counts, 49), (ChartThresholds{10, 31, 20, 6}));
}

TEST(ChartThresholds, NeverDrawnBallCountsAsLowestButOnlyWithinTheLimit)
{
    BallCounts counts{};
    for (int b = 1; b <= 42; ++b)
        counts[static_cast<size_t>(b)] = 8 + b % 3;
    // Balls 43..49 hold 0 but are no Irish balls.
    EXPECT_EQ(chartThresholds(counts, 42).lowest, 8);
    EXPECT_EQ(chartThresholds(counts, 49).lowest, 0);
}

TEST(Rating, BoundariesAreGoodAndPoor)
{
    const ChartThresholds t{10, 30, 20, 5};
    EXPECT_EQ(rateBall(25, t), Rating::Good);
    EXPECT_EQ(rateBall(24, t), Rating::Average);
    EXPECT_EQ(rateBall(16, t), Rating::Average);
    EXPECT_EQ(rateBall(15, t), Rating::Poor);
    EXPECT_EQ(ratingText(Rating::Good), QStringLiteral("Good"));
    EXPECT_EQ(ratingText(Rating::Average), QStringLiteral("Average"));
    EXPECT_EQ(ratingText(Rating::Poor), QStringLiteral("Poor"));
}

TEST(Rating, EveryBallEqualRatesGood)
{
    // All counts equal: middle = count, spread 0, so the count is at
    // middle + spread.
    const std::vector<Draw> draws = {draw({1, 2, 3, 4, 5, 6})};
    BallCounts counts{};
    for (int b = 1; b <= 49; ++b)
        counts[static_cast<size_t>(b)] = 4;
    const ChartThresholds t = chartThresholds(counts, 49);
    EXPECT_EQ(t, (ChartThresholds{4, 4, 4, 0}));
    EXPECT_EQ(rateBall(4, t), Rating::Good);
}

TEST(ExpectedCount, Is122For1000UkDraws)
{
    EXPECT_EQ(expectedCount(1000, 49), 122);
    EXPECT_EQ(expectedCount(1000, 42), 143);
    const std::vector<Draw> draws = randomDraws(1000, 49, 5);
    const ChartThresholds t = chartThresholds(mainBallCounts(draws, 49), 49);
    EXPECT_EQ(ballStatistics(draws, 17, 49, t).expected, 122);
}

TEST(BallStatistics, CountsMainAndBonusAndRemembersTheLastDate)
{
    const std::vector<Draw> draws = {
        drawOn("01011999", {1, 2, 3, 4, 5, 17}, 9),
        drawOn("08011999", {17, 20, 30, 31, 40, 41}, 2),
        drawOn("15011999", {1, 2, 3, 4, 5, 6}, 17),  // bonus only: still the last date
        drawOn("22011999", {1, 2, 3, 4, 5, 6}, 8),
    };
    const ChartThresholds t = chartThresholds(mainBallCounts(draws, 49), 49);
    const BallStatistics s = ballStatistics(draws, 17, 49, t);
    ASSERT_TRUE(s.valid);
    EXPECT_EQ(s.mainCount, 2);
    EXPECT_EQ(s.bonusCount, 1);
    EXPECT_EQ(s.lastDrawnKey, QStringLiteral("15011999"));
    EXPECT_EQ(slashedDateKey(s.lastDrawnKey), QStringLiteral("15/01/1999"));
    EXPECT_FALSE(s.hasAppearances);
}

TEST(BallStatistics, NeverDrawnBallShowsZerosAndTwoSlashes)
{
    const std::vector<Draw> draws = {drawOn("01011999", {1, 2, 3, 4, 5, 6}, 7)};
    const BallStatistics s = ballStatistics(draws, 30, 49, ChartThresholds{});
    EXPECT_EQ(s.mainCount, 0);
    EXPECT_EQ(s.bonusCount, 0);
    EXPECT_EQ(slashedDateKey(s.lastDrawnKey), QStringLiteral("//"));
}

TEST(BallStatistics, RatingUsesTheThresholdsGiven)
{
    // Counts: 1 three times, 3 twice, 7 once. Thresholds of these draws alone
    // would be 0, 3, 2, 0 and rate ball 3 "Good"; the ones given rate it
    // "Average".
    const std::vector<Draw> draws = {
        draw({1, 2, 3, 4, 5, 6}),
        draw({1, 2, 3, 4, 5, 7}),
        draw({1, 2, 8, 9, 10, 11}),
    };
    const ChartThresholds t{0, 4, 2, 1};
    EXPECT_EQ(ballStatistics(draws, 1, 49, t).rating, Rating::Good);
    EXPECT_EQ(ballStatistics(draws, 3, 49, t).rating, Rating::Average);
    EXPECT_EQ(ballStatistics(draws, 7, 49, t).rating, Rating::Poor);
    EXPECT_EQ(ballStatistics(draws, 20, 49, t).rating, Rating::Poor);
}

TEST(BallStatistics, AppearancesHiddenAt104Draws)
{
    const std::vector<Draw> draws = randomDraws(104, 49, 7);
    const BallStatistics s = ballStatistics(draws, 5, 49, ChartThresholds{});
    EXPECT_FALSE(s.hasAppearances);
    EXPECT_TRUE(s.firstAppearanceKey.isEmpty());
}

TEST(BallStatistics, AppearancesOf105DrawsAreTheLast104OldestFirst)
{
    std::vector<Draw> draws;
    draws.push_back(drawOn("01011990", {5, 10, 20, 30, 40, 45}, 1)); // not among the last 104
    draws.push_back(drawOn("04011990", {5, 11, 21, 31, 41, 46}, 1)); // first of the 104
    for (int i = 0; i < 102; ++i)
        draws.push_back(draw({1, 2, 3, 4, 6, 7}, 5)); // bonus only: not an appearance
    draws.push_back(drawOn("31121999", {4, 5, 8, 9, 12, 13}, 1)); // last
    ASSERT_EQ(draws.size(), 105u);

    const BallStatistics s = ballStatistics(draws, 5, 49, ChartThresholds{});
    ASSERT_TRUE(s.hasAppearances);
    EXPECT_TRUE(s.appearances.front());
    EXPECT_TRUE(s.appearances.back());
    EXPECT_EQ(std::count(s.appearances.begin(), s.appearances.end(), true), 2);
    EXPECT_EQ(s.firstAppearanceKey, QStringLiteral("04011990"));
    EXPECT_EQ(s.lastAppearanceKey, QStringLiteral("31121999"));
    EXPECT_EQ(s.mainCount, 3);
    EXPECT_EQ(s.bonusCount, 102);
}

TEST(BallStatistics, PairingsForEndBallsAndInnerBalls)
{
    const std::vector<Draw> draws = {
        draw({1, 2, 9, 10, 11, 48}),
        draw({1, 2, 40, 41, 42, 49}),
        draw({3, 5, 20, 30, 48, 49}),
    };
    const ChartThresholds t{};
    EXPECT_EQ(ballStatistics(draws, 1, 49, t).pairings, (std::vector<PairCount>{{1, 2}}));
    EXPECT_EQ(ballStatistics(draws, 49, 49, t).pairings, (std::vector<PairCount>{{48, 1}}));
    EXPECT_EQ(ballStatistics(draws, 10, 49, t).pairings, (std::vector<PairCount>{{9, 1}, {10, 1}}));
    EXPECT_EQ(ballStatistics(draws, 42, 42, t).pairings, (std::vector<PairCount>{{41, 1}}));
    EXPECT_EQ(ballStatistics(draws, 41, 42, t).pairings, (std::vector<PairCount>{{40, 1}, {41, 1}}));
}

TEST(BallStatistics, BallOutsideTheGameIsRefused)
{
    const std::vector<Draw> draws = {draw({1, 2, 3, 4, 5, 6})};
    EXPECT_FALSE(ballStatistics(draws, 0, 49, ChartThresholds{}).valid);
    EXPECT_FALSE(ballStatistics(draws, 43, 42, ChartThresholds{}).valid);
    EXPECT_FALSE(ballStatistics(draws, 50, 49, ChartThresholds{}).valid);
    EXPECT_FALSE(ballStatistics(draws, -1, 49, ChartThresholds{}).valid);
}

TEST(DamagedHistory, BallsOutsideTheGameAreNotCounted)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("UK.exe"),
              historyFile({
                  drawRecord("01011999", {1, 2, 3, 4, 5, 6}, 7),
                  drawRecord("08011999", {0, 50, 32767, -32768, -1, 49}, 50),
                  drawRecord("15011999", {49, 50, 51, 100, 200, 201}, -5),
                  drawRecord("22011999", {-1, 0, 1, 2, 48, 49}, 32767),
              }));
    bool ok = false;
    const std::vector<Draw> draws = readHistoryDraws(dir.file(QStringLiteral("UK.exe")), &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(draws.size(), 4u);

    const BallCounts main = mainBallCounts(draws, 49);
    EXPECT_EQ(main[49], 3);
    EXPECT_EQ(main[1], 2);
    EXPECT_EQ(main[0], 0);
    int total = 0;
    for (int c : main)
        total += c;
    EXPECT_EQ(total, 6 + 1 + 1 + 4);

    const BallCounts both = mainAndBonusCounts(draws, 49);
    EXPECT_EQ(both[7], 1);
    const PairCounts pairs = consecutivePairCounts(draws, 49);
    EXPECT_EQ(pairs[0], 0);  // -1 0 and 0 1
    EXPECT_EQ(pairs[1], 2);  // 1 2 in the first and last draws
    EXPECT_EQ(pairs[48], 1);
    EXPECT_EQ(pairs[49], 0); // 49 50
    EXPECT_EQ(hotSix(draws, 49)[0], (BallCount{49, 3}));
    EXPECT_EQ(winsUsingBestSix(draws, {0, 50, -1, 49, 48, 2}, 49), (BestSixWins{1, 3}));
    const BallStatistics s = ballStatistics(draws, 49, 49, chartThresholds(main, 49));
    EXPECT_EQ(s.mainCount, 3);
    EXPECT_EQ(s.lastDrawnKey, QStringLiteral("22011999"));
}

TEST(DamagedHistory, StatisticsLimitOutsideTheTablesIsHeld)
{
    const std::vector<Draw> draws = {draw({1, 2, 3, 60, 61, 62}, 63)};
    EXPECT_EQ(statsBallLimit(1000), 49);
    EXPECT_EQ(statsBallLimit(-4), 1);
    EXPECT_EQ(mainBallCounts(draws, 1000)[1], 1);
    EXPECT_EQ(hotSix(draws, 1000)[3], (BallCount{0, 0}));
    EXPECT_EQ(consecutivePairCounts(draws, 1000)[1], 1);
    EXPECT_FALSE(ballStatistics(draws, 60, 1000, ChartThresholds{}).valid);
    EXPECT_EQ(mostFrequentPair(draws, 0), (PairCount{0, 0}));
}

TEST(ReadHistoryDraws, MissingFileIsEmptyAndCountBeyondRecordsIsCut)
{
    dstest::TestFolder dir;
    bool ok = false;
    EXPECT_TRUE(readHistoryDraws(dir.file(QStringLiteral("IR.exe")), &ok).empty());
    EXPECT_TRUE(ok);
    // Count says 500, the file holds two draws.
    QByteArray bytes = dstest::countRecord(500) + drawRecord("01011999", {1, 2, 3, 4, 5, 6}, 7)
        + drawRecord("08011999", {1, 2, 3, 4, 5, 6}, 7);
    dir.write(QStringLiteral("UK.exe"), bytes);
    EXPECT_EQ(readHistoryDraws(dir.file(QStringLiteral("UK.exe"))).size(), 2u);
}
