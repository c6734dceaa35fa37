#include "statistics/statisticswindow.h"

#include "core/appstate.h"
#include "core/numbers.h"
#include "widgets/controls.h"
#include "statistics/statisticscontroller.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSignalBlocker>
#include <algorithm>

namespace ds {

namespace {

const QString ShowTip = QStringLiteral("Displays the stats in this frame.");
const QString HotSixFirst = QStringLiteral("You need to display the Hot 6 first");

// A ball box (the hot six's may be typed over, for the wins) and a box the
// window fills with a count.
QLineEdit *box(const char *name)
{
    return lineBox(name, 56);
}

QLineEdit *countBox(const char *name)
{
    return readOnlyBox(name, 56);
}

// The frame's grid keeps its columns together; any extra width goes to the
// right of them.
void packColumns(QGridLayout *grid, int columns)
{
    grid->setColumnStretch(columns, 1);
}

QLabel *label(const QString &text, int number)
{
    auto *l = new QLabel(text);
    l->setObjectName(QStringLiteral("Label%1").arg(number));
    return l;
}

QGroupBox *frame(const char *name, const QString &caption)
{
    auto *f = new QGroupBox(caption);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

// A ball box for a place no ball qualified for stays empty.
QString ballText(int ball)
{
    return ball > 0 ? QString::number(ball) : QString();
}

} // namespace

StatisticsWindow::StatisticsWindow(StatisticsController &ctl) : m_ctl(ctl)
{
    setObjectName(QStringLiteral("Form4"));
    int labelNo = 1;

    // Hot six
    QGroupBox *frame1 = frame("Frame1", QStringLiteral("Balls Most Often Drawn (Hot Six)"));
    {
        static const char *balls[] = {"Text8", "Text9", "Text11", "Text12", "Text14", "Text17"};
        static const char *counts[] = {"Text1", "Text7", "Text10", "Text13", "Text15", "Text16"};
        auto *grid = new QGridLayout(frame1);
        for (int k = 0; k < 6; ++k) {
            m_hotBall[static_cast<size_t>(k)] = box(balls[k]);
            m_hotCount[static_cast<size_t>(k)] = countBox(counts[k]);
            grid->addWidget(m_hotBall[static_cast<size_t>(k)], k, 0);
            grid->addWidget(label(QStringLiteral("Times"), labelNo++), k, 1);
            grid->addWidget(m_hotCount[static_cast<size_t>(k)], k, 2);
        }
        auto *show = button("Command2", QStringLiteral("Show"), ShowTip);
        m_save = button("Command5", QStringLiteral("Save"),
                        QStringLiteral("This allows you to save these entries and add them to your list of entries on the main form."));
        grid->addWidget(show, 6, 0, 1, 2);
        grid->addWidget(m_save, 6, 2);
        packColumns(grid, 3);
        connect(show, &QPushButton::clicked, this, &StatisticsWindow::showHotSix);
        connect(m_save, &QPushButton::clicked, this, &StatisticsWindow::save);
    }

    // Most frequent consecutive pair
    QGroupBox *frame2 = frame("Frame2", QStringLiteral("Most Frequent Pair"));
    {
        auto *grid = new QGridLayout(frame2);
        m_pairLow = box("Text2");
        m_pairHigh = box("Text3");
        m_pairCount = countBox("Text4");
        grid->addWidget(m_pairLow, 0, 0);
        grid->addWidget(m_pairHigh, 0, 1);
        grid->addWidget(m_pairCount, 0, 2);
        grid->addWidget(label(QStringLiteral("Times"), labelNo++), 0, 3);
        auto *show = button("Command3", QStringLiteral("Show"), ShowTip);
        auto *more = button("Command8", QStringLiteral("More pairs.."));
        grid->addWidget(show, 1, 0, 1, 2);
        grid->addWidget(more, 1, 2, 1, 2);
        packColumns(grid, 4);
        connect(show, &QPushButton::clicked, this, &StatisticsWindow::showPair);
        connect(more, &QPushButton::clicked, this, &StatisticsWindow::morePairs);
    }

    // Cool three
    QGroupBox *frame3 = frame("Frame3", QStringLiteral("Balls Least Often Drawn (Cool 3)"));
    {
        static const char *balls[] = {"Text6", "Text18", "Text20"};
        static const char *counts[] = {"Text5", "Text19", "Text21"};
        auto *grid = new QGridLayout(frame3);
        for (int k = 0; k < 3; ++k) {
            m_coolBall[static_cast<size_t>(k)] = box(balls[k]);
            m_coolCount[static_cast<size_t>(k)] = countBox(counts[k]);
            grid->addWidget(m_coolBall[static_cast<size_t>(k)], k, 0);
            grid->addWidget(label(QStringLiteral("Times"), labelNo++), k, 1);
            grid->addWidget(m_coolCount[static_cast<size_t>(k)], k, 2);
        }
        auto *show = button("Command4", QStringLiteral("Show"), ShowTip);
        grid->addWidget(show, 3, 0, 1, 3);
        packColumns(grid, 3);
        connect(show, &QPushButton::clicked, this, &StatisticsWindow::showCoolThree);
    }

    // Wins of the hot six
    m_winsFrame = frame("Frame4", QStringLiteral("Number of Wins Using Best 6"));
    {
        auto *grid = new QGridLayout(m_winsFrame);
        m_wins = countBox("Text22");
        m_highest = countBox("Text23");
        grid->addWidget(named(new QLabel(QStringLiteral("Wins")), "LabelWins"), 0, 0);
        grid->addWidget(m_wins, 0, 1);
        grid->addWidget(label(QStringLiteral("Highest Match"), labelNo++), 0, 2);
        grid->addWidget(m_highest, 0, 3);
        auto *show = button("Command6", QStringLiteral("Show"),
                            QStringLiteral("Displays the number of times the best 6 would have won."));
        grid->addWidget(show, 1, 0, 1, 4);
        packColumns(grid, 4);
        connect(show, &QPushButton::clicked, this, &StatisticsWindow::showWins);
    }

    m_era = named(new QComboBox, "ComboEra");
    m_era->setToolTip(QStringLiteral("The draws the statistics are taken from: one era of the game's rules."));
    connect(m_era, &QComboBox::activated, this, [this](int index) {
        const std::span<const Era> eras = erasOf(m_ctl.game());
        if (index >= 0 && index < static_cast<int>(eras.size()))
            m_ctl.chooseEra(eras[eras.size() - 1 - static_cast<size_t>(index)]);
    });
    auto *eraRow = new QHBoxLayout;
    eraRow->addWidget(named(new QLabel(QStringLiteral("Draws of")), "LabelEra"));
    eraRow->addWidget(m_era);
    eraRow->addStretch();

    auto *indepth = button("Command7", QStringLiteral("Indepth Analysis"), QStringLiteral("More statistics and charts."));
    auto *close = button("Command1", QStringLiteral("Close"), QStringLiteral("Closes this window."));
    connect(indepth, &QPushButton::clicked, this, &StatisticsWindow::indepthAnalysis);
    connect(close, &QPushButton::clicked, this, &StatisticsWindow::closeWindow);

    auto *left = new QVBoxLayout;
    left->addWidget(frame1);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(frame2);
    right->addWidget(frame3);
    right->addWidget(m_winsFrame);
    right->addStretch();
    // The frames keep their size; extra space goes to the window's edges.
    auto *columns = new QHBoxLayout;
    columns->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(indepth);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(eraRow);
    lay->addLayout(columns);
    lay->addStretch();
    lay->addLayout(buttons);
}

void StatisticsWindow::reset()
{
    const GameInfo &game = gameInfo(m_ctl.game());
    setWindowTitle(QString::fromLatin1(game.statsTitle));
    {
        const QSignalBlocker quiet(m_era);
        m_era->clear();
        const std::span<const Era> eras = erasOf(m_ctl.game());
        for (auto e = eras.rbegin(); e != eras.rend(); ++e) {
            m_era->addItem(eraTitle(*e));
            if (&*e == &m_ctl.era())
                m_era->setCurrentIndex(m_era->count() - 1);
        }
    }
    m_winsFrame->setVisible(game.bestSixWins);
    clearFigures();
}

void StatisticsWindow::clearFigures()
{
    for (auto *boxes : {&m_hotBall, &m_hotCount})
        for (QLineEdit *e : *boxes)
            e->clear();
    for (auto *boxes : {&m_coolBall, &m_coolCount})
        for (QLineEdit *e : *boxes)
            e->clear();
    for (QLineEdit *e : {m_pairLow, m_pairHigh, m_pairCount, m_wins, m_highest})
        e->clear();
    m_save->setText(QStringLiteral("Save"));
    m_save->setEnabled(false);
}

void StatisticsWindow::showHotSix()
{
    const auto draws = m_ctl.readDraws();
    if (!draws)
        return;
    const std::array<BallCount, 6> hot = hotSix(*draws, m_ctl.ballLimit());
    for (size_t k = 0; k < hot.size(); ++k) {
        m_hotBall[k]->setText(ballText(hot[k].ball));
        m_hotCount[k]->setText(QString::number(hot[k].count));
    }
    m_save->setEnabled(true);
}

void StatisticsWindow::showPair()
{
    const auto draws = m_ctl.readDraws();
    if (!draws)
        return;
    const PairCount best = mostFrequentPair(*draws, m_ctl.ballLimit());
    m_pairLow->setText(ballText(best.lower));
    m_pairHigh->setText(best.lower > 0 ? QString::number(best.lower + 1) : QString());
    m_pairCount->setText(QString::number(best.count));
}

void StatisticsWindow::showCoolThree()
{
    const auto draws = m_ctl.readDraws();
    if (!draws)
        return;
    const std::array<BallCount, 3> cool = coolThree(*draws, m_ctl.ballLimit());
    for (size_t k = 0; k < cool.size(); ++k) {
        m_coolBall[k]->setText(ballText(cool[k].ball));
        m_coolCount[k]->setText(QString::number(cool[k].count));
    }
}

void StatisticsWindow::showWins()
{
    if (m_hotBall[0]->text().trimmed().isEmpty()) {
        m_ctl.platform().dialogs->message(HotSixFirst);
        return;
    }
    std::array<int, 6> six{};
    for (size_t k = 0; k < six.size(); ++k) {
        // A number too large for a ball box matches no ball.
        const qint64 v = readBoxNumber(m_hotBall[k]->text());
        six[k] = fitsInt16(v) ? static_cast<int>(v) : 0;
    }
    const auto draws = m_ctl.readDraws();
    if (!draws)
        return;
    const BestSixWins w = winsUsingBestSix(*draws, six, m_ctl.era());
    m_wins->setText(QString::number(w.wins));
    m_highest->setText(QString::number(w.highestMatch));
}

void StatisticsWindow::save()
{
    std::array<QString, 6> hot;
    for (size_t k = 0; k < m_hotBall.size(); ++k)
        hot[k] = m_hotBall[k]->text();
    m_ctl.saveBestSix(hot);
    m_save->setText(QStringLiteral("Saved"));
}

void StatisticsWindow::morePairs()
{
    m_ctl.openPairs(1, true);
}

void StatisticsWindow::indepthAnalysis()
{
    m_ctl.openCharts();
}

void StatisticsWindow::closeWindow()
{
    m_ctl.closeStatistics();
}

} // namespace ds
