#include "entries/rangecheckcontroller.h"

#include "entries/entryframes.h"
#include "entries/rangecheck.h"
#include "entries/rangecheckwindow.h"
#include "entries/entrylistview.h"

namespace ds {

RangeCheckController::RangeCheckController(EntryListView &list, WinningFrame &winning,
                                           AppState &state, const Platform &platform, QWidget *window,
                                           QObject *parent)
    : QObject(parent), m_list(list), m_winning(winning), m_state(state), m_platform(platform),
      m_window(window)
{
}

RangeCheckController::~RangeCheckController() = default;

void RangeCheckController::start(const QString &menu)
{
    const rangecheck::CheckSource &source = rangecheck::checkSource(menu);
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QString::fromLatin1(source.noCountry));
        return;
    }
    if (!m_platform.dialogs->ask(QString::fromLatin1(rangecheck::MsgCloseFiles)))
        return;

    // The main window shows nothing while the check window is open.
    m_list.closeFile();
    m_list.leaveMaintainMode();
    m_winning.clearLines();
    emit drawDisplayCleared();

    const rangecheck::OpenedFile opened =
        rangecheck::openCheckFile(m_state.programFolder, m_state.game(), source);
    if (!opened.refusal.isEmpty()) {
        m_platform.dialogs->message(opened.refusal);
        return;
    }
    m_state.entryCount = static_cast<int>(opened.entries.size());
    m_state.currentEntryFile = opened.path;

    m_check = std::make_unique<RangeCheckWindow>(m_state, m_platform);
    m_check->load(opened.entries);
    m_check->openOver(m_window, OpenerMode::Hide);
}

} // namespace ds
