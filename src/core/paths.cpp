#include "core/paths.h"

#include <QDir>
#include <QFileInfo>

namespace ds {

QString resolveInFolder(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList found = dir.entryList({name}, QDir::Files | QDir::Hidden | QDir::System,
                                            QDir::Name);
    // entryList matches the pattern case-insensitively on every platform we
    // build for, but make sure we do not accept a wildcard match.
    for (const QString &entry : found) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return exact;
}

bool existsInFolder(const QString &folder, const QString &name)
{
    return QFileInfo::exists(resolveInFolder(folder, name));
}

} // namespace ds
