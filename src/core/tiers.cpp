#include "core/tiers.h"

namespace ds {

const Tier *tierFor(std::span<const Tier> tiers, const Match &m)
{
    for (const Tier &t : tiers) {
        if (t.main != m.main)
            continue;
        if ((t.extra == Extra::Required && !m.extra) || (t.extra == Extra::Excluded && m.extra))
            continue;
        return &t;
    }
    return nullptr;
}

const Tier *tierFor(const TierList &list, const Match &m)
{
    return tierFor(list.tiers, m);
}

bool reachesTier(std::span<const Tier> tiers, int main)
{
    for (const Tier &t : tiers)
        if (t.main == main)
            return true;
    return false;
}

QString moneyText(qint64 amount, Currency currency)
{
    QString digits = QString::number(amount < 0 ? -amount : amount);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    const QChar sign = currency == Currency::Euro ? QChar(0x20AC) : QChar(0x00A3);
    return (amount < 0 ? QStringLiteral("-") : QString()) + sign + digits;
}

QString prizeText(const Prize &prize, Currency currency)
{
    switch (prize.kind) {
    case PrizeKind::None:
        break;
    case PrizeKind::Cash:
        return moneyText(prize.amount, currency);
    case PrizeKind::Named:
        return QString::fromUtf8(prize.name);
    case PrizeKind::Shared:
        return QStringLiteral("Shared prize");
    case PrizeKind::Jackpot:
        return QStringLiteral("Jackpot");
    }
    return QString();
}

} // namespace ds
