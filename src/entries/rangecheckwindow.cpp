#include "entries/rangecheckwindow.h"

#include "core/drawhistory.h"
#include "entries/rangecheck.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ds {

namespace {

QLineEdit *readOnly(const char *name, const QString &tip)
{
    QLineEdit *b = readOnlyBox(name);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

// Lines added to a list between two repaints of the progress bar.
constexpr int ListBatch = 8192;
// Least time between two repaints of the progress bar.
constexpr int RepaintMs = 40;

} // namespace

RangeCheckWindow::RangeCheckWindow(AppState &state, const Platform &platform)
    : m_state(state), m_platform(platform)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Entry Check Against Previous Draws"));

    m_entryList = named(new QListWidget, "List2");
    m_entryList->setToolTip(QStringLiteral("List of your selections for the draw."));
    m_entryList->setFont(fixedPitchFont());
    m_entryList->setUniformItemSizes(true);
    m_count = named(new QLabel, "Label1");

    auto picker = [](const char *name) {
        auto *c = named(new QComboBox, name);
        return c;
    };
    auto *from = named(new QGroupBox(QStringLiteral("Set From Month/Year")), "Frame1");
    from->setToolTip(QStringLiteral("Set month and year for the start of the check"));
    auto *to = named(new QGroupBox(QStringLiteral("Set To Month/Year")), "Frame2");
    to->setToolTip(QStringLiteral("Set month and year for the end of the check"));
    m_pickers = {picker("Combo1"), picker("Combo2"), picker("Combo3"), picker("Combo4")};
    for (int i : {0, 2})
        m_pickers[static_cast<size_t>(i)]->addItems(rangecheck::monthNames());
    auto *fromLay = new QHBoxLayout(from);
    fromLay->addWidget(m_pickers[0]);
    fromLay->addWidget(m_pickers[1]);
    auto *toLay = new QHBoxLayout(to);
    toLay->addWidget(m_pickers[2]);
    toLay->addWidget(m_pickers[3]);

    m_check = button("Command2", QStringLiteral("Check"), QStringLiteral("Starts the checking process"));
    m_check->setDefault(true); // Enter checks
    auto *close = button("Command1", QStringLiteral("Close"), QStringLiteral("Closes this form"));

    m_progress = named(new QProgressBar, "ProgressBar1");
    m_progress->setToolTip(QStringLiteral("Shows the progress of the check"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);

    m_wins = named(new QListWidget, "List1");
    m_wins->setToolTip(QStringLiteral("List Of Winning Entries."));
    m_wins->setFont(fixedPitchFont());
    m_wins->setUniformItemSizes(true);

    m_start = readOnly("Text8", QStringLiteral("The start draw date."));
    m_end = readOnly("Text9", QStringLiteral("The end draw date"));
    // Boxes 1 to 7 of the older eras, 10 for two numbers and 11 for two and
    // the bonus (Text8 and Text9 are the dates); each label is Label(box + 2).
    static const char *totalLabels[rangecheck::MaxTotals] = {
        "Match 3 total",         "Match 4 total",         "Match 5 total", "Jackpot total", "Match 5 + Bonus total",
        "Match 4 + Bonus total", "Match 3 + Bonus total", nullptr,         nullptr,         "Match 2 total",
        "Match 2 + Bonus total"};
    auto *results = new QGridLayout;
    results->addWidget(named(new QLabel(QStringLiteral("Results")), "Label2"), 0, 0, 1, 2);
    int row = 1;
    for (int i = 0; i < rangecheck::MaxTotals; ++i) {
        if (totalLabels[i] == nullptr)
            continue;
        const size_t b = static_cast<size_t>(i);
        m_totals[b] = readOnlyBox(QStringLiteral("Text%1").arg(i + 1).toLatin1().constData());
        m_totals[b]->setMaximumWidth(80);
        m_totalLabels[b] = new QLabel(QString::fromLatin1(totalLabels[i]));
        m_totalLabels[b]->setObjectName(QStringLiteral("Label%1").arg(i + 3));
        results->addWidget(m_totalLabels[b], row, 0);
        results->addWidget(m_totals[b], row, 1);
        ++row;
    }
    m_totalsEra = named(new QLabel, "LabelTotalsEra");
    m_totalsEra->setWordWrap(true);
    m_totalsEra->setMaximumWidth(220);
    m_totalsEra->hide();
    results->addWidget(m_totalsEra, row, 0, 1, 2);
    auto *dates = new QGridLayout;
    dates->addWidget(new QLabel(QStringLiteral("Starting")), 0, 0);
    dates->addWidget(m_start, 0, 1);
    dates->addWidget(new QLabel(QStringLiteral("Ending")), 1, 0);
    dates->addWidget(m_end, 1, 1);

    auto *left = new QVBoxLayout;
    left->addWidget(m_count);
    left->addWidget(m_entryList, 1);
    left->addWidget(from);
    left->addWidget(to);
    left->addWidget(m_check);
    auto *middle = new QVBoxLayout;
    middle->addWidget(m_progress);
    middle->addWidget(m_wins, 1);
    middle->addLayout(dates);
    auto *right = new QVBoxLayout;
    right->addLayout(results);
    right->addStretch();
    right->addWidget(close);
    auto *lay = new QHBoxLayout(this);
    lay->addLayout(left, 1);
    lay->addLayout(middle, 2);
    lay->addLayout(right);
    resize(900, 560);

    connect(m_check, &QPushButton::clicked, this, &RangeCheckWindow::check);
    connect(close, &QPushButton::clicked, this, &RangeCheckWindow::closeWindow);
}

void RangeCheckWindow::load(const std::vector<Entry> &entries)
{
    m_entries = entries;
    QStringList lines;
    for (const Entry &e : entries)
        lines << entryLine(e.n);
    m_entryList->clear();
    m_entryList->addItems(lines);
    m_count->setText(QString::number(entries.size()) + QStringLiteral(" Selections"));

    const FileRead<std::vector<Draw>> read = rangecheck::readGameDraws(m_state.programFolder, m_state.game());
    if (!read.usable())
        m_platform.dialogs->message(HistoryUnreadableMessage);
    const QStringList years = rangecheck::historyYears(read.value);
    // The boxes of the era the range ends in by default: the newest.
    showBoxes(rangecheck::totalBoxes(latestEra(m_state.game())));
    for (int i : {1, 3}) {
        m_pickers[static_cast<size_t>(i)]->clear();
        m_pickers[static_cast<size_t>(i)]->addItems(years);
    }
    m_pickers[1]->setCurrentIndex(years.isEmpty() ? -1 : 0);
    m_pickers[3]->setCurrentIndex(static_cast<int>(years.size()) - 1);
    m_pickers[0]->setCurrentIndex(0);
    m_pickers[2]->setCurrentIndex(m_platform.clock->today().month() - 1);
}

void RangeCheckWindow::check()
{
    m_wins->clear();
    for (QLineEdit *t : m_totals)
        if (t != nullptr)
            t->clear();
    m_totalsEra->clear();
    m_totalsEra->hide();
    m_start->clear();
    m_end->clear();

    const int startMonth = m_pickers[0]->currentIndex() + 1;
    const int startYear = m_pickers[1]->currentText().toInt();
    const int endMonth = m_pickers[2]->currentIndex() + 1;
    const int endYear = m_pickers[3]->currentText().toInt();
    const QString refusal = rangecheck::validateRange(startMonth, startYear, endMonth, endYear);
    if (!refusal.isEmpty()) {
        m_platform.dialogs->message(refusal);
        return;
    }

    BusyScope busy(*m_platform.dialogs);
    const FileRead<std::vector<Draw>> read = rangecheck::readGameDraws(m_state.programFolder, m_state.game());
    if (!read.usable()) {
        m_platform.dialogs->message(HistoryUnreadableMessage);
        return;
    }
    const std::vector<Draw> &draws = read.value;
    if (draws.empty()) {
        m_platform.dialogs->message(QString::fromLatin1(rangecheck::MsgNoDraws));
        return;
    }
    const rangecheck::DrawRange range = rangecheck::findDrawRange(draws, startMonth, startYear, endMonth, endYear);
    const int total = std::max(1, range.last - range.first + 1);
    m_progress->setRange(0, total);
    m_progress->setValue(0);
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    const rangecheck::Result r = rangecheck::checkRange(
        m_entries, draws, range, m_state.game(), [&](int done) {
            if (sinceRepaint.elapsed() < RepaintMs)
                return;
            m_progress->setValue(done);
            m_progress->repaint();
            sinceRepaint.restart();
        });
    m_start->setText(r.startDate);
    m_end->setText(r.endDate);

    // The list is filled in batches with its repaints held back.
    m_wins->setUpdatesEnabled(false);
    for (qsizetype i = 0; i < r.lines.size(); i += ListBatch)
        m_wins->addItems(r.lines.mid(i, ListBatch));
    m_wins->setUpdatesEnabled(true);

    const std::vector<int> boxes = r.boxes();
    showBoxes(boxes);
    for (int b : boxes)
        if (QLineEdit *t = m_totals[static_cast<size_t>(b)])
            t->setText(QString::number(r.totals[static_cast<size_t>(b)]));
    if (r.crossesEras && r.lastEra != nullptr) {
        m_totalsEra->setText(QStringLiteral("The range crosses eras: each draw is judged by the tiers of its own "
                                            "era, and the boxes are those of %1, the era of the last draw.")
                                 .arg(eraTitle(*r.lastEra)));
        m_totalsEra->show();
    }
    m_progress->setValue(total);
}

void RangeCheckWindow::showBoxes(const std::vector<int> &boxes)
{
    for (size_t b = 0; b < m_totals.size(); ++b) {
        if (m_totals[b] == nullptr)
            continue;
        const bool shown = std::find(boxes.begin(), boxes.end(), static_cast<int>(b)) != boxes.end();
        m_totals[b]->setVisible(shown);
        m_totalLabels[b]->setVisible(shown);
    }
}

void RangeCheckWindow::closeWindow()
{
    m_state.entryCount = 0;
    giveBack();
}

} // namespace ds
