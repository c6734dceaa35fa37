#include "core/csv.h"
#include "core/drawhistory.h"
#include "thunderball/resultsimport.h"
#include "support/testfolder.h"

#include <QDir>
#include <QDateTime>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ds;
using dstest::countRecord;
using dstest::drawRecord;

namespace {

const QByteArray UkHeader = "date,n1,n2,n3,n4,n5,n6,bonus\n";
const QByteArray IrishHeader = "date,draw,n1,n2,n3,n4,n5,n6,bonus\n";
const QByteArray PublishedHeader =
    "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,Raffles,DrawNumber\n";
const QByteArray June5 = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
const QByteArray June12 = drawRecord("12061999", {1, 2, 3, 4, 5, 6}, 7);
const QString NotReadable = QStringLiteral("This is not a results file Drawsmith can read. Its first line must name "
                                           "the columns: the date, the balls and the ");

// The first skip reason of the lines merged alone into an empty UK history.
QString skipOf(const QByteArray &lines)
{
    QByteArray b;
    const ImportReport r = mergeEraResults(UkHeader + lines, firstEra(Game::UK), b);
    EXPECT_EQ(r.skipped, 1) << lines.constData();
    return r.firstSkips.value(0);
}

// Every row of the text as "line: field|field|...".
QStringList rowsOf(const QByteArray &text)
{
    QStringList out;
    CsvReader reader(text);
    CsvRow row;
    while (reader.next(row)) {
        QStringList fields;
        for (const QByteArray &f : row.fields)
            fields << QString::fromLatin1(f);
        out << QStringLiteral("%1: %2").arg(row.line).arg(fields.join(QLatin1Char('|')));
    }
    return out;
}

} // namespace

TEST(CsvReader, QuotedFieldsHoldCommasQuotesAndLineBreaks)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"a, b ,c\n", {"1: a|b|c"}},
        {"\xEF\xBB\xBF" "a,\n,,\n \r\nb,", {"1: a|", "4: b|"}},
        {"\"x, \"\"y\"\"\" ,z\r\nw", {"1: x, \"y\"|z", "2: w"}},
        {"\"one\ntwo\r\nthree\",4\n5\n", {"1: one\ntwo\r\nthree|4", "4: 5"}},
        {"\"a\"junk,b\nc", {"1: a|b", "2: c"}},
        // A quote never closed ends at its line, and so do the quotes after it.
        {"1,\"open\n2,3\n4,\"\"\n", {"1: 1|open", "2: 2|3", "3: 4|"}},
        {"1,\"a\n2,3\n\"x\ny\",4\n", {"1: 1|a\n2,3", "4: y\"|4"}}, // the quote before x closes
        {"a\rb\r\rc", {"1: a", "2: b", "4: c"}},
    };
    for (const auto &[text, rows] : cases)
        EXPECT_EQ(rowsOf(text), rows) << text.constData();
}

TEST(CsvReader, ControlCharactersAreShownEscaped)
{
    EXPECT_EQ(escapedControls(QStringLiteral("a\tb\r\n") + QChar(0) + QChar(0x1b) + QChar(0x7f) + QStringLiteral("é")),
              QStringLiteral("a\\tb\\r\\n\\x00\\x1b\\x7fé"));
}

TEST(ResultsImport, PlainAndPublishedFormsNewestFirstUnsortedAndAlreadyHeld)
{
    const QByteArray june19 = drawRecord("19061999", {10, 20, 30, 40, 41, 42}, 11);
    QByteArray bytes = countRecord(1, QByteArray("ABCDEFGH")) + june19;
    // The file's numbers for 19 June differ: the history's draw stays.
    ImportReport r =
        mergeEraResults(UkHeader + "1999-06-19,1,2,3,4,5,6,7\n1999-06-05,3,7,12,21,30,45,9\n", firstEra(Game::UK), bytes);
    EXPECT_EQ(bytes, countRecord(2, QByteArray("ABCDEFGH")) + June5 + june19);
    EXPECT_EQ(r.text(), "1 draw added, 1 already in the history, 0 skipped.");

    // The published form has a DrawNumber column: that does not make it Irish.
    r = mergeEraResults(PublishedHeader + "26-Jun-1999,49,48,47,46,45,44,43,Ball Set 3,Lancelot,,372\n"
                                       "19-Jun-1999,42,41,40,30,20,10,11,Ball Set 3,Lancelot,,370\n"
                                       "12-Jun-1999,6,5,4,3,2,1,7,Ball Set 2,Arthur,,368\n"
                                       "05-Jun-1999,45,3,30,7,21,12,9,Ball Set 1,Guinevere,,366\n",
                     firstEra(Game::UK), bytes);
    EXPECT_EQ(bytes, countRecord(4, QByteArray("ABCDEFGH")) + June5 + June12 + june19
                         + drawRecord("26061999", {44, 45, 46, 47, 48, 49}, 43));
    EXPECT_EQ(r.text(), "2 draws added, 2 already in the history, 0 skipped.");
}

TEST(ResultsImport, IntoAnEmptyHistoryWithTheLinesSkippedAndWhy)
{
    // Columns by name, other date forms; line numbers kept through CR LF, a
    // BOM, blank lines and quoted fields; the Irish limits; an orphan draw 2.
    struct Case { QByteArray csv; Game game; QStringList skips; QByteArray after; };
    const Case cases[] = {
        {" BONUS BALL ,ball 6,Ball_5,BALL4,ball 3,Ball 2, ball 1 ,Machine, Draw Date\n"
         "9,45,30,21,12,7,3,Arthur,5 June 1999\n7,6,5,4,3,2,1,x,12/6/1999\n"
         "7,6,5,4,3,2,1,x,19-sep-1999\n7,6,5,4,3,2,1,x,1999/06/26\n"
         "7,6,5,4,3,2,1,x,26-Foo-1999\n",
         Game::UK,
         {"Line 5: \"1999/06/26\" is not a date", "Line 6: \"26-Foo-1999\" is not a date"},
         countRecord(3) + June5 + June12 + drawRecord("19091999", {1, 2, 3, 4, 5, 6}, 7)},
        {"\xEF\xBB\xBF\"DrawDate\",\"Ball 1\",\"Ball 2\",\"Ball 3\",\"Ball 4\",\"Ball 5\",\"Ball 6\","
         "\"Bonus Ball\",\"Machine\"\r\n"
         "\r\n"
         "\"12-Jun-1999\",\"6\",\"5\",\"4\",\"3\",\"2\",\"1\",\"7\","
         "\"Arthur,\r\nthe \"\"old\"\" one\"\r\n"
         "   \r\n"
         "\"05-JUN-1999\",45,3,30,7,21,12,9,Guinevere\r\n"
         "05-Jun-1999,1,2,3,4,5,6,7,x\r"
         "19-Jun-1999 ,52,2,3,4,5,6,7,x\r\n"
         "26-Jun-1999,45,3,30,7,21,12,x\x01y\n"
         "26-Jun-1999,1,2,3,4,5,\"6\n7\",8,x\n",
         Game::UK,
         {"Line 7: 5/6/1999 is already listed on line 6", "Line 8: ball 52 is outside 1 to 49",
          "Line 9: \"x\\x01y\" is not a number", "Line 10: \"6\\n7\" is not a number"},
         countRecord(2) + June5 + June12},
        {IrishHeader + "1994-09-24,1,1,2,3,4,5,6,7\n"
                       "2006-11-01,1,1,2,3,4,5,6,7\n"
                       "2006-11-04,1,1,2,3,4,5,6,7\n"
                       "1994-09-21,1,1,2,3,4,5,6,7\n"
                       "2000-10-28,1,30,31,32,33,34,35,43\n"
                       "2000-10-28,2,8,9,10,11,12,42,41\n",
         Game::Irish,
         {"Line 4: 4/11/2006 is a draw of 6 from 45 (4/11/2006 to 2/9/2015), not of 6 from 42 (24/9/1994 to "
          "1/11/2006)",
          "Line 5: date 21/9/1994 is before the first draw, on 24/9/1994", "Line 6: bonus ball 43 is outside 1 to 42",
          "Line 7: the second draw of 28/10/2000 has no first draw"},
         countRecord(2) + drawRecord("24091994", {1, 2, 3, 4, 5, 6}, 7)
             + drawRecord("01112006", {1, 2, 3, 4, 5, 6}, 7)},
    };
    for (const Case &c : cases) {
        QByteArray bytes;
        const ImportReport r = mergeEraResults(c.csv, firstEra(c.game), bytes);
        EXPECT_EQ(r.firstSkips, c.skips) << r.refusal.toStdString();
        EXPECT_EQ(bytes, c.after);
    }
}

TEST(ResultsImport, IrishSecondDrawsNewestFirstAndAgainstTheHistory)
{
    const QByteArray first = drawRecord("01112000", {1, 2, 3, 4, 5, 6}, 7);
    const QByteArray later = drawRecord("04112000", {21, 22, 23, 24, 25, 26}, 27);
    QByteArray bytes = countRecord(2) + first + later;
    const QByteArray csv = IrishHeader + "2000-11-08,2,8,9,10,11,12,42,41\n"        // no first draw
                                         "2000-11-04,1,21,22,23,24,25,26,27\n"      // present
                                         "2000-11-01,2,12,11,10,9,8,42,41\n"        // added after the held first
                                         "2000-11-01,3,8,9,10,11,12,42,41\n"        // a third draw
                                         "2000-11-01,1,1,2,3,4,5,6,7\n"             // present
                                         "2000-11-01,2,1,9,10,11,12,42,41\n"        // listed twice
                                         "2000-10-28,2,13,14,15,16,17,18,19\n"      // before its own first
                                         "2000-10-28,1,30,31,32,33,34,35,36\n"
                                         "2000-10-25,1,37,38,39,40,41,42,1\n";
    const QByteArray after = countRecord(6) + drawRecord("25102000", {37, 38, 39, 40, 41, 42}, 1)
        + drawRecord("28102000", {30, 31, 32, 33, 34, 35}, 36)
        + drawRecord("28102000", {13, 14, 15, 16, 17, 18}, 19) + first
        + drawRecord("01112000", {8, 9, 10, 11, 12, 42}, 41) + later;
    const ImportReport r = mergeEraResults(csv, firstEra(Game::Irish), bytes);
    EXPECT_EQ(bytes, after);
    EXPECT_EQ(r.text(), "4 draws added, 2 already in the history, 3 skipped.\n"
                        "Line 2: the second draw of 8/11/2000 has no first draw\n"
                        "Line 5: draw \"3\" is not 1 or 2\n"
                        "Line 7: the second draw of 1/11/2000 is already listed on line 4");

    EXPECT_EQ(mergeEraResults(csv, firstEra(Game::Irish), bytes).present, 6);
    EXPECT_EQ(bytes, after);
}

// The Irish plain form with an era column: the date of each row decides its
// era, whatever the column says; Lotto Plus 1 (draw 2) follows its main draw.
TEST(ResultsImport, IrishRowsGoToTheEraOfTheirDateWhateverTheEraColumnSays)
{
    const QByteArray csv = "date,draw,n1,n2,n3,n4,n5,n6,bonus,era\n"
                           "2026-09-07,2,7,12,15,24,26,40,19,645-2026\n"
                           "2026-09-07,1,15,20,21,24,28,34,43,645-2006\n"
                           "2020-01-04,1,1,2,3,4,5,47,6,645-2026\n"
                           "2006-11-01,1,1,2,3,4,5,42,6,647-2015\n"
                           "2006-11-04,1,1,2,3,4,5,46,6,645-2006\n";
    EraFiles files;
    const ImportReport r = mergeResults(csv, Game::Irish, files);
    EXPECT_EQ(r.firstSkips, QStringList{"Line 6: ball 46 is outside 1 to 45"});
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files[0], countRecord(1) + drawRecord("01112006", {1, 2, 3, 4, 5, 42}, 6));
    EXPECT_TRUE(files[1].isEmpty());
    EXPECT_EQ(files[2], countRecord(1) + drawRecord("04012020", {1, 2, 3, 4, 5, 47}, 6));
    EXPECT_EQ(files[3], countRecord(2) + drawRecord("07092026", {15, 20, 21, 24, 28, 34}, 43)
                            + drawRecord("07092026", {7, 12, 15, 24, 26, 40}, 19));
}

// Two-round dates: a round (or draw) column decides the round; without one
// the first line of a date is round 1, the next round 2, and the report says so.
TEST(ResultsImport, TheRoundsOfATwoRoundDateByColumnOrByOrder)
{
    const Era &era = latestEra(Game::UK);
    const QByteArray a10 = drawRecord("10062026", {1, 12, 25, 29, 40, 41}, 16);
    const QByteArray b10 = drawRecord("10062026", {2, 5, 12, 42, 47, 54}, 51);
    const QByteArray a13 = drawRecord("13062026", {12, 15, 31, 32, 48, 58}, 44);
    const QByteArray b13 = drawRecord("13062026", {15, 17, 37, 54, 55, 56}, 6);
    const QByteArray june6 = drawRecord("06062026", {8, 10, 26, 30, 35, 42}, 50);
    QByteArray bytes;
    ImportReport r = mergeEraResults(UkHeader + "2026-06-13,12,15,31,32,48,58,44\n"
                                                "2026-06-10,1,12,25,29,40,41,16\n"
                                                "2026-06-06,8,10,26,30,35,42,50\n"
                                                "2026-06-13,15,17,37,54,55,56,6\n"
                                                "2026-06-10,2,5,12,42,47,54,51\n"
                                                "2026-06-10,3,5,12,42,47,54,51\n",
                                     era, bytes);
    EXPECT_EQ(bytes, countRecord(5) + june6 + a10 + b10 + a13 + b13);
    EXPECT_EQ(r.text(), "5 draws added, 0 already in the history, 1 skipped.\n"
                        "2 two-round dates read by the order of their lines: the first line of a date is round 1, "
                        "the next round 2.\n"
                        "Line 7: the second draw of 10/6/2026 is already listed on line 6");

    bytes.clear();
    r = mergeEraResults("date,round,n1,n2,n3,n4,n5,n6,bonus\n"
                        "2026-06-10,2,2,5,12,42,47,54,51\n"
                        "2026-06-10,1,1,12,25,29,40,41,16\n"
                        "2026-06-06,2,8,10,26,30,35,42,50\n",
                        era, bytes);
    EXPECT_EQ(bytes, countRecord(2) + a10 + b10);
    EXPECT_EQ(r.text(), "2 draws added, 0 already in the history, 1 skipped.\n"
                        "Line 4: the UK Lotto had one draw on 6/6/2026, so there is no draw 2");
}

TEST(ResultsImport, EverySkipReasonWithItsLine)
{
    const std::pair<QByteArray, QString> skips[] = {
        {"1999-06-05,3,7,12,21,30,52,9", "ball 52 is outside 1 to 49"},
        {"1999-06-12,1,2,3,4,5,6,50", "bonus ball 50 is outside 1 to 49"},
        {"1999-06-19,0,2,3,4,5,6,7", "ball 0 is outside 1 to 49"},
        {"1999-06-26,1,2,3,4,5,5,7", "number 5 appears twice"},
        {"1999-07-03,1,2,3,4,5,6,6", "number 6 appears twice"},
        {"1999-02-30,1,2,3,4,5,6,7", "\"1999-02-30\" is not a date"},
        {"2015-10-10,1,2,3,4,5,6,7", "10/10/2015 is a draw of 6 from 59 (from 10/10/2015), not of 6 from 49 "
                                     "(19/11/1994 to 7/10/2015)"},
        {"1994-11-12,1,2,3,4,5,6,7", "date 12/11/1994 is before the first draw, on 19/11/1994"},
        {"1999-07-10,1,2,x,4,5,6,7", "\"x\" is not a number"},
        {"1999-07-17,1,2,3,4,5", "a number is missing"},
        {",1,2,3,4,5,6,7", "the date is missing"},
        {"1999-07-24,1,2,3,4,5,6,-7", "\"-7\" is not a number"},
        {"1999-08-07,1,2,3,4,5,6,99999999999999", "\"99999999999999\" is not a number"},
    };
    QByteArray csv = UkHeader;
    QStringList reasons;
    for (const auto &[line, reason] : skips) {
        EXPECT_EQ(skipOf(line + '\n'), "Line 2: " + reason);
        csv += line + '\n';
        reasons << QStringLiteral("Line %1: %2").arg(reasons.size() + 2).arg(reason);
    }
    EXPECT_EQ(skipOf("1999-07-31,1,2,3,4,5,6,7\n1999-07-31,1,2,3,4,5,6,8\n"),
              "Line 3: 31/7/1999 is already listed on line 2");

    // Together, with the last day of the era: five reasons are listed.
    QByteArray bytes;
    const ImportReport r =
        mergeEraResults(csv + "2015-10-07,1,2,3,4,5,6,7\n1999-07-31,1,2,3,4,5,6,7\n", firstEra(Game::UK), bytes);
    EXPECT_EQ(r.text(), "2 draws added, 0 already in the history, 13 skipped.\n" + reasons.mid(0, 5).join('\n')
                            + "\n8 more lines skipped.");
}

TEST(ResultsImport, EmptyHeaderOnlyUnknownAndOtherGamesFilesAreRefusedWhole)
{
    const std::tuple<QByteArray, Game, QString> refused[] = {
        {"", Game::UK, "The file is empty."},
        {"\xEF\xBB\xBF\r\n \r\n,,,\n", Game::UK, "The file is empty."},
        {UkHeader, Game::UK, "The file holds no results, only the names of its columns."},
        {"1999-06-05,3,7,12,21,30,45,9\n", Game::UK, NotReadable + "bonus ball."},
        {QByteArray("\x00\x01\x02\xff", 4), Game::Thunderball, NotReadable + "Thunderball."},
        {"date,n1,n2,n3,n4,n5,bonus\n", Game::UK, NotReadable + "bonus ball."}, // no ball 6
        {UkHeader + "1999-06-12,1,2,3,4,5,6,7\n", Game::Irish,
         "This file holds UK Lotto results, not Irish Lotto results."},
        // A draw column is the UK Lotto's round column too; second draws on
        // dates the UK Lotto drew once make the file Irish.
        {IrishHeader + "1999-06-12,1,1,2,3,4,5,6,7\n1999-06-12,2,8,9,10,11,12,13,14\n", Game::UK,
         "This file holds Irish Lotto results, not UK Lotto results."},
        {"date,n1,n2,n3,n4,n5,thunderball\n2001-01-06,1,2,3,4,5,6\n", Game::UK,
         "This file holds Thunderball results, not UK Lotto results."},
        {UkHeader, Game::Thunderball, "This file holds UK Lotto results, not Thunderball results."},
    };
    for (const auto &[csv, game, refusal] : refused) {
        const ImportReport r = readResultRows(csv, game).report;
        EXPECT_TRUE(r.refused);
        EXPECT_EQ(r.text(), refusal) << csv.constData();
    }
    const QByteArray history = countRecord(1) + June5;
    QByteArray bytes = history;
    EXPECT_TRUE(mergeEraResults(UkHeader, firstEra(Game::UK), bytes).refused);
    EXPECT_EQ(bytes, history);
}

TEST(ResultsImport, FilesOnDiskAndAWriteFailureLeavingTheOldHistoryByteForByte)
{
    dstest::TestFolder dir;
    dir.write("results.csv", UkHeader + "1999-06-05,3,7,12,21,30,45,9\n");
    const QString csv = dir.file("results.csv");
    const QString history = dir.file("UK.exe");
    EXPECT_TRUE(importResults("", Game::UK, dir.path()).refused);
    EXPECT_FALSE(dir.exists("UK.exe"));
    EXPECT_TRUE(importResultsFile(csv, Game::UK, dir.path()).succeeded());
    const QByteArray old = countRecord(1) + June5;
    EXPECT_EQ(dir.read("UK.exe"), old);

    // Nothing new: the file is not rewritten.
    const QDateTime before = QFileInfo(history).lastModified();
    EXPECT_EQ(importResultsFile(csv, Game::UK, dir.path()).present, 1);
    EXPECT_EQ(QFileInfo(history).lastModified(), before);
    EXPECT_EQ(importResultsFile(dir.file("missing.csv"), Game::UK, dir.path()).refusal,
              "The file missing.csv could not be opened.");

    QByteArray more = UkHeader;
    for (int d = 1; d <= 28; ++d)
        more += QStringLiteral("2000-02-%1,1,2,3,4,5,6,7\n").arg(d, 2, 10, QLatin1Char('0')).toLatin1();
    ImportReport r;
    {
        dstest::FileSizeLimit limit(100); // writes beyond 100 bytes fail, whoever runs the test
        r = importResults(more, Game::UK, dir.path());
    }
    EXPECT_TRUE(r.writeFailed);
    EXPECT_EQ(r.text(), "The draw history file could not be written, so no draws were added. "
                        "The file is as it was before.");
    EXPECT_EQ(dir.read("UK.exe"), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"results.csv", "UK.exe"}));

    // A history that cannot be read, or is too large to be one, is not replaced.
    QDir(dir.path()).mkdir("IR.exe");
    EXPECT_TRUE(importResultsFile(csv, Game::Irish, dir.path()).refused);
    dir.writeSized("UK.exe", ds::MaxFileBytes + 1);
    const ImportReport large = importResultsFile(csv, Game::UK, dir.path());
    EXPECT_EQ(large.refusal, "The draw history file could not be read.");
    EXPECT_EQ(QFileInfo(history).size(), ds::MaxFileBytes + 1);
    // A results file that is there but cannot be read.
    QDir(dir.path()).mkdir("folder.csv");
    EXPECT_EQ(importResultsFile(dir.file("folder.csv"), Game::UK, dir.path()).refusal,
              "The file folder.csv could not be read.");
}

TEST(ResultsImport, FullOrDamagedHistoriesNeverBreakTheImport)
{
    const QByteArray full = countRecord(32767) + QByteArray(32767 * 22, '\0');
    QByteArray bytes = full;
    const ImportReport r = mergeEraResults(UkHeader + "1999-06-05,3,7,12,21,30,45,9\n", firstEra(Game::UK), bytes);
    EXPECT_EQ(r.firstSkips, QStringList{"Line 2: the draw history is full"});
    EXPECT_EQ(bytes, full);

    // Counts beyond the file, negative counts, odd lengths, garbage dates.
    for (const QByteArray &damaged : {countRecord(30000) + drawRecord("\xff\xfe 1x2y3", {1, 2, 3, 4, 5, 6}, 7),
                                      countRecord(-3) + QByteArray(100, '\x9c'), QByteArray(7, 'z'),
                                      countRecord(2) + QByteArray(30, '9')}) {
        bytes = damaged;
        const ImportReport d = mergeEraResults(UkHeader + "1999-06-05,3,7,12,21,30,45,9\n", firstEra(Game::UK), bytes);
        EXPECT_EQ(d.added + d.present, 1);
        DrawHistory h;
        h.setBytes(bytes);
        EXPECT_GE(h.findFirst("05061999"), 2);
    }
}
