#pragma once

#include "platform/childwindow.h"

#include <QObject>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace ds {

class MainWindow;

// The File Deletion window: lists the entry files of the program folder and
// deletes the one the player selects.
class FileDeletionWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit FileDeletionWindow(MainWindow &main);

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

    MainWindow &m_main;
    QLabel *m_label;
    QListWidget *m_files;
    QPushButton *m_delete, *m_close;
    QString m_folder;
    // Once the player has confirmed one deletion of a kind, further files of
    // that kind go without asking until the window is opened again.
    bool m_selectionsConfirmed = false;
    bool m_resultsConfirmed = false;
};

// The main window's entries for the File Deletion window.
class FileMaintenanceController : public QObject {
    Q_OBJECT
public:
    explicit FileMaintenanceController(MainWindow &main);
    ~FileMaintenanceController() override;

    FileDeletionWindow *window() const { return m_window.get(); }

private:
    void fileMaintenance();

    MainWindow &m_main;
    std::unique_ptr<FileDeletionWindow> m_window;
};

} // namespace ds
