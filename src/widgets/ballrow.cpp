#include "widgets/ballrow.h"

#include "core/balls.h"
#include "core/numbers.h"
#include "widgets/ballshape.h"

#include <QHBoxLayout>
#include <QLabel>

namespace ds {

BallRow::BallRow(int balls, const BallRowNames &names, QWidget *parent) : QWidget(parent)
{
    auto *lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < balls; ++k) {
        auto *holder = new QWidget;
        holder->setFixedSize(40, 40);
        auto *shape = new BallShape(holder);
        shape->setObjectName(QString::fromLatin1(names.shapePrefix) + QString::number(names.firstShape + k));
        auto *label = new QLabel(holder);
        const int labelNumber = k == balls - 1 && names.lastLabel > 0 ? names.lastLabel : names.firstLabel + k;
        label->setObjectName(QString::fromLatin1(names.labelPrefix) + QString::number(labelNumber));
        label->setGeometry(0, 0, 40, 40);
        label->setAlignment(Qt::AlignCenter);
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        label->raise();
        m_shapes.push_back(shape);
        m_labels.push_back(label);
        if (k == balls - 1 && !names.extraCaption.isEmpty()) {
            auto *caption = new QLabel(names.extraCaption);
            caption->setObjectName(QString::fromLatin1(names.extraCaptionName));
            lay->addSpacing(8);
            lay->addWidget(caption);
        }
        lay->addWidget(holder);
    }
    lay->addStretch();
}

void BallRow::setBall(int position, int number)
{
    if (position < 1 || position > count())
        return;
    const auto i = static_cast<size_t>(position - 1);
    const BallColours c = ballColours(number);
    m_shapes[i]->setFillColour(QColor::fromRgb(c.fill));
    QLabel *label = m_labels[i];
    label->setText(ballCaption(number));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor::fromRgb(c.text));
    label->setPalette(p);
}

void BallRow::showBalls()
{
    for (BallShape *s : m_shapes)
        s->show();
}

void BallRow::hideBalls()
{
    for (BallShape *s : m_shapes)
        s->hide();
}

void BallRow::showNumbers()
{
    for (QLabel *l : m_labels)
        l->show();
}

void BallRow::hideNumbers()
{
    for (QLabel *l : m_labels)
        l->hide();
}

void BallRow::clearNumbers()
{
    for (QLabel *l : m_labels)
        l->clear();
}

QString BallRow::number(int position) const
{
    if (position < 1 || position > count())
        return {};
    return m_labels[static_cast<size_t>(position - 1)]->text();
}

bool BallRow::ballsShown() const
{
    return !m_shapes.empty() && !m_shapes.front()->isHidden();
}

} // namespace ds
