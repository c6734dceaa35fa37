#pragma once

#include "platform/pagedlist.h"

#include <QStringList>

namespace ds {

class Printer;

// The printed selections list (pages of 67 lines) and winning list (75).
extern const PagedListShape SelectionsListShape;
extern const PagedListShape WinningListShape;

// The selections list: three empty lines, then each line after 16 spaces, a
// separator after every 7th line and a new page (three empty lines) after
// every 8th separator, unless the list ends there. Returns how the job went.
PrintOutcome printSelectionsList(Printer &printer, const QStringList &lines);

// The winning selections list: three empty lines, each line after 12 spaces,
// a new page (three empty lines) after every 72 lines, unless the list ends
// there. Returns how the job went.
PrintOutcome printWinningList(Printer &printer, const QStringList &lines);

} // namespace ds
