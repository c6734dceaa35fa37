#include "entries/selections.h"

#include "core/appstate.h"
#include "lotto/mainwindow.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace ds {

SelectionsController::SelectionsController(MainWindow &main)
    : QObject(&main), m_main(main), m_ui(main.ui()), m_state(main.state()), m_platform(main.platform())
{
    connect(m_ui.Command3, &QPushButton::clicked, this, &SelectionsController::maintain);
    connect(m_ui.Command7, &QPushButton::clicked, this, &SelectionsController::finished);
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

void SelectionsController::finished()
{
    for (QLineEdit *b : m_ui.addBoxes)
        b->clear();
    m_ui.Command11->hide();
    m_ui.Command2->setEnabled(true);
    m_ui.Command3->setEnabled(true);
    m_ui.Frame4->hide();
}

} // namespace ds
