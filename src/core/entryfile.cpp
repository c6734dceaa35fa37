#include "core/entryfile.h"

#include "core/games.h"
#include "core/numbers.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>

namespace ds {

QByteArray encodeEntry(const Entry &e)
{
    QByteArray r(EntryRecordSize, '\0');
    QByteArray date = e.date.left(8);
    date.resize(8, '\0');
    std::memcpy(r.data(), date.constData(), 8);
    for (int k = 0; k < 6; ++k)
        putI16(r, 8 + 2 * k, e.n[static_cast<size_t>(k)]);
    return r;
}

Entry decodeEntry(const QByteArray &record)
{
    Entry e;
    e.date = record.left(8);
    e.date.resize(8, '\0');
    for (int k = 0; k < 6; ++k)
        e.n[static_cast<size_t>(k)] = getI16(record, 8 + 2 * k);
    return e;
}

QString entryLine(const Numbers6 &n)
{
    QString line;
    line.reserve(21);
    for (qint16 v : n) {
        line += twoDigits(v);
        line += QLatin1Char(' ');
    }
    line += QStringLiteral("(") + QStringLiteral(" ") + QStringLiteral(")");
    return line;
}

QString markedLine(const QString &line, const QString &mark)
{
    return line.left(17) + mark;
}

QByteArray dateField(const QString &dateKey)
{
    QByteArray f = dateKey.toLatin1().left(8);
    f.resize(8, ' ');
    return f;
}

QString unreadableFileMessage(const QString &fileName)
{
    return QStringLiteral("The file %1 cannot be read.").arg(fileName);
}

namespace entryfile {

namespace {

std::vector<Entry> entriesOf(const RecordFile &f)
{
    std::vector<Entry> out;
    // Whole records only: a record cut short by a failed write is no entry.
    const qsizetype records = f.fullRecords();
    for (qsizetype r = 1; r <= records && r <= MaxRecordCount; ++r) {
        Entry e = decodeEntry(f.record(r));
        if (e.n[0] == 0)
            break;
        out.push_back(e);
    }
    return out;
}

} // namespace

FileRead<std::vector<Entry>> load(const QString &path)
{
    const FileRead<QByteArray> read = readFileBytes(path);
    RecordFile f(EntryRecordSize);
    f.setBytes(read.value);
    return {read.status, entriesOf(f)};
}

OpenResult openForDate(const QString &path, const QString &dateKey)
{
    OpenResult res;
    RecordFile f(EntryRecordSize);
    if (!f.load(path)) {
        res.ok = false;
        return res;
    }
    const QByteArray key = dateField(dateKey);
    Entry first = decodeEntry(f.record(1));
    if (first.date != key) {
        first.date = key;
        // Record 1 only changes; writing it in place is safe (one record).
        res.ok = RecordFile::writeRecordInPlace(path, EntryRecordSize, 1, encodeEntry(first));
        return res;
    }
    res.entries = entriesOf(f);
    return res;
}

bool writeAt(const QString &path, int recordNumber, const Entry &entry)
{
    return RecordFile::writeRecordInPlace(path, EntryRecordSize, recordNumber, encodeEntry(entry));
}

FileRead<bool> deleteAt(const QString &path, int p, int count)
{
    if (p < 0 || p >= count)
        return {ReadStatus::Ok, false};
    const FileRead<QByteArray> read = readFileBytes(path);
    if (!read.usable())
        return {read.status, false};
    RecordFile f(EntryRecordSize);
    f.setBytes(read.value);
    // Only whole records move up: a record cut short after the list (damage
    // from outside) would otherwise come back as an entry, padded whole.
    const qsizetype whole = f.fullRecords();
    for (int i = p; i <= count; ++i)
        f.setRecord(i + 1, i + 2 <= whole ? f.record(i + 2) : QByteArray(EntryRecordSize, '\0'));
    return {read.status, f.save(path)};
}

bool copyWhole(const QString &from, const QString &to)
{
    const FileRead<QByteArray> read = readFileBytes(from);
    return read.status == ReadStatus::Ok && saveFileAtomically(to, read.value);
}

bool writeWheel(const QString &path, const std::vector<Numbers6> &entries)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(entries.size()) * EntryRecordSize);
    for (const Numbers6 &n : entries) {
        Entry e;
        e.n = n;
        bytes += encodeEntry(e);
    }
    return saveFileAtomically(path, bytes);
}

} // namespace entryfile

} // namespace ds
