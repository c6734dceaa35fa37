#pragma once

#include "platform/platform.h"
#include "widgets/childwindow.h"

class QLabel;
class QPushButton;

namespace ds {

class DrawFrame;
class DrawNumbersFrame;
class MonthCalendar;
class SelectionsController;
class WinningFrame;
struct AppState;

// The Date Selection dialog: picks the date of a draw (shown, or entered and
// stored) or of the selections. Hidden, not destroyed, between uses, so it
// keeps its calendar date.
class DateSelectionDialog : public ChildWindow {
    Q_OBJECT
public:
    DateSelectionDialog(AppState &state, const Platform &platform, DrawFrame &draw, SelectionsController &selections,
                        WinningFrame &winning);

    // Shows the dialog with the calendar face over the main window (the
    // "Change" buttons); the state's date selection mode says what is picked.
    void openCalendarFace(QWidget *opener);

    void closeWindow() override; // also Esc and the title-bar close

private:
    void onCalendarOk();
    void onCalendarCancel();
    void onNumbersOk();
    void onNumbersCancel();
    void changeDrawNumbers(int d, int m, int y);
    void showCalendarFace();
    void showNumbersFace();
    void markDays();

    AppState &m_state;
    Platform m_platform;
    DrawFrame &m_draw;
    SelectionsController &m_selections;
    WinningFrame &m_winning;
    QLabel *m_heading;
    MonthCalendar *m_calendar;
    QLabel *m_latest;
    QPushButton *m_command2, *m_command4;
    QLabel *m_entering;
    DrawNumbersFrame *m_frame1;
};

} // namespace ds
