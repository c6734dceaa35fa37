// The six-number wheel of 13 numbers (1,716 entries, from the shipped J13.dat)
// checked against every draw of the shipped UK history (UK.exe in the program
// folder), win lines included: reading both files, the check and the lines.
#include "core/drawhistory.h"
#include "core/paths.h"
#include "entries/rangecheck.h"
#include "support/testfolder.h"
#include "wheels/wheels.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

void WheelOf13AgainstAllUkDraws(benchmark::State &state)
{
    const QString program = QStringLiteral(DRAWSMITH_PROGRAM_DIR);
    dstest::TestFolder dir;
    for (const char *name : {"J13.dat", "UK.exe"})
        QFile::copy(QDir(program).filePath(QString::fromLatin1(name)), dir.file(QString::fromLatin1(name)));
    const std::vector<QString> boxes = {"3", "7", "12", "19", "23", "27", "30", "34", "38", "41", "44", "46", "49"};
    const ds::wheels::SaveResult saved =
        ds::wheels::saveWheel(dir.path(), QStringLiteral("UK"), ds::wheels::wheelKind(6), 13, boxes, 49);
    if (!saved.saved() || saved.entries != 1716) {
        state.SkipWithError("the wheel was not saved: build drawsmith_histories and drawsmith_wheel_tables");
        return;
    }
    const ds::rangecheck::CheckSource &source = ds::rangecheck::checkSource(QStringLiteral("mnuWheelCheck"));
    ds::rangecheck::Result result;
    int draws = 0;
    for (auto _ : state) {
        const ds::rangecheck::OpenedFile opened =
            ds::rangecheck::openCheckFile(dir.path(), QStringLiteral("UK"), source, 49);
        ds::DrawHistory history;
        history.load(dir.file(QStringLiteral("UK.exe")));
        const std::vector<ds::Draw> all = history.draws();
        draws = static_cast<int>(all.size());
        const ds::rangecheck::DrawRange range = ds::rangecheck::findDrawRange(all, 1, 1994, 12, 2015);
        result = ds::rangecheck::checkRange(opened.entries, all, range, false);
        benchmark::DoNotOptimize(result.lines.size());
    }
    state.counters["draws"] = draws;
    state.counters["lines"] = static_cast<double>(result.lines.size());
}
BENCHMARK(WheelOf13AgainstAllUkDraws)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
