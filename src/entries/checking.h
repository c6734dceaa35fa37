#pragma once

#include "core/entryfile.h"
#include "core/tiers.h"

#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <vector>

namespace ds {

using DrawNumbers = std::array<qint16, 7>; // six main numbers, then the bonus

// How an entry matched a draw: main numbers matched, and whether one of its
// numbers is the bonus.
Match matchEntry(const Numbers6 &entry, const DrawNumbers &draw);

// The tier text of an entry that is listed: the tier's own text ("(4 Match)",
// "(3 + Bonus)") followed by two spaces and its prize where the tier shows one
// ("(3 Match)  £30"); with `all`, a match of one or two numbers that wins
// nothing is listed as "(2)" or "(1 +Bonus)". Empty when the entry is not
// listed.
QString tierText(const Match &m, const TierList &tiers, bool all);

// The numbers of an entry as in an entry line, each followed by a space.
QString numbersText(const Numbers6 &n);

// Whether an entry holds six different numbers from 1 to maxBall.
// A record from a damaged or hand-made file may hold anything else.
bool soundEntry(const Numbers6 &n, int maxBall);

// "Entry 3 is damaged and was not checked." (entries numbered from 1).
QString damagedEntryLine(int entryNumber);

struct CheckResult {
    QStringList winningLines;
    QList<int> prizeLines;      // rows of winningLines that reach a prize tier
    std::vector<int> marked;    // list positions (0-based) of the listed entries
    std::vector<int> prizeMarked; // those of them that reach a prize tier
    int wins = 0;               // entries that reach a prize tier
    qint64 cash = 0;            // the fixed cash prizes of the winning lines
};

// Checks the entries against the draw with the tiers of its date and draw: the
// winning selections list, the entries to mark, and the number of prize wins.
// An entry that is not sound (six different numbers from 1 to maxBall) wins
// nothing: it is not marked and its damagedEntryLine takes its place in the
// list.
CheckResult checkEntries(const std::vector<Entry> &entries, const DrawNumbers &draw, const TierList &tiers,
                         int maxBall, bool all);

// One draw of a date that a line plays with the others (a round of the UK
// Lotto): its numbers, its tiers and what leads its tier texts ("Round 2 ").
struct PlayedDraw {
    DrawNumbers numbers{};
    const TierList *tiers = nullptr;
    QString lead;
};

// Checks the entries against every draw of the date at once: the lines of
// the first draw, then of the next, each tier text led by its draw's lead. An
// entry that wins in two draws is listed twice, marked once and counted once
// in `wins`; `cash` adds the fixed prizes of every draw.
CheckResult checkPlayedDraws(const std::vector<Entry> &entries, std::span<const PlayedDraw> draws, int maxBall,
                             bool all);

// The count beside the winning list: "3 winning entries", "1 winning entry",
// and where fixed cash prizes were won ", £60 in fixed prizes" after it.
QString winCountText(int wins, qint64 cash, Currency currency);

} // namespace ds
