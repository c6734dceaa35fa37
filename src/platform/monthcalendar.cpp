#include "platform/monthcalendar.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

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

void MonthCalendar::moveForwardOneWeek()
{
    setDate(m_cal->selectedDate().addDays(7));
}

void MonthCalendar::clearSelection()
{
    m_none = true;
}

} // namespace ds
