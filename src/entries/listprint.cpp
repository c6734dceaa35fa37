#include "entries/listprint.h"

#include "platform/pagedlist.h"
#include "platform/printer.h"

namespace ds {

const PagedListShape SelectionsListShape{16, 7, QString(21, QLatin1Char('-')), 8};
const PagedListShape WinningListShape{12, 72, {}, 1};

PrintOutcome printSelectionsList(Printer &printer, const QStringList &lines)
{
    return printPagedList(printer, lines, SelectionsListShape);
}

PrintOutcome printWinningList(Printer &printer, const QStringList &lines)
{
    return printPagedList(printer, lines, WinningListShape);
}

} // namespace ds
