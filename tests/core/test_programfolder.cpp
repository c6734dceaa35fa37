// Where the program keeps its files: its own folder when that holds the draw
// histories, otherwise the player's data folder filled from the shipped files.
#include "core/appstate.h"
#include "core/paths.h"
#include "core/programfolder.h"
#include "support/testfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using dstest::TestFolder;

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

TEST(ProgramFolderFill, CopiesWhatIsMissingWritableAndNeverOverwritesAndSaysWhatItCouldNotCopy)
{
    TestFolder shipped;
    TestFolder user;
    shipped.write("UK.exe", "shipped UK");
    shipped.write("IR.exe", "shipped IR");
    shipped.write("thresult.exe", "shipped TH");
    QDir(shipped.path()).mkdir("wheels");
    QDir(shipped.path()).mkdir("help");
    shipped.write("wheels/w6.dat", "wheel six");
    shipped.write("help/index.html", "help");
    // Installed files may be read-only (a package's files belong to root).
    QFile::setPermissions(shipped.file("IR.exe"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);

    // The player's own files: a history with draws stored (under another
    // letter case), a changed wheel table, an entry file.
    user.write("uk.EXE", "player's UK");
    QDir(user.path()).mkdir("WHEELS");
    user.write("WHEELS/W6.DAT", "player's wheel");
    user.write("UK05061999.lot", "entries");

    const ds::FillResult r = ds::fillProgramFolder(shipped.path(), user.path());
    EXPECT_EQ(r.copied, (QStringList{"IR.exe", "help/index.html", "thresult.exe"}));
    EXPECT_TRUE(r.failed.isEmpty());
    EXPECT_TRUE(QFileInfo(user.file("IR.exe")).permission(QFileDevice::WriteOwner));
    EXPECT_EQ(user.read("uk.EXE"), "player's UK");
    EXPECT_EQ(user.read("WHEELS/W6.DAT"), "player's wheel");
    EXPECT_EQ(user.read("help/index.html"), "help");
    // No temporary copies left behind.
    EXPECT_EQ(QDir(user.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{"IR.exe", "UK05061999.lot", "thresult.exe", "uk.EXE"}));

    // A second start copies nothing; a shipped file the player deleted comes back.
    EXPECT_TRUE(ds::fillProgramFolder(shipped.path(), user.path()).copied.isEmpty());
    QFile::remove(user.file("IR.exe"));
    EXPECT_EQ(ds::fillProgramFolder(shipped.path(), user.path()).copied, QStringList{"IR.exe"});

    // A folder not there yet is made; where a file stands in place of the
    // wheels folder nothing can go there, and the rest is still copied.
    TestFolder root;
    EXPECT_EQ(ds::fillProgramFolder(shipped.path(), root.file("new/data")).copied,
              (QStringList{"IR.exe", "UK.exe", "help/index.html", "thresult.exe", "wheels/w6.dat"}));
    root.write("wheels", "not a folder");
    const ds::FillResult blocked = ds::fillProgramFolder(shipped.path(), root.path());
    EXPECT_EQ(blocked.copied, (QStringList{"IR.exe", "UK.exe", "help/index.html", "thresult.exe"}));
    EXPECT_EQ(blocked.failed, QStringList{"wheels/w6.dat"});
    EXPECT_EQ(root.read("wheels"), "not a folder");
}

TEST(ProgramFolderStart, ABareCopyMakesItsFolderAndSaysWhenTheFolderCannotBeMadeOrWritten)
{
    // The executable alone: no histories beside it, no shipped files.
    TestFolder exe;
    TestFolder root;
    const QString perUser = root.file(QStringLiteral("home/.local/share/Drawsmith/Drawsmith"));
    const QDateTime now = QDateTime::currentDateTime();
    ds::ProgramFolderStart s = ds::startProgramFolder(exe.path(), root.file("no-share"), perUser, {}, now);
    EXPECT_TRUE(s.choice.perUser);
    EXPECT_EQ(s.state, ds::FolderState::Ready);
    EXPECT_TRUE(s.problem.isEmpty());
    EXPECT_TRUE(QFileInfo(perUser).isDir());
    EXPECT_TRUE(QDir(perUser).isEmpty()); // nothing of the check is left behind
    // The next start clears away what an interrupted save left there.
    QFile leftover(QDir(perUser).filePath(QStringLiteral("UK.exe.AbCdEf")));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    ASSERT_TRUE(leftover.setFileTime(now.addSecs(-3600), QFileDevice::FileModificationTime));
    leftover.close();
    s = ds::startProgramFolder(exe.path(), QString(), perUser, {QStringLiteral("UK.exe")}, now);
    EXPECT_EQ(s.leftoversRemoved, QStringList{"UK.exe.AbCdEf"});

    // A file where a folder of the path should be.
    root.write(QStringLiteral("blocked"), "x");
    const QString blocked = root.file(QStringLiteral("blocked/Drawsmith"));
    s = ds::startProgramFolder(exe.path(), QString(), blocked, {}, now);
    EXPECT_EQ(s.state, ds::FolderState::NotCreated);
    EXPECT_EQ(s.problem, QStringLiteral("The program folder %1 could not be created. Draws, entries and settings "
                                        "cannot be saved until it can be.")
                             .arg(QDir::toNativeSeparators(blocked)));
    EXPECT_EQ(root.read(QStringLiteral("blocked")), "x");

    // A folder that takes no file (a full disk; a read-only folder alike).
    {
        dstest::FileSizeLimit full(0);
        s = ds::startProgramFolder(exe.path(), QString(), perUser, {}, now);
    }
    EXPECT_EQ(s.state, ds::FolderState::NotWritable);
    EXPECT_EQ(s.problem, QStringLiteral("The program folder %1 cannot be written to. Draws, entries and settings "
                                        "cannot be saved until it can be.")
                             .arg(QDir::toNativeSeparators(perUser)));
}

TEST(SaveLeftovers, OnlyOldTemporaryCopiesOfTheProgramsOwnFilesAreRemoved)
{
    TestFolder dir;
    QDir(dir.path()).mkdir(QStringLiteral("Wheels"));
    const QDateTime now = QDateTime::currentDateTime();
    struct Case {
        const char *name;
        int ageSeconds;
        bool removed;
    } cases[] = {
        {"UK.exe.AbCdEf", 3600, true},
        {"uk05061999.LOT.qWeRtY", 900, true},   // an entry file, whatever its case; just old enough
        {"prnt.dat.XyzXyz", 899, false},        // a second copy of the program may be saving it now
        {"Wheels/J6.dat.KlMnOp", 3600, true},   // a copy of a shipped file, its folder found whatever its case
        {"UK.exe.backup", 3600, false},         // one case only: the player's own name
        {"UK.exe.BACKUP", 3600, false},
        {"UK.exe.Ab1dEf", 3600, false},         // letters only
        {"UK.exe.AbCdEfG", 3600, false},        // six of them
        {"UK.exe", 3600, false},
        {"notes.txt.AbCdEf", 3600, false},      // not one of the program's files
        {"J6.dat.AbCdEf", 3600, false},         // J6.dat is the wheels folder's
    };
    for (const Case &c : cases) {
        dir.write(c.name, "copy");
        QFile f(dir.file(c.name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(now.addSecs(-c.ageSeconds), QFileDevice::FileModificationTime));
    }
    const QStringList removed = ds::removeSaveLeftovers(
        dir.path(), {"UK.exe", "prnt.dat", "*.lot", "wheels/J6.dat"}, now);
    EXPECT_EQ(removed, (QStringList{"UK.exe.AbCdEf", "Wheels/J6.dat.KlMnOp", "uk05061999.LOT.qWeRtY"}));
    for (const Case &c : cases)
        EXPECT_EQ(dir.exists(c.name), !c.removed) << c.name;
}

TEST(Paths, FindsFilesWhateverTheirLetterCaseAndTheHistoryOfTheCountry)
{
    TestFolder dir;
    dir.write("UK.EXE", "x");
    dir.write("standuk.LOT", "y");
    EXPECT_EQ(ds::resolveInFolder(dir.path(), "UK.exe"), dir.file("UK.EXE"));
    EXPECT_TRUE(ds::existsInFolder(dir.path(), "StandUK.lot"));
    EXPECT_FALSE(ds::existsInFolder(dir.path(), "StandIR.lot"));
    ds::AppState s;
    s.programFolder = dir.path();
    s.countryCode = "UK";
    EXPECT_EQ(s.historyPath(s.eraOf("05061999")), dir.file("UK.EXE"));
    // A name that is not there comes back as given, ready to be created.
    s.countryCode = "IR";
    EXPECT_EQ(s.historyPath(ds::firstEra(s.game())), dir.file("IR.exe"));
}
