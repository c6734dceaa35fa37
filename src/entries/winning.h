#pragma once

#include <QObject>

namespace ds {

class MainWindow;

// The "Winning Selections" frame: checking the entries against the draw on
// display, and printing the winners.
class WinningController : public QObject {
    Q_OBJECT
public:
    explicit WinningController(MainWindow &main);

    void check();
    void clear();
    void print();

private:
    MainWindow &m_main;
};

} // namespace ds
