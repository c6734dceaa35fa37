#include "entries/listprint.h"

#include "platform/pagedlist.h"

namespace ds {

const PagedListShape SelectionsListShape{16, 7, QString(21, QLatin1Char('-')), 8};
const PagedListShape WinningListShape{12, 72, {}, 1};

void printSelectionsList(Printer &printer, const QStringList &lines)
{
    printPagedList(printer, lines, SelectionsListShape);
}

void printWinningList(Printer &printer, const QStringList &lines)
{
    printPagedList(printer, lines, WinningListShape);
}

} // namespace ds
