#pragma once

#include "core/appstate.h"
#include "core/entryfile.h"
#include "platform/platform.h"

#include <QObject>
#include <memory>
#include <vector>

class QWidget;

namespace ds {

class WheelWindow;

// The Wheels menu: "New" opens the wheel window of a guarantee over the main
// window, "Open Wheeling File" hands the country's wheel file to the
// selections list. It talks back to the main window with signals only.
class WheelsController : public QObject {
    Q_OBJECT
public:
    WheelsController(AppState &state, const Platform &platform, QWidget *window, QObject *parent = nullptr);
    ~WheelsController() override;

    // "New" of the submenu of a guarantee (6, 5, 4 or 3).
    void newWheel(int guarantee);
    // "Open Wheeling File" of the submenu of a guarantee.
    void openWheelFile(int guarantee);


signals:
    // The main window leaves maintain mode ("Delete Selected Entry" hidden,
    // "Change" and "Maintain" enabled, "Maintain Entries" hidden).
    void leaveMaintainMode();
    // A wheel was saved: the selections list no longer shows a file.
    void wheelSaved();
    // A wheel file was opened: it becomes the current entry file, shown under
    // the wheel's name; the winning list is cleared.
    void wheelFileOpened(const QString &path, const std::vector<ds::Entry> &entries, const QString &name);

private:
    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    std::unique_ptr<WheelWindow> m_wheel;
};

} // namespace ds
