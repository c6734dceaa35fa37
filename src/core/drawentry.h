#pragma once

#include "core/drawhistory.h"

#include <QString>
#include <QStringList>

namespace ds {

// Reading the number boxes of the windows: plain functions returning the
// numbers or the message to show.

// Reading and checking the seven boxes of a draw entry (six main numbers in
// any order, then the bonus).
struct DrawEntry {
    QString refusal;             // the message to show; empty when valid
    std::array<qint16, 6> main{}; // ascending
    qint16 bonus = 0;
    bool ok() const { return refusal.isEmpty(); }
};

DrawEntry readDrawEntry(const QStringList &sevenBoxes, int maxBall);

// Reading and checking the six boxes of an entry typed by hand.
struct EntryNumbers {
    QString refusal;                 // the message to show; empty when valid
    std::array<qint16, 6> numbers{}; // ascending
    bool ok() const { return refusal.isEmpty(); }
};

// Each box's leading value must lie in 1 to maxBall; repeats are refused as
// typed and as rounded, so that 4.5 and 4 can never both be stored as 4.
EntryNumbers readEntryNumbers(const QStringList &sixBoxes, int maxBall);

inline const QString InvalidNumbersMessage = QStringLiteral("One or more of your numbers are invalid");
inline const QString SameNumbersMessage = QStringLiteral("One or more of your numbers are the same");

} // namespace ds
