#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ds {

class MainWindow;
class MonthCalendar;

// The Date Selection dialog: picks the date of a draw (shown, or entered and
// stored) or of the selections. Hidden, not destroyed, between uses, so it
// keeps its calendar date.
class DateSelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit DateSelectionDialog(MainWindow &main);

    // Shows the dialog with the calendar face (the "Change" buttons).
    void openCalendarFace();

    MonthCalendar *calendar() const { return m_calendar; }
    QGroupBox *numbersFrame() const { return m_frame1; }

    void reject() override; // Esc and the title-bar close take the Cancel path

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onCalendarOk();
    void onCalendarCancel();
    void onNumbersOk();
    void onNumbersCancel();
    void changeDrawNumbers(int d, int m, int y);
    void changeSelections(int d, int m, int y);
    void closeDialog();
    void emptyBoxes();

    MainWindow &m_main;
    MonthCalendar *m_calendar;
    QPushButton *m_command2, *m_command4;
    QGroupBox *m_frame1;
    std::array<QLineEdit *, 7> m_boxes{}; // Text1..Text7
    QPushButton *m_command1, *m_command3;
};

} // namespace ds
