// Checking 2,500 entries against the draw on display, through the main
// window: the second and later checks reload the list from the file first.
#include "core/appstate.h"
#include "lotto/dateselection.h"
#include "lotto/mainwindow.h"
#include "platform/monthcalendar.h"
#include "support/fakes.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

void CheckAndReload2500(benchmark::State &state)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("UK.exe"),
              dstest::historyFile({dstest::drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)}));
    QByteArray b;
    for (int i = 0; i < 2500; ++i)
        b += dstest::entryRecord("12061999", {1 + i % 40, 3 + i % 40, 7, 12, 44, 49});
    dir.write(QStringLiteral("UK12061999.lot"), b);

    dstest::FakePlatform fakes;
    ds::AppState appState;
    appState.programFolder = dir.path();
    ds::MainWindow w(appState, fakes.platform());
    w.show();
    auto pick = [&](QPushButton *change, int d, int m, int y) {
        change->click();
        w.dateDialog()->calendar()->setDate(d, m, y);
        w.dateDialog()->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    };
    pick(w.ui().Command2, 12, 6, 1999);
    pick(w.ui().Command1, 5, 6, 1999);
    w.ui().Command4->click(); // first check: marks set, the next ones reload
    for (auto _ : state) {
        w.ui().Command4->click();
        QApplication::processEvents(); // the list repaints
    }
    state.counters["winners"] = w.ui().List1->count();
}
BENCHMARK(CheckAndReload2500)->Unit(benchmark::kMillisecond);

// "Add" of the Suggest Entries frame: 2,500 suggested entries into an empty
// UK list with a 2,000-draw history, list and file included.
void Suggest2500(benchmark::State &state)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("UK.exe"), dstest::syntheticHistory(2000));
    dstest::FakePlatform fakes;
    ds::AppState appState;
    appState.programFolder = dir.path();
    ds::MainWindow w(appState, fakes.platform());
    w.show();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(dir.file(QStringLiteral("UK05061999.lot")));
        w.ui().Command7->click(); // Finished, then the date again: an empty list
        w.ui().Command2->click();
        w.dateDialog()->calendar()->setDate(5, 6, 1999);
        w.dateDialog()->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        w.ui().Option1->setChecked(true);
        w.ui().Text10->setText(QStringLiteral("2500"));
        fakes.dialogs.answer(true); // "This could take several minutes..."
        state.ResumeTiming();
        w.ui().Command10->click();
        QApplication::processEvents();
    }
    state.counters["entries"] = appState.entryCount;
}
BENCHMARK(Suggest2500)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
