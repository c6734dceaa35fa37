#include "entries/ticketprinting.h"

#include "core/filenames.h"
#include "core/appstate.h"
#include "core/entryfile.h"
#include "core/printersettings.h"
#include "entries/tickets.h"
#include "platform/printreport.h"
#include "widgets/controls.h"
#include "widgets/marklayout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ds {

namespace {

// The lotto ticket layout, in twips: the offset limits keep every mark's corner
// on it, and its printed page reaches a mark beyond (MarkLayout::emptyJob).
constexpr int LottoPageWidth = 12000;
constexpr int LottoPageHeight = 11000;

} // namespace

TicketPrintingWindow::TicketPrintingWindow()
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Ticket Printing"));

    auto *frame = named(new QGroupBox(QStringLiteral("Printer Setup")), "Frame1");
    m_left = lineBox("Text1", 80);
    m_top = lineBox("Text2", 80);
    auto *leftLabel = named(new QLabel(QStringLiteral("Left")), "Label1");
    auto *topLabel = named(new QLabel(QStringLiteral("Top")), "Label2");
    leftLabel->setBuddy(m_left);
    topLabel->setBuddy(m_top);
    auto *test = button("Command1", QStringLiteral("Test"), QStringLiteral("Output test ticket"));
    auto *save = button("Command3", QStringLiteral("Save Setting"), QStringLiteral("Save the settings for Left and right"));
    auto *recall = button("Command2", QStringLiteral("Recall Setting"),
                          QStringLiteral("Use this to recall any saved settings"));
    auto *print = button("Command5", QStringLiteral("Print Entries"),
                         QStringLiteral("Print your selections onto the tickets"));
    auto *close = button("Command4", QStringLiteral("Close"), QStringLiteral("Close this form"));
    // The offsets take effect with a test ticket: Enter in a box prints one.
    test->setDefault(true);

    auto *grid = new QGridLayout(frame);
    grid->addWidget(leftLabel, 0, 0);
    grid->addWidget(m_left, 0, 1);
    grid->addWidget(topLabel, 1, 0);
    grid->addWidget(m_top, 1, 1);
    grid->setColumnStretch(2, 1);
    auto *frameButtons = new QHBoxLayout;
    frameButtons->addWidget(test);
    frameButtons->addWidget(save);
    frameButtons->addWidget(recall);
    grid->addLayout(frameButtons, 2, 0, 1, 3);

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(frame);
    lay->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(print);
    bottom->addStretch(1);
    bottom->addWidget(close);
    lay->addLayout(bottom);

    setTabOrder(m_left, m_top);
    connect(test, &QPushButton::clicked, this, &TicketPrintingWindow::testClicked);
    connect(save, &QPushButton::clicked, this, &TicketPrintingWindow::saveClicked);
    connect(recall, &QPushButton::clicked, this, &TicketPrintingWindow::recallClicked);
    connect(print, &QPushButton::clicked, this, &TicketPrintingWindow::printClicked);
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
}

TicketController::TicketController(AppState &state, const Platform &platform, QWidget *window, QObject *parent)
    : QObject(parent), m_state(state), m_platform(platform), m_window(window)
{
}

TicketController::~TicketController() = default;

QString TicketController::settingsPath() const
{
    return m_state.filePath(files::PrinterSettings);
}

void TicketController::printTickets()
{
    if (m_state.entryCount <= 0) {
        m_platform.dialogs->message(tickets::NoEntriesMessage);
        return;
    }
    // The slip is the 6 from 49 one: entries of a later era cannot go on it.
    const bool dated = !files::selectionsDateKey(m_state.currentEntryFile).isEmpty();
    const std::vector<Entry> entries = dated ? std::vector<Entry>{} : entryfile::load(m_state.currentEntryFile).value;
    const QString refusal = tickets::layoutRefusal(m_state.entryEra(), dated, entries);
    if (!refusal.isEmpty()) {
        m_platform.dialogs->message(refusal);
        return;
    }
    if (!m_form) {
        m_form = std::make_unique<TicketPrintingWindow>();
        connect(m_form.get(), &TicketPrintingWindow::testClicked, this, &TicketController::test);
        connect(m_form.get(), &TicketPrintingWindow::saveClicked, this, &TicketController::saveSetting);
        connect(m_form.get(), &TicketPrintingWindow::recallClicked, this, &TicketController::recallSetting);
        connect(m_form.get(), &TicketPrintingWindow::printClicked, this, &TicketController::printEntries);
    }
    if (!m_layout)
        m_layout = std::make_unique<MarkLayout>("Form17", 1, tickets::MarkCount, LottoPageWidth, LottoPageHeight);
    // A window opened afresh: empty boxes, no marks.
    m_form->leftBox()->clear();
    m_form->topBox()->clear();
    m_layout->hideAll();
    m_form->openOver(m_window, OpenerMode::Hide);
    m_form->leftBox()->setFocus();
}

void TicketController::test()
{
    const TicketOffsets offsets = tickets::boxOffsets(m_form->leftBox()->text(), m_form->topBox()->text());
    // The offsets are current whether or not the test ticket prints.
    m_state.ticketLeftOffset = offsets.left;
    m_state.ticketTopOffset = offsets.top;
    m_tested = true;
    const QString refusal = tickets::testRefusal(offsets);
    if (!refusal.isEmpty()) {
        refuseOffsets(offsets, refusal);
        return;
    }
    m_layout->hideAll();
    m_layout->place(tickets::testTicket(offsets));
    MarkPages job = m_layout->emptyJob();
    job.pages.push_back(m_layout->visibleMarks());
    reportPrintout(m_platform, m_platform.printer->printMarks(job));
}

void TicketController::refuseOffsets(const TicketOffsets &offsets, const QString &refusal)
{
    m_platform.dialogs->message(refusal);
    QLineEdit *box = tickets::refusedBox(offsets) == tickets::OffsetBox::Left ? m_form->leftBox() : m_form->topBox();
    box->setFocus();
    box->selectAll();
}

// The offsets the entries print with: those of the last test ticket or, until
// one is printed in this run, the saved setting, so that a setting saved once
// serves every later run. Offsets the test ticket refuses would put marks off
// the slip, so whichever pair is current is shown in the boxes and refused the
// same way; the refused pair stays current until the next test.
bool TicketController::printingOffsets(TicketOffsets &offsets)
{
    if (m_tested) {
        offsets = {m_state.ticketLeftOffset, m_state.ticketTopOffset};
    } else {
        const OffsetsRead saved = readPrinterOffsets(settingsPath());
        if (!saved.ok) {
            m_platform.dialogs->message(tickets::SettingsNotRead);
            return false;
        }
        offsets = saved.offsets;
    }
    const QString refusal = tickets::testRefusal(offsets);
    if (!refusal.isEmpty()) {
        m_form->leftBox()->setText(offsetText(offsets.left));
        m_form->topBox()->setText(offsetText(offsets.top));
        refuseOffsets(offsets, refusal);
        return false;
    }
    return true;
}

void TicketController::saveSetting()
{
    const tickets::SavePlan plan = tickets::planSave(m_form->leftBox()->text(), m_form->topBox()->text());
    if (!plan.refusal.isEmpty()) {
        m_platform.dialogs->message(plan.refusal);
        QLineEdit *box = plan.box == tickets::OffsetBox::Left ? m_form->leftBox() : m_form->topBox();
        box->setFocus();
        box->selectAll();
        return;
    }
    if (!writePrinterOffsets(settingsPath(), plan.left, plan.top))
        m_platform.dialogs->message(tickets::SettingsNotSaved);
}

void TicketController::recallSetting()
{
    const OffsetsRead read = readPrinterOffsets(settingsPath());
    if (!read.ok) {
        m_platform.dialogs->message(tickets::SettingsNotRead);
        return;
    }
    m_form->leftBox()->setText(offsetText(read.offsets.left));
    m_form->topBox()->setText(offsetText(read.offsets.top));
}

void TicketController::printEntries()
{
    const FileRead<std::vector<Entry>> read = entryfile::load(m_state.currentEntryFile);
    if (!read.usable()) {
        m_platform.dialogs->message(tickets::EntriesNotRead);
        return;
    }
    const std::vector<Entry> &entries = read.value;
    // The entry count, or fewer where the file holds fewer.
    const size_t count = std::min(entries.size(), static_cast<size_t>(std::max(0, m_state.entryCount)));
    if (count == 0) {
        m_platform.dialogs->message(tickets::NoEntriesMessage);
        return;
    }
    TicketOffsets offsets;
    if (!printingOffsets(offsets))
        return;
    std::vector<Numbers6> numbers;
    for (size_t i = 0; i < count; ++i)
        numbers.push_back(entries[i].n);
    PrintOutcome outcome;
    {
        BusyScope busy(*m_platform.dialogs);
        // All the tickets of the entries are one job.
        MarkPages job = m_layout->emptyJob();
        for (const tickets::Ticket &t : tickets::entryTickets(numbers, offsets)) {
            m_layout->hideAll();
            m_layout->place(t.marks);
            job.pages.push_back(m_layout->visibleMarks());
            if (t.boards == tickets::BoardsPerTicket)
                m_layout->hideAll();
        }
        outcome = m_platform.printer->printMarks(job);
    }
    reportPrintout(m_platform, outcome);
}

} // namespace ds
