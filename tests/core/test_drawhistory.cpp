#include "core/drawhistory.h"
#include "support/testfolder.h"

#include "core/dates.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <random>
#include <gtest/gtest.h>

using namespace ds;
using dstest::countRecord;
using dstest::drawRecord;

namespace {

const QByteArray A = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
const QByteArray B = drawRecord("12061999", {1, 2, 3, 4, 5, 6}, 7);
const QByteArray C = drawRecord("19061999", {10, 20, 30, 40, 41, 42}, 11);
const QByteArray Second = drawRecord("05061999", {1, 2, 3, 4, 5, 6}, 8); // another draw of A's date
const QByteArray Blank = drawRecord("        ", {0, 0, 0, 0, 0, 0}, 0);
const QByteArray Full = countRecord(32767) + QByteArray(32767 * DrawRecordSize, '\0');

} // namespace

TEST(DrawHistory, InsertGoesInDateOrderAfterDrawsOfTheSameDate)
{
    const QByteArray jan = drawRecord("01012000", {1, 2, 3, 4, 5, 6}, 7);
    const QByteArray dec = drawRecord("31121999", {8, 9, 10, 11, 12, 13}, 14);
    const QByteArray odd = QByteArray("ABCDEFGH");
    // Before, the draw stored, after (empty: refused, the bytes unchanged).
    const std::tuple<QByteArray, QByteArray, QByteArray> cases[] = {
        {countRecord(2) + B + C, A, countRecord(3) + A + B + C},          // before all: every draw moves up
        {countRecord(2) + A + B, C, countRecord(3) + A + B + C},          // after all: appended
        {countRecord(2) + A + C, Second, countRecord(3) + A + Second + C}, // after the draws of its date
        {countRecord(1) + jan, dec, countRecord(2) + dec + jan},          // by date, not by text
        {countRecord(1, odd) + A, B, countRecord(2, odd) + A + B},        // record 1 keeps its other bytes
        {countRecord(0) + A + B, C, countRecord(1) + C + B},              // over leftovers beyond the count
        {countRecord(30000) + A + B, C, countRecord(3) + A + B + C},      // a count beyond the file
        {Full, A, {}},
    };
    for (const auto &[before, stored, after] : cases) {
        DrawHistory h;
        h.setBytes(before);
        EXPECT_EQ(h.insert(decodeDraw(stored)), !after.isEmpty());
        EXPECT_EQ(h.bytes(), after.isEmpty() ? before : after);
    }
}

TEST(DrawHistory, DeleteMovesLaterDrawsDownAndNeverShrinksTheFile)
{
    // Before, the date deleted, after (empty: refused, the bytes unchanged).
    const std::tuple<QByteArray, const char *, QByteArray> cases[] = {
        {countRecord(3) + A + B + C, "12061999", countRecord(2) + A + C + C}, // C's old place keeps a copy
        {countRecord(2) + A + C + C, "19061999", countRecord(1) + A + Blank + C},
        {countRecord(1) + A + Blank + C, "05061999", Blank + Blank + Blank + C}, // the only draw
        {countRecord(3) + A + Second + C, "05061999", countRecord(2) + A + C + C}, // the second draw first
        {countRecord(1) + A, "01011990", {}},
        {QByteArray(21, '\x7f'), "", {}},
    };
    for (const auto &[before, date, after] : cases) {
        DrawHistory h;
        h.setBytes(before);
        EXPECT_EQ(h.remove(QString::fromLatin1(date)), !after.isEmpty()) << date;
        EXPECT_EQ(h.bytes(), after.isEmpty() ? before : after) << date;
    }
}

TEST(DrawHistory, ANegativeCountReadsAsTheWholeRecordsPresent)
{
    // Three draws and the start of a fourth; the next draw goes in date order
    // and overwrites none of them.
    const QByteArray june26 = drawRecord("26061999", {1, 2, 3, 4, 5, 6}, 7);
    for (const int negative : {-1, -32768}) {
        dstest::TestFolder dir;
        const QString path = dir.file("UK.exe");
        dir.write("UK.exe", countRecord(negative) + A + C + june26 + B.left(9));
        EXPECT_EQ(readHistoryDraws(path).value.size(), 3u);
        ASSERT_EQ(storeDraw(path, decodeDraw(B)), StoreResult::Stored);
        EXPECT_EQ(dir.read("UK.exe"), countRecord(4) + A + B + C + june26);
    }
}

TEST(DrawHistory, InsertSortedLeavesTheBytesOfSingleInsertsInOnePass)
{
    // Histories in any order, with digit and non-digit dates, stale, too large
    // or negative counts and cut tails.
    const char *const fields[] = {"05061999", "12061999", "x1y2z3ab", " 5061999", "00000000", "31129999",
                                  "01011990", "1206199 ", "19061999"};
    std::mt19937 gen(3);
    auto pick = [&gen, &fields] { return fields[gen() % std::size(fields)]; };
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = countRecord(static_cast<int>(gen() % 16) - 3);
        for (int r = static_cast<int>(gen() % 10); r > 0; --r)
            bytes += drawRecord(pick(), {1, 2, 3, 4, 5, static_cast<int>(r)}, 7);
        bytes += QByteArray(static_cast<int>(gen() % 30), 'q');
        std::vector<Draw> draws;
        for (int d = static_cast<int>(gen() % 6); d > 0; --d)
            draws.push_back(decodeDraw(drawRecord(pick(), {10, 11, 12, 13, 14, d}, 8)));
        std::stable_sort(draws.begin(), draws.end(),
                         [](const Draw &a, const Draw &b) { return dateOrderKey(a.date) < dateOrderKey(b.date); });

        DrawHistory one, all;
        one.setBytes(bytes);
        all.setBytes(bytes);
        for (const Draw &d : draws)
            one.insert(d);
        EXPECT_EQ(all.insertSorted(draws), static_cast<int>(draws.size()));
        ASSERT_EQ(all.bytes(), one.bytes()) << "round " << round;
    }

    // Only what fits below 32767 is stored.
    DrawHistory h;
    h.setBytes(countRecord(32765) + QByteArray(32765 * DrawRecordSize, '\0'));
    EXPECT_EQ(h.insertSorted({decodeDraw(A), decodeDraw(B), decodeDraw(C)}), 2);
    EXPECT_EQ(h.count(), 32767);
    EXPECT_EQ(h.bytes().right(2 * DrawRecordSize), A + B);
}

TEST(DrawHistory, ReadsToTheCountOrTheLastWholeRecordAndFindsTrimmedDateFields)
{
    dstest::TestFolder dir;
    const QString path = dir.file("UK.exe");
    const QByteArray trimmed = drawRecord(" 5061999", {1, 2, 3, 4, 5, 6}, 7);
    // Whether the file is there, its bytes, date, count, the first draw of the date.
    const std::tuple<bool, QByteArray, const char *, int, QByteArray> cases[] = {
        {false, {}, "05061999", 0, {}},
        {true, countRecord(2) + A + B, "19061999", 2, {}},
        {true, countRecord(3) + A + Second + C, "05061999", 3, A},
        {true, countRecord(0) + A + B, "05061999", 0, {}}, // a leftover beyond the count is no draw
        {true, countRecord(30000) + A + B, "12061999", 2, B},
        {true, countRecord(2) + A + B.left(10), "12061999", 1, {}}, // a record cut short is no draw
        {true, QByteArray(21, '\x7f'), "05061999", 0, {}},
        {true, countRecord(1) + trimmed, "5061999", 1, trimmed},
        {true, countRecord(1) + trimmed, "05061999", 1, {}},
    };
    for (const auto &[there, bytes, date, count, first] : cases) {
        QFile::remove(path);
        if (there)
            dir.write("UK.exe", bytes);
        const ReadStatus status = there ? ReadStatus::Ok : ReadStatus::Missing;
        DrawHistory h;
        EXPECT_EQ(h.load(path), status);
        EXPECT_EQ(h.count(), count);
        const int r = h.findFirst(QString::fromLatin1(date));
        EXPECT_EQ(r ? encodeDraw(h.record(r)) : QByteArray(), first) << date;
        const FileRead<std::vector<Draw>> draws = readHistoryDraws(path);
        EXPECT_EQ(draws.status, status);
        EXPECT_EQ(draws.value.size(), size_t(count));
    }
    QFile::remove(path);
    QDir(dir.path()).mkdir("UK.exe"); // exists, cannot be read
    EXPECT_EQ(readHistoryDraws(path).status, ReadStatus::Unreadable);
}

TEST(DrawHistory, StoreCreatesAMissingFileAndAFailedWriteLeavesTheOldOne)
{
    dstest::TestFolder dir;
    const QString path = dir.file("UK.exe");
    ASSERT_EQ(storeDraw(path, decodeDraw(A)), StoreResult::Stored);
    EXPECT_EQ(dir.read("UK.exe"), countRecord(1) + A);

    const QByteArray old = countRecord(2) + A + C;
    dir.write("UK.exe", old);
    StoreResult r;
    {
        // Writes beyond 70 bytes fail, whoever runs the test.
        dstest::FileSizeLimit limit(70);
        r = storeDraw(path, decodeDraw(B));
    }
    EXPECT_EQ(r, StoreResult::WriteFailed);
    EXPECT_EQ(dir.read("UK.exe"), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"UK.exe"});
}
