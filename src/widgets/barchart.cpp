#include "widgets/barchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace ds {

namespace {

// Space under the plot area: the axis ticks, then the row labels, then the
// row axis title.
constexpr qreal TickSpace = 6;
constexpr qreal LabelGap = 6; // least room between two drawn labels
constexpr int MostValueSteps = 5;

} // namespace

ValueScale valueScale(qreal largest)
{
    const qreal needed = std::max<qreal>(1, std::ceil(largest));
    for (qint64 power = 1;; power *= 10) {
        for (const qint64 m : {1, 2, 5}) {
            const qint64 step = m * power;
            const auto steps = static_cast<qint64>(std::ceil(needed / static_cast<qreal>(step)));
            if (steps <= MostValueSteps)
                return {static_cast<qreal>(steps * step), static_cast<int>(steps) + 1};
        }
    }
}

BarChart::BarChart(QWidget *parent) : QChartView(new QChart, parent)
{
    QChart *c = chart();
    c->legend()->hide();
    c->setAnimationOptions(QChart::NoAnimation);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 200);
    setMouseTracking(true);

    // One series and one pair of axes for the life of the chart; setRows
    // replaces the bars and the labels.
    m_series = new QBarSeries;
    m_series->setBarWidth(0.8);
    c->addSeries(m_series);
    m_xAxis = new QBarCategoryAxis;
    // The row labels and the row axis title are drawn by the chart itself
    // (placeLabels), in the space reserved under the axis.
    m_xAxis->setLabelsVisible(false);
    m_xAxis->setTitleVisible(false);
    c->addAxis(m_xAxis, Qt::AlignBottom);
    m_series->attachAxis(m_xAxis);
    m_yAxis = new QValueAxis;
    m_yAxis->setLabelFormat(QStringLiteral("%d"));
    // A count is read whole or not at all: never cut to "...".
    m_yAxis->setTruncateLabels(false);
    c->addAxis(m_yAxis, Qt::AlignLeft);
    m_series->attachAxis(m_yAxis);

    m_rowTitle = new QGraphicsSimpleTextItem(c);
    m_rowTitle->setZValue(10);
    connect(c, &QChart::plotAreaChanged, this, [this] { placeLabels(); });
    reserveLabelSpace();
}

void BarChart::setTitle(const QString &title)
{
    chart()->setTitle(title);
}

QString BarChart::title() const
{
    return chart()->title();
}

void BarChart::setAxisTitles(const QString &rows, const QString &values)
{
    m_xAxis->setTitleText(rows);
    m_rowTitle->setText(rows);
    m_yAxis->setTitleText(values);
    reserveLabelSpace();
    placeLabels();
}

void BarChart::reserveLabelSpace()
{
    const QFontMetricsF fm(font());
    qreal below = 4;
    if (m_labelsVisible)
        below += fm.height() + 2;
    if (!m_rowTitle->text().isEmpty())
        below += fm.height() + 2;
    QMargins m = chart()->margins();
    m.setBottom(static_cast<int>(std::ceil(below)));
    chart()->setMargins(m);
}

void BarChart::setRows(const QStringList &labels, const QList<qreal> &values, const QColor &colour)
{
    m_series->clear(); // deletes the old bar set
    m_set = nullptr;
    m_labels = labels;

    m_xAxis->clear();
    m_xAxis->append(labels);

    qreal top = 1;
    for (qreal v : values)
        top = std::max(top, v);
    // Whole-number ticks, each label a different count.
    const ValueScale scale = valueScale(top);
    m_yAxis->setRange(0, scale.top);
    m_yAxis->setTickCount(scale.ticks);

    auto *set = new QBarSet(QString());
    set->append(values);
    set->setColor(colour);
    set->setBorderColor(colour.darker(130));
    m_series->append(set);
    m_set = set;

    qDeleteAll(m_labelItems);
    m_labelItems.clear();
    for (const QString &label : labels) {
        auto *item = new QGraphicsSimpleTextItem(label.trimmed(), chart());
        item->setFont(font());
        item->setZValue(10);
        m_labelItems << item;
    }
    placeLabels();
    hover(0);
}

void BarChart::placeLabels()
{
    const QRectF plot = chart()->plotArea();
    const int n = static_cast<int>(m_labelItems.size());
    const QFontMetricsF fm(font());
    const qreal labelTop = plot.bottom() + TickSpace;

    m_rowTitle->setFont(font());
    m_rowTitle->setPos(plot.center().x() - m_rowTitle->boundingRect().width() / 2,
                       labelTop + (m_labelsVisible ? fm.height() + 2 : 0));
    if (n == 0)
        return;

    const qreal column = plot.width() / n;
    qreal widest = 0;
    for (const QGraphicsSimpleTextItem *item : m_labelItems)
        widest = std::max(widest, item->boundingRect().width());
    // Every step-th label, the step as small as keeps labels apart.
    int step = 1;
    while (step < n && step * column < widest + LabelGap)
        ++step;

    std::vector<bool> shown(static_cast<size_t>(n), false);
    int lastShown = 0;
    for (int i = 0; i < n; i += step) {
        shown[static_cast<size_t>(i)] = true;
        lastShown = i;
    }
    // The last row always carries its label; one that would touch it gives way.
    if (lastShown != n - 1) {
        if (lastShown > 0 && (n - 1 - lastShown) * column < widest + LabelGap)
            shown[static_cast<size_t>(lastShown)] = false;
        shown[static_cast<size_t>(n - 1)] = true;
    }

    for (int i = 0; i < n; ++i) {
        QGraphicsSimpleTextItem *item = m_labelItems[i];
        const qreal centre = plot.left() + (i + 0.5) * column;
        item->setPos(centre - item->boundingRect().width() / 2, labelTop);
        item->setVisible(m_labelsVisible && shown[static_cast<size_t>(i)]);
    }
}

void BarChart::setRowColour(int row, const QColor &colour)
{
    if (!m_set || row < 1 || row > m_set->count())
        return;
    // The selection colour gives a single bar a colour of its own.
    m_set->setSelectedColor(colour);
    m_set->selectBar(row - 1);
}

void BarChart::setCategoryLabelsVisible(bool visible)
{
    m_labelsVisible = visible;
    reserveLabelSpace();
    placeLabels();
}

int BarChart::rowCount() const
{
    return m_set ? m_set->count() : 0;
}

QStringList BarChart::rowLabels() const
{
    return m_set ? m_labels : QStringList{};
}

QList<qreal> BarChart::rowValues() const
{
    QList<qreal> out;
    for (int i = 0; i < rowCount(); ++i)
        out << m_set->at(i);
    return out;
}

int BarChart::rowAt(const QPoint &viewportPos) const
{
    const int n = rowCount();
    if (n == 0)
        return 0;
    const QPointF p = chart()->mapFromScene(mapToScene(viewportPos));
    const QRectF plot = chart()->plotArea();
    // The column of a row runs from the top of the plot area down through
    // its label.
    const qreal bottom = plot.bottom() + TickSpace + (m_labelsVisible ? QFontMetricsF(font()).height() + 2 : 0);
    if (p.x() < plot.left() || p.x() >= plot.right() || p.y() < plot.top() || p.y() > bottom)
        return 0;
    const int row = static_cast<int>((p.x() - plot.left()) / (plot.width() / n)) + 1;
    return std::clamp(row, 1, n);
}

void BarChart::mousePressEvent(QMouseEvent *event)
{
    m_pressedRow = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : 0;
    QChartView::mousePressEvent(event);
}

void BarChart::mouseReleaseEvent(QMouseEvent *event)
{
    const int pressed = m_pressedRow;
    m_pressedRow = 0;
    QChartView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && pressed > 0 && rowAt(event->position().toPoint()) == pressed)
        emit rowClicked(pressed);
}

void BarChart::mouseMoveEvent(QMouseEvent *event)
{
    QChartView::mouseMoveEvent(event);
    hover(rowAt(event->position().toPoint()));
}

void BarChart::leaveEvent(QEvent *event)
{
    QChartView::leaveEvent(event);
    hover(0);
}

void BarChart::hover(int row)
{
    if (row == m_hoveredRow)
        return;
    m_hoveredRow = row;
    emit rowHovered(row);
}

ChartHoverLine::ChartHoverLine(BarChart *chart, Describe describe, const QString &widest, QWidget *parent)
    : QLabel(parent)
{
    setMinimumWidth(fontMetrics().horizontalAdvance(widest));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(chart, &BarChart::rowHovered, this, [this, chart, describe = std::move(describe)](int row) {
        const QList<qreal> values = chart->rowValues();
        if (row < 1 || row > values.size()) {
            clear();
            return;
        }
        setText(describe(row, static_cast<int>(values[row - 1])));
    });
}

QString drawnTimesText(const QString &what, int times)
{
    return times == 1 ? QStringLiteral("%1: drawn once").arg(what)
                      : QStringLiteral("%1: drawn %2 times").arg(what).arg(times);
}

} // namespace ds
