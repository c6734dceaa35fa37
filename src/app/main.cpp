#include "app/startup.h"
#include "core/appstate.h"
#include "links/linkactions.h"
#include "lotto/mainwindow.h"
#include "platform/qtdesktop.h"
#include "platform/qtplatform.h"
#include "platform/qtprinter.h"
#include "platform/qttransfer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ds::identifyApplication();
    // Closing the main window ends the program; other windows come and go.
    QApplication::setQuitOnLastWindowClosed(false);

    ds::AppState state;
    const QString executableFolder = QCoreApplication::applicationDirPath();
    ds::settleProgramFolder(state, executableFolder);

    ds::QtDialogs dialogs;
    ds::QtPrinter printer(state.programFolder);
    ds::QtSettingsStore settings;
    ds::SystemClock clock;
    ds::StdRandomSource random;
    ds::QtProgramControl program;
    ds::QtBrowser browser;
    ds::QtHelpViewer help(ds::links::helpFolder(state.programFolder, ds::shippedFolderFor(executableFolder)));
    ds::QtSystemInfo systemInfo;
    ds::QtTransfer transfer;
    ds::Platform platform{&dialogs, &printer, &settings, &clock, &random, &program, &browser, &help, &systemInfo,
                          &transfer};

    ds::MainWindow window(state, platform);
    if (program.ended())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
