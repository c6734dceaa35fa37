#include "core/appstate.h"
#include "core/paths.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace ds;

TEST(Paths, FindsFilesWhateverTheirLetterCase)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("UK.EXE"), "x");
    dir.write(QStringLiteral("standuk.LOT"), "y");
    EXPECT_EQ(resolveInFolder(dir.path(), QStringLiteral("UK.exe")), dir.file(QStringLiteral("UK.EXE")));
    EXPECT_TRUE(existsInFolder(dir.path(), QStringLiteral("StandUK.lot")));
    EXPECT_FALSE(existsInFolder(dir.path(), QStringLiteral("StandIR.lot")));
    // A name that is not there comes back as given, ready to be created.
    EXPECT_EQ(resolveInFolder(dir.path(), QStringLiteral("IR.exe")), dir.file(QStringLiteral("IR.exe")));
}

TEST(Paths, StateBuildsHistoryPathOfCountry)
{
    dstest::TestFolder dir;
    AppState s;
    s.programFolder = dir.path();
    s.countryCode = QStringLiteral("IR");
    EXPECT_EQ(s.historyPath(), dir.file(QStringLiteral("IR.exe")));
}
