#include "lotto/mainwindow.h"

#include "core/balls.h"
#include "core/games.h"
#include "core/numbers.h"
#include "core/resultsimport.h"
#include "entries/selections.h"
#include "entries/standing.h"
#include "entries/suggestpanel.h"
#include "entries/winning.h"
#include "links/linkswindows.h"
#include "lotto/ballshape.h"
#include "lotto/dateselection.h"
#include "lotto/drawhistorywindow.h"
#include "lotto/filedeletion.h"
#include "lotto/seconddraw.h"
#include "platform/controls.h"
#include "statistics/statisticscontroller.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>
#include <exception>

namespace ds {

namespace {

QLineEdit *box(const char *name, int width = 0)
{
    auto *e = named(new QLineEdit, name);
    if (width > 0)
        e->setFixedWidth(width);
    return e;
}

QAction *item(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu *submenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *m = parent->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

// The two game pictures of the window's image list.
QPixmap gamePicture(bool irish)
{
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = irish ? QColor(0, 122, 61) : QColor(200, 16, 46);
    const QColor accent = irish ? QColor(255, 130, 0) : QColor(1, 33, 105);
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawEllipse(4, 4, 88, 88);
    p.setBrush(Qt::white);
    p.drawEllipse(18, 18, 60, 60);
    p.setBrush(accent);
    p.drawEllipse(30, 30, 36, 36);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.drawText(QRect(30, 32, 36, 16), Qt::AlignCenter, irish ? QStringLiteral("IRL") : QStringLiteral("UK"));
    p.drawText(QRect(30, 48, 36, 16), Qt::AlignCenter, irish ? QStringLiteral("42") : QStringLiteral("49"));
    return pm;
}

} // namespace

MainWindow::MainWindow(AppState &state, const Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Drawsmith"));
    m_ui.window = this;
    m_imageList = {gamePicture(false), gamePicture(true)};
    buildUi();
    buildMenus();
    m_selections = std::make_unique<SelectionsController>(*this);
    m_winning = std::make_unique<WinningController>(*this);
    m_standing = std::make_unique<StandingEntryController>(*this);
    m_suggest = std::make_unique<SuggestController>(*this);
    m_dateDialog = std::make_unique<DateSelectionDialog>(*this);
    m_secondDraw = std::make_unique<SecondDrawController>(*this);
    m_history = std::make_unique<DrawHistoryController>(*this);
    m_fileMaintenance = std::make_unique<FileMaintenanceController>(*this);
    m_statistics = std::make_unique<StatisticsController>(*this);
    m_links = std::make_unique<LinksController>(
        this, m_state, m_platform, LinksMenu{m_ui.mnufree, m_ui.mnumaintainlinks, m_ui.mnuContents, m_ui.mnuAbout});
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildUi()
{
    auto *central = new QWidget;
    auto *top = new QGridLayout(central);

    // "Result of Draw"
    m_ui.Frame1 = named(new QGroupBox(QStringLiteral("Result of Draw")), "Frame1");
    m_ui.Frame1->setToolTip(QStringLiteral("Displays the draw date and balls drawn."));
    {
        auto *lay = new QGridLayout(m_ui.Frame1);
        m_ui.Label1 = named(new QLabel(QStringLiteral("Date")), "Label1");
        m_ui.Text1 = box("Text1", 110);
        m_ui.Text1->setReadOnly(true);
        lay->addWidget(m_ui.Label1, 0, 0);
        lay->addWidget(m_ui.Text1, 0, 1, 1, 3);
        auto *balls = new QHBoxLayout;
        for (int k = 0; k < 7; ++k) {
            auto *holder = new QWidget;
            holder->setFixedSize(40, 40);
            auto *shape = new BallShape(holder);
            shape->setObjectName(QStringLiteral("Shape%1").arg(k + 1));
            auto *label = new QLabel(holder);
            label->setObjectName(QStringLiteral("Label%1").arg(k + 5));
            label->setGeometry(0, 0, 40, 40);
            label->setAlignment(Qt::AlignCenter);
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
            label->raise();
            m_ui.shapes[static_cast<size_t>(k)] = shape;
            m_ui.ballLabels[static_cast<size_t>(k)] = label;
            if (k == 6) {
                m_ui.Label4 = named(new QLabel(QStringLiteral("Bonus")), "Label4");
                balls->addSpacing(8);
                balls->addWidget(m_ui.Label4);
            }
            balls->addWidget(holder);
        }
        balls->addStretch();
        lay->addLayout(balls, 1, 0, 1, 6);
        m_ui.Command1 = button("Command1", QStringLiteral("Change"),
                               QStringLiteral("Use this to change the date of the draw using the calendar."));
        m_ui.Command6 = button("Command6", QStringLiteral("Delete"),
                               QStringLiteral("Use this to delete the draw numbers for the displayed date from the draw history file."));
        m_ui.Command14 = button("Command14", QStringLiteral("Second Draw"));
        auto *buttons = new QHBoxLayout;
        buttons->addWidget(m_ui.Command1);
        buttons->addWidget(m_ui.Command6);
        buttons->addWidget(m_ui.Command14);
        buttons->addStretch();
        lay->addLayout(buttons, 2, 0, 1, 6);
    }
    m_ui.Image8 = named(new QLabel, "Image8");
    m_ui.Image8->setFixedSize(96, 96);

    // "Selections"
    m_ui.Frame2 = named(new QGroupBox(QStringLiteral("Selections")), "Frame2");
    {
        auto *lay = new QGridLayout(m_ui.Frame2);
        m_ui.Label2 = named(new QLabel(QStringLiteral("Date")), "Label2");
        m_ui.Text2 = box("Text2", 110);
        m_ui.Text2->setReadOnly(true);
        m_ui.Command2 = button("Command2", QStringLiteral("Change"),
                               QStringLiteral("Change the date for your selections using the calendar."));
        m_ui.List2 = named(new QListWidget, "List2");
        m_ui.List2->setToolTip(QStringLiteral("List of your selections for the draw."));
        QFont fixed(QStringLiteral("Courier New"));
        fixed.setStyleHint(QFont::TypeWriter);
        fixed.setFixedPitch(true);
        m_ui.List2->setFont(fixed);
        m_ui.List2->setMinimumWidth(230);
        m_ui.Label3 = named(new QLabel(QStringLiteral("Total")), "Label3");
        m_ui.Text3 = box("Text3", 60);
        m_ui.Text3->setReadOnly(true);
        m_ui.Text3->setToolTip(QStringLiteral("Total number of entries in the selections list."));
        m_ui.Command3 = button("Command3", QStringLiteral("Maintain"),
                               QStringLiteral("Open the maintain entries part of the screen to add or remove entries from the selections list."));
        m_ui.Command11 = button("Command11", QStringLiteral("Delete Selected Entry"),
                                QStringLiteral("Delete a selected entry from the list of selections."));
        m_ui.Command13 = button("Command13", QStringLiteral("Print List"),
                                QStringLiteral("Print the list of your selections. If you have have checked them, an asterisk will be placed against winning entries."));
        lay->addWidget(m_ui.Label2, 0, 0);
        lay->addWidget(m_ui.Text2, 0, 1);
        lay->addWidget(m_ui.Command2, 0, 2);
        lay->addWidget(m_ui.List2, 1, 0, 1, 3);
        lay->addWidget(m_ui.Label3, 2, 0);
        lay->addWidget(m_ui.Text3, 2, 1);
        auto *buttons = new QHBoxLayout;
        buttons->addWidget(m_ui.Command3);
        buttons->addWidget(m_ui.Command11);
        buttons->addWidget(m_ui.Command13);
        lay->addLayout(buttons, 3, 0, 1, 3);
    }

    // "Winning Selections"
    m_ui.Frame3 = named(new QGroupBox(QStringLiteral("Winning Selections")), "Frame3");
    {
        auto *lay = new QGridLayout(m_ui.Frame3);
        m_ui.List1 = named(new QListWidget, "List1");
        m_ui.List1->setToolTip(QStringLiteral("The list of winning entries."));
        m_ui.List1->setFont(m_ui.List2->font());
        m_ui.List1->setMinimumWidth(230);
        m_ui.Command4 = button("Command4", QStringLiteral("Check"),
                               QStringLiteral("Use this to check your selections against the result of the draw."));
        m_ui.Command5 = button("Command5", QStringLiteral("Clear"),
                               QStringLiteral("Clears the list of winning selections if any."));
        m_ui.Command15 = button("Command15", QStringLiteral("Print"),
                                QStringLiteral("Use this to print the list of winning selections."));
        m_ui.Option4 = named(new QRadioButton(QStringLiteral("Wins")), "Option4");
        m_ui.Option3 = named(new QRadioButton(QStringLiteral("All")), "Option3");
        auto *group = new QButtonGroup(m_ui.Frame3);
        group->addButton(m_ui.Option4);
        group->addButton(m_ui.Option3);
        lay->addWidget(m_ui.List1, 0, 0, 1, 3);
        lay->addWidget(m_ui.Option4, 1, 0);
        lay->addWidget(m_ui.Option3, 1, 1);
        auto *buttons = new QHBoxLayout;
        buttons->addWidget(m_ui.Command4);
        buttons->addWidget(m_ui.Command5);
        buttons->addWidget(m_ui.Command15);
        lay->addLayout(buttons, 2, 0, 1, 3);
    }

    // "Maintain Entries"
    m_ui.Frame4 = named(new QGroupBox(QStringLiteral("Maintain Entries")), "Frame4");
    {
        auto *lay = new QVBoxLayout(m_ui.Frame4);
        m_ui.Frame5 = named(new QGroupBox(QStringLiteral("Add Entry")), "Frame5");
        m_ui.Frame5->setToolTip(QStringLiteral("Use this to add a single entry to the selections list."));
        auto *add = new QGridLayout(m_ui.Frame5);
        // On screen left to right: Text9, Text8, Text4, Text5, Text6, Text7.
        const char *names[6] = {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"};
        for (int i = 0; i < 6; ++i)
            m_ui.addBoxes[static_cast<size_t>(i)] = box(names[i], 36);
        const int screenOrder[6] = {5, 4, 0, 1, 2, 3};
        for (int i = 0; i < 6; ++i)
            add->addWidget(m_ui.addBoxes[static_cast<size_t>(screenOrder[i])], 0, i);
        m_ui.Command9 = button("Command9", QStringLiteral("Add"),
                               QStringLiteral("Adds the numbers entered in the boxes to your selections list."));
        m_ui.Command8 = button("Command8", QStringLiteral("Clear"),
                               QStringLiteral("Removes numbers from the add entry boxes."));
        m_ui.Command12 = button("Command12", QStringLiteral("Best 6"));
        add->addWidget(m_ui.Command9, 1, 0, 1, 2);
        add->addWidget(m_ui.Command8, 1, 2, 1, 2);
        add->addWidget(m_ui.Command12, 1, 4, 1, 2);

        m_ui.Frame6 = named(new QGroupBox(QStringLiteral("Suggest Entries")), "Frame6");
        m_ui.Frame6->setToolTip(QStringLiteral("Use this to add entries suggested by the program to the selections list."));
        auto *sug = new QGridLayout(m_ui.Frame6);
        sug->addWidget(new QLabel(QStringLiteral("Number of Entries")), 0, 0);
        m_ui.Text10 = box("Text10", 60);
        sug->addWidget(m_ui.Text10, 0, 1);
        m_ui.Option1 = named(new QRadioButton(QStringLiteral("Additional")), "Option1");
        m_ui.Option2 = named(new QRadioButton(QStringLiteral("Total")), "Option2");
        auto *group = new QButtonGroup(m_ui.Frame6);
        group->addButton(m_ui.Option1);
        group->addButton(m_ui.Option2);
        sug->addWidget(m_ui.Option1, 1, 0);
        sug->addWidget(m_ui.Option2, 1, 1);
        m_ui.Command10 = button("Command10", QStringLiteral("Add"),
                                QStringLiteral("Use this to add the specified number of entries to your selections."));
        m_ui.Command16 = button("Command16", QStringLiteral("Constrain"),
                                QStringLiteral("Use this to specifically include or exclude certain numbers for each entry."));
        sug->addWidget(m_ui.Command10, 2, 0);
        sug->addWidget(m_ui.Command16, 2, 1);

        m_ui.Command7 = button("Command7", QStringLiteral("Finished"),
                               QStringLiteral("Use this once you have completed the entries for your selections."));
        lay->addWidget(m_ui.Frame5);
        lay->addWidget(m_ui.Frame6);
        lay->addWidget(m_ui.Command7, 0, Qt::AlignRight);
    }

    top->addWidget(m_ui.Frame1, 0, 0, 1, 2);
    top->addWidget(m_ui.Image8, 0, 2, Qt::AlignCenter);
    top->addWidget(m_ui.Frame2, 1, 0);
    top->addWidget(m_ui.Frame3, 1, 1);
    top->addWidget(m_ui.Frame4, 1, 2);
    setCentralWidget(central);

    connect(m_ui.Command1, &QPushButton::clicked, this, &MainWindow::onChangeDraw);
    connect(m_ui.Command2, &QPushButton::clicked, this, &MainWindow::onChangeSelections);
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto topMenu = [bar](const char *name, const QString &caption) {
        QMenu *m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    m_ui.mnuCountry = topMenu("mnuCountry", QStringLiteral("Country"));
    m_ui.mnuUK = submenu(m_ui.mnuCountry, "mnuUK", QStringLiteral("UK"));
    m_ui.mnu649 = item(m_ui.mnuUK, "mnu649", QStringLiteral("6 from 49"));
    m_ui.mnuthunder = item(m_ui.mnuUK, "mnuthunder", QStringLiteral("Thunderball"));
    m_ui.mnuIreland = item(m_ui.mnuCountry, "mnuIreland", QStringLiteral("Ireland"));
    m_ui.mnuUKstats = item(m_ui.mnuCountry, "mnuUKstats", QStringLiteral("UK Stats"));
    m_ui.mnuIRstats = item(m_ui.mnuCountry, "mnuIRstats", QStringLiteral("Irish Stats"));

    m_ui.mnuFileManager = topMenu("mnuFileManager", QStringLiteral("File Manager"));
    m_ui.mnuFileMaintenance = item(m_ui.mnuFileManager, "mnuFileMaintenance", QStringLiteral("File Maintenance"));
    m_ui.mnuDrawHistory = item(m_ui.mnuFileManager, "mnuDrawHistory", QStringLiteral("Print Draw History File"));
    m_ui.mnuShowHistory = item(m_ui.mnuFileManager, "mnuShowHistory", QStringLiteral("Show Draw History File"));
    m_ui.mnuPT = item(m_ui.mnuFileManager, "mnuPT", QStringLiteral("Print Tickets"));
    m_ui.mnuSE = submenu(m_ui.mnuFileManager, "mnuSE", QStringLiteral("Standing Entry"));
    m_ui.mnuOSE = item(m_ui.mnuSE, "mnuOSE", QStringLiteral("Open Standing Entry"));
    m_ui.mnuSSE = item(m_ui.mnuSE, "mnuSSE", QStringLiteral("Save as Standing Entry"));
    m_ui.mnucheck = item(m_ui.mnuSE, "mnucheck", QStringLiteral("Check Standing Entry Against Previous Draws"));
    m_ui.mnuWheels = submenu(m_ui.mnuFileManager, "mnuWheels", QStringLiteral("Wheels"));
    m_ui.mnu6 = submenu(m_ui.mnuWheels, "mnu6", QStringLiteral("6"));
    m_ui.mnuWheel1 = item(m_ui.mnu6, "mnuWheel1", QStringLiteral("New"));
    m_ui.mnuWheelfile = item(m_ui.mnu6, "mnuWheelfile", QStringLiteral("Open Wheeling File"));
    m_ui.mnuWheelCheck = item(m_ui.mnu6, "mnuWheelCheck", QStringLiteral("Check Wheeling File Against Previous Draws"));
    m_ui.mnu5 = submenu(m_ui.mnuWheels, "mnu5", QStringLiteral("5"));
    m_ui.mnu5new = item(m_ui.mnu5, "mnu5new", QStringLiteral("New"));
    m_ui.mnu5open = item(m_ui.mnu5, "mnu5open", QStringLiteral("Open Wheeling File"));
    m_ui.mnu5check = item(m_ui.mnu5, "mnu5check", QStringLiteral("Check Wheeling File Against Previous Draws"));
    m_ui.mnu4 = submenu(m_ui.mnuWheels, "mnu4", QStringLiteral("4"));
    m_ui.mnu4new = item(m_ui.mnu4, "mnu4new", QStringLiteral("New"));
    m_ui.mnu4open = item(m_ui.mnu4, "mnu4open", QStringLiteral("Open Wheeling File"));
    m_ui.mnu4check = item(m_ui.mnu4, "mnu4check", QStringLiteral("Check Wheeling File Against Previous Draw"));
    m_ui.mnu3wheel = submenu(m_ui.mnuWheels, "mnu3wheel", QStringLiteral("3"));
    m_ui.mnu3new = item(m_ui.mnu3wheel, "mnu3new", QStringLiteral("New"));
    m_ui.mnu3open = item(m_ui.mnu3wheel, "mnu3open", QStringLiteral("Open Wheeling File"));
    m_ui.mnu3check = item(m_ui.mnu3wheel, "mnu3check", QStringLiteral("Check Wheeling File Against Previous Draw"));
    m_ui.mnuImport = item(m_ui.mnuFileManager, "mnuImport", QStringLiteral("Import Results..."));

    m_ui.mnuWebLinks = topMenu("mnuWebLinks", QStringLiteral("Web Links"));
    const QString linkCaptions[5] = {QStringLiteral("Download Results File"), QStringLiteral("Drawsmith Web Page"),
                                     QStringLiteral("Free3"), QStringLiteral("Free4"), QStringLiteral("Free5")};
    for (int i = 0; i < 5; ++i) {
        QAction *a = m_ui.mnuWebLinks->addAction(linkCaptions[i]);
        a->setObjectName(QStringLiteral("mnufree%1").arg(i + 1));
        m_ui.mnufree[static_cast<size_t>(i)] = a;
    }
    m_ui.mnumaintainlinks = item(m_ui.mnuWebLinks, "mnumaintainlinks", QStringLiteral("Maintain Links"));

    m_ui.mnuHelp = topMenu("mnuHelp", QStringLiteral("Help"));
    m_ui.mnuContents = item(m_ui.mnuHelp, "mnuContents", QStringLiteral("Contents"));
    m_ui.mnuAbout = item(m_ui.mnuHelp, "mnuAbout", QStringLiteral("About"));

    m_ui.mnuExit = bar->addAction(QStringLiteral("Exit"));
    m_ui.mnuExit->setObjectName(QStringLiteral("mnuExit"));

    connect(m_ui.mnu649, &QAction::triggered, this, &MainWindow::on649);
    connect(m_ui.mnuIreland, &QAction::triggered, this, &MainWindow::onIreland);
    connect(m_ui.mnuthunder, &QAction::triggered, this, &MainWindow::onThunderball);
    connect(m_ui.mnuExit, &QAction::triggered, this, &MainWindow::onExit);
    connect(m_ui.mnuImport, &QAction::triggered, this, &MainWindow::onImport);
}

void MainWindow::startUp()
{
    try {
        m_ui.mnuPT->setEnabled(false);
        m_ui.Option4->setChecked(true);
        m_ui.Option3->setChecked(false);
        m_helpFile = m_state.programFolder + QLatin1Char('/') + QString::fromLatin1(links::HomePageAddress);
        hideBalls();
        m_state.resetForStartup();
        m_ui.Option1->setChecked(true);
        m_ui.Text3->setText(QString::number(m_state.entryCount));
        m_ui.Command12->setEnabled(false);
        m_ui.Frame4->hide();
        m_ui.Command11->hide();

        const QString remembered = m_platform.settings->value(QString::fromLatin1(RememberedCountryKey));
        if (remembered == QLatin1String("I"))
            setUpIrish();
        if (remembered == QLatin1String("U") || m_state.countryCode.isEmpty())
            setUpUK();
        m_links->loadMenu();
    } catch (const std::exception &) {
        m_platform.dialogs->message(QStringLiteral("There has been an unexpected error in errorlabel"));
        m_platform.program->endProgram();
    }
}

void MainWindow::setPicture(int index)
{
    m_picture = index;
    m_ui.Image8->setPixmap(m_imageList[static_cast<size_t>(index - 1)]);
    m_ui.Image8->setProperty("picture", index);
}

void MainWindow::setUpUK()
{
    setPicture(1);
    m_state.countryCode = CountryUK;
    m_ui.mnu3wheel->menuAction()->setEnabled(true);
    m_state.maxBall = UkBallLimit;
    m_ui.Command14->hide();
    m_ui.mnuPT->setEnabled(true);
}

void MainWindow::setUpIrish()
{
    setPicture(2);
    m_state.countryCode = CountryIR;
    m_ui.mnu3wheel->menuAction()->setEnabled(false);
    m_state.maxBall = IrishBallLimit;
    m_ui.Command14->show();
    m_ui.mnuPT->setEnabled(false);
}

void MainWindow::switchCountryResets()
{
    m_ui.List1->clear();
    m_ui.List2->clear();
    m_ui.Text1->clear();
    m_ui.Text2->clear();
    m_ui.Text3->clear();
    hideBalls();
    hideNumbers();
    for (QLineEdit *b : m_ui.addBoxes)
        b->clear();
    m_ui.Frame4->hide();
    m_ui.Command11->hide();
    m_ui.Command3->show();
    m_ui.Command3->setEnabled(true);
    m_ui.Command12->setEnabled(false);
    m_ui.Command2->setEnabled(true);
    m_state.constraintsActive = false;
    emit countrySwitched(); // the "Contraints" window empties its boxes
}

void MainWindow::on649()
{
    if (m_state.countryCode == CountryIR || m_state.countryCode.isEmpty()) {
        m_platform.settings->setValue(QString::fromLatin1(RememberedCountryKey), QStringLiteral("U"));
        m_ui.mnu3wheel->menuAction()->setEnabled(true);
        m_ui.mnuPT->setEnabled(true);
        switchCountryResets();
    }
    setPicture(1);
    m_state.countryCode = CountryUK;
    m_state.maxBall = UkBallLimit;
    m_ui.Command14->hide();
}

void MainWindow::onIreland()
{
    if (m_state.countryCode == CountryUK || m_state.countryCode.isEmpty()) {
        m_platform.settings->setValue(QString::fromLatin1(RememberedCountryKey), QStringLiteral("I"));
        m_ui.mnu3wheel->menuAction()->setEnabled(false);
        m_ui.mnuPT->setEnabled(false);
        switchCountryResets();
    }
    setPicture(2);
    m_state.countryCode = CountryIR;
    m_state.maxBall = IrishBallLimit;
    m_ui.Command14->show();
}

void MainWindow::onThunderball()
{
    if (m_state.countryCode == CountryIR || m_state.countryCode.isEmpty())
        m_platform.settings->setValue(QString::fromLatin1(RememberedCountryKey), QStringLiteral("U"));
    // The Thunderball window itself opens from here once it exists.
}

void MainWindow::onChangeDraw()
{
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You must select a Country"));
        return;
    }
    m_state.displayedDrawNumber = 0;
    m_ui.List1->clear();
    setEnabled(false);
    m_state.dateSelectionMode = QString::fromLatin1(ModeChangeDrawNumbers);
    m_dateDialog->openCalendarFace();
}

void MainWindow::onChangeSelections()
{
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You need to select a Country"));
        return;
    }
    m_state.dateSelectionMode = QString::fromLatin1(ModeChangeSelections);
    m_ui.List1->clear();
    setEnabled(false);
    m_dateDialog->openCalendarFace();
}

void MainWindow::onExit()
{
    m_exiting = true;
    m_platform.program->exitProgram();
}

void MainWindow::onImport()
{
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You must select a Country first"));
        return;
    }
    const QString csv = m_platform.dialogs->chooseOpenFile(
        QStringLiteral("Import Results"), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
        QStringLiteral("Results files (*.csv *.txt);;All files (*)"));
    if (csv.isEmpty())
        return;
    const ImportGame game = m_state.countryCode == CountryUK ? ImportGame::UK : ImportGame::Irish;
    ImportReport report;
    {
        BusyScope busy(*m_platform.dialogs);
        report = importResultsFile(csv, game, m_state.historyPath());
    }
    m_platform.dialogs->message(report.text());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the main window by any means ends the program, as Exit does.
    event->accept();
    if (!m_exiting) {
        m_exiting = true;
        m_platform.program->exitProgram();
    }
}

void MainWindow::showDraw(const Draw &draw)
{
    for (int k = 1; k <= 7; ++k) {
        const qint16 value = k <= 6 ? draw.main[static_cast<size_t>(k - 1)] : draw.bonus;
        m_state.displayedDraw[static_cast<size_t>(k - 1)] = value;
        m_ui.ballLabels[static_cast<size_t>(k - 1)]->setText(ballCaption(value));
        colourBall(k, value);
    }
    showBalls();
    showNumbers();
}

void MainWindow::colourBall(int position, int number)
{
    if (position < 1 || position > 7)
        return;
    const BallColours c = ballColours(number);
    m_ui.shapes[static_cast<size_t>(position - 1)]->setFillColour(QColor::fromRgb(c.fill));
    QLabel *label = m_ui.ballLabels[static_cast<size_t>(position - 1)];
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor::fromRgb(c.text));
    label->setPalette(p);
}

void MainWindow::showBalls()
{
    for (BallShape *s : m_ui.shapes)
        s->show();
}

void MainWindow::hideBalls()
{
    for (BallShape *s : m_ui.shapes)
        s->hide();
}

void MainWindow::showNumbers()
{
    for (QLabel *l : m_ui.ballLabels)
        l->show();
}

void MainWindow::hideNumbers()
{
    for (QLabel *l : m_ui.ballLabels)
        l->hide();
}

void MainWindow::clearBallCaptions()
{
    for (QLabel *l : m_ui.ballLabels)
        l->clear();
}

void MainWindow::returnToMain()
{
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void MainWindow::showPrintoutSaved(const QString &path)
{
    statusBar()->showMessage(QStringLiteral("No printer was found; the printout was saved as %1").arg(path));
}

} // namespace ds
