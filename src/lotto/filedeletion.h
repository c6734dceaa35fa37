#pragma once

#include <QObject>

namespace ds {

class MainWindow;

// The main window's entries for the File Deletion window.
class FileMaintenanceController : public QObject {
    Q_OBJECT
public:
    explicit FileMaintenanceController(MainWindow &main);

private:
    MainWindow &m_main;
};

} // namespace ds
