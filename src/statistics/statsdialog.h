#pragma once

#include <QCloseEvent>
#include <QDialog>

namespace ds {

// A window of the statistics family. Esc and the title-bar close both take
// the window's own Close path, so that whatever it was opened over is given
// back however it is closed.
class StatsDialog : public QDialog {
    Q_OBJECT
public:
    StatsDialog() : QDialog(nullptr) {}

    // The "Close" button's path.
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
