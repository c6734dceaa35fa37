#include "statistics/ballstatswindow.h"

#include "widgets/controls.h"
#include "widgets/barchart.h"
#include "platform/printreport.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

namespace ds {

namespace {

const QColor ExpectedGrey(150, 150, 150);
const QColor AppearanceRed(200, 30, 30);

QLineEdit *box(const char *name, const QString &tip = {})
{
    QLineEdit *e = readOnlyBox(name, 90);
    if (!tip.isEmpty())
        e->setToolTip(tip);
    return e;
}

QLabel *label(const char *name, const QString &text = {})
{
    auto *l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// The drawn bar goes from pale to full green as the ball is drawn more often
// than expected.
QColor drawnColour(int drawn, int expected)
{
    const double ratio = expected > 0 ? static_cast<double>(drawn) / expected : (drawn > 0 ? 2.0 : 0.0);
    const double t = std::clamp((ratio - 0.5) / 1.0, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(0.75 - 0.75 * t), static_cast<float>(0.85 - 0.2 * t),
                            static_cast<float>(0.75 - 0.75 * t));
}

QString pairText(int lower)
{
    return QStringLiteral("%1-%2").arg(lower).arg(lower + 1);
}

} // namespace

BallStatsWindow::BallStatsWindow(const Platform &platform, const char *objectName, const QString &caption)
    : m_platform(platform)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);

    m_frame1 = new QGroupBox(QStringLiteral("Statistics for Ball"));
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    {
        m_main = box("Text2");
        m_bonus = box("Text3");
        m_expected = box("Text1");
        m_rating = box("Text5", QStringLiteral(
                                    "Based on the frequency drawnd and the expected number of times ball should be drawn."));
        m_date = box("Text4");
        auto *grid = new QGridLayout(m_frame1);
        m_mainLabel = label("Label1", QStringLiteral("Number of Times Drawn as a Main Ball"));
        m_secondLabel = label("Label2", QStringLiteral("Number of Times Drawn as the Bonus Ball"));
        m_expectedLabel = label("Label3", QStringLiteral("Number of Times Expected to be Drawn as a Main Ball"));
        grid->addWidget(m_mainLabel, 0, 0);
        grid->addWidget(m_main, 0, 1);
        grid->addWidget(m_secondLabel, 1, 0);
        grid->addWidget(m_bonus, 1, 1);
        grid->addWidget(m_expectedLabel, 2, 0);
        grid->addWidget(m_expected, 2, 1);
        grid->addWidget(label("Label4", QStringLiteral("Probability of Being Drawn")), 3, 0);
        grid->addWidget(m_rating, 3, 1);
        grid->addWidget(label("Label5", QStringLiteral("Date Last Drawn")), 4, 0);
        grid->addWidget(m_date, 4, 1);
    }

    m_drawnChart = new BarChart;
    m_drawnChart->setObjectName(QStringLiteral("MSChart1"));
    m_drawnChart->setToolTip(
        QStringLiteral("Chart of expected against actual. The greener the more often the ball has been drawn."));
    m_drawnChart->setTitle(QStringLiteral("Drawn vs Expected"));
    m_drawnChart->setAxisTitles(QString(), QStringLiteral("Times"));
    m_drawnChart->setMinimumSize(260, 240);
    // The bar under the pointer and its value.
    auto *drawnHover = named(new ChartHoverLine(
                                 m_drawnChart,
                                 [](int row, int times) {
                                     const QString what = row == 1 ? QStringLiteral("Expected") : QStringLiteral("Drawn");
                                     return times == 1 ? QStringLiteral("%1: once").arg(what)
                                                       : QStringLiteral("%1: %2 times").arg(what).arg(times);
                                 },
                                 QStringLiteral("Expected: 32767 times")),
                             "LabelHover");

    auto *heading = m_heading = label("Label6", QStringLiteral(
                                        "Ball Appearances Over Last 104 Draws. Groups On Right Show Recent Appearances."));
    m_appearances = new BarChart;
    m_appearances->setObjectName(QStringLiteral("MSChart2"));
    m_appearances->setToolTip(QStringLiteral("Appearances for the ball over the last 104 draws."));
    m_appearances->setCategoryLabelsVisible(false);
    m_appearances->setMinimumSize(560, 160);
    m_note = label("Label7", QStringLiteral(
                                 "There are insufficient draws in the history to show hits over the last year. Download the latest history files from the web or enter some numbers yourself."));
    m_note->setWordWrap(true);
    m_first = label("Label8");
    m_last = label("Label9");

    auto *frame2 = m_frame2 = new QGroupBox(QStringLiteral("Pairings"));
    frame2->setObjectName(QStringLiteral("Frame2"));
    {
        const QString tip = QStringLiteral("Shows the number of times the pair has been drawn.");
        m_pair1 = box("Text6", tip);
        m_pair2 = box("Text7", tip);
        m_pairLabel1 = label("Label11");
        m_pairLabel2 = label("Label12");
        auto *grid = new QGridLayout(frame2);
        grid->addWidget(m_pairLabel1, 0, 0);
        grid->addWidget(m_pair1, 0, 1);
        grid->addWidget(m_pairLabel2, 1, 0);
        grid->addWidget(m_pair2, 1, 1);
    }

    auto *print = button("Command2", QStringLiteral("Print"), QStringLiteral("Prints the form."));
    auto *close = button("Command1", QStringLiteral("Close"), QStringLiteral("Closes this form."));
    connect(print, &QPushButton::clicked, this,
            [this] { reportPrintout(m_platform, m_platform.printer->printWindow(this)); });
    connect(close, &QPushButton::clicked, this, &BallStatsWindow::closeWindow);

    auto *top = new QHBoxLayout;
    auto *figures = new QVBoxLayout;
    figures->addWidget(m_frame1);
    figures->addWidget(frame2);
    figures->addStretch();
    top->addLayout(figures);
    auto *drawn = new QVBoxLayout;
    drawn->addWidget(m_drawnChart, 1);
    drawn->addWidget(drawnHover);
    top->addLayout(drawn, 1);
    auto *dates = new QHBoxLayout;
    dates->addWidget(m_first);
    dates->addStretch();
    dates->addWidget(m_last);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addWidget(heading);
    lay->addWidget(m_appearances);
    lay->addWidget(m_note);
    lay->addLayout(dates);
    lay->addLayout(buttons);
    m_appearances->hide();
}

void BallStatsWindow::showBall(const BallStatistics &s)
{
    m_frame1->setTitle(QStringLiteral("Statistics for Ball %1").arg(s.ball));
    m_main->setText(QString::number(s.mainCount));
    m_bonus->setText(QString::number(s.bonusCount));
    m_date->setText(slashedDateKey(s.lastDrawnKey));
    m_expected->setText(QString::number(s.expected));
    m_rating->setText(ratingText(s.rating));

    m_drawnChart->setRows({QStringLiteral("Expected"), QStringLiteral("Drawn")},
                          {static_cast<qreal>(s.expected), static_cast<qreal>(s.mainCount)}, ExpectedGrey);
    m_drawnChart->setRowColour(2, drawnColour(s.mainCount, s.expected));

    if (s.hasAppearances) {
        QStringList labels;
        QList<qreal> values;
        for (int i = 0; i < AppearanceDraws; ++i) {
            labels << QString::number(i + 1);
            values << (s.appearances[static_cast<size_t>(i)] ? 1.0 : 0.0);
        }
        m_appearances->setRows(labels, values, AppearanceRed);
        m_appearances->show();
        m_note->hide();
        m_first->setText(slashedDateKey(s.firstAppearanceKey));
        m_last->setText(slashedDateKey(s.lastAppearanceKey));
    } else {
        m_appearances->setRows({}, {}, AppearanceRed);
        m_appearances->hide();
        m_note->show();
        m_first->clear();
        m_last->clear();
    }

    clearPairings();
    if (!s.pairings.empty()) {
        m_pairLabel1->setText(pairText(s.pairings[0].lower));
        m_pair1->setText(QString::number(s.pairings[0].count));
    }
    if (s.pairings.size() > 1) {
        m_pairLabel2->setText(pairText(s.pairings[1].lower));
        m_pair2->setText(QString::number(s.pairings[1].count));
    }
}

void BallStatsWindow::showFigures(const BallFigures &f)
{
    m_frame1->setTitle(f.frameTitle);
    m_mainLabel->setVisible(f.mainShown);
    m_main->setVisible(f.mainShown);
    m_main->setText(QString::number(f.mainCount));
    m_secondLabel->setText(f.secondLabel);
    m_bonus->setText(QString::number(f.secondCount));
    m_expectedLabel->setText(f.expectedLabel);
    m_expected->setText(QString::number(f.expected));
    m_rating->setText(f.rating);
    m_date->setText(f.lastDrawn);

    m_drawnChart->setRows({QStringLiteral("Expected"), QStringLiteral("Drawn")},
                          {static_cast<qreal>(f.expected), static_cast<qreal>(f.drawn)}, ExpectedGrey);
    m_drawnChart->setRowColour(2, drawnColour(f.drawn, f.expected));
    m_drawnChart->setTitle(QString());

    for (QWidget *w : std::initializer_list<QWidget *>{m_heading, m_appearances, m_note, m_first, m_last})
        w->hide();

    clearPairings();
    m_frame2->setVisible(f.pairingsShown);
    const std::array<std::pair<QLabel *, QLineEdit *>, 2> rows{{{m_pairLabel1, m_pair1}, {m_pairLabel2, m_pair2}}};
    for (size_t i = 0; i < rows.size(); ++i) {
        const bool present = i < f.pairings.size();
        rows[i].first->setText(present ? f.pairings[i].label : QString());
        rows[i].second->setText(present ? QString::number(f.pairings[i].count) : QString());
        rows[i].second->setVisible(present && f.pairings[i].boxShown);
    }
}

void BallStatsWindow::clearPairings()
{
    m_pair1->clear();
    m_pair2->clear();
    m_pairLabel1->clear();
    m_pairLabel2->clear();
}

} // namespace ds
