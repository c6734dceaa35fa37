#include "support/mainfixture.h"

using namespace dstest;

class ImportMenuTest : public MainFixture {};

TEST_F(ImportMenuTest, ImportsTheChosenFileIntoTheCurrentGame)
{
    dir.write("UK.exe", historyFile({drawRecord("19111994", {3, 5, 14, 22, 30, 44}, 10)}));
    dir.write("results.csv", "date,n1,n2,n3,n4,n5,n6,bonus\r\n"
                             "1994-11-26,44,6,12,15,16,31,37\r\n"
                             "1994-11-19,3,5,14,22,30,44,10\r\n"
                             "2016-01-02,1,2,3,4,5,6,7\r\n");
    start();
    fakes.dialogs.answerFile(dir.file("results.csv"));
    trigger(&w(), "mnuImport");
    EXPECT_TRUE(fakes.dialogs.messages.value(0).startsWith("1 draw added, 1 already in the history, 1 skipped."));
    EXPECT_EQ(dir.read("UK.exe"), historyFile({drawRecord("19111994", {3, 5, 14, 22, 30, 44}, 10),
                                               drawRecord("26111994", {6, 12, 15, 16, 31, 44}, 37)}));
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
}

TEST_F(ImportMenuTest, AFileOfTheOtherGameIsRefusedWhole)
{
    dir.write("results.csv", "date,n1,n2,n3,n4,n5,n6,bonus\n1994-11-26,6,12,15,16,31,44,37\n");
    start("I");
    fakes.dialogs.answerFile(dir.file("results.csv"));
    trigger(&w(), "mnuImport");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"This file holds UK Lotto results, not Irish Lotto results."});
    EXPECT_FALSE(dir.exists("IR.exe"));
}

TEST_F(ImportMenuTest, CancellingTheFileDialogDoesNothing)
{
    start();
    trigger(&w(), "mnuImport");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_FALSE(dir.exists("UK.exe"));
}
