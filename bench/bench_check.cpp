// Checking 2,500 entries against the draw on display, through the main
// window: the second and later checks reload the list from the file first.
#include "core/appstate.h"
#include "lotto/dateselection.h"
#include "lotto/mainwindow.h"
#include "widgets/monthcalendar.h"
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

QPushButton *button(QWidget &w, const char *name)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(name));
}

QWidget *dateDialog()
{
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->objectName() == QLatin1String("Form2"))
            return t;
    return nullptr;
}

// Picks a date through the Change button `change` and the date dialog.
void pick(QWidget &w, const char *change, int d, int m, int y)
{
    button(w, change)->click();
    QWidget *dialog = dateDialog();
    dialog->findChild<ds::MonthCalendar *>(QStringLiteral("Calendar1"))->setDate(d, m, y);
    dialog->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
}

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
    pick(w, "Command2", 12, 6, 1999);
    pick(w, "Command1", 5, 6, 1999);
    button(w, "Command4")->click(); // first check: marks set, the next ones reload
    for (auto _ : state) {
        button(w, "Command4")->click();
        QApplication::processEvents(); // the list repaints
    }
    state.counters["winners"] = w.findChild<QListWidget *>(QStringLiteral("List1"))->count();
}
BENCHMARK(CheckAndReload2500)->Unit(benchmark::kMillisecond);

// The same on a two-round date of the 6 from 59: both rounds checked at once,
// with the prizes of each line and the cash total.
void CheckBothRounds2500(benchmark::State &state)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("UK59.exe"),
              dstest::historyFile({dstest::drawRecord("10062026", {1, 12, 25, 29, 40, 41}, 16),
                                   dstest::drawRecord("10062026", {2, 5, 12, 42, 47, 54}, 51)}));
    QByteArray b;
    for (int i = 0; i < 2500; ++i) {
        const int a = 1 + i % 40;
        b += dstest::entryRecord("10062026", {a, a + 2, a + 5, a + 9, 55, 59});
    }
    dir.write(QStringLiteral("UK10062026.lot"), b);

    dstest::FakePlatform fakes;
    ds::AppState appState;
    appState.programFolder = dir.path();
    ds::MainWindow w(appState, fakes.platform());
    w.show();
    pick(w, "Command2", 10, 6, 2026);
    pick(w, "Command1", 10, 6, 2026);
    button(w, "Command4")->click();
    for (auto _ : state) {
        button(w, "Command4")->click();
        QApplication::processEvents();
    }
    state.counters["lines"] = w.findChild<QListWidget *>(QStringLiteral("List1"))->count();
}
BENCHMARK(CheckBothRounds2500)->Unit(benchmark::kMillisecond);

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
        button(w, "Command7")->click(); // Finished, then the date again: an empty list
        button(w, "Command2")->click();
        QWidget *dialog = dateDialog();
        dialog->findChild<ds::MonthCalendar *>(QStringLiteral("Calendar1"))->setDate(5, 6, 1999);
        dialog->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        w.findChild<QRadioButton *>(QStringLiteral("Option1"))->setChecked(true);
        w.findChild<QLineEdit *>(QStringLiteral("Text10"))->setText(QStringLiteral("2500"));
        fakes.dialogs.answer(true); // "This could take several minutes..."
        state.ResumeTiming();
        button(w, "Command10")->click();
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
