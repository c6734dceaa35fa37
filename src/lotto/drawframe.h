#pragma once

#include "core/games.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ds {

class BallRow;
struct AppState;
struct Draw;

// The "Result of Draw" frame of the main window: the date of the draw on
// display, its seven balls, and Change, Delete and Second Draw.
class DrawFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit DrawFrame(AppState &state, QWidget *parent = nullptr);

    // The show-draw procedure: the draw becomes the displayed draw and its
    // seven balls are coloured, numbered and shown.
    void showDraw(const Draw &draw);

    void setDateText(const QString &text);
    QString dateText() const;
    bool hasDate() const;

    void hideBalls();
    void hideNumbers();
    void clearBallCaptions();
    // Empties the date and hides the balls and their numbers.
    void clearDraw();

    // The second-draw button, under the game's caption for it ("Second Draw",
    // "Round 2"), shows whatever the date for a game every date of which may
    // hold two draws (the Irish lotto); for another game it shows only beside
    // a date whose rule has two draws (a two-round UK date).
    void setSecondDrawOffered(bool always, const QString &caption);
    // The rule of the date on display: the second-draw button shows for a
    // date of two draws, under the rule's caption ("Second Draw", "Round 2").
    void setDateRule(const DrawsPerDate &rule);
    // Which of a date's two draws is on display, named as the rule of its date
    // names them ("Draw 1 of 2", "Round 2 of 2"); any other number hides it.
    // The button follows the rule as setDateRule does.
    void setDrawOfTwo(int drawNumber, const DrawsPerDate &rule);
    void hideDrawOfTwo();

signals:
    // The date on display changed (invalid when none is shown).
    void dateChanged(const QDate &date);
    void changeClicked();
    void deleteClicked();
    void secondDrawClicked();

private:
    AppState &m_state;
    QLineEdit *m_date;
    QLabel *m_drawOfTwo;
    BallRow *m_balls;
    QPushButton *m_change, *m_delete, *m_second;
    bool m_secondAlways = false;
};

} // namespace ds
