#include "thunderball/thunderwindow.h"

#include "thunderball/resultsimport.h"
#include "platform/platform.h"
#include "thunderball/maintainwindow.h"
#include "thunderball/resultentrywindow.h"
#include "thunderball/resultsedit.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderinput.h"
#include "thunderball/thunderprintwindows.h"
#include "thunderball/thunderstatswindows.h"
#include "thunderball/thunderview.h"
#include "widgets/ballrow.h"
#include "widgets/controls.h"
#include "widgets/monthcalendar.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace ds {

using namespace thunder;

namespace {

QStringList lines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The widest line the results list shows (a winning line is bold), whole,
// beside a vertical scroll bar.
int resultsListWidth(const QListWidget *list)
{
    QFont bold = list->font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    ThunderResult widest;
    widest.main = {30, 30, 30, 30, 30};
    widest.thunderball = 10;
    int text = fm.horizontalAdvance(NoResultLine);
    for (const Era &era : erasOf(Game::Thunderball))
        for (const TierList &list : era.tierLists)
            for (const Tier &tier : list.tiers)
                text = std::max(text, fm.horizontalAdvance(winLine(widest, tier)));
    const QStyle *style = list->style();
    const int textMargins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int scrollBar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    return text + textMargins + scrollBar + 2 * list->frameWidth() + fm.averageCharWidth();
}

} // namespace

ThunderballWindow::ThunderballWindow(const QString &programFolder, const Platform &platform)
    : m_folder(programFolder), m_platform(platform)
{
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("Thunderball"));

    auto *bar = new QMenuBar;
    QMenu *file = named(bar->addMenu(QStringLiteral("File")), "mnuFile");
    QAction *import = menuItem(file, "mnuImport", QStringLiteral("Import Results..."));
    QAction *update = menuItem(file, "mnuUpdateTB", QStringLiteral("Update Results"));
    QAction *exportResults = menuItem(file, "mnuExportTB", QStringLiteral("Export Results..."));
    file->addSeparator();
    QAction *exit = menuItem(file, "mnuExit", QStringLiteral("Exit"));
    QMenu *printMenu = named(bar->addMenu(QStringLiteral("Print")), "mnuprint");
    QAction *printResults = menuItem(printMenu, "mnuresults", QStringLiteral("Results"));
    QAction *printSelections = menuItem(printMenu, "mnuselections", QStringLiteral("Selections"));
    QAction *printTickets = menuItem(printMenu, "mnutickets", QStringLiteral("Tickets"));
    QAction *printDraws = menuItem(printMenu, "mnuDraws", QStringLiteral("Draw History"));
    QAction *showDraws = bar->addAction(QStringLiteral("Display Draw History"));
    showDraws->setObjectName(QStringLiteral("mnuDispResults"));
    QAction *download = bar->addAction(QStringLiteral("Download Results"));
    download->setObjectName(QStringLiteral("mnuDr"));
    QAction *stats = bar->addAction(QStringLiteral("Statistics"));
    stats->setObjectName(QStringLiteral("mnuStats"));
    connect(download, &QAction::triggered, this, &ThunderballWindow::downloadRequested);
    connect(import, &QAction::triggered, this, &ThunderballWindow::importResults);
    connect(update, &QAction::triggered, this, &ThunderballWindow::updateRequested);
    connect(exportResults, &QAction::triggered, this, &ThunderballWindow::exportRequested);
    connect(exit, &QAction::triggered, this, &ThunderballWindow::closeWindow);
    connect(stats, &QAction::triggered, this, &ThunderballWindow::openStatistics);
    m_print = std::make_unique<ThunderPrintController>(m_folder, m_platform);
    connect(printResults, &QAction::triggered, this, [this] { m_print->printResults(lines(m_results)); });
    connect(printSelections, &QAction::triggered, this, [this] { m_print->printSelections(lines(m_selections)); });
    m_printTickets = printTickets;
    connect(printTickets, &QAction::triggered, this, [this] {
        m_print->printTickets(lines(m_selections), entriesPath(m_folder, calendarDate()), thunderEra(calendarDate()));
    });
    connect(printDraws, &QAction::triggered, this, [this] { m_print->printDrawHistory(thunderEra(calendarDate())); });
    connect(showDraws, &QAction::triggered, this,
            [this] { m_print->showDrawHistory(this, thunderEra(calendarDate())); });
    addMnemonics(bar);

    auto *frame1 = named(new QGroupBox, "Frame1");
    m_calendar = named(new MonthCalendar, "Calendar1");
    (new QVBoxLayout(frame1))->addWidget(m_calendar);
    // The player's date change: the program's own moves are made quietly.
    connect(m_calendar, &MonthCalendar::dateChanged, this, &ThunderballWindow::refresh);

    auto *drawResult = named(new QGroupBox(QStringLiteral("Draw Result")), "Frame3");
    {
        BallRowNames names;
        names.shapePrefix = "Shape";
        names.firstShape = 1;
        names.labelPrefix = "Label";
        names.firstLabel = 1;
        names.extraCaptionName = "Label6";
        names.extraCaption = QStringLiteral("Thunderball");
        names.lastLabel = 7;
        m_balls = new BallRow(6, names);
        auto *add = button("Command2", QStringLiteral("Add"), QStringLiteral("Add a result for the selected date"));
        auto *del = button("Command4", QStringLiteral("Delete"), QStringLiteral("Delete the displayed result"));
        connect(add, &QPushButton::clicked, this, &ThunderballWindow::addResult);
        connect(del, &QPushButton::clicked, this, &ThunderballWindow::deleteResult);
        auto *lay = new QVBoxLayout(drawResult);
        lay->addWidget(m_balls);
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(add);
        row->addWidget(del);
        lay->addLayout(row);
    }

    auto *selections = named(new QGroupBox(QStringLiteral("Selections")), "Frame2");
    {
        m_selections = named(new QListWidget, "List1");
        m_selections->setFont(fixedPitchFont());
        m_slider = named(new QSlider(Qt::Horizontal), "Slider1");
        m_slider->setRange(0, MaxWeeks);
        m_slider->setPageStep(1);
        m_slider->setTickPosition(QSlider::TicksBelow);
        m_slider->setTracking(false); // one change when the player lets go
        m_slider->setToolTip(QStringLiteral(
            "Select the number of weeks your entry covers from and including the date on the calendar."));
        auto *sliderLabel = named(new QLabel(QStringLiteral("Weeks Cover")), "Label10");
        sliderLabel->setToolTip(QStringLiteral("Use the slider to set the number of weeks cover"));
        m_weeks = named(new QLabel(WeeksLabelEmpty), "Label11");
        m_entries = named(new QLabel(EntriesLabelEmpty), "Label9");
        auto *del = button("Command3", QStringLiteral("Delete"),
                           QStringLiteral("Use to delete a highlighted entry. Only the highlighted entry is deleted, "
                                          "not the list of selections."));
        auto *maintainButton = button("Command5", QStringLiteral("Maintain"), QStringLiteral("Use to enter your selections"));
        connect(m_slider, &QSlider::valueChanged, this, &ThunderballWindow::weeksChanged);
        connect(del, &QPushButton::clicked, this, &ThunderballWindow::deleteEntry);
        connect(maintainButton, &QPushButton::clicked, this, &ThunderballWindow::maintain);

        auto *lay = new QVBoxLayout(selections);
        lay->addWidget(m_selections, 1);
        auto *counts = new QHBoxLayout;
        counts->addWidget(m_entries);
        counts->addStretch();
        counts->addWidget(m_weeks);
        lay->addLayout(counts);
        auto *sliderRow = new QHBoxLayout;
        sliderRow->addWidget(sliderLabel);
        sliderRow->addWidget(m_slider, 1);
        lay->addLayout(sliderRow);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(del);
        buttons->addWidget(maintainButton);
        lay->addLayout(buttons);
    }

    auto *results = named(new QGroupBox(QStringLiteral("Results")), "Frame4");
    {
        m_results = named(new QListWidget, "List2");
        m_results->setFont(fixedPitchFont());
        m_results->setMinimumWidth(resultsListWidth(m_results));
        m_winTotal = named(new QLabel, "Label8");
        auto *lay = new QVBoxLayout(results);
        lay->addWidget(m_results, 1);
        lay->addWidget(m_winTotal);
    }

    auto *close = button("Command1", QStringLiteral("Close"), QStringLiteral("Return to the main Drawsmith screen"));
    connect(close, &QPushButton::clicked, this, &ThunderballWindow::closeWindow);

    auto *left = new QVBoxLayout;
    left->addWidget(frame1);
    left->addWidget(drawResult);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(selections, 1);
    right->addWidget(results, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->setMenuBar(bar);
    lay->addLayout(columns, 1);
    lay->addLayout(bottom);

    m_resultEntry = std::make_unique<ResultEntryWindow>(m_folder, m_platform);
    connect(m_resultEntry.get(), &ResultEntryWindow::saved, this, &ThunderballWindow::refresh);
    m_maintain = std::make_unique<MaintainEntriesWindow>(m_folder, m_platform);
    connect(m_maintain.get(), &MaintainEntriesWindow::entriesChanged, this,
            [this](int count) { m_entries->setText(entriesLabel(count)); });
    connect(m_maintain.get(), &MaintainEntriesWindow::closing, this, &ThunderballWindow::refresh);
    m_stats = std::make_unique<ThunderStatistics>(m_folder, m_platform);
}

ThunderballWindow::~ThunderballWindow() = default;

void ThunderballWindow::openFrom(QWidget *mainWindow)
{
    {
        // Not the player's change: the refresh below follows the opening.
        const QSignalBlocker quiet(m_calendar);
        m_calendar->setDate(m_platform.clock->today());
    }
    openOver(mainWindow, OpenerMode::Minimise);
    refresh();
}

QDate ThunderballWindow::calendarDate() const
{
    return m_calendar->date();
}

bool ThunderballWindow::resultShown() const
{
    return !m_balls->number(1).isEmpty();
}

void ThunderballWindow::showResult(const std::optional<ThunderResult> &result)
{
    if (!result) {
        m_balls->clearNumbers();
        m_balls->hideBalls();
        return;
    }
    for (int i = 0; i < 5; ++i)
        m_balls->setBall(i + 1, result->main[static_cast<size_t>(i)]);
    m_balls->setBall(6, result->thunderball);
    m_balls->showBalls();
    m_balls->showNumbers();
}

void ThunderballWindow::showResult()
{
    const QDate d = calendarDate();
    if (!d.isValid()) {
        showResult(std::nullopt);
        return;
    }
    const FileRead<std::vector<ThunderResult>> read = readThunderResults(resultsPath(m_folder, thunderEra(d)));
    showResult(findResult(read.value, d.day(), d.month(), d.year()));
}

void ThunderballWindow::refresh()
{
    BusyScope busy(*m_platform.dialogs);
    m_selections->clear();
    m_results->clear();
    m_winTotal->clear();
    m_weeks->setText(WeeksLabelEmpty);
    m_entries->setText(EntriesLabelEmpty);
    const QDate d = calendarDate();
    if (!d.isValid()) {
        showResult();
        m_weeksShown = 0;
        setSlider(0);
        return;
    }
    const ThunderView v = refreshView(m_folder, d);
    if (!v.resultsOk)
        m_platform.dialogs->message(QString::fromLatin1(MsgResultsUnreadable));
    if (!v.entriesOk)
        m_platform.dialogs->message(QString::fromLatin1(MsgEntriesUnreadable));
    m_calendar->setMarkedDates(v.resultDates);
    showResult(v.result);
    m_printTickets->setEnabled(v.tickets);
    m_selections->addItems(v.selections);
    m_weeks->setText(v.weeksLabel);
    m_entries->setText(v.entriesLabel);
    m_weeksShown = v.sliderValue;
    setSlider(m_weeksShown);
    showCheck(v);
}

void ThunderballWindow::setSlider(int weeks)
{
    const QSignalBlocker quiet(m_slider);
    m_slider->setValue(weeks);
}

void ThunderballWindow::showCheck(const ThunderView &v)
{
    m_results->addItems(v.check.lines);
    // Winning lines stand out, as in the lotto lists.
    for (int row : v.check.winRows) {
        if (QListWidgetItem *item = m_results->item(row)) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
    }
    if (v.check.ran)
        m_winTotal->setText(v.winTotal);
}

void ThunderballWindow::addResult()
{
    const QDate d = calendarDate();
    if (const Refusal r = refuseResultAdd(m_calendar->day(), m_calendar->month(), m_calendar->year(), resultShown())) {
        m_platform.dialogs->message(*r);
        return;
    }
    m_resultEntry->openFor(this, d);
}

void ThunderballWindow::deleteResult()
{
    if (const Refusal r = refuseResultDelete(resultShown())) {
        m_platform.dialogs->message(*r);
        return;
    }
    if (!m_platform.dialogs->ask(QString::fromLatin1(MsgConfirmDeleteResult)))
        return;
    const QDate d = calendarDate();
    if (thunder::deleteResult(resultsPath(m_folder, thunderEra(d)), d.day(), d.month(), d.year())
        == DeleteOutcome::Failed) {
        m_platform.dialogs->message(QString::fromLatin1(MsgResultNotDeleted));
        return;
    }
    showResult();
    m_results->clear();
    m_winTotal->clear();
    const ThunderView v = refreshView(m_folder, d);
    m_calendar->setMarkedDates(v.resultDates);
    if (resultShown() && m_selections->count() > 0) {
        // The date still has a result (another one of the same date): check it.
        showCheck(v);
    }
}

void ThunderballWindow::deleteEntry()
{
    QListWidgetItem *item = m_selections->currentItem();
    const int row = item && item->isSelected() ? m_selections->row(item) : -1;
    if (const Refusal r = refuseEntryDelete(row)) {
        m_platform.dialogs->message(*r);
        return;
    }
    if (thunder::deleteEntry(entriesPath(m_folder, calendarDate()), row) == EntryDeletion::Failed) {
        m_platform.dialogs->message(QString::fromLatin1(MsgEntryNotDeleted));
        return;
    }
    refresh();
}

void ThunderballWindow::maintain()
{
    if (const Refusal r = refuseMaintain(m_calendar->day(), m_calendar->month(), m_calendar->year())) {
        m_platform.dialogs->message(*r);
        return;
    }
    m_maintain->openFor(this, calendarDate());
}

void ThunderballWindow::weeksChanged(int weeks)
{
    // Refused or not saved, the slider goes back to the weeks stored.
    if (const Refusal r = refuseWeeksChange(m_calendar->day())) {
        setSlider(m_weeksShown);
        m_platform.dialogs->message(*r);
        return;
    }
    if (!setWeeks(entriesPath(m_folder, calendarDate()), weeks)) {
        setSlider(m_weeksShown);
        m_platform.dialogs->message(QString::fromLatin1(MsgEntryNotSaved));
        return;
    }
    m_weeks->setText(weeksLabel(weeks));
    refresh();
}

void ThunderballWindow::openStatistics()
{
    m_stats->open(this);
}

void ThunderballWindow::importResults()
{
    const QString csv = m_platform.dialogs->chooseOpenFile(
        QStringLiteral("Import Results"), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
        QStringLiteral("Results files (*.csv *.txt);;All files (*)"));
    if (csv.isEmpty())
        return;
    ImportReport report;
    {
        BusyScope busy(*m_platform.dialogs);
        report = importResultsFile(csv, Game::Thunderball, m_folder);
    }
    if (report.succeeded())
        m_platform.dialogs->inform(report.text());
    else
        m_platform.dialogs->message(report.text());
    refresh();
}

} // namespace ds
