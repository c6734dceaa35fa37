#include "links/linkactions.h"

#include "core/filenames.h"
#include "core/paths.h"
#include "links/about.h"

#include <QDir>
#include <QFileInfo>

namespace ds::links {

namespace {

OpenResult openAndReport(const QUrl &url, Dialogs &dialogs, Browser &browser)
{
    const OpenResult result = url.isValid() && !url.isEmpty() ? browser.open(url) : OpenResult::NotOpened;
    const OpenFailure failure = openFailure(result);
    if (!failure.text.isEmpty())
        dialogs.warning(failure.title, failure.text);
    return result;
}

} // namespace

QString helpFolder(const QString &programFolder, const QString &shippedFolder)
{
    const QString front = QString::fromLatin1(HomePageAddress); // "help/index.html"
    const QString sub = front.section(QLatin1Char('/'), 0, 0);
    if (!shippedFolder.isEmpty() && QFileInfo::exists(QDir(shippedFolder).filePath(front)))
        return QDir(shippedFolder).filePath(sub);
    return QDir(programFolder).filePath(sub);
}

QString linksFilePath(const QString &programFolder)
{
    return resolveInFolder(programFolder, files::WebLinks);
}

OpenResult openAddress(const QString &address, const QString &programFolder, Dialogs &dialogs,
                       Browser &browser, HelpViewer &help)
{
    const QUrl url = resolveAddress(address, programFolder);
    const OpenTarget target = openTarget(url, programFolder);
    switch (target.kind) {
    case OpenTarget::HelpTopic:
        // A missing help page is reported by the help window itself.
        help.showHelp(target.topicOrPath);
        return OpenResult::Opened;
    case OpenTarget::LocalPage:
        if (help.showPage(target.topicOrPath))
            return OpenResult::Opened;
        {
            const OpenFailure failure = openFailure(OpenResult::NotOpened);
            dialogs.warning(failure.title, failure.text);
        }
        return OpenResult::NotOpened;
    case OpenTarget::Browser:
        break;
    }
    return openAndReport(url, dialogs, browser);
}

OpenResult openFolder(const QString &folder, Dialogs &dialogs, Browser &browser)
{
    return openAndReport(folder.isEmpty() ? QUrl() : QUrl::fromLocalFile(folder), dialogs, browser);
}

OpenResult downloadResults(Game game, const QString &programFolder, Dialogs &dialogs, Browser &browser)
{
    // The links file is read afresh: it is the one place the addresses are
    // maintained.
    const DownloadPlan plan = planDownload(game, loadLinks(linksFilePath(programFolder)).value[0]);
    dialogs.inform(plan.message);
    return openAndReport(plan.address, dialogs, browser);
}

void showContents(HelpViewer &help)
{
    help.showHelp(QStringLiteral("index"));
}

bool showSystemInfo(SystemInfoLauncher &tool, Dialogs &dialogs)
{
    if (tool.start())
        return true;
    dialogs.warning(QString::fromLatin1(about::SystemInfoTitle), QString::fromLatin1(about::MsgSystemInfoUnavailable));
    return false;
}

} // namespace ds::links
