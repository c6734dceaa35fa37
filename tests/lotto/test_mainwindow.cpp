#include "widgets/ballshape.h"
#include "lotto/drawframe.h"
#include "support/mainfixture.h"

#include <QLabel>
#include <QMenu>
#include <QSet>

using namespace dstest;

class MainWindowTest : public MainFixture {};

TEST_F(MainWindowTest, TheRememberedGameIsSetUpThenADrawShowsInColourAndSwitchingCountryResetsTheDisplay)
{
    const struct {
        const char *remembered;
        const char *game;
        bool irish; // Second Draw is the Irish lotto's; tickets and three-number wheels the UK's
        int picture;
        const char *secondDraw; // as the newest era names it
    } cases[] = {{"I", "IR", true, 2, "Lotto Plus 1"}, {"X", "UK", false, 1, "Round 2"}};
    for (const auto &c : cases) {
        window.reset();
        start(QString::fromLatin1(c.remembered));
        EXPECT_EQ(state.countryCode, c.game);
        EXPECT_EQ(hidden(child<QWidget>(&w(), "Command14")), !c.irish) << c.game;
        EXPECT_EQ(child<QAbstractButton>(&w(), "Command14")->text(), c.secondDraw);
        EXPECT_EQ(child<QAction>(&w(), "mnuPT")->isEnabled(), !c.irish) << c.game;
        EXPECT_EQ(child<QMenu>(&w(), "mnu3wheel")->menuAction()->isEnabled(), !c.irish) << c.game;
        EXPECT_EQ(child<QLabel>(&w(), "Image8")->property("picture").toInt(), c.picture);
        EXPECT_TRUE(hidden(child<QWidget>(&w(), "Frame4")));
        EXPECT_TRUE(child<QAbstractButton>(&w(), "Option4")->isChecked());
        EXPECT_TRUE(child<QAbstractButton>(&w(), "Option1")->isChecked());
        EXPECT_EQ(fakes.settings.writes, 0); // reading the remembered game writes nothing
    }
    // It says what to do first and waits on the draw's Change.
    const auto box = [this](const char *name) { return child<QLineEdit>(&w(), name); };
    EXPECT_EQ(box("Text1")->placeholderText(), "Press Change to choose a draw");
    EXPECT_EQ(box("Text2")->placeholderText(), "Press Change to choose the date of your entries");
    for (const char *name : {"Text1", "Text2", "Text3"}) {
        EXPECT_TRUE(box(name)->isReadOnly()) << name;
        EXPECT_EQ(box(name)->focusPolicy(), Qt::NoFocus) << name;
        EXPECT_NE(box(name)->palette().color(QPalette::Base), QColor(Qt::white)) << name;
    }
    EXPECT_EQ(w().focusWidget(), child<QWidget>(&w(), "Command1"));

    child<ds::DrawFrame>(&w(), "Frame1")
        ->showDraw(ds::Draw::make(QStringLiteral("05061999"), {7, 10, 19, 23, 30, 40}, 49));
    // A ball in its colour band with its number (the bands: Balls tests).
    auto *shape = child<ds::BallShape>(&w(), "Shape2");
    auto *label = child<QLabel>(&w(), "Label6");
    EXPECT_FALSE(hidden(shape) || hidden(label));
    EXPECT_EQ(shape->fillColour(), QColor(Qt::blue));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(label->text(), "10");
    EXPECT_EQ(state.displayedDraw, (std::array<qint16, 7>{7, 10, 19, 23, 30, 40, 49}));
    child<QListWidget>(&w(), "List2")->addItem(QStringLiteral("01 02 03 04 05 06 ( )"));
    child<QListWidget>(&w(), "List1")->addItem(QStringLiteral("x"));
    type(&w(), "Text2", QStringLiteral("5/6/1999"));
    type(&w(), "Text9", QStringLiteral("7"));
    state.constraintsActive = true;
    state.entryCount = 1;
    state.currentEntryFile = dir.file(QStringLiteral("UK05061999.lot"));
    child<QWidget>(&w(), "Command12")->setEnabled(true);
    child<QWidget>(&w(), "Frame4")->show();

    // The game already on show: nothing is reset or stored.
    trigger(&w(), "mnu649");
    trigger(&w(), "mnuthunder");
    EXPECT_EQ(child<QListWidget>(&w(), "List2")->count(), 1);
    EXPECT_EQ(child<QLineEdit>(&w(), "Text2")->text() + child<QLineEdit>(&w(), "Text9")->text(), "5/6/19997");
    EXPECT_EQ(fakes.settings.writes, 0);

    trigger(&w(), "mnuIreland");
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "I");
    EXPECT_EQ(state.countryCode, "IR");
    EXPECT_EQ(child<QListWidget>(&w(), "List1")->count() + child<QListWidget>(&w(), "List2")->count(), 0);
    EXPECT_TRUE(child<QLineEdit>(&w(), "Text2")->text().isEmpty() && child<QLineEdit>(&w(), "Text9")->text().isEmpty());
    EXPECT_TRUE(hidden(child<QWidget>(&w(), "Shape1")) && hidden(child<QWidget>(&w(), "Frame4")));
    EXPECT_FALSE(child<QWidget>(&w(), "Command12")->isEnabled());
    EXPECT_FALSE(state.constraintsActive);
    // The current entry file and count are kept, as the shared values say.
    EXPECT_EQ(state.entryCount, 1);
    EXPECT_FALSE(state.currentEntryFile.isEmpty());

    trigger(&w(), "mnu649");
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "U");
    trigger(&w(), "mnuIreland");
    trigger(&w(), "mnuthunder"); // remembers the UK but keeps the Irish game on show
    EXPECT_EQ(fakes.settings.values.value(QStringLiteral("Country")), "U");
    EXPECT_EQ(state.countryCode, "IR");
}

// Every entry of the Country and File Manager menus has its own Alt letter.
TEST_F(MainWindowTest, MenuMnemonicsWhatEachGameCoversF1AndCtrlQ)
{
    start();
    for (const char *menu : {"mnuCountry", "mnuFileManager"}) {
        QSet<QChar> letters;
        for (QAction *a : child<QMenu>(&w(), menu)->actions()) {
            const qsizetype at = a->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(at, 0) << a->text().toStdString();
            EXPECT_FALSE(letters.contains(a->text().at(at + 1).toLower())) << a->text().toStdString();
            letters.insert(a->text().at(at + 1).toLower());
        }
    }
    // The Country menu's game entries keep their names and say which eras they
    // cover, newest first.
    EXPECT_EQ(child<QAction>(&w(), "mnu649")->text().remove('&'), "6 from 49");
    EXPECT_EQ(child<QAction>(&w(), "mnu649")->statusTip(),
              "UK Lotto: 6 from 59 (from 10/10/2015), 6 from 49 (19/11/1994 to 7/10/2015)");
    EXPECT_EQ(child<QAction>(&w(), "mnuIreland")->statusTip(),
              "Irish Lotto: 6 from 45 (from 5/9/2026), 6 from 47 (5/9/2015 to 2/9/2026), "
              "6 from 45 (4/11/2006 to 2/9/2015), 6 from 42 (24/9/1994 to 1/11/2006)");
    // F1 opens the help; Ctrl+Q (Exit's key) ends the program, and so does the title-bar close.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    QTest::keyClick(&w(), Qt::Key_F1);
    EXPECT_EQ(fakes.help.topics, QStringList{"index"});
    QTest::keyClick(&w(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(std::pair(fakes.program.exited, fakes.program.ended), std::pair(1, 0));
    window.reset();
    start();
    w().close();
    EXPECT_EQ(fakes.program.exited, 2);
}
