#pragma once

// What the Thunderball window shows for a calendar date: the result display,
// the entries of the date and the weekly check of them. This is the refresh
// routine; the window only puts the texts into its controls.

#include "thunderball/resultsfile.h"
#include "thunderball/weeklycheck.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace ds::thunder {

struct ThunderView {
    std::optional<ThunderResult> result; // of the date, for the result display
    std::array<QString, 6> resultLabels;  // all empty without a result
    QStringList selections;              // the selections list
    QString weeksLabel;                  // "Weeks: 2", the weeks the check covers
    QString entriesLabel;                // "Entries: 5"; "Entries: 0" without entries
    int sliderValue = 0;                 // the same weeks as the label
    WeeklyCheck check;                   // the results list and total
    QString winTotal;                    // "Win Total     £260"; empty when the check did not run
    QList<QDate> resultDates;            // every date with a result in any era's file, for the calendar
    bool resultsOk = true;               // false when a results file could not be read
    bool entriesOk = true;               // false when the entry file could not be read or written
    bool tickets = true;                 // the era of the date has a ticket layout
};

// The refresh routine for the date: show-result (from the results file of
// the date's era), load-entries (which rewrites weeks 0 as 1 and removes an
// entry file without entries) and check. A stored weeks value above MaxWeeks
// is shown as MaxWeeks, the weeks checked; the file keeps its value.
ThunderView refreshView(const QString &programFolder, const QDate &date);

// The results files of every Thunderball era, oldest era first; the status of
// the first that could not be read, if any (its results are then empty).
FileRead<std::vector<EraResults>> readEraResults(const QString &programFolder);

// The Thunderball era of a date.
const Era &thunderEra(const QDate &date);

// Full paths in the program folder: the results file of an era, the entry
// file of a date.
QString resultsPath(const QString &programFolder, const Era &era);
QString entriesPath(const QString &programFolder, const QDate &date);

} // namespace ds::thunder
