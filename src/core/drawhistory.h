#pragma once

#include "core/fileread.h"
#include "core/recordfile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

namespace ds {

inline constexpr int DrawRecordSize = 22;

// One 22-byte record of a draw history file: date field, six main numbers,
// bonus. Record 1 of a file has the same layout with the draw count in the
// bonus field.
struct Draw {
    QByteArray date = QByteArray(8, '\0'); // always 8 bytes
    std::array<qint16, 6> main{};
    qint16 bonus = 0;

    QString dateKey() const; // trimmed date field
    static Draw make(const QString &dateKey, const std::array<qint16, 6> &main, qint16 bonus);
    static Draw blank(); // eight spaces and seven zeros
};

QByteArray encodeDraw(const Draw &d);
Draw decodeDraw(const QByteArray &record);

// The draw history file of the UK or Irish lotto, held whole in memory.
// Record numbers below follow the file: 1 is the count record, the draws are
// records 2 to count + 1.
class DrawHistory {
public:
    DrawHistory() : m_file(DrawRecordSize) {}

    // Reads the file; a missing file is an empty history. Anything but a
    // usable() status leaves the history empty.
    ReadStatus load(const QString &path);
    void setBytes(const QByteArray &bytes) { m_file.setBytes(bytes); }
    const QByteArray &bytes() const { return m_file.bytes(); }
    bool save(const QString &path) const { return m_file.save(path); }

    // Number of draws. The stored count is never trusted beyond the records the
    // file holds: one larger than the draw records present, or negative (which
    // cannot be right), reads as the number of whole draw records present.
    int count() const;
    int storedCount() const;

    Draw record(int r) const { return decodeDraw(m_file.record(r)); }
    std::vector<Draw> draws() const;

    // Record numbers (2..count+1) of the first and last draw whose trimmed date
    // field equals the date key; 0 when none.
    int findFirst(const QString &dateKey) const;
    int findLast(const QString &dateKey) const;

    // Stores a draw in date order (after every draw of the same date). False,
    // with nothing changed, when the count would pass 32767.
    bool insert(const Draw &draw);

    // Stores draws that come in date order exactly as insert() would one by
    // one, but reading each record's order key once for all of them. Stores
    // as many as fit below 32767 and returns how many.
    int insertSorted(const std::vector<Draw> &draws);

    // Deletes the last draw of the date. False, with nothing changed, when the
    // history holds no draw of that date.
    bool remove(const QString &dateKey);

private:
    void writeCount(int n);
    RecordFile m_file;
};

// The draws of the history file at path, decoded straight from the bytes and
// never past the whole records held (none when it is missing).
FileRead<std::vector<Draw>> readHistoryDraws(const QString &path);

inline const QString HistoryUnreadableMessage = QStringLiteral("The draw history file could not be read.");
inline const QString HistoryNotWrittenMessage =
    QStringLiteral("The draw could not be written to the draw history file.");

// Stores one draw into the history file at path with a crash-safe replace.
enum class StoreResult { Stored, Full, ReadFailed, WriteFailed };
StoreResult storeDraw(const QString &path, const Draw &draw);

} // namespace ds
