#include "entries/checking.h"

#include "core/numbers.h"

#include <algorithm>

namespace ds {

Match matchEntry(const Numbers6 &entry, const DrawNumbers &draw)
{
    Match m;
    for (qint16 n : entry) {
        // Each number of the entry counts once, whatever a damaged draw holds.
        if (std::find(draw.begin(), draw.begin() + 6, n) != draw.begin() + 6)
            ++m.main;
        if (n == draw[6])
            m.extra = true;
    }
    return m;
}

QString tierText(const Match &m, const TierList &tiers, bool all)
{
    if (const Tier *t = tierFor(tiers, m)) {
        const QString prize = prizeText(t->prize, tiers.currency);
        return QString::fromUtf8(t->label) + (prize.isEmpty() ? QString() : QStringLiteral("  ") + prize);
    }
    if (all && m.main >= 1 && m.main <= 2) {
        const QString n = QString::number(m.main);
        return m.extra ? QStringLiteral("(") + n + QStringLiteral(" +Bonus)")
                       : QStringLiteral("(") + n + QStringLiteral(")");
    }
    return QString();
}

QString numbersText(const Numbers6 &n)
{
    QString s;
    for (qint16 v : n)
        s += twoDigits(v) + QLatin1Char(' ');
    return s;
}

CheckResult checkEntries(const std::vector<Entry> &entries, const DrawNumbers &draw, const TierList &tiers,
                         bool all)
{
    CheckResult r;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Match m = matchEntry(entries[i].n, draw);
        const QString tier = tierText(m, tiers, all);
        if (tier.isEmpty())
            continue;
        if (const Tier *t = tierFor(tiers, m)) {
            ++r.wins;
            r.cash += cashOf(t->prize);
            r.prizeRows.push_back(static_cast<int>(r.winningLines.size()));
        }
        r.winningLines << numbersText(entries[i].n) + tier;
        r.marked.push_back(static_cast<int>(i));
    }
    return r;
}

} // namespace ds
