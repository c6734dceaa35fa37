#include "core/appstate.h"
#include "core/printersettings.h"
#include "entries/checking.h"
#include "entries/entryplans.h"
#include "entries/listprint.h"
#include "entries/rangecheck.h"
#include "entries/suggest.h"
#include "entries/tickets.h"
#include "support/fakes.h"
#include "support/printers.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

using namespace ds;
using namespace ds::rangecheck;
using namespace ds::suggest;
using namespace ds::tickets;
using dstest::TestFolder;
using dstest::FakePrinter;

namespace {

const SuggestRules Uk{49, 26, false, {}};
const SuggestRules Irish{42, 19, false, {}};

Draw drawOf(std::array<qint16, 6> main, qint16 bonus = 0) { return Draw::make("01011999", main, bonus); }
Entry entryOf(Numbers6 n, const char *date = "05061999") { return Entry{QByteArray(date, 8), n}; }

// Random entries of distinct numbers 1..49, ascending, made independently of the code under test.
std::vector<Entry> randomList(int count, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<qint16> balls(49);
    std::vector<Entry> out;
    for (int i = 0; i < count; ++i) {
        std::iota(balls.begin(), balls.end(), qint16(1));
        std::shuffle(balls.begin(), balls.end(), gen);
        Numbers6 n;
        std::copy_n(balls.begin(), 6, n.begin());
        std::sort(n.begin(), n.end());
        out.push_back(entryOf(n));
    }
    return out;
}

std::vector<Draw> randomDraws(int count, unsigned seed)
{
    std::vector<Draw> out;
    for (const Entry &e : randomList(count, seed))
        out.push_back(drawOf(e.n));
    return out;
}

int shared(const Numbers6 &a, const Numbers6 &b)
{
    return int(std::count_if(a.begin(), a.end(), [&](qint16 x) { return std::find(b.begin(), b.end(), x) != b.end(); }));
}

int maxShared(const Numbers6 &n, const std::vector<Entry> &list)
{
    int m = 0;
    for (const Entry &e : list)
        m = std::max(m, shared(n, e.n));
    return m;
}

bool validEntry(const Numbers6 &n, int limit)
{
    for (size_t k = 0; k < 6; ++k)
        if (n[k] < 1 || n[k] > limit || (k > 0 && n[k] <= n[k - 1]))
            return false;
    return true;
}

int below(const Numbers6 &n, int limit) { return int(std::count_if(n.begin(), n.end(), [&](int b) { return b < limit; })); }
SuggestRules withConstraints(SuggestRules r, ConstraintTable t) { return {r.maxBall, r.lowLimit, true, t}; }

// Accepted candidates of many attempts against the same list.
std::vector<Numbers6> accepted(const SuggestRules &rules, const std::vector<Entry> &list, int attempts,
                               unsigned seed, const std::vector<Draw> &history = {})
{
    const Suggester s(buildSelectionPool(history, rules.maxBall), rules, list);
    dstest::FakeRandom random;
    random.seed(seed);
    std::vector<Numbers6> out;
    for (int i = 0; i < attempts; ++i)
        if (auto n = s.attempt(random))
            out.push_back(*n);
    return out;
}

// Adds `count` entries from the pool of an empty history.
AddResult add(const SuggestRules &rules, std::vector<Entry> &entries, int count, RandomSource &random,
              const EntryWriter &write = nullptr, const QByteArray &firstDate = QByteArray(8, '\0'))
{
    return addSuggestedEntries(buildSelectionPool({}, rules.maxBall), rules, entries, count, firstDate, random, write);
}

struct StuckRandom : RandomSource { // gives the same fraction every time
    explicit StuckRandom(double v) : value(v) {}
    void seed(quint64) override {}
    double next() override { return value; }
    double value;
};

// The tiers of a 1999 draw of each lotto game.
const TierList &tiersOf(Game game)
{
    return eraOn(game, ymd(1999, 6, 5)).tiersOn(ymd(1999, 6, 5), 1);
}

Draw draw(const char *key, std::array<qint16, 6> main, qint16 bonus) { return Draw::make(key, main, bonus); }
Entry entry(Numbers6 n) { return {QByteArray(8, '\0'), n}; }

// Jan 1999 two draws, Mar 1999 four, May 1999 two.
const std::vector<Draw> History = {
    draw("02011999", {1, 2, 3, 4, 5, 6}, 7),       draw("09011999", {1, 2, 3, 4, 5, 6}, 7),
    draw("06031999", {3, 7, 12, 21, 30, 45}, 9),   draw("13031999", {3, 7, 12, 40, 41, 42}, 21),
    draw("20031999", {1, 2, 13, 14, 15, 16}, 17),  draw("27031999", {3, 7, 12, 21, 30, 44}, 45),
    draw("01051999", {1, 2, 3, 4, 5, 6}, 7),       draw("08051999", {1, 2, 3, 4, 5, 6}, 7),
};

const std::vector<Entry> Entries = {
    entry({3, 7, 12, 21, 30, 45}), // jackpot on 6 March
    entry({3, 7, 9, 12, 43, 44}),  // 3 + bonus on 6 March
    entry({3, 7, 12, 22, 23, 24}), // 3 on 6 March, 13 March and 27 March
    entry({3, 7, 12, 21, 30, 9}),  // 5 + bonus on 6 March, 5 on 27 March
};

} // namespace

TEST(Constraints, InvalidWhenOutOfRangeRepeatedOrBothRequiredAndExcludedAndNeverCutTo16Bits)
{
    const ConstraintCheck ok{true, true}, bad{false, true};
    const std::tuple<ConstraintTable, int, ConstraintCheck> cases[] = {
        {{}, 49, {true, false}}, {{0, 0, 0, 0, 0, 0, 0, 0, 12}, 49, ok},
        {{5, 0, 0, 0, 0, 5}, 49, bad}, {{5, 5}, 49, bad}, {{0, 0, 0, 9, 0, 0, 0, 0, 9}, 49, bad}, // repeated
        {{49}, 49, ok}, {{50}, 49, bad}, {{0, 0, 0, 42}, 42, ok}, {{0, 0, 0, 43}, 42, bad}, {{0, -1}, 49, bad},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto &[table, maxBall, want] = cases[i];
        EXPECT_EQ(checkConstraints(table, maxBall), want) << "case " << i;
    }
    // The boxes are read by the number reading rule.
    const ConstraintsRead r = readConstraints({" 7 ", "12.5", "", "abc", "3x", "", "", "", ""}, 49);
    EXPECT_EQ(r.table, (ConstraintTable{7, 12, 0, 0, 3, 0, 0, 0, 0}));
    EXPECT_TRUE(r.valid);
    EXPECT_TRUE(r.active);
    // 65543 would read as 7 if it were cut to 16 bits.
    const ConstraintsRead big = readConstraints({"65543", "", "", "", "", "", "", "", ""}, 49);
    EXPECT_FALSE(big.valid);
    EXPECT_TRUE(big.active);
    EXPECT_FALSE(checkConstraints(big.table, 49).valid);
}

TEST(SelectionPool, EachBallOncePlusTheMainNumbersOfTheLast208Draws)
{
    const SelectionPool empty = buildSelectionPool({}, 42);
    ASSERT_EQ(empty.size, 42);
    for (int b = 1; b <= 43; ++b)
        EXPECT_EQ(empty.balls[static_cast<size_t>(b)], b > 42 ? 0 : b);

    // 300 draws: 92 of 1..6, then 208 of 10..15.
    std::vector<Draw> draws(92, drawOf({1, 2, 3, 4, 5, 6}, 49));
    draws.insert(draws.end(), 208, drawOf({10, 11, 12, 13, 14, 15}, 49));
    const SelectionPool pool = buildSelectionPool(draws, 49);
    EXPECT_EQ(pool.size, 1297);
    const auto first = pool.balls.begin() + 1;
    const auto last = first + pool.size;
    EXPECT_EQ(std::count(first, last, 1), 1);
    EXPECT_EQ(std::count(first, last, 10), 209);
    EXPECT_EQ(std::count(first, last, 49), 1); // bonus numbers are not used
    EXPECT_EQ(buildSelectionPool(draws, 42).size, 42 + 6 * 208);

    // A draw with a ball outside the game is left out: zero, negative, above the game.
    const std::vector<Draw> damaged = {drawOf({0, 2, 3, 4, 5, 6}), drawOf({1, 2, 3, 4, 5, -32768}),
                                       drawOf({1, 2, 3, 4, 5, 43}), drawOf({1, 2, 3, 4, 5, 42}),
                                       drawOf({1, 2, 3, 4, 5, 50})};
    EXPECT_EQ(buildSelectionPool(damaged, 42).size, 42 + 6);
    EXPECT_EQ(buildSelectionPool(damaged, 49).size, 49 + 12);
    std::vector<Draw> bad(208, drawOf({1, 2, 3, 50, 60, 70})); // the last 208 all damaged
    bad.push_back(drawOf({-1, 0, 20, 30, 40, 42}));
    EXPECT_EQ(buildSelectionPool(bad, 42).size, 42);
}

TEST(SuggestedEntry, WithoutConstraintsAtMostThreeNumbersBelowTheLowLimitAndThePoolRunsToTheTopBall)
{
    // The UK limit 26 is reached; the Irish is 19; a 6 from 59 list reaches 59 with at most three below 31.
    const std::tuple<SuggestRules, std::vector<Draw>, int, unsigned> cases[] = {
        {Uk, randomDraws(300, 4), 3, 1}, {Irish, {}, 4, 2}, {SuggestRules{59, 31, false, {}}, {}, 3, 5}};
    for (const auto &[rules, history, reachedBelow26, seed] : cases) {
        const auto got = accepted(rules, {}, 5000, seed, history);
        ASSERT_GT(got.size(), 1000u);
        int reached = 0, top = 0;
        for (const Numbers6 &n : got) {
            ASSERT_TRUE(validEntry(n, rules.maxBall));
            ASSERT_LE(below(n, rules.lowLimit), 3);
            reached += below(n, 26) == reachedBelow26;
            top += n[5] == rules.maxBall;
        }
        EXPECT_GT(reached, 50) << rules.maxBall;
        EXPECT_GT(top, 20) << rules.maxBall;
    }
}

TEST(SuggestedEntry, RequiredNumbersInEveryEntryExcludedInNoneAndTheOverlapLimitIsFive)
{
    const auto got = accepted(withConstraints(Uk, {30, 0, 0, 1, 2, 3, 4, 5, 6}), {}, 3000, 3);
    ASSERT_GT(got.size(), 500u);
    std::set<size_t> positions;
    int manyLow = 0;
    for (const Numbers6 &n : got) {
        ASSERT_TRUE(validEntry(n, 49));
        const auto at = std::find(n.begin(), n.end(), 30);
        ASSERT_NE(at, n.end());
        positions.insert(static_cast<size_t>(at - n.begin()));
        ASSERT_EQ(below(n, 7), 0);
        manyLow += below(n, 26) > 3; // the low-number rule is off under constraints
    }
    EXPECT_GT(positions.size(), 3u); // sorted: 30 need not stay first
    EXPECT_GT(manyLow, 10);

    for (const Numbers6 &n : accepted(withConstraints(Irish, {40, 41, 42, 0, 0, 0, 0, 0, 0}), {}, 500, 4))
        ASSERT_TRUE(validEntry(n, 42) && n[3] == 40 && n[4] == 41 && n[5] == 42);

    // Whatever the count (its use: AddSuggestedEntries.SaturatedListStopsAndReportsTheCount).
    EXPECT_EQ(overlapLimit(2000, true), 5);
    EXPECT_EQ(overlapLimit(40, true), 5);
}

TEST(OverlapLimit, GrowsWithTheCountOfTheList)
{
    // Entries in the list, list seed, attempts, lowest and highest largest overlap.
    const std::tuple<int, unsigned, int, int, int> cases[] = {
        {1, 10, 20000, 3, 6}, // the second entry is not compared with the first
        {2, 10, 20000, 2, 2}, {57, 11, 20000, 2, 2}, {58, 12, 5000, 3, 3}, {1032, 13, 5000, 3, 3},
        {1033, 14, 5000, 4, 4},
    };
    for (const auto &[count, seed, attempts, lo, hi] : cases) {
        const std::vector<Entry> list = randomList(count, seed);
        const auto got = accepted(Uk, list, attempts, 99);
        EXPECT_GT(got.size(), 50u) << count;
        int m = 0;
        for (const Numbers6 &n : got)
            m = std::max(m, maxShared(n, list));
        EXPECT_TRUE(m >= lo && m <= hi) << count << " entries: " << m;
    }
    // Numbers out of range or repeated in a hand-damaged list are harmless.
    const std::vector<Entry> damaged = {entryOf({-5, 0, 64, 100, 32767, -32768}), entryOf({5, 5, 5, 5, 5, 5}),
                                        entryOf({1, 2, 3, 4, 5, 6})};
    const auto got = accepted(Uk, damaged, 2000, 17);
    ASSERT_FALSE(got.empty());
    for (const Numbers6 &n : got)
        ASSERT_TRUE(validEntry(n, 49) && shared(n, damaged[2].n) <= 2);
}

TEST(AddSuggestedEntries, EveryEntryMeetsTheRulesOfItsPlaceInTheList)
{
    std::vector<Entry> entries;
    dstest::FakeRandom random;
    int calls = 0;
    const AddResult r = addSuggestedEntries(buildSelectionPool(randomDraws(2000, 20), 49), Uk, entries, 2500,
                                            QByteArray("05061999"), random, [&](const Entry &, int recordNumber) {
                                                EXPECT_EQ(recordNumber, ++calls);
                                                return true;
                                            });
    ASSERT_EQ(entries.size(), 2500u);
    EXPECT_EQ(std::pair(r.added, r.stop), std::pair(2500, AddResult::Stop::Finished));
    for (size_t c = 0; c < entries.size(); ++c) {
        const Numbers6 &n = entries[c].n;
        ASSERT_TRUE(validEntry(n, 49));
        ASSERT_LE(below(n, 26), 3);
        const int limit = c < 2 ? 6 : c < 58 ? 2 : c <= 1032 ? 3 : 4;
        for (size_t i = 0; i < c; ++i)
            ASSERT_LE(shared(n, entries[i].n), limit) << "entry " << c << " against " << i;
    }
}

TEST(AddSuggestedEntries, SaturatedListStopsAndReportsTheCount)
{
    // With 1, 2, 3 required and 4..9 excluded an Irish entry is 1 2 3 plus
    // three of 10..42: 5,456 entries in all. The list holds all but four.
    std::vector<Entry> list;
    std::vector<Numbers6> missing, written;
    int index = 0;
    for (qint16 a = 10; a <= 42; ++a)
        for (qint16 b = a + 1; b <= 42; ++b)
            for (qint16 c = b + 1; c <= 42; ++c) {
                const Numbers6 n{1, 2, 3, a, b, c};
                if (index++ % 1400 == 7)
                    missing.push_back(n);
                else
                    list.push_back(entryOf(n));
            }
    dstest::FakeRandom random;
    const AddResult r = add(withConstraints(Irish, {1, 2, 3, 4, 5, 6, 7, 8, 9}), list, 10, random,
                            [&](const Entry &e, int) {
                                written.push_back(e.n);
                                return true;
                            });
    EXPECT_EQ(std::pair(r.added, r.stop), std::pair(4, AddResult::Stop::NoMoreFound));
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, missing);
    EXPECT_EQ(list.size(), 5456u);
    EXPECT_EQ(noMoreEntriesMessage(r.added),
              "No more entries can be found that meet the rules for suggested entries. 4 entries were added.");
    EXPECT_TRUE(noMoreEntriesMessage(0).endsWith("No entries were added."));
    EXPECT_TRUE(noMoreEntriesMessage(1).endsWith("1 entry was added."));
}

TEST(AddSuggestedEntries, StopsOnInvalidConstraintsAFailedWriteOrABrokenRandomSource)
{
    std::vector<Entry> entries;
    dstest::FakeRandom random;
    int writes = 0;
    const auto writer = [&](const Entry &, int) { return ++writes < 3; };
    AddResult r = add(withConstraints(Uk, {5, 0, 0, 5, 0, 0, 0, 0, 0}), entries, 5, random, writer);
    EXPECT_EQ(std::pair(r.added + writes, r.stop), std::pair(0, AddResult::Stop::InvalidConstraints));
    r = add(Uk, entries, 5, random, writer);
    EXPECT_EQ(std::pair(r.added, r.stop), std::pair(2, AddResult::Stop::WriteFailed));
    EXPECT_EQ(entries.size(), 2u);
    for (double v : {0.0, 0.999999, -1.0, 7.0}) {
        StuckRandom stuck(v);
        std::vector<Entry> none;
        r = add(Uk, none, 3, stuck);
        EXPECT_EQ(std::pair(r.added, r.stop), std::pair(0, AddResult::Stop::NoMoreFound)) << v;
    }
}

TEST(AddSuggestedEntries, DateFieldsComeFromTheFileThenFromTheEntryBefore)
{
    dstest::TestFolder dir;
    const QString path = dir.file(QStringLiteral("UK05061999.lot"));
    dir.write(QStringLiteral("UK05061999.lot"), dstest::entryRecord(QByteArray(8, ' '), {0, 0, 0, 0, 0, 0}));
    std::vector<Entry> entries = entryfile::load(path).value; // every entry deleted: record 1 blank
    ASSERT_TRUE(entries.empty());
    dstest::FakeRandom random;
    const AddResult r = add(Uk, entries, 3, random, [&](const Entry &e, int recordNumber) {
        return entryfile::writeAt(path, recordNumber, e);
    }, firstEntryDateField(path));
    ASSERT_EQ(r.added, 3);
    const std::vector<Entry> reread = entryfile::load(path).value;
    ASSERT_EQ(reread.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::pair(reread[i].date, reread[i].n), std::pair(QByteArray("05061999"), entries[i].n)) << i;
    // Other files: record 1's date field; a missing selections file its name's date, any other zeros.
    dir.write(QStringLiteral("StandUK.lot"), dstest::entryRecord("12121999", {0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(firstEntryDateField(dir.file(QStringLiteral("StandUK.lot"))), QByteArray("12121999"));
    EXPECT_EQ(firstEntryDateField(dir.file(QStringLiteral("ir31121999.lot"))), QByteArray("31121999"));
    EXPECT_EQ(firstEntryDateField(dir.file(QStringLiteral("StandIR.lot"))), QByteArray(8, '\0'));
    // Later entries copy the entry before.
    std::vector<Entry> two = {entryOf({1, 2, 3, 4, 5, 6}, "05061999"), entryOf({7, 8, 9, 10, 11, 12}, "xxxxxxxx")};
    add(Uk, two, 2, random, nullptr, QByteArray("11111111"));
    ASSERT_EQ(two.size(), 4u);
    EXPECT_EQ(two[2].date, QByteArray("xxxxxxxx"));
    EXPECT_EQ(two[3].date, QByteArray("xxxxxxxx"));
}

TEST(PlanAdd, RefusalsQuestionsAndCounts)
{
    const QString have = "You already have at least that number of entries!";
    const QString max = "2500 is the maximum number of entries";
    const QString fix = "The numbers you have chosen to include or exclude are invalid, so no entries can be "
                        "suggested. Use Constrain to correct them first.";
    const QString inForce = "You currently have contraints on numbers do you wish to proceed?";
    const QString longRun = "This could take several minutes to select the entries. Are you sure you want to continue?";
    const ConstraintTable none{}, seven{7}, both5{5, 0, 0, 5}, ir43{43}, ir45{45};
    using M = AddMode;
    struct Row {
        M mode; qint64 value; int current; ConstraintTable table; bool active; int maxBall;
        QStringList questions; QString refusal; int count; // -1: any
    };
    const Row rows[] = {
        {M::Total, 12, 12, none, false, 49, {}, have, 0},
        {M::Total, 20, 12, none, false, 49, {}, {}, 8},
        {M::Additional, 1000, 0, none, false, 49, {}, {}, 1000},
        {M::Additional, 1001, 0, none, false, 49, {longRun}, {}, 1001},
        {M::Total, 1500, 600, none, false, 49, {}, {}, 900}, // asks by the number still to make
        {M::Additional, 2, 2499, none, false, 49, {}, max, -1},
        {M::Additional, 1, 2499, none, false, 49, {}, {}, 1},
        {M::Total, 2501, 0, none, false, 49, {}, max, -1},
        {M::Total, 2500, 0, none, false, 49, {longRun}, {}, 2500},
        {M::Additional, 1000000000000000LL, 0, none, false, 49, {}, max, -1},
        {M::Additional, 1200, 0, seven, true, 49, {inForce, longRun}, {}, 1200},
        {M::Additional, 5, 0, ir45, false, 42, {}, {}, 5}, // left behind by a country switch: not in force
        {M::Additional, 5, 0, both5, true, 49, {}, fix, 0},
        {M::Additional, 5, 0, ir43, true, 42, {}, fix, 0},
        {M::None, 50, 0, none, false, 49, {}, {}, 0},
        {M::Additional, -5, 0, none, false, 49, {}, {}, 0},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row &w = rows[i];
        const AddPlan p = planAdd(w.mode, w.value, w.current, w.table, w.active, w.maxBall);
        EXPECT_EQ(p.questions, w.questions) << "row " << i;
        EXPECT_EQ(p.refusal, w.refusal) << "row " << i;
        EXPECT_TRUE(w.count < 0 || p.count == w.count) << "row " << i << ": " << p.count;
    }
}

TEST(SuggestRules, FromStateFollowsTheCountry)
{
    AppState st;
    st.countryCode = QStringLiteral("IR");
    st.constraints = {1, 0, 0, 0, 0, 0, 0, 0, 2};
    st.constraintsActive = true;
    const SuggestRules r = SuggestRules::fromState(st);
    EXPECT_TRUE(r.constraintsActive);
    EXPECT_EQ(r.constraints, st.constraints);
    // The era of the open selections file's date; the newest era for a file without a date.
    const std::tuple<const char *, const char *, int, int> files[] = {
        {"UK", "/p/UK07102015.lot", 49, 26}, {"UK", "/p/UK10102015.lot", 59, 31},
        {"UK", "/p/StandUK.lot", 59, 31},     {"UK", "", 59, 31},
        {"IR", "/p/IR01112006.lot", 42, 19}, {"IR", "/p/IR04112006.lot", 45, 20},
        {"IR", "/p/IR02092026.lot", 47, 21}, {"IR", "/p/IR07092026.lot", 45, 20},
        {"IR", "/p/StandIR.lot", 45, 20},     {"IR", "", 45, 20}};
    for (const auto &[country, file, maxBall, lowLimit] : files) {
        st.countryCode = QString::fromLatin1(country);
        st.currentEntryFile = QString::fromLatin1(file);
        EXPECT_EQ(SuggestRules::fromState(st).maxBall, maxBall) << file;
        EXPECT_EQ(SuggestRules::fromState(st).lowLimit, lowLimit) << file;
    }
}

TEST(Tiers, EachTierOfBothGames)
{
    const DrawNumbers theDraw{3, 7, 12, 21, 30, 45, 9};
    struct Case { Numbers6 entry; const char *uk; const char *irish; bool ukWin; bool irishWin; };
    const Case cases[] = {
        {{3, 40, 41, 42, 43, 44}, "(1)", "(1)", false, false},
        {{3, 7, 9, 42, 43, 44}, "(2 +Bonus)", "(2 +Bonus)", false, false},
        {{3, 7, 12, 42, 43, 44}, "(3 Match)", "", true, false},
        {{3, 7, 9, 12, 43, 44}, "(3 Match)", "(3 + Bonus)", true, true},
        {{3, 7, 12, 21, 43, 44}, "(4 Match)", "(4 Match)", true, true},
        {{3, 7, 9, 12, 21, 44}, "(4 Match)", "(4 + Bonus)", true, true},
        {{3, 7, 12, 21, 30, 44}, "(5 Match)", "(5 Match)", true, true},
        {{3, 7, 9, 12, 21, 30}, "(5 + Bonus)", "(5 + Bonus)", true, true},
        {{3, 7, 12, 21, 30, 45}, "(6 Match)", "(6 Match)", true, true},
        {{1, 2, 4, 5, 6, 8}, "", "", false, false},
    };
    for (const Case &c : cases) {
        const Match m = matchEntry(c.entry, theDraw);
        EXPECT_EQ(tierText(m, tiersOf(Game::UK), true), QString::fromLatin1(c.uk)) << numbersText(c.entry).toStdString();
        EXPECT_EQ(tierText(m, tiersOf(Game::Irish), true), QString::fromLatin1(c.irish)) << numbersText(c.entry).toStdString();
        // The "wins" option lists a tier only when it is a win.
        EXPECT_EQ(tierText(m, tiersOf(Game::UK), false), QString::fromLatin1(c.ukWin ? c.uk : ""));
        EXPECT_EQ(tierText(m, tiersOf(Game::Irish), false), QString::fromLatin1(c.irishWin ? c.irish : ""));
    }
}

TEST(Tiers, WinningLineAndDamagedEntries)
{
    const DrawNumbers d{2, 9, 17, 30, 1, 5, 44};
    const QByteArray blank(8, '\0');
    // Entries that are not six different numbers of the game win nothing and say so.
    const std::vector<Entry> entries{{blank, {2, 2, 2, 2, 2, 2}},   {blank, {2, 9, 17, 30, 41, 48}},
                                     {blank, {2, 9, 17, 30, 1, 50}}, {blank, {0, 2, 9, 17, 30, 1}},
                                     {blank, {2, 9, 40, 41, 42, 43}}, {blank, {2, 9, 17, 30, 1, 5}}};
    const CheckResult r = checkEntries(entries, d, tiersOf(Game::UK), 49, false);
    EXPECT_EQ(r.winningLines, (QStringList{"Entry 1 is damaged and was not checked.", "02 09 17 30 41 48 (4 Match)",
                                           "Entry 3 is damaged and was not checked.",
                                           "Entry 4 is damaged and was not checked.", "02 09 17 30 01 05 (6 Match)"}));
    EXPECT_EQ(r.marked, (std::vector<int>{1, 5}));
    EXPECT_EQ(r.prizeLines, (QList<int>{1, 4}));
    EXPECT_EQ(r.wins, 2);
    // 43 is outside the Irish game.
    EXPECT_EQ(checkEntries({entries[4]}, d, tiersOf(Game::Irish), 42, true).winningLines,
              QStringList{"Entry 1 is damaged and was not checked."});
}

// A 6 from 59 winning line ends with the prize of its period; two numbers win, with or without the bonus.
TEST(Tiers, SixFromFiftyNineLinesEndWithThePrizeOfTheirPeriod)
{
    const DrawNumbers theDraw{3, 7, 12, 21, 30, 45, 9};
    const Numbers6 entries[] = {{3, 40, 41, 42, 43, 44}, {3, 9, 41, 42, 43, 44}, {3, 7, 41, 42, 43, 44},
                                {3, 7, 9, 42, 43, 44},   {3, 7, 9, 12, 43, 44},  {3, 7, 12, 21, 43, 44},
                                {3, 7, 12, 21, 30, 44},  {3, 7, 9, 12, 21, 30},  {3, 7, 12, 21, 30, 45}};
    const std::pair<Ymd, QStringList> periods[] = {
        {20160102,
         {"(1)", "(1 +Bonus)", "(2 Match)  Lucky Dip", "(2 Match)  Lucky Dip", "(3 Match)  £25",
          "(4 Match)  Shared prize", "(5 Match)  Shared prize", "(5 + Bonus)  Shared prize", "(6 Match)  Jackpot"}},
        {20181121,
         {"(1)", "(1 +Bonus)", "(2 Match)  Lucky Dip", "(2 Match)  Lucky Dip", "(3 Match)  £30",
          "(4 Match)  £140", "(5 Match)  £1,750", "(5 + Bonus)  £1,000,000", "(6 Match)  Jackpot"}},
        {20260613,
         {"(1)", "(1 +Bonus)", "(2 Match)  £1", "(2 Match)  £1", "(3 Match)  £10", "(4 Match)  £50",
          "(5 Match)  £1,000", "(5 + Bonus)  £1,000,000", "(6 Match)  Jackpot"}},
    };
    for (const auto &[date, texts] : periods) {
        const TierList &tiers = eraOn(Game::UK, date).tiersOn(date, 1);
        QStringList all, wins;
        for (const Numbers6 &e : entries) {
            all << tierText(matchEntry(e, theDraw), tiers, true);
            wins << tierText(matchEntry(e, theDraw), tiers, false);
        }
        EXPECT_EQ(all, texts) << date;
        EXPECT_EQ(wins, QStringList{""} + QStringList{""} + texts.mid(2)) << date;
    }
    // A win of a free line is no cash.
    const CheckResult r = checkEntries({{QByteArray(8, '\0'), {3, 7, 41, 42, 43, 44}}}, theDraw,
                                       eraOn(Game::UK, 20160102).tiersOn(20160102, 1), 59, false);
    EXPECT_EQ(r.winningLines, QStringList{"03 07 41 42 43 44 (2 Match)  Lucky Dip"});
    EXPECT_EQ(r.wins, 1);
    EXPECT_EQ(winCountText(r.wins, r.cash, Currency::Pound), "1 winning entry");
}

// A two-round date: round 1's lines, then round 2's; a win in both is listed twice, marked and counted once.
TEST(Tiers, BothRoundsOfATwoRoundDateAtOnce)
{
    const Ymd date = 20260610;
    const Era &era = eraOn(Game::UK, date);
    const PlayedDraw rounds[] = {{{1, 12, 25, 29, 40, 41, 16}, &era.tiersOn(date, 1), "Round 1 "},
                                 {{2, 5, 12, 42, 47, 54, 51}, &era.tiersOn(date, 2), "Round 2 "}};
    const QByteArray key("10062026");
    const std::vector<Entry> entries{{key, {1, 12, 25, 40, 50, 51}},
                                     {key, {2, 5, 12, 29, 30, 31}},
                                     {key, {3, 4, 6, 7, 8, 9}},
                                     {key, {16, 33, 34, 42, 47, 54}}};
    const CheckResult r = checkPlayedDraws(entries, rounds, era.mainLimit, false);
    EXPECT_EQ(r.winningLines, (QStringList{"01 12 25 40 50 51 Round 1 (4 Match)  £50",
                                           "02 05 12 29 30 31 Round 1 (2 Match)  £1",
                                           "02 05 12 29 30 31 Round 2 (3 Match)  £10",
                                           "16 33 34 42 47 54 Round 2 (3 Match)  £10"}));
    EXPECT_EQ(r.marked, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(r.wins, 3);
    EXPECT_EQ(winCountText(r.wins, r.cash, Currency::Pound), "3 winning entries, £71 in fixed prizes");
    EXPECT_EQ(winCountText(1, 30, Currency::Pound), "1 winning entry, £30 in fixed prizes");
    EXPECT_EQ(winCountText(3, 0, Currency::Pound), "3 winning entries");
}

// Irish lines by draw and period: three numbers win in the main draw from 4/11/2006 (not in the
// 6 from 42), two and the bonus from 5/9/2015; Lotto Plus 1 pays by its own tiers.
TEST(Tiers, IrishLinesEndWithThePrizeOfTheirDrawAndPeriod)
{
    const DrawNumbers theDraw{3, 7, 12, 21, 30, 45, 9};
    const Numbers6 entries[] = {{3, 7, 12, 40, 41, 42}, {3, 7, 9, 40, 41, 42}, {3, 7, 12, 21, 30, 44},
                                {3, 7, 12, 21, 30, 45}};
    struct Case {
        Ymd date;
        int draw;
        QStringList wins;
    } cases[] = {
        {20050101, 1, {"", "", "(5 Match)", "(6 Match)"}},
        {20050101, 2, {"", "", "(5 Match)", "(6 Match)"}},
        {20100102, 1, {"(3 Match)  €5", "", "(5 Match)  Shared prize", "(6 Match)  Jackpot"}},
        {20100102, 2, {"(3 Match)  Prize", "", "(5 Match)  Prize", "(6 Match)  Prize"}},
        {20150902, 1, {"(3 Match)  €5", "", "(5 Match)  Shared prize", "(6 Match)  Jackpot"}},
        {20150905, 1, {"(3 Match)  Shared prize", "(2 + Bonus)  Free prize", "(5 Match)  Shared prize",
                       "(6 Match)  Jackpot"}},
        {20150905, 2, {"(3 Match)  Prize", "", "(5 Match)  Prize", "(6 Match)  €500,000"}},
        {20180829, 2, {"(3 Match)  Prize", "", "(5 Match)  Prize", "(6 Match)  €500,000"}},
        {20180901, 2, {"(3 Match)  €3", "(2 + Bonus)  Free prize", "(5 Match)  €500", "(6 Match)  €1,000,000"}},
        {20260907, 1, {"(3 Match)  Prize", "(2 + Bonus)  Prize", "(5 Match)  Shared prize", "(6 Match)  Jackpot"}},
        {20260907, 2, {"(3 Match)  Prize", "(2 + Bonus)  Prize", "(5 Match)  Prize", "(6 Match)  Prize"}},
    };
    for (const Case &c : cases) {
        const TierList &tiers = eraOn(Game::Irish, c.date).tiersOn(c.date, c.draw);
        QStringList wins;
        for (const Numbers6 &e : entries)
            wins << tierText(matchEntry(e, theDraw), tiers, false);
        EXPECT_EQ(wins, c.wins) << c.date << " draw " << c.draw;
    }

    // Lotto Plus 1 of 2018: two cash prizes and a free prize; the cash adds up in euro.
    const Ymd date = 20180901;
    const QByteArray key("01092018");
    const CheckResult r = checkEntries({{key, {3, 7, 12, 21, 30, 44}}, {key, {3, 7, 12, 40, 41, 42}},
                                        {key, {3, 7, 9, 40, 41, 42}}, {key, {1, 2, 4, 5, 6, 8}}},
                                       theDraw, eraOn(Game::Irish, date).tiersOn(date, 2), 47, false);
    EXPECT_EQ(r.winningLines, (QStringList{"03 07 12 21 30 44 (5 Match)  €500", "03 07 12 40 41 42 (3 Match)  €3",
                                           "03 07 09 40 41 42 (2 + Bonus)  Free prize"}));
    EXPECT_EQ(r.wins, 3);
    EXPECT_EQ(winCountText(r.wins, r.cash, eraOn(Game::Irish, date).tiersOn(date, 2).currency),
              "3 winning entries, €503 in fixed prizes");
}

// The selections list's separators and font (its page breaks: PagedLists).
TEST(ListPrinting, SelectionsPrintInGroupsOfSevenWithAPageBreak)
{
    FakePrinter printer;
    QStringList lines;
    for (int i = 1; i <= 57; ++i)
        lines << QStringLiteral("%1 40 41 42 43 44 ( )").arg(i % 50 == 0 ? 1 : i % 50, 2, 10, QLatin1Char('0'));
    printSelectionsList(printer, lines);
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto &job = printer.jobs[0];
    EXPECT_EQ(std::pair(job.font, job.size), std::pair(QStringLiteral("Courier"), 10));
    ASSERT_EQ(job.pages.size(), 2u);
    const QString indent(16, ' ');
    const QString sep = indent + QString(21, '-');
    const QStringList &first = job.pages[0];
    EXPECT_EQ(first.mid(0, 4), (QStringList{"", "", "", indent + "01 40 41 42 43 44 ( )"}));
    EXPECT_EQ(first.mid(10, 2), (QStringList{sep, indent + "08 40 41 42 43 44 ( )"})); // after the 7th line
    EXPECT_EQ(first.last(), sep); // the 8th separator ends the page (its size: PagedLists)
    EXPECT_EQ(job.pages[1], (QStringList{"", "", "", indent + "07 40 41 42 43 44 ( )"}));
}

// The decisions of the selections, standing-entry and check handlers.
TEST(EntryPlans, ManualEntryRefusalsAndTheLimitOf2500)
{
    const QString max = QStringLiteral("2500 is the maximum number of entries");
    const std::array<QString, 6> good{"49", "1", "23", "12", "30", "5"};
    const std::tuple<std::array<QString, 6>, int, int, QString> cases[] = {
        {good, 49, 2499, QString()},
        {good, 49, 2500, max},
        {good, 49, 2600, max}, // a file already past the limit cannot grow
    };
    for (const auto &[boxes, maxBall, count, refusal] : cases)
        EXPECT_EQ(readManualEntry(boxes, maxBall, count).refusal, refusal) << count;
    EXPECT_EQ(readManualEntry(good, 49, 0).numbers, (Numbers6{1, 5, 12, 23, 30, 49}));
}

TEST(EntryPlans, CheckStandingAndDeleteRefusals)
{
    const QString noEntries = QStringLiteral("There are no entries to check against!");
    EXPECT_EQ(checkRefusal(false, QStringLiteral("3")), noEntries);
    EXPECT_EQ(checkRefusal(true, QStringLiteral("0")), noEntries);
    EXPECT_EQ(checkRefusal(true, QString()), noEntries);
    EXPECT_TRUE(checkRefusal(true, QStringLiteral("3")).isEmpty());

    const QString none = QStringLiteral("You do not have any selections to make as your standing entry");
    const std::tuple<const char *, const char *, const char *, const char *, QString> standing[] = {
        {"", "5/6/1999", "UK", "f", none}, {"0", "5/6/1999", "UK", "f", none}, {"2", "", "UK", "f", none},
        {"2", "5/6/1999", "", "f", QStringLiteral("You must select a Country first")},
        {"2", "5/6/1999", "UK", "", QStringLiteral("No file selected Drawsmith Error 10")},
        {"2", "5/6/1999", "UK", "f", QString()},
    };
    for (const auto &[total, date, country, file, refusal] : standing)
        EXPECT_EQ(standingSaveRefusal(QString::fromLatin1(total), QString::fromLatin1(date), QString::fromLatin1(country),
                                      QString::fromLatin1(file)), refusal) << total << date << country << file;

    const QString notSelected = QStringLiteral("You have not selected an entry to delete");
    EXPECT_EQ(deleteEntryRefusal(0, 0), QStringLiteral("There are no entries to delete"));
    EXPECT_EQ(deleteEntryRefusal(3, -1), notSelected);
    EXPECT_EQ(deleteEntryRefusal(3, 3), notSelected);
    EXPECT_TRUE(deleteEntryRefusal(3, 2).isEmpty());
}

TEST(RangeCheck, RefusalsAndTheRangeOfDraws)
{
    EXPECT_EQ(validateRange(3, 1999, 2, 1999),
              "Your date range is invalid, the start month must be the same or less than the end month.");
    EXPECT_EQ(validateRange(1, 1999, 12, 1998),
              "Your date range is invalid, the start year must be the same or less than the end year.");
    struct Case { int sm, sy, em, ey, first, last; };
    const Case cases[] = {
        {3, 1999, 3, 1999, 2, 5},  // one month
        {2, 1999, 3, 1999, 0, 5},  // no draw in the start month: from the first draw
        {3, 1999, 4, 1999, 2, 7},  // none in the end month: to the last draw
        {1, 1998, 12, 2000, 0, 7}, // neither
        {12, 1998, 1, 1999, 0, 1}, // across the turn of a year
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(validateRange(c.sm, c.sy, c.em, c.ey).isEmpty()) << c.sm << "/" << c.sy;
        const DrawRange r = findDrawRange(History, c.sm, c.sy, c.em, c.ey);
        EXPECT_EQ(std::pair(r.first, r.last), std::pair(c.first, c.last)) << c.sm << "/" << c.sy;
    }
    EXPECT_TRUE(findDrawRange({}, 1, 1999, 1, 1999).empty());
}

TEST(RangeCheck, OneMonthOfEachGame)
{
    const QStringList uk = {
        "Date: 06/03/1999",
        "03 07 12 21 30 45 : 6",
        "03 07 09 12 43 44 : 3", // three and the bonus: a plain 3 in the UK lotto
        "03 07 12 22 23 24 : 3",
        "03 07 12 21 30 09 : 5+ Bonus",
        "Date: 13/03/1999",
        "03 07 12 21 30 45 : 3",
        "03 07 09 12 43 44 : 3",
        "03 07 12 22 23 24 : 3",
        "03 07 12 21 30 09 : 3",
        "Date: 20/03/1999",
        "Date: 27/03/1999",
        "03 07 12 21 30 45 : 5+ Bonus",
        "03 07 09 12 43 44 : 4",
        "03 07 12 22 23 24 : 3",
        "03 07 12 21 30 09 : 5",
    };
    const QStringList irish = {
        "Date: 06/03/1999",
        "03 07 12 21 30 45 : 6",
        "03 07 09 12 43 44 : 3+ Bonus",
        "03 07 12 21 30 09 : 5+ Bonus",
        "Date: 13/03/1999",
        "03 07 12 21 30 45 : 3+ Bonus",
        "03 07 12 21 30 09 : 3+ Bonus", // three without the bonus are neither listed nor counted
        "Date: 20/03/1999",
        "Date: 27/03/1999",
        "03 07 12 21 30 45 : 5+ Bonus",
        "03 07 09 12 43 44 : 4",
        "03 07 12 21 30 09 : 5",
    };
    const std::tuple<bool, QStringList, Totals> cases[] = {
        {false, uk, Totals{7, 1, 1, 1, 2, 0, 0}}, {true, irish, Totals{0, 1, 1, 1, 2, 0, 3}}};
    for (const auto &[isIrish, expected, totals] : cases) {
        std::vector<int> progress;
        const Result r = checkRange(Entries, History, findDrawRange(History, 3, 1999, 3, 1999),
                                    isIrish ? Game::Irish : Game::UK,
                                    [&](int done) { progress.push_back(done); });
        EXPECT_EQ(r.lines, expected);
        EXPECT_EQ(r.totals, totals);
        EXPECT_EQ(r.startDate + r.endDate, QStringLiteral("06/03/199927/03/1999"));
        EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4}));
    }
    // Start and end months without draws check the whole history; no history, nothing.
    const Result all = checkRange(Entries, History, findDrawRange(History, 2, 1999, 4, 1999), Game::UK);
    EXPECT_EQ(all.drawsChecked, 8);
    EXPECT_EQ(all.lines.filter(QStringLiteral("Date: ")).size(), 8);
    EXPECT_TRUE(checkRange(Entries, {}, findDrawRange({}, 1, 1999, 1, 1999), Game::UK).lines.isEmpty());
}

// An Irish range across eras: each draw of a date by its own tiers; three numbers count from 4/11/2006,
// two and the bonus in the main draw from 5/9/2015 and in Lotto Plus 1 from 1/9/2018.
TEST(RangeCheck, IrishDrawsAcrossErasByTheirDrawAndPeriod)
{
    const std::array<qint16, 6> six{3, 7, 12, 21, 30, 33};
    std::vector<Draw> draws;
    for (const char *key : {"01112006", "04112006", "05092015", "01092018"}) {
        draws.push_back(draw(key, six, 9));
        draws.push_back(draw(key, six, 9));
    }
    const std::vector<Entry> entries{entry({3, 7, 12, 40, 41, 42}), entry({3, 7, 9, 40, 41, 42})};
    const Result r = checkRange(entries, draws, findDrawRange(draws, 11, 2006, 9, 2018), Game::Irish);
    EXPECT_EQ(r.lines, (QStringList{"Date: 01/11/2006", "Date: 01/11/2006",
                                    "Date: 04/11/2006", "03 07 12 40 41 42 : 3",
                                    "Date: 04/11/2006", "03 07 12 40 41 42 : 3",
                                    "Date: 05/09/2015", "03 07 12 40 41 42 : 3", "03 07 09 40 41 42 : 2+ Bonus",
                                    "Date: 05/09/2015", "03 07 12 40 41 42 : 3",
                                    "Date: 01/09/2018", "03 07 12 40 41 42 : 3", "03 07 09 40 41 42 : 2+ Bonus",
                                    "Date: 01/09/2018", "03 07 12 40 41 42 : 3", "03 07 09 40 41 42 : 2+ Bonus"}));
    EXPECT_EQ(r.totals, (Totals{6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
    EXPECT_TRUE(r.crossesEras);
    EXPECT_EQ(r.drawsChecked, 8);
}

TEST(RangeCheck, YearsOfTheHistory)
{
    EXPECT_EQ(historyYears(History), QStringList{QStringLiteral("1999")});
    const std::vector<Draw> span = {draw("31121997", {1, 2, 3, 4, 5, 6}, 7), draw("01012000", {1, 2, 3, 4, 5, 6}, 7)};
    EXPECT_EQ(historyYears(span), (QStringList{"1997", "1998", "1999", "2000"}));
    EXPECT_TRUE(historyYears({}).isEmpty());
    const std::vector<Draw> damaged = {draw("0101abcd", {1, 2, 3, 4, 5, 6}, 7), draw("01012000", {1, 2, 3, 4, 5, 6}, 7)};
    EXPECT_TRUE(historyYears(damaged).isEmpty());
}

TEST(RangeCheck, OpeningTheFileChecked)
{
    const QByteArray blank(8, '\0');
    struct Case { const char *menu; Game game; const char *file; QByteArray bytes; const char *refusal; int entries; };
    const QByteArray two = dstest::entryRecord(blank, {1, 2, 3, 4, 5, 6}) + dstest::entryRecord(blank, {43, 44, 45, 46, 47, 49});
    const Case cases[] = {
        {"mnucheck", Game::UK, "standuk.lot", two, "", 2},     // found whatever the letter case
        {"mnuWheelCheck", Game::UK, "UKwheel6.lot", two, "", 2},
        {"mnu5check", Game::Irish, "IRwheel5.lot", two, "damaged: entry 2 ", 0},
        {"mnu4check", Game::UK, "UKwheel4.lot", dstest::entryRecord(blank, {1, 2, 3, 4, 5, 60}), "damaged: entry 1 ", 0},
        {"mnu3check", Game::UK, "UKwheel3.lot", dstest::entryRecord(blank, {1, 2, 3, 3, 5, 6}), "damaged", 0},
        {"mnu3check", Game::Irish, "", {}, "You have not created the wheel, first use the New command to create the wheel.", 0},
        {"mnucheck", Game::Irish, "", {}, "You have not created a standing entry", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.menu);
        TestFolder folder;
        if (*c.file)
            folder.write(QString::fromLatin1(c.file), c.bytes);
        const OpenedFile o = openCheckFile(folder.path(), c.game, checkSource(QString::fromLatin1(c.menu)));
        const QString want = QString::fromLatin1(c.refusal);
        EXPECT_TRUE(want.isEmpty() ? o.refusal.isEmpty() : o.refusal.contains(want)) << o.refusal.toStdString();
        EXPECT_EQ(static_cast<int>(o.entries.size()), c.entries);
        EXPECT_TRUE(!want.isEmpty() || o.path.endsWith(QString::fromLatin1(c.file))) << o.path.toStdString();
    }
}

TEST(TicketMarks, PositionsOnTheGridAndNothingOffIt)
{
    const struct { int board, position, number; TicketOffsets offsets; int index, left, top; } cases[] = {
        {1, 6, 49, {0, 0}, 6, 400, 1840},
        {1, 1, 1, {0, 0}, 1, 3650, 1210},
        {1, 2, 5, {0, 0}, 2, 3650, 2050},   // the last of a row of five
        {1, 3, 6, {0, 0}, 3, 3280, 1210},   // the next row
        {2, 1, 1, {0, 0}, 7, 3650, 2410},
        {7, 6, 45, {0, 0}, 42, 760, 9250},
        {4, 4, 23, {-400, 440}, 22, 2200 - 400, 1210 + 3 * 1200 + 2 * 210 + 440},
    };
    for (const auto &c : cases) {
        const auto m = markOf(c.board, c.position, c.number, c.offsets);
        ASSERT_TRUE(m.has_value()) << c.number;
        EXPECT_EQ(*m, (TicketMark{c.index, c.left, c.top})) << "board " << c.board << " number " << c.number;
    }
    const struct { int board, position, number; } off[] = {
        {1, 1, 0}, {1, 1, 50}, {1, 1, -3}, {1, 1, 32767}, {0, 1, 1}, {8, 1, 1}, {1, 0, 1}, {1, 7, 1}};
    for (const auto &c : off)
        EXPECT_FALSE(markOf(c.board, c.position, c.number, {}).has_value()) << c.board << c.position << c.number;
    // A damaged entry marks only the numbers on the grid.
    EXPECT_EQ(boardMarks(3, {1, 0, 60, 20, -1, 49}, {}),
              (std::vector<TicketMark>{*markOf(3, 1, 1, {}), *markOf(3, 4, 20, {}), *markOf(3, 6, 49, {})}));
    // An offset beyond any int keeps the position within one.
    EXPECT_EQ(markOf(1, 1, 1, {2147483647, 0})->left, 2147483647);
}

TEST(TicketTest, OffsetLimits)
{
    const struct { qint32 left, top; QString refusal; OffsetBox box; } cases[] = {
        {8350, 0, {}, OffsetBox::Left},
        {8351, 0, "Your LEFT value is too high - reduce the value", OffsetBox::Left},
        {-400, 0, {}, OffsetBox::Left},
        {-401, 0, "Your LEFT value is too low - reduce the negative value", OffsetBox::Left},
        {0, 440, {}, OffsetBox::Top},
        {0, 441, "Your TOP value is too high - reduce the value", OffsetBox::Top},
        {0, -1210, {}, OffsetBox::Top},
        {0, -1211, "Your TOP value is too low - reduce the negative value", OffsetBox::Top},
        {9000, 9000, "Your LEFT value is too high - reduce the value", OffsetBox::Left}, // left is checked first
        {-401, -1211, "Your LEFT value is too low - reduce the negative value", OffsetBox::Left},
        {0, -32768, "Your TOP value is too low - reduce the negative value", OffsetBox::Top},
    };
    for (const auto &c : cases) {
        const TicketOffsets o{c.left, c.top};
        EXPECT_EQ(testRefusal(o), c.refusal) << c.left << "," << c.top;
        EXPECT_TRUE(c.refusal.isEmpty() || refusedBox(o) == c.box) << c.left << "," << c.top;
    }
}

// The boxes are read by the number reading rule (NumberReading's), to the nearest end of 16 bits.
TEST(TicketTest, BoxValues)
{
    const struct { const char *text; qint32 value; } cases[] = {
        {" -120.4 ", -120}, {"12abc", 12}, {"99999999999", 32767}, {"-99999999999", -32768}};
    for (const auto &c : cases)
        EXPECT_EQ(offsetBoxValue(QString::fromLatin1(c.text)), c.value) << c.text;
    // A huge value is refused as too high, not wrapped round.
    EXPECT_EQ(testRefusal(boxOffsets(QStringLiteral("99999999999"), QStringLiteral("0"))),
              "Your LEFT value is too high - reduce the value");
}

TEST(TicketTest, TestTicketMarksEveryBoard)
{
    const auto marks = testTicket({10, 20});
    ASSERT_EQ(marks.size(), 42u);
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(marks[size_t(i)].index, i + 1);
    EXPECT_EQ(marks[0], (TicketMark{1, 3650 + 10, 1210 + 20}));                 // board 1: 1
    EXPECT_EQ(marks[41], (TicketMark{42, 760 + 10, 1210 + 6 * 1200 + 20 + 210})); // board 7: 42
}

TEST(TicketGrouping, SevenBoardsATicketInOrder)
{
    const struct { int entries; std::vector<int> boards; } cases[] = {
        {0, {}}, {1, {1}}, {7, {7}}, {8, {7, 1}}, {14, {7, 7}}, {15, {7, 7, 1}}};
    for (const auto &c : cases) {
        std::vector<Numbers6> entries;
        for (int i = 0; i < c.entries; ++i)
            entries.push_back({qint16(1 + i), 10, 20, 30, 40, 49});
        const auto tickets = entryTickets(entries, {});
        std::vector<int> boards;
        for (size_t t = 0; t < tickets.size(); ++t) {
            boards.push_back(tickets[t].boards);
            std::vector<TicketMark> want;
            for (int b = 1; b <= tickets[t].boards; ++b) {
                const auto marks = boardMarks(b, entries[7 * t + size_t(b) - 1], {});
                want.insert(want.end(), marks.begin(), marks.end());
            }
            EXPECT_EQ(tickets[t].marks, want) << "ticket " << t + 1;
        }
        EXPECT_EQ(boards, c.boards) << c.entries << " entries";
    }
}

TEST(PrinterSettings, SaveThenRecallAndValuesTheFileCannotHold)
{
    const struct { const char *left, *top; QByteArray bytes; const char *shownLeft, *shownTop; } cases[] = {
        {"250", "-120", QByteArray::fromHex("fa0088ff"), " 250", "-120"},
        {"0", "", QByteArray::fromHex("00000000"), " 0", " 0"},
        {"12.5", "13.5 twips", QByteArray::fromHex("0c000e00"), " 12", " 14"},
        {"32767", "-32768", QByteArray::fromHex("ff7f0080"), " 32767", "-32768"},
    };
    for (const auto &c : cases) {
        dstest::TestFolder dir;
        const QString path = dir.file(QStringLiteral("prnt.dat"));
        const SavePlan plan = planSave(QString::fromLatin1(c.left), QString::fromLatin1(c.top));
        ASSERT_TRUE(plan.refusal.isEmpty()) << c.left;
        ASSERT_TRUE(writePrinterOffsets(path, plan.left, plan.top));
        EXPECT_EQ(dir.read(QStringLiteral("prnt.dat")), c.bytes) << c.left;
        const OffsetsRead r = readPrinterOffsets(path);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(offsetText(r.offsets.left), QString::fromLatin1(c.shownLeft));
        EXPECT_EQ(offsetText(r.offsets.top), QString::fromLatin1(c.shownTop));
    }
    const struct { const char *left, *top; OffsetBox box; } refused[] = {
        {"32768", "0", OffsetBox::Left}, {"0", "-32769", OffsetBox::Top}, {"99999", "99999", OffsetBox::Left}};
    for (const auto &c : refused) {
        const SavePlan plan = planSave(QString::fromLatin1(c.left), QString::fromLatin1(c.top));
        EXPECT_EQ(plan.refusal, "The LEFT and TOP values must be whole numbers from -32768 to 32767") << c.left;
        EXPECT_EQ(plan.box, c.box) << c.left;
    }
}

TEST(PrinterSettings, DamagedAndMissingFiles)
{
    const struct { QByteArray bytes; qint32 left, top; } cases[] = {
        {{}, 0, 0},
        {QByteArray::fromHex("05"), 5, 0},              // half a field: its high byte 0
        {QByteArray::fromHex("0500"), 5, 0},            // the top offset missing
        {QByteArray::fromHex("0500faff0100020003"), 5, -6}, // more than one record
    };
    for (const auto &c : cases) {
        dstest::TestFolder dir;
        if (!c.bytes.isEmpty())
            dir.write(QStringLiteral("prnt.dat"), c.bytes);
        const OffsetsRead r = readPrinterOffsets(dir.file(QStringLiteral("prnt.dat")));
        EXPECT_TRUE(r.ok) << c.bytes.toHex().toStdString();
        EXPECT_EQ(r.offsets, (TicketOffsets{c.left, c.top})) << c.bytes.toHex().toStdString();
    }
    // Saving keeps what lies beyond record 1.
    dstest::TestFolder dir;
    dir.write(QStringLiteral("prnt.dat"), QByteArray::fromHex("0500faff01000200"));
    ASSERT_TRUE(writePrinterOffsets(dir.file(QStringLiteral("prnt.dat")), 7, 8));
    EXPECT_EQ(dir.read(QStringLiteral("prnt.dat")), QByteArray::fromHex("0700080001000200"));
    // A settings file that cannot be read is reported, and not replaced.
    dstest::TestFolder broken;
    QDir(broken.path()).mkdir(QStringLiteral("prnt.dat"));
    EXPECT_FALSE(readPrinterOffsets(broken.file(QStringLiteral("prnt.dat"))).ok);
    EXPECT_FALSE(writePrinterOffsets(broken.file(QStringLiteral("prnt.dat")), 1, 2));
}

// Each page of a printed list holds its own lines; a list ending at a break starts no empty page.
TEST(PagedLists, BreaksOnlyWhereTheListDoes)
{
    const struct { const PagedListShape *shape; int lines; std::vector<int> pageSizes; } cases[] = {
        {&WinningListShape, 1, {4}},
        {&WinningListShape, 72, {75}},
        {&WinningListShape, 73, {75, 4}},
        {&WinningListShape, 144, {75, 75}},
        {&SelectionsListShape, 6, {9}},
        {&SelectionsListShape, 7, {11}},
        {&SelectionsListShape, 56, {67}},
        {&SelectionsListShape, 57, {67, 4}},
        {&SelectionsListShape, 112, {67, 67}},
    };
    for (const auto &c : cases) {
        dstest::FakePrinter printer;
        QStringList lines;
        for (int i = 0; i < c.lines; ++i)
            lines << QStringLiteral("%1 02 03 04 05 06 ( )").arg(i);
        printPagedList(printer, lines, *c.shape);
        ASSERT_EQ(printer.jobs.size(), 1u);
        const auto &job = printer.jobs[0];
        EXPECT_EQ(job.pageLines, c.shape == &WinningListShape ? 75 : 67);
        std::vector<int> sizes;
        for (const QStringList &page : job.pages) {
            sizes.push_back(int(page.size()));
            EXPECT_EQ(page.mid(0, 3), (QStringList{"", "", ""}));
        }
        EXPECT_EQ(sizes, c.pageSizes) << c.lines << " lines, groups of " << c.shape->groupLines;
    }
}
