#pragma once

#include <QString>
#include <array>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ds {

class BallShape;

// The controls of the main window, by their names, for the handlers that
// work on them.
struct MainUi {
    QWidget *window = nullptr;

    // "Result of Draw"
    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr, *Label4 = nullptr;
    QLineEdit *Text1 = nullptr;
    std::array<BallShape *, 7> shapes{};  // Shape1..Shape7
    std::array<QLabel *, 7> ballLabels{}; // Label5..Label11
    QPushButton *Command1 = nullptr, *Command6 = nullptr, *Command14 = nullptr;
    QLabel *Image8 = nullptr;

    // "Selections"
    QGroupBox *Frame2 = nullptr;
    QLabel *Label2 = nullptr, *Label3 = nullptr;
    QLineEdit *Text2 = nullptr, *Text3 = nullptr;
    QPushButton *Command2 = nullptr, *Command3 = nullptr, *Command11 = nullptr, *Command13 = nullptr;
    QListWidget *List2 = nullptr;

    // "Winning Selections"
    QGroupBox *Frame3 = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *Command4 = nullptr, *Command5 = nullptr, *Command15 = nullptr;
    QRadioButton *Option3 = nullptr, *Option4 = nullptr;

    // "Maintain Entries", with "Add Entry" and "Suggest Entries"
    QGroupBox *Frame4 = nullptr, *Frame5 = nullptr, *Frame6 = nullptr;
    // The six add-entry boxes in the order they are read: Text4..Text7, Text8, Text9.
    std::array<QLineEdit *, 6> addBoxes{};
    QPushButton *Command7 = nullptr, *Command8 = nullptr, *Command9 = nullptr, *Command12 = nullptr;
    QLineEdit *Text10 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QPushButton *Command10 = nullptr, *Command16 = nullptr;

    // Menus
    QMenu *mnuCountry = nullptr, *mnuUK = nullptr, *mnuFileManager = nullptr, *mnuSE = nullptr,
          *mnuWheels = nullptr, *mnu6 = nullptr, *mnu5 = nullptr, *mnu4 = nullptr,
          *mnu3wheel = nullptr, *mnuWebLinks = nullptr, *mnuHelp = nullptr;
    QAction *mnu649 = nullptr, *mnuthunder = nullptr, *mnuIreland = nullptr, *mnuUKstats = nullptr,
            *mnuIRstats = nullptr;
    QAction *mnuFileMaintenance = nullptr, *mnuDrawHistory = nullptr, *mnuShowHistory = nullptr,
            *mnuPT = nullptr, *mnuImport = nullptr;
    QAction *mnuOSE = nullptr, *mnuSSE = nullptr, *mnucheck = nullptr;
    QAction *mnuWheel1 = nullptr, *mnuWheelfile = nullptr, *mnuWheelCheck = nullptr;
    QAction *mnu5new = nullptr, *mnu5open = nullptr, *mnu5check = nullptr;
    QAction *mnu4new = nullptr, *mnu4open = nullptr, *mnu4check = nullptr;
    QAction *mnu3new = nullptr, *mnu3open = nullptr, *mnu3check = nullptr;
    std::array<QAction *, 5> mnufree{};
    QAction *mnumaintainlinks = nullptr, *mnuContents = nullptr, *mnuAbout = nullptr, *mnuExit = nullptr;
};

} // namespace ds
