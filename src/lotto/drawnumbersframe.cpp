#include "lotto/drawnumbersframe.h"

#include "core/drawentry.h"
#include "platform/dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/controls.h"

namespace ds {

void refuseDrawEntry(Dialogs &dialogs, const DrawEntry &entry)
{
    if (entry.informative.isEmpty())
        dialogs.message(entry.refusal);
    else
        dialogs.messageExplained(entry.refusal, entry.informative);
}

DrawNumbersFrame::DrawNumbersFrame(QWidget *parent)
    : QGroupBox(QStringLiteral("Enter Draw Numbers"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(this);
    for (int k = 0; k < 7; ++k) {
        auto *b = new QLineEdit;
        b->setObjectName(QStringLiteral("Text%1").arg(k + 1));
        b->setFixedWidth(40);
        m_boxes[static_cast<size_t>(k)] = b;
    }
    for (int k = 0; k < 6; ++k)
        grid->addWidget(m_boxes[static_cast<size_t>(k)], 0, k);
    auto *bonus = new QLabel(QStringLiteral("Bonus"));
    bonus->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(bonus, 0, 6);
    grid->addWidget(m_boxes[6], 0, 7);
    m_ok = button("Command1", QStringLiteral("OK"),
                  QStringLiteral("Use this to add the draw results to the draw history file."));
    m_cancel = button("Command3", QStringLiteral("Cancel"), QStringLiteral("Cancels the operation."));
    grid->addWidget(m_ok, 1, 0, 1, 3);
    grid->addWidget(m_cancel, 1, 3, 1, 3);
}

QStringList DrawNumbersFrame::texts() const
{
    QStringList out;
    for (QLineEdit *b : m_boxes)
        out << b->text();
    return out;
}

void DrawNumbersFrame::emptyBoxes()
{
    for (QLineEdit *b : m_boxes)
        b->clear();
}

} // namespace ds
