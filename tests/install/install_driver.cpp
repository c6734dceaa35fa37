// The start-up of a copy installed into a temporary prefix (install_test.sh
// names it in DRAWSMITH_TEST_PREFIX and gives the run a private HOME).
#include "app/startup.h"
#include "core/drawhistory.h"
#include "support/mainfixture.h"
#include "thunderball/thunderrecords.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

using namespace dstest;

namespace {

// A date after the shipped histories: its draw goes into the 6 from 59 history.
const QString StoredKey = QStringLiteral("03102026");
const std::array<qint16, 6> StoredMain{4, 8, 15, 16, 23, 42};
const qint16 StoredBonus = 7;

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Installed : public MainFixture {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(prefix().isEmpty()) << "run through install_test.sh";
        ds::identifyApplication();
    }
    void TearDown() override
    {
        MainFixture::TearDown();
        EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << fakes.dialogs.messages.join(" | ").toStdString();
    }
    static QString prefix() { return qEnvironmentVariable("DRAWSMITH_TEST_PREFIX"); }
    static QString userFolder() { return QDir::home().filePath(QStringLiteral(".local/share/Drawsmith/Drawsmith")); }
    static QString shipped(const QString &name) { return prefix() + QStringLiteral("/share/drawsmith/") + name; }

    // What main() does, on the installed executable's folder.
    void startInstalled()
    {
        choice = ds::settleProgramFolder(state, prefix() + QStringLiteral("/bin"));
        window = std::make_unique<ds::MainWindow>(state, fakes.platform());
        window->show();
    }
    static int storedRecord(ds::DrawHistory &h)
    {
        return ds::usable(h.load(userFolder() + QStringLiteral("/UK59.exe"))) ? h.findFirst(StoredKey) : -1;
    }

    ds::ProgramFolderChoice choice;
};

} // namespace

TEST_F(Installed, FirstStartWorksInThePlayersFolderAndStoresADraw)
{
    startInstalled();
    EXPECT_EQ(state.programFolder, userFolder());
    EXPECT_EQ(QFileInfo(choice.shippedFolder).canonicalFilePath(),
              QFileInfo(prefix() + QStringLiteral("/share/drawsmith")).canonicalFilePath());
    EXPECT_TRUE(QApplication::windowIcon().availableSizes().contains(QSize(256, 256)));

    const QByteArray shippedUk = readFile(shipped(QStringLiteral("UK59.exe")));
    ASSERT_EQ(readFile(userFolder() + QStringLiteral("/UK59.exe")), shippedUk);
    ds::DrawHistory h;
    ASSERT_EQ(storedRecord(h), 0) << "the shipped history already holds the draw";

    chooseDraw(3, 10, 2026);
    ASSERT_TRUE(dialog()->isVisible()) << "the numbers face should ask for the draw";
    enterNumbers({"4", "8", "15", "16", "23", "42", "7"});
    EXPECT_FALSE(dialog()->isVisible());

    EXPECT_EQ(readFile(userFolder() + QStringLiteral("/UK59.exe")).size(), shippedUk.size() + ds::DrawRecordSize);
    const int r = storedRecord(h);
    ASSERT_GT(r, 0);
    EXPECT_EQ(h.record(r).main, StoredMain);
    EXPECT_EQ(h.record(r).bonus, StoredBonus);
}

TEST_F(Installed, SecondStartKeepsTheStoredDraw)
{
    startInstalled();
    // Shown straight from the history, without asking for the numbers.
    chooseDraw(3, 10, 2026);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(state.displayedDrawDate, StoredKey);
    EXPECT_EQ(state.displayedDraw[0], 4);
    EXPECT_EQ(state.displayedDraw[6], 7);
}

// The build folder holds the shipped histories: it is the program folder,
// and the player's data folder is left alone.
TEST(BuildFolder, IsTheProgramFolder)
{
    ds::identifyApplication();
    ds::AppState state;
    const ds::ProgramFolderChoice choice = ds::settleProgramFolder(state, QStringLiteral(DRAWSMITH_BUILD_PROGRAM_DIR));
    EXPECT_FALSE(choice.perUser);
    EXPECT_EQ(state.programFolder, QDir::cleanPath(QStringLiteral(DRAWSMITH_BUILD_PROGRAM_DIR)));
    EXPECT_EQ(state.programFolderRule, choice.rule);
    EXPECT_FALSE(QFileInfo::exists(QDir::home().filePath(QStringLiteral(".local/share/Drawsmith"))));
}

class StartUp : public MainFixture {};

// Draws an earlier version stored under the wrong era, of a lotto game and of
// Thunderball, move to their era's files at start-up, and the main window says so.
TEST_F(StartUp, DrawsOfALaterEraMoveToTheirOwnFilesAndTheMainWindowSaysSo)
{
    const QByteArray old = drawRecord("03102015", {1, 2, 3, 4, 5, 6}, 7);
    const QByteArray typed = drawRecord("06062026", {31, 32, 33, 34, 35, 36}, 37);
    dir.write("UK.exe", countRecord(2) + old + typed);
    dir.write("thresult.exe", thRec(2, 0, 8, 5, 2010, {9, 10, 11, 12, 13}, 14)
                                  + thRec(0, 0, 12, 12, 2026, {1, 2, 3, 4, 34}, 6));
    ds::identifyApplication();
    ds::settleProgramFolder(state, dir.path());
    ASSERT_EQ(state.programFolder, QDir::cleanPath(dir.path()));
    window = std::make_unique<ds::MainWindow>(state, fakes.platform());
    window->show();
    EXPECT_EQ(fakes.dialogs.news,
              QStringList{"1 draw stored in UK.exe is of the 6 from 59 era and was moved to UK59.exe. 1 result stored "
                          "in thresult.exe is of the 5 from 39 era and was moved to thresult39.exe."});
    EXPECT_TRUE(fakes.dialogs.messages == fakes.dialogs.news) << fakes.dialogs.messages.join(" | ").toStdString();
    EXPECT_EQ(dir.read("UK.exe"), countRecord(1) + old);
    EXPECT_EQ(dir.read("UK59.exe"), countRecord(1) + typed);
    EXPECT_EQ(dir.read("thresult.exe"), thRec(1, 0, 8, 5, 2010, {9, 10, 11, 12, 13}, 14));
    EXPECT_EQ(dir.read("thresult39.exe"), thRec(1, 0, 12, 12, 2026, {1, 2, 3, 4, 34}, 6));
}
