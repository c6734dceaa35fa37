#include "thunderball/weeklycheck.h"

#include "core/numbers.h"
#include "thunderball/resultsedit.h"

#include <algorithm>

namespace ds::thunder {

int mainMatches(const ThunderResult &result, const ThunderResult &entry)
{
    int m = 0;
    for (qint16 r : result.main)
        for (qint16 e : entry.main)
            if (r == e)
                ++m;
    return m;
}

QString winLine(const ThunderResult &entry, const Tier &tier)
{
    QString line;
    for (qint16 n : entry.main)
        line += twoDigits(n) + QLatin1Char(' ');
    line += twoDigits(entry.thunderball) + QLatin1Char(' ');
    return line + QStringLiteral("Match ") + QString::fromUtf8(tier.label);
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

WeekLookup weeksOf(std::span<const EraResults> eras)
{
    return [eras](const QDate &date) {
        Week week;
        week.era = &eraOn(Game::Thunderball, date);
        // A Thunderball date holds one draw.
        week.tiers = week.era->tiersOn(ymdOf(date), 1).tiers;
        for (const EraResults &held : eras)
            if (held.era == week.era)
                week.results = held.results;
        return week;
    };
}

namespace {

// The lines of one week's result: the win lines of the entries, or why
// there are none.
void checkWeek(const Week &week, const ThunderResult &result, const std::vector<ThunderResult> &entries,
               WeeklyCheck &out)
{
    if (!isSoundResult(result, *week.era)) {
        out.lines << DamagedResultLine;
        return;
    }
    bool won = false;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ThunderResult &e = entries[i];
        if (!soundNumbers(e, *week.era)) {
            out.lines << damagedEntryLine(static_cast<int>(i) + 1);
            continue;
        }
        const Match match{mainMatches(result, e), e.thunderball == result.thunderball};
        if (match.main == 0 && !match.extra)
            continue;
        if (const Tier *tier = tierFor(week.tiers, match)) {
            out.total += cashOf(tier->prize);
            won = true;
            out.winRows << static_cast<int>(out.lines.size());
            out.lines << winLine(e, *tier);
        }
    }
    if (!won)
        out.lines << NoWinsLine;
}

} // namespace

WeeklyCheck checkWeeks(const QDate &start, int weeks, const WeekLookup &weekOf,
                       const std::vector<ThunderResult> &entries)
{
    WeeklyCheck out;
    Week week = weekOf(start);
    std::optional<ThunderResult> result = findResult(week.results, start.day(), start.month(), start.year());
    if (!result || entries.empty())
        return out;
    out.ran = true;
    out.lines << RuleLine << weekHeading(start);

    int weeksLeft = std::min(weeks, MaxWeeks);
    QDate date = start;
    for (;;) {
        if (result)
            checkWeek(week, *result, entries, out);
        else
            out.lines << NoResultLine;
        if (weeksLeft < 2)
            break;
        date = date.addDays(7);
        out.lines << RuleLine << weekHeading(date);
        --weeksLeft;
        week = weekOf(date);
        result = findResult(week.results, date.day(), date.month(), date.year());
    }
    return out;
}

} // namespace ds::thunder
