#include "app/startup.h"

#include "core/appstate.h"
#include "core/eramove.h"
#include "core/filenames.h"

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

ProgramFolderChoice settleProgramFolder(AppState &state, const QString &executableFolder)
{
    const ProgramFolderStart start = startProgramFolder(
        executableFolder, shippedFolderFor(executableFolder),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), files::ownFiles(),
        QDateTime::currentDateTime());
    const ProgramFolderChoice &choice = start.choice;
    for (const QString &name : start.filled.failed)
        qWarning("Drawsmith: could not copy %s into %s", qPrintable(name), qPrintable(choice.folder));
    state.programFolder = choice.folder;
    state.programFolderRule = choice.rule;
    state.programFolderProblem = start.problem;
    // Draws an earlier version stored under the wrong era go to their own.
    QStringList moved;
    for (Game game : AllGames) {
        const DrawsMove move = gameInfo(game).format == ResultsFormat::Draws ? &moveLottoDraws : nullptr;
        if (move == nullptr)
            continue;
        const EraMoveResult r = moveMisplacedDraws(choice.folder, erasOf(game), move);
        if (!r.message().isEmpty())
            moved << r.message();
        for (const QString &name : r.failed)
            qWarning("Drawsmith: could not move the draws of another era out of %s", qPrintable(name));
    }
    state.startupNews = moved.join(QLatin1Char(' '));
    return choice;
}

} // namespace ds
