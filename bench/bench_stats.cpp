// Every statistic of the Statistics, Charts and Ball Statistics windows over a
// 30,000-draw history, each timed with the read of the file it starts from;
// and "Add" of 2,500 suggested entries to an empty UK list with a 2,000-draw
// history, each entry written to the file in place. Also every statistic of
// the real 6 from 59 UK history (both results files, 1,179 draws), as the
// windows show them for that era.
#include "entries/suggest.h"
#include "thunderball/resultsimport.h"
#include "statistics/drawstats.h"
#include "support/testfolder.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

class Random : public ds::RandomSource {
public:
    void seed(quint64 s) override { m_gen.seed(s); }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_gen); }

private:
    std::mt19937_64 m_gen{1};
};

struct History30000 {
    dstest::TestFolder dir;
    QString path;
    History30000()
    {
        dir.write(QStringLiteral("UK.exe"), dstest::syntheticHistory(30000));
        path = dir.file(QStringLiteral("UK.exe"));
    }
};

History30000 &history()
{
    static History30000 h;
    return h;
}

template <typename F>
void overHistory(benchmark::State &state, F statistic)
{
    const QString path = history().path;
    for (auto _ : state) {
        const std::vector<ds::Draw> draws = ds::readHistoryDraws(path).value;
        benchmark::DoNotOptimize(statistic(draws));
    }
}

void ReadOnly30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) { return d.size(); });
}
BENCHMARK(ReadOnly30000)->Unit(benchmark::kMillisecond);

void HotSix30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) { return ds::hotSix(d, 49); });
}
BENCHMARK(HotSix30000)->Unit(benchmark::kMillisecond);

void CoolThree30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) { return ds::coolThree(d, 49); });
}
BENCHMARK(CoolThree30000)->Unit(benchmark::kMillisecond);

void MostFrequentPair30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) { return ds::mostFrequentPair(d, 49); });
}
BENCHMARK(MostFrequentPair30000)->Unit(benchmark::kMillisecond);

void WinsUsingBestSix30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) {
        return ds::winsUsingBestSix(d, {3, 11, 19, 27, 35, 44}, ds::firstEra(ds::Game::UK));
    });
}
BENCHMARK(WinsUsingBestSix30000)->Unit(benchmark::kMillisecond);

void MainChartAndThresholds30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) {
        return ds::chartThresholds(ds::mainBallCounts(d, 49), 49);
    });
}
BENCHMARK(MainChartAndThresholds30000)->Unit(benchmark::kMillisecond);

void MainAndBonusChart30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) { return ds::mainAndBonusCounts(d, 49); });
}
BENCHMARK(MainAndBonusChart30000)->Unit(benchmark::kMillisecond);

void PairsTable30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) { return ds::consecutivePairCounts(d, 49); });
}
BENCHMARK(PairsTable30000)->Unit(benchmark::kMillisecond);

void BallStatistics30000(benchmark::State &state)
{
    overHistory(state, [](const std::vector<ds::Draw> &d) {
        const ds::ChartThresholds t = ds::chartThresholds(ds::mainBallCounts(d, 49), 49);
        return ds::ballStatistics(d, 17, 49, t).mainCount;
    });
}
BENCHMARK(BallStatistics30000)->Unit(benchmark::kMillisecond);

// Every figure of the Statistics, Charts, Pairs and Ball Statistics windows
// for the 6 from 59 era, each from its own read of the era's file, as each
// "Show" and chart does.
void AllStatisticsOfTheSixFromFiftyNine(benchmark::State &state)
{
    dstest::TestFolder dir;
    for (const char *csv : {"uk_lotto_659.csv", "uk_lotto_659_two_rounds.csv"})
        ds::importResultsFile(QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/") + QLatin1String(csv), ds::Game::UK,
                              dir.path());
    const ds::Era &era = ds::latestEra(ds::Game::UK);
    const QString path = dir.file(QStringLiteral("UK59.exe"));
    const int limit = era.mainLimit;
    size_t draws = 0;
    for (auto _ : state) {
        draws = ds::readHistoryDraws(path).value.size();
        benchmark::DoNotOptimize(ds::hotSix(ds::readHistoryDraws(path).value, limit));
        benchmark::DoNotOptimize(ds::coolThree(ds::readHistoryDraws(path).value, limit));
        benchmark::DoNotOptimize(ds::mostFrequentPair(ds::readHistoryDraws(path).value, limit));
        benchmark::DoNotOptimize(ds::winsUsingBestSix(ds::readHistoryDraws(path).value, {3, 11, 19, 27, 35, 44}, era));
        const std::vector<ds::Draw> d = ds::readHistoryDraws(path).value;
        const ds::ChartThresholds t = ds::chartThresholds(ds::mainBallCounts(d, limit), limit);
        benchmark::DoNotOptimize(ds::mainAndBonusCounts(ds::readHistoryDraws(path).value, limit));
        benchmark::DoNotOptimize(ds::consecutivePairCounts(ds::readHistoryDraws(path).value, limit));
        benchmark::DoNotOptimize(ds::ballStatistics(ds::readHistoryDraws(path).value, 59, limit, t).mainCount);
    }
    state.counters["draws"] = static_cast<double>(draws);
    if (draws != 1179)
        state.SkipWithError("the 6 from 59 history was not imported");
}
BENCHMARK(AllStatisticsOfTheSixFromFiftyNine)->Unit(benchmark::kMillisecond);

// "Add" with "Additional" 2500 on an empty list: the one read of the entry
// file, the pool from the history file, and 2,500 entries each written in
// place at its record.
void Suggest2500With2000Draws(benchmark::State &state)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("UK.exe"), dstest::syntheticHistory(2000));
    const QString historyPath = dir.file(QStringLiteral("UK.exe"));
    const QString entryPath = dir.file(QStringLiteral("UK05061999.lot"));
    const QByteArray emptyFile = dstest::entryRecord("05061999", {0, 0, 0, 0, 0, 0});
    Random random;
    quint64 seed = 1;
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        dir.write(QStringLiteral("UK05061999.lot"), emptyFile);
        state.ResumeTiming();

        std::vector<ds::Entry> entries = ds::entryfile::load(entryPath).value;
        const ds::suggest::SelectionPool pool =
            ds::suggest::buildSelectionPool(ds::readHistoryDraws(historyPath).value, 49);
        random.seed(seed++);
        const ds::suggest::SuggestRules rules{49, 26, false, {}};
        const auto result = ds::suggest::addSuggestedEntries(
            pool, rules, entries, 2500, ds::suggest::firstEntryDateField(entryPath), random,
            [&](const ds::Entry &e, int record) { return ds::entryfile::writeAt(entryPath, record, e); });
        added = result.added;
    }
    if (added != 2500)
        state.SkipWithError("not every entry was added");
}
BENCHMARK(Suggest2500With2000Draws)->Unit(benchmark::kMillisecond);

// The same without the file writes: the cost of making the entries alone.
void Suggest2500InMemory(benchmark::State &state)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("UK.exe"), dstest::syntheticHistory(2000));
    const ds::suggest::SelectionPool pool =
        ds::suggest::buildSelectionPool(ds::readHistoryDraws(dir.file(QStringLiteral("UK.exe"))).value, 49);
    Random random;
    quint64 seed = 1;
    for (auto _ : state) {
        std::vector<ds::Entry> entries;
        random.seed(seed++);
        const ds::suggest::SuggestRules rules{49, 26, false, {}};
        benchmark::DoNotOptimize(ds::suggest::addSuggestedEntries(pool, rules, entries, 2500,
                                                                  QByteArray("05061999"), random, nullptr));
    }
}
BENCHMARK(Suggest2500InMemory)->Unit(benchmark::kMillisecond);

// A list no further entry fits: how long "Add" takes to give up.
void GiveUpOnSaturatedList(benchmark::State &state)
{
    std::vector<ds::Entry> list;
    for (qint16 a = 10; a <= 42; ++a)
        for (qint16 b = a + 1; b <= 42; ++b)
            for (qint16 c = b + 1; c <= 42; ++c) {
                ds::Entry e;
                e.n = {1, 2, 3, a, b, c};
                list.push_back(e);
            }
    const ds::suggest::SuggestRules rules{42, 19, true, {1, 2, 3, 4, 5, 6, 7, 8, 9}};
    const ds::suggest::SelectionPool pool = ds::suggest::buildSelectionPool({}, 42);
    Random random;
    for (auto _ : state) {
        std::vector<ds::Entry> entries = list;
        benchmark::DoNotOptimize(
            ds::suggest::addSuggestedEntries(pool, rules, entries, 1, QByteArray(8, '\0'), random, nullptr));
    }
}
BENCHMARK(GiveUpOnSaturatedList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
