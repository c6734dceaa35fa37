#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QPointer>

namespace ds {

// What becomes of the window a child window is opened over while the child
// is open: it accepts no input, being disabled, hidden or minimised.
enum class OpenerMode { Disable, Hide, Minimise };

// Brings a window to the front, enabled and shown (restored if minimised).
void bringToFront(QWidget *window);

// A window opened over another one. There is one way in, openOver(), and one
// way back, giveBack(): Esc and the title-bar close both take the window's own
// Close or Cancel path (closeWindow()), which ends in giveBack(), so whatever
// the window was opened over is given back however it is closed. Child
// windows have no parent widget: a disabled parent would disable them too.
class ChildWindow : public QDialog {
    Q_OBJECT
public:
    ChildWindow() : QDialog(nullptr) {}

    // Shows the window over `opener` (none: over nothing), raised and active.
    void openOver(QWidget *opener, OpenerMode mode);

    // The window's Close or Cancel path; windows with work to do on closing
    // override it and end in giveBack().
    virtual void closeWindow() { giveBack(); }

    void reject() override { closeWindow(); }

    QWidget *opener() const { return m_opener; }

    // Hides the window and gives the opener back as it was before.
    void giveBack();

signals:
    // The window has closed and its opener is back.
    void givenBack();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<QWidget> m_opener;
};

} // namespace ds
