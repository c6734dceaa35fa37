#pragma once

// The one place that names the program's files. Every name is looked up in the
// program folder without regard to letter case (AppState::filePath), so the
// spelling here is the one a new file gets.

#include "core/games.h"

#include <QString>
#include <QStringList>

namespace ds::files {

// The history file of an era: "UK.exe", "IR.exe", "thresult.exe".
QString history(const Era &era);

// The selections file of a date: "UK05061999.lot", "IR05061999.lot",
// "TH05061999.lot" (Thunderball entries).
QString selections(Game game, const QString &dateKey);
// The prefix every selections file of the game starts with ("UK").
QString selectionsPrefix(Game game);

// The date key that names a lotto selections file (the 8 characters after
// the country code of "UK05061999.lot"), or empty for other entry files.
QString selectionsDateKey(const QString &path);

// The standing entry: "StandUK.lot", "StandIR.lot".
QString standing(Game game);

// A wheel file: "UKwheel6.lot", "IRwheel3.lot".
QString wheel(Game game, int wheel);

// The wheel table of a kind and group size: prefix + size + ".dat" ("J6.dat",
// "308.dat" where the size takes two digits).
QString wheelTable(const char *prefix, int groupSize, bool twoDigitSize);

inline const QString PrinterSettings = QStringLiteral("prnt.dat");
inline const QString WebLinks = QStringLiteral("weblinks.dat");

// The program's own files in its folder, as names and name patterns: the
// histories of every era, the settings, the links and the entry files.
QStringList ownFiles();

} // namespace ds::files
