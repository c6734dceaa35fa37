#include "platform/printreport.h"

#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ds {

QString printoutFailedText(const PrintOutcome &outcome)
{
    return outcome.reason.isEmpty() ? PrintoutNotMade : PrintoutNotMade + QLatin1Char(' ') + outcome.reason;
}

QString printoutSavedText(const QString &file)
{
    return QStringLiteral("No printer was found; the printout was saved as %1").arg(QDir::toNativeSeparators(file));
}

void reportPrintout(const Platform &platform, const PrintOutcome &outcome)
{
    if (!outcome.made) {
        platform.dialogs->message(printoutFailedText(outcome));
        return;
    }
    if (outcome.savedFile.isEmpty())
        return;
    if (!platform.dialogs->informOffering(printoutSavedText(outcome.savedFile), OpenFolderCaption))
        return;
    const QString folder = QFileInfo(outcome.savedFile).absolutePath();
    if (platform.browser->open(QUrl::fromLocalFile(folder)) != OpenResult::Opened)
        platform.dialogs->message(
            QStringLiteral("The folder %1 could not be opened.").arg(QDir::toNativeSeparators(folder)));
}

} // namespace ds
