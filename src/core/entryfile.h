#pragma once

#include "core/fileread.h"
#include "core/recordfile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

namespace ds {

inline constexpr int EntryRecordSize = 20;

using Numbers6 = std::array<qint16, 6>;

// One 20-byte record of an entry file: date field and six numbers.
struct Entry {
    QByteArray date = QByteArray(8, '\0');
    Numbers6 n{};
};

QByteArray encodeEntry(const Entry &e);
Entry decodeEntry(const QByteArray &record);

// Entry line: "03 11 19 27 35 44 ( )". The first 17 characters are the numbers.
QString entryLine(const Numbers6 &n);
// The numbers part of an entry line followed by the given mark.
QString markedLine(const QString &line, const QString &mark);

// Two entries are the same when every number equals its counterpart.
inline bool sameEntry(const Numbers6 &a, const Numbers6 &b) { return a == b; }

// A date key as the 8-byte date field of an entry record.
QByteArray dateField(const QString &dateKey);

inline const QString EntriesUnreadableMessage = QStringLiteral("The selections file could not be read.");
// "The file UKwheel6.lot cannot be read.": an entry file that is there but
// cannot be read, named as it is spelled on disk.
QString unreadableFileMessage(const QString &fileName);

namespace entryfile {

// Entries of a file: whole records from 1 on while number 1 is not 0. A
// missing file holds none, nor does one that cannot be read.
FileRead<std::vector<Entry>> load(const QString &path);

struct OpenResult {
    bool ok = true;
    std::vector<Entry> entries;
};

// Opens or creates the selections file for a date: a file whose record 1 does
// not carry the date key gets it (its numbers kept) and counts as empty. When
// that write fails, ok is false and no file is left where there was none.
OpenResult openForDate(const QString &path, const QString &dateKey);

// Writes entry record `recordNumber` (1-based) in place.
bool writeAt(const QString &path, int recordNumber, const Entry &entry);

// Deletes the entry at list position p (0-based) of a file holding `count`
// entries by moving the later records up; the file is replaced crash-safely.
// The value says whether the entry was deleted; nothing is written when the
// file cannot be read (the status says so) or p is outside the list.
FileRead<bool> deleteAt(const QString &path, int p, int count);

// Byte copy of a whole file, replacing the target crash-safely. False when
// the file is missing or cannot be read.
bool copyWhole(const QString &from, const QString &to);

// Replaces a wheel file with records 1..n, date fields blank.
bool writeWheel(const QString &path, const std::vector<Numbers6> &entries);

} // namespace entryfile

} // namespace ds
