#pragma once

#include "statistics/drawstats.h"
#include "widgets/childwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ds {

class BarChart;
class Printer;

// The Ball Statistics window: the figures of one ball, its drawn-against-
// expected chart, its appearances over the last 104 draws and the counts of
// the consecutive pairs it belongs to. It shows the figures it is given; its
// opener names it and handles its closing (closeRequested).
class BallStatsWindow : public ChildWindow {
    Q_OBJECT
public:
    BallStatsWindow(Printer &printer, const char *objectName, const QString &caption);

    void showBall(const BallStatistics &s);
    // Empties the pairing boxes and their labels.
    void clearPairings();

    void closeWindow() override { emit closeRequested(); }

signals:
    // Close, Esc or the title-bar close.
    void closeRequested();

private:
    Printer &m_printer;
    QGroupBox *m_frame1 = nullptr;
    QLineEdit *m_main = nullptr, *m_bonus = nullptr, *m_expected = nullptr, *m_rating = nullptr, *m_date = nullptr;
    BarChart *m_drawnChart = nullptr;
    BarChart *m_appearances = nullptr;
    QLabel *m_first = nullptr, *m_last = nullptr, *m_note = nullptr;
    QLineEdit *m_pair1 = nullptr, *m_pair2 = nullptr;
    QLabel *m_pairLabel1 = nullptr, *m_pairLabel2 = nullptr;
};

} // namespace ds
