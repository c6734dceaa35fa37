#pragma once

#include "statistics/drawstats.h"
#include "platform/childwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ds {

class BarChart;
class StatisticsController;

// The Ball Statistics window: the figures of one ball, its drawn-against-
// expected chart, its appearances over the last 104 draws and the counts of
// the consecutive pairs it belongs to.
class BallStatsWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit BallStatsWindow(StatisticsController &ctl);

    void showBall(const BallStatistics &s);
    // Empties the pairing boxes and their labels.
    void clearPairings();

    void closeWindow() override;

private:
    StatisticsController &m_ctl;
    QGroupBox *m_frame1 = nullptr;
    QLineEdit *m_main = nullptr, *m_bonus = nullptr, *m_expected = nullptr, *m_rating = nullptr, *m_date = nullptr;
    BarChart *m_drawnChart = nullptr;
    BarChart *m_appearances = nullptr;
    QLabel *m_first = nullptr, *m_last = nullptr, *m_note = nullptr;
    QLineEdit *m_pair1 = nullptr, *m_pair2 = nullptr;
    QLabel *m_pairLabel1 = nullptr, *m_pairLabel2 = nullptr;
};

} // namespace ds
