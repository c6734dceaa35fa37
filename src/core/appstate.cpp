#include "core/appstate.h"

#include "core/games.h"
#include "core/paths.h"

namespace ds {

void AppState::resetForStartup()
{
    checked = false;
    constraintsActive = false;
    selectionPool.fill(0);
    for (int i = 1; i <= 42; ++i)
        selectionPool[static_cast<size_t>(i)] = static_cast<qint16>(i);
    currentEntryFile.clear();
    drawHistoryPath.clear();
    entryCount = 0;
}

QString AppState::filePath(const QString &name) const
{
    return resolveInFolder(programFolder, name);
}

QString AppState::historyPath() const
{
    return filePath(historyFileName(countryCode));
}

} // namespace ds
