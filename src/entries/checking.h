#pragma once

#include "core/entryfile.h"
#include "core/games.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace ds {

// How an entry matched a draw: main numbers matched, and whether one of its
// numbers is the bonus.
struct Match {
    int main = 0;
    bool bonus = false;
};

using DrawNumbers = std::array<qint16, 7>; // six main numbers, then the bonus

Match matchEntry(const Numbers6 &entry, const DrawNumbers &draw);

// The tier text of an entry that is listed ("(4 Match)", "(3 + Bonus)", "(2)",
// ...); empty when the entry is not listed.
QString tierText(const Match &m, Game game, bool all);

// Whether the match reaches a prize tier of the game.
bool isWin(const Match &m, Game game);

// The numbers of an entry as in an entry line, each followed by a space.
QString numbersText(const Numbers6 &n);

// Whether an entry holds six different numbers from 1 to the game's limit.
// A record from a damaged or hand-made file may hold anything else.
bool soundEntry(const Numbers6 &n, Game game);

// "Entry 3 is damaged and was not checked." (entries numbered from 1).
QString damagedEntryLine(int entryNumber);

struct CheckResult {
    QStringList winningLines;
    QList<int> prizeLines;      // rows of winningLines that reach a prize tier
    std::vector<int> marked;    // list positions (0-based) of the listed entries
    std::vector<int> prizeMarked; // those of them that reach a prize tier
    int wins = 0;
};

// Checks the entries against the draw: the winning selections list, the
// entries to mark, and the number of prize wins. An entry that is not sound
// wins nothing: it is not marked and its damagedEntryLine takes its place in
// the list.
CheckResult checkEntries(const std::vector<Entry> &entries, const DrawNumbers &draw, Game game, bool all);

} // namespace ds
