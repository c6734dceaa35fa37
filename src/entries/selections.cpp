#include "entries/selections.h"

#include "core/appstate.h"
#include "core/games.h"
#include "core/numbers.h"
#include "entries/listprint.h"
#include "entries/suggest.h"
#include "core/drawentry.h"
#include "lotto/mainwindow.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace ds {

SelectionsController::SelectionsController(MainWindow &main)
    : QObject(&main), m_main(main), m_ui(main.ui()), m_state(main.state()), m_platform(main.platform())
{
    connect(m_ui.Command3, &QPushButton::clicked, this, &SelectionsController::maintain);
    connect(m_ui.Command7, &QPushButton::clicked, this, &SelectionsController::finished);
    connect(m_ui.Command8, &QPushButton::clicked, this, &SelectionsController::clearBoxes);
    connect(m_ui.Command9, &QPushButton::clicked, this, &SelectionsController::addEntry);
    connect(m_ui.Command11, &QPushButton::clicked, this, &SelectionsController::deleteSelected);
    connect(m_ui.Command13, &QPushButton::clicked, this, &SelectionsController::printList);
}

void SelectionsController::showEntries(const std::vector<Entry> &entries)
{
    m_ui.List2->setUpdatesEnabled(false);
    m_ui.List2->clear();
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(entries.size()));
    for (const Entry &e : entries)
        lines << entryLine(e.n);
    m_ui.List2->addItems(lines);
    m_ui.List2->setUpdatesEnabled(true);
    m_state.entryCount = static_cast<int>(entries.size());
}

void SelectionsController::maintain()
{
    if (m_ui.Text2->text().isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You need to select a date for the entries, use Change"));
        return;
    }
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You need to select a Country"));
        return;
    }
    m_ui.Command2->setEnabled(false);
    m_ui.Command11->show();
    m_ui.Frame4->show();
}

void SelectionsController::leaveMaintainMode()
{
    m_ui.Command11->hide();
    m_ui.Command2->setEnabled(true);
    m_ui.Command3->setEnabled(true);
    m_ui.Frame4->hide();
}

void SelectionsController::finished()
{
    clearBoxes();
    leaveMaintainMode();
}

void SelectionsController::clearBoxes()
{
    for (QLineEdit *b : m_ui.addBoxes)
        b->clear();
}

QByteArray SelectionsController::dateFieldForRecord(const std::vector<Entry> &entries, int recordNumber) const
{
    if (recordNumber > 1 && static_cast<size_t>(recordNumber - 2) < entries.size())
        return entries[static_cast<size_t>(recordNumber - 2)].date;
    // The first entry of a selections file carries the file's own date key;
    // other entry files take the date last chosen.
    const QString own = selectionsFileDateKey(m_state.currentEntryFile);
    return dateField(own.isEmpty() ? m_state.chosenDateKey : own);
}

void SelectionsController::addEntry()
{
    if (m_state.entryCount >= MaxEntries) {
        m_platform.dialogs->message(QString::fromLatin1(suggest::MsgMaximumEntries));
        return;
    }
    std::array<double, 6> typed{};
    for (size_t k = 0; k < 6; ++k)
        typed[k] = leadingValue(m_ui.addBoxes[k]->text());
    for (double v : typed) {
        if (v < 1 || v > m_state.maxBall) {
            m_platform.dialogs->message(InvalidNumbersMessage);
            return;
        }
    }
    Numbers6 numbers{};
    std::sort(typed.begin(), typed.end());
    for (size_t k = 0; k < 6; ++k)
        numbers[k] = static_cast<qint16>(roundHalfEven(typed[k]));
    // Repeats are refused as typed and as rounded, so that 4.5 and 4 can
    // never both be stored as 4.
    for (size_t a = 0; a < 6; ++a) {
        for (size_t b = a + 1; b < 6; ++b) {
            if (typed[a] == typed[b] || numbers[a] == numbers[b]) {
                m_platform.dialogs->message(SameNumbersMessage);
                return;
            }
        }
    }
    std::sort(numbers.begin(), numbers.end());

    std::vector<Entry> existing;
    if (m_state.entryCount > 0) {
        existing = entryfile::load(m_state.currentEntryFile);
        if (existing.size() > static_cast<size_t>(m_state.entryCount))
            existing.resize(static_cast<size_t>(m_state.entryCount));
        const bool duplicate = std::any_of(existing.begin(), existing.end(),
                                           [&](const Entry &e) { return sameEntry(e.n, numbers); });
        if (duplicate
            && !m_platform.dialogs->ask(QStringLiteral("You already have this entry in your list are you sure you want to add it again")))
            return;
    }

    const int record = m_state.entryCount + 1;
    Entry entry;
    entry.n = numbers;
    entry.date = dateFieldForRecord(existing, record);
    if (!entryfile::writeAt(m_state.currentEntryFile, record, entry)) {
        m_platform.dialogs->message(QStringLiteral("The entry could not be written to the selections file."));
        return;
    }
    m_ui.List2->addItem(entryLine(numbers));
    m_state.entryCount = record;
    m_ui.Text3->setText(QString::number(m_state.entryCount));
}

void SelectionsController::deleteSelected()
{
    if (m_state.entryCount == 0) {
        m_platform.dialogs->message(QStringLiteral("There are no entries to delete"));
        return;
    }
    const int p = m_ui.List2->currentRow();
    if (p < 0 || m_ui.List2->selectedItems().isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You have not selected an entry to delete"));
        return;
    }
    if (!entryfile::deleteAt(m_state.currentEntryFile, p, m_state.entryCount)) {
        m_platform.dialogs->message(QStringLiteral("The entry could not be deleted from the selections file."));
        return;
    }
    delete m_ui.List2->takeItem(p);
    --m_state.entryCount;
    m_ui.Text3->setText(QString::number(m_state.entryCount));
}

void SelectionsController::printList()
{
    if (m_ui.List2->count() == 0) {
        m_platform.dialogs->message(QStringLiteral("There is no list to print!"));
        return;
    }
    BusyScope busy(*m_platform.dialogs);
    QStringList lines;
    for (int i = 0; i < m_ui.List2->count(); ++i)
        lines << m_ui.List2->item(i)->text();
    printSelectionsList(*m_platform.printer, lines);
}

} // namespace ds
