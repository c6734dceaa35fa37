// Files that exist but cannot be read (a folder where the file should be:
// that fails for every user, root included) are reported as unreadable by
// every window that reads them, never taken as empty, and nothing is written.
#include "support/mainfixture.h"

#include <QDir>
#include <QRadioButton>
#include <functional>

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
        fakes.dialogs.clear();
        QFile::remove(dir.file(name));
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
    }
    void deleteEntry()
    {
        list2()->setCurrentRow(1);
        click(&w(), "Command11");
    }
    void deleteDraw()
    {
        fakes.dialogs.answer(true);
        click(&w(), "Command6");
    }
    void addByHand()
    {
        click(&w(), "Command3"); // Maintain
        typeBoxes(&w(), {"10", "11", "12", "13", "14", "15"}, 4);
        click(&w(), "Command9");
    }
    void suggest()
    {
        click(&w(), "Command3");
        child<QRadioButton>(&w(), "Option1")->setChecked(true);
        type(&w(), "Text10", "3");
        click(&w(), "Command10");
    }
    QListWidget *list2() { return child<QListWidget>(&w(), "List2"); }
};

// Each handler over a file shown before it went bad: its message, no window
// opened, the lists, counts and draw on show as they were, other files untouched.
TEST_F(UnreadableFiles, HandlersSaySoAndKeepEverythingAsItWas)
{
    const struct {
        const char *broken;
        std::function<void()> press;
        QString message;
    } cases[] = {
        {"UK05061999.lot", [this] { click(&w(), "Command4"); }, EntriesUnreadable}, // Check
        {"UK05061999.lot", [this] { deleteEntry(); }, EntriesUnreadable},
        {"UK05061999.lot", [this] { addByHand(); }, EntriesUnreadable},
        {"UK05061999.lot", [this] { suggest(); }, EntriesUnreadable},
        {"UK.exe", [this] { deleteDraw(); }, HistoryUnreadable},
        {"UK.exe", [this] { suggest(); }, HistoryUnreadable},
        {"UK.exe", [this] { trigger(&w(), "mnuUKstats"); }, HistoryUnreadable},
        {"IR.exe", [this] { trigger(&w(), "mnuIRstats"); }, HistoryUnreadable},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.broken << ", case " << (&c - cases));
        window.reset();
        for (const char *name : {"UK.exe", "IR.exe", "UK05061999.lot"})
            QDir(dir.path()).rmdir(name);
        openThenBreak(c.broken);
        c.press();
        EXPECT_EQ(fakes.dialogs.messages, QStringList{c.message});
        EXPECT_TRUE(fakes.dialogs.news.isEmpty()) << "no \"No wins this time!\"";
        QWidget *statistics = topLevel("Form4");
        EXPECT_TRUE(w().isVisible() && (!statistics || !statistics->isVisible())) << "a statistics window";
        EXPECT_EQ(child<QListWidget>(&w(), "List1")->count(), 0);
        EXPECT_EQ(lines(list2()), (QStringList{"01 02 04 05 06 08 ( )", "03 07 09 12 21 30 ( )"}));
        EXPECT_EQ(state.entryCount, 2);
        EXPECT_FALSE(state.checked);
        EXPECT_EQ(fakes.program.ended, 0);
        EXPECT_EQ(child<QLineEdit>(&w(), "Text1")->text(), "5/6/1999") << "the draw stays on display";
        for (const auto &[name, bytes] : {std::pair("UK.exe", History), std::pair("UK05061999.lot", Entries)}) {
            if (QLatin1String(name) != QLatin1String(c.broken)) {
                EXPECT_EQ(dir.read(name), bytes) << name;
            }
        }
    }
}
