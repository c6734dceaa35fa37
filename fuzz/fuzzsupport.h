#pragma once

// Shared pieces of the libFuzzer harnesses: the input taken apart, a folder
// for the files a harness writes, and invariant checks that stop the run
// (libFuzzer keeps the input as a crash).

#include "core/games.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <optional>
#include <vector>
#include <cstdio>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

namespace dsfuzz {

// The input read from the front: fixed-size pieces first, the rest last.
class Input {
public:
    Input(const uint8_t *data, size_t size) : m_bytes(reinterpret_cast<const char *>(data), qsizetype(size)) {}
    // The next n bytes (fewer, zero-padded, at the end of the input).
    QByteArray take(qsizetype n)
    {
        QByteArray out = m_bytes.mid(m_pos, n);
        m_pos += out.size();
        out.resize(n, '\0');
        return out;
    }
    quint8 byte() { return quint8(take(1).at(0)); }
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    quint16 u16() { return quint16(byte() | (byte() << 8)); }
    QByteArray rest()
    {
        QByteArray out = m_bytes.mid(m_pos);
        m_pos = m_bytes.size();
        return out;
    }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

// One folder for the whole run; each call names a fresh file in it.
inline QString scratchFile(const char *name)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile::remove(path);
    return path;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(f.write(bytes) == bytes.size());
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Full-size files from short inputs (the inputs stay small): `bytes` with
// its records from the second on (the first alone when it is the only one)
// repeated in turn until the file holds `records` whole records; a cut tail
// goes. Bytes without a whole record are returned as they are.
inline QByteArray grownFile(const QByteArray &bytes, int recordSize, qsizetype records)
{
    const qsizetype whole = bytes.size() / recordSize;
    if (whole == 0)
        return bytes;
    QByteArray out = bytes.left(whole * recordSize);
    out.reserve(records * recordSize);
    const qsizetype from = whole > 1 ? 1 : 0;
    for (qsizetype r = whole, i = from; r < records; ++r) {
        out.append(bytes.constData() + i * recordSize, recordSize);
        if (++i == whole)
            i = from;
    }
    return out;
}

// A record count at the most a file holds (32767 records after `header`
// records of its own), one fewer or one more.
inline qsizetype fullRecordCount(quint8 pick, int header)
{
    return ds::MaxRecordCount + header + pick % 3 - 1;
}

// How often each value of a signed 16-bit field was seen: a count made by
// the harness, apart from the code under test.
class ValueCounts {
public:
    ValueCounts() : m_counts(65536, 0) {}
    void add(int v) { ++m_counts[size_t(qint16(v) + 32768)]; }
    int operator[](int v) const { return v < -32768 || v > 32767 ? 0 : m_counts[size_t(v + 32768)]; }

private:
    std::vector<int> m_counts;
};

// While alive, no file of the process may grow beyond `bytes` (writes past it
// fail with EFBIG): a full disk for the writer under test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit l = m_old;
        l.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
};

} // namespace dsfuzz
