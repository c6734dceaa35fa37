#pragma once

#include <QString>
#include <QStringList>

namespace ds {

class Dialogs;
class DrawHistory;
class Printer;
struct Draw;
struct PrintOutcome;

// One line of the draw history: "05-06-1999   03 07 12 21 30 45  Bonus 09".
QString historyLine(const Draw &draw);

// The history lines of every draw the history holds, in file order.
QStringList historyLines(const DrawHistory &history);

// Caption of the Draw History window for a country code.
QString historyWindowCaption(const QString &countryCode);

// Title line of the printed history.
QString historyPrintTitle(const QString &countryCode);

// What printing an empty history tells the player.
QString emptyHistoryPrintMessage(const QString &countryCode);

// Prints the history of the country on the printer: three empty lines, the
// title, an empty line, then each history line indented by seven spaces, with
// the hourglass showing. An empty history is reported through the dialogs and
// nothing is printed. Returns how the job went (no job for an empty history).
PrintOutcome printHistory(const QString &countryCode, const DrawHistory &history, Printer &printer,
                  Dialogs &dialogs);

} // namespace ds
