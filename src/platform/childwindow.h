#pragma once

#include <QCloseEvent>
#include <QDialog>

namespace ds {

// A window opened over another one (which is disabled or hidden meanwhile).
// Esc and the title-bar close both take the window's own Close or Cancel
// path, so that whatever it was opened over is given back however it is
// closed. Child windows have no parent widget: a disabled parent would
// disable them too.
class ChildWindow : public QDialog {
    Q_OBJECT
public:
    ChildWindow() : QDialog(nullptr) {}

    // The window's Close or Cancel path.
    virtual void closeWindow() = 0;

    void reject() override { closeWindow(); }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        if (isVisible())
            closeWindow();
    }
};

} // namespace ds
