#pragma once

#include "widgets/childwindow.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace ds {

class StatisticsController;

// The Statistics window: hot six, most frequent consecutive pair, cool three
// and the wins of the hot six over the whole history of one game.
class StatisticsWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit StatisticsWindow(StatisticsController &ctl);

    // The window as it opens for the controller's game: caption, the game's
    // eras in the era picker with the controller's chosen, empty boxes,
    // "Save" disabled, the wins frame for the UK lotto only.
    void reset();
    // Empty boxes and "Save" disabled, for figures of another era.
    void clearFigures();

    void closeWindow() override;

private:
    void showHotSix();
    void showPair();
    void showCoolThree();
    void showWins();
    void save();
    void morePairs();
    void indepthAnalysis();

    StatisticsController &m_ctl;
    std::array<QLineEdit *, 6> m_hotBall{};  // Text8, Text9, Text11, Text12, Text14, Text17
    std::array<QLineEdit *, 6> m_hotCount{}; // Text1, Text7, Text10, Text13, Text15, Text16
    std::array<QLineEdit *, 3> m_coolBall{};  // Text6, Text18, Text20
    std::array<QLineEdit *, 3> m_coolCount{}; // Text5, Text19, Text21
    QLineEdit *m_pairLow = nullptr, *m_pairHigh = nullptr, *m_pairCount = nullptr;
    QLineEdit *m_wins = nullptr, *m_highest = nullptr;
    QPushButton *m_save = nullptr;
    QGroupBox *m_winsFrame = nullptr;
    QComboBox *m_era = nullptr; // ComboEra: the game's eras, newest first
};

} // namespace ds
