#pragma once

// The one reading of a tier list: which tier a match reaches, and how its
// prize is written. Checking, the check against previous draws, the best-six
// wins and the Thunderball weekly check all go through here.

#include "core/games.h"

#include <QString>
#include <span>

namespace ds {

// How a line matched a draw: main numbers matched, and whether the extra ball
// (bonus or Thunderball) matched.
struct Match {
    int main = 0;
    bool extra = false;
};

// The best tier the match reaches; nullptr when it wins nothing.
const Tier *tierFor(std::span<const Tier> tiers, const Match &m);
const Tier *tierFor(const TierList &list, const Match &m);

// Whether some tier is reached with this many main numbers, whatever the
// extra ball does.
bool reachesTier(std::span<const Tier> tiers, int main);

// The prize as shown after a tier text: "£1,750", "€5", "Lucky Dip",
// "Shared prize", "Jackpot"; empty when the tier shows none.
QString prizeText(const Prize &prize, Currency currency);

// A cash amount with a thousands comma: "£1,000,000", "€25,000".
QString moneyText(qint64 amount, Currency currency);

// The cash won by a tier (0 for every other kind of prize).
inline qint64 cashOf(const Prize &prize)
{
    return prize.kind == PrizeKind::Cash ? prize.amount : 0;
}

} // namespace ds
