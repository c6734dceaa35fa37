#include "thunderball/resultsimport.h"
#include "support/testfolder.h"
#include "thunderball/resultsfile.h"
#include "thunderrecords.h"

#include <gtest/gtest.h>

using namespace ds;

namespace {

using dstest::thRec;
using dstest::thResult;

const QByteArray ThunderHeader = "date,n1,n2,n3,n4,n5,thunderball\n";

} // namespace

TEST(ThunderResultsFile, ReaderIsBoundedByTheFile)
{
    ThunderResultsFile f;
    EXPECT_EQ(f.count(), 0); // empty
    f.setBytes(thRec(3, 0, 5, 6, 1999, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 12, 6, 1999, {1, 2, 3, 4, 5}, 6));
    EXPECT_EQ(f.count(), 2); // count 3, two records present
    EXPECT_EQ(f.find(12, 6, 1999), 2);
    EXPECT_EQ(f.find(19, 6, 1999), 0);

    // A count below 1 cannot be right: the whole records present.
    for (int stored : {-4, 0}) {
        f.setBytes(thRec(stored, 0, 5, 6, 1999, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 12, 6, 1999, {1, 2, 3, 4, 5}, 6));
        EXPECT_EQ(f.count(), 2) << stored;
    }
    // A damaged first result is a result like the others and hides none after it.
    f.setBytes(thRec(2, 0, 5, 6, 1999, {35, 2, 3, 4, 5}, 6) + thRec(0, 0, 12, 6, 1999, {1, 2, 3, 4, 5}, 6));
    EXPECT_EQ(f.count(), 2);
    EXPECT_EQ(f.find(12, 6, 1999), 2);
    EXPECT_EQ(f.result(0).main[0], 35);
    f.setBytes(thRec(1, 0, 5, 6, 1999, {1, 2, 3, 4, 5}, 6).left(21)); // cut short
    EXPECT_EQ(f.count(), 0);
    EXPECT_EQ(f.result(0).day, 0);
    EXPECT_EQ(f.result(-1).day, 0);

    // Stale records beyond the count are not read.
    f.setBytes(thRec(1, 0, 5, 6, 1999, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 12, 6, 1999, {1, 2, 3, 4, 5}, 6));
    EXPECT_EQ(f.count(), 1);
    EXPECT_EQ(f.find(12, 6, 1999), 0);

    dstest::TestFolder dir;
    const FileRead<std::vector<ThunderResult>> missing = readThunderResults(dir.file("thresult.exe"));
    EXPECT_TRUE(missing.missing() && missing.value.empty());
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
