// Importing the whole shipped UK history (2,065 draws, published form newest
// first and the plain form) into an empty history file on disk.
#include "core/resultsimport.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

QByteArray ukCsv()
{
    QFile f(QDir(QStringLiteral(DRAWSMITH_SOURCE_DATA)).filePath(QStringLiteral("history/uk_lotto_649.csv")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The same draws as the National Lottery publishes them: newest first, other
// header names, dates like 05-Jun-1999, extra columns.
QByteArray publishedForm(const QByteArray &plain)
{
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QList<QByteArray> lines = plain.split('\n');
    QByteArray out = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,DrawNumber\r\n";
    for (qsizetype i = lines.size() - 1; i >= 1; --i) {
        const QList<QByteArray> f = lines[i].trimmed().split(',');
        if (f.size() < 8)
            continue;
        const QList<QByteArray> ymd = f[0].split('-');
        out += ymd[2] + '-' + months[ymd[1].toInt() - 1] + '-' + ymd[0];
        for (int k = 1; k < 8; ++k)
            out += ',' + f[k];
        out += ",1,Arthur," + QByteArray::number(i) + "\r\n";
    }
    return out;
}

void run(benchmark::State &state, const QByteArray &csv)
{
    dstest::TestFolder dir;
    const QString path = dir.file(QStringLiteral("UK.exe"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        const ds::ImportReport r = ds::importLottoResults(csv, ds::Game::UK, path);
        if (r.added != 2065)
            state.SkipWithError("not every draw was added");
    }
}

void ImportWholeUkHistoryPlain(benchmark::State &state)
{
    run(state, ukCsv());
}
BENCHMARK(ImportWholeUkHistoryPlain)->Unit(benchmark::kMillisecond);

void ImportWholeUkHistoryPublishedNewestFirst(benchmark::State &state)
{
    run(state, publishedForm(ukCsv()));
}
BENCHMARK(ImportWholeUkHistoryPublishedNewestFirst)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
