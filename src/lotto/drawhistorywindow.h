#pragma once

#include <QObject>

namespace ds {

class MainWindow;

// The main window's entries for the Draw History window and the printed history.
class DrawHistoryController : public QObject {
    Q_OBJECT
public:
    explicit DrawHistoryController(MainWindow &main);

private:
    MainWindow &m_main;
};

} // namespace ds
