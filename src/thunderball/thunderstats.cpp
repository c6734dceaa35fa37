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

int modeLimit(StatsMode mode)
{
    return mode == StatsMode::Main ? ThunderMainLimit : ThunderballLimit;
}

ThunderCounts mainCounts(const std::vector<ThunderResult> &results)
{
    ThunderCounts c{};
    for (const ThunderResult &r : results)
        for (qint16 n : r.main)
            if (inRange(n, ThunderMainLimit))
                ++c[static_cast<size_t>(n)];
    return c;
}

ThunderCounts thunderballCounts(const std::vector<ThunderResult> &results)
{
    ThunderCounts c{};
    for (const ThunderResult &r : results)
        if (inRange(r.thunderball, ThunderballLimit))
            ++c[static_cast<size_t>(r.thunderball)];
    return c;
}

ThunderCounts pairCounts(const std::vector<ThunderResult> &results)
{
    ThunderCounts c{};
    for (const ThunderResult &r : results)
        for (size_t k = 0; k + 1 < r.main.size(); ++k)
            if (inRange(r.main[k], ThunderMainLimit) && r.main[k + 1] == r.main[k] + 1)
                ++c[static_cast<size_t>(r.main[k])];
    return c;
}

FrequencyChart frequencyChart(const std::vector<ThunderResult> &allResults, StatsMode mode)
{
    const std::vector<ThunderResult> results = soundResults(allResults);
    FrequencyChart chart;
    chart.title = mode == StatsMode::Main ? QStringLiteral("Balls 1-34") : QStringLiteral("Thunderball");
    const ThunderCounts counts = mode == StatsMode::Main ? mainCounts(results) : thunderballCounts(results);
    const int limit = modeLimit(mode);
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

int expectedMain(int resultCount)
{
    return roundedRatio(5LL * resultCount, ThunderMainLimit);
}

int mainThreshold(int resultCount)
{
    return roundedRatio(resultCount, 7);
}

int expectedThunderball(int resultCount)
{
    return roundedRatio(resultCount, ThunderballLimit);
}

ThunderBallStats ballStats(const std::vector<ThunderResult> &allResults, int number, StatsMode mode)
{
    const std::vector<ThunderResult> results = soundResults(allResults);
    ThunderBallStats s;
    s.mode = mode;
    s.number = number;
    if (!inRange(number, modeLimit(mode)))
        return s;
    s.valid = true;
    const bool main = mode == StatsMode::Main;
    s.caption = main ? QStringLiteral("Thunderball Balls 1-34") : QStringLiteral("Thunderball");
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
        s.expected = expectedMain(c);
        s.rating = ratingOf(s.mainCount, mainThreshold(c));
        s.chartValue = s.mainCount;
        const ThunderCounts pairs = pairCounts(results);
        auto pairing = [&pairs](int lower) {
            return Pairing{QStringLiteral("%1-%2").arg(lower).arg(lower + 1), pairs[static_cast<size_t>(lower)],
                           lower < ThunderMainLimit};
        };
        if (number > 1)
            s.pairings.push_back(pairing(number - 1));
        s.pairings.push_back(pairing(number));
    } else {
        s.expected = expectedThunderball(c);
        s.rating = ratingOf(s.thunderballCount, s.expected);
        s.chartValue = s.thunderballCount;
    }
    return s;
}

} // namespace ds::thunder
