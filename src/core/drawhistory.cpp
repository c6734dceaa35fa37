#include "core/drawhistory.h"

#include "core/dates.h"
#include "core/games.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>

namespace ds {

QString Draw::dateKey() const
{
    return trimmedField(date);
}

Draw Draw::make(const QString &dateKey, const std::array<qint16, 6> &main, qint16 bonus)
{
    Draw d;
    QByteArray f = dateKey.toLatin1().left(8);
    f.resize(8, ' ');
    d.date = f;
    d.main = main;
    d.bonus = bonus;
    return d;
}

Draw Draw::blank()
{
    Draw d;
    d.date = QByteArray(8, ' ');
    return d;
}

QByteArray encodeDraw(const Draw &d)
{
    QByteArray r(DrawRecordSize, '\0');
    QByteArray date = d.date.left(8);
    date.resize(8, '\0');
    std::memcpy(r.data(), date.constData(), 8);
    for (int k = 0; k < 6; ++k)
        putI16(r, 8 + 2 * k, d.main[static_cast<size_t>(k)]);
    putI16(r, 20, d.bonus);
    return r;
}

Draw decodeDraw(const QByteArray &record)
{
    Draw d;
    d.date = record.left(8);
    d.date.resize(8, '\0');
    for (int k = 0; k < 6; ++k)
        d.main[static_cast<size_t>(k)] = getI16(record, 8 + 2 * k);
    d.bonus = getI16(record, 20);
    return d;
}

ReadStatus DrawHistory::load(const QString &path)
{
    FileRead<QByteArray> read = readFileBytes(path);
    m_file.setBytes(read.value);
    return read.status;
}

int DrawHistory::storedCount() const
{
    return getI16(m_file.record(1), 20);
}

int DrawHistory::count() const
{
    const int stored = storedCount();
    const qsizetype present = std::clamp<qsizetype>(m_file.fullRecords() - 1, 0, MaxRecordCount);
    // A negative count cannot be right: the draws are the records present, so
    // that the next stored draw never lands on one of them.
    if (stored < 0)
        return static_cast<int>(present);
    return static_cast<int>(qMin<qsizetype>(stored, present));
}

std::vector<Draw> DrawHistory::draws() const
{
    const int n = count();
    std::vector<Draw> out;
    out.reserve(static_cast<size_t>(n));
    for (int r = 2; r <= n + 1; ++r)
        out.push_back(record(r));
    return out;
}

namespace {

// Compares the trimmed 8-byte date field at `field` with a date key without
// building strings: the hot path of every look-up.
bool fieldEquals(const char *field, const QByteArray &key)
{
    int b = 0, e = 8;
    while (b < e && field[b] == ' ')
        ++b;
    while (e > b && field[e - 1] == ' ')
        --e;
    return e - b == key.size() && std::memcmp(field + b, key.constData(), static_cast<size_t>(e - b)) == 0;
}

// The date order key of the 8-byte date field at `field`, the same value as
// dateOrderKey() gives. A field of eight digits, what the program writes, is
// read in place: the insertion scan reads every record before the new one.
qint64 fieldOrderKey(const char *field)
{
    for (int i = 0; i < 8; ++i) {
        if (field[i] < '0' || field[i] > '9')
            return dateOrderKey(QByteArray(field, 8));
    }
    const auto digit = [field](int i) { return qint64(field[i] - '0'); };
    const qint64 year = digit(4) * 1000 + digit(5) * 100 + digit(6) * 10 + digit(7);
    return year * 10000 + (digit(2) * 10 + digit(3)) * 100 + digit(0) * 10 + digit(1);
}

} // namespace

int DrawHistory::findFirst(const QString &dateKey) const
{
    const QByteArray key = dateKey.toLatin1();
    const int n = count();
    const char *data = m_file.bytes().constData();
    for (int r = 2; r <= n + 1; ++r) {
        if (fieldEquals(data + (r - 1) * DrawRecordSize, key))
            return r;
    }
    return 0;
}

int DrawHistory::findLast(const QString &dateKey) const
{
    const QByteArray key = dateKey.toLatin1();
    const int n = count();
    const char *data = m_file.bytes().constData();
    for (int r = n + 1; r >= 2; --r) {
        if (fieldEquals(data + (r - 1) * DrawRecordSize, key))
            return r;
    }
    return 0;
}

void DrawHistory::writeCount(int n)
{
    QByteArray rec = m_file.record(1);
    putI16(rec, 20, static_cast<qint16>(n));
    m_file.setRecord(1, rec);
}

bool DrawHistory::insert(const Draw &draw)
{
    const int n = count();
    if (n >= MaxRecordCount)
        return false;
    const int n1 = n + 1;
    writeCount(n1);
    const QByteArray rec = encodeDraw(draw);
    if (n1 == 1) {
        m_file.setRecord(2, rec);
        return true;
    }
    const qint64 key = dateOrderKey(draw.date);
    int at = 0;
    // Records 2..n1 are whole records: the count is bounded by the file.
    const char *data = m_file.bytes().constData();
    for (int r = 2; r <= n1; ++r) {
        if (fieldOrderKey(data + (r - 1) * DrawRecordSize) > key) {
            at = r;
            break;
        }
    }
    if (at == 0) {
        m_file.setRecord(n1 + 1, rec);
        return true;
    }
    // Records at..n1 move up by one (the last first), then the new one goes in.
    m_file.ensureRecords(n1 + 1);
    char *bytes = m_file.bytes().data();
    std::memmove(bytes + at * DrawRecordSize, bytes + (at - 1) * DrawRecordSize,
                 static_cast<size_t>(n1 - at + 1) * DrawRecordSize);
    m_file.setRecord(at, rec);
    return true;
}

int DrawHistory::insertSorted(const std::vector<Draw> &draws)
{
    const int n = count();
    const int m = static_cast<int>(std::min<size_t>(draws.size(), size_t(MaxRecordCount - n)));
    if (m <= 0)
        return 0;
    // One at a time, each draw goes before the first record whose key is
    // larger than its own, after the draws stored before it. With the draws in
    // key order that is before the first record where the running largest key
    // passes the draw's key: one pass over the records, one search per draw.
    const QByteArray &old = m_file.bytes();
    const char *data = old.constData();
    std::vector<qint64> runningMax(static_cast<size_t>(n));
    qint64 largest = std::numeric_limits<qint64>::min();
    for (int i = 0; i < n; ++i) {
        largest = std::max(largest, fieldOrderKey(data + qsizetype(i + 1) * DrawRecordSize));
        runningMax[static_cast<size_t>(i)] = largest;
    }
    QByteArray first = m_file.record(1);
    putI16(first, 20, static_cast<qint16>(n + m));
    const qsizetype mergedEnd = qsizetype(n + m + 1) * DrawRecordSize;
    QByteArray out;
    out.reserve(std::max(mergedEnd, old.size()));
    out += first;
    int next = 0; // next old record to copy
    for (int j = 0; j < m; ++j) {
        const qint64 key = dateOrderKey(draws[static_cast<size_t>(j)].date);
        const int at = static_cast<int>(std::upper_bound(runningMax.begin(), runningMax.end(), key) - runningMax.begin());
        if (at > next) {
            out.append(data + qsizetype(next + 1) * DrawRecordSize, qsizetype(at - next) * DrawRecordSize);
            next = at;
        }
        out += encodeDraw(draws[static_cast<size_t>(j)]);
    }
    if (n > next)
        out.append(data + qsizetype(next + 1) * DrawRecordSize, qsizetype(n - next) * DrawRecordSize);
    // Records beyond the merged ones (stale copies, a cut record) stay as the
    // single inserts would leave them.
    if (old.size() > mergedEnd)
        out.append(data + mergedEnd, old.size() - mergedEnd);
    m_file.setBytes(out);
    return m;
}

bool DrawHistory::remove(const QString &dateKey)
{
    const int n = count();
    const int p = findLast(dateKey);
    if (p == 0)
        return false;
    const QByteArray blank = encodeDraw(Draw::blank());
    if (n == 1) {
        m_file.setRecord(1, blank);
        m_file.setRecord(2, blank);
        return true;
    }
    if (p == n + 1) {
        m_file.setRecord(p, blank);
    } else {
        // Later draws move down by one; the old last position keeps its copy.
        char *data = m_file.bytes().data();
        std::memmove(data + (p - 1) * DrawRecordSize, data + p * DrawRecordSize,
                     static_cast<size_t>(n + 1 - p) * DrawRecordSize);
    }
    writeCount(n - 1);
    return true;
}

FileRead<std::vector<Draw>> readHistoryDraws(const QString &path)
{
    FileRead<std::vector<Draw>> out;
    DrawHistory h;
    out.status = h.load(path);
    if (!out.usable())
        return out;
    // Decoded straight from the bytes, never past the whole records held.
    const qsizetype whole = h.bytes().size() / DrawRecordSize;
    const int n = static_cast<int>(std::clamp<qsizetype>(h.count(), 0, std::max<qsizetype>(whole - 1, 0)));
    const char *data = h.bytes().constData();
    out.value.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const char *rec = data + static_cast<qsizetype>(i + 1) * DrawRecordSize;
        Draw &d = out.value[static_cast<size_t>(i)];
        std::memcpy(d.date.data(), rec, 8);
        for (int k = 0; k < 6; ++k)
            d.main[static_cast<size_t>(k)] = qFromLittleEndian<qint16>(rec + 8 + 2 * k);
        d.bonus = qFromLittleEndian<qint16>(rec + 20);
    }
    return out;
}

StoreResult storeDraw(const QString &path, const Draw &draw)
{
    DrawHistory h;
    if (!usable(h.load(path)))
        return StoreResult::ReadFailed;
    if (!h.insert(draw))
        return StoreResult::Full;
    return h.save(path) ? StoreResult::Stored : StoreResult::WriteFailed;
}


} // namespace ds
