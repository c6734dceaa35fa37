#pragma once

#include "widgets/childwindow.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace ds {

// A window that shows a list of fixed-pitch lines (a draw history) with a
// count under it and a Close button. It shows whatever it is given; the
// window's name, caption and close button's name come from its opener.
class ListWindow : public ChildWindow {
    Q_OBJECT
public:
    ListWindow(const char *objectName, const char *listName, const char *closeName);

    // Shows the lines, scrolled to the last one, and the count text under them.
    void setLines(const QStringList &lines, const QString &countText);
    QStringList lines() const;

private:
    QListWidget *m_list;
    QLabel *m_count;
};

} // namespace ds
