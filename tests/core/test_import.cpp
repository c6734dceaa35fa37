#include "core/drawhistory.h"
#include "core/resultsimport.h"
#include "support/testfolder.h"

#include <QDir>
#include <QDateTime>
#include <QFileInfo>
#include <random>
#include <gtest/gtest.h>

using namespace ds;
using dstest::countRecord;
using dstest::drawRecord;

namespace {

const QByteArray UkHeader = "date,n1,n2,n3,n4,n5,n6,bonus\n";
const QByteArray IrishHeader = "date,draw,n1,n2,n3,n4,n5,n6,bonus\n";
const QByteArray PublishedHeader =
    "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,Raffles,DrawNumber\n";

// Merges into the given history bytes and returns the report.
ImportReport merge(const QByteArray &csv, ImportGame game, QByteArray &bytes)
{
    return mergeResults(csv, game, bytes);
}

} // namespace

TEST(ResultsImport, PlainFormIntoEmptyHistory)
{
    QByteArray bytes;
    const ImportReport r = merge(UkHeader + "1999-06-05,3,7,12,21,30,45,9\n"
                                            "1999-06-12,1,2,3,4,5,6,7\n",
                                 ImportGame::UK, bytes);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.present, 0);
    EXPECT_EQ(r.skipped, 0);
    EXPECT_EQ(bytes, countRecord(2) + drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)
                         + drawRecord("12061999", {1, 2, 3, 4, 5, 6}, 7));
    EXPECT_EQ(r.text(), QStringLiteral("2 draws added, 0 already in the history, 0 skipped."));
}

TEST(ResultsImport, PublishedFormNewestFirstWithUnsortedBalls)
{
    QByteArray bytes;
    const ImportReport r = merge(PublishedHeader + "19-Jun-1999,42,41,40,30,20,10,11,Ball Set 3,Lancelot,,370\n"
                                                   "12-Jun-1999,6,5,4,3,2,1,7,Ball Set 2,Arthur,,368\n"
                                                   "05-Jun-1999,45,3,30,7,21,12,9,Ball Set 1,Guinevere,,366\n",
                                 ImportGame::UK, bytes);
    EXPECT_EQ(r.added, 3);
    EXPECT_EQ(bytes, countRecord(3) + drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)
                         + drawRecord("12061999", {1, 2, 3, 4, 5, 6}, 7)
                         + drawRecord("19061999", {10, 20, 30, 40, 41, 42}, 11));
}

TEST(ResultsImport, ColumnsFoundByNameWhateverCaseSpacingAndOrder)
{
    QByteArray bytes;
    const ImportReport r = merge(" BONUS BALL ,ball 6,Ball_5,BALL4,ball 3,Ball 2, ball 1 ,Machine, Draw Date\n"
                                 "9,45,30,21,12,7,3,Arthur,5 June 1999\n",
                                 ImportGame::UK, bytes);
    ASSERT_FALSE(r.refused) << r.refusal.toStdString();
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(bytes, countRecord(1) + drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9));
}

TEST(ResultsImport, DrawNumberColumnIsNotTheIrishDrawColumn)
{
    // The published UK file has a DrawNumber column; it does not make the file Irish.
    QByteArray bytes;
    const ImportReport r = merge(PublishedHeader + "05-Jun-1999,3,7,12,21,30,45,9,1,Arthur,,366\n",
                                 ImportGame::UK, bytes);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.added, 1);
}

TEST(ResultsImport, IrishSecondDrawGoesRightAfterItsFirstWhateverTheFileOrder)
{
    QByteArray bytes;
    // Newest first, and the second draw of 28 October listed before its first.
    const ImportReport r = merge(IrishHeader + "2000-11-01,1,1,2,3,4,5,6,7\n"
                                               "2000-10-28,2,12,11,10,9,8,42,41\n"
                                               "2000-10-28,1,30,31,32,33,34,35,36\n"
                                               "2000-10-25,1,21,22,23,24,25,26,27\n",
                                 ImportGame::Irish, bytes);
    EXPECT_EQ(r.added, 4);
    EXPECT_EQ(r.skipped, 0);
    EXPECT_EQ(bytes, countRecord(4) + drawRecord("25102000", {21, 22, 23, 24, 25, 26}, 27)
                         + drawRecord("28102000", {30, 31, 32, 33, 34, 35}, 36)
                         + drawRecord("28102000", {8, 9, 10, 11, 12, 42}, 41)
                         + drawRecord("01112000", {1, 2, 3, 4, 5, 6}, 7));
}

TEST(ResultsImport, IrishSecondDrawAgainstTheHistory)
{
    const QByteArray first = drawRecord("28102000", {30, 31, 32, 33, 34, 35}, 36);
    const QByteArray later = drawRecord("01112000", {1, 2, 3, 4, 5, 6}, 7);
    QByteArray bytes = countRecord(2) + first + later;
    const QByteArray csv = IrishHeader + "2000-10-28,1,30,31,32,33,34,35,36\n" // present
                                         "2000-10-28,2,8,9,10,11,12,42,41\n"   // added after the first
                                         "2000-11-04,2,8,9,10,11,12,42,41\n"   // no first draw
                                         "2000-11-01,3,8,9,10,11,12,42,41\n"   // a third draw
                                         "2000-10-28,2,1,9,10,11,12,42,41\n";  // listed twice
    const ImportReport r = merge(csv, ImportGame::Irish, bytes);
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(r.present, 1);
    EXPECT_EQ(r.skipped, 3);
    const QByteArray second = drawRecord("28102000", {8, 9, 10, 11, 12, 42}, 41);
    EXPECT_EQ(bytes, countRecord(3) + first + second + later);
    EXPECT_EQ(r.firstSkips,
              (QStringList{QStringLiteral("Line 4: the second draw of 4/11/2000 has no first draw"),
                           QStringLiteral("Line 5: draw \"3\" is not 1 or 2"),
                           QStringLiteral("Line 6: the second draw of 28/10/2000 is already listed on line 3")}));

    // With both draws held, both are present.
    const ImportReport again = merge(csv, ImportGame::Irish, bytes);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.present, 2);
    EXPECT_EQ(bytes, countRecord(3) + first + second + later);
}

TEST(ResultsImport, IrishSecondDrawWhoseFirstIsSkippedIsSkipped)
{
    QByteArray bytes;
    const ImportReport r = merge(IrishHeader + "2000-10-28,1,30,31,32,33,34,35,99\n"
                                               "2000-10-28,2,8,9,10,11,12,42,41\n",
                                 ImportGame::Irish, bytes);
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(r.skipped, 2);
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_EQ(r.firstSkips.value(1), QStringLiteral("Line 3: the second draw of 28/10/2000 has no first draw"));
}

TEST(ResultsImport, AFileOfAnotherGameIsRefusedWhole)
{
    const QByteArray history = countRecord(1) + drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
    QByteArray bytes = history;
    ImportReport r = merge(UkHeader + "1999-06-12,1,2,3,4,5,6,7\n", ImportGame::Irish, bytes);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.text(), QStringLiteral("This file holds UK Lotto results, not Irish Lotto results."));
    EXPECT_EQ(bytes, history);

    r = merge(IrishHeader + "1999-06-12,1,1,2,3,4,5,6,7\n", ImportGame::UK, bytes);
    EXPECT_EQ(r.refusal, QStringLiteral("This file holds Irish Lotto results, not UK Lotto results."));
    r = merge("date,n1,n2,n3,n4,n5,thunderball\n2001-01-06,1,2,3,4,5,6\n", ImportGame::UK, bytes);
    EXPECT_EQ(r.refusal, QStringLiteral("This file holds Thunderball results, not UK Lotto results."));
    r = merge(UkHeader, ImportGame::Thunderball, bytes);
    EXPECT_EQ(r.refusal, QStringLiteral("This file holds UK Lotto results, not Thunderball results."));
    EXPECT_EQ(bytes, history);

    // Through the file on disk: the history is not touched.
    dstest::TestFolder dir;
    dir.write(QStringLiteral("IR.exe"), history);
    r = importResults(UkHeader + "1999-06-12,1,2,3,4,5,6,7\n", ImportGame::Irish, dir.file(QStringLiteral("IR.exe")));
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(dir.read(QStringLiteral("IR.exe")), history);
}

TEST(ResultsImport, DrawsAlreadyInTheHistoryAreLeftAlone)
{
    const QByteArray a = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
    const QByteArray c = drawRecord("19061999", {10, 20, 30, 40, 41, 42}, 11);
    QByteArray bytes = countRecord(2, QByteArray("ABCDEFGH")) + a + c;
    // The file's numbers for 5 June differ: the history's draw stays.
    const ImportReport r = merge(UkHeader + "1999-06-05,1,2,3,4,5,6,7\n"
                                            "1999-06-12,1,2,3,4,5,6,7\n"
                                            "1999-06-19,10,20,30,40,41,42,11\n",
                                 ImportGame::UK, bytes);
    EXPECT_EQ(r.added, 1);
    EXPECT_EQ(r.present, 2);
    EXPECT_EQ(r.skipped, 0);
    // Stored in date order as result entry stores it: between the two, with the
    // count record's other bytes kept.
    EXPECT_EQ(bytes, countRecord(3, QByteArray("ABCDEFGH")) + a + drawRecord("12061999", {1, 2, 3, 4, 5, 6}, 7) + c);
    EXPECT_EQ(r.text(), QStringLiteral("1 draw added, 2 already in the history, 0 skipped."));
}

TEST(ResultsImport, EverySkipReasonWithItsLine)
{
    QByteArray bytes;
    const QByteArray csv = UkHeader + "1999-06-05,3,7,12,21,30,52,9\n"    // 2 ball outside
                                      "1999-06-12,1,2,3,4,5,6,50\n"       // 3 bonus outside
                                      "1999-06-19,0,2,3,4,5,6,7\n"        // 4 ball 0
                                      "1999-06-26,1,2,3,4,5,5,7\n"        // 5 repeated main
                                      "1999-07-03,1,2,3,4,5,6,6\n"        // 6 bonus is a main
                                      "1999-02-30,1,2,3,4,5,6,7\n"        // 7 not a date
                                      "2015-10-10,1,2,3,4,5,6,7\n"        // 8 after the era
                                      "1994-11-12,1,2,3,4,5,6,7\n"        // 9 before the era
                                      "1999-07-10,1,2,x,4,5,6,7\n"        // 10 not a number
                                      "1999-07-17,1,2,3,4,5\n"            // 11 too short
                                      ",1,2,3,4,5,6,7\n"                  // 12 no date
                                      "1999-07-24,1,2,3,4,5,6,-7\n"       // 13 negative
                                      "1999-07-31,1,2,3,4,5,6,7\n"        // 14 fine
                                      "1999-07-31,1,2,3,4,5,6,8\n"        // 15 repeated date
                                      "2015-10-07,1,2,3,4,5,6,7\n";       // 16 last day of the era
    const ImportReport r = merge(csv, ImportGame::UK, bytes);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.skipped, 13);
    EXPECT_EQ(r.firstSkips,
              (QStringList{QStringLiteral("Line 2: ball 52 is outside 1 to 49"),
                           QStringLiteral("Line 3: bonus ball 50 is outside 1 to 49"),
                           QStringLiteral("Line 4: ball 0 is outside 1 to 49"),
                           QStringLiteral("Line 5: number 5 appears twice"),
                           QStringLiteral("Line 6: number 6 appears twice")}));
    EXPECT_EQ(r.text(), QStringLiteral("2 draws added, 0 already in the history, 13 skipped.\n"
                                       "Line 2: ball 52 is outside 1 to 49\n"
                                       "Line 3: bonus ball 50 is outside 1 to 49\n"
                                       "Line 4: ball 0 is outside 1 to 49\n"
                                       "Line 5: number 5 appears twice\n"
                                       "Line 6: number 6 appears twice\n"
                                       "8 more lines skipped."));

    // The rest, one by one.
    auto reasonOf = [](const QByteArray &line) {
        QByteArray b;
        const ImportReport one = mergeResults(UkHeader + line, ImportGame::UK, b);
        EXPECT_EQ(one.skipped, 1) << line.constData();
        return one.firstSkips.value(0);
    };
    EXPECT_EQ(reasonOf("1999-02-30,1,2,3,4,5,6,7\n"), QStringLiteral("Line 2: \"1999-02-30\" is not a date"));
    EXPECT_EQ(reasonOf("2015-10-10,1,2,3,4,5,6,7\n"),
              QStringLiteral("Line 2: date 10/10/2015 is outside 19/11/1994 to 7/10/2015"));
    EXPECT_EQ(reasonOf("1994-11-12,1,2,3,4,5,6,7\n"),
              QStringLiteral("Line 2: date 12/11/1994 is outside 19/11/1994 to 7/10/2015"));
    EXPECT_EQ(reasonOf("1999-07-10,1,2,x,4,5,6,7\n"), QStringLiteral("Line 2: \"x\" is not a number"));
    EXPECT_EQ(reasonOf("1999-07-17,1,2,3,4,5\n"), QStringLiteral("Line 2: a number is missing"));
    EXPECT_EQ(reasonOf(",1,2,3,4,5,6,7\n"), QStringLiteral("Line 2: the date is missing"));
    EXPECT_EQ(reasonOf("1999-07-24,1,2,3,4,5,6,-7\n"), QStringLiteral("Line 2: \"-7\" is not a number"));
    EXPECT_EQ(reasonOf("1999-07-24,1,2,3,4,5,6,99999999999999\n"),
              QStringLiteral("Line 2: \"99999999999999\" is not a number"));
    EXPECT_EQ(reasonOf("1999-07-31,1,2,3,4,5,6,7\n1999-07-31,1,2,3,4,5,6,8\n"),
              QStringLiteral("Line 3: 31/7/1999 is already listed on line 2"));
}

TEST(ResultsImport, IrishEra)
{
    QByteArray bytes;
    const ImportReport r = merge(IrishHeader + "1994-09-24,1,1,2,3,4,5,6,7\n"
                                               "2006-11-01,1,1,2,3,4,5,6,7\n"
                                               "2006-11-04,1,1,2,3,4,5,6,7\n"
                                               "1994-09-21,1,1,2,3,4,5,6,7\n"
                                               "1999-06-05,1,1,2,3,4,5,6,43\n",
                                 ImportGame::Irish, bytes);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.firstSkips,
              (QStringList{QStringLiteral("Line 4: date 4/11/2006 is outside 24/9/1994 to 1/11/2006"),
                           QStringLiteral("Line 5: date 21/9/1994 is outside 24/9/1994 to 1/11/2006"),
                           QStringLiteral("Line 6: bonus ball 43 is outside 1 to 42")}));
}

TEST(ResultsImport, EmptyHeaderOnlyAndUnknownFilesAreRefused)
{
    QByteArray bytes;
    EXPECT_EQ(merge("", ImportGame::UK, bytes).refusal, QStringLiteral("The file is empty."));
    EXPECT_EQ(merge("\xEF\xBB\xBF\r\n \r\n,,,\n", ImportGame::UK, bytes).refusal, QStringLiteral("The file is empty."));
    EXPECT_EQ(merge(UkHeader, ImportGame::UK, bytes).refusal,
              QStringLiteral("The file holds no results, only the names of its columns."));
    EXPECT_EQ(merge(UkHeader + "\r\n\r\n", ImportGame::UK, bytes).refusal,
              QStringLiteral("The file holds no results, only the names of its columns."));
    EXPECT_EQ(merge("1999-06-05,3,7,12,21,30,45,9\n", ImportGame::UK, bytes).refusal,
              QStringLiteral("This is not a results file Drawsmith can read. Its first line must name "
                             "the columns: the date, the balls and the bonus ball."));
    EXPECT_EQ(merge(QByteArray("\x00\x01\x02\xff", 4), ImportGame::Thunderball, bytes).refusal,
              QStringLiteral("This is not a results file Drawsmith can read. Its first line must name "
                             "the columns: the date, the balls and the Thunderball."));
    EXPECT_TRUE(merge("date,n1,n2,n3,n4,n5,bonus\n", ImportGame::UK, bytes).refused); // ball 6 missing
    EXPECT_TRUE(bytes.isEmpty());

    dstest::TestFolder dir;
    const ImportReport r = importResults("", ImportGame::UK, dir.file(QStringLiteral("UK.exe")));
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.text(), QStringLiteral("The file is empty."));
    EXPECT_FALSE(dir.exists(QStringLiteral("UK.exe")));
}

TEST(ResultsImport, CrLfBomBlankLinesAndQuotedFields)
{
    QByteArray bytes;
    const ImportReport r =
        merge("\xEF\xBB\xBF\"DrawDate\",\"Ball 1\",\"Ball 2\",\"Ball 3\",\"Ball 4\",\"Ball 5\",\"Ball 6\","
              "\"Bonus Ball\",\"Machine\"\r\n"
              "\r\n"
              "\"12-Jun-1999\",\"6\",\"5\",\"4\",\"3\",\"2\",\"1\",\"7\",\"Arthur, the \"\"old\"\" one\"\r\n"
              "   \r\n"
              "\"05-JUN-1999\",45,3,30,7,21,12,9,Guinevere\r\n"
              "05-Jun-1999,1,2,3,4,5,6,7,x\r"
              "19-Jun-1999 ,52,2,3,4,5,6,7,x\r\n",
              ImportGame::UK, bytes);
    ASSERT_FALSE(r.refused) << r.refusal.toStdString();
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.skipped, 2);
    EXPECT_EQ(r.firstSkips, (QStringList{QStringLiteral("Line 6: 5/6/1999 is already listed on line 5"),
                                          QStringLiteral("Line 7: ball 52 is outside 1 to 49")}));
    EXPECT_EQ(bytes, countRecord(2) + drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)
                         + drawRecord("12061999", {1, 2, 3, 4, 5, 6}, 7));
}

TEST(ResultsImport, OtherDateForms)
{
    QByteArray bytes;
    const ImportReport r = merge(UkHeader + "5/6/1999,3,7,12,21,30,45,9\n"
                                            "12 June 1999,1,2,3,4,5,6,7\n"
                                            "19-sep-1999,1,2,3,4,5,6,7\n"
                                            "1999/06/26,1,2,3,4,5,6,7\n"
                                            "26-Foo-1999,1,2,3,4,5,6,7\n",
                                 ImportGame::UK, bytes);
    EXPECT_EQ(r.added, 3);
    EXPECT_EQ(r.skipped, 2);
    DrawHistory h;
    h.setBytes(bytes);
    EXPECT_EQ(h.findFirst(QStringLiteral("05061999")), 2);
    EXPECT_EQ(h.findFirst(QStringLiteral("12061999")), 3);
    EXPECT_EQ(h.findFirst(QStringLiteral("19091999")), 4);
}

TEST(ResultsImport, WriteFailureLeavesTheOldHistoryByteForByte)
{
    dstest::TestFolder dir;
    const QByteArray old = countRecord(1) + drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
    dir.write(QStringLiteral("UK.exe"), old);
    QByteArray csv = UkHeader;
    for (int d = 1; d <= 28; ++d)
        csv += QStringLiteral("2000-02-%1,1,2,3,4,5,6,7\n").arg(d, 2, 10, QLatin1Char('0')).toLatin1();
    ImportReport r;
    {
        // Writes beyond 100 bytes fail, whoever runs the test.
        dstest::FileSizeLimit limit(100);
        r = importResults(csv, ImportGame::UK, dir.file(QStringLiteral("UK.exe")));
    }
    EXPECT_FALSE(r.refused);
    EXPECT_TRUE(r.writeFailed);
    EXPECT_FALSE(r.succeeded());
    EXPECT_EQ(r.text(), QStringLiteral("The draw history file could not be written, so no draws were added. "
                                       "The file is as it was before."));
    EXPECT_EQ(dir.read(QStringLiteral("UK.exe")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("UK.exe")});
}

TEST(ResultsImport, ImportThroughFilesOnDisk)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("results.csv"), UkHeader + "1999-06-05,3,7,12,21,30,45,9\n");
    const QString history = dir.file(QStringLiteral("UK.exe"));
    ImportReport r = importResultsFile(dir.file(QStringLiteral("results.csv")), ImportGame::UK, history);
    EXPECT_TRUE(r.succeeded());
    EXPECT_EQ(dir.read(QStringLiteral("UK.exe")), countRecord(1) + drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9));

    // Nothing new: the file is not rewritten.
    const QDateTime before = QFileInfo(history).lastModified();
    r = importResultsFile(dir.file(QStringLiteral("results.csv")), ImportGame::UK, history);
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(r.present, 1);
    EXPECT_EQ(QFileInfo(history).lastModified(), before);

    r = importResultsFile(dir.file(QStringLiteral("missing.csv")), ImportGame::UK, history);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.refusal, QStringLiteral("The file missing.csv could not be opened."));

    // A history that cannot be read is not replaced.
    QDir(dir.path()).mkdir(QStringLiteral("IR.exe"));
    r = importResultsFile(dir.file(QStringLiteral("results.csv")), ImportGame::Irish,
                          dir.file(QStringLiteral("IR.exe")));
    EXPECT_TRUE(r.refused);
}

TEST(ResultsImport, FullHistorySkipsTheRest)
{
    QByteArray bytes = countRecord(32767) + QByteArray(32767 * 22, '\0');
    const QByteArray before = bytes;
    const ImportReport r = merge(UkHeader + "1999-06-05,3,7,12,21,30,45,9\n", ImportGame::UK, bytes);
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(r.firstSkips, QStringList{QStringLiteral("Line 2: the draw history is full")});
    EXPECT_EQ(bytes, before);
}

TEST(ResultsImport, DamagedHistoryNeverBreaksTheImport)
{
    // Counts beyond the file, negative counts, odd lengths, garbage dates.
    for (const QByteArray &damaged : {countRecord(30000) + drawRecord("\xff\xfe 1x2y3", {1, 2, 3, 4, 5, 6}, 7),
                                      countRecord(-3) + QByteArray(100, '\x9c'), QByteArray(7, 'z'),
                                      countRecord(2) + QByteArray(30, '9')}) {
        QByteArray bytes = damaged;
        const ImportReport r = merge(UkHeader + "1999-06-05,3,7,12,21,30,45,9\n", ImportGame::UK, bytes);
        EXPECT_EQ(r.added + r.present, 1);
        DrawHistory h;
        h.setBytes(bytes);
        EXPECT_GE(h.findFirst(QStringLiteral("05061999")), 2);
    }
}

TEST(ResultsImport, GarbageNeverBreaksTheImport)
{
    // Random bytes, random commas, quotes and line ends after each kind of
    // heading: every outcome is a refusal or a report, never a crash.
    std::mt19937 gen(7);
    const char alphabet[] = "0123456789,,,,--//\"\r\n JunSep\xef\xbb\xbf\x00\xff";
    const QByteArray headings[] = {UkHeader, IrishHeader, PublishedHeader, "date,n1,n2,n3,n4,n5,thunderball\n", ""};
    for (int round = 0; round < 400; ++round) {
        QByteArray csv = headings[round % 5];
        const int length = static_cast<int>(gen() % 400);
        for (int i = 0; i < length; ++i)
            csv += alphabet[gen() % (sizeof alphabet - 1)];
        for (ImportGame game : {ImportGame::UK, ImportGame::Irish, ImportGame::Thunderball}) {
            QByteArray bytes = round % 2 ? QByteArray() : dstest::syntheticHistory(5);
            const ImportReport r = mergeResults(csv, game, bytes);
            EXPECT_LE(r.firstSkips.size(), ReportedSkips);
            EXPECT_FALSE(r.text().isEmpty());
        }
    }
}
