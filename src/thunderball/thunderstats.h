#pragma once

// Frequency statistics of the Thunderball results: the chart of the
// "Thunderball Statistics" window and the figures of its ball statistics
// window. Computed afresh from the results each time. The chart and the
// figures leave damaged results out (isSoundResult), and the counts below
// never count a number outside its range.

#include "core/games.h"
#include "thunderball/resultsfile.h"

#include <QString>
#include <QStringList>
#include <QList>
#include <array>
#include <vector>

namespace ds::thunder {

// Main numbers (1 to 34) or Thunderballs (1 to 14).
enum class StatsMode { Main, Thunderball };

int modeLimit(StatsMode mode);

// The chart: one row per number in number order, labelled "7 " (the number
// and a space), valued its count.
struct FrequencyChart {
    QString title; // "Balls 1-34" or "Thunderball"
    QStringList labels;
    QList<qreal> values;
};
FrequencyChart frequencyChart(const std::vector<ThunderResult> &results, StatsMode mode);

// Counts indexed by number (index 0 and numbers above the limit stay 0).
using ThunderCounts = std::array<int, ThunderMainLimit + 2>;
ThunderCounts mainCounts(const std::vector<ThunderResult> &results);
ThunderCounts thunderballCounts(const std::vector<ThunderResult> &results);

// Index n: how often n and n + 1 stood in neighbouring main-number fields of
// one result (1st-2nd, 2nd-3rd, 3rd-4th, 4th-5th), n first.
ThunderCounts pairCounts(const std::vector<ThunderResult> &results);

// The rating of the "Probability of Being Drawn" box.
QString ratingOf(int count, int threshold);

// Expected main count after c results: 5 x c / 34; the rating threshold of
// main numbers is c / 7; the Thunderball's expected count and threshold are
// c / 14. Halves round to even.
int expectedMain(int resultCount);
int mainThreshold(int resultCount);
int expectedThunderball(int resultCount);

struct Pairing {
    QString label;   // "6-7"
    int count = 0;
    bool boxShown = true; // false for 34-35, which cannot be drawn
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
ThunderBallStats ballStats(const std::vector<ThunderResult> &results, int number, StatsMode mode);

} // namespace ds::thunder
