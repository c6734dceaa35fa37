#pragma once

#include <QString>
#include <QStringList>

namespace ds {

class Dialogs;
class DrawHistory;
class Printer;
struct Draw;
struct Era;
struct PrintOutcome;

// One line of the draw history: "05-06-1999   03 07 12 21 30 45  Bonus 09".
QString historyLine(const Draw &draw);

// The history lines of every draw the history holds, in file order.
QStringList historyLines(const DrawHistory &history);

// What printing an empty history of the era tells the player.
QString emptyHistoryPrintMessage(const Era &era);

// Prints the history of an era on the printer: three empty lines, the era's
// title line, an empty line, then each history line indented by seven
// spaces, with the hourglass showing. An empty history is reported through
// the dialogs and nothing is printed. Returns how the job went (no job for an
// empty history).
PrintOutcome printHistory(const Era &era, const DrawHistory &history, Printer &printer, Dialogs &dialogs);

} // namespace ds
