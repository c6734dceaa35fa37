#pragma once

// "Suggest" of the wheel windows: a group of distinct numbers for the selected
// group size, hot numbers (drawn at least as often as the middle of the
// observed range) first, then cold ones (drawn less often, but at least once),
// each picked at random within its class.

#include "core/drawhistory.h"
#include "core/games.h"
#include "platform/random.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace ds {
namespace wheels {

inline constexpr char MsgNoCountry[] = "No Country is selected!";
inline constexpr char MsgInsufficientDraws[] =
    "Insufficient entries in the results file! You should choose your own numbers.";
inline constexpr int MinDrawsToSuggest = 52;

// Random draws allowed for one number before suggesting gives up. With every
// ball drawn with a chance of 1 in 50, a ball that qualifies is found long
// before this.
inline constexpr int MaxDrawsPerNumber = 20000;

struct HotCold {
    int hot = 0;
    int cold = 0;
};
// The split of a group of n (6 to 13) into hot and cold numbers; zeros for
// any other n.
HotCold hotColdSplit(int n);

// Main-number counts of balls 1..maxBall (index 0 unused). Numbers outside the
// range in a damaged history are not counted.
BallTable ballCounts(std::span<const Draw> draws, int maxBall);

// (highest + lowest) / 2 to the nearest whole number, halves to even.
int middleCount(int highest, int lowest);

struct WheelSuggestion {
    QString refusal;              // shown with OK; the boxes are not changed
    std::vector<qint16> numbers;  // for the first boxes, in order (every box emptied first)
    QString shortfall;            // shown with OK when fewer than n could be found
};

// Suggests from the draws of the game's newest era (the numbers run to its
// limit). `game` is the current game, nothing when none is chosen; `wheel3`
// for the "Wheel 3" window, which only games offering that wheel have.
// `random` is used as it is; seed it before.
WheelSuggestion suggestWheelNumbers(std::optional<Game> game, bool wheel3, std::span<const Draw> draws, int n,
                                    RandomSource &random);

QString shortfallMessage(int found, int wanted);

} // namespace wheels
} // namespace ds
