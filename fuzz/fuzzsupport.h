#pragma once

// Shared pieces of the libFuzzer harnesses: the input taken apart, a folder
// for the files a harness writes, and invariant checks that stop the run
// (libFuzzer keeps the input as a crash).

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <optional>
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
