#include "thunderball/thunderview.h"

#include "core/paths.h"
#include "thunderball/resultsedit.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderinput.h"

#include <algorithm>

namespace ds::thunder {

QString resultsPath(const QString &programFolder)
{
    return resolveInFolder(programFolder, ThunderResultsFileName);
}

QString entriesPath(const QString &programFolder, const QDate &date)
{
    return resolveInFolder(programFolder, entryFileName(date));
}

ThunderView refreshView(const QString &programFolder, const QDate &date)
{
    ThunderView v;
    const ResultsRead results = readResults(resultsPath(programFolder));
    v.resultsOk = results.ok;
    for (const ThunderResult &r : results.results)
        if (const QDate day(r.year, r.month, r.day); day.isValid())
            v.resultDates << day;
    v.result = findResult(results.results, date.day(), date.month(), date.year());
    v.resultLabels = resultLabels(v.result);

    const LoadedEntries entries = loadEntries(entriesPath(programFolder, date));
    v.entriesOk = entries.ok;
    v.selections = entries.lines;
    // The label, the slider and the check all go by the weeks checked.
    const int weeks = std::min<int>(entries.weeks, MaxWeeks);
    v.weeksLabel = weeksLabel(weeks);
    v.entriesLabel = entriesLabel(entries.count);
    v.sliderValue = weeks;

    v.check = checkWeeks(date, entries.weeks, results.results, entries.entries);
    if (v.check.ran)
        v.winTotal = winTotalText(v.check.total);
    return v;
}

} // namespace ds::thunder
