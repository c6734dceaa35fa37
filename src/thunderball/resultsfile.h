#pragma once

#include "core/fileread.h"
#include "core/games.h"
#include "core/recordfile.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <vector>

namespace ds {

inline constexpr int ThunderRecordSize = 22;

// One Thunderball result: the draw date, five main numbers (ascending) and the
// Thunderball.
struct ThunderResult {
    qint16 day = 0;
    qint16 month = 0;
    qint16 year = 0;
    std::array<qint16, 5> main{};
    qint16 thunderball = 0;

    bool sameDate(int d, int m, int y) const { return day == d && month == m && year == y; }
    // The draw date; invalid when the record holds no real date.
    QDate date() const { return QDate(year, month, day); }
};

// Numbers a result or an entry of the era can hold: five different main
// numbers from 1 to the era's main limit and a Thunderball from 1 to its
// Thunderball limit. A record from a damaged or hand-made file may hold
// anything else.
bool soundNumbers(const ThunderResult &r, const Era &era);
// A result that can be used: sound numbers and a real date. A damaged result
// stays in its file and is listed as damaged, but nothing is counted or
// checked against it.
bool isSoundResult(const ThunderResult &r, const Era &era);
std::vector<ThunderResult> soundResults(const std::vector<ThunderResult> &results, const Era &era);

// The 22-byte Thunderball record: count, spare, day, month, year, main 1 to 5,
// Thunderball, each a little-endian signed 16-bit integer.
QByteArray encodeThunderRecord(const ThunderResult &r, qint16 count = 0, qint16 spare = 0);
ThunderResult decodeThunderRecord(const QByteArray &record);

// The Thunderball results file, held whole in memory. Records are numbered
// from 1; record 1 carries the count of results and is itself the first
// result. Results stay in the order they were entered.
class ThunderResultsFile {
public:
    ThunderResultsFile() : m_file(ThunderRecordSize) {}

    // Reads the whole file (a missing one holds no results); how the read
    // went. A file that cannot be read, or is too large, leaves no results.
    ReadStatus load(const QString &path);
    void setBytes(const QByteArray &bytes) { m_file.setBytes(bytes); }
    const QByteArray &bytes() const { return m_file.bytes(); }
    // Crash-safe replacement of the whole file.
    bool save(const QString &path) const { return m_file.save(path); }

    // Number of results: the whole records the count and the file's length
    // give. A count larger than the whole records present, or below 1 (which
    // cannot be right: a file without results is removed), reads as the
    // records present. What a record holds plays no part: a damaged result
    // never hides those after it.
    int count() const;
    int storedCount() const;

    ThunderResult result(int index) const; // index 0-based, < count()
    std::vector<ThunderResult> results() const;

    // Record number (1..count) of the first result of the date; 0 when none.
    int find(int day, int month, int year) const;

    // Adds a result after those held, as the result entry window saves one:
    // with results held, record 1's count goes up by one and the result is
    // written as record (new count); otherwise it becomes record 1 with count 1.
    // The count is taken as count() above, so a damaged count never leaves a
    // gap or a record before the file start, and a damaged result is never
    // written over. False, with nothing changed, when the file already holds
    // 32767 results.
    bool append(const ThunderResult &r);

private:
    RecordFile m_file;
};

// All results of the file at path, in file order: none for a missing file,
// and none with the status for one that cannot be read.
FileRead<std::vector<ThunderResult>> readThunderResults(const QString &path);

// Appends one result to the file at path with a crash-safe replace.
enum class ThunderAppendResult { Appended, Full, ReadFailed, WriteFailed };
ThunderAppendResult appendThunderResult(const QString &path, const ThunderResult &r);

} // namespace ds
