#pragma once

#include <QString>

namespace ds {

struct Platform;
struct PrintOutcome;

// The first words of every report of a printout that failed.
inline const QString PrintoutNotMade = QStringLiteral("The printout could not be made.");
inline const QString OpenFolderCaption = QStringLiteral("Open Folder");

// What a failed printout tells the player: the failure and, where it is
// known, the reason.
QString printoutFailedText(const PrintOutcome &outcome);

// What a printout saved as a file tells the player: the whole path of the
// file.
QString printoutSavedText(const QString &file);

// Tells the player how a printout went, over the window that printed: a
// failure with the warning icon; a printout saved as a file with its name
// and a button that opens its folder; nothing for a printout that went to the
// printer.
void reportPrintout(const Platform &platform, const PrintOutcome &outcome);

} // namespace ds
