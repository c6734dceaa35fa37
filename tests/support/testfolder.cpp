#include "support/testfolder.h"

#include "core/dates.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <numeric>
#include <random>

#include <csignal>
#include <sys/resource.h>

namespace dstest {

QString TestFolder::file(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void TestFolder::writeSized(const QString &name, qint64 size) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.resize(size);
}

bool TestFolder::exists(const QString &name) const
{
    return QFile::exists(file(name));
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    m_oldSoft = static_cast<long long>(old.rlim_cur);
    m_oldHard = static_cast<long long>(old.rlim_max);
    rlimit lim = old;
    lim.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &lim);
}

FileSizeLimit::~FileSizeLimit()
{
    const rlimit lim{static_cast<rlim_t>(m_oldSoft), static_cast<rlim_t>(m_oldHard)};
    setrlimit(RLIMIT_FSIZE, &lim);
}

namespace {
void put16(QByteArray &b, int v)
{
    char le[2];
    qToLittleEndian<qint16>(static_cast<qint16>(v), le);
    b.append(le, 2);
}
} // namespace

QByteArray entryRecord(const QByteArray &dateField8, std::initializer_list<int> n6)
{
    QByteArray r = dateField8;
    for (int v : n6)
        put16(r, v);
    return r;
}

QByteArray drawRecord(const char *dateField8, std::initializer_list<int> main6, int bonus)
{
    QByteArray r = entryRecord(QByteArray(dateField8, 8), main6);
    put16(r, bonus);
    return r;
}

QByteArray countRecord(int n, const QByteArray &dateField8)
{
    QByteArray r = dateField8 + QByteArray(12, '\0');
    put16(r, n);
    return r;
}

QByteArray historyFile(const std::vector<QByteArray> &draws)
{
    QByteArray b = countRecord(static_cast<int>(draws.size()));
    for (const QByteArray &d : draws)
        b += d;
    return b;
}

QByteArray syntheticHistory(int n, int ballLimit, unsigned seed)
{
    std::mt19937 gen(seed);
    QByteArray b = countRecord(n);
    QDate date(1990, 1, 1);
    std::vector<int> balls(static_cast<size_t>(ballLimit));
    std::iota(balls.begin(), balls.end(), 1);
    for (int i = 0; i < n; ++i) {
        std::shuffle(balls.begin(), balls.end(), gen);
        std::vector<int> main(balls.begin(), balls.begin() + 6);
        std::sort(main.begin(), main.end());
        b += ds::dateKey(date.day(), date.month(), date.year()).toLatin1();
        for (int v : main)
            put16(b, v);
        put16(b, balls[6]);
        date = date.addDays(i % 2 ? 4 : 3);
    }
    return b;
}

} // namespace dstest
