#include "widgets/barchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>
#include <algorithm>

namespace ds {

BarChart::BarChart(QWidget *parent) : QChartView(new QChart, parent)
{
    QChart *c = chart();
    c->legend()->hide();
    c->setAnimationOptions(QChart::NoAnimation);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 200);

    // One series and one pair of axes for the life of the chart; setRows
    // replaces the bars and the labels.
    m_series = new QBarSeries;
    m_series->setBarWidth(0.8);
    c->addSeries(m_series);
    m_xAxis = new QBarCategoryAxis;
    m_xAxis->setTruncateLabels(false);
    c->addAxis(m_xAxis, Qt::AlignBottom);
    m_series->attachAxis(m_xAxis);
    m_yAxis = new QValueAxis;
    m_yAxis->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(m_yAxis, Qt::AlignLeft);
    m_series->attachAxis(m_yAxis);

    connect(m_series, &QBarSeries::clicked, this, [this](int index, QBarSet *) { emit rowClicked(index + 1); });
}

void BarChart::setTitle(const QString &title)
{
    chart()->setTitle(title);
}

QString BarChart::title() const
{
    return chart()->title();
}

void BarChart::setRows(const QStringList &labels, const QList<qreal> &values, const QColor &colour)
{
    m_series->clear(); // deletes the old bar set
    m_set = nullptr;
    m_labels = labels;

    m_xAxis->clear();
    m_xAxis->append(labels);
    QFont f = m_xAxis->labelsFont();
    f.setPointSize(labels.size() > 12 ? 7 : 9);
    m_xAxis->setLabelsFont(f);

    qreal top = 1;
    for (qreal v : values)
        top = std::max(top, v);
    m_yAxis->setRange(0, top);
    if (top > 1) {
        m_yAxis->setTickCount(5);
        m_yAxis->applyNiceNumbers();
    } else {
        m_yAxis->setTickCount(2);
    }

    auto *set = new QBarSet(QString());
    set->append(values);
    set->setColor(colour);
    set->setBorderColor(colour.darker(130));
    m_series->append(set);
    m_set = set;
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
    m_xAxis->setLabelsVisible(visible);
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

} // namespace ds
