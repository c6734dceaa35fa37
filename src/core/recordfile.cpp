#include "core/recordfile.h"

#include "core/fileread.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace ds {

qint16 getI16(const QByteArray &bytes, qsizetype offset)
{
    if (offset < 0 || offset + 2 > bytes.size())
        return 0;
    return qFromLittleEndian<qint16>(bytes.constData() + offset);
}

void putI16(QByteArray &bytes, qsizetype offset, qint16 value)
{
    if (offset < 0)
        return;
    if (offset + 2 > bytes.size())
        bytes.resize(offset + 2, '\0');
    qToLittleEndian<qint16>(value, bytes.data() + offset);
}

bool RecordFile::load(const QString &path)
{
    FileRead<QByteArray> read = readFileBytes(path);
    m_bytes = std::move(read.value);
    return read.usable();
}

QByteArray RecordFile::record(qsizetype n) const
{
    QByteArray r(m_size, '\0');
    if (n < 1)
        return r;
    const qsizetype start = (n - 1) * m_size;
    if (start >= m_bytes.size())
        return r;
    const qsizetype len = qMin<qsizetype>(m_size, m_bytes.size() - start);
    std::copy_n(m_bytes.constData() + start, len, r.data());
    return r;
}

void RecordFile::ensureRecords(qsizetype n)
{
    if (n * m_size > m_bytes.size())
        m_bytes.resize(n * m_size, '\0');
}

void RecordFile::setRecord(qsizetype n, const QByteArray &record)
{
    if (n < 1)
        return;
    ensureRecords(n);
    const qsizetype start = (n - 1) * m_size;
    QByteArray r = record.left(m_size);
    r.resize(m_size, '\0');
    std::copy_n(r.constData(), m_size, m_bytes.data() + start);
}

bool saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // A short write (a full disk) shows only when the buffer is flushed; commit
    // alone would still put the truncated file in place.
    if (f.write(bytes) != bytes.size() || !f.flush() || f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool RecordFile::save(const QString &path) const
{
    return saveFileAtomically(path, m_bytes);
}

bool RecordFile::writeRecordInPlace(const QString &path, int recordSize, qsizetype n,
                                    const QByteArray &record)
{
    if (n < 1 || recordSize < 1)
        return false;
    const bool existed = QFileInfo::exists(path);
    QFile f(path);
    // Unbuffered, so that a failed write leaves nothing waiting in a buffer
    // to be written later; a missing file is created.
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const qint64 oldSize = f.size();
    const qint64 start = (n - 1) * static_cast<qint64>(recordSize);
    // The bytes the record replaces, to put back if the write fails.
    QByteArray replaced;
    if (start < oldSize) {
        if (!f.seek(start))
            return false;
        replaced = f.read(qMin<qint64>(recordSize, oldSize - start));
        if (f.error() != QFileDevice::NoError)
            return false;
    }
    QByteArray r = record.left(recordSize);
    r.resize(recordSize, '\0');
    // A gap before the record fills with zero bytes, as a random-access write
    // past the end does.
    if ((oldSize >= start || f.resize(start)) && f.seek(start) && f.write(r) == r.size() && f.flush()
        && f.error() == QFileDevice::NoError)
        return true;

    // A short write (a full disk) leaves the file as it was: its old length,
    // the replaced bytes back, and no file at all where there was none.
    f.unsetError();
    f.resize(oldSize);
    if (!replaced.isEmpty() && f.seek(start)) {
        f.write(replaced);
        f.flush();
    }
    f.close();
    if (!existed)
        QFile::remove(path);
    return false;
}

} // namespace ds
