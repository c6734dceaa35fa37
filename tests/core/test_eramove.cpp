// Draws an earlier version stored under the wrong era move once to the file
// of their era.
#include "core/drawhistory.h"
#include "core/eramove.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace ds;
using dstest::countRecord;
using dstest::drawRecord;

namespace {

const QByteArray Old1 = drawRecord("03102015", {1, 2, 3, 4, 5, 6}, 7);
const QByteArray Old2 = drawRecord("07102015", {11, 12, 13, 14, 15, 16}, 17);
const QByteArray Typed2016 = drawRecord("02012016", {21, 22, 23, 24, 25, 26}, 27); // not in the new file
const QByteArray Held2026 = drawRecord("06062026", {31, 32, 33, 34, 35, 36}, 37);  // in it already
const QByteArray Other2026 = drawRecord("06062026", {1, 9, 19, 29, 39, 49}, 5);    // the date is taken
const QByteArray New2016 = drawRecord("06012016", {41, 42, 43, 44, 45, 46}, 47);

} // namespace

TEST(EraMove, MisplacedDrawsMoveOnceAndTheOldFileKeepsTheRestByteForByte)
{
    dstest::TestFolder dir;
    const QByteArray leftover = drawRecord("        ", {0, 0, 0, 0, 0, 0}, 0); // beyond the count
    dir.write("UK.exe", countRecord(5, "ABCDEFGH") + Old1 + Old2 + Typed2016 + Held2026 + Other2026 + leftover);
    dir.write("UK59.exe", countRecord(2) + New2016 + Held2026);

    const EraMoveResult r = moveMisplacedDraws(dir.path(), erasOf(Game::UK), &moveLottoDraws);
    EXPECT_TRUE(r.failed.isEmpty());
    EXPECT_EQ(r.message(), "2 draws stored in UK.exe are of the 6 from 59 era and were moved to UK59.exe.");
    // The other 2026 draw cannot join its date (one draw a date then): it stays.
    EXPECT_EQ(dir.read("UK.exe"), countRecord(3, "ABCDEFGH") + Old1 + Old2 + Other2026);
    EXPECT_EQ(dir.read("UK59.exe"), countRecord(3) + Typed2016 + New2016 + Held2026);

    // Once: nothing is left to move.
    EXPECT_TRUE(moveMisplacedDraws(dir.path(), erasOf(Game::UK), &moveLottoDraws).moves.empty());
    EXPECT_EQ(dir.read("UK59.exe"), countRecord(3) + Typed2016 + New2016 + Held2026);
}

TEST(EraMove, ANewFileIsMadeAndAFailedWriteLeavesBothFiles)
{
    dstest::TestFolder dir;
    const QByteArray old = countRecord(2) + Old1 + Typed2016;
    dir.write("UK.exe", old);
    {
        dstest::FileSizeLimit limit(40); // the new file (44 bytes) cannot be written
        const EraMoveResult r = moveMisplacedDraws(dir.path(), erasOf(Game::UK), &moveLottoDraws);
        EXPECT_TRUE(r.moves.empty());
        EXPECT_EQ(r.failed, QStringList{"UK59.exe"});
    }
    EXPECT_EQ(dir.read("UK.exe"), old);
    EXPECT_FALSE(dir.exists("UK59.exe"));

    const EraMoveResult r = moveMisplacedDraws(dir.path(), erasOf(Game::UK), &moveLottoDraws);
    EXPECT_EQ(r.message(), "1 draw stored in UK.exe is of the 6 from 59 era and was moved to UK59.exe.");
    EXPECT_EQ(dir.read("UK.exe"), countRecord(1) + Old1);
    EXPECT_EQ(dir.read("UK59.exe"), countRecord(1) + Typed2016);
}

// The Irish Lotto: draws typed into IR.exe after 1/11/2006, both draws of a
// date among them, go to the file of their era; the 6 from 42 draws stay.
TEST(EraMove, IrishDrawsAfterTheSixFromFortyTwoGoToTheirEras)
{
    dstest::TestFolder dir;
    const QByteArray last42 = drawRecord("01112006", {1, 2, 3, 4, 5, 42}, 6);
    const QByteArray main2006 = drawRecord("04112006", {6, 14, 15, 19, 31, 37}, 4);
    const QByteArray plus2006 = drawRecord("04112006", {12, 21, 23, 33, 39, 44}, 35);
    const QByteArray draw2020 = drawRecord("04012020", {1, 2, 3, 4, 5, 47}, 6);
    const QByteArray monday = drawRecord("07092026", {15, 20, 21, 24, 28, 34}, 43);
    dir.write("IR.exe", countRecord(5) + last42 + main2006 + plus2006 + draw2020 + monday);

    const EraMoveResult r = moveMisplacedDraws(dir.path(), erasOf(Game::Irish), &moveLottoDraws);
    EXPECT_TRUE(r.failed.isEmpty());
    EXPECT_EQ(r.message(), "2 draws stored in IR.exe are of the 6 from 45 era and were moved to IR45.exe. "
                           "1 draw stored in IR.exe is of the 6 from 47 era and was moved to IR47.exe. "
                           "1 draw stored in IR.exe is of the 6 from 45 era and was moved to IR45b.exe.");
    EXPECT_EQ(dir.read("IR.exe"), countRecord(1) + last42);
    EXPECT_EQ(dir.read("IR45.exe"), countRecord(2) + main2006 + plus2006);
    EXPECT_EQ(dir.read("IR47.exe"), countRecord(1) + draw2020);
    EXPECT_EQ(dir.read("IR45b.exe"), countRecord(1) + monday);
}
