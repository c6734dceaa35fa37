#pragma once

#include "platform/childwindow.h"

#include <QObject>
#include <memory>

namespace ds {

class DrawNumbersFrame;
class MainWindow;

// The second draw dialog: the numbers of the Irish second draw of the date
// on display.
class SecondDrawDialog : public ChildWindow {
    Q_OBJECT
public:
    explicit SecondDrawDialog(MainWindow &main);
    void closeWindow() override; // also Esc and the title-bar close

private:
    void onOk();
    void onCancel();

    MainWindow &m_main;
    DrawNumbersFrame *m_frame;
};

// The "Second Draw" and "Delete" buttons of the "Result of Draw" frame.
class SecondDrawController : public QObject {
    Q_OBJECT
public:
    explicit SecondDrawController(MainWindow &main);
    ~SecondDrawController() override;

    void secondDraw();
    void deleteDraw();
    SecondDrawDialog *dialog() const { return m_dialog.get(); }

private:
    MainWindow &m_main;
    std::unique_ptr<SecondDrawDialog> m_dialog;
};

} // namespace ds
