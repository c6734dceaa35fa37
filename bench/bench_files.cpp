// Storing a draw at the front of a 30,000-draw history, finding a date in it,
// and loading a 2,500-entry selections file, each through the file on disk.
#include "core/drawhistory.h"
#include "core/entryfile.h"
#include "support/testfolder.h"

#include <benchmark/benchmark.h>

namespace {

void StoreAtFrontOf30000(benchmark::State &state)
{
    dstest::TestFolder dir;
    const QByteArray history = dstest::syntheticHistory(30000);
    const QString path = dir.file(QStringLiteral("UK.exe"));
    const ds::Draw early = ds::Draw::make(QStringLiteral("01011980"), {1, 2, 3, 4, 5, 6}, 7);
    for (auto _ : state) {
        state.PauseTiming();
        dir.write(QStringLiteral("UK.exe"), history);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ds::storeDraw(path, early));
    }
}
BENCHMARK(StoreAtFrontOf30000)->Unit(benchmark::kMillisecond);

void FindDateIn30000(benchmark::State &state)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("UK.exe"), dstest::syntheticHistory(30000));
    const QString path = dir.file(QStringLiteral("UK.exe"));
    for (auto _ : state) {
        ds::DrawHistory h;
        h.load(path);
        benchmark::DoNotOptimize(h.findFirst(QStringLiteral("01019999"))); // not there: full scan
    }
}
BENCHMARK(FindDateIn30000)->Unit(benchmark::kMillisecond);

void Load2500Entries(benchmark::State &state)
{
    dstest::TestFolder dir;
    QByteArray b;
    for (int i = 0; i < 2500; ++i)
        b += dstest::entryRecord("05061999", {1 + i % 40, 2 + i % 40, 3 + i % 40, 4 + i % 40, 5 + i % 40, 49});
    dir.write(QStringLiteral("UK05061999.lot"), b);
    const QString path = dir.file(QStringLiteral("UK05061999.lot"));
    for (auto _ : state) {
        const auto res = ds::entryfile::openForDate(path, QStringLiteral("05061999"));
        QStringList lines;
        for (const auto &e : res.entries)
            lines << ds::entryLine(e.n);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(Load2500Entries)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
