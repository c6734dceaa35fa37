#pragma once

#include "core/games.h"
#include "platform/platform.h"
#include "statistics/drawstats.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace ds {

struct AppState;
class StatisticsWindow;
class ChartsWindow;
class BallStatsWindow;
class PairsWindow;

// The "UK Stats" and "Irish Stats" entries of the Country menu, and the
// Statistics, Charts, Ball Statistics and Pairs windows they lead to. The
// controller owns the four windows and the values they share: the game and
// its ball limit, the thresholds of the last main-ball chart, the pair-count
// table and the flags telling which window a detail window came from.
class StatisticsController : public QObject {
    Q_OBJECT
public:
    // The Statistics window opens in place of `window`, hidden meanwhile.
    StatisticsController(AppState &state, const Platform &platform, QWidget *window, QObject *parent = nullptr);
    ~StatisticsController() override;

    // The menu entries: open the Statistics window in place of the main
    // window on the newest era of the game that holds draws; refuse when none
    // does, and warn about a short history.
    void openStatistics(Game game);
    // The era the windows show from now on (the Statistics window's era
    // picker): every figure, chart and ball window starts afresh on it.
    void chooseEra(const Era &era);

    const Platform &platform() const { return m_platform; }
    Game game() const { return m_era->game; }
    // The era the windows show.
    const Era &era() const { return *m_era; }
    // The statistics ball limit: the main limit of the era.
    int ballLimit() const { return m_era->mainLimit; }
    // The era's draw history, read afresh from its file; nothing, once the
    // player has been told, when the file went bad since the window opened.
    std::optional<std::vector<Draw>> readDraws() const;

    void setThresholds(const ChartThresholds &t) { m_thresholds = t; }
    const PairCounts &pairCounts() const { return m_pairCounts; }
    bool pairsChart() const { return m_pairsChart; }
    void setPairsChart(bool on) { m_pairsChart = on; }
    void setPairsOpenedFromStatistics(bool on) { m_pairsFromStatistics = on; }
    // Fills the pair-count table from the whole history.
    void countPairs(const std::vector<Draw> &draws);

    // Hand-overs between the windows.
    void openCharts();                 // "Indepth Analysis"
    void closeCharts();
    void openBallStatistics(int ball); // a bar of a ball chart
    void closeBallStatistics();
    // Shows the Pairs window with pair row-(row+1) chosen, over the
    // Statistics window or over the Charts window.
    void openPairs(int row, bool fromStatistics);
    void closePairs();
    void closeStatistics();

    void printWindow(QWidget *window);

    // "Save" of the Statistics window: the hot six become the best six.
    void saveBestSix(const std::array<QString, 6> &hotBalls);

signals:
    // The best six were saved; `usable` when they are of the current game.
    void bestSixSaved(bool usable);

private:
    void ensureWindows();
    void startEra(const Era &era);
    void hideAll();

    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    const Era *m_era = &latestEra(Game::UK);
    ChartThresholds m_thresholds;
    PairCounts m_pairCounts{};
    bool m_pairsChart = false;
    bool m_pairsFromStatistics = false;

    std::unique_ptr<StatisticsWindow> m_statistics;
    std::unique_ptr<ChartsWindow> m_charts;
    std::unique_ptr<BallStatsWindow> m_ballStats;
    std::unique_ptr<PairsWindow> m_pairs;
};


} // namespace ds
