// The wheel windows on their own, with the platform fakes.
#include "support/fakes.h"
#include "support/testfolder.h"
#include "support/widgets.h"
#include "core/dates.h"
#include "wheels/wheelsuggest.h"
#include "wheels/wheelwindow.h"

#include <QComboBox>
#include <QDir>
#include <QSignalSpy>

using namespace dstest;
using namespace ds;

namespace {

class WheelWindowTest : public ::testing::Test {
protected:
    void open(int guarantee, const QString &country = QStringLiteral("UK"))
    {
        state.programFolder = dir.path();
        state.countryCode = country;
        window = std::make_unique<WheelWindow>(wheels::wheelKind(guarantee), state, fakes.platform());
        window->show();
        saved = std::make_unique<QSignalSpy>(window.get(), &WheelWindow::wheelSaved);
    }
    void typeGroup(const QStringList &numbers)
    {
        for (int i = 0; i < numbers.size(); ++i)
            window->numberBox(i + 1)->setText(numbers[i]);
    }
    QString entries() { return child<QLineEdit>(window.get(), "Text1")->text(); }

    TestFolder dir;
    FakePlatform fakes;
    AppState state;
    std::unique_ptr<WheelWindow> window;
    std::unique_ptr<QSignalSpy> saved;
};

} // namespace

TEST_F(WheelWindowTest, SaveRefusesAtTheBoxAtFaultWritesTheWheelTheGroupSizeSetsTheBoxesSuggestFillsThemOrSaysWhyNot)
{
    dir.write(QStringLiteral("J6.dat"), QByteArray::fromHex("0100020003000400050006000100")); // positions 1..6
    open(6, QStringLiteral("IR"));
    QApplication::setActiveWindow(window.get());
    typeGroup({"1", "2", "46", "4", "5", "6"}); // the wheels run to 45 // the refusals are WheelGroup.RefusalsAndSorting's
    click(window.get(), "Command1");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{QStringLiteral("One or more of your numbers are invalid")});
    EXPECT_EQ(QApplication::focusWidget(), window->numberBox(3));
    EXPECT_FALSE(dir.exists(QStringLiteral("IRwheel6.lot")));

    typeGroup({"45", "7", "12", "3", "30", "22"});
    click(window.get(), "Command1");
    EXPECT_EQ(fakes.dialogs.news, QStringList{QStringLiteral("Wheel Saved")});
    EXPECT_EQ(dir.read(QStringLiteral("IRwheel6.lot")), entryRecord(QByteArray(8, '\0'), {3, 7, 12, 22, 30, 45}));
    EXPECT_EQ(saved->count(), 1);
    // Enter in a number box saves too.
    typeGroup({"1", "2", "3", "4", "5", "6"});
    window->numberBox(6)->setFocus();
    QTest::keyClick(window->numberBox(6), Qt::Key_Return);
    EXPECT_EQ(saved->count(), 2);

    // A missing table is a failure (the old wheel file is kept: WheelSave.FailuresLeaveTheOldWheelFile).
    fakes.dialogs.clear();
    open(5);
    typeGroup({"1", "2", "3", "4", "5", "6", "7", "8"});
    click(window.get(), "Command1");
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_TRUE(fakes.dialogs.messages[0].contains(QStringLiteral("58.dat")));
    EXPECT_TRUE(fakes.dialogs.news.isEmpty());
    EXPECT_EQ(saved->count(), 0);

    // A shortfall is news: every ball drawn equally often, none is cold.
    QByteArray b = countRecord(56);
    for (int i = 0; i < 56; ++i) {
        const int f = 1 + 6 * (i % 7);
        b += drawRecord(dateKey(1 + i % 28, 1 + i / 28, 2000).toLatin1().constData(), {f, f + 1, f + 2, f + 3, f + 4, f + 5}, 43);
    }
    dir.write(QStringLiteral("IR45b.exe"), b); // the newest era's history
    open(4, QStringLiteral("IR"));
    click(window.get(), "Command3");
    EXPECT_EQ(fakes.dialogs.news, QStringList{"Only 5 of the 7 numbers could be suggested: too few balls in the draw history "
                                                "qualify. Choose the other numbers yourself."});
    EXPECT_FALSE(window->numberBox(5)->text().isEmpty());
    EXPECT_TRUE(window->numberBox(6)->text().isEmpty());

    // The group size sets the entries and the boxes. The newest era's history is the one Suggest
    // reads: the 6 from 49's draws do not count.
    fakes.dialogs.clear();
    dir.write(QStringLiteral("UK.exe"), syntheticHistory(300));
    dir.write(QStringLiteral("UK59.exe"), syntheticHistory(51));
    open(6);
    EXPECT_EQ(entries(), QStringLiteral("1")); // it opens on the smallest group, of 6
    typeGroup({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"});
    auto *size = child<QComboBox>(window.get(), "Combo1");
    size->setCurrentIndex(size->findText(QStringLiteral(" 9")));
    EXPECT_EQ(entries(), QStringLiteral("84"));
    EXPECT_TRUE(window->numberBox(9)->isEnabled());
    EXPECT_FALSE(window->numberBox(10)->isEnabled());
    EXPECT_EQ(window->numberBox(10)->text(), QStringLiteral("10")); // a disabled box keeps its text
    // Too short a history: refused, the boxes kept.
    click(window.get(), "Command3");
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{QStringLiteral("Insufficient entries in the results file! You should choose your own numbers.")});
    EXPECT_EQ(window->numberBox(8)->text(), QStringLiteral("8"));
    // A history that cannot be read: said so, the boxes kept.
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("UK59.exe"))) && QDir(dir.path()).mkdir(QStringLiteral("UK59.exe")));
    click(window.get(), "Command3");
    EXPECT_EQ(fakes.dialogs.messages.last(), QStringLiteral("The draw history file could not be read."));
    EXPECT_EQ(window->numberBox(8)->text(), QStringLiteral("8"));
    QDir(dir.path()).rmdir(QStringLiteral("UK59.exe"));
    fakes.dialogs.clear();
    dir.write(QStringLiteral("UK59.exe"), syntheticHistory(300, 59));
    click(window.get(), "Command3");
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << fakes.dialogs.messages.join(' ').toStdString();
    const QStringList group = boxTexts(window.get(), {2, 3, 4, 5, 6, 7, 8, 9, 10}); // number boxes 1 to 9
    EXPECT_FALSE(group.contains(QString()) || group == (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_TRUE(window->numberBox(10)->text().isEmpty()); // every box emptied first
}
