#include "widgets/monthcalendar.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <algorithm>

namespace ds {

MonthCalendar::MonthCalendar(QWidget *parent)
    : QWidget(parent), m_cal(new QCalendarWidget(this))
{
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_cal);
    m_cal->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
    m_cal->setGridVisible(true);
    m_cal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_cal->setObjectName(QStringLiteral("Calendar1Grid"));
    connect(m_cal, &QCalendarWidget::selectionChanged, this, [this] {
        m_none = false;
        emit dateChanged();
    });
    connect(m_cal, &QCalendarWidget::clicked, this, [this] { m_none = false; });
    connect(m_cal, &QCalendarWidget::activated, this, [this] {
        m_none = false;
        emit activated();
    });
    // Turning the page selects the same day of the new month (its last day
    // when the month is shorter), so the date confirmed is on the page shown.
    connect(m_cal, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        const QDate selected = m_cal->selectedDate();
        if (selected.year() == year && selected.month() == month)
            return;
        const QDate first(year, month, 1);
        const QDate target(year, month, std::min(selected.day(), first.daysInMonth()));
        if (target.isValid() && target >= m_cal->minimumDate() && target <= m_cal->maximumDate())
            m_cal->setSelectedDate(target);
    });
    setFocusProxy(m_cal);
}

qint16 MonthCalendar::day() const
{
    return m_none ? 0 : static_cast<qint16>(m_cal->selectedDate().day());
}

qint16 MonthCalendar::month() const
{
    return static_cast<qint16>(m_cal->selectedDate().month());
}

qint16 MonthCalendar::year() const
{
    return static_cast<qint16>(m_cal->selectedDate().year());
}

QDate MonthCalendar::date() const
{
    return m_none ? QDate() : m_cal->selectedDate();
}

void MonthCalendar::setDate(int day, int month, int year)
{
    setDate(QDate(year, month, day));
}

void MonthCalendar::setDate(const QDate &date)
{
    if (!date.isValid() || date < m_cal->minimumDate() || date > m_cal->maximumDate())
        return;
    const bool wasNone = m_none;
    m_none = false;
    if (date == m_cal->selectedDate()) {
        if (wasNone)
            emit dateChanged();
        return;
    }
    m_cal->setSelectedDate(date); // raises dateChanged through selectionChanged
    m_cal->setCurrentPage(date.year(), date.month());
}

void MonthCalendar::keyPressEvent(QKeyEvent *event)
{
    // Only the navigation bar lets Enter through: the day grid takes its own.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        m_cal->setFocus();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MonthCalendar::moveForwardOneWeek()
{
    setDate(m_cal->selectedDate().addDays(7));
}

void MonthCalendar::setMarkedDates(const QList<QDate> &dates)
{
    for (const QDate &d : std::as_const(m_marked))
        m_cal->setDateTextFormat(d, QTextCharFormat());
    m_marked = dates;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const QDate &d : std::as_const(m_marked))
        m_cal->setDateTextFormat(d, bold);
}

void MonthCalendar::clearSelection()
{
    m_none = true;
}

} // namespace ds
