#include "core/appstate.h"
#include "entries/suggest.h"
#include "support/fakes.h"
#include "support/testfolder.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <set>

using namespace ds;
using namespace ds::suggest;

namespace {

Draw drawOf(std::array<qint16, 6> main, qint16 bonus = 0)
{
    return Draw::make(QStringLiteral("01011999"), main, bonus);
}

std::vector<Draw> repeatedDraws(int n, std::array<qint16, 6> main)
{
    return std::vector<Draw>(static_cast<size_t>(n), drawOf(main, 49));
}

Entry entryOf(Numbers6 n, const char *date = "05061999")
{
    Entry e;
    e.date = QByteArray(date, 8);
    e.n = n;
    return e;
}

// A random entry of distinct numbers 1..limit, ascending, made independently
// of the code under test.
Numbers6 randomNumbers(std::mt19937 &gen, int limit)
{
    std::vector<qint16> balls(static_cast<size_t>(limit));
    for (int i = 0; i < limit; ++i)
        balls[static_cast<size_t>(i)] = static_cast<qint16>(i + 1);
    std::shuffle(balls.begin(), balls.end(), gen);
    Numbers6 n;
    std::copy_n(balls.begin(), 6, n.begin());
    std::sort(n.begin(), n.end());
    return n;
}

std::vector<Entry> randomList(int count, int limit, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<Entry> out;
    for (int i = 0; i < count; ++i)
        out.push_back(entryOf(randomNumbers(gen, limit)));
    return out;
}

int shared(const Numbers6 &a, const Numbers6 &b)
{
    int s = 0;
    for (qint16 x : a)
        s += static_cast<int>(std::count(b.begin(), b.end(), x));
    return s;
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
    for (size_t k = 0; k < 6; ++k) {
        if (n[k] < 1 || n[k] > limit)
            return false;
        if (k > 0 && n[k] <= n[k - 1])
            return false;
    }
    return true;
}

int below(const Numbers6 &n, int limit)
{
    return static_cast<int>(std::count_if(n.begin(), n.end(), [&](qint16 b) { return b < limit; }));
}

SuggestRules ukRules()
{
    return SuggestRules{49, 26, false, {}};
}

SuggestRules irishRules()
{
    return SuggestRules{42, 19, false, {}};
}

SuggestRules withConstraints(SuggestRules r, ConstraintTable t)
{
    r.constraints = t;
    r.constraintsActive = true;
    return r;
}

// Accepted candidates of many attempts against the same list.
std::vector<Numbers6> accepted(const Suggester &s, int attempts, unsigned seed)
{
    dstest::FakeRandom random;
    random.seed(seed);
    std::vector<Numbers6> out;
    for (int i = 0; i < attempts; ++i)
        if (auto n = s.attempt(random))
            out.push_back(*n);
    return out;
}

// The largest overlap any accepted candidate has with the list.
int largestOverlap(const SuggestRules &rules, const std::vector<Entry> &list, int attempts)
{
    const Suggester s(buildSelectionPool({}, rules.maxBall), rules, list);
    const auto got = accepted(s, attempts, 99);
    EXPECT_GT(got.size(), 50u);
    int m = 0;
    for (const Numbers6 &n : got)
        m = std::max(m, maxShared(n, list));
    return m;
}

} // namespace

// ---- Constraints ("Done") ----

TEST(Constraints, EmptyTableIsValidAndInactive)
{
    EXPECT_EQ(checkConstraints({}, 49), (ConstraintCheck{true, false}));
}

TEST(Constraints, OneNumberMakesThemActive)
{
    EXPECT_EQ(checkConstraints({0, 0, 0, 0, 0, 0, 0, 0, 12}, 49), (ConstraintCheck{true, true}));
}

TEST(Constraints, NumberBothRequiredAndExcludedIsInvalid)
{
    EXPECT_EQ(checkConstraints({5, 0, 0, 0, 0, 5, 0, 0, 0}, 49), (ConstraintCheck{false, true}));
    EXPECT_FALSE(checkConstraints({5, 5, 0, 0, 0, 0, 0, 0, 0}, 49).valid);
    EXPECT_FALSE(checkConstraints({0, 0, 0, 9, 0, 0, 0, 0, 9}, 49).valid);
}

TEST(Constraints, RangeDependsOnTheGame)
{
    EXPECT_TRUE(checkConstraints({49, 0, 0, 0, 0, 0, 0, 0, 0}, 49).valid);
    EXPECT_FALSE(checkConstraints({50, 0, 0, 0, 0, 0, 0, 0, 0}, 49).valid);
    EXPECT_TRUE(checkConstraints({0, 0, 0, 42, 0, 0, 0, 0, 0}, 42).valid);
    EXPECT_FALSE(checkConstraints({0, 0, 0, 43, 0, 0, 0, 0, 0}, 42).valid);
    EXPECT_FALSE(checkConstraints({0, -1, 0, 0, 0, 0, 0, 0, 0}, 49).valid);
}

TEST(Constraints, ReadFromBoxesByTheNumberReadingRule)
{
    const ConstraintsRead r = readConstraints(
        {QStringLiteral(" 7 "), QStringLiteral("12.5"), QString(), QStringLiteral("abc"),
         QStringLiteral("3x"), QString(), QString(), QString(), QString()},
        49);
    EXPECT_EQ(r.table, (ConstraintTable{7, 12, 0, 0, 3, 0, 0, 0, 0}));
    EXPECT_TRUE(r.valid);
    EXPECT_TRUE(r.active);
}

TEST(Constraints, ValuesBeyond16BitsNeverPassAsSmallNumbers)
{
    // 65543 would read as 7 if it were cut to 16 bits.
    const ConstraintsRead r = readConstraints(
        {QStringLiteral("65543"), QString(), QString(), QString(), QString(), QString(), QString(),
         QString(), QString()},
        49);
    EXPECT_FALSE(r.valid);
    EXPECT_TRUE(r.active);
    EXPECT_FALSE(checkConstraints(r.table, 49).valid);
}

// ---- Selection pool ----

TEST(SelectionPool, EmptyHistoryHoldsEachBallOnce)
{
    const SelectionPool uk = buildSelectionPool({}, 49);
    ASSERT_EQ(uk.size, 49);
    for (int b = 1; b <= 49; ++b)
        EXPECT_EQ(uk.balls[static_cast<size_t>(b)], b);
    EXPECT_EQ(uk.balls[50], 0);

    const SelectionPool ir = buildSelectionPool({}, 42);
    ASSERT_EQ(ir.size, 42);
    EXPECT_EQ(ir.balls[42], 42);
    EXPECT_EQ(ir.balls[43], 0);
}

TEST(SelectionPool, OnlyTheLast208DrawsContribute)
{
    std::vector<Draw> draws = repeatedDraws(92, {1, 2, 3, 4, 5, 6});
    const auto recent = repeatedDraws(208, {10, 11, 12, 13, 14, 15});
    draws.insert(draws.end(), recent.begin(), recent.end());

    const SelectionPool pool = buildSelectionPool(draws, 49);
    EXPECT_EQ(pool.size, 49 + 6 * 208);
    EXPECT_EQ(pool.size, 1297);
    const auto first = pool.balls.begin() + 1;
    const auto last = pool.balls.begin() + 1 + pool.size;
    EXPECT_EQ(std::count(first, last, 1), 1);
    EXPECT_EQ(std::count(first, last, 10), 209);
    EXPECT_EQ(std::count(first, last, 49), 1);   // bonus numbers are not used
    EXPECT_EQ(buildSelectionPool(draws, 42).size, 42 + 6 * 208);
}

TEST(SelectionPool, DrawWithABallOutsideTheGameIsLeftOut)
{
    std::vector<Draw> draws = repeatedDraws(207, {1, 2, 3, 4, 5, 6});
    draws.insert(draws.begin() + 100, drawOf({1, 2, 3, 4, 5, 50}));
    const SelectionPool uk = buildSelectionPool(draws, 49);
    EXPECT_EQ(uk.size, 49 + 6 * 207);
    for (int i = 1; i <= uk.size; ++i)
        ASSERT_TRUE(uk.balls[static_cast<size_t>(i)] >= 1 && uk.balls[static_cast<size_t>(i)] <= 49);

    // Zero, negative and Irish-only limits.
    const std::vector<Draw> damaged = {
        drawOf({0, 2, 3, 4, 5, 6}), drawOf({-3, 2, 3, 4, 5, 6}), drawOf({1, 2, 3, 4, 5, 43}),
        drawOf({1, 2, 3, 4, 5, -32768}), drawOf({1, 2, 3, 4, 5, 42}),
    };
    const SelectionPool ir = buildSelectionPool(damaged, 42);
    EXPECT_EQ(ir.size, 42 + 6);
    EXPECT_EQ(buildSelectionPool(damaged, 49).size, 49 + 12);
}

// ---- Making entries ----

TEST(SuggestedEntry, UkEntriesHaveAtMostThreeNumbersBelow26)
{
    const std::vector<Draw> history = [] {
        std::vector<Draw> d;
        std::mt19937 gen(4);
        for (int i = 0; i < 300; ++i)
            d.push_back(drawOf(randomNumbers(gen, 49)));
        return d;
    }();
    const Suggester s(buildSelectionPool(history, 49), ukRules(), {});
    const auto got = accepted(s, 5000, 1);
    ASSERT_GT(got.size(), 1000u);
    int exactlyThree = 0;
    for (const Numbers6 &n : got) {
        ASSERT_TRUE(validEntry(n, 49));
        ASSERT_LE(below(n, 26), 3);
        exactlyThree += below(n, 26) == 3;
    }
    EXPECT_GT(exactlyThree, 100);
}

TEST(SuggestedEntry, IrishEntriesHaveAtMostThreeNumbersBelow19)
{
    const Suggester s(buildSelectionPool({}, 42), irishRules(), {});
    const auto got = accepted(s, 5000, 2);
    ASSERT_GT(got.size(), 1000u);
    int fourBelow26 = 0;
    for (const Numbers6 &n : got) {
        ASSERT_TRUE(validEntry(n, 42));
        ASSERT_LE(below(n, 19), 3);
        fourBelow26 += below(n, 26) >= 4;
    }
    EXPECT_GT(fourBelow26, 50); // the Irish limit is not the UK one
}

TEST(SuggestedEntry, RequiredNumberIsInEveryEntryAndExcludedInNone)
{
    const SuggestRules rules = withConstraints(ukRules(), {30, 0, 0, 1, 2, 3, 4, 5, 6});
    const Suggester s(buildSelectionPool({}, 49), rules, {});
    const auto got = accepted(s, 3000, 3);
    ASSERT_GT(got.size(), 500u);
    std::set<size_t> positions;
    int manyLow = 0;
    for (const Numbers6 &n : got) {
        ASSERT_TRUE(validEntry(n, 49));
        const auto at = std::find(n.begin(), n.end(), 30);
        ASSERT_NE(at, n.end());
        positions.insert(static_cast<size_t>(at - n.begin()));
        for (qint16 x : {1, 2, 3, 4, 5, 6})
            ASSERT_EQ(std::count(n.begin(), n.end(), x), 0);
        manyLow += below(n, 26) > 3; // the low-number rule is off under constraints
    }
    EXPECT_GT(positions.size(), 3u); // sorted: 30 need not stay first
    EXPECT_GT(manyLow, 10);
}

TEST(SuggestedEntry, ThreeRequiredNumbersAreAllThere)
{
    const SuggestRules rules = withConstraints(irishRules(), {40, 41, 42, 0, 0, 0, 0, 0, 0});
    const Suggester s(buildSelectionPool({}, 42), rules, {});
    for (const Numbers6 &n : accepted(s, 500, 4)) {
        ASSERT_TRUE(validEntry(n, 42));
        EXPECT_EQ(n[3], 40);
        EXPECT_EQ(n[5], 42);
    }
}

TEST(OverlapLimit, SecondEntryIsNotComparedWithTheFirst)
{
    const std::vector<Entry> one = randomList(1, 49, 10);
    EXPECT_GE(largestOverlap(ukRules(), one, 20000), 3);
    const std::vector<Entry> two = randomList(2, 49, 10);
    EXPECT_EQ(largestOverlap(ukRules(), two, 20000), 2);
}

TEST(OverlapLimit, TwoBelow58Entries)
{
    EXPECT_EQ(largestOverlap(ukRules(), randomList(57, 49, 11), 20000), 2);
}

TEST(OverlapLimit, ThreeFrom58Entries)
{
    EXPECT_EQ(largestOverlap(ukRules(), randomList(58, 49, 12), 5000), 3);
}

TEST(OverlapLimit, ThreeUpTo1032Entries)
{
    EXPECT_EQ(largestOverlap(ukRules(), randomList(1032, 49, 13), 5000), 3);
}

TEST(OverlapLimit, FourFrom1033Entries)
{
    EXPECT_EQ(largestOverlap(ukRules(), randomList(1033, 49, 14), 5000), 4);
}

TEST(OverlapLimit, FiveWheneverConstraintsAreActive)
{
    // A short list (the limit would be 2 without constraints) of entries that
    // all hold the required numbers 1, 2, 3.
    std::vector<Entry> list;
    std::mt19937 gen(15);
    std::set<Numbers6> seen;
    while (list.size() < 40) {
        Numbers6 n = randomNumbers(gen, 49);
        std::set<qint16> s(n.begin(), n.end());
        s.insert({1, 2, 3});
        if (s.size() != 6)
            continue;
        std::copy(s.begin(), s.end(), n.begin());
        if (seen.insert(n).second)
            list.push_back(entryOf(n));
    }
    // Candidates share the three required numbers with every entry of the
    // list, and often two of their free numbers with one of them.
    const SuggestRules rules = withConstraints(ukRules(), {1, 2, 3, 0, 0, 0, 0, 0, 0});
    const Suggester s(buildSelectionPool({}, 49), rules, list);
    const auto got = accepted(s, 5000, 16);
    int m = 0;
    for (const Numbers6 &n : got) {
        ASSERT_LT(maxShared(n, list), 6) << "an entry of the list was suggested again";
        m = std::max(m, maxShared(n, list));
    }
    EXPECT_EQ(m, 5);
}

TEST(OverlapLimit, RangesOfTheEntryCount)
{
    EXPECT_EQ(overlapLimit(0, false), 2);
    EXPECT_EQ(overlapLimit(57, false), 2);
    EXPECT_EQ(overlapLimit(58, false), 3);
    EXPECT_EQ(overlapLimit(1032, false), 3);
    EXPECT_EQ(overlapLimit(1033, false), 4);
    EXPECT_EQ(overlapLimit(57, true), 5);
    EXPECT_EQ(overlapLimit(2000, true), 5);
}

TEST(SuggestedEntry, DamagedEntriesInTheListAreHarmless)
{
    // Numbers out of range, repeated or negative in a hand-damaged file.
    std::vector<Entry> list = {entryOf({-5, 0, 64, 100, 32767, -32768}), entryOf({5, 5, 5, 5, 5, 5}),
                               entryOf({1, 2, 3, 4, 5, 6})};
    const Suggester s(buildSelectionPool({}, 49), ukRules(), list);
    const auto got = accepted(s, 2000, 17);
    ASSERT_FALSE(got.empty());
    for (const Numbers6 &n : got) {
        ASSERT_TRUE(validEntry(n, 49));
        ASSERT_LE(maxShared(n, {list[2]}), 2);
    }
}

TEST(SuggestedEntry, HistoryWithBadBallsNeverGivesABadEntry)
{
    std::vector<Draw> history;
    for (int i = 0; i < 208; ++i)
        history.push_back(drawOf({1, 2, 3, 50, 60, 70})); // every draw damaged
    history.push_back(drawOf({-1, 0, 20, 30, 40, 42}));
    const SelectionPool pool = buildSelectionPool(history, 42);
    EXPECT_EQ(pool.size, 42);
    std::vector<Entry> entries;
    dstest::FakeRandom random;
    const AddResult r = addSuggestedEntries(pool, irishRules(), entries, 50, QByteArray(8, '\0'),
                                            random, nullptr);
    EXPECT_EQ(r.added, 50);
    for (const Entry &e : entries)
        EXPECT_TRUE(validEntry(e.n, 42));
}

// ---- Adding many entries ----

TEST(AddSuggestedEntries, EveryEntryMeetsTheRulesOfItsPlaceInTheList)
{
    std::vector<Draw> history;
    std::mt19937 gen(20);
    for (int i = 0; i < 2000; ++i)
        history.push_back(drawOf(randomNumbers(gen, 49)));
    const SelectionPool pool = buildSelectionPool(history, 49);

    std::vector<Entry> entries;
    dstest::FakeRandom random;
    int calls = 0;
    const AddResult r = addSuggestedEntries(pool, ukRules(), entries, 2500, QByteArray("05061999"), random,
                                            [&](const Entry &, int recordNumber) {
                                                EXPECT_EQ(recordNumber, ++calls);
                                                return true;
                                            });
    ASSERT_EQ(r.added, 2500);
    EXPECT_EQ(r.stop, AddResult::Stop::Finished);
    ASSERT_EQ(entries.size(), 2500u);
    for (size_t c = 0; c < entries.size(); ++c) {
        const Numbers6 &n = entries[c].n;
        ASSERT_TRUE(validEntry(n, 49));
        ASSERT_LE(below(n, 26), 3);
        if (c > 1) {
            const int limit = c < 58 ? 2 : c <= 1032 ? 3 : 4;
            for (size_t i = 0; i < c; ++i)
                ASSERT_LE(shared(n, entries[i].n), limit) << "entry " << c << " against " << i;
        }
    }
}

TEST(AddSuggestedEntries, SaturatedListStopsInBoundedTimeAndReportsTheCount)
{
    // With 1, 2, 3 required and 4..9 excluded an Irish entry is 1 2 3 plus
    // three of 10..42: 5,456 entries in all. The list holds all but four.
    std::vector<Entry> list;
    std::vector<Numbers6> missing;
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
    ASSERT_EQ(missing.size(), 4u);
    const SuggestRules rules = withConstraints(irishRules(), {1, 2, 3, 4, 5, 6, 7, 8, 9});

    dstest::FakeRandom random;
    std::vector<Numbers6> written;
    QElapsedTimer timer;
    timer.start();
    const AddResult r = addSuggestedEntries(buildSelectionPool({}, 42), rules, list, 10,
                                            QByteArray(8, '\0'), random,
                                            [&](const Entry &e, int) {
                                                written.push_back(e.n);
                                                return true;
                                            });
    const qint64 ms = timer.elapsed();
    EXPECT_EQ(r.stop, AddResult::Stop::NoMoreFound);
    EXPECT_EQ(r.added, 4);
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, missing);
    EXPECT_EQ(list.size(), 5456u);
    EXPECT_LT(ms, 2000);
    EXPECT_EQ(noMoreEntriesMessage(r.added),
              QStringLiteral("No more entries can be found that meet the rules for suggested entries. "
                             "4 entries were added."));
}

namespace {

// Gives the same fraction every time.
class StuckRandom : public RandomSource {
public:
    explicit StuckRandom(double v) : value(v) {}
    void seed(quint64) override {}
    double next() override { return value; }
    double value;
};

} // namespace

TEST(AddSuggestedEntries, BrokenRandomSourceCannotHangIt)
{
    for (double v : {0.0, 0.5, 0.999999, -1.0, 7.0}) {
        StuckRandom random(v);
        std::vector<Entry> entries;
        const AddResult r = addSuggestedEntries(buildSelectionPool({}, 49), ukRules(), entries, 3,
                                                QByteArray(8, '\0'), random, nullptr);
        EXPECT_EQ(r.added, 0) << v;
        EXPECT_EQ(r.stop, AddResult::Stop::NoMoreFound) << v;
    }
}

TEST(AddSuggestedEntries, InvalidActiveConstraintsAddNothing)
{
    const SuggestRules rules = withConstraints(ukRules(), {5, 0, 0, 5, 0, 0, 0, 0, 0});
    std::vector<Entry> entries;
    dstest::FakeRandom random;
    int writes = 0;
    const AddResult r = addSuggestedEntries(buildSelectionPool({}, 49), rules, entries, 5,
                                            QByteArray(8, '\0'), random, [&](const Entry &, int) {
                                                ++writes;
                                                return true;
                                            });
    EXPECT_EQ(r.stop, AddResult::Stop::InvalidConstraints);
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(writes, 0);
}

TEST(AddSuggestedEntries, FailedWriteEndsAdding)
{
    std::vector<Entry> entries;
    dstest::FakeRandom random;
    int writes = 0;
    const AddResult r = addSuggestedEntries(buildSelectionPool({}, 49), ukRules(), entries, 5,
                                            QByteArray(8, '\0'), random,
                                            [&](const Entry &, int) { return ++writes < 3; });
    EXPECT_EQ(r.stop, AddResult::Stop::WriteFailed);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(entries.size(), 2u);
}

// ---- Date fields and the file ----

TEST(AddSuggestedEntries, FirstEntryCarriesTheDateKeyOfTheSelectionsFile)
{
    dstest::TestFolder dir;
    const QString path = dir.file(QStringLiteral("UK05061999.lot"));
    // A file whose entries were all deleted: record 1 blank.
    dir.write(QStringLiteral("UK05061999.lot"), dstest::entryRecord(QByteArray(8, ' '), {0, 0, 0, 0, 0, 0}));
    std::vector<Entry> entries = entryfile::load(path);
    ASSERT_TRUE(entries.empty());

    dstest::FakeRandom random;
    const AddResult r = addSuggestedEntries(
        buildSelectionPool({}, 49), ukRules(), entries, 3, firstEntryDateField(path), random,
        [&](const Entry &e, int recordNumber) { return entryfile::writeAt(path, recordNumber, e); });
    ASSERT_EQ(r.added, 3);
    const QByteArray bytes = dir.read(QStringLiteral("UK05061999.lot"));
    ASSERT_EQ(bytes.size(), 60);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(bytes.mid(i * 20, 8), QByteArray("05061999")) << i;
    const std::vector<Entry> reread = entryfile::load(path);
    ASSERT_EQ(reread.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(reread[i].n, entries[i].n);
}

TEST(AddSuggestedEntries, LaterEntriesCopyTheDateFieldOfTheEntryBefore)
{
    std::vector<Entry> entries = {entryOf({1, 2, 3, 4, 5, 6}, "05061999"),
                                  entryOf({7, 8, 9, 10, 11, 12}, "xxxxxxxx")};
    dstest::FakeRandom random;
    addSuggestedEntries(buildSelectionPool({}, 49), ukRules(), entries, 2, QByteArray("11111111"), random,
                        nullptr);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[2].date, QByteArray("xxxxxxxx"));
    EXPECT_EQ(entries[3].date, QByteArray("xxxxxxxx"));
}

TEST(FirstEntryDateField, OtherFilesUseTheDateFieldOfRecord1)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("StandUK.lot"), dstest::entryRecord("12121999", {0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(firstEntryDateField(dir.file(QStringLiteral("StandUK.lot"))), QByteArray("12121999"));
    EXPECT_EQ(firstEntryDateField(dir.file(QStringLiteral("StandIR.lot"))), QByteArray(8, '\0'));
    EXPECT_EQ(firstEntryDateField(dir.file(QStringLiteral("ir31121999.lot"))), QByteArray("31121999"));
}

// ---- "Add" before any entry is made ----

TEST(PlanAdd, TotalBelowTheCurrentCountAddsNothing)
{
    const AddPlan p = planAdd(AddMode::Total, 10, 12, {}, false, 49);
    EXPECT_EQ(p.refusal, QString::fromLatin1(MsgAlreadyHaveTotal));
    EXPECT_EQ(p.count, 0);
    EXPECT_EQ(planAdd(AddMode::Total, 12, 12, {}, false, 49).refusal, QString::fromLatin1(MsgAlreadyHaveTotal));
    const AddPlan up = planAdd(AddMode::Total, 20, 12, {}, false, 49);
    EXPECT_TRUE(up.refusal.isEmpty());
    EXPECT_EQ(up.count, 8);
}

TEST(PlanAdd, AThousandDoesNotAskAThousandAndOneDoes)
{
    EXPECT_FALSE(needsLongRunConfirmation(1000));
    EXPECT_TRUE(needsLongRunConfirmation(1001));
    const AddPlan a = planAdd(AddMode::Additional, 1000, 0, {}, false, 49);
    EXPECT_TRUE(a.questions.isEmpty());
    EXPECT_EQ(a.count, 1000);
    const AddPlan b = planAdd(AddMode::Additional, 1001, 0, {}, false, 49);
    EXPECT_EQ(b.questions, QStringList{QString::fromLatin1(MsgLongRun)});
    EXPECT_EQ(b.count, 1001);
    // "Total" asks by the number still to make, not by the total.
    EXPECT_TRUE(planAdd(AddMode::Total, 1500, 600, {}, false, 49).questions.isEmpty());
    EXPECT_FALSE(planAdd(AddMode::Total, 1500, 400, {}, false, 49).questions.isEmpty());
}

TEST(PlanAdd, The2500Limit)
{
    const QString max = QString::fromLatin1(MsgMaximumEntries);
    EXPECT_EQ(planAdd(AddMode::Additional, 1, 2500, {}, false, 49).refusal, max);
    EXPECT_EQ(planAdd(AddMode::Additional, 0, 2600, {}, false, 49).refusal, max);
    EXPECT_EQ(planAdd(AddMode::Total, 10, 2500, {}, false, 49).refusal, max);
    EXPECT_EQ(planAdd(AddMode::Additional, 2, 2499, {}, false, 49).refusal, max);
    EXPECT_TRUE(planAdd(AddMode::Additional, 1, 2499, {}, false, 49).refusal.isEmpty());
    EXPECT_EQ(planAdd(AddMode::Total, 2501, 0, {}, false, 49).refusal, max);
    EXPECT_EQ(planAdd(AddMode::Total, 2500, 0, {}, false, 49).count, 2500);
    EXPECT_EQ(planAdd(AddMode::Additional, 1000000000000000LL, 0, {}, false, 49).refusal, max);
}

TEST(PlanAdd, ConstraintsAskFirst)
{
    const ConstraintTable t{7, 0, 0, 0, 0, 0, 0, 0, 0};
    const AddPlan p = planAdd(AddMode::Additional, 1200, 0, t, true, 49);
    EXPECT_EQ(p.questions, (QStringList{QString::fromLatin1(MsgConstraintsInForce), QString::fromLatin1(MsgLongRun)}));
    const AddPlan q = planAdd(AddMode::Additional, 5, 2500, t, true, 49);
    EXPECT_EQ(q.questions, QStringList{QString::fromLatin1(MsgConstraintsInForce)});
    EXPECT_EQ(q.refusal, QString::fromLatin1(MsgMaximumEntries));
    // A table left behind by a country switch is not in force.
    EXPECT_TRUE(planAdd(AddMode::Additional, 5, 0, {45, 0, 0, 0, 0, 0, 0, 0, 0}, false, 42).refusal.isEmpty());
}

TEST(PlanAdd, InvalidConstraintsInForceAreRefused)
{
    const AddPlan p = planAdd(AddMode::Additional, 5, 0, {5, 0, 0, 5, 0, 0, 0, 0, 0}, true, 49);
    EXPECT_TRUE(p.questions.isEmpty());
    EXPECT_EQ(p.refusal, QString::fromLatin1(MsgConstraintsNeedCorrecting));
    EXPECT_EQ(p.count, 0);
    EXPECT_EQ(planAdd(AddMode::Additional, 5, 0, {43, 0, 0, 0, 0, 0, 0, 0, 0}, true, 42).refusal,
              QString::fromLatin1(MsgConstraintsNeedCorrecting));
}

TEST(PlanAdd, NeitherOptionMakesNoEntries)
{
    const AddPlan p = planAdd(AddMode::None, 50, 0, {}, false, 49);
    EXPECT_TRUE(p.refusal.isEmpty());
    EXPECT_EQ(p.count, 0);
    EXPECT_EQ(planAdd(AddMode::Additional, -5, 0, {}, false, 49).count, 0);
}

TEST(Messages, EarlyStopNamesHowManyWereAdded)
{
    EXPECT_TRUE(noMoreEntriesMessage(0).endsWith(QStringLiteral("No entries were added.")));
    EXPECT_TRUE(noMoreEntriesMessage(1).endsWith(QStringLiteral("1 entry was added.")));
    EXPECT_TRUE(noMoreEntriesMessage(250).endsWith(QStringLiteral("250 entries were added.")));
}

TEST(SuggestRules, FromStateFollowsTheCountry)
{
    AppState st;
    st.countryCode = QStringLiteral("IR");
    st.maxBall = 42;
    st.constraints = {1, 0, 0, 0, 0, 0, 0, 0, 2};
    st.constraintsActive = true;
    const SuggestRules r = SuggestRules::fromState(st);
    EXPECT_EQ(r.maxBall, 42);
    EXPECT_EQ(r.lowLimit, 19);
    EXPECT_TRUE(r.constraintsActive);
    EXPECT_EQ(r.constraints, st.constraints);
    st.countryCode = QStringLiteral("UK");
    EXPECT_EQ(SuggestRules::fromState(st).lowLimit, 26);
}
