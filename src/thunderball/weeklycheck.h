#pragma once

// The fixed Thunderball prize table and the check of a date's entries against
// the results of every week they cover.

#include "thunderball/resultsfile.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

namespace ds::thunder {

// The most weeks an entry can cover (the weeks slider runs from 0 to this).
inline constexpr int MaxWeeks = 8;

struct Prize {
    int main;         // main numbers matched
    bool thunderball; // the Thunderball matched
    const char *text; // 14 characters, the pound sign counted as one
    int amount;       // whole pounds
};

// The table, best prize first.
extern const Prize PrizeTable[8];

// The row of (main numbers matched, Thunderball matched); nothing for every
// other combination (0, 1 or 2 main numbers without the Thunderball, the
// Thunderball alone, or more than five pairs from a damaged record).
std::optional<Prize> prizeFor(int mainMatched, bool thunderballMatched);

// Matched main numbers: the pairs (result main number, entry main number)
// that are equal, each of the five against each of the five.
int mainMatches(const ThunderResult &result, const ThunderResult &entry);

// A winning line: "05 12 23 30 34 07 Match 4 + TB    £250".
QString winLine(const ThunderResult &entry, const Prize &prize);

inline const QString RuleLine = QStringLiteral("--------------------------------");
inline const QString NoWinsLine = QStringLiteral("No wins this week");
inline const QString NoResultLine = QStringLiteral("No results recorded for this draw date");
inline const QString DamagedResultLine = QStringLiteral("The result of this draw date is damaged and was not checked.");
// "Entry 3 is damaged and was not checked." (entries numbered from 1).
QString damagedEntryLine(int entryNumber);
// "Results for draw date 5 12 2026".
QString weekHeading(const QDate &date);
// "Win Total     £260".
QString winTotalText(qint64 total);

struct WeeklyCheck {
    bool ran = false;  // false: no result on the start date or no entries (nothing shown)
    QStringList lines; // the Thunderball results list
    QList<int> winRows; // the rows of `lines` that are winning lines
    qint64 total = 0;  // pounds won over the weeks checked
};

// The check routine. The entries of the start date cover `weeks` weekly draws
// from and including the start date (fewer than 2: the start date alone; more
// than MaxWeeks: MaxWeeks, the most the slider sets). Each week is checked
// against the first result of its date in `results` (file order); a week
// without a result gets NoResultLine, a week whose result is damaged
// DamagedResultLine. An entry whose numbers are not sound wins nothing and
// gets its damagedEntryLine every week. Nothing runs when the start date has
// no result or there are no entries.
WeeklyCheck checkWeeks(const QDate &start, int weeks, const std::vector<ThunderResult> &results,
                       const std::vector<ThunderResult> &entries);

} // namespace ds::thunder
