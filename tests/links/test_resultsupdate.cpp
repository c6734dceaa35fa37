#include "links/resultsexport.h"
#include "links/resultsupdate.h"
#include "support/testfolder.h"
#include "thunderball/thunderrecords.h"

#include <gtest/gtest.h>

using namespace ds;
using namespace ds::links;
using dstest::countRecord;
using dstest::drawRecord;
using dstest::historyFile;
using dstest::thRec;

namespace {

WebLink record1(const char *address)
{
    return {QStringLiteral("Download Results File"), QString::fromLatin1(address)};
}

using Kind = TransferOutcome::Kind;

TransferOutcome outcome(Kind kind, const QByteArray &body = {})
{
    TransferOutcome o;
    o.kind = kind;
    o.body = body;
    o.address = QUrl(QStringLiteral("https://results.example/uk.csv"));
    o.stallMs = 30000;
    o.limit = 16 * 1024 * 1024;
    return o;
}

const QByteArray UkPublished = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine\n";

} // namespace

TEST(UpdateAddress, OnlyHttpsAndHttpToThisComputerAreFetchedAndTheIrishPageIsOfferedInstead)
{
    const QString refused = QStringLiteral("Drawsmith fetches results only from secure (https:) addresses, so it did "
                                           "not fetch %1.");
    const struct {
        const char *address;
        bool fetched;
    } cases[] = {
        {"HTTPS://Results.Example/uk.csv", true},
        {"http://127.0.0.1:8080/uk.csv", true},
        {"http://[::1]:8080/uk.csv", true},
        {"http://LOCALHOST:1/uk.csv", true},
        {"http://127.0.0.2/uk.csv", false},
        {"http://[::ffff:127.0.0.1]/uk.csv", false},
        {"http://localhost.example.com/uk.csv", false},
        {"http://10.0.0.1/uk.csv", false},
        {"file:///etc/passwd", false},
        {"www.national-lottery.co.uk/uk.csv", false},
    };
    for (const auto &c : cases) {
        const AddressCheck check = checkFetchAddress(QString::fromLatin1(c.address));
        EXPECT_EQ(check.refusal, c.fetched ? QString() : refused.arg(QString::fromLatin1(c.address))) << c.address;
        EXPECT_EQ(check.url.isValid(), c.fetched) << c.address;
    }
    EXPECT_EQ(checkFetchAddress(QStringLiteral("https:///uk.csv")).refusal,
              QStringLiteral("The results address https:///uk.csv is not a web address Drawsmith can fetch."));

    // Each game fetches its address; the Irish results page is offered instead.
    const WebLink shipped = record1(qPrintable(defaultDownloadField()));
    UpdatePlan uk = planUpdate(Game::UK, shipped);
    EXPECT_EQ(uk.kind, UpdatePlan::Fetch);
    EXPECT_EQ(uk.address.toString(), QStringLiteral("https://www.national-lottery.co.uk/results/lotto/draw-history/csv"));

    const UpdatePlan irish = planUpdate(Game::Irish, shipped);
    EXPECT_EQ(irish.kind, UpdatePlan::OfferDownload);
    EXPECT_EQ(irish.text, QStringLiteral("The Irish Lottery publishes no results file for Drawsmith to fetch, only a "
                                         "results page. Would you like to open that page with \"Download Results "
                                         "File\" instead?"));
    // A player's Irish address that names a file is fetched, and checked like any other.
    const UpdatePlan mirror = planUpdate(Game::Irish, record1("IR=https://mirror.example/irish.CSV?x=1"));
    EXPECT_EQ(mirror.kind, UpdatePlan::Fetch);
    EXPECT_EQ(mirror.address.toString(), QStringLiteral("https://mirror.example/irish.CSV?x=1"));
    EXPECT_EQ(planUpdate(Game::Irish, record1("IR=http://mirror.example/irish.txt")).kind, UpdatePlan::Refuse);
}

TEST(UpdateTransfer, EveryEndSaysWhatHappened)
{
    auto with = [](Kind kind, auto &&change) {
        TransferOutcome o = outcome(kind);
        change(o);
        return o;
    };
    const struct {
        TransferOutcome o;
        const char *text;
    } cases[] = {
        {outcome(Kind::Fetched), ""},
        {with(Kind::Status, [](TransferOutcome &o) { o.status = 404; o.reason = "Not Found"; }),
         "The results server answered 404 Not Found."},
        {with(Kind::Status, [](TransferOutcome &o) { o.status = 503; }),
         "The results server answered 503 Service Unavailable."},
        // A status without usual words: the server's own, printable and short.
        {with(Kind::Status, [](TransferOutcome &o) { o.status = 599; o.reason = "Odd\x01\x1b[2J words, and a good many more of them"; }),
         "The results server answered 599 Odd[2J words, and a good many more of th."},
        {with(Kind::Status, [](TransferOutcome &o) { o.status = 299; }), "The results server answered 299."},
        {outcome(Kind::HostNotFound),
         "The results server results.example could not be reached. Check that this computer is connected to the "
         "internet."},
        {outcome(Kind::Refused), "The results server results.example refused the connection."},
        {with(Kind::SecureFailed, [](TransferOutcome &o) { o.detail = QStringLiteral("The certificate has expired"); }),
         "The secure connection to results.example could not be trusted, so nothing was fetched (The certificate "
         "has expired)."},
        {outcome(Kind::Stalled), "The results server sent nothing for 30 seconds, so Drawsmith stopped waiting."},
        {with(Kind::Stalled, [](TransferOutcome &o) { o.stallMs = 300; }),
         "The results server sent nothing for 1 second, so Drawsmith stopped waiting."},
        {outcome(Kind::TooLarge),
         "The file on the results server is larger than 16 MB, too large to be a results file."},
        {outcome(Kind::Cut),
         "The connection to the results server was closed before the whole file had arrived."},
        {with(Kind::RedirectRefused, [](TransferOutcome &o) { o.address = QUrl(QStringLiteral("http://plain.example/x")); }),
         "The results server sent Drawsmith on to http://plain.example/x, which is not a secure (https:) address, so "
         "nothing was fetched."},
        {outcome(Kind::Cancelled), "The update was cancelled. Nothing was changed."},
        {with(Kind::Failed, [](TransferOutcome &o) { o.detail = QStringLiteral("Network access is disabled"); }),
         "The results could not be fetched from results.example (Network access is disabled)."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(transferFailure(c.o), QString::fromLatin1(c.text)) << c.text;
}

TEST(UpdateTransfer, ProgressInKilobytes)
{
    EXPECT_EQ(progressText(0, -1), QStringLiteral("0 KB received"));
    EXPECT_EQ(progressText(1, -1), QStringLiteral("1 KB received"));
    EXPECT_EQ(progressText(2048, 61441), QStringLiteral("2 KB of 61 KB received"));
    EXPECT_EQ(fetchingText(Game::Thunderball, QUrl(QStringLiteral("https://www.national-lottery.co.uk/x"))),
              QStringLiteral("Fetching the Thunderball results from www.national-lottery.co.uk"));
}

TEST(UpdateBody, FailuresChangeNothingAndAnImportNamesTheNewestDraw)
{
    dstest::TestFolder dir;
    const QByteArray held = historyFile({drawRecord("03102015", {1, 2, 3, 4, 5, 6}, 7)});
    dir.write(QStringLiteral("UK.exe"), held);
    const struct {
        TransferOutcome o;
        const char *text;
    } refusals[] = {
        {outcome(Kind::Fetched, ""), "The results server sent an empty file."},
        {outcome(Kind::Fetched, " \r\n\t\n"), "The results server sent an empty file."},
        {outcome(Kind::Fetched, "\xEF\xBB\xBF\r\n  <!DOCTYPE html><html><body>date,n1</body></html>"),
         "The results server sent a web page, not a results file. The address kept in weblinks.dat may be out of "
         "date."},
        {outcome(Kind::Fetched, "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunder Ball\n07-Oct-2015,1,2,3,4,5,6\n"),
         "This file holds Thunderball results, not UK Lotto results."},
    };
    for (const auto &c : refusals) {
        const UpdateResult r = finishUpdate(c.o, Game::UK, dir.path());
        EXPECT_FALSE(r.imported);
        EXPECT_EQ(r.text, QString::fromLatin1(c.text));
        EXPECT_EQ(dir.read(QStringLiteral("UK.exe")), held) << c.text;
    }
    EXPECT_TRUE(finishUpdate(outcome(Kind::Cancelled), Game::UK, dir.path()).cancelled);

    const UpdateResult r = finishUpdate(
        outcome(Kind::Fetched, UkPublished + "07-Oct-2015,49,48,47,46,45,44,43,5,Arthur\n"
                                             "03-Oct-2015,1,2,3,4,5,6,7,4,Arthur\n"),
        Game::UK, dir.path());
    EXPECT_TRUE(r.imported);
    EXPECT_EQ(r.text, QStringLiteral("1 draw added, 1 already in the history, 0 skipped.\n"
                                     "Newest draw now stored: 7/10/2015."));
    EXPECT_EQ(dir.read(QStringLiteral("UK.exe")),
              historyFile({drawRecord("03102015", {1, 2, 3, 4, 5, 6}, 7), drawRecord("07102015", {44, 45, 46, 47, 48, 49}, 43)}));

    // The second draw of a date, and a Thunderball result.
    dir.write(QStringLiteral("IR.exe"), historyFile({drawRecord("01112006", {1, 2, 3, 4, 5, 6}, 7),
                                                     drawRecord("01112006", {8, 9, 10, 11, 12, 13}, 14)}));
    EXPECT_EQ(newestStoredText(Game::Irish, dir.path()), QStringLiteral("Newest draw now stored: 1/11/2006, draw 2."));
    dir.write(QStringLiteral("thresult.exe"), thRec(2, 0, 8, 5, 2010, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 1, 5, 2010, {1, 2, 3, 4, 5}, 6));
    EXPECT_EQ(newestStoredText(Game::Thunderball, dir.path()), QStringLiteral("Newest result now stored: 8/5/2010."));
}

TEST(Export, DateOrderEveryEraAndWhatTheImportWouldNotTakeLeftOut)
{
    // Thunderball results are kept as entered, exported by date; a date held twice, a damaged
    // date and a ball out of range are left out.
    const QByteArray thunder = thRec(6, 0, 8, 5, 2010, {34, 3, 20, 1, 9}, 9) + thRec(0, 0, 12, 6, 1999, {8, 26, 28, 31, 32}, 6)
        + thRec(0, 0, 8, 5, 2010, {1, 2, 3, 4, 5}, 6) + thRec(0, 0, 31, 2, 2005, {1, 2, 3, 4, 5}, 6)
        + thRec(0, 0, 1, 5, 2010, {1, 2, 3, 4, 35}, 6) + thRec(0, 0, 19, 6, 1999, {3, 4, 8, 20, 33}, 3);
    HeldDraws held = heldDraws(Game::Thunderball, {thunder});
    EXPECT_EQ(held.leftOut, 3);
    EXPECT_EQ(exportCsv(Game::Thunderball, held.draws), QByteArray("date,n1,n2,n3,n4,n5,thunderball\n"
                                                                   "1999-06-12,8,26,28,31,32,6\n"
                                                                   "1999-06-19,3,4,8,20,33,3\n"
                                                                   "2010-05-08,1,3,9,20,34,9\n"));

    // Irish: a date's second draw is draw 2; a third draw and a bonus equal to a main number left out.
    const QByteArray irish = historyFile({drawRecord("28102000", {30, 31, 32, 33, 34, 35}, 36),
                                          drawRecord("28102000", {13, 14, 15, 16, 17, 18}, 19),
                                          drawRecord("28102000", {1, 2, 3, 4, 5, 6}, 7),
                                          drawRecord("01112000", {1, 2, 3, 4, 5, 6}, 6)});
    held = heldDraws(Game::Irish, {irish});
    EXPECT_EQ(held.leftOut, 2);
    EXPECT_EQ(exportCsv(Game::Irish, held.draws), QByteArray("date,draw,n1,n2,n3,n4,n5,n6,bonus\n"
                                                             "2000-10-28,1,30,31,32,33,34,35,36\n"
                                                             "2000-10-28,2,13,14,15,16,17,18,19\n"));

    // UK: a draw column too; a second draw on a date of one draw is left out.
    held = heldDraws(Game::UK, {historyFile({drawRecord("19111994", {3, 5, 14, 22, 30, 44}, 10),
                                             drawRecord("19111994", {1, 2, 3, 4, 5, 6}, 7),
                                             drawRecord("  ABCD  ", {1, 2, 3, 4, 5, 6}, 7)})});
    EXPECT_EQ(held.leftOut, 2);
    EXPECT_EQ(exportCsv(Game::UK, held.draws),
              QByteArray("date,draw,n1,n2,n3,n4,n5,n6,bonus\n1994-11-19,1,3,5,14,22,30,44,10\n"));
}

TEST(Export, TheFileIsWrittenWholeAndNeverOverTheProgramsOwnFiles)
{
    dstest::TestFolder dir, elsewhere;
    const QByteArray held = historyFile({drawRecord("19111994", {3, 5, 14, 22, 30, 44}, 10),
                                         drawRecord("26111994", {6, 12, 15, 16, 31, 44}, 37)});
    EXPECT_EQ(exportResults(Game::UK, dir.path(), elsewhere.file(QStringLiteral("uk.csv"))).text,
              QStringLiteral("The UK Lotto history holds no draws to export."));
    EXPECT_EQ(exportResults(Game::Thunderball, dir.path(), elsewhere.file(QStringLiteral("tb.csv"))).text,
              QStringLiteral("The Thunderball results file holds no results to export."));
    EXPECT_FALSE(elsewhere.exists(QStringLiteral("uk.csv")));

    dir.write(QStringLiteral("UK.exe"), held + QByteArray(22, '\xff'));
    const ExportResult r = exportResults(Game::UK, dir.path(), elsewhere.file(QStringLiteral("uk.csv")));
    EXPECT_EQ(r.text, QStringLiteral("2 draws exported to %1.").arg(elsewhere.file(QStringLiteral("uk.csv"))));
    EXPECT_EQ(elsewhere.read(QStringLiteral("uk.csv")),
              "date,draw,n1,n2,n3,n4,n5,n6,bonus\n1994-11-19,1,3,5,14,22,30,44,10\n1994-11-26,1,6,12,15,16,31,44,37\n");

    // The histories, the links and the entry files stay the program's, in any letter case.
    for (const char *own : {"UK.exe", "uk.EXE", "thresult.exe", "weblinks.dat", "UK19111994.lot"}) {
        const ExportResult refused = exportResults(Game::UK, dir.path(), dir.file(QString::fromLatin1(own)));
        EXPECT_FALSE(refused.written) << own;
        EXPECT_EQ(refused.text, QStringLiteral("%1 is one of Drawsmith's own files. Choose another name for the "
                                               "exported results.").arg(QString::fromLatin1(own)));
    }
    EXPECT_EQ(dir.read(QStringLiteral("UK.exe")), held + QByteArray(22, '\xff'));
    EXPECT_TRUE(exportResults(Game::UK, dir.path(), dir.file(QStringLiteral("uk results.csv"))).written);

    // A record of a damaged file is told; an unwritable target changes nothing.
    dir.write(QStringLiteral("UK.exe"), held.left(22 * 2) + drawRecord("31021995", {1, 2, 3, 4, 5, 6}, 7));
    EXPECT_EQ(exportResults(Game::UK, dir.path(), elsewhere.file(QStringLiteral("uk.csv"))).text,
              QStringLiteral("1 draw exported to %1.\n1 record could not be read as a draw and was left out.")
                  .arg(elsewhere.file(QStringLiteral("uk.csv"))));
    const QString noFolder = elsewhere.file(QStringLiteral("missing/uk.csv"));
    EXPECT_EQ(exportResults(Game::UK, dir.path(), noFolder).text,
              QStringLiteral("The file %1 could not be written.").arg(noFolder));
}
