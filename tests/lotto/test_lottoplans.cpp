// The decisions of the "Result of Draw" and File Deletion handlers.
#include "lotto/lottoplans.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace ds;
using dstest::countRecord;
using dstest::drawRecord;

TEST(LottoPlans, SecondDrawFlipsBetweenTheDrawsOfADateAndNeverPairsWithLeftovers)
{
    const QByteArray first = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
    const QByteArray second = drawRecord("05061999", {1, 2, 13, 24, 35, 41}, 8);
    const QByteArray later = drawRecord("12061999", {4, 5, 6, 14, 15, 16}, 17);
    // History, the draw number on show, then found, record, draw number; and the draws on the date.
    const std::tuple<QByteArray, int, bool, int, int, int> cases[] = {
        {countRecord(3) + first + second + later, 1, true, 3, 2, 2},
        {countRecord(3) + first + second + later, 2, true, 2, 1, 2},
        {countRecord(2) + first + later, 1, false, 0, 0, 1},
        {countRecord(1) + first + first, 1, false, 0, 0, 1}, // a leftover copy beyond the count
        {countRecord(1) + later, 1, false, 0, 0, 0},
    };
    for (const auto &[bytes, shown, found, record, number, onDate] : cases) {
        DrawHistory h;
        h.setBytes(bytes);
        const SecondDrawFlip f = findSecondDraw(h, QStringLiteral("05061999"), shown);
        EXPECT_EQ(std::tuple(f.found, f.record, f.drawNumber), std::tuple(found, record, number)) << h.count() << shown;
        EXPECT_EQ(drawsOnDate(h, QStringLiteral("05061999")), onDate) << h.count();
    }
}

TEST(LottoPlans, DeletedFileKindLooksForALowerCaseExe)
{
    EXPECT_EQ(deletedFileKind(QStringLiteral("old.exe.lot")), DeletedFileKind::Results);
    EXPECT_EQ(deletedFileKind(QStringLiteral("OLD.EXE.lot")), DeletedFileKind::Selections);
    EXPECT_EQ(deletedFileKind(QStringLiteral("UK05061999.lot")), DeletedFileKind::Selections);
}
