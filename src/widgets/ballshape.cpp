#include "widgets/ballshape.h"

#include <QPainter>

namespace ds {

BallShape::BallShape(QWidget *parent) : QWidget(parent)
{
    setFixedSize(40, 40);
}

void BallShape::setFillColour(const QColor &c)
{
    m_fill = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
    update();
}

void BallShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_fill);
    p.drawEllipse(rect().adjusted(1, 1, -2, -2));
}

} // namespace ds
