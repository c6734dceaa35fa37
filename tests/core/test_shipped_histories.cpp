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
#include <QSet>
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

// The rows of a results file of the data folder, without its heading.
QList<QByteArray> csvRows(const QString &name)
{
    QFile f(historyCsv(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    QList<QByteArray> rows = f.readAll().trimmed().split('\n');
    rows.removeFirst();
    return rows;
}

// Every shipped history, built once into one folder as the build makes it.
class ShippedHistories : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        shipped = new dstest::TestFolder;
        const std::tuple<const char *, const char *, const char *> builds[] = {
            {"uk", "uk_lotto_649.csv", "UK.exe"},
            {"uk", "uk_lotto_659.csv", "UK59.exe"},
            {"uk", "uk_lotto_659_two_rounds.csv", "UK59.exe"}, // merged into the one before
            {"irish", "irish_lotto_642.csv", "IR.exe"},
            {"irish", "irish_lotto_645_647.csv", "IR45.exe"},
            {"irish", "irish_lotto_645_647.csv", "IR47.exe"},
            {"irish", "irish_lotto_645_647.csv", "IR45b.exe"},
            {"thunderball", "thunderball_534.csv", "thresult.exe"},
            {"thunderball", "thunderball_539.csv", "thresult39.exe"},
        };
        for (const auto &[game, csv, file] : builds) {
            QStringList args{"--strict", "--game", game, historyCsv(csv), shipped->file(file)};
            if (QByteArray(csv) == "irish_lotto_645_647.csv") // a file of several eras
                args.prepend(QStringLiteral("--pass-other-eras"));
            const ConverterRun r = convert(args);
            EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
        }
    }
    static void TearDownTestSuite() { delete shipped; }

    // The date of each record of a shipped history, as ddMMyyyy.
    static QStringList datesOf(const QString &name)
    {
        QStringList dates;
        if (name.startsWith(QStringLiteral("thresult"))) {
            ds::ThunderResultsFile f;
            EXPECT_EQ(f.load(shipped->file(name)), ds::ReadStatus::Ok);
            for (const ds::ThunderResult &r : f.results())
                dates << r.date().toString(QStringLiteral("ddMMyyyy"));
        } else {
            ds::DrawHistory h;
            EXPECT_EQ(h.load(shipped->file(name)), ds::ReadStatus::Ok);
            for (const ds::Draw &d : h.draws())
                dates << d.dateKey();
        }
        return dates;
    }

    static dstest::TestFolder *shipped;
};

dstest::TestFolder *ShippedHistories::shipped = nullptr;

} // namespace

// Each history's draws, first and last date, and dates of two draws; date
// order and sorted numbers follow from the round trip below.
TEST_F(ShippedHistories, CountsFirstAndLastDatesAndTheSecondDrawsOfEachHistory)
{
    const std::tuple<const char *, qsizetype, const char *, const char *, int> cases[] = {
        {"UK.exe", 2065, "19111994", "07102015", 0},
        {"UK59.exe", 1113 + 66, "10102015", "30092026", 33},
        {"IR.exe", 1882, "24091994", "01112006", 628},
        {"IR45.exe", 922 + 921, "04112006", "02092015", 921},
        {"IR47.exe", 1148 + 1148, "05092015", "02092026", 1148},
        {"IR45b.exe", 12 + 12, "05092026", "30092026", 12},
        {"thresult.exe", 964, "12061999", "08052010", 0},
        {"thresult39.exe", 3019, "12052010", "30092026", 0},
    };
    for (const auto &[file, count, first, last, seconds] : cases) {
        const QStringList dates = datesOf(file);
        ASSERT_EQ(dates.size(), count) << file;
        EXPECT_EQ(dates.front(), first) << file;
        EXPECT_EQ(dates.back(), last) << file;
        EXPECT_EQ(dates.size() - QSet<QString>(dates.begin(), dates.end()).size(), seconds) << file;
    }
}

TEST_F(ShippedHistories, ConverterNeverOverwritesAnExistingHistory)
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

TEST_F(ShippedHistories, ConverterRefusalsAndStrictMode)
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

    // Without it the good lines go in.
    EXPECT_EQ(convert(merge).exitCode, 0);
    EXPECT_EQ(dir.read("UK.exe"), dstest::countRecord(1) + dstest::drawRecord("05061999", {1, 2, 3, 4, 5, 6}, 7));

    EXPECT_EQ(convert({"--game", "euro"}).exitCode, 2); // wrong usage
}

// Exports the shipped histories of each game and imports the file into an
// empty folder: every era's history comes out byte for byte as it went in.
TEST_F(ShippedHistories, EachGameExportedAndImportedIntoAnEmptyFolderIsTheSame)
{
    for (const ds::Game game : {ds::Game::UK, ds::Game::Irish, ds::Game::Thunderball}) {
        dstest::TestFolder exported, empty;
        const QString file = exported.file("results.csv");
        const ds::links::ExportResult out = ds::links::exportResults(game, shipped->path(), file);
        ASSERT_TRUE(out.written) << out.text.toStdString();
        const ds::ImportReport in = ds::importResultsFile(file, game, empty.path());
        EXPECT_TRUE(in.succeeded() && in.skipped == 0 && in.present == 0) << in.text().toStdString();
        for (const ds::Era &era : ds::erasOf(game)) {
            const QString name = ds::files::history(era);
            EXPECT_FALSE(shipped->read(name).isEmpty()) << "the shipped history of each era: " << name.toStdString();
            EXPECT_EQ(empty.read(name), shipped->read(name)) << name.toStdString();
        }
    }
}

// The official Thunderball download (newest first, balls in drawn order)
// gives the shipped 5 from 39 records of its draws, in date order.
TEST_F(ShippedHistories, TheOfficialThunderballDownloadGivesTheShippedFiveFromThirtyNineRecords)
{
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
    QByteArray want = shipped->read("thresult39.exe").right(n * ds::ThunderRecordSize);
    want[0] = char(n); // record 1 carries the count
    want[1] = 0;
    EXPECT_EQ(folder.read("thresult39.exe"), want);
    EXPECT_FALSE(folder.exists("thresult.exe"));
}
