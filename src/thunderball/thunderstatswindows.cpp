#include "thunderball/thunderstatswindows.h"

#include "platform/platform.h"
#include "statistics/ballstatswindow.h"
#include "thunderball/resultsedit.h"
#include "thunderball/thunderinput.h"
#include "thunderball/thunderview.h"
#include "widgets/barchart.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

namespace ds {

using namespace thunder;

namespace {

const QColor BarRed(200, 30, 30);

BallFigures figuresOf(const ThunderBallStats &s)
{
    BallFigures f;
    f.frameTitle = s.frameCaption;
    f.mainShown = s.mode == StatsMode::Main;
    f.mainCount = s.mainCount;
    f.secondLabel = QStringLiteral("Number of Times Drawn as the Thunderball");
    f.secondCount = s.thunderballCount;
    f.expectedLabel = s.expectedLabel;
    f.expected = s.expected;
    f.rating = s.rating;
    f.lastDrawn = s.lastDrawn;
    f.drawn = s.chartValue;
    f.pairingsShown = s.mode == StatsMode::Main;
    for (const Pairing &p : s.pairings)
        f.pairings.push_back({p.label, p.count, p.boxShown});
    return f;
}

} // namespace

ThunderStatistics::ThunderStatistics(const QString &programFolder, const Platform &platform)
    : m_folder(programFolder), m_platform(platform)
{
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("Thunderball Statistics"));

    m_chart = named(new BarChart, "MSChart1");
    m_chart->setToolTip(QStringLiteral("Click on a bar for more information about a particular ball"));
    m_chart->setMinimumSize(640, 360);
    m_chart->setBackgroundBrush(QColor(255, 255, 230));
    auto *hint = named(new QLabel(QStringLiteral("For more information about a ball, click on its bar.")), "Label1");
    // The row under the pointer, its number and count.
    auto *hover = named(new ChartHoverLine(
                            m_chart,
                            [this](int row, int times) {
                                const QString what = m_mode == StatsMode::Main ? QStringLiteral("Ball %1")
                                                                               : QStringLiteral("Thunderball %1");
                                return drawnTimesText(what.arg(row), times);
                            },
                            // the widest line it shows
                            QStringLiteral("Thunderball %1: drawn 32767 times").arg(MaxBall)),
                        "LabelHover");
    m_mains = button("Command2", QString(), QString()); // its caption says the era's balls
    auto *balls = button("Command3", QStringLiteral("Thunderball"),
                         QStringLiteral("Click to display the chart for the Thunderballs"));
    auto *close = button("Command1", QStringLiteral("Close"),
                         QStringLiteral("Close this window and return to the Thunderball manager"));
    connect(m_mains, &QPushButton::clicked, this, [this] { showChart(StatsMode::Main); });
    connect(balls, &QPushButton::clicked, this, [this] { showChart(StatsMode::Thunderball); });
    connect(close, &QPushButton::clicked, this, &ThunderStatistics::closeWindow);
    connect(m_chart, &BarChart::rowClicked, this, &ThunderStatistics::clickRow);
    m_eras = named(new QComboBox, "ComboEra");
    m_eras->setToolTip(QStringLiteral("The results the statistics are taken from: one era of the game's rules."));
    const std::span<const Era> eras = erasOf(Game::Thunderball);
    for (auto e = eras.rbegin(); e != eras.rend(); ++e)
        m_eras->addItem(eraTitle(*e));
    connect(m_eras, &QComboBox::activated, this, &ThunderStatistics::chooseEra);

    auto *top = new QHBoxLayout;
    top->addWidget(named(new QLabel(QStringLiteral("Results of")), "LabelEraCaption"));
    top->addWidget(m_eras);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_mains);
    buttons->addWidget(balls);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(m_chart, 1);
    auto *hints = new QHBoxLayout;
    hints->addWidget(hint);
    hints->addStretch();
    hints->addWidget(hover);
    lay->addLayout(hints);
    lay->addLayout(buttons);

    m_ball = std::make_unique<BallStatsWindow>(m_platform, "Form26", QStringLiteral("Thunderball"));
    connect(m_ball.get(), &BallStatsWindow::closeRequested, m_ball.get(), &BallStatsWindow::giveBack);
    showEra(latestEra(Game::Thunderball));
}

void ThunderStatistics::showEra(const Era &era)
{
    m_era = &era;
    {
        const QSignalBlocker quiet(m_eras);
        const std::span<const Era> eras = erasOf(Game::Thunderball);
        m_eras->setCurrentIndex(static_cast<int>(eras.size()) - 1 - static_cast<int>(&era - eras.data()));
    }
    m_mains->setText(QStringLiteral("1-%1").arg(era.mainLimit));
    m_mains->setToolTip(QStringLiteral("Click to show balls 1 to %1").arg(era.mainLimit));
}

ThunderStatistics::~ThunderStatistics() = default;

std::optional<std::vector<ThunderResult>> ThunderStatistics::readResults(const Era &era)
{
    FileRead<std::vector<ThunderResult>> read = readThunderResults(resultsPath(m_folder, era));
    if (!read.usable() || soundResults(read.value, era).empty()) {
        m_platform.dialogs->message(QString::fromLatin1(read.usable() ? MsgNoResultsForStats : MsgResultsUnreadable));
        return std::nullopt;
    }
    return std::move(read.value);
}

void ThunderStatistics::open(QWidget *opener)
{
    // The newest era whose file holds results; the player is told when none does.
    const std::span<const Era> eras = erasOf(Game::Thunderball);
    const Era *era = &eras.back();
    for (auto e = eras.rbegin(); e != eras.rend(); ++e) {
        const FileRead<std::vector<ThunderResult>> read = readThunderResults(resultsPath(m_folder, *e));
        if (!read.usable())
            break; // said so below
        if (!soundResults(read.value, *e).empty()) {
            era = &*e;
            break;
        }
    }
    const auto results = readResults(*era);
    if (!results)
        return;
    showEra(*era);
    setChart(*results, StatsMode::Main);
    openOver(opener, OpenerMode::Disable);
}

void ThunderStatistics::chooseEra(int index)
{
    const std::span<const Era> eras = erasOf(Game::Thunderball);
    if (index < 0 || index >= static_cast<int>(eras.size()))
        return;
    const Era &era = eras[eras.size() - 1 - static_cast<size_t>(index)];
    const auto results = readResults(era);
    if (!results) {
        showEra(*m_era); // the box goes back to the era on show
        return;
    }
    showEra(era);
    setChart(*results, m_mode);
}

void ThunderStatistics::showChart(StatsMode mode)
{
    const auto results = readResults();
    if (!results)
        return;
    setChart(*results, mode);
}

void ThunderStatistics::setChart(const std::vector<ThunderResult> &results, StatsMode mode)
{
    m_mode = mode;
    const FrequencyChart chart = frequencyChart(results, mode, *m_era);
    m_chart->setAxisTitles(mode == StatsMode::Main ? QStringLiteral("Ball") : QStringLiteral("Thunderball"),
                           QStringLiteral("Times drawn"));
    m_chart->setRows(chart.labels, chart.values, BarRed);
    m_chart->setTitle(chart.title);
}

void ThunderStatistics::clickRow(int n)
{
    const auto results = readResults();
    if (!results)
        return;
    const ThunderBallStats s = ballStats(*results, n, m_mode, *m_era);
    if (!s.valid)
        return;
    m_ball->setWindowTitle(s.caption);
    m_ball->showFigures(figuresOf(s));
    m_ball->openOver(this, OpenerMode::Disable);
}

void ThunderStatistics::closeWindow()
{
    m_mode = StatsMode::Main;
    giveBack();
}

} // namespace ds
