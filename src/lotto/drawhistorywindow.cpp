#include "lotto/drawhistorywindow.h"

#include "core/drawhistory.h"
#include "core/games.h"
#include "lotto/historyprint.h"
#include "lotto/mainwindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ds {

namespace {

const QString NoCountry = QStringLiteral("You must select a Country first");

bool lottoCountry(const QString &code)
{
    return code == CountryUK || code == CountryIR;
}

// The current game's draw history. A missing file reads as no draws (it is
// not created: a history appears with the first draw stored or imported), as
// does a file that cannot be read.
DrawHistory openHistory(const AppState &state)
{
    const QString path = state.historyPath();
    DrawHistory history;
    if (!history.load(path))
        history.setBytes({});
    return history;
}

} // namespace

DrawHistoryWindow::DrawHistoryWindow(MainWindow &main) : m_main(main)
{
    setObjectName(QStringLiteral("Form24"));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("List1"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    m_list->setFont(fixed);
    m_list->setMinimumSize(420, 360);

    m_close = new QPushButton(QStringLiteral("Close"));
    m_close->setObjectName(QStringLiteral("Command9"));

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_list);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    lay->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, &DrawHistoryWindow::onClose);
}

void DrawHistoryWindow::load()
{
    m_list->clear();
    const DrawHistory history = openHistory(m_main.state());
    if (history.count() == 0) {
        m_list->addItem(QStringLiteral("There are no results in the file"));
        return;
    }
    m_list->setUpdatesEnabled(false);
    m_list->addItems(historyLines(history));
    m_list->setUpdatesEnabled(true);
}

void DrawHistoryWindow::onClose()
{
    hide();
    m_main.returnToMain();
}

void DrawHistoryWindow::closeWindow()
{
    onClose();
}

DrawHistoryController::DrawHistoryController(MainWindow &main) : QObject(&main), m_main(main)
{
    connect(main.ui().mnuShowHistory, &QAction::triggered, this, &DrawHistoryController::showHistory);
    connect(main.ui().mnuDrawHistory, &QAction::triggered, this, &DrawHistoryController::printHistoryFile);
}

DrawHistoryController::~DrawHistoryController() = default;

void DrawHistoryController::showHistory()
{
    const QString country = m_main.state().countryCode;
    if (!lottoCountry(country)) {
        m_main.platform().dialogs->message(NoCountry);
        return;
    }
    // A new window each time, so that its list is read from the file again.
    m_window = std::make_unique<DrawHistoryWindow>(m_main);
    m_main.setEnabled(false);
    m_window->setWindowTitle(historyWindowCaption(country));
    m_window->load();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void DrawHistoryController::printHistoryFile()
{
    const QString country = m_main.state().countryCode;
    if (!lottoCountry(country)) {
        m_main.platform().dialogs->message(NoCountry);
        return;
    }
    const DrawHistory history = openHistory(m_main.state());
    printHistory(country, history, *m_main.platform().printer, *m_main.platform().dialogs);
}

} // namespace ds
