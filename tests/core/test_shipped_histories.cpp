// The histories that ship with the program, made by the drawsmith-import
// converter from data/history exactly as the build makes them.
#include "core/drawhistory.h"
#include "core/filenames.h"
#include "links/resultsexport.h"
#include "support/testfolder.h"
#include "thunderball/resultsfile.h"
#include "thunderball/resultsimport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString historyCsv(const QString &name)
{
    const QString data = qEnvironmentVariable("DRAWSMITH_DATA", QStringLiteral(DRAWSMITH_SOURCE_DATA));
    return QDir(data).filePath(QStringLiteral("history/") + name);
}

struct ConverterRun {
    int exitCode = -1;
    QString output;
};

ConverterRun convert(const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(DRAWSMITH_IMPORT_TOOL), args);
    ConverterRun r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.output = QString::fromLocal8Bit(p.readAll());
    return r;
}

// Builds a shipped history into the folder as the build does (the rows of a
// results file's other eras passed over) and returns its path.
QString build(const dstest::TestFolder &dir, const QString &game, const QString &csv, const QString &out)
{
    const ConverterRun r = convert(
        {"--no-overwrite", "--strict", "--pass-other-eras", "--game", game, historyCsv(csv), dir.file(out)});
    EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
    return dir.file(out);
}

} // namespace

// Each history's draws, first and last date, and the dates of two draws; that
// every history is in date order with each record's numbers sorted follows
// from the round trip below.
TEST(ShippedHistories, CountsFirstAndLastDatesAndTheSecondDrawsOfEachHistory)
{
    struct Case {
        const char *game, *csv, *file;
        int count;
        const char *first, *last;
        int seconds;
    } cases[] = {
        {"uk", "uk_lotto_649.csv", "UK.exe", 2065, "19111994", "07102015", 0},
        {"irish", "irish_lotto_642.csv", "IR.exe", 1882, "24091994", "01112006", 628},
        {"irish", "irish_lotto_645_647.csv", "IR45.exe", 922 + 921, "04112006", "02092015", 921},
        {"irish", "irish_lotto_645_647.csv", "IR47.exe", 1148 + 1148, "05092015", "02092026", 1148},
        {"irish", "irish_lotto_645_647.csv", "IR45b.exe", 12 + 12, "05092026", "30092026", 12},
    };
    for (const Case &c : cases) {
        dstest::TestFolder dir;
        ds::DrawHistory h;
        ASSERT_EQ(h.load(build(dir, c.game, c.csv, c.file)), ds::ReadStatus::Ok);
        ASSERT_EQ(h.count(), c.count);
        EXPECT_EQ(h.bytes().size(), (c.count + 1) * 22);
        const auto draws = h.draws();
        EXPECT_EQ(draws.front().dateKey(), c.first);
        EXPECT_EQ(draws.back().dateKey(), c.last);
        int seconds = 0;
        for (size_t i = 1; i < draws.size(); ++i)
            seconds += draws[i].dateKey() == draws[i - 1].dateKey();
        EXPECT_EQ(seconds, c.seconds);
        // The second draw is the one the file gives as draw 2.
        if (QByteArray(c.file) == "IR.exe") {
            const int first = h.findFirst("28102000");
            ASSERT_EQ(h.findLast("28102000"), first + 1);
            EXPECT_EQ(h.record(first).main, (std::array<qint16, 6>{2, 11, 20, 27, 29, 36}));
            EXPECT_EQ(h.record(first + 1).main, (std::array<qint16, 6>{2, 7, 8, 12, 14, 16}));
        }
    }
    dstest::TestFolder dir;
    ds::ThunderResultsFile f;
    ASSERT_EQ(f.load(build(dir, "thunderball", "thunderball_534.csv", "thresult.exe")), ds::ReadStatus::Ok);
    ASSERT_EQ(f.count(), 964);
    EXPECT_EQ(f.bytes().size(), 964 * 22);
    EXPECT_TRUE(f.results().front().sameDate(12, 6, 1999));
    EXPECT_TRUE(f.results().back().sameDate(8, 5, 2010));
}

TEST(ShippedHistories, ConverterNeverOverwritesAnExistingHistory)
{
    // The player's file (whatever its letter case: uk.exe is UK.exe; even
    // empty) stays as it is, and no other file is made beside it.
    const QByteArray players = dstest::countRecord(1) + dstest::drawRecord("05061999", {1, 2, 3, 4, 5, 6}, 7);
    const std::tuple<QString, QByteArray, const char *, const char *, QString> cases[] = {
        {"UK.exe", players, "uk", "uk_lotto_649.csv", "UK.exe"},
        {"ir.EXE", "x", "irish", "irish_lotto_642.csv", "IR.exe"},
        {"thresult.exe", QByteArray(), "thunderball", "thunderball_534.csv", "thresult.exe"},
    };
    for (const auto &[existing, bytes, game, csv, target] : cases) {
        dstest::TestFolder dir;
        dir.write(existing, bytes);
        const ConverterRun r = convert({"--no-overwrite", "--game", game, historyCsv(csv), dir.file(target)});
        EXPECT_EQ(r.exitCode, 0) << game;
        EXPECT_EQ(dir.read(existing), bytes) << game;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{existing}) << game;
    }
}

TEST(ShippedHistories, ConverterRefusalsAndStrictMode)
{
    dstest::TestFolder dir;
    // Wrong game: refused, nothing written.
    ConverterRun r = convert({"--game", "irish", historyCsv("uk_lotto_649.csv"), dir.file("IR.exe")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.output.contains("This file holds UK Lotto results, not Irish Lotto results."));
    EXPECT_FALSE(dir.exists("IR.exe"));

    // A skipped line under --strict: nothing written.
    dir.write("bad.csv", "date,n1,n2,n3,n4,n5,n6,bonus\n1999-06-05,1,2,3,4,5,6,7\n1999-06-12,1,2,3,4,5,6,60\n");
    const QStringList merge{"--game", "uk", dir.file("bad.csv"), dir.file("UK.exe")};
    r = convert(QStringList{"--strict"} + merge);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.output.contains("Line 3: bonus ball 60 is outside 1 to 49"));
    EXPECT_FALSE(dir.exists("UK.exe"));

    // Without it the good lines go in, and a second run merges.
    EXPECT_EQ(convert(merge).exitCode, 0);
    EXPECT_EQ(dir.read("UK.exe"), dstest::countRecord(1) + dstest::drawRecord("05061999", {1, 2, 3, 4, 5, 6}, 7));
    r = convert(merge);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.output.contains("0 draws added, 1 already in the history, 1 skipped."));

    EXPECT_EQ(convert({"--game", "euro"}).exitCode, 2); // wrong usage
}

namespace {

// Exports the shipped histories of a game (the results file of each era,
// oldest first) and imports the file into an empty folder: every era's
// history comes out byte for byte as it went in.
void exportAndImportAgain(ds::Game game, const char *converterGame, const std::vector<QStringList> &csvs)
{
    SCOPED_TRACE(converterGame);
    ASSERT_EQ(csvs.size(), ds::erasOf(game).size()) << "the shipped results files of each era";
    dstest::TestFolder shipped, exported, empty;
    auto csv = csvs.begin();
    for (const ds::Era &era : ds::erasOf(game)) {
        const QString file = shipped.file(ds::files::history(era));
        for (const QString &name : *csv++) {
            const ConverterRun r =
                convert({"--strict", "--pass-other-eras", "--game", converterGame, historyCsv(name), file});
            ASSERT_EQ(r.exitCode, 0) << r.output.toStdString();
        }
    }
    const QString file = exported.file("results.csv");
    const ds::links::ExportResult out = ds::links::exportResults(game, shipped.path(), file);
    ASSERT_TRUE(out.written) << out.text.toStdString();
    const ds::ImportReport in = ds::importResultsFile(file, game, empty.path());
    EXPECT_TRUE(in.succeeded() && in.skipped == 0 && in.present == 0) << in.text().toStdString();
    for (const ds::Era &era : ds::erasOf(game)) {
        const QString name = ds::files::history(era);
        EXPECT_FALSE(shipped.read(name).isEmpty()) << name.toStdString();
        EXPECT_EQ(empty.read(name), shipped.read(name)) << name.toStdString();
    }
}

// The rows of a results file of the data folder, without its heading.
QList<QByteArray> csvRows(const QString &name)
{
    QFile f(historyCsv(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    QList<QByteArray> rows = f.readAll().trimmed().split('\n');
    rows.removeFirst();
    return rows;
}

} // namespace

TEST(ShippedHistories, EachGameExportedAndImportedIntoAnEmptyFolderIsTheSame)
{
    exportAndImportAgain(ds::Game::UK, "uk",
                         {{"uk_lotto_649.csv"}, {"uk_lotto_659.csv", "uk_lotto_659_two_rounds.csv"}});
    exportAndImportAgain(ds::Game::Irish, "irish",
                         {{"irish_lotto_642.csv"}, {"irish_lotto_645_647.csv"}, {"irish_lotto_645_647.csv"},
                          {"irish_lotto_645_647.csv"}});
    exportAndImportAgain(ds::Game::Thunderball, "thunderball", {{"thunderball_534.csv"}, {"thunderball_539.csv"}});
}

// The 6 from 59 history is both results files merged one after the other,
// as the build makes it; the official download of the latest draws, imported
// into a folder without it, gives the same records for its draws.
TEST(ShippedHistories, TheSixFromFiftyNineAndTheOfficialDownloadOfItsLatestDraws)
{
    dstest::TestFolder dir;
    const QString file = build(dir, "uk", "uk_lotto_659.csv", "UK59.exe");
    const ConverterRun second = convert({"--strict", "--game", "uk", historyCsv("uk_lotto_659_two_rounds.csv"), file});
    EXPECT_EQ(second.exitCode, 0) << second.output.toStdString();
    ds::DrawHistory h;
    ASSERT_EQ(h.load(file), ds::ReadStatus::Ok);
    ASSERT_EQ(h.count(), 1113 + 66);
    const QByteArray shipped = h.bytes();
    EXPECT_EQ(shipped.size(), (1179 + 1) * 22);
    EXPECT_EQ(h.record(2).dateKey(), "10102015");
    EXPECT_EQ(h.record(1180).dateKey(), "30092026");
    const int june10 = h.findFirst("10062026");
    ASSERT_EQ(h.findLast("10062026"), june10 + 1);
    EXPECT_EQ(h.record(june10).main, (std::array<qint16, 6>{1, 12, 25, 29, 40, 41}));     // round 1
    EXPECT_EQ(h.record(june10 + 1).main, (std::array<qint16, 6>{2, 5, 12, 42, 47, 54})); // round 2

    // The official form, newest first, balls in drawn order, round 1 first.
    QList<QByteArray> rows = csvRows("uk_lotto_659.csv").mid(1113 - 14);
    for (const QByteArray &r : csvRows("uk_lotto_659_two_rounds.csv")) {
        QList<QByteArray> f = r.split(',');
        f.removeAt(1); // the round: the download has none
        rows << f.join(',');
    }
    QByteArray official = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,DrawNumber\n";
    int drawNumber = 4000;
    // Newest date first; the two rows of a date keep their order.
    for (qsizetype i = rows.size(); i > 0;) {
        qsizetype first = i - 1;
        while (first > 0 && rows[first - 1].left(10) == rows[i - 1].left(10))
            --first;
        for (qsizetype k = first; k < i; ++k) {
            const QList<QByteArray> f = rows[k].split(',');
            const QDate date = QDate::fromString(QString::fromLatin1(f[0]), Qt::ISODate);
            official += QLocale(QLocale::English).toString(date, QStringLiteral("dd-MMM-yyyy")).toLatin1();
            for (int b : {6, 1, 4, 2, 5, 3, 7})
                official += ',' + f[b];
            official += ",Set 3,Arthur," + QByteArray::number(drawNumber--) + '\n';
        }
        i = first;
    }
    dstest::TestFolder folder;
    folder.write("official.csv", official);
    const ds::ImportReport r = ds::importResultsFile(folder.file("official.csv"), ds::Game::UK, folder.path());
    EXPECT_EQ(r.text(), "80 draws added, 0 already in the history, 0 skipped.\n"
                        "33 two-round dates read by the order of their lines: the first line of a date is round 1, "
                        "the next round 2.");
    EXPECT_EQ(folder.read("UK59.exe"), dstest::countRecord(80) + shipped.right(80 * 22));
    EXPECT_FALSE(folder.exists("UK.exe"));
}

// The official Thunderball download (newest first, main balls in drawn order,
// with its ball set, machine and draw number) imported into a folder without
// the 5 from 39 history gives the shipped records of its draws, in date order.
TEST(ShippedHistories, TheOfficialThunderballDownloadGivesTheShippedFiveFromThirtyNineRecords)
{
    dstest::TestFolder dir;
    ds::ThunderResultsFile shipped;
    ASSERT_EQ(shipped.load(build(dir, "thunderball", "thunderball_539.csv", "thresult39.exe")), ds::ReadStatus::Ok);
    ASSERT_EQ(shipped.count(), 3019);

    const int n = 150; // the download's draws: the newest of the file, back to 13/1/2026
    const QList<QByteArray> rows = csvRows("thunderball_539.csv").mid(3019 - n);
    QByteArray official = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunder Ball,Ball Set,Machine,DrawNumber\n";
    for (qsizetype i = rows.size(); i-- > 0;) {
        const QList<QByteArray> f = rows[i].split(',');
        const QDate date = QDate::fromString(QString::fromLatin1(f[0]), Qt::ISODate);
        official += QLocale(QLocale::English).toString(date, QStringLiteral("dd-MMM-yyyy")).toLatin1();
        for (int b : {4, 1, 5, 3, 2, 6})
            official += ',' + f[b];
        official += ",T2,Excalibur 3," + QByteArray::number(3500 + i) + '\n';
    }
    dstest::TestFolder folder;
    folder.write("thunderball-draw-history.csv", official);
    const ds::ImportReport r =
        ds::importResultsFile(folder.file("thunderball-draw-history.csv"), ds::Game::Thunderball, folder.path());
    EXPECT_EQ(r.text(), "150 results added, 0 already in the results file, 0 skipped.");
    QByteArray want = shipped.bytes().right(n * ds::ThunderRecordSize);
    want[0] = char(n); // record 1 carries the count
    want[1] = 0;
    EXPECT_EQ(folder.read("thresult39.exe"), want);
    EXPECT_FALSE(folder.exists("thresult.exe"));
}

// The results file of the later Irish eras as it comes (its era column
// ignored, each row's date deciding), imported into a folder holding the
// 6 from 42 history only: each later era's history comes out as the build
// ships it, IR.exe untouched. A draw 2 row is Lotto Plus 1, right after the
// main draw of its date.
TEST(ShippedHistories, TheLaterIrishErasImportedIntoAFolderWithoutThem)
{
    dstest::TestFolder shipped, folder;
    build(shipped, "irish", "irish_lotto_642.csv", "IR.exe");
    const QByteArray ir = shipped.read("IR.exe");
    for (const char *name : {"IR45.exe", "IR47.exe", "IR45b.exe"})
        build(shipped, "irish", "irish_lotto_645_647.csv", name);
    folder.write("IR.exe", ir);
    const ds::ImportReport r = ds::importResultsFile(historyCsv("irish_lotto_645_647.csv"), ds::Game::Irish, folder.path());
    EXPECT_TRUE(r.succeeded() && r.skipped == 0 && r.present == 0) << r.text().toStdString();
    EXPECT_EQ(r.added, 2082 + 2081);
    EXPECT_EQ(folder.read("IR.exe"), ir);
    for (const char *name : {"IR45.exe", "IR47.exe", "IR45b.exe"})
        EXPECT_EQ(folder.read(name), shipped.read(name)) << name;

    ds::DrawHistory h;
    ASSERT_EQ(h.load(folder.file("IR45b.exe")), ds::ReadStatus::Ok);
    const int monday = h.findFirst("07092026");
    ASSERT_EQ(h.findLast("07092026"), monday + 1);
    EXPECT_EQ(h.record(monday).main, (std::array<qint16, 6>{15, 20, 21, 24, 28, 34}));
    EXPECT_EQ(h.record(monday).bonus, 43);
    EXPECT_EQ(h.record(monday + 1).main, (std::array<qint16, 6>{7, 12, 15, 24, 26, 40}));
    EXPECT_EQ(h.record(monday + 1).bonus, 19);
    // The one date without its Plus 1 draw.
    ASSERT_EQ(h.load(folder.file("IR45.exe")), ds::ReadStatus::Ok);
    EXPECT_EQ(h.findFirst("15082007"), h.findLast("15082007"));
}
