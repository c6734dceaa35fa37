#pragma once

#include "core/appstate.h"
#include "platform/platform.h"

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace ds {

class RangeCheckWindow;
class EntryListView;
class WinningFrame;

// The five menu entries that check an entry file (the standing entry or a
// wheel file) against previous draws: they empty the main window, read the
// file and open the "Entry Check Against Previous Draws" window over it.
class RangeCheckController : public QObject {
    Q_OBJECT
public:
    RangeCheckController(EntryListView &list, WinningFrame &winning, AppState &state,
                         const Platform &platform, QWidget *window, QObject *parent = nullptr);
    ~RangeCheckController() override;

    // The menu entry by its name: "mnucheck", "mnu3check", "mnu4check",
    // "mnu5check" or "mnuWheelCheck".
    void start(const QString &menu);


signals:
    // The main window empties its draw display.
    void drawDisplayCleared();

private:
    EntryListView &m_list;
    WinningFrame &m_winning;
    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    std::unique_ptr<RangeCheckWindow> m_check;
};

} // namespace ds
