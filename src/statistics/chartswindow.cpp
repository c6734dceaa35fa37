#include "statistics/chartswindow.h"

#include "widgets/controls.h"
#include "widgets/barchart.h"
#include "statistics/statisticscontroller.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ds {

namespace {

const QColor BarRed(200, 30, 30);
const QString BallAxis = QStringLiteral("Ball");
const QString PairAxis = QStringLiteral("Lower number of the pair");
const QString TimesAxis = QStringLiteral("Times drawn");

// Row labels of a chart: a blank followed by the number, 1 to last.
QStringList rowLabels(int last)
{
    QStringList out;
    for (int n = 1; n <= last; ++n)
        out << QStringLiteral(" %1").arg(n);
    return out;
}

QList<qreal> rowValues(const BallTable &table, int last)
{
    QList<qreal> out;
    for (int n = 1; n <= last; ++n)
        out << table[static_cast<size_t>(n)];
    return out;
}

} // namespace

ChartsWindow::ChartsWindow(StatisticsController &ctl) : m_ctl(ctl)
{
    setObjectName(QStringLiteral("Form8"));
    m_chart = new BarChart;
    m_chart->setObjectName(QStringLiteral("MSChart1"));
    m_chart->setToolTip(QStringLiteral("Click on Chart Entry for More information About a Ball Selection History"));
    m_chart->setMinimumSize(720, 380);
    auto *hint = new QLabel(QStringLiteral("Click on Red Bar to show more information about a particular ball"));
    hint->setObjectName(QStringLiteral("Label1"));
    // The row under the pointer, its label and value.
    m_hover = named(new ChartHoverLine(
                        m_chart,
                        [this](int row, int times) {
                            return drawnTimesText(m_ctl.pairsChart() ? QStringLiteral("Pair %1-%2").arg(row).arg(row + 1)
                                                                     : QStringLiteral("Ball %1").arg(row),
                                                  times);
                        },
                        QStringLiteral("Pair %1-%2: drawn 32767 times").arg(MaxBall - 1).arg(MaxBall)),
                    "LabelHover");

    auto *main = button("Command4", QStringLiteral("Main"), QStringLiteral("Displays the chart of main balls."));
    auto *bonus = button("Command2", QStringLiteral("Bonus"), QStringLiteral("Displays the chart of bonus balls."));
    auto *both = button("Command5", QStringLiteral("Main+Bonus"),
                        QStringLiteral("Displays the chart of main and bonus balls."));
    auto *pairs = button("Command6", QStringLiteral("Pairs"),
                         QStringLiteral("Displays the chart of number of times pairs are drawn."));
    auto *print = button("Command3", QStringLiteral("Print"), QStringLiteral("Prints the chart."));
    auto *close = button("Command1", QStringLiteral("Close"), QStringLiteral("Closes this form."));

    connect(main, &QPushButton::clicked, this, [this] { showBallChart(BallChartKind::Main); });
    connect(bonus, &QPushButton::clicked, this, [this] { showBallChart(BallChartKind::Bonus); });
    connect(both, &QPushButton::clicked, this, [this] { showBallChart(BallChartKind::MainAndBonus); });
    connect(pairs, &QPushButton::clicked, this, &ChartsWindow::showPairsChart);
    connect(print, &QPushButton::clicked, this, [this] { m_ctl.printWindow(this); });
    connect(close, &QPushButton::clicked, this, &ChartsWindow::closeWindow);
    connect(m_chart, &BarChart::rowClicked, this, &ChartsWindow::clickRow);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {main, bonus, both, pairs})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_chart, 1);
    auto *hints = new QHBoxLayout;
    hints->addWidget(hint);
    hints->addStretch();
    hints->addWidget(m_hover);
    lay->addLayout(hints);
    lay->addLayout(buttons);
    reset();
}

void ChartsWindow::reset()
{
    m_chart->setRows({}, {}, BarRed);
    m_chart->setTitle(QStringLiteral("Chart of Balls Drawn"));
    m_chart->setAxisTitles(BallAxis, TimesAxis);
}

void ChartsWindow::setCaption()
{
    setWindowTitle(QString::fromLatin1(gameInfo(m_ctl.game()).chartsTitle));
}

bool ChartsWindow::showBallChart(BallChartKind kind)
{
    const auto read = m_ctl.readDraws();
    if (!read)
        return false;
    const std::vector<Draw> &draws = *read;
    setCaption();
    m_ctl.setPairsChart(false);
    const int limit = m_ctl.ballLimit();
    BallCounts counts{};
    QString title;
    switch (kind) {
    case BallChartKind::Main:
        counts = mainBallCounts(draws, limit);
        title = QStringLiteral("Balls Drawn (Main)");
        break;
    case BallChartKind::Bonus:
        counts = bonusBallCounts(draws, limit);
        title = QStringLiteral("Balls Drawn (Bonus)");
        break;
    case BallChartKind::MainAndBonus:
        counts = mainAndBonusCounts(draws, limit);
        title = QStringLiteral("Balls Drawn (Main and Bonus)");
        break;
    }
    m_chart->setAxisTitles(BallAxis, TimesAxis);
    m_chart->setRows(rowLabels(limit), rowValues(counts, limit), BarRed);
    // Ratings always go by the main-ball counts of the last main chart.
    if (kind == BallChartKind::Main)
        m_ctl.setThresholds(chartThresholds(counts, limit));
    m_chart->setTitle(title);
    return true;
}

void ChartsWindow::showPairsChart()
{
    const auto draws = m_ctl.readDraws();
    if (!draws)
        return;
    m_ctl.setPairsChart(true);
    m_ctl.setPairsOpenedFromStatistics(false);
    m_chart->setTitle(QStringLiteral("Pairs"));
    m_ctl.countPairs(*draws);
    const int last = m_ctl.ballLimit() - 1;
    m_chart->setAxisTitles(PairAxis, TimesAxis);
    m_chart->setRows(rowLabels(last), rowValues(m_ctl.pairCounts(), last), BarRed);
}

void ChartsWindow::clickRow(int row)
{
    if (m_ctl.pairsChart())
        m_ctl.openPairs(row, false);
    else if (m_chart->rowCount() > 0)
        m_ctl.openBallStatistics(row);
}

void ChartsWindow::closeWindow()
{
    m_ctl.closeCharts();
}

} // namespace ds
