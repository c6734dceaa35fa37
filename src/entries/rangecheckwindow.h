#pragma once

#include "core/appstate.h"
#include "core/entryfile.h"
#include "entries/rangecheck.h"
#include "platform/platform.h"
#include "widgets/childwindow.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace ds {

// "Entry Check Against Previous Draws" (Form9): the entries of one file
// checked against every draw of a range of months, a line per win and the
// totals of each tier.
class RangeCheckWindow : public ChildWindow {
    Q_OBJECT
public:
    RangeCheckWindow(AppState &state, const Platform &platform);

    // Shows the entries of the file checked and fills the month and year
    // pickers from the draw history: January of its first year to the
    // current month of its last year.
    void load(const std::vector<Entry> &entries);

    // "Check" (Command2).
    void check();

    // "Close": no entries are shown any more; the opener is given back.
    void closeWindow() override;

private:
    // Shows the boxes of the totals (0 for Text1), hiding the others.
    void showBoxes(const std::vector<int> &boxes);

    AppState &m_state;
    Platform m_platform;
    std::vector<Entry> m_entries;
    QListWidget *m_entryList = nullptr; // List2
    QLabel *m_count = nullptr;          // Label1
    std::array<QComboBox *, 4> m_pickers{}; // Combo1 start month, Combo2 start year, Combo3, Combo4
    QProgressBar *m_progress = nullptr; // ProgressBar1
    QListWidget *m_wins = nullptr;      // List1
    QLineEdit *m_start = nullptr, *m_end = nullptr; // Text8, Text9
    // The total boxes by box: Text1..Text7, Text10; their labels.
    std::array<QLineEdit *, rangecheck::MaxTotals> m_totals{};
    std::array<QLabel *, rangecheck::MaxTotals> m_totalLabels{};
    QLabel *m_totalsEra = nullptr;      // LabelTotalsEra: the era whose tiers the totals show
    QPushButton *m_check = nullptr;     // Command2
};

} // namespace ds
