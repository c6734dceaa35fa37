#include "app/startup.h"

#include "core/appstate.h"
#include "core/games.h"
#include "core/printersettings.h"
#include "links/weblinks.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

namespace ds {

void identifyApplication()
{
    QApplication::setOrganizationName(QStringLiteral("Drawsmith"));
    QApplication::setApplicationName(QStringLiteral("Drawsmith"));
    QApplication::setApplicationDisplayName(QStringLiteral("Drawsmith"));
    QApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/drawsmith-256.png"), QSize(256, 256));
    QApplication::setWindowIcon(icon);
}

QString shippedFolderFor(const QString &executableFolder)
{
    return QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(DRAWSMITH_SHIPPED_FROM_BIN)));
}

QStringList ownFileNames()
{
    QStringList names;
    for (const GameRules &r : GameTable)
        names << r.historyFileName();
    names << QString::fromLatin1(PrinterSettingsFile) << QString::fromLatin1(links::FileName)
          << QStringLiteral("*.lot");
    return names;
}

ProgramFolderChoice settleProgramFolder(AppState &state, const QString &executableFolder)
{
    const ProgramFolderStart start = startProgramFolder(
        executableFolder, shippedFolderFor(executableFolder),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), ownFileNames(),
        QDateTime::currentDateTime());
    const ProgramFolderChoice &choice = start.choice;
    for (const QString &name : start.filled.failed)
        qWarning("Drawsmith: could not copy %s into %s", qPrintable(name), qPrintable(choice.folder));
    state.programFolder = choice.folder;
    state.programFolderRule = choice.rule;
    state.programFolderProblem = start.problem;
    return choice;
}

} // namespace ds
