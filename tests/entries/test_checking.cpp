#include "entries/checking.h"
#include "entries/listprint.h"
#include "support/mainfixture.h"

#include <QRadioButton>

using namespace ds;
using namespace dstest;

namespace {

const DrawNumbers TheDraw{3, 7, 12, 21, 30, 45, 9};

QString tier(Numbers6 entry, bool irish, bool all)
{
    return tierText(matchEntry(entry, TheDraw), irish ? Game::Irish : Game::UK, all);
}

} // namespace

TEST(Tiers, EachTierOfBothGames)
{
    struct Case { Numbers6 entry; const char *uk; const char *irish; bool ukWin; bool irishWin; };
    const Case cases[] = {
        {{3, 40, 41, 42, 43, 44}, "(1)", "(1)", false, false},
        {{3, 9, 41, 42, 43, 44}, "(1 +Bonus)", "(1 +Bonus)", false, false},
        {{3, 7, 41, 42, 43, 44}, "(2)", "(2)", false, false},
        {{3, 7, 9, 42, 43, 44}, "(2 +Bonus)", "(2 +Bonus)", false, false},
        {{3, 7, 12, 42, 43, 44}, "(3 Match)", "", true, false},
        {{3, 7, 9, 12, 43, 44}, "(3 Match)", "(3 + Bonus)", true, true},
        {{3, 7, 12, 21, 43, 44}, "(4 Match)", "(4 Match)", true, true},
        {{3, 7, 9, 12, 21, 44}, "(4 Match)", "(4 + Bonus)", true, true},
        {{3, 7, 12, 21, 30, 44}, "(5 Match)", "(5 Match)", true, true},
        {{3, 7, 9, 12, 21, 30}, "(5 + Bonus)", "(5 + Bonus)", true, true},
        {{3, 7, 12, 21, 30, 45}, "(6 Match)", "(6 Match)", true, true},
        {{1, 2, 4, 5, 6, 8}, "", "", false, false},
    };
    for (const Case &c : cases) {
        const Match m = matchEntry(c.entry, TheDraw);
        EXPECT_EQ(tierText(m, Game::UK, true), QString::fromLatin1(c.uk)) << numbersText(c.entry).toStdString();
        EXPECT_EQ(tierText(m, Game::Irish, true), QString::fromLatin1(c.irish)) << numbersText(c.entry).toStdString();
        EXPECT_EQ(isWin(m, Game::UK), c.ukWin);
        EXPECT_EQ(isWin(m, Game::Irish), c.irishWin);
    }
}

TEST(Tiers, WinsOptionListsOnlyThreeOrMore)
{
    EXPECT_EQ(tier({3, 7, 41, 42, 43, 44}, false, false), "");
    EXPECT_EQ(tier({3, 7, 9, 42, 43, 44}, true, false), "");
    EXPECT_EQ(tier({3, 7, 12, 42, 43, 44}, false, false), "(3 Match)");
    EXPECT_EQ(tier({3, 7, 12, 42, 43, 44}, true, false), ""); // Irish 3 without bonus: never listed
}

TEST(Tiers, WinningLineAndDamagedEntries)
{
    const DrawNumbers d{2, 9, 17, 30, 1, 5, 44};
    const std::vector<Entry> entries{{QByteArray(8, '\0'), {2, 9, 17, 30, 41, 48}},
                                     {QByteArray(8, '\0'), {2, 2, 2, 2, 2, 2}}}; // damaged: repeats
    const CheckResult r = checkEntries(entries, d, Game::UK, false);
    ASSERT_EQ(r.winningLines.size(), 2);
    EXPECT_EQ(r.winningLines[0], "02 09 17 30 41 48 (4 Match)");
    EXPECT_EQ(r.winningLines[1], "02 02 02 02 02 02 (6 Match)");
    EXPECT_EQ(r.marked, (std::vector<int>{0, 1}));
    EXPECT_EQ(r.wins, 2);
}

TEST(ListPrinting, WinningListBreaksEvery72Lines)
{
    FakePrinter printer;
    QStringList lines;
    for (int i = 0; i < 73; ++i)
        lines << QStringLiteral("01 02 03 04 05 06 (3 Match)");
    printWinningList(printer, lines);
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto &pages = printer.jobs[0].pages;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 3 + 72);
    EXPECT_EQ(pages[0][3], QString(12, ' ') + "01 02 03 04 05 06 (3 Match)");
    EXPECT_EQ(pages[1].size(), 3 + 1);
}

// The check through the main window's controls.
class CheckWindowTest : public MainFixture {
protected:
    void openWith(const QString &remembered, const QByteArray &history, const QByteArray &entries)
    {
        const bool irish = remembered == "I";
        dir.write(irish ? "IR.exe" : "UK.exe", history);
        dir.write((irish ? QStringLiteral("IR") : QStringLiteral("UK")) + "12061999.lot", entries);
        start(remembered);
        chooseSelections(12, 6, 1999);
        chooseDraw(5, 6, 1999);
    }
    QListWidget *list(const char *name) { return child<QListWidget>(&w(), name); }
};

namespace {
const QByteArray Key("12061999");
const QByteArray History = historyFile({drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)});
const QByteArray Entries = entryRecord(Key, {1, 2, 4, 5, 6, 8}) + entryRecord(Key, {3, 7, 9, 12, 43, 44})
    + entryRecord(Key, {3, 7, 12, 42, 43, 44}) + entryRecord(Key, {3, 7, 9, 42, 43, 44})
    + entryRecord(Key, {3, 7, 9, 12, 21, 30});
} // namespace

TEST_F(CheckWindowTest, UkCheckListsAndMarksWinners)
{
    openWith("U", History, Entries);
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")), (QStringList{"03 07 09 12 43 44 (3 Match)", "03 07 12 42 43 44 (3 Match)",
                                                  "03 07 09 12 21 30 (5 + Bonus)"}));
    EXPECT_EQ(lines(list("List2")), (QStringList{"01 02 04 05 06 08 ( )", "03 07 09 12 43 44 (*)",
                                                  "03 07 12 42 43 44 (*)", "03 07 09 42 43 44 ( )",
                                                  "03 07 09 12 21 30 (*)"}));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(state.checked);

    // A second check starts from the unmarked list and gives the same lists.
    const QStringList winners = lines(list("List1")), marked = lines(list("List2"));
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")), winners);
    EXPECT_EQ(lines(list("List2")), marked);
}

TEST_F(CheckWindowTest, IrishCheckWithAll)
{
    openWith("I", History, Entries);
    child<QRadioButton>(&w(), "Option3")->setChecked(true);
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")), (QStringList{"03 07 09 12 43 44 (3 + Bonus)", "03 07 09 42 43 44 (2 +Bonus)",
                                                  "03 07 09 12 21 30 (5 + Bonus)"}));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(CheckWindowTest, OnlySmallMatchesUnderAllIsNoWin)
{
    openWith("U", History, entryRecord(Key, {3, 7, 9, 42, 43, 44}) + entryRecord(Key, {3, 40, 41, 42, 43, 44}));
    child<QRadioButton>(&w(), "Option3")->setChecked(true);
    click(&w(), "Command4");
    EXPECT_EQ(lines(list("List1")), (QStringList{"03 07 09 42 43 44 (2 +Bonus)", "03 40 41 42 43 44 (1)"}));
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"No wins this time!"});
}

TEST_F(CheckWindowTest, ChecksTheDrawOnDisplay)
{
    start();
    click(&w(), "Command4");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There are no entries to check against!"});
    EXPECT_FALSE(state.checked);
}

TEST_F(CheckWindowTest, PrintWinningListAndClear)
{
    openWith("U", History, Entries);
    click(&w(), "Command15");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There is no list to print!"});
    click(&w(), "Command4");
    click(&w(), "Command15");
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages[0].value(3), QString(12, ' ') + "03 07 09 12 43 44 (3 Match)");
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
    click(&w(), "Command5");
    EXPECT_EQ(list("List1")->count(), 0);
    // Print List prints the marks of the check.
    click(&w(), "Command13");
    ASSERT_EQ(fakes.printer.jobs.size(), 2u);
    EXPECT_EQ(fakes.printer.jobs[1].pages[0].value(4), QString(16, ' ') + "03 07 09 12 43 44 (*)");
}
