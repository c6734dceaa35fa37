#pragma once

// "Export Results...": every draw a game's history files hold, of every era,
// written in date order as the plain results file the import reads, so that
// exporting and importing into an empty folder gives the same histories.

#include "core/games.h"
#include "core/resultsimport.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

namespace ds::links {

// A draw as the history files hold it.
struct HeldDraw {
    Ymd date = 0;
    int draw = 1;               // 2 for the second draw of a date
    std::array<int, 6> main{};  // ascending; the era's main count of them
    int mainCount = 0;
    int extra = 0;              // bonus ball or Thunderball
};

// The draws of a game's history files (one bytes entry per era of
// erasOf(game), oldest first; empty bytes hold nothing) in date order, the
// first draw of a date before its second. A record the import would not
// take back (a date that cannot be read or that no era of the game covers,
// a number outside its era's limits or given twice, a second draw where the
// date has one, a third draw, a Thunderball date held twice) is left out and
// counted.
struct HeldDraws {
    std::vector<HeldDraw> draws;
    int leftOut = 0;
};
HeldDraws heldDraws(Game game, const EraFiles &files);

// The plain results file of the draws: a line naming the columns, then a
// line per draw with its ISO date: "date,n1,...,n6,bonus" (with a "draw"
// column after the date for a game whose dates may hold two draws), or
// "date,n1,...,n5,thunderball".
QByteArray exportCsv(Game game, const std::vector<HeldDraw> &draws);

// The history files of the game's eras in the program folder; `unreadable`
// when one exists but cannot be read.
struct EraFilesRead {
    EraFiles files;
    bool unreadable = false;
};
EraFilesRead readEraFiles(Game game, const QString &programFolder);

// The name the save dialog proposes: "UK Lotto results.csv".
QString exportFileName(Game game);

// Exports the game's draws to the file at path, replaced crash-safely.
// Refused, with nothing written, when a history cannot be read, when it
// holds no draws, or when path is one of the program's own files in its
// folder.
struct ExportResult {
    bool written = false;
    QString text; // what to tell the player
};
ExportResult exportResults(Game game, const QString &programFolder, const QString &path);

} // namespace ds::links
