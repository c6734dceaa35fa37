#pragma once

#include <QDate>
#include <QList>
#include <QWidget>

class QCalendarWidget;

namespace ds {

// The month calendar on which the player picks a date. Years are limited to
// four digits, as the date key holds four.
class MonthCalendar : public QWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget *parent = nullptr);

    // The selected date; day 0 when no date is selected.
    qint16 day() const;
    qint16 month() const;
    qint16 year() const;
    QDate date() const;

    // Shows and selects the date (an invalid date is ignored).
    void setDate(int day, int month, int year);
    void setDate(const QDate &date);
    void moveForwardOneWeek();
    // Leaves no date selected until the player picks one.
    void clearSelection();

    QCalendarWidget *widget() const { return m_cal; }

    // Shows the given days in bold (the days that hold something); the days
    // marked before are shown plainly again.
    void setMarkedDates(const QList<QDate> &dates);
    bool isMarked(const QDate &date) const { return m_marked.contains(date); }

signals:
    // Raised after the selected date changes, by the player or the program.
    void dateChanged();
    // A day was double-clicked, or Enter was pressed on it: it is confirmed.
    void activated();

protected:
    // Enter in the month or year field turns the page only (the field keeps
    // its own commit); it goes no further, so it confirms no day, and the
    // days take the focus for the next key.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QCalendarWidget *m_cal;
    bool m_none = false;
    QList<QDate> m_marked;
};

} // namespace ds
