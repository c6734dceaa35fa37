#pragma once

#include "core/entryfile.h"

#include <QString>
#include <array>
#include <span>

namespace ds {

// The decisions of the selections, standing-entry and check handlers, apart
// from the windows: each returns what to refuse, ask or do.

// An entry typed in the six add-entry boxes (read order Text4..Text9).
struct ManualEntry {
    QString refusal;   // the message to show; empty when the entry may be added
    int faultBox = -1; // the box at fault (read order), -1 when none is singled out
    Numbers6 numbers{}; // ascending
    bool ok() const { return refusal.isEmpty(); }
};
ManualEntry readManualEntry(const std::array<QString, 6> &boxes, int maxBall, int entryCount);

// The question asked before adding an entry the list already holds; empty when
// it holds none like it.
QString duplicateEntryQuestion(std::span<const Entry> existing, const Numbers6 &numbers);

// "Check": the refusal when there is nothing to check, else empty.
QString checkRefusal(bool drawOnDisplay, const QString &totalText);

// "Save as Standing Entry": the refusal, else empty.
QString standingSaveRefusal(const QString &totalText, const QString &dateText, const QString &countryCode,
                            const QString &currentEntryFile);

// "Delete Selected Entry": the refusal for the row chosen (-1: none), else empty.
QString deleteEntryRefusal(int entryCount, int selectedRow);

inline const QString NoStandingEntryMessage = QStringLiteral(
    "You have not created a standing entry, use the Change command, set up your entries and then use Save as Standing Entry.");

} // namespace ds
