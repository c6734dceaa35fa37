#include "thunderball/thunderprintwindows.h"

#include "core/filenames.h"
#include "core/paths.h"
#include "core/printersettings.h"
#include "platform/pagedlist.h"
#include "platform/printreport.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderprinting.h"
#include "widgets/listwindow.h"
#include "widgets/marklayout.h"

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

void ThunderPrintController::printTickets(const QStringList &selections, const QString &entryFilePath)
{
    if (selections.isEmpty()) {
        m_platform.dialogs->message(NoEntriesMessage);
        return;
    }
    const OffsetsRead offsets = readPrinterOffsets(path(files::PrinterSettings));
    if (!offsets.ok) {
        m_platform.dialogs->message(QStringLiteral("The printer settings file could not be read."));
        return;
    }
    EntryFile slip;
    if (!slip.load(entryFilePath)) {
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
        for (const Ticket &t : entryTickets(slip.entries(), slip.weeks(), offsets.offsets)) {
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

void ThunderPrintController::printDrawHistory()
{
    ThunderResultsFile file;
    if (!file.load(path(ThunderResultsFileName))) {
        m_platform.dialogs->message(QStringLiteral("The results file could not be read."));
        return;
    }
    if (file.count() == 0) {
        m_platform.dialogs->message(NoResultsMessage);
        return;
    }
    PrintOutcome outcome;
    {
        BusyScope busy(*m_platform.dialogs);
        outcome = printHistory(*m_platform.printer, file.results());
    }
    reportPrintout(m_platform, outcome);
}

void ThunderPrintController::showDrawHistory(QWidget *opener)
{
    if (!m_history) {
        m_history = std::make_unique<ListWindow>("Form25", "List1", "Command9");
        m_history->setWindowTitle(HistoryCaption);
    }
    ThunderResultsFile file;
    const bool read = file.load(path(ThunderResultsFileName));
    const std::vector<ThunderResult> results = read ? file.results() : std::vector<ThunderResult>{};
    if (!read)
        m_history->setLines({QStringLiteral("The results file could not be read.")}, {});
    else if (results.empty())
        m_history->setLines({NoResultsMessage}, {});
    else
        m_history->setLines(historyLines(results), results.size() == 1
                                                       ? QStringLiteral("1 draw")
                                                       : QStringLiteral("%1 draws").arg(results.size()));
    m_history->openOver(opener, OpenerMode::Disable);
}

} // namespace ds
