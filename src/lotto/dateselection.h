#pragma once

#include "platform/childwindow.h"

class QPushButton;

namespace ds {

class DrawNumbersFrame;
class MainWindow;
class MonthCalendar;

// The Date Selection dialog: picks the date of a draw (shown, or entered and
// stored) or of the selections. Hidden, not destroyed, between uses, so it
// keeps its calendar date.
class DateSelectionDialog : public ChildWindow {
    Q_OBJECT
public:
    explicit DateSelectionDialog(MainWindow &main);

    // Shows the dialog with the calendar face (the "Change" buttons).
    void openCalendarFace();

    MonthCalendar *calendar() const { return m_calendar; }
    DrawNumbersFrame *numbersFrame() const { return m_frame1; }

    void closeWindow() override; // also Esc and the title-bar close

private:
    void onCalendarOk();
    void onCalendarCancel();
    void onNumbersOk();
    void onNumbersCancel();
    void changeDrawNumbers(int d, int m, int y);
    void changeSelections(int d, int m, int y);
    void closeDialog();

    MainWindow &m_main;
    MonthCalendar *m_calendar;
    QPushButton *m_command2, *m_command4;
    DrawNumbersFrame *m_frame1;
};

} // namespace ds
