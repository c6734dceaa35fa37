#include "core/drawhistory.h"

#include "core/dates.h"
#include "core/games.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

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

bool DrawHistory::load(const QString &path)
{
    return m_file.load(path);
}

int DrawHistory::storedCount() const
{
    return getI16(m_file.record(1), 20);
}

int DrawHistory::count() const
{
    const int stored = storedCount();
    if (stored <= 0)
        return 0;
    const qsizetype present = qMax<qsizetype>(0, m_file.fullRecords() - 1);
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

StoreResult storeDraw(const QString &path, const Draw &draw)
{
    DrawHistory h;
    if (!h.load(path))
        return StoreResult::ReadFailed;
    if (!h.insert(draw))
        return StoreResult::Full;
    return h.save(path) ? StoreResult::Stored : StoreResult::WriteFailed;
}

std::vector<Draw> readHistoryDraws(const QString &path, bool *ok)
{
    DrawHistory h;
    const bool read = h.load(path);
    if (ok)
        *ok = read;
    if (!read)
        return {};
    // Decoded straight from the bytes, never past the whole records held.
    const qsizetype whole = h.bytes().size() / DrawRecordSize;
    const int n = static_cast<int>(std::clamp<qsizetype>(h.count(), 0, std::max<qsizetype>(whole - 1, 0)));
    const char *data = h.bytes().constData();
    std::vector<Draw> out(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const char *rec = data + static_cast<qsizetype>(i + 1) * DrawRecordSize;
        Draw &d = out[static_cast<size_t>(i)];
        std::memcpy(d.date.data(), rec, 8);
        for (int k = 0; k < 6; ++k)
            d.main[static_cast<size_t>(k)] = qFromLittleEndian<qint16>(rec + 8 + 2 * k);
        d.bonus = qFromLittleEndian<qint16>(rec + 20);
    }
    return out;
}

} // namespace ds
