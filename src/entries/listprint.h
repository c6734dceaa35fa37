#pragma once

#include <QStringList>

namespace ds {

class Printer;

// The selections list: three empty lines, then each line after 16 spaces, a
// separator after every 7th line and a new page (three empty lines) after
// every 8th separator.
void printSelectionsList(Printer &printer, const QStringList &lines);

// The winning selections list: three empty lines, each line after 12 spaces,
// a new page (three empty lines) after every 72 lines.
void printWinningList(Printer &printer, const QStringList &lines);

} // namespace ds
