#pragma once

#include "platform/platform.h"

#include <QObject>
#include <functional>

namespace ds {

class EntryListView;
class WinningFrame;
struct AppState;

// The "Winning Selections" frame: checking the entries against the draw on
// display, and printing the winners.
class WinningController : public QObject {
    Q_OBJECT
public:
    // `drawOnDisplay` tells whether the main window shows a draw.
    WinningController(WinningFrame &frame, EntryListView &list, AppState &state,
                      const Platform &platform, std::function<bool()> drawOnDisplay, QObject *parent = nullptr);

    void check();
    void clear();
    void print();

private:
    WinningFrame &m_frame;
    EntryListView &m_list;
    AppState &m_state;
    Platform m_platform;
    std::function<bool()> m_drawOnDisplay;
};

} // namespace ds
