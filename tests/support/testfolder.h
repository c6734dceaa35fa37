#pragma once

#include "core/drawhistory.h"
#include "support/printers.h"
#include "core/entryfile.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace dstest {

// A fresh, empty program folder for one test.
class TestFolder {
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const;
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    // A file of `size` zero bytes that takes no room on disk (sparse).
    void writeSized(const QString &name, qint64 size) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// While alive, writing a file beyond `bytes` fails, for every user, root included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    long long m_oldSoft = 0;
    long long m_oldHard = 0;
};

// Builders of file bytes, written independently of the code under test.
QByteArray drawRecord(const char *dateField8, std::initializer_list<int> main6, int bonus);
QByteArray countRecord(int n, const QByteArray &dateField8 = QByteArray(8, '\0'));
QByteArray entryRecord(const QByteArray &dateField8, std::initializer_list<int> n6);
QByteArray historyFile(const std::vector<QByteArray> &draws);

// A random valid UK history of n draws, a few per week from 1 January 1990.
QByteArray syntheticHistory(int n, int ballLimit = 49, unsigned seed = 1);

} // namespace dstest
