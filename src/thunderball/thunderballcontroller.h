#pragma once

#include "platform/platform.h"

#include <QObject>
#include <memory>

class QWidget;

namespace ds {

struct AppState;
class ThunderballWindow;

// The Country menu's "Thunderball": the Thunderball window over the main
// window, which stays minimised until the Thunderball window closes.
class ThunderballController : public QObject {
    Q_OBJECT
public:
    ThunderballController(AppState &state, const Platform &platform, QWidget *window);
    ~ThunderballController() override;

    void open();

    // Null until first opened.
    ThunderballWindow *thunderballWindow() const { return m_thunderball.get(); }

signals:
    // The Thunderball window's "Download Results".
    void downloadRequested();
    // Its "Update Results" and "Export Results...".
    void updateRequested();
    void exportRequested();

private:
    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    std::unique_ptr<ThunderballWindow> m_thunderball;
};

} // namespace ds
