#pragma once

#include "core/printersettings.h"
#include "platform/pagedlist.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderentries.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ds {

class Printer;
struct PrintOutcome;

namespace thunder {

// The Thunderball play slip: five panels of six marks (five main numbers in
// ascending order, then the Thunderball) and the weeks mark, index 0. The
// slip's grid runs from right to left by rows of seven.
inline constexpr int PanelsPerTicket = 5;
inline constexpr int MarksPerPanel = 6;
inline constexpr int WeeksMarkIndex = 0;
inline constexpr int LastMarkIndex = PanelsPerTicket * MarksPerPanel; // marks 0 to 30

// Mark k (1 to 5 main numbers, 6 the Thunderball) of panel p for a number
// on the slip of the era; none for a number outside the era's limits or a
// place off the slip.
std::optional<TicketMark> numberMark(const Era &era, int panel, int k, int number, const TicketOffsets &offsets);

// The marks of one entry in panel p: its main numbers sorted ascending, then
// its Thunderball. Numbers off the slip (damaged entries) get no mark.
std::vector<TicketMark> panelMarks(const Era &era, int panel, const ThunderResult &entry,
                                   const TicketOffsets &offsets);

// The weeks mark for the weeks an entry covers: 2950 for two weeks down to
// 760 for eight, the offsets not added; none for one week, or for a number
// of weeks the slip has no box for.
std::optional<TicketMark> weeksMark(int weeks);

struct Ticket {
    int panels = 0;
    std::vector<TicketMark> marks;
};

// The entries shared out five a ticket, each ticket with the weeks mark.
std::vector<Ticket> entryTickets(const Era &era, const std::vector<ThunderResult> &entries, int weeks,
                                 const TicketOffsets &offsets);

// The printed results list (pages of 3 + 56 lines) and selections list
// (groups of five, each followed by a separator; 3 + 48 lines a page).
extern const PagedListShape ResultsListShape;
extern const PagedListShape SelectionsListShape;

// A line of the Thunderball Draw History window: "05/12/2026   03 08 14 20 31  TB 08";
// a damaged result's line (in the era of its file) ends in "  damaged".
QString historyLine(const ThunderResult &r, const Era &era);
QStringList historyLines(const std::vector<ThunderResult> &results, const Era &era);
// A printed line of the draw history: seven spaces, the date, two spaces and
// the numbers as in the window.
QString historyPrintLine(const ThunderResult &r, const Era &era);

// Prints the draw history of an era's file in file order: three empty lines,
// the title, the lines (one job). Returns how the job went.
PrintOutcome printHistory(Printer &printer, const std::vector<ThunderResult> &results, const Era &era);

inline const QString HistoryCaption = QStringLiteral("Thunderball Draw History");
inline const QString HistoryTitle = QStringLiteral("Thunderball Lottery Results Currently Held in Draw File:");
inline const QString NoResultsMessage = QStringLiteral("There are no entries in the results file");
inline const QString NoListMessage = QStringLiteral("There is no list to print!");
inline const QString NoEntriesMessage = QStringLiteral("There are no entries to print");
inline const QString OffsetsOffTheSlip =
    QStringLiteral("The saved ticket offsets would put marks off the slip. Set them with a test ticket in "
                   "Ticket Printing (File Manager > Print Tickets) and save them again.");

} // namespace thunder
} // namespace ds
