#pragma once

// What the link, download, help and system information entries do, through
// the platform's services only, so that every window offering them (the main
// window, the Thunderball window) does the same.

#include "core/games.h"
#include "links/weblinks.h"
#include "platform/browser.h"
#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "platform/systeminfo.h"

#include <QString>

namespace ds::links {

// Opens an address of the links file (a web address or a local file, which
// may be relative to the program folder): local pages in the help window,
// the rest in the browser (openTarget()); a failure is told with its message.
// An empty address is a page that cannot be opened.
OpenResult openAddress(const QString &address, const QString &programFolder, Dialogs &dialogs,
                       Browser &browser, HelpViewer &help);

// Shows a folder on the desktop (the About window's "Open Program Folder");
// a failure is told as for a page.
OpenResult openFolder(const QString &folder, Dialogs &dialogs, Browser &browser);

// "Download Results File" (main window, the current lotto game) and
// "Download Results" (Thunderball window): tells the player to save the file
// and bring it in with "Import Results...", then opens the game's download,
// whose address comes from record 1 of the links file in the program folder
// or, failing that, from the program.
OpenResult downloadResults(Game game, const QString &programFolder, Dialogs &dialogs, Browser &browser);

// "Contents": the help at its contents page. A missing page is reported by
// the help viewer.
void showContents(HelpViewer &help);

// "&System Info...": starts the system information tool, or says there is
// none. True when the tool started.
bool showSystemInfo(SystemInfoLauncher &tool, Dialogs &dialogs);

// The folder of the help pages: the shipped copy where there is one (it is
// brought up to date with the program), else "help" in the program folder.
QString helpFolder(const QString &programFolder, const QString &shippedFolder);

// Full path of the links file in the program folder.
QString linksFilePath(const QString &programFolder);

} // namespace ds::links
