#include "lotto/drawhistorywindow.h"

#include "core/appstate.h"
#include "core/drawhistory.h"
#include "core/games.h"
#include "lotto/historyprint.h"
#include "platform/printreport.h"
#include "widgets/listwindow.h"

namespace ds {

namespace {

const QString NoCountry = QStringLiteral("You must select a Country first");

bool lottoCountry(const QString &code)
{
    return gameOfCountry(code).has_value();
}

} // namespace

DrawHistoryController::DrawHistoryController(AppState &state, const Platform &platform, QWidget *window,
                                             std::function<const Era &()> eraInUse, QObject *parent)
    : QObject(parent), m_state(state), m_platform(platform), m_window(window), m_eraInUse(std::move(eraInUse))
{
}

DrawHistoryController::~DrawHistoryController() = default;

bool DrawHistoryController::loadHistory(const Era &era, DrawHistory &history)
{
    if (!lottoCountry(m_state.countryCode)) {
        m_platform.dialogs->message(NoCountry);
        return false;
    }
    if (!usable(history.load(m_state.historyPath(era)))) {
        m_platform.dialogs->message(HistoryUnreadableMessage);
        return false;
    }
    return true;
}

void DrawHistoryController::showHistory()
{
    const Era &era = m_eraInUse();
    DrawHistory history;
    if (!loadHistory(era, history))
        return;
    if (!m_history)
        m_history = std::make_unique<ListWindow>("Form24", "List1", "Command9");
    m_history->setWindowTitle(QString::fromLatin1(era.historyCaption));
    if (history.count() == 0)
        m_history->setLines({QStringLiteral("There are no results in the file")}, {});
    else
        m_history->setLines(historyLines(history), history.count() == 1
                                                       ? QStringLiteral("1 draw")
                                                       : QStringLiteral("%1 draws").arg(history.count()));
    m_history->openOver(m_window, OpenerMode::Disable);
}

void DrawHistoryController::printHistoryFile()
{
    const Era &era = m_eraInUse();
    DrawHistory history;
    if (!loadHistory(era, history))
        return;
    reportPrintout(m_platform, printHistory(era, history, *m_platform.printer, *m_platform.dialogs));
}

} // namespace ds
