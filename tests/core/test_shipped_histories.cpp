// The histories that ship with the program, made by the drawsmith-import
// converter from data/history exactly as the build makes them.
#include "core/dates.h"
#include "core/drawhistory.h"
#include "support/testfolder.h"
#include "thunderball/resultsfile.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString historyCsv(const QString &name)
{
    QString data = qEnvironmentVariable("DRAWSMITH_DATA");
    if (data.isEmpty())
        data = QStringLiteral(DRAWSMITH_SOURCE_DATA);
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

// Builds a shipped history into the folder and returns its path.
QString build(const dstest::TestFolder &dir, const QString &game, const QString &csv, const QString &out)
{
    const ConverterRun r = convert({QStringLiteral("--no-overwrite"), QStringLiteral("--strict"), QStringLiteral("--game"),
                           game, historyCsv(csv), dir.file(out)});
    EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
    return dir.file(out);
}

} // namespace

TEST(ShippedHistories, UkLotto)
{
    dstest::TestFolder dir;
    ds::DrawHistory h;
    ASSERT_TRUE(h.load(build(dir, QStringLiteral("uk"), QStringLiteral("uk_lotto_649.csv"), QStringLiteral("UK.exe"))));
    ASSERT_EQ(h.count(), 2065);
    EXPECT_EQ(h.bytes().size(), 2066 * 22);
    const auto draws = h.draws();
    EXPECT_EQ(draws.front().dateKey(), QStringLiteral("19111994"));
    EXPECT_EQ(draws.back().dateKey(), QStringLiteral("07102015"));
    qint64 previous = 0;
    for (const ds::Draw &d : draws) {
        EXPECT_GT(ds::dateOrderKey(d.date), previous) << d.dateKey().toStdString();
        previous = ds::dateOrderKey(d.date);
        EXPECT_TRUE(std::is_sorted(d.main.begin(), d.main.end()));
    }
}

TEST(ShippedHistories, IrishLottoSecondDrawRightAfterItsFirst)
{
    dstest::TestFolder dir;
    ds::DrawHistory h;
    ASSERT_TRUE(h.load(build(dir, QStringLiteral("irish"), QStringLiteral("irish_lotto_642.csv"), QStringLiteral("IR.exe"))));
    ASSERT_EQ(h.count(), 1882);
    const auto draws = h.draws();
    EXPECT_EQ(draws.front().dateKey(), QStringLiteral("24091994"));
    EXPECT_EQ(draws.back().dateKey(), QStringLiteral("01112006"));
    int dates = 0, seconds = 0;
    for (size_t i = 0; i < draws.size(); ++i) {
        const qint64 key = ds::dateOrderKey(draws[i].date);
        if (i > 0) {
            const qint64 before = ds::dateOrderKey(draws[i - 1].date);
            EXPECT_GE(key, before);
            if (key == before) {
                ++seconds;
                // Never a third draw of a date.
                EXPECT_TRUE(i < 2 || ds::dateOrderKey(draws[i - 2].date) != key);
                continue;
            }
        }
        ++dates;
    }
    EXPECT_EQ(dates, 1254);
    EXPECT_EQ(seconds, 628);

    // The second draw is the one the file gives as draw 2 (first second draw).
    const int first = h.findFirst(QStringLiteral("28102000"));
    ASSERT_GT(first, 0);
    EXPECT_EQ(h.findLast(QStringLiteral("28102000")), first + 1);
}

TEST(ShippedHistories, ThunderballInDateOrder)
{
    dstest::TestFolder dir;
    ds::ThunderResultsFile f;
    ASSERT_TRUE(f.load(build(dir, QStringLiteral("thunderball"), QStringLiteral("thunderball_534.csv"),
                             ds::ThunderResultsFileName)));
    ASSERT_EQ(f.count(), 964);
    EXPECT_EQ(f.bytes().size(), 964 * 22);
    const auto results = f.results();
    EXPECT_TRUE(results.front().sameDate(12, 6, 1999));
    EXPECT_TRUE(results.back().sameDate(8, 5, 2010));
    qint64 previous = 0;
    for (const ds::ThunderResult &r : results) {
        const qint64 key = qint64(r.year) * 10000 + r.month * 100 + r.day;
        EXPECT_GT(key, previous);
        previous = key;
        EXPECT_TRUE(std::is_sorted(r.main.begin(), r.main.end()) && r.thunderball >= 1 && r.thunderball <= 14);
    }
}

TEST(ShippedHistories, ConverterNeverOverwritesAnExistingHistory)
{
    // The player's file (whatever its letter case: uk.exe is UK.exe; even
    // empty) stays as it is, and no other file is made beside it.
    const QByteArray players = dstest::countRecord(1) + dstest::drawRecord("05061999", {1, 2, 3, 4, 5, 6}, 7);
    const std::tuple<QString, QByteArray, const char *, const char *, QString> cases[] = {
        {QStringLiteral("UK.exe"), players, "uk", "uk_lotto_649.csv", QStringLiteral("UK.exe")},
        {QStringLiteral("ir.EXE"), QByteArray("x"), "irish", "irish_lotto_642.csv", QStringLiteral("IR.exe")},
        {ds::ThunderResultsFileName, QByteArray(), "thunderball", "thunderball_534.csv", ds::ThunderResultsFileName},
    };
    for (const auto &[existing, bytes, game, csv, target] : cases) {
        dstest::TestFolder dir;
        dir.write(existing, bytes);
        const ConverterRun r = convert({QStringLiteral("--no-overwrite"), QStringLiteral("--game"), QString::fromLatin1(game),
                                        historyCsv(QString::fromLatin1(csv)), dir.file(target)});
        EXPECT_EQ(r.exitCode, 0) << game;
        EXPECT_EQ(dir.read(existing), bytes) << game;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{existing}) << game;
    }
}

TEST(ShippedHistories, ConverterRefusalsAndStrictMode)
{
    dstest::TestFolder dir;
    // Wrong game: refused, nothing written.
    ConverterRun r = convert({QStringLiteral("--game"), QStringLiteral("irish"), historyCsv(QStringLiteral("uk_lotto_649.csv")),
                     dir.file(QStringLiteral("IR.exe"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.output.contains(QStringLiteral("This file holds UK Lotto results, not Irish Lotto results.")));
    EXPECT_FALSE(dir.exists(QStringLiteral("IR.exe")));

    // A skipped line under --strict: nothing written.
    dir.write(QStringLiteral("bad.csv"), "date,n1,n2,n3,n4,n5,n6,bonus\n1999-06-05,1,2,3,4,5,6,7\n1999-06-12,1,2,3,4,5,6,60\n");
    r = convert({QStringLiteral("--strict"), QStringLiteral("--game"), QStringLiteral("uk"),
                 dir.file(QStringLiteral("bad.csv")), dir.file(QStringLiteral("UK.exe"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.output.contains(QStringLiteral("Line 3: bonus ball 60 is outside 1 to 49")));
    EXPECT_FALSE(dir.exists(QStringLiteral("UK.exe")));

    // Without it the good lines go in, and a second run merges.
    r = convert({QStringLiteral("--game"), QStringLiteral("uk"), dir.file(QStringLiteral("bad.csv")),
                 dir.file(QStringLiteral("UK.exe"))});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(dir.read(QStringLiteral("UK.exe")),
              dstest::countRecord(1) + dstest::drawRecord("05061999", {1, 2, 3, 4, 5, 6}, 7));
    r = convert({QStringLiteral("--game"), QStringLiteral("uk"), dir.file(QStringLiteral("bad.csv")),
                 dir.file(QStringLiteral("UK.exe"))});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.output.contains(QStringLiteral("0 draws added, 1 already in the history, 1 skipped.")));

    EXPECT_EQ(convert({QStringLiteral("--game"), QStringLiteral("euro")}).exitCode, 2); // wrong usage
}
