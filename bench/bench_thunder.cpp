// The Thunderball weekly check: 500 entries of a 5 from 39 date covering 8
// weeks, checked against the shipped results of both eras (964 + 3,019
// results): the refresh a date change runs (show the result, load the
// entries, walk the weeks) and the walk on its own. And the statistics of
// the 3,019 results of the 5 from 39 era, each from its own read of the
// era's file as the window does: the two charts, one ball's figures, and
// every chart and figure in one go.
#include "core/filenames.h"
#include "support/testfolder.h"
#include "thunderball/resultsedit.h"
#include "thunderball/resultsfile.h"
#include "thunderball/resultsimport.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderstats.h"
#include "thunderball/thunderview.h"
#include "thunderball/weeklycheck.h"

#include <QDate>
#include <benchmark/benchmark.h>
#include <random>

namespace {

const QDate Start(2026, 8, 5); // a Wednesday: the eight Wednesdays to 23/9/2026 all have a result
const ds::Era &Tb539 = ds::latestEra(ds::Game::Thunderball);

ds::thunder::ThunderNumbers randomNumbers(std::mt19937 &gen)
{
    std::vector<qint16> all(static_cast<size_t>(Tb539.mainLimit));
    for (int i = 0; i < Tb539.mainLimit; ++i)
        all[static_cast<size_t>(i)] = static_cast<qint16>(i + 1);
    std::shuffle(all.begin(), all.end(), gen);
    ds::thunder::ThunderNumbers n;
    std::copy_n(all.begin(), 5, n.main.begin());
    std::sort(n.main.begin(), n.main.end());
    n.thunderball = static_cast<qint16>(std::uniform_int_distribution<int>(1, Tb539.extraLimit)(gen));
    return n;
}

struct Folder {
    dstest::TestFolder dir;
    std::vector<ds::thunder::EraResults> results;
    std::vector<ds::ThunderResult> entries;

    Folder()
    {
        for (const char *csv : {"thunderball_534.csv", "thunderball_539.csv"})
            ds::importResultsFile(QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/") + QLatin1String(csv),
                                  ds::Game::Thunderball, dir.path());
        std::mt19937 gen(3);
        std::vector<ds::thunder::ThunderNumbers> picks;
        for (int i = 0; i < 500; ++i)
            picks.push_back(randomNumbers(gen));
        const QString path = ds::thunder::entriesPath(dir.path(), Start);
        ds::thunder::appendEntries(path, Start, picks);
        ds::thunder::setWeeks(path, 8);
        results = ds::thunder::readEraResults(dir.path()).value;
        entries = ds::thunder::loadEntries(path).value.entries;
    }
};

Folder &folder()
{
    static Folder f;
    return f;
}

void WeeklyCheckRefresh500x8(benchmark::State &state)
{
    Folder &f = folder();
    int lines = 0;
    for (auto _ : state) {
        const ds::thunder::ThunderView v = ds::thunder::refreshView(f.dir.path(), Start);
        lines = static_cast<int>(v.check.lines.size());
        benchmark::DoNotOptimize(v.check.total);
    }
    state.counters["lines"] = lines;
}
BENCHMARK(WeeklyCheckRefresh500x8)->Unit(benchmark::kMillisecond);

void WeeklyCheckWalk500x8(benchmark::State &state)
{
    Folder &f = folder();
    for (auto _ : state) {
        const ds::thunder::WeeklyCheck c = ds::thunder::checkWeeks(Start, 8, ds::thunder::weeksOf(f.results), f.entries);
        benchmark::DoNotOptimize(c.total);
    }
}
BENCHMARK(WeeklyCheckWalk500x8)->Unit(benchmark::kMillisecond);

template <typename F>
void overResults(benchmark::State &state, F statistic)
{
    const QString path = ds::thunder::resultsPath(folder().dir.path(), Tb539);
    size_t count = 0;
    for (auto _ : state) {
        const std::vector<ds::ThunderResult> results = ds::readThunderResults(path).value;
        count = results.size();
        benchmark::DoNotOptimize(statistic(results));
    }
    state.counters["results"] = static_cast<double>(count);
}

// "Statistics" and "Thunderball": each chart from its own read.
void BothChartsOf3019(benchmark::State &state)
{
    overResults(state, [](const std::vector<ds::ThunderResult> &r) {
        return ds::thunder::frequencyChart(r, ds::thunder::StatsMode::Main, Tb539).values.size()
            + ds::thunder::frequencyChart(r, ds::thunder::StatsMode::Thunderball, Tb539).values.size();
    });
}
BENCHMARK(BothChartsOf3019)->Unit(benchmark::kMillisecond);

// A click on a bar: the figures of one ball.
void BallFiguresOf3019(benchmark::State &state)
{
    overResults(state, [](const std::vector<ds::ThunderResult> &r) {
        return ds::thunder::ballStats(r, 23, ds::thunder::StatsMode::Main, Tb539).mainCount;
    });
}
BENCHMARK(BallFiguresOf3019)->Unit(benchmark::kMillisecond);

// Both charts and the figures of every main number and every Thunderball.
void EveryFigureOf3019(benchmark::State &state)
{
    overResults(state, [](const std::vector<ds::ThunderResult> &r) {
        int sum = 0;
        for (const ds::thunder::StatsMode mode : {ds::thunder::StatsMode::Main, ds::thunder::StatsMode::Thunderball}) {
            sum += static_cast<int>(ds::thunder::frequencyChart(r, mode, Tb539).values.size());
            for (int n = 1; n <= ds::thunder::modeLimit(mode, Tb539); ++n)
                sum += ds::thunder::ballStats(r, n, mode, Tb539).chartValue;
        }
        return sum;
    });
}
BENCHMARK(EveryFigureOf3019)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
