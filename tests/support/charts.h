#pragma once

// Reading a bar chart as the player sees it: where its rows are, what its texts say.

#include "widgets/barchart.h"

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QMouseEvent>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace dstest {

// The viewport point of a row's column, dy scene pixels below the plot area (negative: over the bars).
inline QPoint rowPoint(ds::BarChart *c, int row, qreal dy)
{
    const QRectF plot = c->chart()->plotArea();
    const qreal x = plot.left() + (row - 0.5) * plot.width() / c->rowCount();
    return c->mapFromScene(c->chart()->mapToScene(QPointF(x, plot.bottom() + dy)));
}

// The pointer moves over a row's bar, whichever window is on top.
inline void pointAt(ds::BarChart *c, int row)
{
    const QPoint pos = rowPoint(c, row, -2);
    QMouseEvent move(QEvent::MouseMove, pos, c->viewport()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(c->viewport(), &move);
}

// The row labels drawn under the plot area of a chart, left to right.
inline std::vector<QGraphicsSimpleTextItem *> drawnRowLabels(ds::BarChart *c)
{
    const qreal plotBottom = c->chart()->mapToScene(c->chart()->plotArea().bottomLeft()).y();
    std::vector<QGraphicsSimpleTextItem *> out;
    for (QGraphicsItem *item : c->scene()->items()) {
        auto *t = dynamic_cast<QGraphicsSimpleTextItem *>(item);
        bool number = false;
        if (t && t->isVisible() && (t->text().toInt(&number), number) && t->sceneBoundingRect().top() >= plotBottom)
            out.push_back(t);
    }
    std::sort(out.begin(), out.end(), [](auto *a, auto *b) { return a->scenePos().x() < b->scenePos().x(); });
    return out;
}

// Every text drawn on the chart (title, axis titles and labels, row labels).
inline QStringList drawnTexts(ds::BarChart *c)
{
    QStringList out;
    for (QGraphicsItem *item : c->scene()->items()) {
        if (!item->isVisible())
            continue;
        if (auto *t = dynamic_cast<QGraphicsSimpleTextItem *>(item); t && !t->text().isEmpty())
            out << t->text();
        else if (auto *r = dynamic_cast<QGraphicsTextItem *>(item); r && !r->toPlainText().isEmpty())
            out << r->toPlainText();
    }
    return out;
}

// The labels of the value axis, bottom to top.
inline QStringList valueLabels(ds::BarChart *c)
{
    std::vector<QGraphicsTextItem *> items;
    for (QGraphicsItem *item : c->scene()->items()) {
        auto *t = dynamic_cast<QGraphicsTextItem *>(item);
        bool number = false;
        if (t && t->isVisible() && (t->toPlainText().toInt(&number), number))
            items.push_back(t);
    }
    std::sort(items.begin(), items.end(), [](auto *a, auto *b) { return a->scenePos().y() > b->scenePos().y(); });
    QStringList out;
    for (QGraphicsTextItem *t : items)
        out << t->toPlainText();
    return out;
}

} // namespace dstest
