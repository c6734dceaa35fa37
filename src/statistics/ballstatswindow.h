#pragma once

#include "platform/platform.h"
#include "statistics/drawstats.h"
#include "widgets/childwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ds {

class BarChart;

// Figures of a ball worded by the caller (the Thunderball statistics): every
// text is shown as given; the main-count row and the pairings are shown only
// when asked for, and the appearances part not at all.
struct BallFigures {
    QString frameTitle;
    bool mainShown = true;
    int mainCount = 0;
    QString secondLabel; // beside the second count
    int secondCount = 0;
    QString expectedLabel;
    int expected = 0;
    QString rating;
    QString lastDrawn;
    int drawn = 0; // set against the expected value on the chart
    struct Pairing {
        QString label;
        int count = 0;
        bool boxShown = true;
    };
    bool pairingsShown = false;
    std::vector<Pairing> pairings; // up to two
};

// The Ball Statistics window: the figures of one ball, its drawn-against-
// expected chart, its appearances over the last 104 draws and the counts of
// the consecutive pairs it belongs to. It shows the figures it is given; its
// opener names it and handles its closing (closeRequested).
class BallStatsWindow : public ChildWindow {
    Q_OBJECT
public:
    BallStatsWindow(const Platform &platform, const char *objectName, const QString &caption);

    void showBall(const BallStatistics &s);
    void showFigures(const BallFigures &f);
    // Empties the pairing boxes and their labels.
    void clearPairings();

    void closeWindow() override { emit closeRequested(); }

signals:
    // Close, Esc or the title-bar close.
    void closeRequested();

private:
    Platform m_platform;
    QGroupBox *m_frame1 = nullptr;
    QLineEdit *m_main = nullptr, *m_bonus = nullptr, *m_expected = nullptr, *m_rating = nullptr, *m_date = nullptr;
    BarChart *m_drawnChart = nullptr;
    BarChart *m_appearances = nullptr;
    QLabel *m_first = nullptr, *m_last = nullptr, *m_note = nullptr;
    QLineEdit *m_pair1 = nullptr, *m_pair2 = nullptr;
    QLabel *m_pairLabel1 = nullptr, *m_pairLabel2 = nullptr;
    QLabel *m_mainLabel = nullptr, *m_secondLabel = nullptr, *m_expectedLabel = nullptr, *m_heading = nullptr;
    QGroupBox *m_frame2 = nullptr;
};

} // namespace ds
