#include "widgets/childwindow.h"

namespace ds {

void bringToFront(QWidget *window)
{
    if (!window)
        return;
    window->setEnabled(true);
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

void ChildWindow::openOver(QWidget *opener, OpenerMode mode)
{
    m_opener = opener;
    if (opener) {
        switch (mode) {
        case OpenerMode::Disable:
            opener->setEnabled(false);
            break;
        case OpenerMode::Hide:
            opener->hide();
            break;
        case OpenerMode::Minimise:
            opener->showMinimized();
            break;
        }
    }
    bringToFront(this);
}

void ChildWindow::giveBack()
{
    hide();
    if (m_opener)
        bringToFront(m_opener);
    emit givenBack();
}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (isVisible())
        closeWindow();
}

} // namespace ds
