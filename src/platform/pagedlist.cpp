#include "platform/pagedlist.h"

#include "platform/printer.h"

namespace ds {

namespace {

constexpr int TopLines = 3;

void topLines(Printer &p)
{
    for (int i = 0; i < TopLines; ++i)
        p.printLine(QString());
}

} // namespace

int pageLines(const PagedListShape &shape)
{
    const int perGroup = shape.groupLines + (shape.separator.isEmpty() ? 0 : 1);
    return TopLines + shape.groupsPerPage * perGroup;
}

PrintOutcome printPagedList(Printer &printer, const QStringList &lines, const PagedListShape &shape)
{
    const QString indent(qMax(0, shape.indent), QLatin1Char(' '));
    const int groupLines = qMax(1, shape.groupLines);
    const int groupsPerPage = qMax(1, shape.groupsPerPage);
    printer.setFont(QStringLiteral("Courier"), 10);
    printer.setPageLines(pageLines(shape));
    topLines(printer);
    int groups = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        printer.printLine(indent + lines[i]);
        if ((i + 1) % groupLines != 0)
            continue;
        if (!shape.separator.isEmpty())
            printer.printLine(indent + shape.separator);
        if (++groups % groupsPerPage == 0 && i + 1 < lines.size()) {
            printer.newPage();
            topLines(printer);
        }
    }
    return printer.endDocument();
}

} // namespace ds
