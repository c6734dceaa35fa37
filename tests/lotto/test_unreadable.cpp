// Files that exist but cannot be read (a folder where the file should be:
// that fails for every user, root included) are reported as unreadable by
// every window that reads them, never taken as empty, and nothing is written.
#include "support/mainfixture.h"

#include <QDir>
#include <QRadioButton>

using namespace dstest;

namespace {

const QByteArray Key("05061999");
const QByteArray History = historyFile({drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9)});
const QByteArray Entries = entryRecord(Key, {1, 2, 4, 5, 6, 8}) + entryRecord(Key, {3, 7, 9, 12, 21, 30});
const QString EntriesUnreadable = QStringLiteral("The selections file could not be read.");
const QString HistoryUnreadable = QStringLiteral("The draw history file could not be read.");

} // namespace

class UnreadableFiles : public MainFixture {
protected:
    // A draw and a selections date on display, then `name` turned into a folder.
    void openThenBreak(const QString &name)
    {
        dir.write("UK.exe", History);
        dir.write("UK05061999.lot", Entries);
        start();
        chooseDraw(5, 6, 1999);
        chooseSelections(5, 6, 1999);
        ASSERT_EQ(list2()->count(), 2);
        fakes.dialogs.clear();
        ASSERT_TRUE(QFile::remove(dir.file(name)));
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
    }
    QListWidget *list2() { return child<QListWidget>(&w(), "List2"); }
    QListWidget *list1() { return child<QListWidget>(&w(), "List1"); }
};

TEST_F(UnreadableFiles, StatisticsSayTheHistoryCannotBeReadNotThatItIsEmpty)
{
    struct Case {
        const char *menu;
        const char *file;
        bool folder;
        QString message;
    } cases[] = {
        {"mnuUKstats", "UK.exe", true, HistoryUnreadable},
        {"mnuIRstats", "IR.exe", true, HistoryUnreadable},
        {"mnuUKstats", "UK.exe", false,
         QStringLiteral("You do not have any entries in the results file, no stats can be determined")},
    };
    start();
    for (const Case &c : cases) {
        if (c.folder)
            QDir(dir.path()).mkdir(c.file);
        fakes.dialogs.clear();
        trigger(&w(), c.menu);
        EXPECT_EQ(fakes.dialogs.messages, QStringList{c.message}) << c.menu;
        QWidget *statistics = topLevel("Form4");
        EXPECT_TRUE(!statistics || !statistics->isVisible()) << c.menu;
        EXPECT_TRUE(w().isVisible());
        QDir(dir.path()).rmdir(c.file);
    }
}

TEST_F(UnreadableFiles, CheckKeepsTheListsAndSaysSo)
{
    openThenBreak("UK05061999.lot");
    click(&w(), "Command4");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{EntriesUnreadable});
    EXPECT_TRUE(fakes.dialogs.news.isEmpty()) << "no \"No wins this time!\"";
    EXPECT_EQ(list1()->count(), 0);
    EXPECT_EQ(lines(list2()), (QStringList{"01 02 04 05 06 08 ( )", "03 07 09 12 21 30 ( )"}));
    EXPECT_FALSE(state.checked);
}

TEST_F(UnreadableFiles, DeletingAnEntrySaysTheFileCannotBeReadAndKeepsTheLine)
{
    openThenBreak("UK05061999.lot");
    list2()->setCurrentRow(1);
    click(&w(), "Command11");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{EntriesUnreadable});
    EXPECT_EQ(list2()->count(), 2);
    EXPECT_EQ(state.entryCount, 2);
    EXPECT_EQ(fakes.program.ended, 0);
}

TEST_F(UnreadableFiles, DeletingTheDrawSaysTheHistoryCannotBeReadAndNeverEndsTheProgram)
{
    openThenBreak("UK.exe");
    fakes.dialogs.answer(true);
    click(&w(), "Command6");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{HistoryUnreadable});
    EXPECT_EQ(fakes.program.ended, 0);
    EXPECT_FALSE(child<QLineEdit>(&w(), "Text1")->text().isEmpty()) << "the draw stays on display";
}

TEST_F(UnreadableFiles, AddingEntriesByHandOrSuggestionWritesNothing)
{
    struct Case {
        const char *broken;
        bool suggest;
        QString message;
    } cases[] = {
        {"UK05061999.lot", false, EntriesUnreadable},
        {"UK05061999.lot", true, EntriesUnreadable},
        {"UK.exe", true, HistoryUnreadable},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.broken) + (c.suggest ? " suggest" : " by hand"));
        window.reset();
        for (const char *name : {"UK.exe", "UK05061999.lot"})
            QDir(dir.path()).rmdir(name);
        openThenBreak(c.broken);
        click(&w(), "Command3"); // Maintain
        if (c.suggest) {
            child<QRadioButton>(&w(), "Option1")->setChecked(true);
            type(&w(), "Text10", "3");
            click(&w(), "Command10");
        } else {
            const char *names[6] = {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"};
            for (int i = 0; i < 6; ++i)
                type(&w(), names[i], QString::number(10 + i));
            click(&w(), "Command9");
        }
        EXPECT_EQ(fakes.dialogs.messages, QStringList{c.message});
        EXPECT_EQ(list2()->count(), 2);
        EXPECT_EQ(state.entryCount, 2);
        if (QString::fromLatin1(c.broken) == "UK.exe") {
            EXPECT_EQ(dir.read("UK05061999.lot"), Entries);
        }
    }
}
