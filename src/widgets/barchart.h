#pragma once

#include <QChartView>
#include <QColor>
#include <QLabel>
#include <QList>
#include <QStringList>
#include <functional>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QGraphicsSimpleTextItem;
class QValueAxis;

namespace ds {

// The value axis of a chart whose largest value is `largest`: from 0 to
// `top` in `ticks` ticks, a whole step of 1, 2 or 5 times a power of ten
// apart, at most five steps.
struct ValueScale {
    qreal top;
    int ticks;
};
ValueScale valueScale(qreal largest);

// The bar chart of the statistics windows: rows of a label and a value, a
// title, one colour, and a click that reports the clicked row.
//
// The chart draws its own row labels under the bars, at the widget's own
// font size: where neighbouring labels would touch only every other one (or
// every third...) is drawn, and the first and the last row always carry
// theirs. A row is a whole column of the chart: a click on its bar, on the
// empty space above it or on its label reports the row, so a row valued 0
// can be clicked too; the pointer over a row reports it as hovered.
class BarChart : public QChartView {
    Q_OBJECT
public:
    explicit BarChart(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const;
    // Titles of the row axis (under the labels) and of the value axis.
    void setAxisTitles(const QString &rows, const QString &values);

    // Replaces the rows. Row r (1-based) is labels[r - 1] valued values[r - 1].
    void setRows(const QStringList &labels, const QList<qreal> &values, const QColor &colour);
    // Draws one row in a colour of its own (rows are 1-based).
    void setRowColour(int row, const QColor &colour);
    void setCategoryLabelsVisible(bool visible);

    int rowCount() const;
    QStringList rowLabels() const;
    QList<qreal> rowValues() const;
    QBarSet *barSet() const { return m_set; }

    // The row under a point of the viewport (1-based), 0 for none.
    int rowAt(const QPoint &viewportPos) const;

signals:
    // A row was clicked; row is 1-based.
    void rowClicked(int row);
    // The pointer moved onto another row; 0 when it left the rows.
    void rowHovered(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void placeLabels();
    void reserveLabelSpace();
    void hover(int row);

    QBarSeries *m_series = nullptr;
    QBarCategoryAxis *m_xAxis = nullptr;
    QValueAxis *m_yAxis = nullptr;
    QBarSet *m_set = nullptr;
    QStringList m_labels;
    QList<QGraphicsSimpleTextItem *> m_labelItems;
    QGraphicsSimpleTextItem *m_rowTitle = nullptr;
    bool m_labelsVisible = true;
    int m_pressedRow = 0;
    int m_hoveredRow = 0;
};

// The line beside a chart naming the row under the pointer and its value, as
// `describe` words them ("Ball 7: drawn 3 times"); empty while the pointer is
// off the rows. It is as wide as `widest` from the start, so nothing moves
// as the pointer does.
class ChartHoverLine : public QLabel {
    Q_OBJECT
public:
    using Describe = std::function<QString(int row, int value)>;
    ChartHoverLine(BarChart *chart, Describe describe, const QString &widest, QWidget *parent = nullptr);
};

// "Ball 7: drawn 3 times"; "Ball 7: drawn once".
QString drawnTimesText(const QString &what, int times);

} // namespace ds
