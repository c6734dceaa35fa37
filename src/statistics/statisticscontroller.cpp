#include "statistics/statisticscontroller.h"

#include "core/appstate.h"
#include "core/drawhistory.h"
#include "core/games.h"
#include "lotto/mainwindow.h"
#include "statistics/ballstatswindow.h"
#include "statistics/chartswindow.h"
#include "statistics/pairswindow.h"
#include "statistics/statisticswindow.h"

#include <QAction>

namespace ds {

namespace {

const QString NoEntries = QStringLiteral("You do not have any entries in the results file, no stats can be determined");
const QString FewEntries = QStringLiteral(
    "Note: the number of entries is insufficient to give reliable statistics. Download the latest results file?");

// Fewer draws than this earn the "insufficient" note.
constexpr int ReliableDraws = 21;

void bringUp(QWidget *w)
{
    w->setEnabled(true);
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

QString statsHistoryFile(StatsGame game)
{
    return historyFileName(game == StatsGame::UK ? CountryUK : CountryIR);
}

StatisticsController::StatisticsController(MainWindow &main) : QObject(&main), m_main(main)
{
    connect(main.ui().mnuUKstats, &QAction::triggered, this, [this] { openStatistics(StatsGame::UK); });
    connect(main.ui().mnuIRstats, &QAction::triggered, this, [this] { openStatistics(StatsGame::Irish); });
}

StatisticsController::~StatisticsController() = default;

void StatisticsController::ensureWindows()
{
    // Built on first use and kept: each opening starts them afresh.
    if (!m_statistics) {
        m_statistics = std::make_unique<StatisticsWindow>(*this);
        m_charts = std::make_unique<ChartsWindow>(*this);
        m_ballStats = std::make_unique<BallStatsWindow>(*this);
        m_pairs = std::make_unique<PairsWindow>(*this);
    }
}

std::vector<Draw> StatisticsController::readDraws() const
{
    return readHistoryDraws(m_main.state().filePath(statsHistoryFile(m_game)));
}

void StatisticsController::countPairs(const std::vector<Draw> &draws)
{
    m_pairCounts = consecutivePairCounts(draws, m_ballLimit);
}

void StatisticsController::openStatistics(StatsGame game)
{
    const Platform &p = m_main.platform();
    DrawHistory history;
    const int n = history.load(m_main.state().filePath(statsHistoryFile(game))) ? history.count() : 0;
    if (n <= 0) {
        p.dialogs->message(NoEntries);
        return;
    }
    if (n < ReliableDraws)
        p.dialogs->message(FewEntries);

    ensureWindows();
    hideAll();
    m_game = game;
    m_ballLimit = game == StatsGame::UK ? UkBallLimit : IrishBallLimit;
    m_thresholds = {};
    m_pairCounts = {};
    m_pairsChart = false;
    m_pairsFromStatistics = false;

    m_main.hide();
    m_charts->reset();
    m_statistics->reset();
    bringUp(m_statistics.get());
}

void StatisticsController::hideAll()
{
    if (!m_statistics)
        return;
    m_ballStats->clearPairings();
    m_pairs->clearList();
    for (QWidget *w : {static_cast<QWidget *>(m_ballStats.get()), static_cast<QWidget *>(m_pairs.get()),
                       static_cast<QWidget *>(m_charts.get()), static_cast<QWidget *>(m_statistics.get())}) {
        w->hide();
        w->setEnabled(true);
    }
}

void StatisticsController::restoreMaxBall()
{
    AppState &s = m_main.state();
    s.maxBall = ballLimitFor(s.countryCode);
}

void StatisticsController::closeStatistics()
{
    restoreMaxBall();
    hideAll();
    m_pairsChart = false;
    m_main.returnToMain();
}

void StatisticsController::openCharts()
{
    m_charts->showBallChart(BallChartKind::Main);
    m_statistics->hide();
    bringUp(m_charts.get());
}

void StatisticsController::closeCharts()
{
    m_pairsChart = false;
    restoreMaxBall();
    // Whatever the Charts window opened goes with it.
    m_ballStats->clearPairings();
    m_ballStats->hide();
    if (!m_pairsFromStatistics) {
        m_pairs->clearList();
        m_pairs->hide();
    }
    m_charts->hide();
    m_charts->setEnabled(true);
    bringUp(m_statistics.get());
}

void StatisticsController::openBallStatistics(int ball)
{
    if (ball < 1 || ball > m_ballLimit)
        return;
    m_charts->setEnabled(false);
    m_main.state().maxBall = static_cast<qint16>(m_ballLimit);
    const std::vector<Draw> draws = readDraws();
    m_ballStats->showBall(ballStatistics(draws, ball, m_ballLimit, m_thresholds));
    bringUp(m_ballStats.get());
}

void StatisticsController::closeBallStatistics()
{
    m_ballStats->clearPairings();
    m_ballStats->hide();
    bringUp(m_charts.get());
}

void StatisticsController::openPairs(int row, bool fromStatistics)
{
    if (row < 1 || row > m_ballLimit - 1)
        return;
    m_pairsFromStatistics = fromStatistics;
    (fromStatistics ? static_cast<QWidget *>(m_statistics.get()) : static_cast<QWidget *>(m_charts.get()))
        ->setEnabled(false);
    countPairs(readDraws());
    m_pairs->load(row);
    bringUp(m_pairs.get());
}

void StatisticsController::closePairs()
{
    m_pairs->clearList();
    m_pairs->hide();
    if (m_pairsFromStatistics)
        bringUp(m_statistics.get());
    else
        bringUp(m_charts.get());
}

void StatisticsController::printWindow(QWidget *window)
{
    m_main.platform().printer->printWindow(window);
}

} // namespace ds
