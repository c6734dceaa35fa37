// The six-number wheel of 13 numbers (1,716 entries, from the shipped J13.dat)
// checked against every draw of the shipped UK history (UK.exe in the program
// folder), win lines included: reading both files, the check and the lines;
// then the same through the "Entry Check Against Previous Draws" window, its
// list filled and painted.
#include "core/appstate.h"
#include "core/drawhistory.h"
#include "entries/rangecheckwindow.h"
#include "support/fakes.h"
#include "core/paths.h"
#include "entries/rangecheck.h"
#include "support/testfolder.h"
#include "wheels/wheels.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const std::vector<QString> Group = {"3", "7", "12", "19", "23", "27", "30", "34", "38", "41", "44", "46", "49"};

// The shipped history and the wheel of 13 numbers in a fresh folder; false
// when the program folder lacks what it needs.
bool prepare(const dstest::TestFolder &dir)
{
    const QString program = QStringLiteral(DRAWSMITH_PROGRAM_DIR);
    for (const char *name : {"J13.dat", "UK.exe"})
        QFile::copy(QDir(program).filePath(QString::fromLatin1(name)), dir.file(QString::fromLatin1(name)));
    const ds::wheels::SaveResult saved =
        ds::wheels::saveWheel(dir.path(), QStringLiteral("UK"), ds::wheels::wheelKind(6), 13, Group, 49);
    return saved.saved() && saved.entries == 1716;
}

void WheelOf13AgainstAllUkDraws(benchmark::State &state)
{
    dstest::TestFolder dir;
    if (!prepare(dir)) {
        state.SkipWithError("the wheel was not saved: build the drawsmith_program_folder target");
        return;
    }
    const ds::rangecheck::CheckSource &source = ds::rangecheck::checkSource(QStringLiteral("mnuWheelCheck"));
    ds::rangecheck::Result result;
    int draws = 0;
    for (auto _ : state) {
        const ds::rangecheck::OpenedFile opened =
            ds::rangecheck::openCheckFile(dir.path(), ds::Game::UK, source);
        ds::DrawHistory history;
        history.load(dir.file(QStringLiteral("UK.exe")));
        const std::vector<ds::Draw> all = history.draws();
        draws = static_cast<int>(all.size());
        const ds::rangecheck::DrawRange range = ds::rangecheck::findDrawRange(all, 1, 1994, 12, 2015);
        result = ds::rangecheck::checkRange(opened.entries, all, range, ds::Game::UK);
        benchmark::DoNotOptimize(result.lines.size());
    }
    state.counters["draws"] = draws;
    state.counters["lines"] = static_cast<double>(result.lines.size());
}
BENCHMARK(WheelOf13AgainstAllUkDraws)->Unit(benchmark::kMillisecond);

// "Check" of the window over the whole history, the list filled and shown.
void WheelOf13ThroughTheCheckWindow(benchmark::State &state)
{
    dstest::TestFolder dir;
    if (!prepare(dir)) {
        state.SkipWithError("the wheel was not saved: build the drawsmith_program_folder target");
        return;
    }
    dstest::FakePlatform fakes;
    ds::AppState appState;
    appState.programFolder = dir.path();
    appState.countryCode = QStringLiteral("UK");
    const ds::rangecheck::OpenedFile opened = ds::rangecheck::openCheckFile(
        dir.path(), ds::Game::UK, ds::rangecheck::checkSource(QStringLiteral("mnuWheelCheck")));
    ds::RangeCheckWindow w(appState, fakes.platform());
    w.load(opened.entries);
    w.findChild<QComboBox *>(QStringLiteral("Combo3"))->setCurrentIndex(11);
    w.show();
    QApplication::processEvents();
    auto *check = w.findChild<QPushButton *>(QStringLiteral("Command2"));
    for (auto _ : state) {
        check->click();
        QApplication::processEvents(); // the list and the totals paint
    }
    state.counters["lines"] = w.findChild<QListWidget *>(QStringLiteral("List1"))->count();
}
BENCHMARK(WheelOf13ThroughTheCheckWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
