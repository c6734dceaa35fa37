#include "entries/rangecheck.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace ds;
using namespace ds::rangecheck;
using dstest::TestFolder;

namespace {

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
