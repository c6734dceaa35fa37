#pragma once

#include "core/entryfile.h"

#include <QObject>
#include <vector>

namespace ds {

class MainWindow;
struct MainUi;
struct AppState;
struct Platform;

// The "Selections" and "Maintain Entries" frames of the main window: the
// selections list of the current entry file and its maintenance.
class SelectionsController : public QObject {
    Q_OBJECT
public:
    explicit SelectionsController(MainWindow &main);

    // Fills the selections list with the entries and sets the entry count.
    void showEntries(const std::vector<Entry> &entries);

    // Leaves maintain mode (Finished, and opening the standing entry).
    void leaveMaintainMode();

    // The date field a new entry at record `recordNumber` of the current
    // entry file carries: the file's own date key for its first record, else
    // that of the record before it.
    QByteArray dateFieldForRecord(const std::vector<Entry> &entries, int recordNumber) const;

    void maintain();
    void finished();
    void clearBoxes();
    void addEntry();
    void deleteSelected();
    void printList();

private:
    MainWindow &m_main;
    MainUi &m_ui;
    AppState &m_state;
    const Platform &m_platform;
};

} // namespace ds
