#include "thunderball/resultsfile.h"

#include "core/games.h"

#include <QDate>
#include <algorithm>
#include <iterator>

namespace ds {

namespace {
enum Offset { Count = 0, Spare = 2, Day = 4, Month = 6, Year = 8, Main1 = 10, Ball = 20 };
} // namespace

QByteArray encodeThunderRecord(const ThunderResult &r, qint16 count, qint16 spare)
{
    QByteArray rec(ThunderRecordSize, '\0');
    putI16(rec, Count, count);
    putI16(rec, Spare, spare);
    putI16(rec, Day, r.day);
    putI16(rec, Month, r.month);
    putI16(rec, Year, r.year);
    for (int k = 0; k < 5; ++k)
        putI16(rec, Main1 + 2 * k, r.main[static_cast<size_t>(k)]);
    putI16(rec, Ball, r.thunderball);
    return rec;
}

ThunderResult decodeThunderRecord(const QByteArray &record)
{
    ThunderResult r;
    r.day = getI16(record, Day);
    r.month = getI16(record, Month);
    r.year = getI16(record, Year);
    for (int k = 0; k < 5; ++k)
        r.main[static_cast<size_t>(k)] = getI16(record, Main1 + 2 * k);
    r.thunderball = getI16(record, Ball);
    return r;
}

bool soundNumbers(const ThunderResult &r, const Era &era)
{
    quint64 seen = 0; // every era's limit is at most MaxBall, within the mask
    for (qint16 n : r.main) {
        if (n < 1 || n > era.mainLimit || (seen & (quint64(1) << n)))
            return false;
        seen |= quint64(1) << n;
    }
    return r.thunderball >= 1 && r.thunderball <= era.extraLimit;
}

bool isSoundResult(const ThunderResult &r, const Era &era)
{
    return soundNumbers(r, era) && QDate::isValid(r.year, r.month, r.day);
}

std::vector<ThunderResult> soundResults(const std::vector<ThunderResult> &results, const Era &era)
{
    std::vector<ThunderResult> out;
    out.reserve(results.size());
    std::copy_if(results.begin(), results.end(), std::back_inserter(out),
                 [&era](const ThunderResult &r) { return isSoundResult(r, era); });
    return out;
}

ReadStatus ThunderResultsFile::load(const QString &path)
{
    FileRead<QByteArray> read = readFileBytes(path);
    m_file.setBytes(read.value);
    return read.status;
}

int ThunderResultsFile::storedCount() const
{
    return getI16(m_file.record(1), Count);
}

int ThunderResultsFile::count() const
{
    const int stored = storedCount();
    const qsizetype present = qMin<qsizetype>(m_file.fullRecords(), MaxRecordCount);
    // A file whose last result is deleted goes altogether, so a count below 1
    // beside whole records cannot be right: it reads as the records present,
    // so that the next result never lands on one of them.
    if (stored <= 0)
        return static_cast<int>(present);
    return static_cast<int>(qMin<qsizetype>(stored, present));
}

ThunderResult ThunderResultsFile::result(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return decodeThunderRecord(m_file.record(index + 1));
}

std::vector<ThunderResult> ThunderResultsFile::results() const
{
    const int n = count();
    std::vector<ThunderResult> out;
    out.reserve(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r)
        out.push_back(decodeThunderRecord(m_file.record(r)));
    return out;
}

int ThunderResultsFile::find(int day, int month, int year) const
{
    const int n = count();
    for (int r = 1; r <= n; ++r) {
        const QByteArray rec = m_file.record(r);
        if (getI16(rec, Day) == day && getI16(rec, Month) == month && getI16(rec, Year) == year)
            return r;
    }
    return 0;
}

bool ThunderResultsFile::append(const ThunderResult &r)
{
    const int n = count();
    if (n >= MaxRecordCount)
        return false;
    if (n == 0) {
        // No results: the new one starts the file afresh as record 1.
        m_file.setRecord(1, encodeThunderRecord(r, 1));
        return true;
    }
    const int n1 = n + 1;
    QByteArray first = m_file.record(1);
    putI16(first, Count, static_cast<qint16>(n1));
    m_file.setRecord(1, first);
    m_file.setRecord(n1, encodeThunderRecord(r));
    return true;
}

FileRead<std::vector<ThunderResult>> readThunderResults(const QString &path)
{
    ThunderResultsFile f;
    FileRead<std::vector<ThunderResult>> out;
    out.status = f.load(path);
    if (out.usable())
        out.value = f.results();
    return out;
}

ThunderAppendResult appendThunderResult(const QString &path, const ThunderResult &r)
{
    ThunderResultsFile f;
    if (!usable(f.load(path)))
        return ThunderAppendResult::ReadFailed;
    if (!f.append(r))
        return ThunderAppendResult::Full;
    return f.save(path) ? ThunderAppendResult::Appended : ThunderAppendResult::WriteFailed;
}

} // namespace ds
