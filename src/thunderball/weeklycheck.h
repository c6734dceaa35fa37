#pragma once

// The check of a date's entries against the results of every week they
// cover, each week judged by the rules of its own era.

#include "core/tiers.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderentries.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>
#include <vector>

namespace ds::thunder {

// Matched main numbers: the pairs (result main number, entry main number)
// that are equal, each of the five against each of the five.
int mainMatches(const ThunderResult &result, const ThunderResult &entry);

// A winning line: "05 12 23 30 34 07 Match 4 + TB    £250" (the tier's
// whole text).
QString winLine(const ThunderResult &entry, const Tier &tier);

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

// What the check takes of each week it walks: the era of the week's date
// (whose limits tell a damaged record), the tiers that hold on that date and
// the results of that era's file.
struct Week {
    const Era *era = nullptr;
    std::span<const Tier> tiers;
    std::span<const ThunderResult> results;
};
using WeekLookup = std::function<Week(const QDate &)>;

// The results held in one era's file.
struct EraResults {
    const Era *era = nullptr;
    std::vector<ThunderResult> results;
};

// Each week in the Thunderball era of its date, with the tiers of its first
// draw and the results `eras` hold for that era (none when they hold no
// file of it). The lookup refers to `eras`, which must outlive it.
WeekLookup weeksOf(std::span<const EraResults> eras);

struct WeeklyCheck {
    bool ran = false;  // false: no result on the start date or no entries (nothing shown)
    QStringList lines; // the Thunderball results list
    QList<int> winRows; // the rows of `lines` that are winning lines
    qint64 total = 0;  // pounds won over the weeks checked
};

// The check routine. The entries of the start date cover `weeks` weekly draws
// from and including the start date (fewer than 2: the start date alone; more
// than MaxWeeks: MaxWeeks, the most the slider sets). Each week is checked
// against the first result of its date among the week's results (file
// order), and an entry wins the best of the week's tiers it reaches; a week
// without a result gets NoResultLine, a week whose result is damaged
// DamagedResultLine. An entry whose numbers are not sound in the week's era
// wins nothing and gets its damagedEntryLine that week. Nothing runs when the
// start date has no result or there are no entries.
WeeklyCheck checkWeeks(const QDate &start, int weeks, const WeekLookup &weekOf,
                       const std::vector<ThunderResult> &entries);

} // namespace ds::thunder
