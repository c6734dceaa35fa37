#pragma once

#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QObject>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace ds {

class DrawFrame;
class EntryListView;
class WinningFrame;
struct AppState;

// The File Deletion window: lists the entry files of the program folder and
// deletes the one the player selects.
class FileDeletionWindow : public ChildWindow {
    Q_OBJECT
public:
    FileDeletionWindow(const Platform &platform, DrawFrame &draw);

    // Lists the matching files of the folder.
    void setFolder(const QString &folder);
    void refresh();

    // Forgets the confirmations given, so the next deletion of each kind asks.
    void clearConfirmations();

    void closeWindow() override; // also Esc and the title-bar close

private:
    void onDelete();
    void onClose();
    bool remove(const QString &name) const;

    Platform m_platform;
    DrawFrame &m_draw;
    QLabel *m_label;
    QListWidget *m_files;
    QPushButton *m_delete, *m_close;
    QString m_folder;
    // Once the player has confirmed one deletion of a kind, further files of
    // that kind go without asking until the window is opened again.
    bool m_selectionsConfirmed = false;
    bool m_resultsConfirmed = false;
};

// "File Maintenance": everything on show is dropped and the File Deletion
// window opens over the main window.
class FileMaintenanceController : public QObject {
    Q_OBJECT
public:
    FileMaintenanceController(DrawFrame &draw, EntryListView &list, WinningFrame &winning,
                              AppState &state, const Platform &platform, QWidget *window,
                              QObject *parent = nullptr);
    ~FileMaintenanceController() override;

    void fileMaintenance();

private:
    DrawFrame &m_draw;
    EntryListView &m_list;
    WinningFrame &m_winning;
    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    std::unique_ptr<FileDeletionWindow> m_deletion;
};

} // namespace ds
