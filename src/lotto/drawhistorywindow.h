#pragma once

#include "platform/childwindow.h"

#include <QObject>
#include <memory>

class QListWidget;
class QPushButton;

namespace ds {

class MainWindow;

// The Draw History window: one history line per draw of the current game.
// Built afresh each time it is opened; closing it hides it and hands the
// player back to the main window.
class DrawHistoryWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit DrawHistoryWindow(MainWindow &main);

    // Fills the list from the current game's draw history file.
    void load();

    void closeWindow() override; // also Esc and the title-bar close

private:
    void onClose();

    MainWindow &m_main;
    QListWidget *m_list;
    QPushButton *m_close;
};

// The main window's entries for the Draw History window and the printed history.
class DrawHistoryController : public QObject {
    Q_OBJECT
public:
    explicit DrawHistoryController(MainWindow &main);
    ~DrawHistoryController() override;

    DrawHistoryWindow *window() const { return m_window.get(); }

private:
    void showHistory();
    void printHistoryFile();

    MainWindow &m_main;
    std::unique_ptr<DrawHistoryWindow> m_window;
};

} // namespace ds
