#include "thunderball/thunderstats.h"

#include "core/games.h"
#include "core/numbers.h"

#include <algorithm>

namespace ds::thunder {

namespace {

bool inRange(int n, int limit)
{
    return n >= 1 && n <= limit;
}

QString dateText(const ThunderResult &r)
{
    return QStringLiteral("%1/%2/%3").arg(r.day).arg(r.month).arg(r.year);
}

int roundedRatio(qint64 num, qint64 den)
{
    return static_cast<int>(roundHalfEven(static_cast<double>(num) / static_cast<double>(den)));
}

} // namespace

int modeLimit(StatsMode mode, const Era &era)
{
    return mode == StatsMode::Main ? era.mainLimit : era.extraLimit;
}

QString mainChartTitle(const Era &era)
{
    return QStringLiteral("Balls 1-%1").arg(era.mainLimit);
}

BallTable mainCounts(const std::vector<ThunderResult> &results, const Era &era)
{
    BallTable c{};
    for (const ThunderResult &r : results)
        for (qint16 n : r.main)
            if (inRange(n, era.mainLimit))
                ++c[static_cast<size_t>(n)];
    return c;
}

BallTable thunderballCounts(const std::vector<ThunderResult> &results, const Era &era)
{
    BallTable c{};
    for (const ThunderResult &r : results)
        if (inRange(r.thunderball, era.extraLimit))
            ++c[static_cast<size_t>(r.thunderball)];
    return c;
}

BallTable pairCounts(const std::vector<ThunderResult> &results, const Era &era)
{
    BallTable c{};
    for (const ThunderResult &r : results)
        for (size_t k = 0; k + 1 < r.main.size(); ++k)
            if (inRange(r.main[k], era.mainLimit) && r.main[k + 1] == r.main[k] + 1)
                ++c[static_cast<size_t>(r.main[k])];
    return c;
}

FrequencyChart frequencyChart(const std::vector<ThunderResult> &allResults, StatsMode mode, const Era &era)
{
    const std::vector<ThunderResult> results = soundResults(allResults, era);
    FrequencyChart chart;
    chart.title = mode == StatsMode::Main ? mainChartTitle(era) : QStringLiteral("Thunderball");
    const BallTable counts = mode == StatsMode::Main ? mainCounts(results, era) : thunderballCounts(results, era);
    const int limit = modeLimit(mode, era);
    for (int n = 1; n <= limit; ++n) {
        chart.labels << QString::number(n) + QLatin1Char(' ');
        chart.values << counts[static_cast<size_t>(n)];
    }
    return chart;
}

QString ratingOf(int count, int threshold)
{
    if (count >= threshold + 2)
        return QStringLiteral("Good");
    if (count <= threshold - 2)
        return QStringLiteral("Poor");
    return QStringLiteral("Average");
}

int expectedMain(int resultCount, const Era &era)
{
    return roundedRatio(qint64(era.mainCount) * resultCount, era.mainLimit);
}

int mainThreshold(int resultCount)
{
    return roundedRatio(resultCount, 7);
}

int expectedThunderball(int resultCount, const Era &era)
{
    return roundedRatio(resultCount, era.extraLimit);
}

ThunderBallStats ballStats(const std::vector<ThunderResult> &allResults, int number, StatsMode mode, const Era &era)
{
    const std::vector<ThunderResult> results = soundResults(allResults, era);
    ThunderBallStats s;
    s.mode = mode;
    s.number = number;
    if (!inRange(number, modeLimit(mode, era)))
        return s;
    s.valid = true;
    const bool main = mode == StatsMode::Main;
    s.caption = main ? QStringLiteral("Thunderball ") + mainChartTitle(era) : QStringLiteral("Thunderball");
    s.frameCaption = QStringLiteral("Statistics for Ball ") + QString::number(number);
    s.expectedLabel = main ? QStringLiteral("Number of Times Expected to be Drawn as a Main Ball")
                           : QStringLiteral("Number of Times Expected to be Drawn as the Thunderball");

    for (const ThunderResult &r : results) {
        if (std::find(r.main.begin(), r.main.end(), number) != r.main.end()) {
            ++s.mainCount;
            if (main)
                s.lastDrawn = dateText(r);
        }
        if (r.thunderball == number) {
            ++s.thunderballCount;
            if (!main)
                s.lastDrawn = dateText(r);
        }
    }

    const int c = static_cast<int>(results.size());
    if (main) {
        s.expected = expectedMain(c, era);
        s.rating = ratingOf(s.mainCount, mainThreshold(c));
        s.chartValue = s.mainCount;
        const BallTable pairs = pairCounts(results, era);
        auto pairing = [&pairs, &era](int lower) {
            return Pairing{QStringLiteral("%1-%2").arg(lower).arg(lower + 1), pairs[static_cast<size_t>(lower)],
                           lower < era.mainLimit};
        };
        if (number > 1)
            s.pairings.push_back(pairing(number - 1));
        s.pairings.push_back(pairing(number));
    } else {
        s.expected = expectedThunderball(c, era);
        s.rating = ratingOf(s.thunderballCount, s.expected);
        s.chartValue = s.thunderballCount;
    }
    return s;
}

} // namespace ds::thunder
