#include "lotto/drawframe.h"

#include "core/appstate.h"
#include "core/drawhistory.h"
#include "widgets/ballrow.h"
#include "widgets/controls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QDate>
#include <QLabel>
#include <QLineEdit>

namespace ds {

DrawFrame::DrawFrame(AppState &state, QWidget *parent)
    : QGroupBox(QStringLiteral("Result of Draw"), parent), m_state(state)
{
    setObjectName(QStringLiteral("Frame1"));
    setToolTip(QStringLiteral("Displays the draw date and balls drawn."));
    auto *lay = new QGridLayout(this);
    auto *label = named(new QLabel(QStringLiteral("Date")), "Label1");
    m_date = readOnlyBox("Text1", 110);
    m_date->setPlaceholderText(QStringLiteral("Press Change to choose a draw"));
    m_date->setMinimumWidth(200);
    m_date->setMaximumWidth(QWIDGETSIZE_MAX);
    m_drawOfTwo = named(new QLabel, "LabelDrawOfTwo");
    m_drawOfTwo->hide();
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(label);
    dateRow->addWidget(m_date);
    dateRow->addWidget(m_drawOfTwo);
    dateRow->addStretch();
    lay->addLayout(dateRow, 0, 0);

    BallRowNames names;
    names.extraCaption = QStringLiteral("Bonus");
    m_balls = new BallRow(7, names);
    lay->addWidget(m_balls, 1, 0);

    m_change = button("Command1", QStringLiteral("Change"),
                      QStringLiteral("Use this to change the date of the draw using the calendar."));
    m_delete = button("Command6", QStringLiteral("Delete"),
                      QStringLiteral("Use this to delete the draw numbers for the displayed date from the draw history file."));
    m_second = button("Command14", QStringLiteral("Second Draw"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_change);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_second);
    buttons->addStretch();
    lay->addLayout(buttons, 2, 0);

    connect(m_date, &QLineEdit::textChanged, this,
            [this](const QString &text) { emit dateChanged(QDate::fromString(text, QStringLiteral("d/M/yyyy"))); });
    connect(m_change, &QPushButton::clicked, this, &DrawFrame::changeClicked);
    connect(m_delete, &QPushButton::clicked, this, &DrawFrame::deleteClicked);
    connect(m_second, &QPushButton::clicked, this, &DrawFrame::secondDrawClicked);
}

void DrawFrame::showDraw(const Draw &draw)
{
    for (int k = 1; k <= 7; ++k) {
        const qint16 value = k <= 6 ? draw.main[static_cast<size_t>(k - 1)] : draw.bonus;
        m_state.displayedDraw[static_cast<size_t>(k - 1)] = value;
        m_balls->setBall(k, value);
    }
    m_balls->showBalls();
    m_balls->showNumbers();
}

void DrawFrame::setDateText(const QString &text)
{
    m_date->setText(text);
}

QString DrawFrame::dateText() const
{
    return m_date->text();
}

bool DrawFrame::hasDate() const
{
    return !m_date->text().isEmpty();
}

void DrawFrame::hideBalls()
{
    m_balls->hideBalls();
}

void DrawFrame::hideNumbers()
{
    m_balls->hideNumbers();
}

void DrawFrame::clearBallCaptions()
{
    m_balls->clearNumbers();
}

void DrawFrame::clearDraw()
{
    m_date->clear();
    m_balls->hideBalls();
    m_balls->hideNumbers();
    hideDrawOfTwo();
    m_second->setVisible(m_secondAlways);
}

void DrawFrame::setSecondDrawOffered(bool always, const QString &caption)
{
    m_secondAlways = always;
    m_second->setText(caption);
    m_second->setVisible(always);
    if (!always)
        hideDrawOfTwo();
}

void DrawFrame::setDateRule(const DrawsPerDate &rule)
{
    if (rule.secondButton != nullptr)
        m_second->setText(QString::fromLatin1(rule.secondButton));
    m_second->setVisible(m_secondAlways || rule.draws > 1);
}

void DrawFrame::setDrawOfTwo(int drawNumber, const DrawsPerDate &rule)
{
    setDateRule(rule);
    const char *label = drawNumber == 1 ? rule.firstLabel : drawNumber == 2 ? rule.secondLabel : nullptr;
    if (label == nullptr || rule.draws < 2) {
        hideDrawOfTwo();
        return;
    }
    m_drawOfTwo->setText(QString::fromLatin1(label));
    m_drawOfTwo->show();
}

void DrawFrame::hideDrawOfTwo()
{
    m_drawOfTwo->clear();
    m_drawOfTwo->hide();
}

} // namespace ds
