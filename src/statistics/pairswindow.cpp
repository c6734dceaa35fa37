#include "statistics/pairswindow.h"

#include "statistics/statisticscontroller.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ds {

PairsWindow::PairsWindow(StatisticsController &ctl) : m_ctl(ctl)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Pairs"));
    m_combo = new QComboBox;
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setToolTip(QStringLiteral("Select the pair to display the number of times drawn."));
    m_combo->setMinimumWidth(90);
    m_count = new QLineEdit;
    m_count->setObjectName(QStringLiteral("Text4"));
    m_count->setToolTip(QStringLiteral("Number of times pair drawn."));
    makeReadOnly(m_count);
    m_count->setFixedWidth(70);
    auto *times = new QLabel(QStringLiteral("Times"));
    times->setObjectName(QStringLiteral("Label1"));
    auto *close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("Command8"));
    close->setToolTip(QStringLiteral("Closes this form."));
    close->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_combo, 0, 0);
    grid->addWidget(m_count, 0, 1);
    grid->addWidget(times, 0, 2);
    grid->addWidget(close, 1, 0, 1, 3);

    connect(m_combo, &QComboBox::currentIndexChanged, this, &PairsWindow::showCount);
    connect(m_combo, &QComboBox::activated, this, &PairsWindow::showCount);
    connect(close, &QPushButton::clicked, this, &PairsWindow::closeWindow);
}

void PairsWindow::load(int row)
{
    const QSignalBlocker block(m_combo);
    m_combo->clear();
    const int last = m_ctl.ballLimit() - 1;
    for (int n = 1; n <= last; ++n)
        m_combo->addItem(QStringLiteral("%1-%2").arg(n).arg(n + 1));
    const int index = row >= 1 && row <= last ? row - 1 : 0;
    m_combo->setCurrentIndex(index);
    showCount(index);
}

void PairsWindow::showCount(int index)
{
    // Entry i holds the pair whose lower number is i + 1.
    const int n = index + 1;
    if (index < 0 || n > MaxBall || n > m_ctl.ballLimit() - 1)
        return;
    m_count->setText(QString::number(m_ctl.pairCounts()[static_cast<size_t>(n)]));
}

void PairsWindow::clearList()
{
    const QSignalBlocker block(m_combo);
    m_combo->clear();
}

void PairsWindow::closeWindow()
{
    m_ctl.closePairs();
}

} // namespace ds
