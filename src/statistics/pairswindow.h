#pragma once

#include "widgets/childwindow.h"

class QComboBox;
class QLineEdit;

namespace ds {

class StatisticsController;

// The Pairs window: how often a chosen consecutive pair was drawn.
class PairsWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit PairsWindow(StatisticsController &ctl);

    // Lists the pairs 1-2 up to (limit-1)-limit of the controller's game and
    // chooses pair row-(row+1).
    void load(int row);
    void clearList();

    void closeWindow() override;

private:
    void showCount(int index);

    StatisticsController &m_ctl;
    QComboBox *m_combo = nullptr;
    QLineEdit *m_count = nullptr;
};

} // namespace ds
