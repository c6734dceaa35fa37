#include "thunderball/resultsimport.h"
#include "support/testfolder.h"
#include "thunderball/resultsfile.h"

#include <QDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace ds;

namespace {

// A Thunderball record built independently of the code under test.
QByteArray rec(int count, int day, int month, int year, std::initializer_list<int> main5, int ball, int spare = 0)
{
    QByteArray b;
    auto put = [&b](int v) {
        char le[2];
        qToLittleEndian<qint16>(static_cast<qint16>(v), le);
        b.append(le, 2);
    };
    put(count);
    put(spare);
    put(day);
    put(month);
    put(year);
    for (int v : main5)
        put(v);
    put(ball);
    return b;
}

ThunderResult result(int day, int month, int year, std::array<qint16, 5> main, int ball)
{
    ThunderResult r;
    r.day = static_cast<qint16>(day);
    r.month = static_cast<qint16>(month);
    r.year = static_cast<qint16>(year);
    r.main = main;
    r.thunderball = static_cast<qint16>(ball);
    return r;
}

const QByteArray ThunderHeader = "date,n1,n2,n3,n4,n5,thunderball\n";

} // namespace

TEST(ThunderResultsFile, RecordLayout)
{
    const ThunderResult r = result(5, 6, 1999, {3, 8, 14, 20, 31}, 8);
    EXPECT_EQ(encodeThunderRecord(r, 7, 2), rec(7, 5, 6, 1999, {3, 8, 14, 20, 31}, 8, 2));
    const ThunderResult back = decodeThunderRecord(rec(7, 5, 6, 1999, {3, 8, 14, 20, 31}, 8, 2));
    EXPECT_TRUE(back.sameDate(5, 6, 1999));
    EXPECT_EQ(back.main, r.main);
    EXPECT_EQ(back.thunderball, 8);
}

TEST(ThunderResultsFile, ReaderIsBoundedByTheFile)
{
    ThunderResultsFile f;
    EXPECT_EQ(f.count(), 0); // empty
    f.setBytes(rec(3, 5, 6, 1999, {1, 2, 3, 4, 5}, 6) + rec(0, 12, 6, 1999, {1, 2, 3, 4, 5}, 6));
    EXPECT_TRUE(f.holdsResults());
    EXPECT_EQ(f.count(), 2); // count 3, two records present
    EXPECT_EQ(f.find(12, 6, 1999), 2);
    EXPECT_EQ(f.find(19, 6, 1999), 0);

    f.setBytes(rec(-4, 5, 6, 1999, {1, 2, 3, 4, 5}, 6));
    EXPECT_EQ(f.count(), 1); // record 1 holds a result: a count below 1 cannot be right
    f.setBytes(rec(1, 5, 6, 1999, {35, 2, 3, 4, 5}, 6)); // first main number outside 1 to 34
    EXPECT_FALSE(f.holdsResults());
    EXPECT_EQ(f.count(), 0);
    EXPECT_TRUE(f.results().empty());
    f.setBytes(rec(1, 5, 6, 1999, {0, 2, 3, 4, 5}, 6));
    EXPECT_EQ(f.count(), 0);
    f.setBytes(rec(1, 5, 6, 1999, {1, 2, 3, 4, 5}, 6).left(21)); // cut short
    EXPECT_EQ(f.count(), 0);
    EXPECT_EQ(f.result(0).day, 0);
    EXPECT_EQ(f.result(-1).day, 0);

    // Stale records beyond the count are not read.
    f.setBytes(rec(1, 5, 6, 1999, {1, 2, 3, 4, 5}, 6) + rec(0, 12, 6, 1999, {1, 2, 3, 4, 5}, 6));
    EXPECT_EQ(f.count(), 1);
    EXPECT_EQ(f.find(12, 6, 1999), 0);

    dstest::TestFolder dir;
    EXPECT_TRUE(readThunderResults(dir.file(ThunderResultsFileName)).empty());
}

TEST(ThunderResultsFile, FirstResultIntoMissingFileIsOneRecord)
{
    dstest::TestFolder dir;
    const QString path = dir.file(ThunderResultsFileName);
    ASSERT_EQ(appendThunderResult(path, result(5, 6, 1999, {3, 8, 14, 20, 31}, 8)), ThunderAppendResult::Appended);
    EXPECT_EQ(dir.read(ThunderResultsFileName), rec(1, 5, 6, 1999, {3, 8, 14, 20, 31}, 8));
}

TEST(ThunderResultsFile, AppendKeepsTheOrderEntered)
{
    ThunderResultsFile f;
    f.append(result(3, 7, 1999, {1, 2, 3, 4, 5}, 1));
    f.append(result(1, 7, 1999, {6, 7, 8, 9, 10}, 2));
    f.append(result(2, 7, 1999, {11, 12, 13, 14, 15}, 3));
    EXPECT_EQ(f.bytes(), rec(3, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + rec(0, 1, 7, 1999, {6, 7, 8, 9, 10}, 2)
                             + rec(0, 2, 7, 1999, {11, 12, 13, 14, 15}, 3));
    EXPECT_EQ(f.find(1, 7, 1999), 2);
    EXPECT_EQ(f.find(2, 7, 1999), 3);
    EXPECT_EQ(f.find(3, 7, 1999), 1);
}

TEST(ThunderResultsFile, AppendGoesAfterTheWholeResultsPresentWhateverTheCount)
{
    const QByteArray stale = rec(0, 9, 9, 1999, {1, 2, 3, 4, 5}, 1);
    const QByteArray added = rec(0, 1, 7, 1999, {6, 7, 8, 9, 10}, 2);
    // Before, after appending the result of 1 July.
    const std::pair<QByteArray, QByteArray> cases[] = {
        // over stale records, record 1 keeping its other bytes
        {rec(1, 3, 7, 1999, {1, 2, 3, 4, 5}, 1, 99) + stale + stale,
         rec(2, 3, 7, 1999, {1, 2, 3, 4, 5}, 1, 99) + added + stale},
        // record 1 holds no result: the file starts afresh
        {rec(5, 3, 7, 1999, {0, 2, 3, 4, 5}, 1) + stale, rec(1, 1, 7, 1999, {6, 7, 8, 9, 10}, 2) + stale},
        // a count beyond the records present, or below 1 beside a result
        {rec(40, 3, 7, 1999, {1, 2, 3, 4, 5}, 1), rec(2, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + added},
        {rec(-7, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + stale, rec(3, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + stale + added},
        {rec(0, 3, 7, 1999, {1, 2, 3, 4, 5}, 1), rec(2, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + added},
    };
    for (const auto &[before, after] : cases) {
        ThunderResultsFile f;
        f.setBytes(before);
        ASSERT_TRUE(f.append(result(1, 7, 1999, {6, 7, 8, 9, 10}, 2)));
        EXPECT_EQ(f.bytes(), after);
    }
}

TEST(ThunderResultsFile, FullFileRefusesAndWriteFailureKeepsTheOldFile)
{
    ThunderResultsFile f;
    QByteArray full = rec(32767, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + QByteArray(32766 * 22, '\0');
    f.setBytes(full);
    EXPECT_EQ(f.count(), 32767);
    EXPECT_FALSE(f.append(result(1, 7, 1999, {6, 7, 8, 9, 10}, 2)));
    EXPECT_EQ(f.bytes(), full);

    dstest::TestFolder dir;
    const QByteArray old = rec(2, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + rec(0, 1, 7, 1999, {6, 7, 8, 9, 10}, 2);
    dir.write(ThunderResultsFileName, old);
    ThunderAppendResult r;
    {
        dstest::FileSizeLimit limit(50);
        r = appendThunderResult(dir.file(ThunderResultsFileName), result(8, 7, 1999, {1, 2, 3, 4, 6}, 3));
    }
    EXPECT_EQ(r, ThunderAppendResult::WriteFailed);
    EXPECT_EQ(dir.read(ThunderResultsFileName), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{ThunderResultsFileName});
}

TEST(ThunderballImport, NewResultsGoAfterThoseHeldInDateOrder)
{
    // The file holds the 10th then the 3rd (the order entered).
    QByteArray bytes = rec(2, 10, 7, 1999, {1, 2, 3, 4, 5}, 1) + rec(0, 3, 7, 1999, {6, 7, 8, 9, 10}, 2);
    // Newest first, one date already held, a Thunderball equal to a main number.
    const ImportReport r = mergeThunderballResults(ThunderHeader + "1999-07-24,31,5,20,8,14,8\n"
                                                        "1999-07-10,1,2,3,4,6,9\n"
                                                        "1999-07-17,11,12,13,14,15,3\n"
                                                        "1999-06-26,21,22,23,24,25,4\n",
                                        bytes);
    EXPECT_EQ(r.added, 3);
    EXPECT_EQ(r.present, 1);
    EXPECT_EQ(r.skipped, 0);
    EXPECT_EQ(bytes, rec(5, 10, 7, 1999, {1, 2, 3, 4, 5}, 1) + rec(0, 3, 7, 1999, {6, 7, 8, 9, 10}, 2)
                         + rec(0, 26, 6, 1999, {21, 22, 23, 24, 25}, 4)
                         + rec(0, 17, 7, 1999, {11, 12, 13, 14, 15}, 3)
                         + rec(0, 24, 7, 1999, {5, 8, 14, 20, 31}, 8));
    EXPECT_EQ(r.text(), QStringLiteral("3 results added, 1 already in the results file, 0 skipped."));
}

TEST(ThunderballImport, ANegativeCountTakesTheResultsPresentAndOverwritesNone)
{
    const QByteArray three = rec(-1, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + rec(0, 10, 7, 1999, {6, 7, 8, 9, 10}, 2)
        + rec(0, 17, 7, 1999, {11, 12, 13, 14, 15}, 3);
    QByteArray bytes = three;
    const ImportReport r = mergeThunderballResults(ThunderHeader + "1999-07-10,6,7,8,9,10,2\n"
                                                                   "1999-07-24,21,22,23,24,25,4\n",
                                                   bytes);
    EXPECT_EQ(r.text(), QStringLiteral("1 result added, 1 already in the results file, 0 skipped."));
    EXPECT_EQ(bytes, rec(4, 3, 7, 1999, {1, 2, 3, 4, 5}, 1) + three.mid(22) + rec(0, 24, 7, 1999, {21, 22, 23, 24, 25}, 4));
}

TEST(ThunderballImport, PublishedFormAndSkips)
{
    QByteArray bytes;
    const ImportReport r = mergeThunderballResults(
        "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunder Ball,Ball Set,Machine,DrawNumber\r\n"
        "08-May-2010,34,1,2,3,4,14,1,Excalibur,999\r\n"
        "15-May-2010,1,2,3,4,5,6,1,Excalibur,1000\r\n"
        "01-May-2010,35,1,2,3,4,14,1,Excalibur,998\r\n"
        "24-Apr-2010,1,1,2,3,4,14,1,Excalibur,997\r\n"
        "17-Apr-2010,1,2,3,4,5,15,1,Excalibur,996\r\n"
        "10-Apr-2010,1,2,3,4,5,0,1,Excalibur,995\r\n"
        "05-Jun-1999,1,2,3,4,5,6,1,Excalibur,1\r\n",
        bytes);
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(r.skipped, 6);
    EXPECT_EQ(r.firstSkips,
              (QStringList{QStringLiteral("Line 3: 15/5/2010 is a draw of the 5-from-39 Thunderball, which this version does not keep"),
                           QStringLiteral("Line 4: ball 35 is outside 1 to 34"),
                           QStringLiteral("Line 5: number 1 appears twice"),
                           QStringLiteral("Line 6: Thunderball 15 is outside 1 to 14"),
                           QStringLiteral("Line 7: Thunderball 0 is outside 1 to 14")}));
    EXPECT_EQ(bytes, rec(1, 8, 5, 2010, {1, 2, 3, 4, 34}, 14));
    EXPECT_TRUE(r.text().endsWith(QStringLiteral("\n1 more line skipped.")));
}

TEST(ThunderballImport, WriteFailureKeepsTheOldFile)
{
    dstest::TestFolder dir;
    const QByteArray old = rec(1, 10, 7, 1999, {1, 2, 3, 4, 5}, 1);
    dir.write(ThunderResultsFileName, old);
    ImportReport r;
    {
        dstest::FileSizeLimit limit(30);
        r = importThunderballResults(ThunderHeader + "1999-07-17,11,12,13,14,15,3\n",
                          dir.file(ThunderResultsFileName));
    }
    EXPECT_TRUE(r.writeFailed);
    EXPECT_EQ(r.text(), QStringLiteral("The Thunderball results file could not be written, so no results were "
                                       "added. The file is as it was before."));
    EXPECT_EQ(dir.read(ThunderResultsFileName), old);
}
