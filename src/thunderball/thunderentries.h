#pragma once

// Thunderball entry files: "TH" + date key + ".lot" in the program folder, one
// per draw date. Records are the 22-byte Thunderball records; record 1 is the
// header (entry count, weeks covered) and the first entry. Entries stay in the
// order added; records beyond the count are never read.

#include "core/recordfile.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderinput.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace ds::thunder {

// The most weekly draws the entries of a date cover: the top of the weeks
// slider, the weeks the check walks and the last weeks box of the slip.
inline constexpr int MaxWeeks = 8;

// "TH05122026.lot" for 5 December 2026.
QString entryFileName(int day, int month, int year);
QString entryFileName(const QDate &date);

// "05 12 23 30 34 Thunderball 07".
QString entryLine(const ThunderResult &entry);

// An entry file held whole in memory.
class EntryFile {
public:
    EntryFile() : m_file(ThunderRecordSize) {}

    // Reads the whole file (a missing one holds no entries); how the read
    // went. A file that cannot be read, or is too large, leaves no entries.
    ReadStatus load(const QString &path);
    void setBytes(const QByteArray &bytes);
    const QByteArray &bytes() const;
    // Crash-safe replacement of the whole file.
    bool save(const QString &path) const;

    // The entry count of record 1, held to the whole records present (a
    // negative count reads as all of them; 0 is no entries).
    int count() const;
    int storedCount() const;
    qint16 weeks() const;
    void setWeeks(qint16 weeks);

    // Entries 1 to count(), in file order.
    std::vector<ThunderResult> entries() const;

    // Adds an entry after the others: record 1's count goes up by one and a
    // copy of record 1 carrying the date and numbers is written as record
    // (new count). False, with nothing changed, when the file holds 32767.
    bool append(const QDate &date, const ThunderNumbers &n);

    // Deletes the entry at list position k (0 for the first): for j from k to
    // the count, record j + 2 is written at position j + 1 (records beyond
    // the file's end read as zero bytes), then record 1's count drops by one
    // and its weeks field is the one it had before.
    // False, with nothing changed, when k is not an entry's position.
    bool removeAt(int k);

private:
    RecordFile m_file;
};

// What the load-entries routine found and did.
struct LoadedEntries {
    int count = 0;
    qint16 weeks = 0;
    std::vector<ThunderResult> entries;
    QStringList lines;       // the selections list
    bool weeksRewritten = false; // weeks below 1 with entries: set to 1 and saved
    bool removed = false;    // a file without entries was deleted
    bool writeFailed = false; // the weeks could not be saved or the file not deleted
};

// The load-entries routine on the entry file at path: an entry file with
// entries and weeks below 1 gets weeks 1 (saved); a file without entries is
// deleted. A file that cannot be read is neither changed nor deleted.
FileRead<LoadedEntries> loadEntries(const QString &path);

// The weeks label ("Weeks: 2") and the entries label ("Entries: 5").
QString weeksLabel(int weeks);
QString entriesLabel(int count);
inline const QString WeeksLabelEmpty = QStringLiteral("Weeks:");
inline const QString EntriesLabelEmpty = QStringLiteral("Entries:");

// The weeks slider: record 1's weeks field of the file at path set to weeks
// and saved (a missing file is created; the next load removes it again).
bool setWeeks(const QString &path, int weeks);

// Manual "Add" and "Auto Add": the entries appended to the file at path, one
// record rewrite of record 1 each, saved once as a whole.
// Full: the file has no room for them all (room says how many would fit) and
// nothing was added.
struct AppendResult {
    enum Outcome { Added, Full, Failed } outcome = Added;
    int count = 0; // entries in the file afterwards
    int room = 0;  // when Full
};
AppendResult appendEntries(const QString &path, const QDate &date, const std::vector<ThunderNumbers> &entries);

// "Delete" of the selections list: the entry at list position k.
enum class EntryDeletion { Deleted, NotFound, Failed };
EntryDeletion deleteEntry(const QString &path, int k);

} // namespace ds::thunder
