#include "thunderball/autoadd.h"

#include "core/games.h"
#include "core/numbers.h"

#include <algorithm>

namespace ds::thunder {

namespace {

// A position of a pool of `size` slots, 0-based; -1 when the draw falls
// outside it (the whole pick is then drawn again).
int poolIndex(size_t size, const Fraction &fraction)
{
    const qint64 i = roundHalfEven(fraction() * static_cast<double>(size) + 1.0);
    return i >= 1 && i <= static_cast<qint64>(size) ? static_cast<int>(i - 1) : -1;
}

void addDraw(AutoAddPool &pool, const ThunderResult &r, const Era &era)
{
    for (qint16 n : r.main)
        if (n >= 1 && n <= era.mainLimit)
            pool.main.push_back(n);
    if (r.thunderball >= 1 && r.thunderball <= era.extraLimit)
        pool.thunderball.push_back(r.thunderball);
}

} // namespace

int mainPoolSize(const Era &era)
{
    return era.mainLimit + era.mainCount * PoolDraws;
}

int ballPoolSize(const Era &era)
{
    return era.extraLimit + PoolDraws;
}

int randomFromOne(int n, const Fraction &fraction)
{
    for (;;) {
        const qint64 v = roundHalfEven(fraction() * n + 1.0);
        if (v >= 1 && v <= n)
            return static_cast<int>(v);
    }
}

AutoAddPool buildAutoAddPool(const std::vector<ThunderResult> &allResults, const Era &era, const Fraction &fraction)
{
    const std::vector<ThunderResult> results = soundResults(allResults, era);
    AutoAddPool pool;
    pool.main.reserve(static_cast<size_t>(mainPoolSize(era)));
    pool.thunderball.reserve(static_cast<size_t>(ballPoolSize(era)));
    for (int n = 1; n <= era.mainLimit; ++n)
        pool.main.push_back(static_cast<qint16>(n));
    for (int n = 1; n <= era.extraLimit; ++n)
        pool.thunderball.push_back(static_cast<qint16>(n));

    const int c = static_cast<int>(results.size());
    if (c > PoolDraws) {
        for (int i = c - 1; i >= c - PoolDraws; --i)
            addDraw(pool, results[static_cast<size_t>(i)], era);
        return pool;
    }
    for (const ThunderResult &r : results)
        addDraw(pool, r, era);
    for (int d = c; d < PoolDraws; ++d) {
        ThunderResult r;
        for (qint16 &n : r.main)
            n = static_cast<qint16>(randomFromOne(era.mainLimit, fraction));
        r.thunderball = static_cast<qint16>(randomFromOne(era.extraLimit, fraction));
        addDraw(pool, r, era);
    }
    return pool;
}

std::vector<ThunderNumbers> pickAutoEntries(const AutoAddPool &pool, int n, const Fraction &fraction)
{
    std::vector<ThunderNumbers> out;
    if (n <= 0 || pool.main.empty() || pool.thunderball.empty())
        return out;
    out.reserve(static_cast<size_t>(n));
    while (static_cast<int>(out.size()) < n) {
        ThunderNumbers e;
        bool ok = true;
        for (qint16 &v : e.main) {
            const int i = poolIndex(pool.main.size(), fraction);
            if (i < 0) {
                ok = false;
                continue; // all six are drawn, then the pick is discarded
            }
            v = pool.main[static_cast<size_t>(i)];
        }
        const int t = poolIndex(pool.thunderball.size(), fraction);
        if (t < 0 || !ok)
            continue;
        e.thunderball = pool.thunderball[static_cast<size_t>(t)];
        std::sort(e.main.begin(), e.main.end());
        if (std::adjacent_find(e.main.begin(), e.main.end()) != e.main.end())
            continue;
        out.push_back(e);
    }
    return out;
}

} // namespace ds::thunder
