#pragma once

#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QObject>
#include <memory>

namespace ds {

class DrawFrame;
class DrawNumbersFrame;
class WinningFrame;
struct AppState;

// The second draw dialog: the numbers of the Irish second draw of the date
// on display.
class SecondDrawDialog : public ChildWindow {
    Q_OBJECT
public:
    SecondDrawDialog(AppState &state, const Platform &platform, DrawFrame &draw, WinningFrame &winning);
    void closeWindow() override; // also Esc and the title-bar close

private:
    void onOk();
    void onCancel();

    AppState &m_state;
    Platform m_platform;
    DrawFrame &m_draw;
    WinningFrame &m_winning;
    DrawNumbersFrame *m_frame;
};

// The "Second Draw" and "Delete" buttons of the "Result of Draw" frame.
class SecondDrawController : public QObject {
    Q_OBJECT
public:
    SecondDrawController(DrawFrame &draw, WinningFrame &winning, AppState &state, const Platform &platform,
                         QWidget *window, QObject *parent = nullptr);
    ~SecondDrawController() override;

    void secondDraw();
    void deleteDraw();

private:
    DrawFrame &m_draw;
    WinningFrame &m_winning;
    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    std::unique_ptr<SecondDrawDialog> m_dialog;
};

} // namespace ds
