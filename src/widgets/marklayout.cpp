#include "widgets/marklayout.h"

#include <QFrame>

namespace ds {

namespace {

constexpr int TwipsPerPixel = 15;

} // namespace

MarkLayout::MarkLayout(const char *objectName, int firstIndex, int lastIndex, int widthTwips, int heightTwips)
    : m_first(firstIndex), m_widthTwips(widthTwips), m_heightTwips(heightTwips)
{
    setObjectName(QString::fromLatin1(objectName));
    setFixedSize(widthTwips / TwipsPerPixel, heightTwips / TwipsPerPixel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    for (int i = firstIndex; i <= lastIndex; ++i) {
        auto *shape = new QFrame(this);
        shape->setObjectName(QStringLiteral("Shape1"));
        shape->setProperty("Index", i);
        shape->setAutoFillBackground(true);
        QPalette p = shape->palette();
        p.setColor(QPalette::Window, Qt::black);
        shape->setPalette(p);
        shape->setFixedSize(TicketMarkWidth / TwipsPerPixel, TicketMarkHeight / TwipsPerPixel);
        shape->hide();
        Slot slot;
        slot.shape = shape;
        slot.mark.index = i;
        m_slots.push_back(slot);
    }
}

void MarkLayout::hideAll()
{
    for (Slot &s : m_slots)
        s.shape->hide();
}

void MarkLayout::place(const TicketMark &mark)
{
    const qsizetype k = qsizetype(mark.index) - m_first;
    if (k < 0 || k >= qsizetype(m_slots.size()))
        return;
    Slot &s = m_slots[size_t(k)];
    s.mark = mark;
    s.shape->move(mark.left / TwipsPerPixel, mark.top / TwipsPerPixel);
    s.shape->show();
}

void MarkLayout::place(const std::vector<TicketMark> &marks)
{
    for (const TicketMark &m : marks)
        place(m);
}

std::vector<TicketMark> MarkLayout::placedMarks() const
{
    std::vector<TicketMark> out;
    for (const Slot &s : m_slots)
        if (!s.shape->isHidden())
            out.push_back(s.mark);
    return out;
}

std::vector<PageMark> MarkLayout::visibleMarks() const
{
    std::vector<PageMark> out;
    for (const TicketMark &m : placedMarks())
        out.push_back({m.left, m.top, TicketMarkWidth, TicketMarkHeight});
    return out;
}

MarkPages MarkLayout::emptyJob() const
{
    MarkPages job;
    job.widthTwips = m_widthTwips + TicketMarkWidth;
    job.heightTwips = m_heightTwips + TicketMarkHeight;
    return job;
}

QFrame *MarkLayout::mark(int index) const
{
    const qsizetype k = qsizetype(index) - m_first;
    return k >= 0 && k < qsizetype(m_slots.size()) ? m_slots[size_t(k)].shape : nullptr;
}

} // namespace ds
