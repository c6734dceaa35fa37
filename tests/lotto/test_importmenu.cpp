#include "support/mainfixture.h"

using namespace dstest;

class ImportMenuTest : public MainFixture {};

// The chosen file goes into the current game's history and the report comes
// as news; a file of the other game is refused as a warning and nothing is
// written. What is read, merged and refused is the core's (ResultsImport).
TEST_F(ImportMenuTest, ImportsTheChosenFileIntoTheCurrentGameOnly)
{
    const QByteArray held = historyFile({drawRecord("19111994", {3, 5, 14, 22, 30, 44}, 10)});
    dir.write("UK.exe", held);
    dir.write("results.csv", "date,n1,n2,n3,n4,n5,n6,bonus\r\n"
                             "1994-11-26,44,6,12,15,16,31,37\r\n"
                             "1994-11-19,3,5,14,22,30,44,10\r\n"
                             "2016-01-02,1,2,3,4,5,6,7\r\n");
    start();
    trigger(&w(), "mnuImport"); // the file dialog cancelled: nothing happens
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_EQ(dir.read("UK.exe"), held);

    fakes.dialogs.answerFile(dir.file("results.csv"));
    trigger(&w(), "mnuImport");
    // Each row goes into the history of its date's era.
    EXPECT_EQ(fakes.dialogs.news, QStringList{"2 draws added, 1 already in the history, 0 skipped.\n"
                                              "6 from 49 (19/11/1994 to 7/10/2015): 1 draw added, 1 already held.\n"
                                              "6 from 59 (from 10/10/2015): 1 draw added, 0 already held."});
    EXPECT_EQ(fakes.dialogs.messages, fakes.dialogs.news);
    EXPECT_EQ(dir.read("UK.exe"), historyFile({drawRecord("19111994", {3, 5, 14, 22, 30, 44}, 10),
                                               drawRecord("26111994", {6, 12, 15, 16, 31, 44}, 37)}));
    EXPECT_EQ(dir.read("UK59.exe"), historyFile({drawRecord("02012016", {1, 2, 3, 4, 5, 6}, 7)}));
    EXPECT_EQ(fakes.dialogs.busyCount, 1);

    trigger(&w(), "mnuIreland");
    fakes.dialogs.clear();
    fakes.dialogs.answerFile(dir.file("results.csv"));
    trigger(&w(), "mnuImport");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"This file holds UK Lotto results, not Irish Lotto results."});
    EXPECT_TRUE(fakes.dialogs.news.isEmpty());
    EXPECT_FALSE(dir.exists("IR.exe"));
}
