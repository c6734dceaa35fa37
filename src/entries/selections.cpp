#include "entries/selections.h"

#include "core/appstate.h"
#include "core/dates.h"
#include "core/filenames.h"
#include "core/games.h"
#include "entries/entryframes.h"
#include "entries/entryplans.h"
#include "entries/listprint.h"
#include "platform/printreport.h"

#include <algorithm>

namespace ds {

SelectionsController::SelectionsController(SelectionsFrame &frame, MaintainFrame &maintain, AppState &state,
                                           const Platform &platform, QObject *parent)
    : QObject(parent), m_frame(frame), m_maintain(maintain), m_state(state), m_platform(platform)
{
    connect(&frame, &SelectionsFrame::maintainClicked, this, &SelectionsController::maintain);
    connect(&frame, &SelectionsFrame::deleteClicked, this, &SelectionsController::deleteSelected);
    connect(&frame, &SelectionsFrame::printClicked, this, &SelectionsController::printList);
    connect(&maintain, &MaintainFrame::finishedClicked, this, &SelectionsController::finished);
    connect(&maintain, &MaintainFrame::clearClicked, this, &SelectionsController::clearBoxes);
    connect(&maintain, &MaintainFrame::addClicked, this, &SelectionsController::addEntry);
}

void SelectionsController::showEntries(const std::vector<Entry> &entries)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(entries.size()));
    for (const Entry &e : entries)
        lines << entryLine(e.n);
    m_frame.setLines(lines);
    m_state.entryCount = static_cast<int>(entries.size());
}

void SelectionsController::showFile(const QString &path, const std::vector<Entry> &entries, const QString &dateText)
{
    showEntries(entries);
    m_frame.setDateText(dateText);
    m_frame.setTotalText(QString::number(m_state.entryCount));
    m_state.currentEntryFile = path;
}

void SelectionsController::clearDisplay()
{
    m_frame.clearLines();
    m_frame.setDateText({});
    m_frame.setTotalText({});
}

void SelectionsController::closeFile()
{
    clearDisplay();
    m_state.entryCount = 0;
    m_state.currentEntryFile.clear();
}

void SelectionsController::openDate(int d, int m, int y)
{
    m_state.checked = false;
    m_frame.clearLines();
    m_frame.setTotalText({});
    m_state.entryCount = 0;
    m_state.currentEntryFile.clear();
    m_state.chosenDateKey = dateKey(d, m, y);

    const QString path = m_state.filePath(files::selections(m_state.game(), m_state.chosenDateKey));
    const entryfile::OpenResult opened = entryfile::openForDate(path, m_state.chosenDateKey);
    if (!opened.ok) {
        // Nothing is open: the date goes with the rest.
        m_frame.setDateText({});
        m_platform.dialogs->message(QStringLiteral("The selections file for this date could not be opened."));
        return;
    }
    m_state.currentEntryFile = path;
    m_frame.setDateText(dateDisplayText(d, m, y));
    if (opened.entries.empty()) {
        emit maintainOpening();
        m_frame.setDeleteShown(true);
        m_maintain.show();
        m_frame.setChangeEnabled(false);
        m_frame.setMaintainEnabled(false);
        m_maintain.focusFirstAddBox();
        return;
    }
    showEntries(opened.entries);
    m_frame.setTotalText(QString::number(m_state.entryCount));
    m_frame.setMaintainEnabled(true);
}

void SelectionsController::maintain()
{
    if (m_frame.dateText().isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You need to select a date for the entries, use Change"));
        return;
    }
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You need to select a Country"));
        return;
    }
    emit maintainOpening();
    m_frame.setChangeEnabled(false);
    m_frame.setDeleteShown(true);
    m_maintain.show();
    m_maintain.focusFirstAddBox();
}

void SelectionsController::leaveMaintainMode()
{
    m_frame.setDeleteShown(false);
    m_frame.setChangeEnabled(true);
    m_frame.setMaintainShown(true);
    m_frame.setMaintainEnabled(true);
    const bool wasOpen = !m_maintain.isHidden();
    m_maintain.hide();
    if (wasOpen)
        emit maintainClosed();
}

void SelectionsController::finished()
{
    clearBoxes();
    leaveMaintainMode();
}

void SelectionsController::clearBoxes()
{
    m_maintain.clearAddBoxes();
    if (m_maintain.isVisible())
        m_maintain.focusFirstAddBox();
}

QByteArray SelectionsController::dateFieldForRecord(const std::vector<Entry> &entries, int recordNumber) const
{
    if (recordNumber > 1 && static_cast<size_t>(recordNumber - 2) < entries.size())
        return entries[static_cast<size_t>(recordNumber - 2)].date;
    // The first entry of a selections file carries the file's own date key;
    // other entry files take the date last chosen.
    const QString own = files::selectionsDateKey(m_state.currentEntryFile);
    return dateField(own.isEmpty() ? m_state.chosenDateKey : own);
}

void SelectionsController::addEntry()
{
    const ManualEntry entryRead = readManualEntry(m_maintain.addBoxTexts(), m_state.entryEra().mainLimit, m_state.entryCount);
    if (!entryRead.ok()) {
        m_platform.dialogs->message(entryRead.refusal);
        if (entryRead.faultBox >= 0)
            m_maintain.focusAddBox(entryRead.faultBox);
        return;
    }
    std::vector<Entry> existing;
    if (m_state.entryCount > 0) {
        FileRead<std::vector<Entry>> read = entryfile::load(m_state.currentEntryFile);
        if (!read.usable()) {
            m_platform.dialogs->message(EntriesUnreadableMessage);
            return;
        }
        existing = std::move(read.value);
        if (existing.size() > static_cast<size_t>(m_state.entryCount))
            existing.resize(static_cast<size_t>(m_state.entryCount));
        const QString question = duplicateEntryQuestion(existing, entryRead.numbers);
        if (!question.isEmpty() && !m_platform.dialogs->ask(question))
            return;
    }

    const int record = m_state.entryCount + 1;
    Entry entry;
    entry.n = entryRead.numbers;
    entry.date = dateFieldForRecord(existing, record);
    if (!entryfile::writeAt(m_state.currentEntryFile, record, entry)) {
        m_platform.dialogs->message(QStringLiteral("The entry could not be written to the selections file."));
        return;
    }
    m_frame.addLine(entryLine(entry.n));
    m_frame.scrollToEnd();
    m_state.entryCount = record;
    m_frame.setTotalText(QString::number(m_state.entryCount));
    m_maintain.focusFirstAddBox();
}

void SelectionsController::deleteSelected()
{
    const int p = m_frame.selectedRow();
    const QString refusal = deleteEntryRefusal(m_state.entryCount, p);
    if (!refusal.isEmpty()) {
        m_platform.dialogs->message(refusal);
        return;
    }
    const FileRead<bool> deleted = entryfile::deleteAt(m_state.currentEntryFile, p, m_state.entryCount);
    if (!deleted.value) {
        m_platform.dialogs->message(deleted.usable()
                                        ? QStringLiteral("The entry could not be deleted from the selections file.")
                                        : EntriesUnreadableMessage);
        return;
    }
    m_frame.removeLine(p);
    // The next press must name its own entry.
    m_frame.clearSelection();
    --m_state.entryCount;
    m_frame.setTotalText(QString::number(m_state.entryCount));
}

QString SelectionsController::dateText() const
{
    return m_frame.dateText();
}

QString SelectionsController::totalText() const
{
    return m_frame.totalText();
}

void SelectionsController::setDateText(const QString &text)
{
    m_frame.setDateText(text);
}

void SelectionsController::setChangeEnabled(bool on)
{
    m_frame.setChangeEnabled(on);
}

void SelectionsController::unmarkEntries(const std::vector<Entry> &entries)
{
    m_frame.clearLines();
    if (!entries.empty())
        showEntries(entries);
}

void SelectionsController::markEntries(const std::vector<Entry> &entries, const std::vector<int> &marked,
                                       const std::vector<int> &highlighted)
{
    m_frame.setListUpdates(false);
    for (const int pos : marked) {
        if (pos < m_frame.lineCount())
            m_frame.setLine(pos, markedLine(m_frame.line(pos), QStringLiteral(" (*)")));
        else
            m_frame.addLine(markedLine(entryLine(entries[static_cast<size_t>(pos)].n), QStringLiteral(" (*)")));
        if (std::binary_search(highlighted.begin(), highlighted.end(), pos)) // in list order
            m_frame.setLineHighlighted(pos, true);
    }
    m_frame.setListUpdates(true);
    if (!marked.empty())
        m_frame.scrollToRow(marked.front());
}

void SelectionsController::appendEntry(const Numbers6 &numbers, int total, bool repaint)
{
    m_frame.addLine(entryLine(numbers));
    m_frame.setTotalText(QString::number(total));
    if (repaint)
        m_frame.repaintProgress();
}

void SelectionsController::scrollToEnd()
{
    m_frame.scrollToEnd();
}

void SelectionsController::printList()
{
    if (m_frame.lineCount() == 0) {
        m_platform.dialogs->message(QStringLiteral("There is no list to print!"));
        return;
    }
    PrintOutcome outcome;
    {
        BusyScope busy(*m_platform.dialogs);
        outcome = printSelectionsList(*m_platform.printer, m_frame.lines());
    }
    reportPrintout(m_platform, outcome);
}

} // namespace ds
