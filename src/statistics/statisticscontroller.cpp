#include "statistics/statisticscontroller.h"

#include "core/appstate.h"
#include "widgets/childwindow.h"
#include "core/drawhistory.h"
#include "core/games.h"
#include "platform/printreport.h"
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

} // namespace

StatisticsController::StatisticsController(AppState &state, const Platform &platform, QWidget *window,
                                           QObject *parent)
    : QObject(parent), m_state(state), m_platform(platform), m_window(window)
{
}

StatisticsController::~StatisticsController() = default;

void StatisticsController::ensureWindows()
{
    // Built on first use and kept: each opening starts them afresh.
    if (!m_statistics) {
        m_statistics = std::make_unique<StatisticsWindow>(*this);
        m_charts = std::make_unique<ChartsWindow>(*this);
        m_ballStats = std::make_unique<BallStatsWindow>(m_platform, "Form6", QStringLiteral("Ball Statistics"));
        connect(m_ballStats.get(), &BallStatsWindow::closeRequested, this, &StatisticsController::closeBallStatistics);
        m_pairs = std::make_unique<PairsWindow>(*this);
    }
}

std::optional<std::vector<Draw>> StatisticsController::readDraws() const
{
    FileRead<std::vector<Draw>> read = readHistoryDraws(m_state.historyPath(*m_era));
    if (!read.usable()) {
        m_platform.dialogs->message(HistoryUnreadableMessage);
        return std::nullopt;
    }
    return std::move(read.value);
}

void StatisticsController::countPairs(const std::vector<Draw> &draws)
{
    m_pairCounts = consecutivePairCounts(draws, ballLimit());
}

void StatisticsController::openStatistics(Game game)
{
    const Platform &p = m_platform;
    // The newest era that holds draws; statistics never mix eras.
    const Era *era = nullptr;
    int n = 0;
    const std::span<const Era> eras = erasOf(game);
    for (auto e = eras.rbegin(); e != eras.rend() && n <= 0; ++e) {
        DrawHistory history;
        if (!usable(history.load(m_state.historyPath(*e)))) {
            p.dialogs->message(HistoryUnreadableMessage);
            return;
        }
        era = &*e;
        n = history.count();
    }
    if (n <= 0) {
        p.dialogs->message(NoEntries);
        return;
    }
    if (n < ReliableDraws)
        p.dialogs->inform(FewEntries);

    ensureWindows();
    hideAll();
    startEra(*era);
    m_statistics->reset();
    m_statistics->openOver(m_window, OpenerMode::Hide);
}

void StatisticsController::startEra(const Era &era)
{
    m_era = &era;
    m_thresholds = {};
    m_pairCounts = {};
    m_pairsChart = false;
    m_pairsFromStatistics = false;
    m_charts->reset();
}

void StatisticsController::chooseEra(const Era &era)
{
    if (&era == m_era || !m_statistics)
        return;
    startEra(era);
    m_statistics->clearFigures();
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

void StatisticsController::closeStatistics()
{
    hideAll();
    m_pairsChart = false;
    m_statistics->giveBack();
}

void StatisticsController::openCharts()
{
    if (!m_charts->showBallChart(BallChartKind::Main))
        return;
    m_charts->openOver(m_statistics.get(), OpenerMode::Hide);
}

void StatisticsController::closeCharts()
{
    m_pairsChart = false;
    // Whatever the Charts window opened goes with it.
    m_ballStats->clearPairings();
    m_ballStats->hide();
    if (!m_pairsFromStatistics) {
        m_pairs->clearList();
        m_pairs->hide();
    }
    m_charts->setEnabled(true);
    m_charts->giveBack();
}

void StatisticsController::openBallStatistics(int ball)
{
    if (ball < 1 || ball > ballLimit())
        return;
    const auto draws = readDraws();
    if (!draws)
        return;
    m_ballStats->showBall(ballStatistics(*draws, ball, ballLimit(), m_thresholds));
    m_ballStats->openOver(m_charts.get(), OpenerMode::Disable);
}

void StatisticsController::closeBallStatistics()
{
    m_ballStats->clearPairings();
    m_ballStats->giveBack();
}

void StatisticsController::openPairs(int row, bool fromStatistics)
{
    if (row < 1 || row > ballLimit() - 1)
        return;
    const auto draws = readDraws();
    if (!draws)
        return;
    m_pairsFromStatistics = fromStatistics;
    countPairs(*draws);
    m_pairs->load(row);
    m_pairs->openOver(fromStatistics ? static_cast<QWidget *>(m_statistics.get())
                                     : static_cast<QWidget *>(m_charts.get()),
                      OpenerMode::Disable);
}

void StatisticsController::closePairs()
{
    m_pairs->clearList();
    m_pairs->giveBack();
}

void StatisticsController::saveBestSix(const std::array<QString, 6> &hotBalls)
{
    m_state.bestSix = bestSixTexts(hotBalls);
    // The hot six of the other game is saved but cannot be used.
    emit bestSixSaved(m_state.game() == game());
}

void StatisticsController::printWindow(QWidget *window)
{
    reportPrintout(m_platform, m_platform.printer->printWindow(window));
}

} // namespace ds
