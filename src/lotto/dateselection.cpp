#include "lotto/dateselection.h"

#include "core/appstate.h"
#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/filenames.h"
#include "core/games.h"
#include "entries/entryframes.h"
#include "entries/selections.h"
#include "core/drawentry.h"
#include "lotto/drawframe.h"
#include "lotto/drawnumbersframe.h"
#include "lotto/lottoplans.h"
#include "widgets/controls.h"
#include "widgets/monthcalendar.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ds {

DateSelectionDialog::DateSelectionDialog(AppState &state, const Platform &platform, DrawFrame &draw,
                                         SelectionsController &selections, WinningFrame &winning)
    : m_state(state), m_platform(platform), m_draw(draw), m_selections(selections), m_winning(winning)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Date Selection"));

    m_heading = named(new QLabel, "LabelHeading");
    QFont f = m_heading->font();
    f.setBold(true);
    m_heading->setFont(f);
    m_calendar = named(new MonthCalendar(this), "Calendar1");
    m_latest = named(new QLabel, "LabelLatest");
    m_command2 = button("Command2", QStringLiteral("OK"), QStringLiteral("Use this to confirm the chosen date."));
    m_command4 = button("Command4", QStringLiteral("Cancel"),
                        QStringLiteral("Use this to cancel the current date selection activity."));
    m_entering = named(new QLabel, "LabelEntering");
    m_frame1 = new DrawNumbersFrame;

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_heading);
    lay->addWidget(m_calendar);
    lay->addWidget(m_latest);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command2);
    buttons->addWidget(m_command4);
    lay->addLayout(buttons);
    lay->addWidget(m_entering);
    lay->addWidget(m_frame1);

    connect(m_command2, &QPushButton::clicked, this, &DateSelectionDialog::onCalendarOk);
    connect(m_command4, &QPushButton::clicked, this, &DateSelectionDialog::onCalendarCancel);
    connect(m_calendar, &MonthCalendar::activated, this, [this] {
        if (!m_calendar->isHidden())
            onCalendarOk();
    });
    connect(m_frame1->okButton(), &QPushButton::clicked, this, &DateSelectionDialog::onNumbersOk);
    connect(m_frame1->cancelButton(), &QPushButton::clicked, this, &DateSelectionDialog::onNumbersCancel);

    // First load: today's date, the calendar face.
    m_calendar->setDate(m_platform.clock->today());
    showCalendarFace();
}

void DateSelectionDialog::showCalendarFace()
{
    m_heading->show();
    m_calendar->show();
    m_latest->show();
    m_command2->show();
    m_command4->show();
    m_entering->hide();
    m_frame1->hide();
    m_frame1->okButton()->setDefault(false);
    m_command2->setDefault(true);
}

void DateSelectionDialog::showNumbersFace()
{
    // Only the face's own OK and Cancel show; its OK takes Enter.
    m_heading->hide();
    m_calendar->hide();
    m_latest->hide();
    m_command2->hide();
    m_command4->hide();
    m_command2->setDefault(false);
    const QDate date = m_calendar->date();
    m_entering->setText(QStringLiteral("Draw of %1").arg(longDateText(date)));
    m_entering->show();
    m_frame1->show();
    m_frame1->okButton()->setDefault(true);
    m_frame1->box(0)->setFocus();
}

void DateSelectionDialog::markDays()
{
    const QString game = m_state.info().displayName();
    if (m_state.dateSelectionMode == DateSelectionMode::ChangeDrawNumbers) {
        m_heading->setText(QStringLiteral("%1: choose a draw date").arg(game));
        // The stored draws of every era of the game.
        QList<QDate> stored;
        QDate latest;
        for (const Era &era : erasOf(m_state.game())) {
            DrawHistory history;
            if (!usable(history.load(m_state.historyPath(era))))
                continue;
            stored << storedDrawDates(history);
            const QDate newest = latestDrawDate(history);
            if (newest.isValid() && (!latest.isValid() || newest > latest))
                latest = newest;
        }
        m_calendar->setMarkedDates(stored);
        m_latest->setText(latest.isValid()
                              ? QStringLiteral("Latest stored draw: %1")
                                    .arg(dateDisplayText(latest.day(), latest.month(), latest.year()))
                              : QStringLiteral("No draws are stored yet"));
        m_latest->show();
        return;
    }
    m_heading->setText(QStringLiteral("%1: choose the date of your entries").arg(game));
    QList<QDate> dates;
    const QString prefix = files::selectionsPrefix(m_state.game());
    const QStringList files = QDir(m_state.programFolder).entryList({prefix + QStringLiteral("*.lot")}, QDir::Files);
    for (const QString &name : files) {
        if (name.size() != prefix.size() + 12 || name.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) != 0)
            continue;
        const QDate d = dateOfKey(name.mid(prefix.size(), 8));
        if (d.isValid())
            dates << d;
    }
    m_calendar->setMarkedDates(dates);
    m_latest->clear();
    m_latest->hide();
}

void DateSelectionDialog::openCalendarFace(QWidget *opener)
{
    showCalendarFace();
    markDays();
    openOver(opener, OpenerMode::Disable);
    m_calendar->setFocus();
}

void DateSelectionDialog::closeWindow()
{
    if (m_frame1->isVisibleTo(this))
        onNumbersCancel();
    else
        onCalendarCancel();
}

void DateSelectionDialog::onCalendarOk()
{
    const int d = m_calendar->day();
    const int m = m_calendar->month();
    const int y = m_calendar->year();
    m_state.chosenDateKey = dateKey(d, m, y);
    if (d == 0) {
        m_platform.dialogs->message(QStringLiteral("You must select a date from the calendar"));
        return;
    }
    if (m_state.dateSelectionMode == DateSelectionMode::ChangeDrawNumbers) {
        changeDrawNumbers(d, m, y);
    } else if (m_state.dateSelectionMode == DateSelectionMode::ChangeSelections) {
        giveBack();
        m_selections.openDate(d, m, y);
    } else {
        giveBack();
    }
}

void DateSelectionDialog::changeDrawNumbers(int d, int m, int y)
{
    m_state.displayedDrawNumber = 1;
    const QString path = m_state.historyPath(eraOn(m_state.game(), ymd(y, m, d)));
    DrawHistory history;
    if (!usable(history.load(path))) {
        // A history that cannot be read is not one without this draw.
        m_platform.dialogs->message(HistoryUnreadableMessage);
        return;
    }
    int found = 0;
    if (history.count() > 0) {
        found = history.findFirst(m_state.chosenDateKey);
        if (found)
            m_draw.showDraw(history.record(found));
    }
    if (found) {
        m_draw.setDateText(dateDisplayText(d, m, y));
        const DrawsPerDate &rule = eraOn(m_state.game(), ymd(y, m, d)).drawsOn(ymd(y, m, d));
        if (drawsOnDate(history, m_state.chosenDateKey) > 1) {
            m_draw.setDrawOfTwo(1, rule);
        } else {
            m_draw.setDateRule(rule);
            m_draw.hideDrawOfTwo();
        }
        m_state.displayedDrawDate = m_state.chosenDateKey;
        giveBack();
        return;
    }
    showNumbersFace();
}

void DateSelectionDialog::onNumbersOk()
{
    const Era &era = m_state.eraOf(m_state.chosenDateKey);
    const DrawEntry entry = readDrawEntry(m_frame1->texts(), era);
    if (!entry.ok()) {
        refuseDrawEntry(*m_platform.dialogs, entry);
        return;
    }
    const QString path = m_state.historyPath(era);
    const Draw draw = Draw::make(m_state.chosenDateKey, entry.main, entry.bonus);
    const StoreResult stored = storeDraw(path, draw);
    if (stored == StoreResult::ReadFailed) {
        m_platform.dialogs->message(HistoryUnreadableMessage);
        return;
    }
    if (stored == StoreResult::WriteFailed) {
        // The file is as it was and the numbers stay in their boxes, to be
        // stored again once the folder takes files.
        m_platform.dialogs->message(HistoryNotWrittenMessage);
        m_frame1->box(0)->setFocus();
        return;
    }
    if (stored != StoreResult::Stored) {
        m_platform.dialogs->message(
            QStringLiteral("stored date =")
            + QStringLiteral("The program will close - Your result file may have been corrupted download a new one from the web"));
        m_platform.program->endProgram();
        return;
    }
    m_draw.showDraw(draw);
    m_draw.setDateRule(era.drawsOn(static_cast<Ymd>(dateOrderKey(m_state.chosenDateKey))));
    m_draw.hideDrawOfTwo();
    m_state.displayedDrawDate = m_state.chosenDateKey;
    m_frame1->emptyBoxes();
    m_draw.setDateText(dateDisplayText(m_calendar->day(), m_calendar->month(), m_calendar->year()));
    m_winning.clearLines();
    showCalendarFace();
    giveBack();
}

void DateSelectionDialog::onNumbersCancel()
{
    m_frame1->emptyBoxes();
    showCalendarFace();
    giveBack();
}

void DateSelectionDialog::onCalendarCancel()
{
    giveBack();
}

} // namespace ds
