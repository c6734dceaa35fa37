#pragma once

// Frequency statistics of the results of a Thunderball era: the chart of the
// "Thunderball Statistics" window and the figures of its ball statistics
// window. Computed afresh from the results each time. The chart and the
// figures leave damaged results out (isSoundResult), and the counts below
// never count a number outside the era's range.

#include "core/games.h"
#include "thunderball/resultsfile.h"

#include <QString>
#include <QStringList>
#include <QList>
#include <array>
#include <vector>

namespace ds::thunder {

// Main numbers (1 to the era's main limit) or Thunderballs (1 to its
// Thunderball limit).
enum class StatsMode { Main, Thunderball };

int modeLimit(StatsMode mode, const Era &era);

// "Balls 1-34": the title of the main-number chart of the era.
QString mainChartTitle(const Era &era);

// The chart: one row per number in number order, labelled "7 " (the number
// and a space), valued its count.
struct FrequencyChart {
    QString title; // "Balls 1-34" or "Thunderball"
    QStringList labels;
    QList<qreal> values;
};
FrequencyChart frequencyChart(const std::vector<ThunderResult> &results, StatsMode mode, const Era &era);

// Counts indexed by number (index 0 and numbers above the era's limit stay 0).
BallTable mainCounts(const std::vector<ThunderResult> &results, const Era &era);
BallTable thunderballCounts(const std::vector<ThunderResult> &results, const Era &era);

// Index n: how often n and n + 1 stood in neighbouring main-number fields of
// one result (1st-2nd, 2nd-3rd, 3rd-4th, 4th-5th), n first.
BallTable pairCounts(const std::vector<ThunderResult> &results, const Era &era);

// The rating of the "Probability of Being Drawn" box.
QString ratingOf(int count, int threshold);

// Expected main count after c results: 5 x c / 34 (the main numbers drawn
// over the era's main limit); the rating threshold of main numbers is c / 7;
// the Thunderball's expected count and threshold are c / 14 (its limit).
// Halves round to even.
int expectedMain(int resultCount, const Era &era);
int mainThreshold(int resultCount);
int expectedThunderball(int resultCount, const Era &era);

struct Pairing {
    QString label;   // "6-7"
    int count = 0;
    bool boxShown = true; // false for the pair above the main limit (34-35), which cannot be drawn
};

// Everything the ball statistics window shows for number n in a mode.
struct ThunderBallStats {
    bool valid = false; // false for a number outside the mode's range
    StatsMode mode = StatsMode::Main;
    int number = 0;
    QString caption;      // "Thunderball Balls 1-34" or "Thunderball"
    QString frameCaption; // "Statistics for Ball 7"
    QString expectedLabel; // "Number of Times Expected to be Drawn as a Main Ball" / "... as the Thunderball"
    int mainCount = 0;
    int thunderballCount = 0;
    QString lastDrawn;    // "5/12/2026" of the last result in file order holding n in the mode; else empty
    int expected = 0;
    QString rating;       // "Good", "Average", "Poor"
    int chartValue = 0;   // the count set against the expected value
    std::vector<Pairing> pairings; // main mode: 1-2 alone for ball 1, else (n-1)-n and n-(n+1)
};
ThunderBallStats ballStats(const std::vector<ThunderResult> &results, int number, StatsMode mode, const Era &era);

} // namespace ds::thunder
