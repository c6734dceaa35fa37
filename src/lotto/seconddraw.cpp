#include "lotto/seconddraw.h"

#include "core/appstate.h"
#include "core/dates.h"
#include "core/drawhistory.h"
#include "entries/entryframes.h"
#include "core/drawentry.h"
#include "lotto/drawframe.h"
#include "lotto/drawnumbersframe.h"
#include "lotto/lottoplans.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ds {

SecondDrawDialog::SecondDrawDialog(AppState &state, const Platform &platform, DrawFrame &draw, WinningFrame &winning)
    : m_state(state), m_platform(platform), m_draw(draw), m_winning(winning)
{
    setObjectName(QStringLiteral("Form5"));
    m_frame = new DrawNumbersFrame;
    m_frame->okButton()->setDefault(true);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_frame);
    connect(m_frame->okButton(), &QPushButton::clicked, this, &SecondDrawDialog::onOk);
    connect(m_frame->cancelButton(), &QPushButton::clicked, this, &SecondDrawDialog::onCancel);
    setFocusProxy(m_frame->box(0));
}

void SecondDrawDialog::closeWindow()
{
    onCancel();
}

void SecondDrawDialog::onOk()
{
    // The second draw belongs to the draw on display, whatever date was
    // chosen since.
    const QString date = m_state.displayedDrawDate;
    const Era &era = m_state.eraOf(date);
    const DrawEntry entry = readDrawEntry(m_frame->texts(), era);
    if (!entry.ok()) {
        refuseDrawEntry(*m_platform.dialogs, entry);
        return;
    }
    const QString path = m_state.historyPath(era);
    const Draw draw = Draw::make(date, entry.main, entry.bonus);
    if (storeDraw(path, draw) != StoreResult::Stored) {
        m_platform.dialogs->message(QStringLiteral("The second draw could not be stored. Your result file has not been changed."));
        return;
    }
    m_draw.showDraw(draw);
    m_draw.setDrawOfTwo(2, era.drawsOn(static_cast<Ymd>(dateOrderKey(date))));
    m_frame->emptyBoxes();
    m_winning.clearLines();
    m_state.displayedDrawNumber = 2;
    giveBack();
}

void SecondDrawDialog::onCancel()
{
    giveBack();
}

SecondDrawController::SecondDrawController(DrawFrame &draw, WinningFrame &winning, AppState &state,
                                           const Platform &platform, QWidget *window, QObject *parent)
    : QObject(parent), m_draw(draw), m_winning(winning), m_state(state), m_platform(platform), m_window(window),
      m_dialog(std::make_unique<SecondDrawDialog>(state, platform, draw, winning))
{
    connect(&draw, &DrawFrame::secondDrawClicked, this, &SecondDrawController::secondDraw);
    connect(&draw, &DrawFrame::deleteClicked, this, &SecondDrawController::deleteDraw);
}

SecondDrawController::~SecondDrawController() = default;

void SecondDrawController::secondDraw()
{
    if (!m_draw.hasDate()) {
        m_platform.dialogs->message(QStringLiteral("There is no current draw date, first use Change below to select or enter the first draw"));
        return;
    }
    const Era &era = m_state.eraOf(m_state.displayedDrawDate);
    DrawHistory history;
    if (!usable(history.load(m_state.historyPath(era)))) {
        m_platform.dialogs->message(HistoryUnreadableMessage);
        return;
    }
    const SecondDrawFlip flip = findSecondDraw(history, m_state.displayedDrawDate, m_state.displayedDrawNumber);
    if (flip.found) {
        m_draw.showDraw(history.record(flip.record));
        m_state.displayedDrawNumber = static_cast<qint16>(flip.drawNumber);
        m_draw.setDrawOfTwo(flip.drawNumber, era.drawsOn(static_cast<Ymd>(dateOrderKey(m_state.displayedDrawDate))));
        return;
    }
    if (m_platform.dialogs->ask(QStringLiteral("There is no second draw recorded for this date do you want to enter one?"))) {
        const Ymd date = static_cast<Ymd>(dateOrderKey(m_state.displayedDrawDate));
        m_dialog->setWindowTitle(QString::fromLatin1(era.drawsOn(date).secondDialog));
        m_dialog->openOver(m_window, OpenerMode::Disable);
    }
}

void SecondDrawController::deleteDraw()
{
    if (!m_draw.hasDate()) {
        m_platform.dialogs->message(QStringLiteral("There is no entry to delete!"));
        return;
    }
    if (!m_platform.dialogs->ask(QStringLiteral(
            "Are you sure you want to delete this entry? You should only delete an entry if you have made an error in either the date or the draw numbers. If you just want to select another draw and date use the Change button")))
        return;
    m_winning.clearLines();
    const QString path = m_state.historyPath(m_state.eraOf(m_state.displayedDrawDate));
    DrawHistory history;
    if (!usable(history.load(path))) {
        m_platform.dialogs->message(HistoryUnreadableMessage);
        return;
    }
    if (!history.remove(m_state.displayedDrawDate)) {
        m_platform.dialogs->message(QStringLiteral("There has been an unexpected error. The date has not been found!"));
        m_platform.program->endProgram();
        return;
    }
    if (!history.save(path)) {
        m_platform.dialogs->message(QStringLiteral("The draw could not be deleted. Your result file has not been changed."));
        return;
    }
    m_draw.clearBallCaptions();
    m_draw.clearDraw();
}

} // namespace ds
