#pragma once

#include "thunderball/thunderstats.h"
#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QString>
#include <memory>

class QPushButton;

namespace ds {

class BarChart;
class BallStatsWindow;

// "Thunderball Statistics": how often each main number or each Thunderball
// of an era has been drawn in the results of its file (the newest era); a
// click on a bar opens the figures of that number in the ball statistics
// window ("Thunderball", Form26).
class ThunderStatistics : public ChildWindow {
    Q_OBJECT
public:
    ThunderStatistics(const QString &programFolder, const Platform &platform);
    ~ThunderStatistics() override;

    // "Statistics" of the Thunderball window: the main-number chart of the
    // newest era over the opener (disabled meanwhile); refused when there are
    // no results.
    void open(QWidget *opener);

    // "1-34" and "Thunderball": the chart of that mode. With no results the
    // player is told so and the chart stays as it was.
    void showChart(thunder::StatsMode mode);
    // A click on the bar of number n.
    void clickRow(int n);

    thunder::StatsMode mode() const { return m_mode; }
    BarChart *chart() const { return m_chart; }
    BallStatsWindow *ballWindow() const { return m_ball.get(); }

    void closeWindow() override;

private:
    // The results of the era's file, or nothing (the player told) when there
    // are none.
    std::optional<std::vector<ThunderResult>> readResults();
    // The "1-34" button and its tooltip for the era's main limit.
    void showEra(const Era &era);
    // The chart of the mode over the results.
    void setChart(const std::vector<ThunderResult> &results, thunder::StatsMode mode);

    QString m_folder;
    Platform m_platform;
    BarChart *m_chart = nullptr;
    thunder::StatsMode m_mode = thunder::StatsMode::Main;
    const Era *m_era = nullptr;
    QPushButton *m_mains = nullptr; // Command2
    std::unique_ptr<BallStatsWindow> m_ball;
};

} // namespace ds
