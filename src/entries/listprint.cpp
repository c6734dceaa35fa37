#include "entries/listprint.h"

#include "platform/printer.h"

namespace ds {

namespace {

void threeEmptyLines(Printer &p)
{
    for (int i = 0; i < 3; ++i)
        p.printLine(QString());
}

} // namespace

void printSelectionsList(Printer &printer, const QStringList &lines)
{
    const QString indent(16, QLatin1Char(' '));
    const QString separator = indent + QString(21, QLatin1Char('-'));
    printer.setFont(QStringLiteral("Courier"), 10);
    threeEmptyLines(printer);
    int separators = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        printer.printLine(indent + lines[i]);
        if ((i + 1) % 7 == 0) {
            printer.printLine(separator);
            if (++separators % 8 == 0) {
                printer.newPage();
                threeEmptyLines(printer);
            }
        }
    }
    printer.endDocument();
}

void printWinningList(Printer &printer, const QStringList &lines)
{
    const QString indent(12, QLatin1Char(' '));
    printer.setFont(QStringLiteral("Courier"), 10);
    threeEmptyLines(printer);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        printer.printLine(indent + lines[i]);
        if ((i + 1) % 72 == 0) {
            printer.newPage();
            threeEmptyLines(printer);
        }
    }
    printer.endDocument();
}

} // namespace ds
