// Thunderball results and entry files: the bytes each operation leaves, and
// the import of results.
#include "core/eramove.h"
#include "support/testfolder.h"
#include "thunderball/resultsedit.h"
#include "thunderball/resultsimport.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderinput.h"
#include "thunderball/thunderview.h"
#include "thunderrecords.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace ds;
using namespace ds::thunder;
using dstest::thRec;
using dstest::thResult;

namespace {

const QDate Sat5(2026, 12, 5);
const Era &Tb534 = firstEra(Game::Thunderball);
const QString ResultsFile = QStringLiteral("thresult.exe");
const QByteArray ThunderHeader = "date,n1,n2,n3,n4,n5,thunderball\n";

} // namespace

TEST(ThunderResultsFile, ReaderIsBoundedByTheFile)
{
    ThunderResultsFile f;
    EXPECT_EQ(f.count(), 0); // empty
    // A count beyond the records present, or below 1, reads the whole records present.
    for (int stored : {3, -4, 0}) {
        f.setBytes(thRec(stored, 0, 5, 6, 1999, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 12, 6, 1999, {1, 2, 3, 4, 5}, 6));
        EXPECT_EQ(f.count(), 2) << stored;
        EXPECT_EQ(f.find(12, 6, 1999), 2) << stored;
    }
    f.setBytes(thRec(1, 0, 5, 6, 1999, {1, 2, 3, 4, 5}, 6).left(21)); // cut short
    EXPECT_EQ(f.count(), 0);
    EXPECT_EQ(f.result(0).day, 0);
    EXPECT_EQ(f.result(-1).day, 0);
}

TEST(ThunderResultsFile, AppendGoesAfterTheWholeResultsPresentWhateverTheCountUntilFull)
{
    const QByteArray stale = thRec(0, 0, 9, 9, 1999, {1, 2, 3, 4, 5}, 1);
    const QByteArray added = thRec(0, 0, 1, 7, 1999, {6, 7, 8, 9, 10}, 2);
    const QByteArray full = thRec(32767, 0, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + QByteArray(32766 * 22, '\0');
    // Before, after appending the result of 1 July.
    const std::pair<QByteArray, QByteArray> cases[] = {
        // over stale records, record 1 keeping its other bytes
        {thRec(1, 99, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + stale + stale,
         thRec(2, 99, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + added + stale},
        // after a damaged result, which stays
        {thRec(5, 0, 3, 7, 1999, {0, 2, 3, 4, 5}, 1) + stale,
         thRec(3, 0, 3, 7, 1999, {0, 2, 3, 4, 5}, 1) + stale + added},
        // no whole record: the file starts afresh
        {QByteArray(21, '\x07'), thRec(1, 0, 1, 7, 1999, {6, 7, 8, 9, 10}, 2)},
        // a count beyond the records present, or below 1 beside a result
        {thRec(40, 0, 3, 7, 1999, {1, 2, 3, 4, 5}, 1), thRec(2, 0, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + added},
        {thRec(0, 0, 3, 7, 1999, {1, 2, 3, 4, 5}, 1), thRec(2, 0, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + added},
        // a full file refuses and keeps its bytes
        {full, full},
    };
    for (const auto &[before, after] : cases) {
        ThunderResultsFile f;
        f.setBytes(before);
        EXPECT_EQ(f.append(thResult(1, 7, 1999, {6, 7, 8, 9, 10}, 2)), before != after);
        EXPECT_EQ(f.bytes(), after);
    }
}

TEST(ThunderballImport, NewResultsGoAfterThoseHeldInDateOrder)
{
    // The file holds the 10th then the 3rd (the order entered).
    QByteArray bytes = thRec(2, 0, 10, 7, 1999, {1, 2, 3, 4, 5}, 1) + thRec(0, 0, 3, 7, 1999, {6, 7, 8, 9, 10}, 2);
    // Newest first, one date already held, a Thunderball equal to a main number.
    const ImportReport r = mergeEraResults(ThunderHeader + "1999-07-24,31,5,20,8,14,8\n"
                                                        "1999-07-10,1,2,3,4,6,9\n"
                                                        "1999-07-17,11,12,13,14,15,3\n"
                                                        "1999-06-26,21,22,23,24,25,4\n", firstEra(Game::Thunderball), bytes);
    EXPECT_EQ(bytes, thRec(5, 0, 10, 7, 1999, {1, 2, 3, 4, 5}, 1) + thRec(0, 0, 3, 7, 1999, {6, 7, 8, 9, 10}, 2)
                         + thRec(0, 0, 26, 6, 1999, {21, 22, 23, 24, 25}, 4)
                         + thRec(0, 0, 17, 7, 1999, {11, 12, 13, 14, 15}, 3)
                         + thRec(0, 0, 24, 7, 1999, {5, 8, 14, 20, 31}, 8));
    EXPECT_EQ(r.text(), QStringLiteral("3 results added, 1 already in the results file, 0 skipped."));
}

TEST(ThunderballImport, ANegativeCountTakesTheResultsPresentAndOverwritesNone)
{
    const QByteArray three = thRec(-1, 0, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + thRec(0, 0, 10, 7, 1999, {6, 7, 8, 9, 10}, 2)
        + thRec(0, 0, 17, 7, 1999, {11, 12, 13, 14, 15}, 3);
    QByteArray bytes = three;
    const ImportReport r = mergeEraResults(ThunderHeader + "1999-07-10,6,7,8,9,10,2\n"
                                                                   "1999-07-24,21,22,23,24,25,4\n", firstEra(Game::Thunderball), bytes);
    EXPECT_EQ(r.text(), QStringLiteral("1 result added, 1 already in the results file, 0 skipped."));
    EXPECT_EQ(bytes, thRec(4, 0, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + three.mid(22) + thRec(0, 0, 24, 7, 1999, {21, 22, 23, 24, 25}, 4));
}

TEST(ThunderballImport, PublishedFormAndSkips)
{
    QByteArray bytes;
    const ImportReport r = mergeEraResults(
        "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunder Ball,Ball Set,Machine,DrawNumber\r\n"
        "08-May-2010,34,1,2,3,4,14,1,Excalibur,999\r\n"
        "15-May-2010,1,2,3,4,5,6,1,Excalibur,1000\r\n"
        "01-May-2010,35,1,2,3,4,14,1,Excalibur,998\r\n"
        "24-Apr-2010,1,1,2,3,4,14,1,Excalibur,997\r\n"
        "17-Apr-2010,1,2,3,4,5,15,1,Excalibur,996\r\n"
        "10-Apr-2010,1,2,3,4,5,0,1,Excalibur,995\r\n"
        "05-Jun-1999,1,2,3,4,5,6,1,Excalibur,1\r\n", firstEra(Game::Thunderball), bytes);
    EXPECT_EQ(r.text(), QStringLiteral("1 result added, 0 already in the results file, 6 skipped.\n"
                                       "Line 3: 15/5/2010 is a draw of 5 from 39 (from 12/5/2010), not of 5 from 34 "
                                       "(12/6/1999 to 8/5/2010)\n"
                                       "Line 4: ball 35 is outside 1 to 34\n"
                                       "Line 5: number 1 appears twice\n"
                                       "Line 6: Thunderball 15 is outside 1 to 14\n"
                                       "Line 7: Thunderball 0 is outside 1 to 14\n"
                                       "1 more line skipped."));
    EXPECT_EQ(bytes, thRec(1, 0, 8, 5, 2010, {1, 2, 3, 4, 34}, 14));
}

TEST(ThunderballImport, WriteFailureKeepsTheOldFile)
{
    dstest::TestFolder dir;
    const QByteArray old = thRec(1, 0, 10, 7, 1999, {1, 2, 3, 4, 5}, 1);
    dir.write("thresult.exe", old);
    ImportReport r;
    {
        dstest::FileSizeLimit limit(30);
        r = importResults(ThunderHeader + "1999-07-17,11,12,13,14,15,3\n", Game::Thunderball, dir.path());
    }
    EXPECT_TRUE(r.writeFailed);
    EXPECT_EQ(r.text(), QStringLiteral("The Thunderball results file could not be written, so no results were "
                                       "added. The file is as it was before."));
    EXPECT_EQ(dir.read("thresult.exe"), old);
}

TEST(ThunderResults, DeletingMovesWholeRecordsUpAndKeepsTheLength)
{
    const QByteArray r1 = thRec(3, 7, 5, 12, 2026, {1, 2, 3, 4, 5}, 1);
    const QByteArray r2 = thRec(0, 0, 12, 12, 2026, {6, 7, 8, 9, 10}, 2);
    const QByteArray r3 = thRec(0, 0, 19, 12, 2026, {11, 12, 13, 14, 15}, 3);
    const QByteArray stale = thRec(0, 0, 26, 12, 2026, {11, 12, 13, 14, 16}, 4);
    const struct {
        QByteArray before;
        int day;
        DeleteOutcome outcome;
        QByteArray after; // empty: no file left
    } cases[] = {
        // The single result goes whatever date is asked for: it is the one on display.
        {thRec(1, 0, 5, 12, 2026, {1, 2, 3, 4, 5}, 6), 12, DeleteOutcome::Deleted, {}},
        // The first of three: records 2 and 3 move up whole, the old third stays.
        {r1 + r2 + r3 + stale, 5, DeleteOutcome::Deleted,
         thRec(2, 0, 12, 12, 2026, {6, 7, 8, 9, 10}, 2) + r3 + r3 + stale},
        {r1 + r2 + r3 + stale, 19, DeleteOutcome::Deleted,
         thRec(2, 7, 5, 12, 2026, {1, 2, 3, 4, 5}, 1) + r2 + r3 + stale},
        // No result of the date (the file changed underneath): nothing changes.
        {r1 + r2 + r3, 26, DeleteOutcome::NotFound, r1 + r2 + r3},
        // A count of 300 with two records present: nothing is read or written beyond them.
        {thRec(300, 0, 5, 12, 2026, {1, 2, 3, 4, 5}, 1) + r2, 5, DeleteOutcome::Deleted,
         thRec(1, 0, 12, 12, 2026, {6, 7, 8, 9, 10}, 2) + r2},
        // A damaged first result hides none after it.
        {thRec(2, 0, 5, 12, 2026, {0, 2, 3, 4, 5}, 1) + r2 + r3, 12, DeleteOutcome::Deleted,
         thRec(1, 0, 5, 12, 2026, {0, 2, 3, 4, 5}, 1) + r2 + r3},
    };
    for (const auto &c : cases) {
        dstest::TestFolder dir;
        dir.write(ResultsFile, c.before);
        EXPECT_EQ(deleteResult(resultsPath(dir.path(), Tb534), c.day, 12, 2026), c.outcome) << c.day;
        EXPECT_EQ(dir.exists(ResultsFile), !c.after.isEmpty()) << c.day;
        EXPECT_EQ(dir.read(ResultsFile), c.after) << c.day;
    }
}

// Results an earlier version stored in thresult.exe after the 5 from 34 era
// ended move once, at start-up, to the 5 from 39 file.
TEST(ThunderResults, MisplacedResultsMoveOnceToTheFiveFromThirtyNineFile)
{
    dstest::TestFolder dir;
    const QByteArray r1 = thRec(5, 7, 1, 5, 2010, {1, 2, 3, 4, 5}, 6);
    const QByteArray typed = thRec(0, 0, 12, 12, 2026, {1, 2, 3, 4, 34}, 6); // not in the later file
    const QByteArray held = thRec(0, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8); // in it already
    const QByteArray other = thRec(0, 0, 9, 12, 2026, {2, 3, 4, 5, 6}, 7);  // its date holds other numbers there
    const QByteArray r5 = thRec(0, 0, 8, 5, 2010, {9, 10, 11, 12, 13}, 14);
    const QByteArray stale = thRec(0, 0, 15, 5, 2010, {9, 10, 11, 12, 13}, 14); // beyond the count
    const QByteArray later = thRec(2, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8) + thRec(0, 0, 9, 12, 2026, {1, 9, 19, 29, 39}, 5);
    dir.write(ResultsFile, r1 + typed + held + other + r5 + stale);
    dir.write("thresult39.exe", later);

    const EraMoveResult r = moveMisplacedDraws(dir.path(), erasOf(Game::Thunderball), &moveThunderResults);
    EXPECT_EQ(r.message(),
              "2 results stored in thresult.exe are of the 5 from 39 era and were moved to thresult39.exe.");
    EXPECT_EQ(dir.read(ResultsFile), thRec(3, 7, 1, 5, 2010, {1, 2, 3, 4, 5}, 6) + other + r5);
    EXPECT_EQ(dir.read("thresult39.exe"), thRec(3, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8) + later.mid(22) + typed);
    // Once: nothing is left to move.
    EXPECT_TRUE(moveMisplacedDraws(dir.path(), erasOf(Game::Thunderball), &moveThunderResults).moves.empty());

    // Record 1 itself moves: the next record stays whole but for the count,
    // and the later file is made.
    dstest::TestFolder first;
    first.write(ResultsFile, thRec(2, 3, 12, 5, 2010, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 8, 5, 2010, {9, 10, 11, 12, 13}, 14));
    EXPECT_EQ(moveMisplacedDraws(first.path(), erasOf(Game::Thunderball), &moveThunderResults).message(),
              "1 result stored in thresult.exe is of the 5 from 39 era and was moved to thresult39.exe.");
    EXPECT_EQ(first.read(ResultsFile), thRec(1, 0, 8, 5, 2010, {9, 10, 11, 12, 13}, 14));
    EXPECT_EQ(first.read("thresult39.exe"), thRec(1, 0, 12, 5, 2010, {1, 2, 3, 4, 5}, 6));
}

TEST(ThunderEntries, FirstEntryHasWeeksZeroTheLoadMakesItOneLaterEntriesCopyRecordOne)
{
    dstest::TestFolder dir;
    const QString path = entriesPath(dir.path(), Sat5);
    const AppendResult added = appendEntries(path, Sat5, {ThunderNumbers{{3, 8, 14, 20, 31}, 8}});
    EXPECT_EQ(added.outcome, AppendResult::Added);
    EXPECT_EQ(added.count, 1);
    EXPECT_EQ(dir.read("TH05122026.lot"), thRec(1, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8));

    const FileRead<LoadedEntries> read = loadEntries(path);
    const LoadedEntries &loaded = read.value;
    EXPECT_TRUE(read.usable() && !loaded.writeFailed);
    EXPECT_EQ(loaded.weeks, 1);
    EXPECT_EQ(loaded.count, 1);
    EXPECT_EQ(loaded.lines, QStringList{"03 08 14 20 31 Thunderball 08"});
    EXPECT_EQ(dir.read("TH05122026.lot"), thRec(1, 1, 5, 12, 2026, {3, 8, 14, 20, 31}, 8));

    // Each new record carries record 1's count and weeks as they were when it
    // was written; duplicates are allowed.
    const std::vector<ThunderNumbers> two = {{{7, 8, 9, 10, 11}, 12}, {{3, 8, 14, 20, 31}, 8}};
    EXPECT_EQ(appendEntries(path, Sat5, two).count, 3);
    EXPECT_EQ(dir.read("TH05122026.lot"), thRec(3, 1, 5, 12, 2026, {3, 8, 14, 20, 31}, 8)
                                              + thRec(2, 1, 5, 12, 2026, {7, 8, 9, 10, 11}, 12)
                                              + thRec(3, 1, 5, 12, 2026, {3, 8, 14, 20, 31}, 8));
}

TEST(ThunderEntries, DeletingTheFirstOrLastOfThree)
{
    // Record 2 carries the weeks of record 1 as they were when it was added.
    const QByteArray e1 = thRec(3, 8, 5, 12, 2026, {1, 2, 3, 4, 5}, 1);
    const QByteArray e2 = thRec(2, 0, 5, 12, 2026, {6, 7, 8, 9, 10}, 2);
    const QByteArray e3 = thRec(3, 1, 5, 12, 2026, {11, 12, 13, 14, 15}, 3);
    const QByteArray zero(22, '\0');
    const struct {
        int k;
        QByteArray after;
    } cases[] = {
        // Records k + 2 onwards move up, empty records written beyond the new
        // count; the file keeps record 1's weeks, not record 2's stale copy.
        {0, thRec(2, 8, 5, 12, 2026, {6, 7, 8, 9, 10}, 2) + e3 + zero + zero},
        {2, thRec(2, 8, 5, 12, 2026, {1, 2, 3, 4, 5}, 1) + e2 + zero + zero},
    };
    for (const auto &c : cases) {
        dstest::TestFolder dir;
        dir.write("TH05122026.lot", e1 + e2 + e3);
        EXPECT_EQ(deleteEntry(entriesPath(dir.path(), Sat5), c.k), EntryDeletion::Deleted) << c.k;
        EXPECT_EQ(dir.read("TH05122026.lot"), c.after) << c.k;
    }
    dstest::TestFolder dir;
    dir.write("TH05122026.lot", e1 + e2 + e3);
    EXPECT_EQ(deleteEntry(entriesPath(dir.path(), Sat5), 3), EntryDeletion::NotFound);
    EXPECT_EQ(deleteEntry(entriesPath(dir.path(), Sat5), -1), EntryDeletion::NotFound);
}

TEST(ThunderEntries, WithoutEntriesTheLoadLeavesNoFile)
{
    const struct {
        const char *what;
        QByteArray bytes;
        bool present;
    } cases[] = {
        {"missing", {}, false},
        {"count 0 after deleting the last", thRec(0, 2, 5, 12, 2026, {1, 2, 3, 4, 5}, 1), true},
        {"shorter than a record", QByteArray("\x01\x00\x01", 3), true},
        {"negative count and no whole record", QByteArray("\xfd\xff\x02\x00\x05", 5), true},
    };
    for (const auto &c : cases) {
        dstest::TestFolder dir;
        if (c.present)
            dir.write("TH05122026.lot", c.bytes);
        const FileRead<LoadedEntries> read = loadEntries(entriesPath(dir.path(), Sat5));
        const LoadedEntries &loaded = read.value;
        EXPECT_TRUE(read.usable() && !loaded.writeFailed) << c.what;
        EXPECT_EQ(loaded.count, 0) << c.what;
        EXPECT_TRUE(loaded.lines.isEmpty()) << c.what;
        EXPECT_FALSE(dir.exists("TH05122026.lot")) << c.what;
    }
}

TEST(ThunderEntries, ACountBeyondTheRecordsReadsThosepresent)
{
    dstest::TestFolder dir;
    dir.write("TH05122026.lot", thRec(500, 2, 5, 12, 2026, {1, 2, 3, 4, 5}, 1)
                                    + thRec(500, 2, 5, 12, 2026, {6, 7, 8, 9, 10}, 2) + QByteArray(7, '\x05'));
    const LoadedEntries loaded = loadEntries(entriesPath(dir.path(), Sat5)).value;
    EXPECT_EQ(loaded.count, 2);
    // An entry added now goes right after the two.
    appendEntries(entriesPath(dir.path(), Sat5), Sat5, {ThunderNumbers{{11, 12, 13, 14, 15}, 3}});
    EXPECT_EQ(dir.read("TH05122026.lot").mid(44, 22), thRec(3, 2, 5, 12, 2026, {11, 12, 13, 14, 15}, 3));
}

TEST(ThunderFiles, AFullFileOrAFailedWriteChangesNothing)
{
    dstest::TestFolder dir;
    const QString path = entriesPath(dir.path(), Sat5);
    const QByteArray nearlyFull = thRec(32766, 1, 5, 12, 2026, {1, 2, 3, 4, 5}, 1) + QByteArray(32765 * 22, '\x01');
    dir.write("TH05122026.lot", nearlyFull);
    const AppendResult two = appendEntries(path, Sat5, std::vector(2, ThunderNumbers{{1, 2, 3, 4, 5}, 1}));
    EXPECT_EQ(two.outcome, AppendResult::Full);
    EXPECT_EQ(two.room, 1);
    EXPECT_EQ(dir.read("TH05122026.lot"), nearlyFull);
    EXPECT_EQ(appendEntries(path, Sat5, {ThunderNumbers{{1, 2, 3, 4, 5}, 1}}).count, 32767);

    // Failed writes leave both files as they were.
    const QString results = resultsPath(dir.path(), Tb534);
    const QByteArray oldResults = thRec(2, 0, 5, 12, 2026, {1, 2, 3, 4, 5}, 1) + thRec(0, 0, 12, 12, 2026, {6, 7, 8, 9, 10}, 2);
    const QByteArray oldEntries = thRec(2, 1, 5, 12, 2026, {1, 2, 3, 4, 5}, 1) + thRec(2, 1, 5, 12, 2026, {6, 7, 8, 9, 10}, 1);
    dir.write(ResultsFile, oldResults);
    dir.write("TH05122026.lot", oldEntries);
    {
        dstest::FileSizeLimit limit(30);
        EXPECT_EQ(appendThunderResult(results, thResult(19, 12, 2026, {1, 2, 3, 4, 5}, 6)), ThunderAppendResult::WriteFailed);
        EXPECT_EQ(deleteResult(results, 12, 12, 2026), DeleteOutcome::Failed);
        EXPECT_EQ(appendEntries(path, Sat5, {ThunderNumbers{{11, 12, 13, 14, 15}, 3}}).outcome, AppendResult::Failed);
        EXPECT_EQ(deleteEntry(path, 0), EntryDeletion::Failed);
    }
    EXPECT_EQ(dir.read(ResultsFile), oldResults);
    EXPECT_EQ(dir.read("TH05122026.lot"), oldEntries);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), (QStringList{"TH05122026.lot", ResultsFile}));
}

// The refresh of a 5 from 39 date: its result from the era's own file, the
// calendar marking the results of every era, a six-figure total without comma.
TEST(ThunderView, RefreshShowsTheResultEntriesAndCheckOfTheDate)
{
    dstest::TestFolder dir;
    // An older result in the older file; one of the 5th there is not the 5 from 39 result.
    dir.write(ResultsFile, thRec(2, 0, 8, 5, 2010, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 5, 12, 2026, {1, 2, 3, 4, 5}, 6));
    dir.write("thresult39.exe", thRec(2, 0, 12, 12, 2026, {3, 8, 14, 20, 30}, 1)
                                    + thRec(0, 0, 5, 12, 2026, {3, 8, 14, 20, 31}, 8));
    dir.write("TH05122026.lot", thRec(3, 2, 5, 12, 2026, {3, 8, 14, 20, 31}, 8)
                                    + thRec(3, 2, 5, 12, 2026, {3, 8, 14, 20, 35}, 8)
                                    + thRec(3, 2, 5, 12, 2026, {1, 2, 4, 5, 6}, 8));
    const ThunderView v = refreshView(dir.path(), Sat5);
    EXPECT_TRUE(v.resultsOk);
    EXPECT_TRUE(v.entriesOk);
    EXPECT_EQ(v.resultDates, (QList<QDate>{QDate(2010, 5, 8), QDate(2026, 12, 5), QDate(2026, 12, 12), Sat5}));
    EXPECT_EQ(v.latestLabel, QStringLiteral("Latest stored result: 12/12/2026"));
    EXPECT_EQ(v.resultLabels, (std::array<QString, 6>{" 3", " 8", "14", "20", "31", " 8"}));
    // 5 + TB, 4 + TB and the Thunderball alone by the 5 from 39 table; a week
    // later 4 twice without it.
    EXPECT_EQ(v.winTotal, QStringLiteral("Win Total     £500453"));
    const dstest::TestFolder empty;
    EXPECT_EQ(refreshView(empty.path(), Sat5).latestLabel, QStringLiteral("No results are stored yet"));
}
