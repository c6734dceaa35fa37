#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QStringList>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

namespace ds {

// The bar chart of the statistics windows: rows of a label and a value, a
// title, one colour, and a click that reports the clicked row.
class BarChart : public QChartView {
    Q_OBJECT
public:
    explicit BarChart(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const;

    // Replaces the rows. Row r (1-based) is labels[r - 1] valued values[r - 1].
    void setRows(const QStringList &labels, const QList<qreal> &values, const QColor &colour);
    // Draws one row in a colour of its own (rows are 1-based).
    void setRowColour(int row, const QColor &colour);
    void setCategoryLabelsVisible(bool visible);

    int rowCount() const;
    QStringList rowLabels() const;
    QList<qreal> rowValues() const;
    QBarSet *barSet() const { return m_set; }

signals:
    // A bar was clicked; row is 1-based.
    void rowClicked(int row);

private:
    QBarSeries *m_series = nullptr;
    QBarCategoryAxis *m_xAxis = nullptr;
    QValueAxis *m_yAxis = nullptr;
    QBarSet *m_set = nullptr;
    QStringList m_labels;
};

} // namespace ds
