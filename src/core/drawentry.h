#pragma once

#include "core/drawhistory.h"
#include "core/games.h"

#include <QString>
#include <QStringList>

namespace ds {

// Reading the number boxes of the windows: plain functions returning the
// numbers or the message to show.

// Reading and checking the seven boxes of a draw entry (six main numbers in
// any order, then the bonus).
struct DrawEntry {
    QString refusal;             // the message to show; empty when valid
    QString informative;         // told under the refusal: the numbers of the draw's era
    std::array<qint16, 6> main{}; // ascending
    qint16 bonus = 0;
    bool ok() const { return refusal.isEmpty(); }
};

DrawEntry readDrawEntry(const QStringList &sevenBoxes, int maxBall);
// The same for a draw of the era: numbers from 1 to its main limit, and a
// number out of range refused with the era's numbers told under the refusal.
DrawEntry readDrawEntry(const QStringList &sevenBoxes, const Era &era);

// Reading and checking the six boxes of an entry typed by hand.
struct EntryNumbers {
    QString refusal;                 // the message to show; empty when valid
    std::array<qint16, 6> numbers{}; // ascending
    int faultBox = -1;               // the box at fault, in the order given
    bool ok() const { return refusal.isEmpty(); }
};

// Each box's leading value must lie in 1 to maxBall; repeats are refused as
// typed and as rounded, so that 4.5 and 4 can never both be stored as 4.
EntryNumbers readEntryNumbers(const QStringList &sixBoxes, int maxBall);

inline const QString InvalidNumbersMessage = QStringLiteral("One or more of your numbers are invalid");
inline const QString SameNumbersMessage = QStringLiteral("One or more of your numbers are the same");

} // namespace ds
