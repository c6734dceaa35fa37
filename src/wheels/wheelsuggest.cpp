#include "wheels/wheelsuggest.h"

#include "core/games.h"
#include "core/numbers.h"

#include <algorithm>

namespace ds {
namespace wheels {

HotCold hotColdSplit(int n)
{
    static constexpr HotCold Split[] = {{4, 2}, {5, 2}, {6, 2}, {6, 3}, {7, 3}, {8, 3}, {8, 4}, {9, 4}};
    if (n < 6 || n > 13)
        return {};
    return Split[n - 6];
}

BallTable ballCounts(std::span<const Draw> draws, int maxBall)
{
    BallTable counts{};
    const int limit = std::clamp(maxBall, 0, MaxBall);
    for (const Draw &d : draws)
        for (qint16 b : d.main)
            if (b >= 1 && b <= limit)
                ++counts[static_cast<size_t>(b)];
    return counts;
}

int middleCount(int highest, int lowest)
{
    return static_cast<int>(roundHalfEven((static_cast<double>(highest) + lowest) / 2.0));
}

QString shortfallMessage(int found, int wanted)
{
    return QStringLiteral("Only %1 of the %2 numbers could be suggested: too few balls in the draw history "
                          "qualify. Choose the other numbers yourself.")
        .arg(found)
        .arg(wanted);
}

WheelSuggestion suggestWheelNumbers(std::optional<Game> game, bool wheel3, std::span<const Draw> draws, int n,
                                    RandomSource &random)
{
    WheelSuggestion s;
    if (!game || (wheel3 && !gameInfo(*game).wheel3)) {
        s.refusal = QString::fromLatin1(MsgNoCountry);
        return s;
    }
    if (static_cast<int>(draws.size()) < MinDrawsToSuggest) {
        s.refusal = QString::fromLatin1(MsgInsufficientDraws);
        return s;
    }
    const int maxBall = latestEra(*game).mainLimit;
    const BallTable counts = ballCounts(draws, maxBall);
    const auto first = counts.begin() + 1, last = counts.begin() + maxBall + 1;
    const int middle = middleCount(*std::max_element(first, last), *std::min_element(first, last));

    auto hot = [&](int b) { return counts[static_cast<size_t>(b)] >= middle && counts[static_cast<size_t>(b)] != 0; };
    auto cold = [&](int b) { return counts[static_cast<size_t>(b)] < middle && counts[static_cast<size_t>(b)] != 0; };
    auto taken = [&](int b) { return std::find(s.numbers.begin(), s.numbers.end(), b) != s.numbers.end(); };

    // Picks `wanted` numbers of a class; false when the class ran out.
    auto pick = [&](int wanted, auto qualifies) {
        for (int i = 0; i < wanted; ++i) {
            bool any = false;
            for (int b = 1; b <= maxBall && !any; ++b)
                any = qualifies(b) && !taken(b);
            if (!any)
                return false;
            bool found = false;
            for (int attempt = 0; attempt < MaxDrawsPerNumber && !found; ++attempt) {
                const qint64 c = roundHalfEven(random.next() * (maxBall + 1));
                if (c < 1 || c > maxBall || !qualifies(static_cast<int>(c)) || taken(static_cast<int>(c)))
                    continue;
                s.numbers.push_back(static_cast<qint16>(c));
                found = true;
            }
            if (!found)
                return false;
        }
        return true;
    };

    const HotCold split = hotColdSplit(n);
    if (!pick(split.hot, hot) || !pick(split.cold, cold))
        s.shortfall = shortfallMessage(static_cast<int>(s.numbers.size()), split.hot + split.cold);
    return s;
}

} // namespace wheels
} // namespace ds
