#include "entries/winning.h"

#include "core/appstate.h"
#include "core/games.h"
#include "core/dates.h"
#include "core/numbers.h"
#include "entries/checking.h"
#include "entries/entryframes.h"
#include "entries/entryplans.h"
#include "entries/listprint.h"
#include "entries/selections.h"
#include "platform/printreport.h"

#include <algorithm>

namespace ds {

WinningController::WinningController(WinningFrame &frame, SelectionsController &selections, AppState &state,
                                     const Platform &platform, std::function<bool()> drawOnDisplay,
                                     QObject *parent)
    : QObject(parent), m_frame(frame), m_selections(selections), m_state(state), m_platform(platform),
      m_drawOnDisplay(std::move(drawOnDisplay))
{
    connect(&frame, &WinningFrame::checkClicked, this, &WinningController::check);
    connect(&frame, &WinningFrame::clearClicked, this, &WinningController::clear);
    connect(&frame, &WinningFrame::printClicked, this, &WinningController::print);
}

void WinningController::check()
{
    SelectionsFrame &list = m_selections.frame();
    const QString total = list.totalText();
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
    if (m_state.checked) {
        // The list carries the marks of the last check: start again from the file.
        list.clearLines();
        if (!entries.empty())
            m_selections.showEntries(entries);
    }

    const qint64 n = std::clamp<qint64>(readBoxNumber(total), 0, MaxRecordCount);
    if (entries.size() > static_cast<size_t>(n))
        entries.resize(static_cast<size_t>(n));
    const Ymd drawDate = static_cast<Ymd>(dateOrderKey(m_state.displayedDrawDate));
    const Era &era = m_state.eraOf(m_state.displayedDrawDate);
    const TierList &tiers = era.tiersOn(drawDate, m_state.displayedDrawNumber);
    const CheckResult r = checkEntries(entries, m_state.displayedDraw, tiers, era.mainLimit, m_frame.allTiers());

    m_frame.setLines(r.winningLines, r.prizeLines);
    list.setListUpdates(false);
    for (const int pos : r.marked) {
        if (pos < list.lineCount())
            list.setLine(pos, markedLine(list.line(pos), QStringLiteral(" (*)")));
        else
            list.addLine(markedLine(entryLine(entries[static_cast<size_t>(pos)].n), QStringLiteral(" (*)")));
        if (std::binary_search(r.prizeMarked.begin(), r.prizeMarked.end(), pos)) // in list order
            list.setLineHighlighted(pos, true);
    }
    list.setListUpdates(true);
    if (!r.marked.empty())
        list.scrollToRow(r.marked.front());
    m_frame.setCountText(r.wins == 1 ? QStringLiteral("1 winning entry")
                                     : QStringLiteral("%1 winning entries").arg(r.wins));
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
