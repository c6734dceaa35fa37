// Importing the whole shipped UK history (2,065 draws, published form newest
// first and the plain form) into an empty history file on disk, and into
// large histories of 30,000 draws (the import should stay well under 200 ms
// whatever their date fields hold).
#include "thunderball/resultsimport.h"
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
        const ds::ImportReport r = ds::importResults(csv, ds::Game::UK, dir.path());
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

// Kilobytes of a line of /proc/self/status ("VmRSS:", "VmHWM:"); -1 when the
// system does not say.
long statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Resets the peak resident size to the present one.
bool resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

// Importing a results file at the 16 MB limit (the UK history repeated: its
// first copy is added, the rest are skipped as listed twice) from disk. The
// counter peak_per_file_byte is the growth of the resident size during the
// import over the file's size; it should stay under 4.
void ImportA16MegabyteFilePeakMemory(benchmark::State &state)
{
    dstest::TestFolder dir;
    const QByteArray one = ukCsv();
    const qsizetype header = one.indexOf('\n') + 1;
    QByteArray csv = one;
    while (csv.size() + one.size() - header <= 16 * 1024 * 1024)
        csv += one.mid(header);
    dir.write(QStringLiteral("big.csv"), csv);
    const QString csvPath = dir.file(QStringLiteral("big.csv"));
    const QString path = dir.file(QStringLiteral("UK.exe"));
    double worst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        if (!resetPeak()) {
            state.SkipWithError("the peak resident size cannot be measured here");
            return;
        }
        const long before = statusKb("VmRSS:");
        state.ResumeTiming();
        const ds::ImportReport r = ds::importResultsFile(csvPath, ds::Game::UK, dir.path());
        state.PauseTiming();
        const long peak = statusKb("VmHWM:");
        worst = std::max(worst, double(peak - before) * 1024 / double(csv.size()));
        if (r.added != 2065 || r.refused)
            state.SkipWithError("the import did not add the history");
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(csv.size()) / (1024 * 1024);
    state.counters["peak_per_file_byte"] = worst;
}
BENCHMARK(ImportA16MegabyteFilePeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
