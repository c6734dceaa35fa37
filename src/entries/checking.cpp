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
            m.bonus = true;
    }
    return m;
}

QString tierText(const Match &m, Game game, bool all)
{
    const GameRules &rules = rulesOf(game);
    const QString n = QString::number(m.main);
    if (m.main >= 3) {
        if (m.main == 3 && rules.threeNeedsBonus)
            return m.bonus ? QStringLiteral("(3 + Bonus)") : QString();
        if (m.main == 4 && rules.fourBonusTier && m.bonus)
            return QStringLiteral("(4 + Bonus)");
        if (m.main == 5 && m.bonus)
            return QStringLiteral("(5 + Bonus)");
        return QStringLiteral("(") + n + QStringLiteral(" Match)");
    }
    if (all && m.main >= 1)
        return m.bonus ? QStringLiteral("(") + n + QStringLiteral(" +Bonus)")
                       : QStringLiteral("(") + n + QStringLiteral(")");
    return QString();
}

bool isWin(const Match &m, Game game)
{
    if (m.main >= 4)
        return true;
    if (m.main == 3)
        return !rulesOf(game).threeNeedsBonus || m.bonus;
    return false;
}

QString numbersText(const Numbers6 &n)
{
    QString s;
    for (qint16 v : n)
        s += twoDigits(v) + QLatin1Char(' ');
    return s;
}

bool soundEntry(const Numbers6 &n, Game game)
{
    const int limit = rulesOf(game).mainLimit;
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

CheckResult checkEntries(const std::vector<Entry> &entries, const DrawNumbers &draw, Game game, bool all)
{
    CheckResult r;
    for (size_t i = 0; i < entries.size(); ++i) {
        const int position = static_cast<int>(i);
        if (!soundEntry(entries[i].n, game)) {
            r.winningLines << damagedEntryLine(position + 1);
            continue;
        }
        const Match m = matchEntry(entries[i].n, draw);
        const QString tier = tierText(m, game, all);
        if (tier.isEmpty())
            continue;
        if (isWin(m, game)) {
            ++r.wins;
            r.prizeLines << static_cast<int>(r.winningLines.size());
            r.prizeMarked.push_back(position);
        }
        r.winningLines << numbersText(entries[i].n) + tier;
        r.marked.push_back(position);
    }
    return r;
}

} // namespace ds
