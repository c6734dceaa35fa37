#include "widgets/ballshape.h"
#include "lotto/drawframe.h"
#include "widgets/controls.h"
#include "support/mainfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>

using namespace dstest;

namespace {

QAction *menuAction(QObject *root, const char *menuName)
{
    auto *m = child<QMenu>(root, menuName);
    return m ? m->menuAction() : nullptr;
}

} // namespace

class MainWindowTest : public MainFixture {};

TEST_F(MainWindowTest, FirstRunSetsUpTheUkLotto)
{
    start();
    EXPECT_EQ(w().objectName(), "Form1");
    EXPECT_EQ(state.countryCode, "UK");
    EXPECT_EQ(state.maxBall, 49);
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Command14")));
    EXPECT_TRUE(child<QAction>(&w(), "mnuPT")->isEnabled());
    EXPECT_TRUE(menuAction(&w(), "mnu3wheel")->isEnabled());
    EXPECT_EQ(child<QLabel>(&w(), "Image8")->property("picture").toInt(), 1);
    EXPECT_EQ(child<QLineEdit>(&w(), "Text3")->text(), "0");
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4")));
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Command11")));
    EXPECT_FALSE(child<QWidget>(&w(), "Command12")->isEnabled());
    EXPECT_TRUE(child<QAbstractButton>(&w(), "Option4")->isChecked());
    EXPECT_FALSE(child<QAbstractButton>(&w(), "Option3")->isChecked());
    EXPECT_TRUE(child<QAbstractButton>(&w(), "Option1")->isChecked());
    for (int k = 1; k <= 7; ++k)
        EXPECT_TRUE(hidden(child<QWidget>(&w(), QStringLiteral("Shape%1").arg(k).toLatin1().constData())));
    EXPECT_TRUE(child<QLineEdit>(&w(), "Text1")->text().isEmpty());
    EXPECT_EQ(state.selectionPool[1], 1);
    EXPECT_EQ(state.selectionPool[42], 42);
    EXPECT_EQ(state.selectionPool[43], 0);
    EXPECT_EQ(w().helpFile(), dir.path() + "/help/index.html");
    EXPECT_EQ(fakes.settings.writes, 0); // reading the remembered game writes nothing
}

TEST_F(MainWindowTest, RememberedIrishLotto)
{
    start(QStringLiteral("I"));
    EXPECT_EQ(state.countryCode, "IR");
    EXPECT_EQ(state.maxBall, 42);
    EXPECT_FALSE(hidden(child<QWidget>(&w(), "Command14")));
    EXPECT_FALSE(child<QAction>(&w(), "mnuPT")->isEnabled());
    EXPECT_FALSE(menuAction(&w(), "mnu3wheel")->isEnabled());
    EXPECT_EQ(child<QLabel>(&w(), "Image8")->property("picture").toInt(), 2);
}

TEST_F(MainWindowTest, AnyOtherRememberedValueGivesUk)
{
    start(QStringLiteral("X"));
    EXPECT_EQ(state.countryCode, "UK");
}

TEST_F(MainWindowTest, MenuBarCaptionsAndNames)
{
    start();
    const std::pair<const char *, const char *> actions[] = {
        {"mnu649", "6 from 49"}, {"mnuthunder", "Thunderball"}, {"mnuIreland", "Ireland"},
        {"mnuUKstats", "UK Stats"}, {"mnuIRstats", "Irish Stats"},
        {"mnuFileMaintenance", "File Maintenance"}, {"mnuDrawHistory", "Print Draw History File"},
        {"mnuShowHistory", "Show Draw History File"}, {"mnuPT", "Print Tickets"},
        {"mnuOSE", "Open Standing Entry"}, {"mnuSSE", "Save as Standing Entry"},
        {"mnucheck", "Check Standing Entry Against Previous Draws"},
        {"mnuWheel1", "New"}, {"mnuWheelfile", "Open Wheeling File"},
        {"mnuWheelCheck", "Check Wheeling File Against Previous Draws"},
        {"mnu5check", "Check Wheeling File Against Previous Draws"},
        {"mnu4check", "Check Wheeling File Against Previous Draw"},
        {"mnu3check", "Check Wheeling File Against Previous Draw"}, {"mnu3new", "New"},
        {"mnufree1", "Download Results File"}, {"mnufree2", "Drawsmith Web Page"},
        {"mnumaintainlinks", "Maintain Links"}, {"mnuContents", "Contents"}, {"mnuAbout", "About"},
        {"mnuExit", "Exit"}, {"mnuImport", "Import Results..."}};
    for (const auto &[name, caption] : actions) {
        auto *a = child<QAction>(&w(), name);
        if (a) {
            EXPECT_EQ(ds::visibleText(a->text()), QString::fromLatin1(caption)) << name;
        }
    }
    const std::pair<const char *, const char *> menus[] = {
        {"mnuCountry", "Country"}, {"mnuUK", "UK"}, {"mnuFileManager", "File Manager"},
        {"mnuSE", "Standing Entry"}, {"mnuWheels", "Wheels"}, {"mnu6", "6"}, {"mnu5", "5"},
        {"mnu4", "4"}, {"mnu3wheel", "3"}, {"mnuWebLinks", "Web Links"}, {"mnuHelp", "Help"}};
    for (const auto &[name, caption] : menus) {
        auto *m = child<QMenu>(&w(), name);
        if (m) {
            EXPECT_EQ(ds::visibleText(m->title()), QString::fromLatin1(caption)) << name;
        }
    }
    // Every entry of the bar and of "Country" has its own Alt letter.
    for (const char *menu : {"mnuCountry", "mnuFileManager"}) {
        QSet<QChar> letters;
        for (QAction *a : child<QMenu>(&w(), menu)->actions()) {
            const qsizetype at = a->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(at, 0) << a->text().toStdString();
            EXPECT_FALSE(letters.contains(a->text().at(at + 1).toLower())) << a->text().toStdString();
            letters.insert(a->text().at(at + 1).toLower());
        }
    }
    // Nesting: "6 from 49" sits in "UK" under "Country".
    EXPECT_EQ(child<QMenu>(&w(), "mnuUK")->actions().value(0), child<QAction>(&w(), "mnu649"));
    EXPECT_TRUE(child<QMenu>(&w(), "mnuCountry")->actions().contains(menuAction(&w(), "mnuUK")));
}

TEST_F(MainWindowTest, EveryNamedControlExists)
{
    start();
    const char *names[] = {"Frame1", "Label1", "Text1", "Command1", "Command6", "Command14", "Image8", "Label4",
                           "Frame2", "Label2", "Text2", "Command2", "List2", "Label3", "Text3", "Command3",
                           "Command11", "Command13", "Frame3", "List1", "Command4", "Command5", "Command15",
                           "Option3", "Option4", "Frame4", "Frame5", "Frame6", "Text4", "Text5", "Text6", "Text7",
                           "Text8", "Text9", "Command7", "Command8", "Command9", "Command12", "Text10", "Option1",
                           "Option2", "Command10", "Command16"};
    for (const char *name : names)
        EXPECT_NE(w().findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
    for (int k = 1; k <= 7; ++k) {
        EXPECT_NE(w().findChild<ds::BallShape *>(QStringLiteral("Shape%1").arg(k)), nullptr) << k;
        EXPECT_NE(w().findChild<QLabel *>(QStringLiteral("Label%1").arg(k + 4)), nullptr) << k;
    }
}

TEST_F(MainWindowTest, SixFrom49WhileUkResetsNothing)
{
    start();
    child<QListWidget>(&w(), "List2")->addItem(QStringLiteral("01 02 03 04 05 06 ( )"));
    type(&w(), "Text2", QStringLiteral("5/6/1999"));
    type(&w(), "Text4", QStringLiteral("7"));
    trigger(&w(), "mnu649");
    EXPECT_EQ(child<QListWidget>(&w(), "List2")->count(), 1);
    EXPECT_EQ(child<QLineEdit>(&w(), "Text2")->text(), "5/6/1999");
    EXPECT_EQ(child<QLineEdit>(&w(), "Text4")->text(), "7");
    EXPECT_EQ(fakes.settings.writes, 0);
}

TEST_F(MainWindowTest, IrelandWhileUkResetsTheDisplayAndIsRemembered)
{
    start();
    QSignalSpy switched(&w(), &ds::MainWindow::countrySwitched);
    child<ds::DrawFrame>(&w(), "Frame1")->showDraw(ds::Draw::make(QStringLiteral("05061999"), {3, 7, 12, 21, 30, 45}, 9));
    child<QListWidget>(&w(), "List2")->addItem(QStringLiteral("01 02 03 04 05 06 ( )"));
    child<QListWidget>(&w(), "List1")->addItem(QStringLiteral("x"));
    type(&w(), "Text1", QStringLiteral("5/6/1999"));
    type(&w(), "Text2", QStringLiteral("5/6/1999"));
    type(&w(), "Text3", QStringLiteral("1"));
    type(&w(), "Text9", QStringLiteral("7"));
    state.constraintsActive = true;
    state.entryCount = 1;
    state.currentEntryFile = dir.file(QStringLiteral("UK05061999.lot"));
    child<QWidget>(&w(), "Command12")->setEnabled(true);
    child<QWidget>(&w(), "Frame4")->show();

    trigger(&w(), "mnuIreland");

    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "I");
    EXPECT_EQ(state.countryCode, "IR");
    EXPECT_EQ(state.maxBall, 42);
    EXPECT_EQ(child<QListWidget>(&w(), "List1")->count(), 0);
    EXPECT_EQ(child<QListWidget>(&w(), "List2")->count(), 0);
    for (const char *b : {"Text1", "Text2", "Text3", "Text9"})
        EXPECT_TRUE(child<QLineEdit>(&w(), b)->text().isEmpty()) << b;
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Shape1")));
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Label5")));
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4")));
    EXPECT_FALSE(child<QWidget>(&w(), "Command12")->isEnabled());
    EXPECT_FALSE(state.constraintsActive);
    EXPECT_EQ(switched.count(), 1);
    EXPECT_FALSE(hidden(child<QWidget>(&w(), "Command14")));
    EXPECT_FALSE(child<QAction>(&w(), "mnuPT")->isEnabled());
    // The current entry file and count are kept, as the shared values say.
    EXPECT_EQ(state.entryCount, 1);
    EXPECT_FALSE(state.currentEntryFile.isEmpty());

    trigger(&w(), "mnu649");
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "U");
    EXPECT_EQ(state.countryCode, "UK");
    EXPECT_TRUE(child<QAction>(&w(), "mnuPT")->isEnabled());
    EXPECT_TRUE(menuAction(&w(), "mnu3wheel")->isEnabled());
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Command14")));
    EXPECT_EQ(switched.count(), 2);
}

TEST_F(MainWindowTest, ThunderballWhileIrishRemembersUkButKeepsIrish)
{
    start(QStringLiteral("I"));
    trigger(&w(), "mnuthunder");
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "U");
    EXPECT_EQ(state.countryCode, "IR");
}

TEST_F(MainWindowTest, ThunderballWhileUkStoresNothing)
{
    start();
    trigger(&w(), "mnuthunder");
    EXPECT_EQ(fakes.settings.writes, 0);
}

TEST_F(MainWindowTest, ShowDrawColoursAndCaptions)
{
    start();
    child<ds::DrawFrame>(&w(), "Frame1")->showDraw(ds::Draw::make(QStringLiteral("05061999"), {7, 10, 19, 23, 30, 40}, 49));
    const struct { const char *shape; const char *label; QColor fill; QColor text; const char *caption; } balls[] = {
        {"Shape1", "Label5", Qt::white, Qt::black, " 7"}, {"Shape2", "Label6", Qt::blue, Qt::white, "10"},
        {"Shape3", "Label7", Qt::blue, Qt::white, "19"}, {"Shape4", "Label8", Qt::red, Qt::white, "23"},
        {"Shape5", "Label9", Qt::green, Qt::black, "30"}, {"Shape6", "Label10", Qt::yellow, Qt::black, "40"},
        {"Shape7", "Label11", Qt::yellow, Qt::black, "49"}};
    for (const auto &b : balls) {
        auto *shape = child<ds::BallShape>(&w(), b.shape);
        auto *label = child<QLabel>(&w(), b.label);
        EXPECT_FALSE(hidden(shape));
        EXPECT_FALSE(hidden(label));
        EXPECT_EQ(shape->fillColour(), b.fill) << b.shape;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), b.text) << b.label;
        EXPECT_EQ(label->text(), QString::fromLatin1(b.caption));
    }
    EXPECT_EQ(state.displayedDraw, (std::array<qint16, 7>{7, 10, 19, 23, 30, 40, 49}));
}

TEST_F(MainWindowTest, ExitAndClosingEndTheProgram)
{
    start();
    trigger(&w(), "mnuExit");
    EXPECT_EQ(fakes.program.exited, 1);
    EXPECT_EQ(fakes.program.ended, 0);
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgram)
{
    start();
    w().close();
    EXPECT_EQ(fakes.program.exited, 1);
}

TEST_F(MainWindowTest, MaintainNeedsASelectionsDate)
{
    start();
    click(&w(), "Command3");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"You need to select a date for the entries, use Change"});
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4")));
}
