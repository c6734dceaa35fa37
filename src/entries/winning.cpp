#include "entries/winning.h"

#include "core/appstate.h"
#include "core/games.h"
#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/numbers.h"
#include "entries/checking.h"
#include "entries/entryframes.h"
#include "entries/entryplans.h"
#include "entries/listprint.h"
#include "entries/entrylistview.h"
#include "platform/printreport.h"

#include <algorithm>

namespace ds {

WinningController::WinningController(WinningFrame &frame, EntryListView &list, AppState &state,
                                     const Platform &platform, std::function<bool()> drawOnDisplay,
                                     QObject *parent)
    : QObject(parent), m_frame(frame), m_list(list), m_state(state), m_platform(platform),
      m_drawOnDisplay(std::move(drawOnDisplay))
{
    connect(&frame, &WinningFrame::checkClicked, this, &WinningController::check);
    connect(&frame, &WinningFrame::clearClicked, this, &WinningController::clear);
    connect(&frame, &WinningFrame::printClicked, this, &WinningController::print);
}

void WinningController::check()
{
    const QString total = m_list.totalText();
    const QString refusal = checkRefusal(m_drawOnDisplay(), total);
    if (!refusal.isEmpty()) {
        m_platform.dialogs->message(refusal);
        return;
    }
    // One read of the file serves the reload and the check.
    FileRead<std::vector<Entry>> read = entryfile::load(m_state.currentEntryFile);
    if (!read.usable()) {
        m_platform.dialogs->message(EntriesUnreadableMessage);
        return;
    }
    std::vector<Entry> &entries = read.value;
    m_frame.clearLines();
    if (m_state.checked) // the list carries the marks of the last check: start again from the file
        m_list.unmarkEntries(entries);

    const qint64 n = std::clamp<qint64>(readBoxNumber(total), 0, MaxRecordCount);
    if (entries.size() > static_cast<size_t>(n))
        entries.resize(static_cast<size_t>(n));
    const Ymd drawDate = static_cast<Ymd>(dateOrderKey(m_state.displayedDrawDate));
    const Era &era = m_state.eraOf(m_state.displayedDrawDate);
    const DrawsPerDate &rule = era.drawsOn(drawDate);
    // Where one line plays every draw of the date, they are all checked,
    // as the history holds them; otherwise the draw on display.
    std::vector<PlayedDraw> played;
    if (rule.roundName != nullptr && rule.draws > 1) {
        DrawHistory history;
        if (!usable(history.load(m_state.historyPath(era)))) {
            m_platform.dialogs->message(HistoryUnreadableMessage);
            return;
        }
        const int first = history.findFirst(m_state.displayedDrawDate);
        const int last = first > 0 ? std::min(history.findLast(m_state.displayedDrawDate), first + rule.draws - 1) : 0;
        for (int k = first; first > 0 && k <= last; ++k) {
            const Draw d = history.record(k);
            const int number = k - first + 1;
            played.push_back({{d.main[0], d.main[1], d.main[2], d.main[3], d.main[4], d.main[5], d.bonus},
                              &era.tiersOn(drawDate, number),
                              QStringLiteral("%1 %2 ").arg(QLatin1String(rule.roundName)).arg(number)});
        }
    }
    if (played.empty())
        played.push_back({m_state.displayedDraw, &era.tiersOn(drawDate, m_state.displayedDrawNumber), QString()});
    const CheckResult r = checkPlayedDraws(entries, played, era.mainLimit, m_frame.allTiers());

    m_frame.setLines(r.winningLines, r.prizeLines);
    m_list.markEntries(entries, r.marked, r.prizeMarked);
    m_frame.setCountText(winCountText(r.wins, r.cash, played.front().tiers->currency));
    m_state.checked = true;
    if (r.wins == 0)
        m_platform.dialogs->inform(QStringLiteral("No wins this time!"));
}

void WinningController::clear()
{
    m_frame.clearLines();
}

void WinningController::print()
{
    const QStringList lines = m_frame.lines();
    if (lines.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("There is no list to print!"));
        return;
    }
    PrintOutcome outcome;
    {
        BusyScope busy(*m_platform.dialogs);
        outcome = printWinningList(*m_platform.printer, lines);
    }
    reportPrintout(m_platform, outcome);
}

} // namespace ds
