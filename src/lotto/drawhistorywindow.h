#pragma once

#include "platform/platform.h"

#include <QObject>
#include <functional>
#include <memory>

namespace ds {

class DrawHistory;
class ListWindow;
struct AppState;
struct Era;

// "Show Draw History File" (the Draw History window, one history line per
// draw of one era of the current game) and "Print Draw History File".
class DrawHistoryController : public QObject {
    Q_OBJECT
public:
    // `eraInUse` gives the era whose history is shown and printed.
    DrawHistoryController(AppState &state, const Platform &platform, QWidget *window,
                          std::function<const Era &()> eraInUse, QObject *parent = nullptr);
    ~DrawHistoryController() override;

    void showHistory();
    void printHistoryFile();

private:
    // The history of an era of the chosen country; false once the player has
    // been told there is no country or the file cannot be read.
    bool loadHistory(const Era &era, DrawHistory &history);

    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    std::function<const Era &()> m_eraInUse;
    std::unique_ptr<ListWindow> m_history;
};

} // namespace ds
