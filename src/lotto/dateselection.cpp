#include "lotto/dateselection.h"

#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/entryfile.h"
#include "core/games.h"
#include "core/numbers.h"
#include "entries/selections.h"
#include "lotto/ballshape.h"
#include "core/drawentry.h"
#include "lotto/drawnumbersframe.h"
#include "lotto/mainwindow.h"
#include "platform/monthcalendar.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ds {

DateSelectionDialog::DateSelectionDialog(MainWindow &main)
    : m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Date Selection"));

    m_calendar = new MonthCalendar(this);
    m_calendar->setObjectName(QStringLiteral("Calendar1"));
    m_command2 = new QPushButton(QStringLiteral("OK"));
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setToolTip(QStringLiteral("Use this to confirm the chosen date."));
    m_command4 = new QPushButton(QStringLiteral("Cancel"));
    m_command4->setObjectName(QStringLiteral("Command4"));
    m_command4->setToolTip(QStringLiteral("Use this to cancel the current date selection activity."));

    m_frame1 = new DrawNumbersFrame;

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_calendar);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command2);
    buttons->addWidget(m_command4);
    lay->addLayout(buttons);
    lay->addWidget(m_frame1);

    connect(m_command2, &QPushButton::clicked, this, &DateSelectionDialog::onCalendarOk);
    connect(m_command4, &QPushButton::clicked, this, &DateSelectionDialog::onCalendarCancel);
    connect(m_frame1->okButton(), &QPushButton::clicked, this, &DateSelectionDialog::onNumbersOk);
    connect(m_frame1->cancelButton(), &QPushButton::clicked, this, &DateSelectionDialog::onNumbersCancel);

    // First load: today's date, the calendar face.
    m_calendar->setDate(m_main.platform().clock->today());
    m_calendar->show();
    m_frame1->hide();
}

void DateSelectionDialog::openCalendarFace()
{
    m_calendar->show();
    m_frame1->hide();
    show();
    raise();
    activateWindow();
}

void DateSelectionDialog::closeDialog()
{
    hide();
    m_main.returnToMain();
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
    AppState &s = m_main.state();
    const int d = m_calendar->day();
    const int m = m_calendar->month();
    const int y = m_calendar->year();
    s.chosenDateKey = dateKey(d, m, y);
    if (d == 0) {
        m_main.platform().dialogs->message(QStringLiteral("You must select a date from the calendar"));
        return;
    }
    if (s.dateSelectionMode == QLatin1String(ModeChangeDrawNumbers))
        changeDrawNumbers(d, m, y);
    else if (s.dateSelectionMode == QLatin1String(ModeChangeSelections))
        changeSelections(d, m, y);
    else
        closeDialog();
}

void DateSelectionDialog::changeDrawNumbers(int d, int m, int y)
{
    AppState &s = m_main.state();
    s.drawHistoryPath.clear();
    s.displayedDrawNumber = 1;
    const QString path = s.historyPath();
    DrawHistory history;
    history.load(path); // an unreadable file reads as no draws
    int found = 0;
    if (history.count() > 0) {
        s.drawHistoryPath = path;
        found = history.findFirst(s.chosenDateKey);
        if (found)
            m_main.showDraw(history.record(found));
    }
    if (found) {
        m_main.ui().Text1->setText(dateDisplayText(d, m, y));
        s.currentDrawDate = s.chosenDateKey;
        s.displayedDrawDate = s.chosenDateKey;
        for (auto *shape : m_main.ui().shapes)
            shape->update();
        closeDialog();
        return;
    }
    m_calendar->hide();
    m_frame1->show();
    m_frame1->box(0)->setFocus();
    s.currentDrawDate = s.chosenDateKey;
}

void DateSelectionDialog::changeSelections(int d, int m, int y)
{
    AppState &s = m_main.state();
    MainUi &ui = m_main.ui();
    s.checked = false;
    ui.List2->clear();
    ui.Text3->clear();
    s.entryCount = 0;
    s.currentEntryFile.clear();
    s.chosenDateKey = dateKey(d, m, y);

    const QString path = s.filePath(s.countryCode + s.chosenDateKey + QStringLiteral(".lot"));
    const entryfile::OpenResult opened = entryfile::openForDate(path, s.chosenDateKey);
    if (!opened.ok) {
        m_main.platform().dialogs->message(
            QStringLiteral("The selections file for this date could not be opened."));
        closeDialog();
        return;
    }
    s.currentEntryFile = path;
    if (opened.entries.empty()) {
        ui.Text2->setText(dateDisplayText(d, m, y));
        ui.Frame4->show();
        ui.Command11->show();
        m_main.setEnabled(true);
        ui.Command2->setEnabled(false);
        ui.Command3->setEnabled(false);
        closeDialog();
        return;
    }
    m_main.selections()->showEntries(opened.entries);
    ui.Text2->setText(dateDisplayText(d, m, y));
    ui.Text3->setText(QString::number(s.entryCount));
    closeDialog();
}

void DateSelectionDialog::onNumbersOk()
{
    AppState &s = m_main.state();
    const DrawEntry entry = readDrawEntry(m_frame1->texts(), s.maxBall);
    if (!entry.ok()) {
        m_main.platform().dialogs->message(entry.refusal);
        return;
    }
    const std::array<qint16, 6> &mains = entry.main;
    const qint16 bonus = entry.bonus;

    s.currentDrawDate = s.chosenDateKey;
    s.lastStoredDrawDate = s.chosenDateKey;
    const QString path = s.historyPath();
    const Draw draw = Draw::make(s.chosenDateKey, mains, bonus);
    if (storeDraw(path, draw) != StoreResult::Stored) {
        m_main.platform().dialogs->message(
            QStringLiteral("stored date =")
            + QStringLiteral("The program will close - Your result file may have been corrupted download a new one from the web"));
        m_main.platform().program->endProgram();
        return;
    }
    m_main.showDraw(draw);
    s.displayedDrawDate = s.chosenDateKey;
    m_frame1->emptyBoxes();
    s.drawHistoryPath = path;
    m_main.ui().Text1->setText(dateDisplayText(m_calendar->day(), m_calendar->month(), m_calendar->year()));
    m_main.ui().List1->clear();
    closeDialog();
}

void DateSelectionDialog::onNumbersCancel()
{
    m_frame1->emptyBoxes();
    m_main.state().currentDrawDate = m_main.state().lastStoredDrawDate;
    closeDialog();
}

void DateSelectionDialog::onCalendarCancel()
{
    closeDialog();
}

} // namespace ds
