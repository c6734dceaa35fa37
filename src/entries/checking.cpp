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

bool soundEntry(const Numbers6 &n, int maxBall)
{
    const int limit = std::clamp(maxBall, 0, MaxBall);
    quint64 seen = 0;
    for (qint16 v : n) {
        if (v < 1 || v > limit || (seen & (quint64(1) << v)))
            return false;
        seen |= quint64(1) << v;
    }
    return true;
}

QString damagedEntryLine(int entryNumber)
{
    return QStringLiteral("Entry %1 is damaged and was not checked.").arg(entryNumber);
}

CheckResult checkEntries(const std::vector<Entry> &entries, const DrawNumbers &draw, const TierList &tiers,
                         int maxBall, bool all)
{
    const PlayedDraw one{draw, &tiers, QString()};
    return checkPlayedDraws(entries, std::span(&one, 1), maxBall, all);
}

CheckResult checkPlayedDraws(const std::vector<Entry> &entries, std::span<const PlayedDraw> draws, int maxBall,
                             bool all)
{
    CheckResult r;
    std::vector<char> listed(entries.size(), 0), won(entries.size(), 0);
    for (size_t d = 0; d < draws.size(); ++d) {
        const PlayedDraw &played = draws[d];
        for (size_t i = 0; i < entries.size(); ++i) {
            const int position = static_cast<int>(i);
            if (!soundEntry(entries[i].n, maxBall)) {
                if (d == 0)
                    r.winningLines << damagedEntryLine(position + 1);
                continue;
            }
            const Match m = matchEntry(entries[i].n, played.numbers);
            const QString tier = tierText(m, *played.tiers, all);
            if (tier.isEmpty())
                continue;
            if (const Tier *t = tierFor(*played.tiers, m)) {
                won[i] = 1;
                r.cash += cashOf(t->prize);
                r.prizeLines << static_cast<int>(r.winningLines.size());
            }
            r.winningLines << numbersText(entries[i].n) + played.lead + tier;
            listed[i] = 1;
        }
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        if (listed[i])
            r.marked.push_back(static_cast<int>(i));
        if (won[i]) {
            r.prizeMarked.push_back(static_cast<int>(i));
            ++r.wins;
        }
    }
    return r;
}

QString winCountText(int wins, qint64 cash, Currency currency)
{
    const QString count = wins == 1 ? QStringLiteral("1 winning entry") : QStringLiteral("%1 winning entries").arg(wins);
    return cash > 0 ? count + QStringLiteral(", %1 in fixed prizes").arg(moneyText(cash, currency)) : count;
}

} // namespace ds
