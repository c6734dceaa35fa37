#include "widgets/listwindow.h"

#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace ds {

ListWindow::ListWindow(const char *objectName, const char *listName, const char *closeName)
{
    setObjectName(QString::fromLatin1(objectName));
    m_list = named(new QListWidget, listName);
    m_list->setFont(fixedPitchFont());
    m_list->setMinimumSize(420, 360);
    m_count = named(new QLabel, "LabelCount");
    auto *close = button(closeName, QStringLiteral("Close"));

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_list, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_count);
    bottom->addStretch();
    bottom->addWidget(close);
    lay->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void ListWindow::setLines(const QStringList &lines, const QString &countText)
{
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_list->addItems(lines);
    m_list->setUpdatesEnabled(true);
    m_list->scrollToBottom();
    if (m_list->count() > 0)
        m_list->setCurrentRow(m_list->count() - 1, QItemSelectionModel::NoUpdate);
    m_count->setText(countText);
}

QStringList ListWindow::lines() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

} // namespace ds
