#pragma once

#include "core/drawhistory.h"

#include <QDate>
#include <QList>
#include <QString>

namespace ds {

// The decisions of the "Result of Draw" and File Deletion handlers, apart
// from the windows.

// "Second Draw" on a date that holds two draws flips between them.
struct SecondDrawFlip {
    bool found = false; // the date holds a second draw
    int record = 0;     // the record to show
    int drawNumber = 0; // 1 or 2: which of the date's draws that is
};
SecondDrawFlip findSecondDraw(const DrawHistory &history, const QString &dateKey, int displayedNumber);

// How many draws the history holds for a date (0, 1 or 2 and more).
int drawsOnDate(const DrawHistory &history, const QString &dateKey);

// The kind of file chosen for deletion and the question asked before the
// first deletion of that kind.
enum class DeletedFileKind { Selections, Results };
DeletedFileKind deletedFileKind(const QString &fileName);
QString deletionQuestion(DeletedFileKind kind);

// The dates that hold a draw (shown in bold on the calendar), and the newest.
QList<QDate> storedDrawDates(const DrawHistory &history);
QDate latestDrawDate(const DrawHistory &history);

// A date key as a date; invalid for a damaged key.
QDate dateOfKey(const QString &dateKey);

} // namespace ds
