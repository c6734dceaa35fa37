#pragma once

#include "core/drawhistory.h"

#include <QString>
#include <QStringList>

namespace ds {

// Reading and checking the seven boxes of a draw entry (six main numbers in
// any order, then the bonus).
struct DrawEntry {
    QString refusal;             // the message to show; empty when valid
    std::array<qint16, 6> main{}; // ascending
    qint16 bonus = 0;
    bool ok() const { return refusal.isEmpty(); }
};

DrawEntry readDrawEntry(const QStringList &sevenBoxes, int maxBall);

inline const QString InvalidNumbersMessage = QStringLiteral("One or more of your numbers are invalid");
inline const QString SameNumbersMessage = QStringLiteral("One or more of your numbers are the same");

} // namespace ds
