#include "entries/standing.h"

#include "core/appstate.h"
#include "core/entryfile.h"
#include "core/filenames.h"
#include "entries/entryplans.h"
#include "entries/entrylistview.h"

#include <QFileInfo>

namespace ds {

StandingEntryController::StandingEntryController(EntryListView &list, AppState &state,
                                                 const Platform &platform, QObject *parent)
    : QObject(parent), m_list(list), m_state(state), m_platform(platform)
{
}

QString StandingEntryController::standingPath(const AppState &state)
{
    return state.filePath(files::standing(state.game()));
}

void StandingEntryController::save()
{
    const QString refusal =
        standingSaveRefusal(m_list.totalText(), m_list.dateText(), m_state.countryCode, m_state.currentEntryFile);
    if (!refusal.isEmpty()) {
        m_platform.dialogs->message(refusal);
        return;
    }
    const QString target = standingPath(m_state);
    const bool already = QFileInfo(m_state.currentEntryFile).absoluteFilePath().compare(
                             QFileInfo(target).absoluteFilePath(), Qt::CaseInsensitive) == 0;
    if (!already && !entryfile::copyWhole(m_state.currentEntryFile, target)) {
        m_platform.dialogs->message(QStringLiteral("The standing entry could not be saved."));
        return;
    }
    m_list.setDateText(QStringLiteral("Standing"));
    m_state.currentEntryFile = target;
}

void StandingEntryController::open()
{
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You must select a Country first"));
        return;
    }
    const QString path = m_state.filePath(QStringLiteral("stand") + m_state.countryCode + QStringLiteral(".lot"));
    const FileRead<std::vector<Entry>> read = entryfile::load(path);
    if (read.missing()) {
        m_platform.dialogs->message(NoStandingEntryMessage);
        return;
    }
    if (!read.usable()) {
        // There is a standing entry: saying it was never made would invite
        // the player to make it again over the one that cannot be read.
        m_platform.dialogs->message(unreadableFileMessage(QFileInfo(path).fileName()));
        return;
    }
    m_list.showFile(path, read.value, QStringLiteral("Standing"));
    m_list.leaveMaintainMode();
}

} // namespace ds
