// Where the program keeps its files: its own folder when that holds the draw
// histories, otherwise the player's data folder filled from the shipped files.
#include "core/programfolder.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using dstest::TestFolder;

namespace {

// Writes a file, creating the folders on its path.
void put(const TestFolder &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(dir.file(name)).absolutePath());
    dir.write(name, bytes);
}

} // namespace

TEST(ProgramFolderRule, TheExecutablesFolderWhenItHoldsAnyDrawHistory)
{
    struct Case {
        const char *files; // files in the executable's folder, comma separated
        bool own;
    } cases[] = {
        {"uk.EXE", true},          // found whatever its letter case
        {"IR.exe", true},          // the player removed the others: still this folder
        {"THRESULT.EXE", true},
        {"", false},               // an installed program's bin folder
        {"drawsmith,UK.lot", false}, // an entry file is not a history
        {"UK.exe.bak", false},
    };
    for (const Case &c : cases) {
        TestFolder exe;
        for (const QString &name : QString::fromLatin1(c.files).split(QLatin1Char(','), Qt::SkipEmptyParts))
            exe.write(name, "x");
        const ds::ProgramFolderChoice choice =
            ds::chooseProgramFolder(exe.path(), "/p/share/drawsmith", "/home/pat/.local/share/D");
        SCOPED_TRACE(c.files);
        EXPECT_EQ(choice.perUser, !c.own);
        if (c.own) {
            EXPECT_EQ(choice.folder, QDir::cleanPath(exe.path()));
            EXPECT_TRUE(choice.shippedFolder.isEmpty());
            EXPECT_TRUE(choice.rule.contains(QDir::toNativeSeparators(exe.path())));
        } else {
            EXPECT_EQ(choice.folder + choice.shippedFolder, "/home/pat/.local/share/D/p/share/drawsmith");
            EXPECT_TRUE(choice.rule.contains("/home/pat/.local/share/D") && choice.rule.contains("/p/share/drawsmith"));
        }
    }
}

TEST(ProgramFolderFill, CopiesWhatIsMissingWritableAndNeverOverwrites)
{
    TestFolder shipped;
    TestFolder user;
    shipped.write("UK.exe", "shipped UK");
    shipped.write("IR.exe", "shipped IR");
    shipped.write("thresult.exe", "shipped TH");
    put(shipped, "wheels/w6.dat", "wheel six");
    put(shipped, "help/index.html", "help");
    // Installed files may be read-only (a package's files belong to root).
    QFile::setPermissions(shipped.file("IR.exe"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);

    // The player's own files: a history with draws stored (under another
    // letter case), a changed wheel table, an entry file.
    user.write("uk.EXE", "player's UK");
    put(user, "WHEELS/W6.DAT", "player's wheel");
    user.write("UK05061999.lot", "entries");

    const ds::FillResult r = ds::fillProgramFolder(shipped.path(), user.path());
    EXPECT_EQ(r.copied, (QStringList{"IR.exe", "help/index.html", "thresult.exe"}));
    EXPECT_TRUE(r.failed.isEmpty());
    EXPECT_TRUE(QFileInfo(user.file("IR.exe")).permission(QFileDevice::WriteOwner));
    EXPECT_EQ(user.read("uk.EXE"), "player's UK");
    EXPECT_EQ(user.read("WHEELS/W6.DAT"), "player's wheel");
    EXPECT_FALSE(QFileInfo::exists(user.file("wheels")));
    EXPECT_EQ(user.read("help/index.html"), "help");
    // No temporary copies left behind.
    EXPECT_EQ(QDir(user.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"IR.exe", "UK05061999.lot", "thresult.exe", "uk.EXE"}));

    // A second start copies nothing; a shipped file the player deleted comes back.
    EXPECT_TRUE(ds::fillProgramFolder(shipped.path(), user.path()).copied.isEmpty());
    QFile::remove(user.file("IR.exe"));
    EXPECT_EQ(ds::fillProgramFolder(shipped.path(), user.path()).copied, QStringList{"IR.exe"});
}

TEST(ProgramFolderFill, CreatesTheFolderAndReportsWhatItCouldNotCopy)
{
    TestFolder shipped;
    TestFolder root;
    shipped.write("UK.exe", "shipped");
    put(shipped, "wheels/w6.dat", "wheel");
    EXPECT_EQ(ds::fillProgramFolder(shipped.path(), root.file("new/data")).copied,
              (QStringList{"UK.exe", "wheels/w6.dat"}));
    EXPECT_EQ(root.read("new/data/UK.exe"), "shipped");

    // Where a file stands in place of the wheels folder nothing can go there;
    // the rest is still copied.
    TestFolder blocked;
    blocked.write("wheels", "not a folder");
    const ds::FillResult r = ds::fillProgramFolder(shipped.path(), blocked.path());
    EXPECT_EQ(r.copied, QStringList{"UK.exe"});
    EXPECT_EQ(r.failed, QStringList{"wheels/w6.dat"});
    EXPECT_EQ(blocked.read("wheels"), "not a folder");

    // No shipped folder (a program copied alone): nothing to do.
    TestFolder empty;
    EXPECT_TRUE(ds::fillProgramFolder(root.file("absent"), empty.path()).copied.isEmpty());
    EXPECT_TRUE(QDir(empty.path()).isEmpty());
}
