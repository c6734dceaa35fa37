#pragma once

#include "core/games.h"

#include <QString>
#include <array>
#include <QtGlobal>

namespace ds {

// The values several windows share. One instance lives for the whole run,
// owned by main() and handed to the windows that need it.
// What the Date Selection dialog works for: choosing (or entering) a draw, or
// choosing the date of the selections.
enum class DateSelectionMode { ChangeDrawNumbers, ChangeSelections };

// The values several windows share. One instance lives for the whole run,
// owned by main() and handed to the windows that need it.
struct AppState {
    QString programFolder;
    QString programFolderRule;    // how the program folder was chosen, for the About window
    QString programFolderProblem; // told at start-up: the folder cannot be created or written
    QString startupNews;          // told at start-up: draws moved to the file of their era

    QString countryCode;          // "UK", "IR", empty only before start-up finished

    std::array<qint16, 7> displayedDraw{}; // positions 0..5 main, 6 bonus
    QString displayedDrawDate;    // date key of the draw last found or stored and shown
    qint16 displayedDrawNumber = 0; // 1 first draw, 2 second draw, 0 after Change
    DateSelectionMode dateSelectionMode = DateSelectionMode::ChangeDrawNumbers;
    QString chosenDateKey;        // date last confirmed in the date dialog

    QString currentEntryFile;     // full path, empty when none is open
    int entryCount = 0;
    bool checked = false;         // the selections list carries marks of a check

    std::array<qint16, 9> constraints{}; // 0..2 must contain, 3..8 must not contain
    bool constraintsActive = false;

    std::array<QString, 6> bestSix; // two-character texts saved by the statistics window

    qint32 ticketLeftOffset = 0;
    qint32 ticketTopOffset = 0;

    // Start-up values of the shared state (everything but the country).
    void resetForStartup();

    // Full path of a file in the program folder, matched without regard to case.
    QString filePath(const QString &name) const;

    // The lotto game of the country code (the UK Lotto until start-up set one).
    Game game() const { return gameOfCountry(countryCode).value_or(Game::UK); }
    const GameInfo &info() const { return gameInfo(game()); }
    // The era of a date of the current game (a date key; the newest era for a
    // key that is not a date) and the path of its history file.
    const Era &eraOf(const QString &dateKey) const;
    QString historyPath(const Era &era) const;
    // The era of the open entry file: of its date for a selections file, the
    // newest era for a file without one (standing entry, wheel).
    const Era &entryEra() const;
    // The newest era of the current game whose history holds draws (the
    // newest era when none does): what the windows without a date of their
    // own show while no draw is on display.
    const Era &newestEraWithDraws() const;
};

} // namespace ds
