#include "thunderball/thunderprintwindows.h"

#include "core/filenames.h"
#include "core/paths.h"
#include "core/printersettings.h"
#include "platform/pagedlist.h"
#include "platform/printreport.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderprinting.h"
#include "thunderball/thunderview.h"
#include "widgets/controls.h"
#include "widgets/listwindow.h"
#include "widgets/marklayout.h"

#include <QBoxLayout>
#include <QLabel>

namespace ds {

using namespace thunder;

namespace {

// The Thunderball slip layout, in twips; its printed page reaches a mark beyond.
constexpr int SlipWidth = 12000;
constexpr int SlipHeight = 11000;

} // namespace

ThunderPrintController::ThunderPrintController(QString programFolder, const Platform &platform, QObject *parent)
    : QObject(parent), m_folder(std::move(programFolder)), m_platform(platform)
{
}

ThunderPrintController::~ThunderPrintController() = default;

QString ThunderPrintController::path(const QString &name) const
{
    return resolveInFolder(m_folder, name);
}

void ThunderPrintController::printResults(const QStringList &lines)
{
    if (lines.isEmpty()) {
        m_platform.dialogs->message(NoListMessage);
        return;
    }
    PrintOutcome outcome;
    {
        BusyScope busy(*m_platform.dialogs);
        outcome = printPagedList(*m_platform.printer, lines, ResultsListShape);
    }
    reportPrintout(m_platform, outcome);
}

void ThunderPrintController::printSelections(const QStringList &lines)
{
    if (lines.isEmpty()) {
        m_platform.dialogs->message(NoListMessage);
        return;
    }
    PrintOutcome outcome;
    {
        BusyScope busy(*m_platform.dialogs);
        outcome = printPagedList(*m_platform.printer, lines, SelectionsListShape);
    }
    reportPrintout(m_platform, outcome);
}

void ThunderPrintController::printTickets(const QStringList &selections, const QString &entryFilePath,
                                          const Era &era)
{
    if (!era.tickets) {
        m_platform.dialogs->message(noTicketLayoutMessage(era));
        return;
    }
    if (selections.isEmpty()) {
        m_platform.dialogs->message(NoEntriesMessage);
        return;
    }
    const OffsetsRead offsets = readPrinterOffsets(path(files::PrinterSettings));
    if (!offsets.ok) {
        m_platform.dialogs->message(QStringLiteral("The printer settings file could not be read."));
        return;
    }
    // Saved offsets the test ticket would refuse would print marks off the slip.
    if (!offsetsOnPage(offsets.offsets)) {
        m_platform.dialogs->message(OffsetsOffTheSlip);
        return;
    }
    EntryFile slip;
    if (!usable(slip.load(entryFilePath))) {
        m_platform.dialogs->message(QStringLiteral("The entry file could not be read."));
        return;
    }
    if (!m_layout)
        m_layout = std::make_unique<MarkLayout>("Form19", WeeksMarkIndex, LastMarkIndex, SlipWidth, SlipHeight);
    m_layout->hideAll();
    PrintOutcome outcome;
    {
        BusyScope busy(*m_platform.dialogs);
        // All the tickets of the file are one job.
        MarkPages job = m_layout->emptyJob();
        for (const Ticket &t : entryTickets(era, slip.entries(), slip.weeks(), offsets.offsets)) {
            m_layout->hideAll();
            m_layout->place(t.marks);
            job.pages.push_back(m_layout->visibleMarks());
            if (t.panels == PanelsPerTicket)
                m_layout->hideAll();
        }
        outcome = m_platform.printer->printMarks(job);
    }
    reportPrintout(m_platform, outcome);
}

void ThunderPrintController::printDrawHistory(const Era &era)
{
    const FileRead<std::vector<ThunderResult>> read = readThunderResults(resultsPath(m_folder, era));
    if (!read.usable()) {
        m_platform.dialogs->message(QStringLiteral("The results file could not be read."));
        return;
    }
    if (read.value.empty()) {
        m_platform.dialogs->message(NoResultsMessage);
        return;
    }
    PrintOutcome outcome;
    {
        BusyScope busy(*m_platform.dialogs);
        outcome = printHistory(*m_platform.printer, read.value, era);
    }
    reportPrintout(m_platform, outcome);
}

void ThunderPrintController::showDrawHistory(QWidget *opener, const Era &era)
{
    if (!m_history) {
        m_history = std::make_unique<ListWindow>("Form25", "List1", "Command9");
        m_history->setWindowTitle(HistoryCaption);
        // Above the list: the era whose results it holds.
        m_era = named(new QLabel(m_history.get()), "LabelEra");
        if (auto *lay = qobject_cast<QBoxLayout *>(m_history->layout()))
            lay->insertWidget(0, m_era);
    }
    m_era->setText(eraTitle(era));
    const FileRead<std::vector<ThunderResult>> read = readThunderResults(resultsPath(m_folder, era));
    const std::vector<ThunderResult> &results = read.value;
    if (!read.usable())
        m_history->setLines({QStringLiteral("The results file could not be read.")}, {});
    else if (results.empty())
        m_history->setLines({NoResultsMessage}, {});
    else
        m_history->setLines(historyLines(results, era), results.size() == 1
                                                       ? QStringLiteral("1 draw")
                                                       : QStringLiteral("%1 draws").arg(results.size()));
    m_history->openOver(opener, OpenerMode::Disable);
}

} // namespace ds
