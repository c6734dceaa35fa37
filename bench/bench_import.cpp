// Importing the whole shipped UK history (2,065 draws, published form newest
// first and the plain form) into an empty history file on disk, and into
// large histories of 30,000 draws (the import should stay well under 200 ms
// whatever their date fields hold).
#include "core/resultsimport.h"
#include "support/testfolder.h"

#include "core/dates.h"
#include "core/drawhistory.h"

#include <QDate>
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

// A history of n draws, one every third day from 1 January 1990 (so that most
// imported draws go between them); with digitDates false the date fields are
// written "DD.MM.YY", which the order key reads only the slow way.
QByteArray largeHistory(int n, bool digitDates)
{
    QByteArray bytes = dstest::countRecord(n);
    QDate d(1990, 1, 1);
    for (int i = 0; i < n; ++i, d = d.addDays(3)) {
        const QByteArray field = digitDates
            ? ds::dateKey(d.day(), d.month(), d.year()).toLatin1()
            : QStringLiteral("%1.%2.%3").arg(d.day(), 2, 10, QLatin1Char('0')).arg(d.month(), 2, 10, QLatin1Char('0'))
                  .arg(d.year() % 100, 2, 10, QLatin1Char('0')).toLatin1();
        bytes += dstest::drawRecord(field.constData(), {1, 2, 3, 4, 5, 6}, 7);
    }
    return bytes;
}

void run(benchmark::State &state, const QByteArray &csv, const QByteArray &history = {})
{
    dstest::TestFolder dir;
    const QString path = dir.file(QStringLiteral("UK.exe"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        if (!history.isEmpty())
            dir.write(QStringLiteral("UK.exe"), history);
        state.ResumeTiming();
        const ds::ImportReport r = ds::importLottoResults(csv, ds::Game::UK, path);
        if (r.added + r.present != 2065)
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

void ImportUkInto30000DrawsWithNonDigitDates(benchmark::State &state)
{
    run(state, publishedForm(ukCsv()), largeHistory(30000, false));
}
BENCHMARK(ImportUkInto30000DrawsWithNonDigitDates)->Unit(benchmark::kMillisecond);

void ImportUkInto30000DrawsBetweenThem(benchmark::State &state)
{
    run(state, publishedForm(ukCsv()), largeHistory(30000, true));
}
BENCHMARK(ImportUkInto30000DrawsBetweenThem)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
