#include "core/entryfile.h"
#include "core/filenames.h"
#include "support/testfolder.h"

#include <QDir>

#include <gtest/gtest.h>
#include <optional>

using namespace ds;
using dstest::entryRecord;

namespace {

const QByteArray Key("05061999");
const QByteArray Zero8(8, '\0');
const QByteArray Empty = entryRecord(Zero8, {0, 0, 0, 0, 0, 0});

QByteArray five()
{
    QByteArray b;
    for (int i = 1; i <= 5; ++i)
        b += entryRecord(Key, {i, 10 + i, 20 + i, 30 + i, 40 + i, 49});
    return b;
}

} // namespace

TEST(WholeFileReads, SayWhyThereAreNoBytesAndStopAtTheSizeCap)
{
    dstest::TestFolder dir;
    dir.write("five", "12345");
    QDir(dir.path()).mkdir("folder");
    dir.writeSized("huge", MaxFileBytes + 1);
    struct Case { const char *name; qint64 cap; ReadStatus status; QByteArray bytes; };
    const Case cases[] = {
        {"none", 5, ReadStatus::Missing, {}},
        {"folder", 5, ReadStatus::Unreadable, {}},
        {"five", 5, ReadStatus::Ok, "12345"},
        {"five", 4, ReadStatus::TooLarge, {}},
        {"huge", MaxFileBytes, ReadStatus::TooLarge, {}},
    };
    for (const Case &c : cases) {
        const FileRead<QByteArray> r = readFileBytes(dir.file(c.name), c.cap);
        EXPECT_EQ(r.status, c.status) << c.name << " " << c.cap;
        EXPECT_EQ(r.value, c.bytes) << c.name << " " << c.cap;
    }
    // The readers of the program's files stop at the cap: a file beyond it
    // is one they cannot read, never an empty one, and is not copied.
    EXPECT_EQ(readHistoryDraws(dir.file("huge")).status, ReadStatus::TooLarge);
    EXPECT_EQ(entryfile::load(dir.file("huge")).status, ReadStatus::TooLarge);
    EXPECT_EQ(entryfile::load(dir.file("none")).status, ReadStatus::Missing);
    EXPECT_FALSE(entryfile::copyWhole(dir.file("huge"), dir.file("copy")));
    EXPECT_FALSE(dir.exists("copy"));
}

TEST(EntryFile, EntryLineOfTwentyOneCharactersAndDateKeyOfSelectionsFileName)
{
    const QString line = entryLine({3, 11, 19, 27, 35, 44});
    EXPECT_EQ(line, "03 11 19 27 35 44 ( )");
    EXPECT_EQ(markedLine(line, " (*)"), "03 11 19 27 35 44 (*)");
    EXPECT_EQ(files::selectionsDateKey("/x/UK05061999.lot"), "05061999");
    EXPECT_EQ(files::selectionsDateKey("/x/ir31121999.LOT"), "31121999");
    EXPECT_EQ(files::selectionsDateKey("/x/StandUK.lot"), "");
}

TEST(EntryFile, OpeningADateCreatesItsFileOrLoadsTheEntriesOfItsOwnDateUpToAnEmptyRecordOrTheEnd)
{
    const QByteArray foreign =
        entryRecord("01011990", {1, 2, 3, 4, 5, 6}) + entryRecord("01011990", {7, 8, 9, 10, 11, 12});
    const QByteArray stopped = entryRecord(Key, {1, 2, 3, 4, 5, 6}) + Empty + entryRecord(Key, {7, 8, 9, 10, 11, 12});
    // Bytes before (none: no file), entries loaded, bytes after.
    const std::tuple<std::optional<QByteArray>, size_t, QByteArray> cases[] = {
        {std::nullopt, 0, entryRecord(Key, {0, 0, 0, 0, 0, 0})}, // a new file: one record, no entries
        {five(), 5, five()},                                      // untouched
        {stopped, 1, stopped},
        // A record cut short (a failed write) is no entry.
        {five().left(20 * 4 + 1), 4, five().left(20 * 4 + 1)},
        {five().left(20 * 4 + 19), 4, five().left(20 * 4 + 19)},
        // A foreign date in record 1 empties the file: only that date field changes.
        {foreign, 0, entryRecord(Key, {1, 2, 3, 4, 5, 6}) + entryRecord("01011990", {7, 8, 9, 10, 11, 12})},
    };
    for (const auto &[before, count, after] : cases) {
        dstest::TestFolder dir;
        if (before)
            dir.write("UK05061999.lot", *before);
        const auto res = entryfile::openForDate(dir.file("UK05061999.lot"), "05061999");
        ASSERT_TRUE(res.ok);
        ASSERT_EQ(res.entries.size(), count);
        if (count > 2) {
            EXPECT_EQ(res.entries[2].n, (Numbers6{3, 13, 23, 33, 43, 49}));
        }
        EXPECT_EQ(dir.read("UK05061999.lot"), after);
        if (before == after) {
            EXPECT_EQ(entryfile::load(dir.file("UK05061999.lot")).value.size(), count); // by the same rule
        }
    }
}

TEST(EntryFile, AppendWritesInPlaceAndAFailedWriteLeavesTheFileAsItWasOrNoFile)
{
    dstest::TestFolder dir;
    // A new selections file on a full disk: nothing is left behind.
    {
        dstest::FileSizeLimit full(0);
        EXPECT_FALSE(entryfile::openForDate(dir.file("UK12061999.lot"), "12061999").ok);
    }
    EXPECT_FALSE(dir.exists("UK12061999.lot"));

    const QString path = dir.file("UK05061999.lot");
    entryfile::openForDate(path, "05061999");
    Entry e;
    e.date = Key;
    e.n = {1, 5, 12, 23, 30, 49};
    ASSERT_TRUE(entryfile::writeAt(path, 1, e));
    e.n = {2, 6, 13, 24, 31, 48};
    ASSERT_TRUE(entryfile::writeAt(path, 2, e));
    EXPECT_EQ(dir.read("UK05061999.lot"),
              entryRecord(Key, {1, 5, 12, 23, 30, 49}) + entryRecord(Key, {2, 6, 13, 24, 31, 48}));

    // Appends and overwrites that fail part-way: the file keeps its bytes,
    // including a record cut short by an earlier failure.
    const std::tuple<QByteArray, int, qint64> cases[] = {
        {five().left(60), 4, 70},      // the new record would end at 80
        {five().left(60), 6, 90},      // a gap of zeros, then the record
        {five().left(50), 3, 55},      // over a cut record
        {five().left(60), 1, 10},      // an overwrite inside a file already past the limit
    };
    for (const auto &[before, record, limit] : cases) {
        dir.write("UK05061999.lot", before);
        {
            dstest::FileSizeLimit full(limit);
            EXPECT_FALSE(entryfile::writeAt(path, record, e)) << record;
        }
        EXPECT_EQ(dir.read("UK05061999.lot"), before) << record;
    }
}

TEST(EntryFile, DeleteMovesLaterRecordsUpAndRefusesPositionsOutsideTheList)
{
    const QByteArray all = five();
    auto rec = [&all](int i) { return all.mid((i - 1) * 20, 20); };
    // Before, position, count, after (empty: refused, the file unchanged).
    const std::tuple<QByteArray, int, int, QByteArray> cases[] = {
        {all, 2, 5, rec(1) + rec(2) + rec(4) + rec(5) + Empty + Empty},
        {all, 0, 5, rec(2) + rec(3) + rec(4) + rec(5) + Empty + Empty},
        {rec(2) + rec(3) + rec(4) + rec(5) + Empty + Empty, 3, 4, rec(2) + rec(3) + rec(4) + Empty + Empty + Empty},
        {all, 5, 5, {}},
        {all, -1, 5, {}},
        // A record cut short after the list is no entry and does not become one.
        {rec(1) + rec(2) + rec(3).left(12), 0, 2, rec(2) + Empty + Empty},
        {rec(1), 0, 1, Empty + Empty}, // the only entry
    };
    dstest::TestFolder dir;
    for (const auto &[before, p, count, after] : cases) {
        dir.write("x.lot", before);
        const FileRead<bool> deleted = entryfile::deleteAt(dir.file("x.lot"), p, count);
        EXPECT_EQ(deleted.value, !after.isEmpty()) << p;
        EXPECT_EQ(deleted.status, ReadStatus::Ok) << "a refused position is no read failure";
        EXPECT_EQ(dir.read("x.lot"), after.isEmpty() ? before : after) << p;
    }
    // Reopened, the emptied file gets its date again and lists nothing.
    EXPECT_TRUE(entryfile::openForDate(dir.file("x.lot"), "05061999").entries.empty());
    EXPECT_EQ(dir.read("x.lot"), entryRecord(Key, {0, 0, 0, 0, 0, 0}) + Empty);

    QDir(dir.path()).mkdir("y.lot"); // exists, cannot be read
    const FileRead<bool> unread = entryfile::deleteAt(dir.file("y.lot"), 0, 2);
    EXPECT_FALSE(unread.value);
    EXPECT_EQ(unread.status, ReadStatus::Unreadable);
}

TEST(EntryFile, WholeFileCopiesAndWheelFiles)
{
    dstest::TestFolder dir;
    dir.write("UK05061999.lot", five());
    dir.write("StandUK.lot", QByteArray(200, 'x'));
    ASSERT_TRUE(entryfile::copyWhole(dir.file("UK05061999.lot"), dir.file("StandUK.lot")));
    EXPECT_EQ(dir.read("StandUK.lot"), five());
    EXPECT_FALSE(entryfile::copyWhole(dir.file("none.lot"), dir.file("StandUK.lot")));
    EXPECT_EQ(dir.read("StandUK.lot"), five());

    // A wheel file is replaced whole, its date fields blank.
    dir.write("UKwheel3.lot", QByteArray(100, 'x'));
    ASSERT_TRUE(entryfile::writeWheel(dir.file("UKwheel3.lot"), {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 1, 2, 3}}));
    EXPECT_EQ(dir.read("UKwheel3.lot"),
              entryRecord(Zero8, {1, 2, 3, 4, 5, 6}) + entryRecord(Zero8, {7, 8, 9, 1, 2, 3}));
}
