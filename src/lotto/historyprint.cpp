#include "lotto/historyprint.h"

#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/games.h"
#include "core/numbers.h"
#include "platform/dialogs.h"
#include "platform/printer.h"

namespace ds {

namespace {

const QString PrintIndent = QStringLiteral("       ");

} // namespace

QString historyLine(const Draw &draw)
{
    QString line = historyDate(draw.date) + QStringLiteral("   ");
    for (size_t k = 0; k < 5; ++k)
        line += twoDigits(draw.main[k]) + QLatin1Char(' ');
    line += twoDigits(draw.main[5]);
    line += QStringLiteral("  Bonus ") + twoDigits(draw.bonus);
    return line;
}

QStringList historyLines(const DrawHistory &history)
{
    // count() never reaches past the records the file holds.
    const int n = history.count();
    QStringList out;
    out.reserve(n);
    for (int r = 2; r <= n + 1; ++r)
        out << historyLine(history.record(r));
    return out;
}

QString emptyHistoryPrintMessage(const Era &era)
{
    return QStringLiteral("There are no entries in the ") + QString::fromLatin1(gameInfo(era.game).resultsName);
}

PrintOutcome printHistory(const Era &era, const DrawHistory &history, Printer &printer, Dialogs &dialogs)
{
    if (history.count() == 0) {
        dialogs.message(emptyHistoryPrintMessage(era));
        return {};
    }
    {
        BusyScope busy(dialogs);
        printer.setFont(QStringLiteral("Courier"), 10);
        for (int i = 0; i < 3; ++i)
            printer.printLine(QString());
        printer.printLine(QString::fromLatin1(era.historyHeading));
        printer.printLine(QString());
        for (const QString &line : historyLines(history))
            printer.printLine(PrintIndent + line);
    }
    return printer.endDocument();
}

} // namespace ds
