#include "thunderball/thunderballcontroller.h"

#include "core/appstate.h"
#include "thunderball/thunderwindow.h"

namespace ds {

ThunderballController::ThunderballController(AppState &state, const Platform &platform, QWidget *window)
    : m_state(state), m_platform(platform), m_window(window)
{
}

ThunderballController::~ThunderballController() = default;

void ThunderballController::open()
{
    if (!m_thunderball) {
        m_thunderball = std::make_unique<ThunderballWindow>(m_state.programFolder, m_platform);
        connect(m_thunderball.get(), &ThunderballWindow::downloadRequested, this,
                &ThunderballController::downloadRequested);
        connect(m_thunderball.get(), &ThunderballWindow::updateRequested, this,
                &ThunderballController::updateRequested);
        connect(m_thunderball.get(), &ThunderballWindow::exportRequested, this,
                &ThunderballController::exportRequested);
    }
    m_thunderball->openFrom(m_window);
}

} // namespace ds
