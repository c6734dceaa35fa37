// Thunderball decisions: number boxes, refusals, the prize table, the weekly
// check, Auto Add, the statistics and the printouts.
#include "support/fakes.h"
#include "thunderball/autoadd.h"
#include "thunderball/resultsimport.h"
#include "thunderball/thunderinput.h"
#include "thunderball/thunderprinting.h"
#include "thunderball/thunderstats.h"
#include "thunderball/weeklycheck.h"
#include "thunderrecords.h"

#include <QFile>
#include <gtest/gtest.h>
#include <numeric>

using namespace ds;
using namespace ds::thunder;
using dstest::thResult;

namespace {

const Era &Tb534 = firstEra(Game::Thunderball);
const Era &Tb539 = latestEra(Game::Thunderball);

// The check of one era's results file.
WeeklyCheck check(const QDate &start, int weeks, const std::vector<ThunderResult> &results,
                  const std::vector<ThunderResult> &entries)
{
    const std::vector<EraResults> eras{{&Tb534, results}};
    return checkWeeks(start, weeks, weeksOf(eras), entries);
}

} // namespace

TEST(ThunderInput, NumbersAreSortedOrRefusedAtTheFirstBadBox)
{
    // The Thunderball may equal a main number.
    const NumbersCheck c = readThunderNumbers({"31", "5", " 20", "8.4", "14abc", "8"}, Tb534);
    ASSERT_TRUE(c.numbers);
    EXPECT_EQ(c.numbers->main, (std::array<qint16, 5>{5, 8, 14, 20, 31}));
    EXPECT_EQ(c.numbers->thunderball, 8);
    EXPECT_EQ(readThunderNumbers({"34", "1", "2", "3", "4", "14"}, Tb534).numbers->thunderball, 14); // the highest valid

    const struct {
        std::array<QString, 6> boxes;
        int badBox;
    } cases[] = {
        {{"35", "5", "20", "8", "14", "8"}, 0},     // main number above 34
        {{"3", "5", "20", "8", "14", "15"}, 5},     // Thunderball above 14
        {{"3", "5", "20", "8", "14", "0"}, 5},      // Thunderball 0
        {{"3", "", "20", "8", "14", "8"}, 1},       // empty box
        {{"3", "5", "abc", "8", "14", "8"}, 2},     // no number
        {{"3", "5", "20", "8", "5", "8"}, 4},       // two equal main numbers
        {{"3", "5", "20", "8", "0.5", "8"}, 4},     // rounds to 0 (half to even)
        {{"3", "5", "20", "65537", "14", "8"}, 3},  // 1 in a 16-bit integer, but does not fit one
        {{"3", "5", "20", "8", "14", "-65522"}, 5}, // 14 in a 16-bit integer
    };
    for (const auto &c : cases) {
        const NumbersCheck check = readThunderNumbers(c.boxes, Tb534);
        EXPECT_FALSE(check.numbers) << c.boxes[0].toStdString() << " " << c.badBox;
        EXPECT_EQ(check.firstBadBox, c.badBox) << c.boxes[0].toStdString();
    }
}

// Results and entries are stored on the result days of the date's era: the
// Saturdays of 5 from 34, the draw days of 5 from 39 as they changed.
TEST(ThunderInput, ResultDaysOfEachEraAndTheRefusalsOfTheButtons)
{
    const QString saturday = QStringLiteral("You must select a Saturday date on the calendar");
    const QString drawDay = QStringLiteral("You must select a draw day on the calendar: ");
    const struct {
        QDate date;
        QString refusal; // empty: a result day
    } cases[] = {
        {{2009, 12, 5}, {}},
        {{2009, 12, 4}, saturday}, // Friday
        {{2009, 12, 9}, saturday}, // Wednesday: its results show, but are not typed in
        {{2010, 5, 7}, saturday},  // Friday of the last 5 from 34 week
        {{2010, 5, 8}, {}},
        {{2010, 5, 12}, {}},       // the first 5 from 39 draw, a Wednesday
        {{2010, 5, 13}, drawDay + "Wednesday or Saturday"},
        {{2010, 5, 14}, {}},       // the first Friday draw
        {{2010, 5, 18}, drawDay + "Wednesday, Friday or Saturday"},
        {{2018, 1, 23}, drawDay + "Wednesday, Friday or Saturday"},
        {{2018, 1, 30}, {}},       // the first Tuesday draw
        {{2026, 12, 1}, {}},
        {{2026, 12, 3}, drawDay + "Tuesday, Wednesday, Friday or Saturday"},
        {{2026, 12, 6}, drawDay + "Tuesday, Wednesday, Friday or Saturday"},
    };
    for (const auto &c : cases) {
        const QDate &d = c.date;
        EXPECT_EQ(isResultDay(d.day(), d.month(), d.year()), c.refusal.isEmpty()) << d.toString().toStdString();
        EXPECT_EQ(refuseResultAdd(d.day(), d.month(), d.year(), false).value_or(QString()), c.refusal)
            << d.toString().toStdString();
        EXPECT_EQ(refuseMaintain(d.day(), d.month(), d.year()).value_or(QString()), c.refusal)
            << d.toString().toStdString();
    }
    EXPECT_FALSE(isResultDay(0, 12, 2026)); // no date
    EXPECT_FALSE(isResultDay(31, 2, 2026));

    EXPECT_EQ(refuseResultAdd(9, 12, 2009, true), saturday);
    EXPECT_EQ(refuseResultAdd(5, 12, 2009, true), QString(MsgResultExists));
    EXPECT_EQ(refuseResultAdd(4, 12, 2026, true), QString(MsgResultExists));
    EXPECT_EQ(refuseWeeksChange(0), QString(MsgSelectDateFirst));
    EXPECT_EQ(refuseWeeksChange(5), std::nullopt);
}

TEST(ThunderInput, AutoAddCounts)
{
    const struct {
        qint64 value;
        int entries;
        int count;
        bool busy;
        QString refusal;
    } cases[] = {
        {50, 0, 50, false, {}},
        {51, 3, 51, true, {}},
        {0, 0, 0, false, {}},      // nothing added, "Added" all the same
        {-4, 0, 0, false, {}},
        {32768, 0, 0, false, MsgInvalidNumbers},
        {-32769, 0, 0, false, MsgInvalidNumbers},
        {32767, 0, 32767, true, {}},
        {5, 32765, 0, false, "There is room for only 2 more entries for this date."},
        {1, 32767, 0, false, MsgEntriesFull},
    };
    for (const auto &c : cases) {
        const AutoAddPlan p = planAutoAdd(c.value, c.entries);
        EXPECT_EQ(p.count, c.count) << c.value;
        EXPECT_EQ(p.busy, c.busy) << c.value;
        EXPECT_EQ(p.refusal.value_or(QString()), c.refusal) << c.value;
    }
}

// The tables of both eras row by row ("": no prize), the 5 from 39 table
// the same from the first draw of the era to today.
TEST(ThunderPrizes, TheTablesOfBothErasRowByRowMatchesAndTexts)
{
    const struct {
        int main;
        bool tb;
        const char *fiveFrom34;
        const char *fiveFrom39;
    } rows[] = {
        {5, true, "5 + TB £250000", "5 + TB £500000"}, {5, false, "5        £5000", "5        £5000"},
        {4, true, "4 + TB    £250", "4 + TB    £250"}, {4, false, "4         £100", "4         £100"},
        {3, true, "3 + TB     £20", "3 + TB     £20"}, {3, false, "3          £10", "3          £10"},
        {2, true, "2 + TB     £10", "2 + TB     £10"}, {1, true, "1 + TB      £5", "1 + TB      £5"},
        {0, true, "", "0 + TB      £3"},                {2, false, "", ""},
        {1, false, "", ""},                             {0, false, "", ""},
        {6, true, "", ""},                              {25, false, "", ""},
    };
    for (Ymd date : {ymd(2009, 12, 5), ymd(2010, 5, 12), ymd(2018, 1, 30), ymd(2026, 9, 30)}) {
        const bool older = &eraOn(Game::Thunderball, date) == &Tb534;
        const TierList &tiers = eraOn(Game::Thunderball, date).tiersOn(date, 1);
        EXPECT_EQ(tiers.tiers.size(), older ? 8u : 9u) << date;
        for (const auto &r : rows) {
            const QString text = QString::fromUtf8(older ? r.fiveFrom34 : r.fiveFrom39);
            const Tier *p = tierFor(tiers, Match{r.main, r.tb});
            ASSERT_EQ(p != nullptr, !text.isEmpty()) << date << " " << r.main << r.tb;
            if (p) {
                EXPECT_EQ(QString::fromUtf8(p->label), text);
                EXPECT_EQ(p->prize.amount, text.section(u'£', 1).toInt());
            }
        }
    }
}

TEST(ThunderCheck, OneWeek)
{
    const std::vector<ThunderResult> results = {thResult(5, 12, 2009, {3, 8, 14, 20, 31}, 8)};
    const std::vector<ThunderResult> entries = {
        thResult(5, 12, 2009, {3, 8, 14, 20, 31}, 8), // 5 + TB
        thResult(5, 12, 2009, {3, 8, 15, 21, 32}, 9), // 2 without the Thunderball: nothing
        thResult(5, 12, 2009, {3, 8, 15, 21, 32}, 8), // 2 + TB
    };
    const WeeklyCheck c = check(QDate(2009, 12, 5), 1, results, entries);
    EXPECT_EQ(c.lines, (QStringList{RuleLine, "Results for draw date 5 12 2009",
                                    QStringLiteral("03 08 14 20 31 08 Match 5 + TB £250000"),
                                    QStringLiteral("03 08 15 21 32 08 Match 2 + TB     £10")}));
    EXPECT_EQ(c.total, 250010);

    // Nothing at all without a result on the start date or without entries.
    EXPECT_FALSE(check(QDate(2009, 12, 12), 3, results, entries).ran);
    EXPECT_FALSE(check(QDate(2009, 12, 5), 3, results, {}).ran);

    // The most entries a file holds, all winning the top prize: the total does not overflow.
    EXPECT_EQ(check(QDate(2009, 12, 5), 1, results, std::vector(32767, entries[0])).total, 32767LL * 250000);
}

TEST(ThunderCheck, ThreeWeeksWithTheMiddleOneMissing)
{
    const std::vector<ThunderResult> results = {
        thResult(19, 12, 2009, {1, 2, 3, 4, 5}, 8),
        thResult(9, 12, 2009, {3, 8, 14, 20, 31}, 8), // a Wednesday: not one of the weeks
        thResult(5, 12, 2009, {3, 8, 14, 20, 30}, 7),
    };
    const std::vector<ThunderResult> entries = {thResult(5, 12, 2009, {3, 8, 14, 20, 31}, 8)};
    const WeeklyCheck c = check(QDate(2009, 12, 5), 3, results, entries);
    EXPECT_EQ(c.lines, (QStringList{RuleLine, "Results for draw date 5 12 2009",
                                    QStringLiteral("03 08 14 20 31 08 Match 4         £100"),
                                    RuleLine, "Results for draw date 12 12 2009", NoResultLine,
                                    RuleLine, "Results for draw date 19 12 2009",
                                    QStringLiteral("03 08 14 20 31 08 Match 1 + TB      £5")}));
    EXPECT_EQ(c.total, 105);

    // Weeks 1, 0 or below: the start date alone. More than eight: eight.
    for (int weeks : {1, 0, -5})
        EXPECT_EQ(check(QDate(2009, 12, 5), weeks, results, entries).lines, c.lines.mid(0, 3)) << weeks;
    const QStringList dates = check(QDate(2009, 12, 5), 32000, results, entries).lines.filter("Results for");
    EXPECT_EQ(dates.size(), 8);
    EXPECT_EQ(dates.last(), QStringLiteral("Results for draw date 23 1 2010"));
}

// A walk from the last 5 from 34 weeks into the first 5 from 39 week: each
// week is judged by the rules of its own era, its tiers and the results of
// its own file.
TEST(ThunderCheck, AWalkIntoTheFiveFromThirtyNineEraJudgesEachWeekByItsEra)
{
    // The older file holds a (misplaced) result of the 15th too: not the one of its era.
    const std::vector<ThunderResult> file534 = {thResult(1, 5, 2010, {3, 8, 14, 20, 31}, 8),
                                                thResult(8, 5, 2010, {10, 11, 12, 13, 14}, 9),
                                                thResult(15, 5, 2010, {3, 8, 15, 21, 32}, 8)};
    const std::vector<ThunderResult> file539 = {thResult(15, 5, 2010, {8, 21, 35, 36, 39}, 8)};
    const std::vector<EraResults> eras{{&Tb534, file534}, {&Tb539, file539}};
    const std::vector<ThunderResult> entries = {thResult(1, 5, 2010, {3, 8, 15, 21, 32}, 8),
                                                thResult(1, 5, 2010, {1, 2, 4, 5, 6}, 8)};
    const WeeklyCheck c = checkWeeks(QDate(2010, 5, 1), 3, weeksOf(eras), entries);
    EXPECT_EQ(c.lines, (QStringList{RuleLine, "Results for draw date 1 5 2010",
                                    QStringLiteral("03 08 15 21 32 08 Match 2 + TB     £10"), // the Thunderball alone: nothing
                                    RuleLine, "Results for draw date 8 5 2010", NoWinsLine,
                                    RuleLine, "Results for draw date 15 5 2010",
                                    QStringLiteral("03 08 15 21 32 08 Match 2 + TB     £10"),
                                    QStringLiteral("01 02 04 05 06 08 Match 0 + TB      £3")}));
    EXPECT_EQ(c.total, 23);
    EXPECT_EQ(winTotalText(c.total), QStringLiteral("Win Total     £23"));
}

TEST(ThunderAutoAdd, NumbersAndPicksAreDrawnAgainWhenOutsideOrRepeated)
{
    // 0.99 x 34 + 1 rounds to 35: drawn again. 0.5 x 34 + 1 = 18; 0 gives 1.
    EXPECT_EQ(randomFromOne(34, dstest::fractions({0.99, 0.5})), 18);
    EXPECT_EQ(randomFromOne(34, dstest::fractions({0.0})), 1);
    // 0.25 x 14 + 1 = 4.5: half to even.
    EXPECT_EQ(randomFromOne(14, dstest::fractions({0.25})), 4);

    // Picks: position = fraction x size + 1 rounded: 0 -> 1st, 1/6 -> 2nd, ...
    AutoAddPool pool;
    pool.main = {1, 2, 3, 4, 5, 6};
    pool.thunderball = {9};
    const double p1 = 0.0, p2 = 1.0 / 6, p3 = 2.0 / 6, p4 = 3.0 / 6, p5 = 4.0 / 6, p6 = 5.0 / 6;
    const std::vector<ThunderNumbers> picks = pickAutoEntries(
        pool, 1,
        dstest::fractions({p1, p2, p3, p4, 0.99, 0.0,   // 0.99 x 6 + 1 rounds to 7: outside, all again
                           p1, p1, p3, p4, p5, 0.0,     // 1 twice: all again
                           p6, p2, p5, p3, p4, 0.0}));
    ASSERT_EQ(picks.size(), 1u);
    EXPECT_EQ(picks[0], (ThunderNumbers{{2, 3, 4, 5, 6}, 9}));
}

TEST(ThunderAutoAdd, PoolOfTheLastThirtyResults)
{
    std::vector<ThunderResult> results;
    for (int i = 1; i <= 40; ++i)
        results.push_back(thResult(1, 1, 2000, {static_cast<qint16>(i % 30 + 1), 31, 32, 33, 34},
                                   i % 14 + 1));
    const AutoAddPool pool = buildAutoAddPool(results, Tb534, dstest::fractions({0.5}));
    ASSERT_EQ(pool.main.size(), 184u);
    ASSERT_EQ(pool.thunderball.size(), 44u);
    EXPECT_EQ((std::array{pool.main[0], pool.main[33], pool.thunderball[13]}), (std::array<qint16, 3>{1, 34, 14}));
    // Records 40, 39, ..., 11 follow.
    EXPECT_EQ((std::array{pool.main[34], pool.thunderball[14], pool.main[34 + 5 * 29], pool.thunderball[14 + 29]}),
              (std::array<qint16, 4>{40 % 30 + 1, 40 % 14 + 1, 11 % 30 + 1, 11 % 14 + 1}));

    // Fewer than thirty: all of them, then random draws (here all 18 and 8);
    // none: thirty random draws.
    results.resize(2);
    const AutoAddPool few = buildAutoAddPool(results, Tb534, dstest::fractions({0.5}));
    EXPECT_EQ((std::array{few.main[34], few.main[39], few.main[44], few.main.back(), few.thunderball.back()}),
              (std::array<qint16, 5>{2, 3, 18, 18, 8}));
    const AutoAddPool none = buildAutoAddPool({}, Tb534, dstest::fractions({0.5}));
    EXPECT_EQ((std::pair{none.main.size(), none.thunderball.size()}), (std::pair<size_t, size_t>{184, 44}));
    EXPECT_TRUE(pickAutoEntries(none, 0, dstest::fractions({0.5})).empty());
    EXPECT_TRUE(pickAutoEntries(none, -3, dstest::fractions({0.5})).empty());
}

// 5 from 39: the pool holds 1 to 39 and the numbers of the era's thirty
// newest results, and a pick reaches 39.
TEST(ThunderAutoAdd, FiveFromThirtyNinePoolAndPicksReachThirtyNine)
{
    std::vector<ThunderResult> results;
    for (int i = 1; i <= 31; ++i)
        results.push_back(thResult(1, 1, 2020, {1, 2, 3, 4, static_cast<qint16>(i == 1 ? 5 : 39)}, 14));
    const AutoAddPool pool = buildAutoAddPool(results, Tb539, dstest::fractions({0.5}));
    ASSERT_EQ((std::pair{pool.main.size(), pool.thunderball.size()}), (std::pair<size_t, size_t>{39 + 150, 14 + 30}));
    EXPECT_EQ(pool.main[38], 39);
    // Once, and in the thirty newest: the oldest result is left out.
    EXPECT_EQ(std::count(pool.main.begin(), pool.main.end(), 39), 31);
    const double size = 189;
    const std::vector<ThunderNumbers> picks =
        pickAutoEntries(pool, 1, dstest::fractions({38 / size, 0.0, 1 / size, 2 / size, 3 / size, 0.0}));
    ASSERT_EQ(picks.size(), 1u);
    EXPECT_EQ(picks[0], (ThunderNumbers{{1, 2, 3, 4, 39}, 1}));
}

// 70 results: ball 1 drawn 12 times, ball 2 nine times, ball 3 eight times;
// the Thunderballs 1 to 13 in turn, so 7 is drawn only as the Thunderball and
// 14 only as a main number: neither has a date in the other mode.
TEST(ThunderStats, ExpectedCountsRatingsAndDatesOf70ResultsInBothModes)
{
    std::vector<ThunderResult> results;
    for (int i = 0; i < 70; ++i) {
        std::array<qint16, 5> m{10, 11, 12, 13, 14};
        if (i < 12)
            m[0] = 1;
        if (i < 9)
            m[1] = 2;
        if (i < 8)
            m[2] = 3;
        std::sort(m.begin(), m.end());
        results.push_back(thResult(1 + i % 28, 1 + i / 28, 2000, m, 1 + i % 13));
    }
    const struct {
        int ball;
        StatsMode mode;
        int count;
        int expected; // 5 x 70 / 34 = 10.29; 70 / 14 = 5
        const char *rating;
        const char *lastDrawn;
    } cases[] = {
        {1, StatsMode::Main, 12, 10, "Good", "12/1/2000"},
        {2, StatsMode::Main, 9, 10, "Average", "9/1/2000"},
        {3, StatsMode::Main, 8, 10, "Poor", "8/1/2000"},
        {7, StatsMode::Main, 0, 10, "Poor", ""},
        {3, StatsMode::Thunderball, 6, 5, "Average", "12/3/2000"},
        {14, StatsMode::Thunderball, 0, 5, "Poor", ""},
    };
    for (const auto &c : cases) {
        const ThunderBallStats s = ballStats(results, c.ball, c.mode, Tb534);
        EXPECT_EQ(std::tuple(s.chartValue, s.expected, s.rating, s.lastDrawn),
                  std::tuple(c.count, c.expected, QString::fromLatin1(c.rating), QString::fromLatin1(c.lastDrawn)))
            << c.ball;
    }
    const ThunderBallStats fourteen = ballStats(results, 14, StatsMode::Thunderball, Tb534);
    EXPECT_EQ(std::pair(fourteen.mainCount, ballStats(results, 7, StatsMode::Main, Tb534).thunderballCount),
              std::pair(70, 5));
    EXPECT_EQ(fourteen.expectedLabel, QStringLiteral("Number of Times Expected to be Drawn as the Thunderball"));
    QStringList pairs; // ball 2 drawn with 1 in the first nine results, with 3 in the first eight
    for (const Pairing &p : ballStats(results, 2, StatsMode::Main, Tb534).pairings)
        pairs << p.label + ':' + QString::number(p.count);
    EXPECT_EQ(pairs, (QStringList{"1-2:9", "2-3:8"}));
    for (auto [ball, mode] : {std::pair{15, StatsMode::Thunderball}, {0, StatsMode::Main}, {35, StatsMode::Main}})
        EXPECT_FALSE(ballStats(results, ball, mode, Tb534).valid) << ball;

    const FrequencyChart chart = frequencyChart(results, StatsMode::Main, Tb534);
    ASSERT_EQ(chart.labels.size(), 34);
    EXPECT_EQ(chart.labels[6], QStringLiteral("7 "));
    EXPECT_EQ((std::array{chart.values[0], chart.values[13]}), (std::array<qreal, 2>{12, 70}));
    EXPECT_EQ(frequencyChart(results, StatsMode::Thunderball, Tb534).values,
              (QList<qreal>{6, 6, 6, 6, 6, 5, 5, 5, 5, 5, 5, 5, 5, 0}));
}

// The 5 from 39 results shipped with the program, against figures counted from
// the rows of thunderball_539.csv: 3,019 results, so a main number is expected
// 5 x 3019 / 39 = 387.05 times and a Thunderball 3019 / 14 = 215.6 times.
TEST(ThunderStats, TheFiveFromThirtyNineHistory)
{
    QFile csv(QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/thunderball_539.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QByteArray bytes;
    ASSERT_EQ(mergeEraResults(csv.readAll(), Tb539, bytes).added, 3019);
    ThunderResultsFile file;
    file.setBytes(bytes);
    const std::vector<ThunderResult> results = file.results();

    const QList<qreal> mains = frequencyChart(results, StatsMode::Main, Tb539).values;
    const QList<qreal> balls = frequencyChart(results, StatsMode::Thunderball, Tb539).values;
    ASSERT_EQ((std::pair{mains.size(), balls.size()}), (std::pair<qsizetype, qsizetype>{39, 14}));
    EXPECT_EQ(std::accumulate(mains.begin(), mains.end(), 0.0), 5 * 3019);
    EXPECT_EQ(std::accumulate(balls.begin(), balls.end(), 0.0), 3019);
    const struct {
        int ball;
        StatsMode mode;
        int count, expected;
        const char *rating, *lastDrawn;
    } cases[] = {
        {1, StatsMode::Main, 384, 387, "Poor", "29/9/2026"},
        {22, StatsMode::Main, 387, 387, "Average", "9/9/2026"},
        {29, StatsMode::Main, 403, 387, "Good", "30/9/2026"},
        {39, StatsMode::Main, 375, 387, "Poor", "15/9/2026"},
        {1, StatsMode::Thunderball, 212, 216, "Poor", "23/9/2026"},
        {11, StatsMode::Thunderball, 215, 216, "Average", "26/9/2026"},
        {14, StatsMode::Thunderball, 223, 216, "Good", "11/9/2026"},
    };
    for (const auto &c : cases) {
        const ThunderBallStats s = ballStats(results, c.ball, c.mode, Tb539);
        EXPECT_EQ((c.mode == StatsMode::Main ? mains : balls)[c.ball - 1], c.count) << c.ball;
        EXPECT_EQ(std::tuple(s.chartValue, s.expected, s.rating, s.lastDrawn),
                  std::tuple(c.count, c.expected, QString::fromLatin1(c.rating), QString::fromLatin1(c.lastDrawn)))
            << c.ball;
    }
    EXPECT_FALSE(ballStats(results, 40, StatsMode::Main, Tb539).valid);
}

// The pairs of damaged records are counted within the table: nothing is read
// or written outside it.
TEST(ThunderStats, PairCounts)
{
    const std::vector<ThunderResult> results = {
        thResult(1, 1, 2000, {4, 5, 6, 20, 21}, 1),
        thResult(8, 1, 2000, {1, 2, 33, 34, 35}, 1), // 34-35 from a damaged record still counts at 34
        thResult(15, 1, 2000, {5, 6, 0, 1, -1}, 1),
    };
    const BallTable p = pairCounts(results, Tb534);
    EXPECT_EQ((std::array{p[0], p[1], p[4], p[5], p[6], p[20], p[33], p[34]}), (std::array{0, 1, 1, 2, 0, 1, 1, 1}));
}

TEST(ThunderDamage, SoundNumbersAndDates)
{
    const struct {
        ThunderResult r;
        bool numbers;
        bool result;
    } cases[] = {
        {thResult(5, 12, 2009, {5, 6, 7, 8, 10}, 5), true, true}, // the Thunderball may equal a main number
        {thResult(5, 12, 2009, {10, 8, 7, 6, 5}, 14), true, true}, // in any order
        {thResult(5, 12, 2009, {5, 5, 7, 8, 10}, 13), false, false},
        {thResult(5, 12, 2009, {0, 6, 7, 8, 10}, 13), false, false},
        {thResult(5, 12, 2009, {5, 6, 7, 8, 35}, 13), false, false},
        {thResult(5, 12, 2009, {5, 6, 7, 8, 10}, 0), false, false},
        {thResult(5, 12, 2009, {5, 6, 7, 8, 10}, 15), false, false},
        {thResult(31, 2, 2009, {5, 6, 7, 8, 10}, 13), true, false},
        {thResult(0, 0, 0, {5, 6, 7, 8, 10}, 13), true, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(soundNumbers(c.r, Tb534), c.numbers) << c.r.main[0] << " " << c.r.thunderball;
        EXPECT_EQ(isSoundResult(c.r, Tb534), c.result) << c.r.day;
    }
}

TEST(ThunderDamage, DamagedEntriesAndResultsAreNeitherCheckedNorCounted)
{
    const ThunderResult sound = thResult(5, 12, 2009, {5, 6, 7, 8, 10}, 13);
    const ThunderResult damaged = thResult(12, 12, 2009, {5, 5, 5, 5, 5}, 13);

    // An entry with a number repeated wins nothing; the others are checked.
    const std::vector<ThunderResult> entries = {damaged, sound};
    const WeeklyCheck c = check(QDate(2009, 12, 5), 2, {sound, damaged}, entries);
    EXPECT_EQ(c.lines, (QStringList{RuleLine, "Results for draw date 5 12 2009",
                                    "Entry 1 is damaged and was not checked.",
                                    QStringLiteral("05 06 07 08 10 13 Match 5 + TB £250000"),
                                    RuleLine, "Results for draw date 12 12 2009",
                                    "The result of this draw date is damaged and was not checked."}));
    EXPECT_EQ(c.total, 250000);

    // Statistics and the Auto Add pool go as if the damaged result were not there.
    EXPECT_EQ(frequencyChart({sound, damaged}, StatsMode::Main, Tb534).values, frequencyChart({sound}, StatsMode::Main, Tb534).values);
    const ThunderBallStats five = ballStats({damaged, sound}, 5, StatsMode::Main, Tb534);
    EXPECT_EQ(std::tuple(five.mainCount, five.thunderballCount, five.lastDrawn), std::tuple(1, 0, QString("5/12/2009")));
    const AutoAddPool pool = buildAutoAddPool({damaged}, Tb534, dstest::fractions({0.5}));
    const AutoAddPool none = buildAutoAddPool({}, Tb534, dstest::fractions({0.5}));
    EXPECT_EQ(std::pair(pool.main, pool.thunderball), std::pair(none.main, none.thunderball));
}

TEST(ThunderTicket, NumberMarksOfEachPanelAndRow)
{
    // q = 1 and q = 7 of each panel: the table starts and rises by 200.
    const int starts[] = {1280, 2900, 4515, 6132, 7745};
    for (int p = 1; p <= 5; ++p) {
        const int start = starts[p - 1];
        EXPECT_EQ(numberMark(Tb534, p, 1, 1, {})->top, start) << "panel " << p;
        EXPECT_EQ(numberMark(Tb534, p, 1, 7, {})->top, start + 1200) << "panel " << p;
        EXPECT_EQ(numberMark(Tb534, p, 1, 8, {})->top, start) << "panel " << p;       // the next row starts again
        EXPECT_EQ(numberMark(Tb534, p, 6, 14, {})->top, start + 1200) << "panel " << p; // Thunderballs alike
    }
    const int panel1[] = {1280, 1480, 1680, 1880, 2080, 2280, 2480};
    for (int q = 1; q <= 7; ++q)
        EXPECT_EQ(numberMark(Tb534, 1, 2, 28 + q - 7, {})->top, panel1[q - 1]) << q; // 22 to 28

    // Rows run right to left.
    const struct { int k, number, left; } cases[] = {
        {1, 1, 3315}, {1, 7, 3315}, {2, 8, 2950}, {3, 14, 2950}, {3, 15, 2585}, {4, 21, 2585},
        {4, 22, 2220}, {5, 28, 2220}, {5, 29, 1855}, {5, 34, 1855},
        {6, 1, 780}, {6, 7, 780}, {6, 8, 415}, {6, 14, 415}};
    for (const auto &c : cases)
        EXPECT_EQ(numberMark(Tb534, 2, c.k, c.number, {})->left, c.left) << c.number;
    // The offsets are added to both.
    EXPECT_EQ(numberMark(Tb534, 2, 1, 1, {100, -50}), (TicketMark{7, 3415, 2850}));
    // Off the slip: no mark.
    const struct { int panel, k, number; } off[] = {
        {1, 1, 0}, {1, 1, 35}, {1, 5, -1}, {1, 6, 15}, {1, 6, 0}, {0, 1, 1}, {6, 1, 1}, {1, 0, 1}, {1, 7, 1}};
    for (const auto &c : off)
        EXPECT_FALSE(numberMark(Tb534, c.panel, c.k, c.number, {}).has_value()) << c.panel << " " << c.k << " " << c.number;
}

TEST(ThunderTicket, PanelMarksInAscendingOrder)
{
    const auto marks = panelMarks(Tb534, 3, thResult(5, 12, 2026, {20, 3, 14, 31, 8}, 9), {});
    ASSERT_EQ(marks.size(), 6u);
    const int numbers[] = {3, 8, 14, 20, 31};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(marks[size_t(k - 1)], *numberMark(Tb534, 3, k, numbers[k - 1], {})) << k;
    EXPECT_EQ(marks[5], (TicketMark{18, 415, 4515 + 200}));
    // A damaged entry marks what lies on the slip.
    EXPECT_EQ(panelMarks(Tb534, 1, thResult(5, 12, 2026, {0, 3, 40, 31, 8}, 20), {}).size(), 3u);
}

TEST(ThunderTicket, FiveEntriesATicketEachWithTheWeeks)
{
    const struct { int weeks; std::optional<int> left; } weeks[] = {
        {-1, {}}, {0, {}}, {1, {}}, {2, 2950}, {3, 2585}, {4, 2220}, {7, 1125}, {8, 760}, {9, {}}, {32767, {}}};
    for (const auto &w : weeks)
        EXPECT_EQ(weeksMark(w.weeks), w.left ? std::optional(TicketMark{0, *w.left, 900}) : std::nullopt) << w.weeks;

    const struct { int entries, weeks; std::vector<int> panels; bool weeksMarked; } cases[] = {
        {0, 3, {}, false}, {1, 1, {1}, false}, {5, 2, {5}, true}, {7, 3, {5, 2}, true}, {7, 1, {5, 2}, false},
        {10, 8, {5, 5}, true}, {11, 4, {5, 5, 1}, true}};
    for (const auto &c : cases) {
        std::vector<ThunderResult> entries;
        for (int i = 0; i < c.entries; ++i)
            entries.push_back(thResult(5, 12, 2026, {qint16(1 + i), 10, 20, 30, 34}, 1 + i % 14));
        const auto tickets = entryTickets(Tb534, entries, c.weeks, {40, 60});
        std::vector<int> panels;
        for (const auto &t : tickets) {
            panels.push_back(t.panels);
            const bool marked = !t.marks.empty() && t.marks.back().index == 0;
            EXPECT_EQ(marked, c.weeksMarked) << c.entries << " entries, " << c.weeks << " weeks";
            EXPECT_EQ(t.marks.size(), size_t(6 * t.panels + (marked ? 1 : 0)));
            EXPECT_TRUE(!marked || t.marks.back() == *weeksMark(c.weeks)); // without the offsets
        }
        EXPECT_EQ(panels, c.panels) << c.entries << " entries";
    }
}

TEST(ThunderHistory, LinesWithLeadingZerosPrintedInFileOrder)
{
    const std::vector<ThunderResult> results = {thResult(17, 1, 2027, {7, 10, 11, 33, 34}, 14),
                                                thResult(5, 12, 2026, {3, 8, 14, 20, 31}, 8)};
    dstest::FakePrinter printer;
    printHistory(printer, results, Tb534);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].font, "Courier");
    EXPECT_EQ(printer.jobs[0].size, 10);
    EXPECT_EQ(printer.jobs[0].pages,
              (std::vector<QStringList>{{"", "", "", "Thunderball Lottery Results Currently Held in Draw File:",
                                         "       17/01/2027  07 10 11 33 34  TB 14",
                                         "       05/12/2026  03 08 14 20 31  TB 08"}}));
}

TEST(ThunderLists, PagesAndSeparators)
{
    const QString indent(16, ' ');
    const QString sep = indent + QString(21, '-');
    auto print = [](const PagedListShape &shape, int n) {
        QStringList lines;
        for (int i = 1; i <= n; ++i)
            lines << QStringLiteral("line %1").arg(i);
        dstest::FakePrinter printer;
        printPagedList(printer, lines, shape);
        EXPECT_EQ(printer.jobs.size(), 1u);
        return printer.jobs.empty() ? dstest::FakePrinter::Job{} : printer.jobs[0];
    };
    // Results: a page break after line 56, three empty lines, then the rest.
    const auto results = print(ResultsListShape, 60);
    EXPECT_EQ(results.pageLines, 59);
    ASSERT_EQ(results.pages.size(), 2u);
    EXPECT_EQ(results.pages[0].size(), 59);
    EXPECT_EQ(results.pages[0].last(), indent + "line 56");
    EXPECT_EQ(results.pages[1], (QStringList{"", "", "", indent + "line 57", indent + "line 58", indent + "line 59",
                                             indent + "line 60"}));
    EXPECT_EQ(print(ResultsListShape, 56).pages.size(), 1u);
    // Selections: a separator after every fifth line.
    const auto selections = print(SelectionsListShape, 12);
    ASSERT_EQ(selections.pages.size(), 1u);
    const QStringList &page = selections.pages[0];
    ASSERT_EQ(page.size(), 3 + 12 + 2);
    EXPECT_EQ(page[3 + 5], sep);
    EXPECT_EQ(page[3 + 11], sep);
    EXPECT_EQ(page.count(sep), 2);
    EXPECT_EQ(page.last(), indent + "line 12");
    // Eight groups a page.
    const auto full = print(SelectionsListShape, 41);
    EXPECT_EQ(full.pageLines, 51);
    ASSERT_EQ(full.pages.size(), 2u);
    EXPECT_EQ(full.pages[0].size(), 51);
    EXPECT_EQ(full.pages[1], (QStringList{"", "", "", indent + "line 41"}));
    EXPECT_EQ(print(SelectionsListShape, 40).pages.size(), 1u);
}
