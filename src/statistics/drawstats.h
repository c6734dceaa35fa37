#pragma once

// Frequency statistics of a UK or Irish draw history: what the Statistics,
// Charts, Ball Statistics and Pairs windows show.
//
// Every function works on the draws as read from the file and trusts none of
// their numbers: a ball outside 1 to the statistics ball limit (zero, negative,
// above the limit) is simply not counted. The statistics ball limit is the main
// limit of the era shown; any other value is held to 1..MaxBall.
//
// Counters are plain int. The draw counts of a file go up to 32767, so a
// 16-bit counter could already overflow in sums such as highest + lowest of
// the chart thresholds with a 30,000-draw history.

#include "core/drawhistory.h"
#include "core/games.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <span>
#include <vector>

namespace ds {

// Tables indexed by ball number (or by the lower number n of the consecutive
// pair n-(n+1)), sized for the largest ball of any era; index 0 and indexes
// above the statistics ball limit stay 0.
using BallCounts = BallTable;
using PairCounts = BallTable;

// Draws of the last 104 that the appearances chart covers.
inline constexpr int AppearanceDraws = 104;


// The best six as saved from the hot six boxes: each text trimmed and held
// to two characters, padded with spaces.
std::array<QString, 6> bestSixTexts(const std::array<QString, 6> &hotBalls);

// The statistics ball limit actually searched: limit held to 1..MaxBall.
int statsBallLimit(int limit);

// Main-number counts per ball (the bonus is never counted).
BallCounts mainBallCounts(std::span<const Draw> draws, int limit);
// Bonus-number counts per ball.
BallCounts bonusBallCounts(std::span<const Draw> draws, int limit);
// Main and bonus together.
BallCounts mainAndBonusCounts(std::span<const Draw> draws, int limit);

struct BallCount {
    int ball = 0;  // 0 when no ball qualified for the place
    int count = 0;
    friend bool operator==(const BallCount &, const BallCount &) = default;
};

// The six balls drawn most often as main numbers, place 1 first. A ball has to
// have been drawn to take a place (a count above 0); ties go to the lower ball.
// Places no ball qualifies for hold ball 0 and count 0.
std::array<BallCount, 6> hotSix(std::span<const Draw> draws, int limit);
std::array<BallCount, 6> hotSix(const BallCounts &counts, int limit);

// The three balls drawn least often as main numbers, place 1 first. Balls
// never drawn (count 0) are candidates; ties go to the lower ball.
std::array<BallCount, 3> coolThree(std::span<const Draw> draws, int limit);
std::array<BallCount, 3> coolThree(const BallCounts &counts, int limit);

// The shared pair-count table: index n holds how often n and n + 1 stood in
// neighbouring main-number fields of a draw, n first. Only pairs with both
// numbers in 1..limit are counted.
PairCounts consecutivePairCounts(std::span<const Draw> draws, int limit);

struct PairCount {
    int lower = 0; // n of the pair n-(n+1); 0 when no pair was ever drawn
    int count = 0;
    friend bool operator==(const PairCount &, const PairCount &) = default;
};

// The most frequent consecutive pair; the lowest n wins ties. lower is 0 when
// no consecutive pair occurs in the history.
PairCount mostFrequentPair(std::span<const Draw> draws, int limit);
PairCount mostFrequentPair(const PairCounts &pairs, int limit);

struct BestSixWins {
    int wins = 0;         // draws matching 3 or more of the six
    int highestMatch = 0; // 0 when no draw matched 3 or more
    friend bool operator==(const BestSixWins &, const BestSixWins &) = default;
};

// How often the six numbers (as read from the hot-six boxes) would have won:
// for each draw, every main number in 1..limit is compared with every one of
// the six and equal pairs are counted.
BestSixWins winsUsingBestSix(std::span<const Draw> draws, const std::array<int, 6> &six, const Era &era);

// Rating thresholds of the main-ball chart.
struct ChartThresholds {
    int lowest = 0;  // over balls 1..limit, balls never drawn counting 0
    int highest = 0;
    int middle = 0;  // (highest + lowest) / 2, halves to even
    int spread = 0;  // (highest - middle) / 2, halves to even
    friend bool operator==(const ChartThresholds &, const ChartThresholds &) = default;
};

ChartThresholds chartThresholds(const BallCounts &mainCounts, int limit);

enum class Rating { Good, Average, Poor };

inline constexpr char RatingGood[] = "Good";
inline constexpr char RatingAverage[] = "Average";
inline constexpr char RatingPoor[] = "Poor";
QString ratingText(Rating r);

// "Good" at or above middle + spread, else "Poor" at or below middle - spread,
// else "Average".
Rating rateBall(int mainCount, const ChartThresholds &t);

// The main count a ball is expected to have after `drawCount` draws:
// drawCount x 6 / limit, halves to even.
int expectedCount(int drawCount, int limit);

// Everything the Ball Statistics window shows for one ball.
struct BallStatistics {
    bool valid = false; // false when the ball lies outside 1..limit (nothing else is filled)
    int ball = 0;
    int drawCount = 0;
    int mainCount = 0;
    int bonusCount = 0;
    // Date key of the last draw (in file order) holding the ball as a main or
    // bonus number; empty when it never appeared.
    QString lastDrawnKey;
    int expected = 0;
    Rating rating = Rating::Average;

    // More than 104 draws: one value per draw of the last 104, oldest first,
    // true when the ball is among that draw's main numbers; with the date keys
    // of the first and last of those draws. Otherwise the chart is hidden.
    bool hasAppearances = false;
    std::array<bool, AppearanceDraws> appearances{};
    QString firstAppearanceKey;
    QString lastAppearanceKey;

    // Pairings to show, in box order: (b-1)-b then b-(b+1) for a ball inside
    // the range; only 1-2 for ball 1; only (limit-1)-limit for the last ball.
    std::vector<PairCount> pairings;
};

// `thresholds` are those of the last main-ball chart.
BallStatistics ballStatistics(std::span<const Draw> draws, int ball, int limit,
                              const ChartThresholds &thresholds);

// A date key as the windows show it: characters 1-2, "/", 3-4, "/", 5-8
// ("//" for an empty key).
QString slashedDateKey(const QString &key);

} // namespace ds
