#pragma once

#include <QColor>
#include <QWidget>

namespace ds {

// A filled ball of the "Result of Draw" frame.
class BallShape : public QWidget {
    Q_OBJECT
public:
    explicit BallShape(QWidget *parent = nullptr);
    QColor fillColour() const { return m_fill; }
    void setFillColour(const QColor &c);
    QSize sizeHint() const override { return {40, 40}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_fill = Qt::white;
};

} // namespace ds
