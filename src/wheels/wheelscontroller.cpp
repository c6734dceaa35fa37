#include "wheels/wheelscontroller.h"

#include "wheels/wheels.h"
#include "wheels/wheelwindow.h"

namespace ds {

WheelsController::WheelsController(AppState &state, const Platform &platform, QWidget *window, QObject *parent)
    : QObject(parent), m_state(state), m_platform(platform), m_window(window)
{
}

WheelsController::~WheelsController() = default;

void WheelsController::newWheel(int guarantee)
{
    emit leaveMaintainMode();
    // A fresh window each time: its boxes start empty. The one closed before
    // is hidden and goes now.
    m_wheel = std::make_unique<WheelWindow>(wheels::wheelKind(guarantee), m_state, m_platform);
    connect(m_wheel.get(), &WheelWindow::wheelSaved, this, &WheelsController::wheelSaved);
    m_wheel->openOver(m_window, OpenerMode::Hide);
}

void WheelsController::openWheelFile(int guarantee)
{
    const wheels::WheelKind &kind = wheels::wheelKind(guarantee);
    const wheels::WheelFileOpen opened = wheels::openWheelFile(m_state.programFolder, m_state.countryCode, kind);
    if (opened.refusal == QLatin1String(wheels::MsgSelectCountry)) {
        m_platform.dialogs->message(opened.refusal);
        return;
    }
    emit leaveMaintainMode();
    if (!opened.refusal.isEmpty()) {
        m_platform.dialogs->message(opened.refusal);
        return;
    }
    emit wheelFileOpened(opened.path, opened.entries, QString::fromLatin1(kind.shownName));
}

} // namespace ds
