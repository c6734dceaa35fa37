#include "lotto/seconddraw.h"

#include "core/appstate.h"
#include "core/drawhistory.h"
#include "core/drawentry.h"
#include "lotto/drawnumbersframe.h"
#include "lotto/mainwindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ds {

SecondDrawDialog::SecondDrawDialog(MainWindow &main) : m_main(main)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Irish Lottery Second Draw Numbers"));
    m_frame = new DrawNumbersFrame;
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_frame);
    connect(m_frame->okButton(), &QPushButton::clicked, this, &SecondDrawDialog::onOk);
    connect(m_frame->cancelButton(), &QPushButton::clicked, this, &SecondDrawDialog::onCancel);
}

void SecondDrawDialog::closeWindow()
{
    onCancel();
}

void SecondDrawDialog::onOk()
{
    AppState &s = m_main.state();
    const Platform &p = m_main.platform();
    const DrawEntry entry = readDrawEntry(m_frame->texts(), s.maxBall);
    if (!entry.ok()) {
        p.dialogs->message(entry.refusal);
        return;
    }
    // The second draw belongs to the draw on display, whatever date was
    // chosen since.
    const QString date = s.displayedDrawDate;
    const QString path = s.historyPath();
    const Draw draw = Draw::make(date, entry.main, entry.bonus);
    if (storeDraw(path, draw) != StoreResult::Stored) {
        p.dialogs->message(QStringLiteral("The second draw could not be stored. Your result file has not been changed."));
        return;
    }
    s.currentDrawDate = date;
    m_main.showDraw(draw);
    m_frame->emptyBoxes();
    s.drawHistoryPath = path;
    m_main.ui().List1->clear();
    s.displayedDrawNumber = 2;
    hide();
    m_main.returnToMain();
}

void SecondDrawDialog::onCancel()
{
    hide();
    m_main.returnToMain();
}

SecondDrawController::SecondDrawController(MainWindow &main)
    : QObject(&main), m_main(main), m_dialog(std::make_unique<SecondDrawDialog>(main))
{
    connect(main.ui().Command14, &QPushButton::clicked, this, &SecondDrawController::secondDraw);
    connect(main.ui().Command6, &QPushButton::clicked, this, &SecondDrawController::deleteDraw);
}

SecondDrawController::~SecondDrawController() = default;

void SecondDrawController::secondDraw()
{
    AppState &s = m_main.state();
    const Platform &p = m_main.platform();
    if (m_main.ui().Text1->text().isEmpty()) {
        p.dialogs->message(QStringLiteral("There is no current draw date, first use Change below to select or enter the first draw"));
        return;
    }
    DrawHistory history;
    history.load(s.historyPath());
    const int n = history.count();
    const int first = history.findFirst(s.displayedDrawDate);
    if (first != 0 && first < n + 1 && history.record(first + 1).dateKey() == history.record(first).dateKey()) {
        if (s.displayedDrawNumber == 1) {
            m_main.showDraw(history.record(first + 1));
            s.displayedDrawNumber = 2;
        } else {
            m_main.showDraw(history.record(first));
            s.displayedDrawNumber = 1;
        }
        return;
    }
    if (p.dialogs->ask(QStringLiteral("There is no second draw recorded for this date do you want to enter one?"))) {
        m_main.setEnabled(false);
        m_dialog->show();
        m_dialog->raise();
        m_dialog->activateWindow();
    }
}

void SecondDrawController::deleteDraw()
{
    AppState &s = m_main.state();
    MainUi &ui = m_main.ui();
    const Platform &p = m_main.platform();
    if (ui.Text1->text().isEmpty()) {
        p.dialogs->message(QStringLiteral("There is no entry to delete!"));
        return;
    }
    if (!p.dialogs->ask(QStringLiteral(
            "Are you sure you want to delete this entry? You should only delete an entry if you have made an error in either the date or the draw numbers. If you just want to select another draw and date use the Change button")))
        return;
    ui.List1->clear();
    const QString path = s.historyPath();
    DrawHistory history;
    const bool read = history.load(path);
    if (!read || !history.remove(s.displayedDrawDate)) {
        p.dialogs->message(QStringLiteral("There has been an unexpected error. The date has not been found!"));
        p.program->endProgram();
        return;
    }
    if (!history.save(path)) {
        p.dialogs->message(QStringLiteral("The draw could not be deleted. Your result file has not been changed."));
        return;
    }
    m_main.clearBallCaptions();
    ui.Text1->clear();
    m_main.hideBalls();
}

} // namespace ds
