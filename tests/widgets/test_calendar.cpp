#include "widgets/monthcalendar.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <gtest/gtest.h>

using ds::MonthCalendar;

TEST(MonthCalendar, MovesOverMonthEndsRaisesDateChangedHoldsFourDigitYearsAndNoSelectionReadsDayZero)
{
    MonthCalendar cal;
    cal.setDate(27, 2, 1999);
    QSignalSpy spy(&cal, &MonthCalendar::dateChanged);
    cal.moveForwardOneWeek();
    EXPECT_EQ(QDate(cal.year(), cal.month(), cal.day()), QDate(1999, 3, 6));
    cal.setDate(2, 1, 2000);
    cal.widget()->setSelectedDate(QDate(2000, 2, 1));
    EXPECT_EQ(spy.count(), 3); // the program's moves and the player's pick alike
    cal.clearSelection();
    EXPECT_EQ(cal.day(), 0);
    cal.setDate(6, 6, 1999);
    EXPECT_EQ(cal.day(), 6);

    cal.setDate(1, 1, 2000);
    cal.setDate(1, 1, 999);
    EXPECT_EQ(cal.year(), 2000);
    cal.widget()->setSelectedDate(QDate(12000, 1, 1)); // held within the range
    EXPECT_LE(cal.year(), 9999);
    cal.setDate(31, 12, 9999);
    EXPECT_EQ(cal.year(), 9999);
}
