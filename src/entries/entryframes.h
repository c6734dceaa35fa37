#pragma once

#include "entries/suggest.h"

#include <QGroupBox>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace ds {

// The "Selections" frame of the main window: the date of the entries, their
// list and total, and Change, Maintain, Delete Selected Entry and Print List.
class SelectionsFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit SelectionsFrame(QWidget *parent = nullptr);

    void setDateText(const QString &text);
    QString dateText() const;
    void setTotalText(const QString &text);
    QString totalText() const;

    // The list of entry lines.
    void setLines(const QStringList &lines);
    void addLine(const QString &line);
    void clearLines();
    int lineCount() const;
    QString line(int row) const;
    QStringList lines() const;
    void setLine(int row, const QString &text);
    void setLineHighlighted(int row, bool on);
    void removeLine(int row);
    // The row the player has chosen; -1 when none is selected.
    int selectedRow() const;
    void clearSelection();
    void scrollToRow(int row);
    void scrollToEnd();
    // Repaints the list and total during a long action without taking input.
    void repaintProgress();
    // Turns list repaints off while many lines change at once.
    void setListUpdates(bool on);

    void setChangeEnabled(bool on);
    void setMaintainEnabled(bool on);
    void setMaintainShown(bool on);
    void setDeleteShown(bool on);

signals:
    void changeClicked();
    void maintainClicked();
    void deleteClicked();
    void printClicked();

private:
    QLineEdit *m_date, *m_total;
    QListWidget *m_list;
    QPushButton *m_change, *m_maintain, *m_delete, *m_print;
};

// The "Winning Selections" frame: the winning lines of the last check, Wins or
// All, and Check, Clear and Print.
class WinningFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit WinningFrame(QWidget *parent = nullptr);

    void setLines(const QStringList &lines, const QList<int> &highlighted = {});
    void clearLines();
    QStringList lines() const;
    bool allTiers() const;
    void setAllTiers(bool all);
    // The count beside the list after a check; empty hides it.
    void setCountText(const QString &text);

signals:
    void checkClicked();
    void clearClicked();
    void printClicked();

private:
    QListWidget *m_list;
    QLabel *m_count;
    QRadioButton *m_wins, *m_all;
};

// The "Maintain Entries" frame: "Add Entry" (six boxes, Add, Clear, Best 6),
// "Suggest Entries" (a count, Additional or Total, Add, Constrain) and
// Finished.
class MaintainFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit MaintainFrame(QWidget *parent = nullptr);

    // The six add-entry boxes in the order they are read: Text4..Text7, Text8, Text9.
    std::array<QString, 6> addBoxTexts() const;
    void clearAddBoxes();
    // Fills the boxes left to right as they stand on screen.
    void setAddBoxesOnScreen(const std::array<QString, 6> &texts);
    // Focus on a box (read order), its text selected.
    void focusAddBox(int index);
    void focusFirstAddBox();
    void setBestSixEnabled(bool on);

    QString suggestCountText() const;
    suggest::AddMode suggestMode() const;
    void setSuggestMode(suggest::AddMode mode);

signals:
    void addClicked();
    void clearClicked();
    void bestSixClicked();
    void suggestClicked();
    void constrainClicked();
    void finishedClicked();

private:
    std::array<QLineEdit *, 6> m_addBoxes{};
    QPushButton *m_bestSix;
    QLineEdit *m_count;
    QRadioButton *m_additional, *m_total;
};

} // namespace ds
