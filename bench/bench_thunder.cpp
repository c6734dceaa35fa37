// The Thunderball weekly check: 500 entries covering 8 weeks, checked against
// a results file of 600 results (the refresh a date change runs: show the
// result, load the entries, walk the weeks), and the walk on its own.
#include "core/filenames.h"
#include "support/testfolder.h"
#include "thunderball/resultsedit.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderview.h"
#include "thunderball/weeklycheck.h"

#include <QDate>
#include <benchmark/benchmark.h>
#include <random>

namespace {

const QDate Start(2026, 12, 5);
const ds::Era &Tb534 = ds::firstEra(ds::Game::Thunderball);

ds::thunder::ThunderNumbers randomNumbers(std::mt19937 &gen)
{
    std::vector<qint16> all(static_cast<size_t>(Tb534.mainLimit));
    for (int i = 0; i < Tb534.mainLimit; ++i)
        all[static_cast<size_t>(i)] = static_cast<qint16>(i + 1);
    std::shuffle(all.begin(), all.end(), gen);
    ds::thunder::ThunderNumbers n;
    std::copy_n(all.begin(), 5, n.main.begin());
    std::sort(n.main.begin(), n.main.end());
    n.thunderball = static_cast<qint16>(std::uniform_int_distribution<int>(1, Tb534.extraLimit)(gen));
    return n;
}

// 600 weekly results ending with the 8 weeks from the start date.
QByteArray resultsFile(std::mt19937 &gen)
{
    ds::ThunderResultsFile f;
    const QDate first = Start.addDays(-7 * 592);
    for (int w = 0; w < 600; ++w)
        f.append(ds::thunder::resultOf(first.addDays(7 * w), randomNumbers(gen)));
    return f.bytes();
}

struct Folder {
    dstest::TestFolder dir;
    std::vector<ds::thunder::EraResults> results;
    std::vector<ds::ThunderResult> entries;

    Folder()
    {
        std::mt19937 gen(3);
        const QByteArray results = resultsFile(gen);
        dir.write(ds::files::history(Tb534), results);
        std::vector<ds::thunder::ThunderNumbers> picks;
        for (int i = 0; i < 500; ++i)
            picks.push_back(randomNumbers(gen));
        const QString path = ds::thunder::entriesPath(dir.path(), Start);
        ds::thunder::appendEntries(path, Start, picks);
        ds::thunder::setWeeks(path, 8);
        this->results = ds::thunder::readEraResults(dir.path()).value;
        entries = ds::thunder::loadEntries(path).value.entries;
    }
};

void WeeklyCheckRefresh500x8(benchmark::State &state)
{
    Folder f;
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
    Folder f;
    for (auto _ : state) {
        const ds::thunder::WeeklyCheck c = ds::thunder::checkWeeks(Start, 8, ds::thunder::weeksOf(f.results), f.entries);
        benchmark::DoNotOptimize(c.total);
    }
}
BENCHMARK(WeeklyCheckWalk500x8)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
