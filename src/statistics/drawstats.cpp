#include "statistics/drawstats.h"

#include "core/tiers.h"

#include "core/dates.h"
#include "core/numbers.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace ds {

namespace {

inline bool inRange(int ball, int limit)
{
    return ball >= 1 && ball <= limit;
}

// Adds one to counts[ball] for a ball inside 1..limit; limit is at most 49, so
// the index always lies inside the table.
inline void countBall(BallCounts &counts, int ball, int limit)
{
    if (inRange(ball, limit))
        ++counts[static_cast<size_t>(ball)];
}

} // namespace

std::array<QString, 6> bestSixTexts(const std::array<QString, 6> &hotBalls)
{
    std::array<QString, 6> out;
    for (size_t k = 0; k < out.size(); ++k)
        out[k] = hotBalls[k].trimmed().leftJustified(2, QLatin1Char(' '), true);
    return out;
}


int statsBallLimit(int limit)
{
    return std::clamp(limit, 1, MaxBall);
}

BallCounts mainBallCounts(std::span<const Draw> draws, int limit)
{
    limit = statsBallLimit(limit);
    BallCounts counts{};
    for (const Draw &d : draws)
        for (qint16 b : d.main)
            countBall(counts, b, limit);
    return counts;
}

BallCounts bonusBallCounts(std::span<const Draw> draws, int limit)
{
    limit = statsBallLimit(limit);
    BallCounts counts{};
    for (const Draw &d : draws)
        countBall(counts, d.bonus, limit);
    return counts;
}

BallCounts mainAndBonusCounts(std::span<const Draw> draws, int limit)
{
    limit = statsBallLimit(limit);
    BallCounts counts{};
    for (const Draw &d : draws) {
        for (qint16 b : d.main)
            countBall(counts, b, limit);
        countBall(counts, d.bonus, limit);
    }
    return counts;
}

std::array<BallCount, 6> hotSix(const BallCounts &countsIn, int limit)
{
    limit = statsBallLimit(limit);
    BallCounts counts = countsIn;
    std::array<BallCount, 6> places{};
    for (BallCount &place : places) {
        // Strictly greater, starting from 0: the lowest ball wins a tie and a
        // ball never drawn never takes a place.
        int best = 0;
        int ball = 0;
        for (int b = 1; b <= limit; ++b) {
            if (counts[static_cast<size_t>(b)] > best) {
                best = counts[static_cast<size_t>(b)];
                ball = b;
            }
        }
        if (ball == 0)
            break;
        place = {ball, best};
        counts[static_cast<size_t>(ball)] = 0;
    }
    return places;
}

std::array<BallCount, 6> hotSix(std::span<const Draw> draws, int limit)
{
    return hotSix(mainBallCounts(draws, limit), limit);
}

std::array<BallCount, 3> coolThree(const BallCounts &counts, int limit)
{
    limit = statsBallLimit(limit);
    std::array<bool, MaxBall + 1> taken{};
    std::array<BallCount, 3> places{};
    for (BallCount &place : places) {
        // Strictly less: the lowest ball wins a tie. A ball already placed is
        // passed over (rather than given a large count, which a real count of
        // a long history could exceed).
        int ball = 0;
        for (int b = 1; b <= limit; ++b) {
            if (taken[static_cast<size_t>(b)])
                continue;
            if (ball == 0 || counts[static_cast<size_t>(b)] < counts[static_cast<size_t>(ball)])
                ball = b;
        }
        if (ball == 0)
            break;
        place = {ball, counts[static_cast<size_t>(ball)]};
        taken[static_cast<size_t>(ball)] = true;
    }
    return places;
}

std::array<BallCount, 3> coolThree(std::span<const Draw> draws, int limit)
{
    return coolThree(mainBallCounts(draws, limit), limit);
}

PairCounts consecutivePairCounts(std::span<const Draw> draws, int limit)
{
    limit = statsBallLimit(limit);
    PairCounts pairs{};
    for (const Draw &d : draws) {
        for (size_t k = 0; k + 1 < d.main.size(); ++k) {
            const int n = d.main[k];
            // n + 1 <= limit keeps both numbers of the pair in range.
            if (n >= 1 && n < limit && d.main[k + 1] == n + 1)
                ++pairs[static_cast<size_t>(n)];
        }
    }
    return pairs;
}

PairCount mostFrequentPair(const PairCounts &pairs, int limit)
{
    limit = statsBallLimit(limit);
    PairCount best;
    for (int n = 1; n <= limit - 1; ++n) {
        if (pairs[static_cast<size_t>(n)] > best.count)
            best = {n, pairs[static_cast<size_t>(n)]};
    }
    return best;
}

PairCount mostFrequentPair(std::span<const Draw> draws, int limit)
{
    return mostFrequentPair(consecutivePairCounts(draws, limit), limit);
}

BestSixWins winsUsingBestSix(std::span<const Draw> draws, const std::array<int, 6> &six, const Era &era)
{
    const int limit = statsBallLimit(era.mainLimit);
    BestSixWins result;
    for (const Draw &d : draws) {
        int matches = 0;
        for (qint16 m : d.main) {
            if (!inRange(m, limit))
                continue;
            for (int h : six)
                if (m == h)
                    ++matches;
        }
        // The bonus is not looked at: a win is a match of main numbers that
        // some tier of the draw's date pays.
        const Ymd date = static_cast<Ymd>(std::clamp<qint64>(dateOrderKey(d.date), 0, StillDrawn));
        if (matches > 0 && reachesTier(era.tiersOn(date, 1).tiers, matches)) {
            ++result.wins;
            result.highestMatch = std::max(result.highestMatch, matches);
        }
    }
    return result;
}

ChartThresholds chartThresholds(const BallCounts &mainCounts, int limit)
{
    limit = statsBallLimit(limit);
    ChartThresholds t;
    t.lowest = mainCounts[1];
    t.highest = mainCounts[1];
    for (int b = 2; b <= limit; ++b) {
        t.lowest = std::min(t.lowest, mainCounts[static_cast<size_t>(b)]);
        t.highest = std::max(t.highest, mainCounts[static_cast<size_t>(b)]);
    }
    t.middle = static_cast<int>(roundHalfEven((static_cast<double>(t.highest) + t.lowest) / 2.0));
    t.spread = static_cast<int>(roundHalfEven((static_cast<double>(t.highest) - t.middle) / 2.0));
    return t;
}

QString ratingText(Rating r)
{
    switch (r) {
    case Rating::Good:
        return QString::fromLatin1(RatingGood);
    case Rating::Poor:
        return QString::fromLatin1(RatingPoor);
    case Rating::Average:
        break;
    }
    return QString::fromLatin1(RatingAverage);
}

Rating rateBall(int mainCount, const ChartThresholds &t)
{
    if (mainCount >= t.middle + t.spread)
        return Rating::Good;
    if (mainCount <= t.middle - t.spread)
        return Rating::Poor;
    return Rating::Average;
}

int expectedCount(int drawCount, int limit)
{
    limit = statsBallLimit(limit);
    return static_cast<int>(roundHalfEven(static_cast<double>(drawCount) * 6.0 / limit));
}

BallStatistics ballStatistics(std::span<const Draw> draws, int ball, int limit,
                              const ChartThresholds &thresholds)
{
    limit = statsBallLimit(limit);
    BallStatistics s;
    if (!inRange(ball, limit))
        return s;
    s.valid = true;
    s.ball = ball;
    s.drawCount = static_cast<int>(std::min<size_t>(draws.size(), 1u << 30));

    const Draw *last = nullptr;
    for (const Draw &d : draws) {
        bool seen = false;
        for (qint16 m : d.main) {
            if (m == ball) {
                ++s.mainCount;
                seen = true;
            }
        }
        if (d.bonus == ball) {
            ++s.bonusCount;
            seen = true;
        }
        if (seen)
            last = &d;
    }
    if (last)
        s.lastDrawnKey = last->dateKey();

    s.expected = expectedCount(s.drawCount, limit);
    s.rating = rateBall(s.mainCount, thresholds);

    if (draws.size() > static_cast<size_t>(AppearanceDraws)) {
        s.hasAppearances = true;
        const size_t first = draws.size() - AppearanceDraws;
        for (size_t i = 0; i < static_cast<size_t>(AppearanceDraws); ++i) {
            const Draw &d = draws[first + i];
            s.appearances[i] = std::find(d.main.begin(), d.main.end(), ball) != d.main.end();
        }
        s.firstAppearanceKey = draws[first].dateKey();
        s.lastAppearanceKey = draws.back().dateKey();
    }

    const PairCounts pairs = consecutivePairCounts(draws, limit);
    if (ball > 1)
        s.pairings.push_back({ball - 1, pairs[static_cast<size_t>(ball - 1)]});
    if (ball < limit)
        s.pairings.push_back({ball, pairs[static_cast<size_t>(ball)]});
    return s;
}

QString slashedDateKey(const QString &key)
{
    return slashDate(key.toLatin1());
}

} // namespace ds
