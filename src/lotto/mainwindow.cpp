#include "lotto/mainwindow.h"

#include "core/games.h"
#include "entries/entryframes.h"
#include "entries/rangecheckcontroller.h"
#include "entries/selections.h"
#include "entries/standing.h"
#include "entries/suggestpanel.h"
#include "entries/ticketprinting.h"
#include "entries/winning.h"
#include "links/linkswindows.h"
#include "links/resultsexchange.h"
#include "lotto/dateselection.h"
#include "lotto/drawframe.h"
#include "lotto/drawhistorywindow.h"
#include "lotto/filedeletion.h"
#include "lotto/seconddraw.h"
#include "statistics/statisticscontroller.h"
#include "thunderball/resultsimport.h"
#include "wheels/wheelscontroller.h"
#include "thunderball/thunderballcontroller.h"
#include "thunderball/thunderwindow.h"
#include "widgets/controls.h"

#include <QCloseEvent>
#include <QDate>
#include <QLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStandardPaths>
#include <QStatusBar>
#include <exception>
#include <utility>

namespace ds {

namespace {

// The picture of a game's era: the game's colours and the numbers of the
// era ("UK" over "59").
QPixmap gamePicture(bool irish, int limit)
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
    p.drawText(QRect(30, 48, 36, 16), Qt::AlignCenter, QString::number(limit));
    return pm;
}

} // namespace

// The menu entries the window enables or wires.
struct MainWindow::Menus {
    QMenu *mnu3wheel = nullptr;
    QAction *mnu649 = nullptr, *mnuthunder = nullptr, *mnuIreland = nullptr, *mnuUKstats = nullptr,
            *mnuIRstats = nullptr;
    QAction *mnuFileMaintenance = nullptr, *mnuDrawHistory = nullptr, *mnuShowHistory = nullptr,
            *mnuPT = nullptr, *mnuImport = nullptr, *mnuUpdate = nullptr, *mnuExport = nullptr;
    QAction *mnuOSE = nullptr, *mnuSSE = nullptr, *mnucheck = nullptr;
    std::array<QAction *, links::LinkCount> mnufree{};
    QAction *mnumaintainlinks = nullptr, *mnuContents = nullptr, *mnuAbout = nullptr;
    QAction *mnuExit = nullptr;
};

MainWindow::MainWindow(AppState &state, const Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_platform(platform), m_menus(std::make_unique<Menus>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Drawsmith"));
    buildUi();
    buildMenus();
    buildControllers();
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildUi()
{
    auto *central = new QWidget;
    auto *top = new QGridLayout(central);
    m_drawFrame = new DrawFrame(m_state);
    m_picture = named(new QLabel, "Image8");
    m_picture->setFixedSize(96, 96);
    m_selectionsFrame = new SelectionsFrame;
    m_winningFrame = new WinningFrame;
    m_maintainFrame = new MaintainFrame;

    top->addWidget(m_drawFrame, 0, 0, 1, 2);
    top->addWidget(m_picture, 0, 2, Qt::AlignCenter);
    top->addWidget(m_selectionsFrame, 1, 0);
    top->addWidget(m_winningFrame, 1, 1);
    top->addWidget(m_maintainFrame, 1, 2, Qt::AlignTop);
    // The lists take the extra space.
    top->setColumnStretch(0, 1);
    top->setColumnStretch(1, 1);
    top->setRowStretch(1, 1);
    setCentralWidget(central);

    // The status line shows the menus' tips.
    statusBar();

    connect(m_drawFrame, &DrawFrame::changeClicked, this, &MainWindow::onChangeDraw);
    // The picture names the numbers of the era in use.
    connect(m_drawFrame, &DrawFrame::dateChanged, this, [this] { setPicture(gameInfo(m_state.game()).picture); });
    connect(m_selectionsFrame, &SelectionsFrame::changeClicked, this, &MainWindow::onChangeSelections);
}

void MainWindow::buildMenus()
{
    Menus &m = *m_menus;
    QMenuBar *bar = menuBar();
    auto topMenu = [bar](const char *name, const QString &caption) {
        QMenu *menu = bar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu *country = topMenu("mnuCountry", QStringLiteral("Country"));
    QMenu *uk = subMenu(country, "mnuUK", QStringLiteral("UK"));
    m.mnu649 = menuItem(uk, "mnu649", QStringLiteral("6 from 49"));
    m.mnuthunder = menuItem(uk, "mnuthunder", QStringLiteral("Thunderball"));
    m.mnuIreland = menuItem(country, "mnuIreland", QStringLiteral("Ireland"));
    m.mnuUKstats = menuItem(country, "mnuUKstats", QStringLiteral("UK Stats"));
    m.mnuIRstats = menuItem(country, "mnuIRstats", QStringLiteral("Irish Stats"));

    QMenu *files = topMenu("mnuFileManager", QStringLiteral("File Manager"));
    m.mnuFileMaintenance = menuItem(files, "mnuFileMaintenance", QStringLiteral("File Maintenance"));
    m.mnuDrawHistory = menuItem(files, "mnuDrawHistory", QStringLiteral("Print Draw History File"));
    m.mnuShowHistory = menuItem(files, "mnuShowHistory", QStringLiteral("Show Draw History File"));
    m.mnuPT = menuItem(files, "mnuPT", QStringLiteral("Print Tickets"));
    QMenu *standing = subMenu(files, "mnuSE", QStringLiteral("Standing Entry"));
    m.mnuOSE = menuItem(standing, "mnuOSE", QStringLiteral("Open Standing Entry"));
    m.mnuSSE = menuItem(standing, "mnuSSE", QStringLiteral("Save as Standing Entry"));
    m.mnucheck = menuItem(standing, "mnucheck", QStringLiteral("Check Standing Entry Against Previous Draws"));
    QMenu *wheels = subMenu(files, "mnuWheels", QStringLiteral("Wheels"));
    QMenu *w6 = subMenu(wheels, "mnu6", QStringLiteral("6"));
    menuItem(w6, "mnuWheel1", QStringLiteral("New"));
    menuItem(w6, "mnuWheelfile", QStringLiteral("Open Wheeling File"));
    menuItem(w6, "mnuWheelCheck", QStringLiteral("Check Wheeling File Against Previous Draws"));
    QMenu *w5 = subMenu(wheels, "mnu5", QStringLiteral("5"));
    menuItem(w5, "mnu5new", QStringLiteral("New"));
    menuItem(w5, "mnu5open", QStringLiteral("Open Wheeling File"));
    menuItem(w5, "mnu5check", QStringLiteral("Check Wheeling File Against Previous Draws"));
    QMenu *w4 = subMenu(wheels, "mnu4", QStringLiteral("4"));
    menuItem(w4, "mnu4new", QStringLiteral("New"));
    menuItem(w4, "mnu4open", QStringLiteral("Open Wheeling File"));
    menuItem(w4, "mnu4check", QStringLiteral("Check Wheeling File Against Previous Draw"));
    m.mnu3wheel = subMenu(wheels, "mnu3wheel", QStringLiteral("3"));
    menuItem(m.mnu3wheel, "mnu3new", QStringLiteral("New"));
    menuItem(m.mnu3wheel, "mnu3open", QStringLiteral("Open Wheeling File"));
    menuItem(m.mnu3wheel, "mnu3check", QStringLiteral("Check Wheeling File Against Previous Draw"));
    // Each submenu keeps its number; its status tip says what the number is.
    for (const auto &[menu, n] : {std::pair{w6, 6}, std::pair{w5, 5}, std::pair{w4, 4}, std::pair{m.mnu3wheel, 3}})
        menu->menuAction()->setStatusTip(
            QStringLiteral("Wheels that guarantee a %1-number match: if any %1 of your chosen numbers are drawn, "
                           "at least one line matches %1%2.")
                .arg(n)
                .arg(n == 6 ? QStringLiteral(" (the jackpot)") : QString()));
    m.mnuImport = menuItem(files, "mnuImport", QStringLiteral("Import Results..."));
    m.mnuUpdate = menuItem(files, "mnuUpdate", QStringLiteral("Update Results"));
    m.mnuUpdate->setStatusTip(QStringLiteral("Fetch the official results file of the current game and import it"));
    m.mnuExport = menuItem(files, "mnuExport", QStringLiteral("Export Results..."));
    m.mnuExport->setStatusTip(QStringLiteral("Write every draw of the current game to a results file"));

    QMenu *links = topMenu("mnuWebLinks", QStringLiteral("Web Links"));
    const QString linkCaptions[5] = {QStringLiteral("Download Results File"), QStringLiteral("Drawsmith Web Page"),
                                     QStringLiteral("Free3"), QStringLiteral("Free4"), QStringLiteral("Free5")};
    for (int i = 0; i < 5; ++i) {
        QAction *a = links->addAction(linkCaptions[i]);
        a->setObjectName(QStringLiteral("mnufree%1").arg(i + 1));
        m.mnufree[static_cast<size_t>(i)] = a;
    }
    m.mnumaintainlinks = menuItem(links, "mnumaintainlinks", QStringLiteral("Maintain Links"));

    QMenu *help = topMenu("mnuHelp", QStringLiteral("Help"));
    m.mnuContents = menuItem(help, "mnuContents", QStringLiteral("Contents"));
    m.mnuContents->setShortcut(QKeySequence(Qt::Key_F1));
    m.mnuAbout = menuItem(help, "mnuAbout", QStringLiteral("About"));

    m.mnuExit = bar->addAction(QStringLiteral("Exit"));
    m.mnuExit->setObjectName(QStringLiteral("mnuExit"));
    m.mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addMnemonics(bar);

    // Each game's entry says which eras it covers, newest first.
    for (const auto &[action, game] : {std::pair{m.mnu649, Game::UK}, std::pair{m.mnuIreland, Game::Irish},
                                       std::pair{m.mnuthunder, Game::Thunderball}}) {
        QStringList eras;
        const std::span<const Era> all = erasOf(game);
        for (auto e = all.rbegin(); e != all.rend(); ++e)
            eras << eraTitle(*e);
        action->setStatusTip(QStringLiteral("%1: %2").arg(gameInfo(game).displayName(), eras.join(QStringLiteral(", "))));
    }
    connect(m.mnu649, &QAction::triggered, this, [this] { switchGame(Game::UK); });
    connect(m.mnuIreland, &QAction::triggered, this, [this] { switchGame(Game::Irish); });
    connect(m.mnuthunder, &QAction::triggered, this, &MainWindow::onThunderball);
    connect(m.mnuExit, &QAction::triggered, this, &MainWindow::onExit);
    connect(m.mnuImport, &QAction::triggered, this, &MainWindow::onImport);
    connect(m.mnuUpdate, &QAction::triggered, this, &MainWindow::onUpdate);
    connect(m.mnuExport, &QAction::triggered, this, &MainWindow::onExport);
}

void MainWindow::buildControllers()
{
    const Menus &m = *m_menus;
    m_selections = std::make_unique<SelectionsController>(*m_selectionsFrame, *m_maintainFrame, m_state, m_platform);
    m_winning = std::make_unique<WinningController>(*m_winningFrame, *m_selections, m_state, m_platform,
                                                    [this] { return m_drawFrame->hasDate(); });
    m_standing = std::make_unique<StandingEntryController>(*m_selections, m_state, m_platform);
    m_suggest = std::make_unique<SuggestController>(*m_maintainFrame, *m_selections, m_state, m_platform, this);
    m_dateDialog = std::make_unique<DateSelectionDialog>(m_state, m_platform, *m_drawFrame, *m_selections,
                                                         *m_winningFrame);
    m_secondDraw = std::make_unique<SecondDrawController>(*m_drawFrame, *m_winningFrame, m_state, m_platform, this);
    m_history = std::make_unique<DrawHistoryController>(m_state, m_platform, this, [this]() -> const Era & { return eraInUse(); });
    m_fileMaintenance = std::make_unique<FileMaintenanceController>(*m_drawFrame, *m_selections, *m_winningFrame,
                                                                    m_state, m_platform, this);
    m_statistics = std::make_unique<StatisticsController>(m_state, m_platform, this);
    m_thunderball = std::make_unique<ThunderballController>(m_state, m_platform, this);
    m_tickets = std::make_unique<TicketController>(m_state, m_platform, this);

    connect(m.mnuSSE, &QAction::triggered, m_standing.get(), &StandingEntryController::save);
    connect(m.mnuOSE, &QAction::triggered, m_standing.get(), &StandingEntryController::open);
    connect(m.mnuShowHistory, &QAction::triggered, m_history.get(), &DrawHistoryController::showHistory);
    connect(m.mnuDrawHistory, &QAction::triggered, m_history.get(), &DrawHistoryController::printHistoryFile);
    connect(m.mnuPT, &QAction::triggered, m_tickets.get(), &TicketController::printTickets);
    connect(m.mnuFileMaintenance, &QAction::triggered, m_fileMaintenance.get(),
            &FileMaintenanceController::fileMaintenance);
    connect(m.mnuUKstats, &QAction::triggered, this, [this] { m_statistics->openStatistics(Game::UK); });
    connect(m.mnuIRstats, &QAction::triggered, this, [this] { m_statistics->openStatistics(Game::Irish); });
    // The window returns to its size when the maintain area closes.
    connect(m_selections.get(), &SelectionsController::maintainOpening, this, [this] {
        if (!m_sizeBeforeMaintain.isValid())
            m_sizeBeforeMaintain = size();
    });
    connect(m_selections.get(), &SelectionsController::maintainClosed, this, &MainWindow::restoreSizeBeforeMaintain);
    connect(m_statistics.get(), &StatisticsController::bestSixSaved, m_maintainFrame,
            &MaintainFrame::setBestSixEnabled);

    m_links = std::make_unique<LinksController>(m_state, m_platform, this);
    for (int k = 1; k <= links::LinkCount; ++k)
        connect(m.mnufree[static_cast<size_t>(k - 1)], &QAction::triggered, this, [this, k] { m_links->openEntry(k); });
    connect(m.mnumaintainlinks, &QAction::triggered, m_links.get(), &LinksController::maintainLinks);
    connect(m.mnuContents, &QAction::triggered, m_links.get(), &LinksController::showContents);
    connect(m.mnuAbout, &QAction::triggered, m_links.get(), &LinksController::showAbout);
    connect(m_thunderball.get(), &ThunderballController::downloadRequested, this,
            [this] { m_links->downloadResults(Game::Thunderball); });
    m_exchange = std::make_unique<ResultsExchange>(m_state, m_platform);
    connect(m_thunderball.get(), &ThunderballController::updateRequested, this,
            [this] { m_exchange->updateResults(Game::Thunderball, m_thunderball->thunderballWindow()); });
    connect(m_thunderball.get(), &ThunderballController::exportRequested, this,
            [this] { m_exchange->exportResults(Game::Thunderball); });
    connect(m_exchange.get(), &ResultsExchange::resultsUpdated, this, [this](Game game) {
        if (game == Game::Thunderball && m_thunderball->thunderballWindow())
            m_thunderball->thunderballWindow()->refresh();
    });
    connect(m_links.get(), &LinksController::menuChanged, this, [this](const auto &entries) {
        for (size_t i = 0; i < entries.size(); ++i) {
            m_menus->mnufree[i]->setText(entries[i].caption);
            m_menus->mnufree[i]->setVisible(entries[i].visible);
        }
    });
    wireWheels();
}

// The Wheels menu and the checks against previous draws.
void MainWindow::wireWheels()
{
    m_wheels = std::make_unique<WheelsController>(m_state, m_platform, this);
    m_rangeCheck = std::make_unique<RangeCheckController>(*m_selections, *m_winningFrame, m_state, m_platform, this);
    auto action = [this](const char *name) { return findChild<QAction *>(QString::fromLatin1(name)); };
    struct WheelMenu { int guarantee; const char *newEntry, *openEntry, *checkEntry; };
    static constexpr WheelMenu WheelMenus[] = {
        {6, "mnuWheel1", "mnuWheelfile", "mnuWheelCheck"},
        {5, "mnu5new", "mnu5open", "mnu5check"},
        {4, "mnu4new", "mnu4open", "mnu4check"},
        {3, "mnu3new", "mnu3open", "mnu3check"},
    };
    for (const WheelMenu &w : WheelMenus) {
        const int g = w.guarantee;
        connect(action(w.newEntry), &QAction::triggered, this, [this, g] { m_wheels->newWheel(g); });
        connect(action(w.openEntry), &QAction::triggered, this, [this, g] { m_wheels->openWheelFile(g); });
        const QString check = QString::fromLatin1(w.checkEntry);
        connect(action(w.checkEntry), &QAction::triggered, this, [this, check] { m_rangeCheck->start(check); });
    }
    connect(m_menus->mnucheck, &QAction::triggered, this,
            [this] { m_rangeCheck->start(QStringLiteral("mnucheck")); });
    connect(m_wheels.get(), &WheelsController::leaveMaintainMode, m_selections.get(),
            &SelectionsController::leaveMaintainMode);
    connect(m_wheels.get(), &WheelsController::wheelSaved, m_selections.get(), &SelectionsController::closeFile);
    connect(m_wheels.get(), &WheelsController::wheelFileOpened, this,
            [this](const QString &path, const std::vector<Entry> &entries, const QString &name) {
                m_selections->showFile(path, entries, name);
                m_winningFrame->clearLines();
            });
    connect(m_rangeCheck.get(), &RangeCheckController::drawDisplayCleared, m_drawFrame, &DrawFrame::clearDraw);
}

void MainWindow::startUp()
{
    try {
        m_menus->mnuPT->setEnabled(false);
        m_winningFrame->setAllTiers(false);
        m_drawFrame->hideBalls();
        m_state.resetForStartup();
        m_maintainFrame->setSuggestMode(suggest::AddMode::Additional);
        m_selectionsFrame->setTotalText(QString::number(m_state.entryCount));
        m_maintainFrame->setBestSixEnabled(false);
        m_maintainFrame->hide();
        m_selectionsFrame->setDeleteShown(false);

        // The lotto game chosen last; the first of the table when none was.
        const QString remembered = m_platform.settings->value(QString::fromLatin1(RememberedCountryKey));
        Game game = AllGames.front();
        for (Game g : AllGames)
            if (gameInfo(g).code[0] != '\0' && remembered == QLatin1String(gameInfo(g).remembered))
                game = g;
        setUpGame(game);
        // The program keeps running without a usable folder; saving then fails
        // with its own message.
        if (!m_state.programFolderProblem.isEmpty())
            m_platform.dialogs->message(m_state.programFolderProblem);
        if (!m_state.startupNews.isEmpty())
            m_platform.dialogs->inform(m_state.startupNews);
        m_links->loadMenu();
        m_drawFrame->findChild<QWidget *>(QStringLiteral("Command1"))->setFocus();
    } catch (const std::exception &) {
        m_platform.dialogs->message(QStringLiteral("There has been an unexpected error in errorlabel"));
        m_platform.program->endProgram();
    }
}

const Era &MainWindow::eraInUse() const
{
    const QDate shown = QDate::fromString(m_drawFrame->dateText(), QStringLiteral("d/M/yyyy"));
    return shown.isValid() ? eraOn(m_state.game(), shown) : m_state.newestEraWithDraws();
}

void MainWindow::setPicture(int index)
{
    const Era &era = eraInUse();
    m_picture->setPixmap(gamePicture(index == 2, era.mainLimit));
    m_picture->setProperty("picture", index);
    m_picture->setToolTip(QStringLiteral("%1 %2").arg(gameInfo(era.game).displayName(), eraTitle(era)));
}

void MainWindow::setUpGame(Game game)
{
    const GameInfo &info = gameInfo(game);
    m_state.countryCode = info.codeText();
    setPicture(info.picture);
    m_menus->mnu3wheel->menuAction()->setEnabled(info.wheel3);
    m_menus->mnuPT->setEnabled(info.tickets);
    // A game whose every date may hold a second draw offers it whatever the
    // date; another game only beside a date of two draws. The button takes
    // the name the era in use gives the second draw ("Second Draw", "Lotto
    // Plus 1"); a date chosen later gives it the name of its own era.
    bool alwaysTwo = true;
    for (const Era &e : erasOf(game))
        for (const DrawsPerDate &rule : e.drawsPerDate)
            alwaysTwo = alwaysTwo && rule.draws > 1;
    QString caption = QStringLiteral("Second Draw");
    for (const DrawsPerDate &rule : eraInUse().drawsPerDate)
        if (rule.secondButton != nullptr)
            caption = QString::fromLatin1(rule.secondButton);
    m_drawFrame->setSecondDrawOffered(alwaysTwo, caption);
}

void MainWindow::switchCountryResets()
{
    m_winningFrame->clearLines();
    // The current entry file and count stay as they are; only the display goes.
    m_selections->clearDisplay();
    m_drawFrame->clearDraw();
    m_maintainFrame->clearAddBoxes();
    m_selections->leaveMaintainMode();
    m_maintainFrame->setBestSixEnabled(false);
    m_suggest->forgetConstraints();
}

void MainWindow::switchGame(Game game)
{
    const GameInfo &info = gameInfo(game);
    if (m_state.countryCode != info.codeText()) {
        m_platform.settings->setValue(QString::fromLatin1(RememberedCountryKey),
                                      QString::fromLatin1(info.remembered));
        switchCountryResets();
    }
    setUpGame(game);
}

void MainWindow::onThunderball()
{
    // Thunderball sits in the menu of a lotto game, which it leaves remembered.
    const QString menuGame = QString::fromLatin1(gameInfo(Game::Thunderball).remembered);
    if (m_state.countryCode.isEmpty() || QLatin1String(m_state.info().remembered) != menuGame)
        m_platform.settings->setValue(QString::fromLatin1(RememberedCountryKey), menuGame);
    m_thunderball->open();
}

void MainWindow::onChangeDraw()
{
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You must select a Country"));
        return;
    }
    m_state.displayedDrawNumber = 0;
    m_winningFrame->clearLines();
    m_state.dateSelectionMode = DateSelectionMode::ChangeDrawNumbers;
    m_dateDialog->openCalendarFace(this);
}

void MainWindow::onChangeSelections()
{
    if (m_state.countryCode.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("You need to select a Country"));
        return;
    }
    m_state.dateSelectionMode = DateSelectionMode::ChangeSelections;
    m_winningFrame->clearLines();
    m_dateDialog->openCalendarFace(this);
}

void MainWindow::onExit()
{
    m_exiting = true;
    m_platform.program->exitProgram();
}

bool MainWindow::countryChosen()
{
    if (!m_state.countryCode.isEmpty())
        return true;
    m_platform.dialogs->message(QStringLiteral("You must select a Country first"));
    return false;
}

void MainWindow::onUpdate()
{
    if (countryChosen())
        m_exchange->updateResults(m_state.game(), this);
}

void MainWindow::onExport()
{
    if (countryChosen())
        m_exchange->exportResults(m_state.game());
}

void MainWindow::onImport()
{
    if (!countryChosen())
        return;
    const QString csv = m_platform.dialogs->chooseOpenFile(
        QStringLiteral("Import Results"), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
        QStringLiteral("Results files (*.csv *.txt);;All files (*)"));
    if (csv.isEmpty())
        return;
    ImportReport report;
    {
        BusyScope busy(*m_platform.dialogs);
        report = importResultsFile(csv, m_state.game(), m_state.programFolder);
    }
    if (report.succeeded())
        m_platform.dialogs->inform(report.text());
    else
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

void MainWindow::restoreSizeBeforeMaintain()
{
    if (!m_sizeBeforeMaintain.isValid())
        return;
    const QSize before = m_sizeBeforeMaintain;
    m_sizeBeforeMaintain = QSize();
    // Once the layout has let the area go, the window can shrink again.
    centralWidget()->layout()->activate();
    centralWidget()->updateGeometry();
    layout()->activate();
    resize(before.expandedTo(minimumSizeHint()));
}

} // namespace ds
