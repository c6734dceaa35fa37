#pragma once

#include "widgets/childwindow.h"

class QLabel;

namespace ds {

class BarChart;
class StatisticsController;

enum class BallChartKind { Main, Bonus, MainAndBonus };

// The Charts window: one bar per ball (main, bonus, or both) or one bar per
// consecutive pair; a click on a bar opens the detail of that ball or pair.
class ChartsWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ChartsWindow(StatisticsController &ctl);

    // As first loaded: no rows and the title "Chart of Balls Drawn".
    void reset();

    // False, with the chart as it was, when the history cannot be read.
    bool showBallChart(BallChartKind kind);
    void showPairsChart();

    // A click on the bar of row `row` (1-based): the ball number on a ball
    // chart, n of the pair n-(n+1) on the pairs chart.
    void clickRow(int row);

    BarChart *chart() const { return m_chart; }

    void closeWindow() override;

private:
    void setCaption();

    StatisticsController &m_ctl;
    BarChart *m_chart = nullptr;
    QLabel *m_hover = nullptr;
};

} // namespace ds
