#include "thunderball/weeklycheck.h"

#include "core/numbers.h"
#include "thunderball/resultsedit.h"

#include <algorithm>

namespace ds::thunder {

const Prize PrizeTable[8] = {
    {5, true, "5 + TB \u00a3250000", 250000},
    {5, false, "5        \u00a35000", 5000},
    {4, true, "4 + TB    \u00a3250", 250},
    {4, false, "4         \u00a3100", 100},
    {3, true, "3 + TB     \u00a320", 20},
    {3, false, "3          \u00a310", 10},
    {2, true, "2 + TB     \u00a310", 10},
    {1, true, "1 + TB      \u00a35", 5},
};

std::optional<Prize> prizeFor(int mainMatched, bool thunderballMatched)
{
    for (const Prize &p : PrizeTable)
        if (p.main == mainMatched && p.thunderball == thunderballMatched)
            return p;
    return std::nullopt;
}

int mainMatches(const ThunderResult &result, const ThunderResult &entry)
{
    int m = 0;
    for (qint16 r : result.main)
        for (qint16 e : entry.main)
            if (r == e)
                ++m;
    return m;
}

QString winLine(const ThunderResult &entry, const Prize &prize)
{
    QString line;
    for (qint16 n : entry.main)
        line += twoDigits(n) + QLatin1Char(' ');
    line += twoDigits(entry.thunderball) + QLatin1Char(' ');
    return line + QStringLiteral("Match ") + QString::fromUtf8(prize.text);
}

QString weekHeading(const QDate &date)
{
    return QStringLiteral("Results for draw date %1 %2 %3").arg(date.day()).arg(date.month()).arg(date.year());
}

QString winTotalText(qint64 total)
{
    return QStringLiteral("Win Total     \u00a3") + QString::number(total);
}

QString damagedEntryLine(int entryNumber)
{
    return QStringLiteral("Entry %1 is damaged and was not checked.").arg(entryNumber);
}

WeeklyCheck checkWeeks(const QDate &start, int weeks, const std::vector<ThunderResult> &results,
                       const std::vector<ThunderResult> &entries)
{
    WeeklyCheck out;
    std::optional<ThunderResult> result = findResult(results, start.day(), start.month(), start.year());
    if (!result || entries.empty())
        return out;
    out.ran = true;
    out.lines << RuleLine << weekHeading(start);

    int weeksLeft = std::min(weeks, MaxWeeks);
    QDate date = start;
    for (;;) {
        if (result && !isSoundResult(*result)) {
            out.lines << DamagedResultLine;
        } else if (result) {
            bool won = false;
            for (size_t i = 0; i < entries.size(); ++i) {
                const ThunderResult &e = entries[i];
                if (!soundNumbers(e)) {
                    out.lines << damagedEntryLine(static_cast<int>(i) + 1);
                    continue;
                }
                const int m = mainMatches(*result, e);
                const bool t = e.thunderball == result->thunderball;
                if (m == 0 && !t)
                    continue;
                if (const std::optional<Prize> p = prizeFor(m, t)) {
                    out.total += p->amount;
                    won = true;
                    out.winRows << static_cast<int>(out.lines.size());
                    out.lines << winLine(e, *p);
                }
            }
            if (!won)
                out.lines << NoWinsLine;
        } else {
            out.lines << NoResultLine;
        }
        if (weeksLeft < 2)
            break;
        date = date.addDays(7);
        out.lines << RuleLine << weekHeading(date);
        --weeksLeft;
        result = findResult(results, date.day(), date.month(), date.year());
    }
    return out;
}

} // namespace ds::thunder
