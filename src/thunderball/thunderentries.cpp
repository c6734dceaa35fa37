#include "thunderball/thunderentries.h"

#include "core/dates.h"
#include "core/fileread.h"
#include "core/filenames.h"
#include "core/games.h"
#include "core/numbers.h"
#include "core/recordfile.h"

#include <QFile>

namespace ds::thunder {

namespace {
enum Offset { Count = 0, Weeks = 2, Day = 4, Month = 6, Year = 8, Main1 = 10, Ball = 20 };
} // namespace

QString entryFileName(int day, int month, int year)
{
    return files::selections(Game::Thunderball, dateKey(day, month, year));
}

QString entryFileName(const QDate &date)
{
    return entryFileName(date.day(), date.month(), date.year());
}

QString entryLine(const ThunderResult &entry)
{
    QString line;
    for (size_t i = 0; i < 5; ++i) {
        if (i > 0)
            line += QLatin1Char(' ');
        line += twoDigits(entry.main[i]);
    }
    return line + QStringLiteral(" Thunderball ") + twoDigits(entry.thunderball);
}

ReadStatus EntryFile::load(const QString &path)
{
    FileRead<QByteArray> read = readFileBytes(path);
    m_file.setBytes(read.value);
    return read.status;
}

void EntryFile::setBytes(const QByteArray &bytes)
{
    m_file.setBytes(bytes);
}

const QByteArray &EntryFile::bytes() const
{
    return m_file.bytes();
}

bool EntryFile::save(const QString &path) const
{
    return m_file.save(path);
}

int EntryFile::storedCount() const
{
    return getI16(m_file.bytes(), Count);
}

int EntryFile::count() const
{
    const int stored = storedCount();
    if (stored == 0)
        return 0;
    const qsizetype present = qMin<qsizetype>(m_file.fullRecords(), MaxRecordCount);
    // A negative count cannot be right: it reads as the whole records present
    // rather than as no entries, which would delete them at the next load.
    if (stored < 0)
        return static_cast<int>(present);
    return static_cast<int>(qMin<qsizetype>(stored, present));
}

qint16 EntryFile::weeks() const
{
    return getI16(m_file.bytes(), Weeks);
}

void EntryFile::setWeeks(qint16 weeks)
{
    m_file.ensureRecords(1);
    putI16(m_file.bytes(), Weeks, weeks);
}

std::vector<ThunderResult> EntryFile::entries() const
{
    const int n = count();
    std::vector<ThunderResult> out;
    out.reserve(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r)
        out.push_back(decodeThunderRecord(m_file.record(r)));
    return out;
}

bool EntryFile::append(const QDate &date, const ThunderNumbers &n)
{
    // A damaged count is taken as the entries present, so the new entry goes
    // right after them and never before the start of the file.
    const int newCount = count() + 1;
    if (newCount > MaxRecordCount)
        return false;
    QByteArray rec = m_file.record(1);
    putI16(rec, Count, static_cast<qint16>(newCount));
    m_file.setRecord(1, rec);
    putI16(rec, Day, static_cast<qint16>(date.day()));
    putI16(rec, Month, static_cast<qint16>(date.month()));
    putI16(rec, Year, static_cast<qint16>(date.year()));
    for (int k = 0; k < 5; ++k)
        putI16(rec, Main1 + 2 * k, n.main[static_cast<size_t>(k)]);
    putI16(rec, Ball, n.thunderball);
    m_file.setRecord(newCount, rec);
    return true;
}

bool EntryFile::removeAt(int k)
{
    const int n = count();
    if (k < 0 || k >= n)
        return false;
    // The weeks covered belong to the file, not to the entry in record 1: a
    // record moving to the front brings a stale copy of them, which is not
    // taken.
    const qint16 weeksCovered = weeks();
    for (int j = k; j <= n; ++j)
        m_file.setRecord(j + 1, m_file.record(j + 2));
    QByteArray first = m_file.record(1);
    putI16(first, Count, static_cast<qint16>(n - 1));
    putI16(first, Weeks, weeksCovered);
    m_file.setRecord(1, first);
    return true;
}

FileRead<LoadedEntries> loadEntries(const QString &path)
{
    FileRead<LoadedEntries> read;
    EntryFile f;
    read.status = f.load(path);
    if (!read.usable())
        return read;
    LoadedEntries &out = read.value;
    out.count = f.count();
    if (out.count >= 1 && f.weeks() < 1) {
        f.setWeeks(1);
        out.weeksRewritten = true;
        if (!f.save(path))
            out.writeFailed = true;
    }
    out.weeks = f.weeks();
    if (out.count == 0) {
        if (QFile::exists(path)) {
            out.removed = QFile::remove(path);
            out.writeFailed = !out.removed;
        }
        return read;
    }
    out.entries = f.entries();
    out.lines.reserve(static_cast<qsizetype>(out.entries.size()));
    for (const ThunderResult &e : out.entries)
        out.lines << entryLine(e);
    return read;
}

QString weeksLabel(int weeks)
{
    return QStringLiteral("Weeks: ") + QString::number(weeks);
}

QString entriesLabel(int count)
{
    return QStringLiteral("Entries: ") + QString::number(count);
}

bool setWeeks(const QString &path, int weeks)
{
    EntryFile f;
    if (!usable(f.load(path)))
        return false;
    f.setWeeks(static_cast<qint16>(qBound(-32768, weeks, 32767)));
    return f.save(path);
}

AppendResult appendEntries(const QString &path, const QDate &date, const std::vector<ThunderNumbers> &entries)
{
    AppendResult out;
    EntryFile f;
    if (!usable(f.load(path))) {
        out.outcome = AppendResult::Failed;
        return out;
    }
    out.count = f.count();
    const qsizetype room = MaxRecordCount - out.count;
    if (static_cast<qsizetype>(entries.size()) > room) {
        out.outcome = AppendResult::Full;
        out.room = static_cast<int>(room);
        return out;
    }
    if (entries.empty())
        return out;
    for (const ThunderNumbers &n : entries)
        f.append(date, n);
    if (!f.save(path)) {
        out.outcome = AppendResult::Failed;
        return out;
    }
    out.count = f.count();
    return out;
}

EntryDeletion deleteEntry(const QString &path, int k)
{
    EntryFile f;
    if (!usable(f.load(path)))
        return EntryDeletion::Failed;
    if (!f.removeAt(k))
        return EntryDeletion::NotFound;
    return f.save(path) ? EntryDeletion::Deleted : EntryDeletion::Failed;
}

} // namespace ds::thunder
