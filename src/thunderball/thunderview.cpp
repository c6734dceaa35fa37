#include "thunderball/thunderview.h"

#include "core/filenames.h"
#include "core/paths.h"
#include "thunderball/resultsedit.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderinput.h"

#include <algorithm>

namespace ds::thunder {

const Era &thunderEra(const QDate &date)
{
    return eraOn(Game::Thunderball, date);
}

QString resultsPath(const QString &programFolder, const Era &era)
{
    return resolveInFolder(programFolder, files::history(era));
}

QString entriesPath(const QString &programFolder, const QDate &date)
{
    return resolveInFolder(programFolder, entryFileName(date));
}

FileRead<std::vector<EraResults>> readEraResults(const QString &programFolder)
{
    FileRead<std::vector<EraResults>> out;
    for (const Era &era : erasOf(Game::Thunderball)) {
        FileRead<std::vector<ThunderResult>> read = readThunderResults(resultsPath(programFolder, era));
        if (!read.usable() && out.usable())
            out.status = read.status;
        out.value.push_back({&era, std::move(read.value)});
    }
    return out;
}

ThunderView refreshView(const QString &programFolder, const QDate &date)
{
    ThunderView v;
    const FileRead<std::vector<EraResults>> eras = readEraResults(programFolder);
    v.resultsOk = eras.usable();
    for (const EraResults &held : eras.value)
        for (const ThunderResult &r : held.results)
            if (const QDate day = r.date(); day.isValid())
                v.resultDates << day;
    const WeekLookup weekOf = weeksOf(eras.value);
    v.result = findResult(weekOf(date).results, date.day(), date.month(), date.year());
    v.resultLabels = resultLabels(v.result);
    v.tickets = thunderEra(date).tickets;

    const FileRead<LoadedEntries> read = loadEntries(entriesPath(programFolder, date));
    const LoadedEntries &entries = read.value;
    v.entriesOk = read.usable() && !entries.writeFailed;
    v.selections = entries.lines;
    // The label, the slider and the check all go by the weeks checked.
    const int weeks = std::min<int>(entries.weeks, MaxWeeks);
    v.weeksLabel = weeksLabel(weeks);
    v.entriesLabel = entriesLabel(entries.count);
    v.sliderValue = weeks;

    v.check = checkWeeks(date, entries.weeks, weekOf, entries.entries);
    if (v.check.ran)
        v.winTotal = winTotalText(v.check.total);
    return v;
}

} // namespace ds::thunder
