#pragma once

#include "platform/childwindow.h"

#include <QObject>
#include <array>
#include <memory>

class QLineEdit;

namespace ds {

class MainWindow;

// The "Contraints" window: numbers every suggested entry must contain, and
// numbers none may contain. It closes only through a successful "Done", so
// the constraints in force always pass its test.
class ConstraintsWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ConstraintsWindow(MainWindow &main);
    void emptyBoxes();
    void closeWindow() override; // also Esc and the title-bar close

private:
    void clearContain();
    void clearExclude();
    void done();

    MainWindow &m_main;
    std::array<QLineEdit *, 9> m_boxes{}; // Text1..Text9
};

// The "Suggest Entries" frame and the "Best 6" button of the main window.
class SuggestController : public QObject {
    Q_OBJECT
public:
    explicit SuggestController(MainWindow &main);
    ~SuggestController() override;

    void add();
    void constrain();
    void bestSix();
    ConstraintsWindow *constraintsWindow() const { return m_window.get(); }

private:
    MainWindow &m_main;
    std::unique_ptr<ConstraintsWindow> m_window;
};

} // namespace ds
