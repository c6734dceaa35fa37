#include "core/appstate.h"

#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/filenames.h"
#include "core/paths.h"

namespace ds {

void AppState::resetForStartup()
{
    checked = false;
    constraintsActive = false;
    currentEntryFile.clear();
    entryCount = 0;
}

QString AppState::filePath(const QString &name) const
{
    return resolveInFolder(programFolder, name);
}

const Era &AppState::eraOf(const QString &dateKey) const
{
    const qint64 order = dateOrderKey(dateKey);
    return order > 0 && order < StillDrawn ? eraOn(game(), static_cast<Ymd>(order)) : latestEra(game());
}

const Era &AppState::entryEra() const
{
    return eraOf(files::selectionsDateKey(currentEntryFile));
}

const Era &AppState::newestEraWithDraws() const
{
    const std::span<const Era> eras = erasOf(game());
    for (auto e = eras.rbegin(); e != eras.rend(); ++e) {
        DrawHistory history;
        if (usable(history.load(historyPath(*e))) && history.count() > 0)
            return *e;
    }
    return eras.back();
}

QString AppState::historyPath(const Era &era) const
{
    return filePath(files::history(era));
}

} // namespace ds
