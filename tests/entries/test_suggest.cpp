#include "core/appstate.h"
#include "entries/suggest.h"
#include "support/fakes.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <random>
#include <set>

using namespace ds;
using namespace ds::suggest;

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
