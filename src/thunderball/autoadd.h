#pragma once

// "Auto Add": random entries weighted by the last thirty results. Every
// number's weight is 1 plus the times it was drawn (as a main number, or as
// the Thunderball) in those thirty results.
//
// The handler, in order:
//   1. pool = buildAutoAddPool(results, era, fraction)   (fractions of the generator
//      as it stands, for the random draws that make up fewer than thirty)
//   2. random.seed(time of day)
//   3. entries = pickAutoEntries(pool, n, fraction)
//   4. appendEntries(entry file, date, entries)

#include "core/games.h"
#include "thunderball/resultsfile.h"
#include "thunderball/thunderinput.h"

#include <functional>
#include <vector>

namespace ds::thunder {

// A uniform fraction in [0, 1).
using Fraction = std::function<double()>;

// Results that weight the pool.
inline constexpr int PoolDraws = 30;
// The pools of an era: every number once, then those of thirty draws (184
// and 44 slots for 5 from 34).
int mainPoolSize(const Era &era);
int ballPoolSize(const Era &era);

struct AutoAddPool {
    std::vector<qint16> main;        // 1 to the main limit, then five numbers per draw
    std::vector<qint16> thunderball; // 1 to the Thunderball limit, then one per draw
};

// A random whole number from 1 to n: the fraction times n plus 1, rounded
// half to even, drawn again while it lies outside 1 to n.
int randomFromOne(int n, const Fraction &fraction);

// The pool of an era from the c results of its file (in file order): the
// thirty most recently entered when c is over 30, all thirty when c is 30,
// else all c followed by 30 - c random draws (five main numbers, which need
// not differ, and a Thunderball, within the era's limits). Damaged results
// (isSoundResult) are left out whole, as if the file did not hold them.
AutoAddPool buildAutoAddPool(const std::vector<ThunderResult> &results, const Era &era, const Fraction &fraction);

// n entries picked from the pool: five main numbers at random pool positions
// (drawn again, all six together, when two are equal) and a Thunderball at a
// random position of its pool; main numbers ascending. None for n of 0 or
// less.
std::vector<ThunderNumbers> pickAutoEntries(const AutoAddPool &pool, int n, const Fraction &fraction);

} // namespace ds::thunder
