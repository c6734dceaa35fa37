#include "core/dates.h"
#include "support/fakes.h"
#include "wheels/wheelsuggest.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace ds;
using namespace ds::wheels;

namespace {

Draw draw(int i, std::array<qint16, 6> main, qint16 bonus = 0)
{
    return Draw::make(dateKey(1 + i % 28, 1 + i / 28 % 12, 1995 + i / 336), main, bonus);
}

std::array<qint16, 6> run(int from)
{
    return {qint16(from), qint16(from + 1), qint16(from + 2), qint16(from + 3), qint16(from + 4), qint16(from + 5)};
}

// Irish history: 1..12 drawn 24 times each (hot), 13..36 three times (cold), 37..42 and bonuses never.
std::vector<Draw> hotAndCold()
{
    std::vector<Draw> d;
    for (int i = 0; i < 48; ++i)
        d.push_back(draw(i, run(i % 2 ? 7 : 1), 40));
    for (int i = 0; i < 12; ++i)
        d.push_back(draw(48 + i, run(13 + 6 * (i % 4)), 41));
    return d;
}

} // namespace

TEST(WheelSuggest, Refusals)
{
    dstest::FakeRandom random;
    const std::vector<Draw> history = hotAndCold();
    struct Case { const char *country; bool ukOnly; int draws; const char *refusal; };
    const Case cases[] = {
        {"", false, 60, "No Country is selected!"},
        {"IR", true, 60, "No Country is selected!"}, // Wheel 3 suggests for the UK lotto only
        {"IR", false, 51, "Insufficient entries in the results file! You should choose your own numbers."},
        {"IR", false, 52, ""},
        {"UK", true, 52, ""},
    };
    for (const Case &c : cases) {
        const WheelSuggestion s = suggestWheelNumbers(gameOfCountry(QString::fromLatin1(c.country)), c.ukOnly,
                                                      std::span(history).first(static_cast<size_t>(c.draws)), 8, random);
        EXPECT_EQ(s.refusal, QString::fromLatin1(c.refusal)) << c.country << " " << c.draws;
        EXPECT_EQ(s.numbers.empty(), *c.refusal != '\0') << c.country << " " << c.draws;
    }
}

TEST(WheelSuggest, HotFirstThenColdNeverUndrawnBallsAndTwoPressesDiffer)
{
    const std::vector<Draw> history = hotAndCold();
    dstest::FakeRandom random; // one stream: each press goes on from the one before
    std::map<int, std::vector<qint16>> last;
    for (int press = 1; press <= 40; ++press) {
        const int n = 9 + press % 5; // 9..13
        const HotCold split = hotColdSplit(n);
        const WheelSuggestion s = suggestWheelNumbers(Game::Irish, false, history, n, random);
        ASSERT_TRUE(s.refusal.isEmpty());
        EXPECT_TRUE(s.shortfall.isEmpty());
        ASSERT_EQ(static_cast<int>(s.numbers.size()), n);
        EXPECT_EQ(std::set<qint16>(s.numbers.begin(), s.numbers.end()).size(), s.numbers.size()) << "repeated number";
        EXPECT_NE(s.numbers, std::exchange(last[n], s.numbers)) << "press " << press;
        for (int i = 0; i < n; ++i) {
            const qint16 b = s.numbers[static_cast<size_t>(i)];
            if (i < split.hot)
                EXPECT_TRUE(b >= 1 && b <= 12) << "hot " << b;
            else
                EXPECT_TRUE(b >= 13 && b <= 36) << "cold " << b;
        }
    }
}

TEST(WheelSuggest, StopsWhenAClassRunsOut)
{
    // All counts equal: every ball is hot, none cold. The hot numbers are kept, the shortfall told.
    std::vector<Draw> even; // every ball of 1..42 drawn eight times: none is below the middle
    for (int i = 0; i < 56; ++i)
        even.push_back(draw(i, run(1 + 6 * (i % 7))));
    dstest::FakeRandom random;
    WheelSuggestion s = suggestWheelNumbers(Game::Irish, false, even, 8, random);
    EXPECT_EQ(s.numbers.size(), 6u);
    EXPECT_EQ(s.shortfall, shortfallMessage(6, 8));

    // A generator that only ever gives 0 (ball 0, never valid) still ends.
    random.fixed = 0.0;
    s = suggestWheelNumbers(Game::Irish, false, hotAndCold(), 8, random);
    EXPECT_TRUE(s.numbers.empty());
    EXPECT_EQ(s.shortfall, shortfallMessage(0, 8));
}

TEST(WheelSuggest, CountsAndMiddle)
{
    const std::vector<Draw> history{draw(0, {1, 2, 3, 4, 5, 45}, 6), draw(1, {1, 2, 3, 4, 5, 50}, 7),
                                    draw(2, {1, 0, -3, 4, 5, 6}, 8)};
    const BallTable uk = ballCounts(history, 49);
    EXPECT_EQ(uk[1], 3);
    EXPECT_EQ(uk[6] + uk[7], 1); // as a main number only; never as the bonus
    EXPECT_EQ(uk[45], 1);
    EXPECT_EQ(ballCounts(history, 42)[45], 0); // outside the Irish range
    struct Case { int high, low, middle; };
    for (const Case c : {Case{5, 0, 2}, Case{7, 0, 4}, Case{9, 2, 6}})
        EXPECT_EQ(middleCount(c.high, c.low), c.middle) << c.high << "," << c.low;
}
