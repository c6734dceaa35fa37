#pragma once

#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <QObject>
#include <array>
#include <memory>

class QLineEdit;

namespace ds {

class MaintainFrame;
class EntryListView;
struct AppState;

// The "Contraints" window: numbers every suggested entry must contain, and
// numbers none may contain. It closes only through a successful "Done", so
// the constraints in force always pass its test.
class ConstraintsWindow : public ChildWindow {
    Q_OBJECT
public:
    ConstraintsWindow(AppState &state, const Platform &platform);
    void emptyBoxes();
    void closeWindow() override; // also Esc and the title-bar close

private:
    void clearContain();
    void clearExclude();
    void done();

    AppState &m_state;
    Platform m_platform;
    std::array<QLineEdit *, 9> m_boxes{}; // Text1..Text9
};

// The "Suggest Entries" frame and the "Best 6" button of the main window.
class SuggestController : public QObject {
    Q_OBJECT
public:
    // The "Contraints" window opens over `window`, which is hidden meanwhile.
    SuggestController(MaintainFrame &maintain, EntryListView &list, AppState &state,
                      const Platform &platform, QWidget *window, QObject *parent = nullptr);
    ~SuggestController() override;

    void add();
    void constrain();
    void bestSix();
    // The game changed: the constraints typed for the last one go.
    void forgetConstraints();

private:
    MaintainFrame &m_maintain;
    EntryListView &m_list;
    AppState &m_state;
    Platform m_platform;
    QWidget *m_window;
    std::unique_ptr<ConstraintsWindow> m_constraints;
};

} // namespace ds
