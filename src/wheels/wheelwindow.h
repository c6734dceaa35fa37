#pragma once

#include "core/appstate.h"
#include "platform/platform.h"
#include "wheels/wheels.h"
#include "widgets/childwindow.h"

#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ds {

// One of the four wheel windows ("Wheel 6" Form10 .. "Wheel 3" Form13): the
// group size, the number boxes, "Save Wheel", "Suggest" and "Close" (which
// gives the opener back). Made afresh each time it opens, so its boxes start
// empty.
class WheelWindow : public ChildWindow {
    Q_OBJECT
public:
    WheelWindow(const wheels::WheelKind &kind, AppState &state, const Platform &platform);

    const wheels::WheelKind &kind() const { return m_kind; }
    int groupSize() const;
    QLineEdit *numberBox(int position) const; // 1-based

signals:
    // A wheel file was written: the main window's selections list is out of date.
    void wheelSaved();

private:
    void onGroupSize();
    void onSave();
    void onSuggest();
    std::vector<QString> boxTexts() const;
    void message(const QString &text);

    const wheels::WheelKind &m_kind;
    AppState &m_state;
    Platform m_platform;
    QComboBox *m_size = nullptr;      // Combo1
    QLineEdit *m_entries = nullptr;   // Text1
    std::vector<QLineEdit *> m_boxes; // Text2 ..
    QPushButton *m_save = nullptr;    // Command1
};

} // namespace ds
