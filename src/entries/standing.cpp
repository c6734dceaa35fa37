#include "entries/standing.h"

#include "core/appstate.h"
#include "core/entryfile.h"
#include "core/paths.h"
#include "entries/selections.h"
#include "lotto/mainwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace ds {

StandingEntryController::StandingEntryController(MainWindow &main) : QObject(&main), m_main(main)
{
    connect(main.ui().mnuSSE, &QAction::triggered, this, &StandingEntryController::save);
    connect(main.ui().mnuOSE, &QAction::triggered, this, &StandingEntryController::open);
}

QString StandingEntryController::standingPath(const AppState &state)
{
    return state.filePath(QStringLiteral("Stand") + state.countryCode + QStringLiteral(".lot"));
}

void StandingEntryController::save()
{
    MainUi &ui = m_main.ui();
    AppState &s = m_main.state();
    const Platform &p = m_main.platform();
    const QString total = ui.Text3->text();
    if (total == QLatin1String("0") || total.isEmpty() || ui.Text2->text().isEmpty()) {
        p.dialogs->message(QStringLiteral("You do not have any selections to make as your standing entry"));
        return;
    }
    if (s.countryCode.isEmpty()) {
        p.dialogs->message(QStringLiteral("You must select a Country first"));
        return;
    }
    if (s.currentEntryFile.isEmpty()) {
        p.dialogs->message(QStringLiteral("No file selected Drawsmith Error 10"));
        return;
    }
    const QString target = standingPath(s);
    const bool already = QFileInfo(s.currentEntryFile).absoluteFilePath().compare(
                             QFileInfo(target).absoluteFilePath(), Qt::CaseInsensitive) == 0;
    if (!already && !entryfile::copyWhole(s.currentEntryFile, target)) {
        p.dialogs->message(QStringLiteral("The standing entry could not be saved."));
        return;
    }
    ui.Text2->setText(QStringLiteral("Standing"));
    s.currentEntryFile = target;
}

void StandingEntryController::open()
{
    MainUi &ui = m_main.ui();
    AppState &s = m_main.state();
    const Platform &p = m_main.platform();
    if (s.countryCode.isEmpty()) {
        p.dialogs->message(QStringLiteral("You must select a Country first"));
        return;
    }
    const QString path = s.filePath(QStringLiteral("stand") + s.countryCode + QStringLiteral(".lot"));
    bool ok = QFileInfo::exists(path);
    std::vector<Entry> entries;
    if (ok)
        entries = entryfile::load(path, &ok);
    if (!ok) {
        p.dialogs->message(NoStandingEntryMessage);
        return;
    }
    ui.List2->clear();
    m_main.selections()->showEntries(entries);
    ui.Text2->setText(QStringLiteral("Standing"));
    ui.Text3->setText(QString::number(s.entryCount));
    s.currentEntryFile = path;
    m_main.selections()->leaveMaintainMode();
}

} // namespace ds
