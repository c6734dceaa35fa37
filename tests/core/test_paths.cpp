#include "core/appstate.h"
#include "core/paths.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace ds;

TEST(Paths, FindsFilesWhateverTheirLetterCaseAndTheHistoryOfTheCountry)
{
    dstest::TestFolder dir;
    dir.write("UK.EXE", "x");
    dir.write("standuk.LOT", "y");
    EXPECT_EQ(resolveInFolder(dir.path(), "UK.exe"), dir.file("UK.EXE"));
    EXPECT_TRUE(existsInFolder(dir.path(), "StandUK.lot"));
    EXPECT_FALSE(existsInFolder(dir.path(), "StandIR.lot"));
    AppState s;
    s.programFolder = dir.path();
    s.countryCode = "UK";
    EXPECT_EQ(s.historyPath(s.eraOf("05061999")), dir.file("UK.EXE"));
    // A name that is not there comes back as given, ready to be created.
    s.countryCode = "IR";
    EXPECT_EQ(s.historyPath(firstEra(s.game())), dir.file("IR.exe"));
}
