#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace ds {

// Little-endian signed 16-bit fields of a record.
qint16 getI16(const QByteArray &bytes, qsizetype offset);
void putI16(QByteArray &bytes, qsizetype offset, qint16 value);

// A random-access file of fixed-length records, held whole in memory.
// Records are numbered from 1; a record beyond the end reads as zero bytes.
// Changes are made to the bytes and written back with save(), which replaces
// the file on disk atomically (the old file or the new one, never a mixture).
class RecordFile {
public:
    explicit RecordFile(int recordSize) : m_size(recordSize) {}

    // Reads the whole file. A missing file reads as empty and succeeds; a file
    // that exists but cannot be read, or is too large to be one of the
    // program's files, fails.
    bool load(const QString &path);

    int recordSize() const { return m_size; }
    const QByteArray &bytes() const { return m_bytes; }
    QByteArray &bytes() { return m_bytes; }
    void setBytes(const QByteArray &bytes) { m_bytes = bytes; }

    // Number of whole records held.
    qsizetype fullRecords() const { return m_bytes.size() / m_size; }

    QByteArray record(qsizetype n) const;
    // Writes record n, growing the file with zero bytes where it is shorter.
    void setRecord(qsizetype n, const QByteArray &record);
    // Makes sure records up to n exist (zero bytes), for in-place moves.
    void ensureRecords(qsizetype n);

    bool save(const QString &path) const;

    // Writes one record at its place in the file without rewriting the rest
    // (used to append an entry at the end of an entry file). A write that
    // fails leaves the file as it was (a file it created is removed).
    static bool writeRecordInPlace(const QString &path, int recordSize, qsizetype n,
                                   const QByteArray &record);

private:
    int m_size;
    QByteArray m_bytes;
};

// Crash-safe replacement of a whole file.
bool saveFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace ds
