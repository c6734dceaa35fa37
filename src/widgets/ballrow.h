#pragma once

#include <QWidget>
#include <vector>

class QLabel;

namespace ds {

class BallShape;

// A row of coloured balls with their numbers written inside, the last one set
// apart under a caption of its own ("Bonus", "Thunderball"). Shapes and
// number labels are named `shapePrefix` + n and `labelPrefix` + (n + the
// label offset), n from 1.
struct BallRowNames {
    const char *shapePrefix = "Shape";
    int firstShape = 1;
    const char *labelPrefix = "Label";
    int firstLabel = 5;
    const char *extraCaptionName = "Label4";
    QString extraCaption;
    // The number of the last ball's label when it does not follow on from the
    // others (0: it follows on).
    int lastLabel = 0;
};

class BallRow : public QWidget {
    Q_OBJECT
public:
    BallRow(int balls, const BallRowNames &names, QWidget *parent = nullptr);

    int count() const { return static_cast<int>(m_shapes.size()); }
    // Colours ball `position` (1-based) by its number and writes the number in it.
    void setBall(int position, int number);
    void showBalls();
    void hideBalls();
    void showNumbers();
    void hideNumbers();
    void clearNumbers();
    QString number(int position) const;
    bool ballsShown() const;

private:
    std::vector<BallShape *> m_shapes;
    std::vector<QLabel *> m_labels;
};

} // namespace ds
