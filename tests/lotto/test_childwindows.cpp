// Every window opened over another gives its opener back however it is
// closed: its own Close or Cancel button, Esc, or the title-bar close.
#include "statistics/chartswindow.h"
#include "support/mainfixture.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace dstest;

namespace {

enum class CloseBy { Button, Escape, TitleBar };

struct ChildCase {
    const char *form;       // the window opened
    const char *closeButton;
    const char *opener;     // the window it was opened over ("Form1": the main window)
    bool irish;
    void (*open)(MainFixture &f);
    const char *defaultButton; // the one button Enter presses; "" for none
};

void openStatistics(MainFixture &f) { trigger(&f.w(), "mnuUKstats"); }
void openCharts(MainFixture &f)
{
    openStatistics(f);
    click(topLevel("Form4"), "Command7");
}

const ChildCase Cases[] = {
    {"Form2", "Command4", "Form1", false, [](MainFixture &f) { click(&f.w(), "Command1"); }, "Command2"},
    {"Form2", "Command4", "Form1", false, [](MainFixture &f) { click(&f.w(), "Command2"); }, "Command2"},
    {"Form5", "Command3", "Form1", true,
     [](MainFixture &f) {
         f.chooseDraw(5, 6, 1999);
         f.fakes.dialogs.answer(true); // enter a second draw
         click(&f.w(), "Command14");
     }, "Command1"},
    {"Form3", "Command1", "Form1", false,
     [](MainFixture &f) {
         f.fakes.dialogs.answer(true); // all files will be closed
         trigger(&f.w(), "mnuFileMaintenance");
     }, ""},
    {"Form24", "Command9", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnuShowHistory"); }, ""},
    {"Form15", "Command10", "Form1", false,
     [](MainFixture &f) {
         f.chooseSelections(5, 6, 1999);
         click(&f.w(), "Command16");
     }, "Command10"},
    {"Form4", "Command1", "Form1", false, openStatistics, ""},
    {"Form8", "Command1", "Form4", false, openCharts, ""},
    {"Form6", "Command1", "Form8", false,
     [](MainFixture &f) {
         openCharts(f);
         topLevel<ds::ChartsWindow>("Form8")->clickRow(7);
     }, ""},
    {"Form16", "Command8", "Form4", false,
     [](MainFixture &f) {
         openStatistics(f);
         click(topLevel("Form4"), "Command8");
     }, ""},
    {"Form10", "Command2", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnuWheel1"); }, "Command1"},
    {"Form11", "Command2", "Form1", true, [](MainFixture &f) { trigger(&f.w(), "mnu5new"); }, "Command1"},
    {"Form12", "Command2", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnu4new"); }, "Command1"},
    {"Form13", "Command2", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnu3new"); }, "Command1"},
    {"Form9", "Command1", "Form1", false,
     [](MainFixture &f) {
         f.dir.write("UKwheel6.lot", entryRecord(QByteArray(8, '\0'), {1, 2, 3, 4, 5, 6}));
         f.fakes.dialogs.answer(true); // existing files will be closed
         trigger(&f.w(), "mnuWheelCheck");
     }, "Command2"},
    {"Form14", "Command1", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnumaintainlinks"); }, "Command1"},
    {"frmAbout", "cmdOK", "Form1", false, [](MainFixture &f) { trigger(&f.w(), "mnuAbout"); }, "cmdOK"},
    {"Form18", "Command4", "Form1", false,
     [](MainFixture &f) {
         f.dir.write("UK05061999.lot", entryRecord("05061999", {1, 2, 3, 4, 5, 6}));
         f.chooseSelections(5, 6, 1999);
         trigger(&f.w(), "mnuPT");
     }, "Command1"},
};

} // namespace

class ChildWindow : public MainFixture, public ::testing::WithParamInterface<std::tuple<int, CloseBy>> {};

// Enter runs the window's confirming action, never a destructive or clearing
// one: no button becomes the default by taking the focus, and only the
// confirming button is the default. However the window is closed, its opener
// is back, given back by the one way back.
TEST_P(ChildWindow, OnlyTheConfirmingButtonIsTheDefaultAndClosingGivesTheOpenerBack)
{
    const ChildCase &c = Cases[std::get<0>(GetParam())];
    dir.write(c.irish ? "IR.exe" : "UK.exe",
              historyFile({drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9),
                           drawRecord("12061999", {1, 2, 13, 24, 35, 41}, 8)}));
    start(c.irish ? QStringLiteral("I") : QString());
    c.open(*this);
    QWidget *child = topLevel(c.form);
    ASSERT_TRUE(child && child->isVisible()) << c.form;
    QWidget *back = QLatin1String(c.opener) == QLatin1String("Form1") ? &w() : topLevel(c.opener);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(!back->isEnabled() || !back->isVisible()) << c.form << " left its opener usable";

    QStringList defaults;
    for (QPushButton *b : child->findChildren<QPushButton *>()) {
        EXPECT_FALSE(b->autoDefault()) << c.form << " " << b->objectName().toStdString();
        if (b->isDefault() && b->isVisibleTo(child))
            defaults << b->objectName();
    }
    const QString expected = QString::fromLatin1(c.defaultButton);
    EXPECT_EQ(defaults, expected.isEmpty() ? QStringList{} : QStringList{expected}) << c.form;

    auto *window = qobject_cast<ds::ChildWindow *>(child);
    ASSERT_NE(window, nullptr) << c.form;
    QSignalSpy givenBack(window, &ds::ChildWindow::givenBack);
    switch (std::get<1>(GetParam())) {
    case CloseBy::Button:
        click(child, c.closeButton);
        break;
    case CloseBy::Escape:
        QTest::keyClick(child, Qt::Key_Escape);
        break;
    case CloseBy::TitleBar:
        child->close();
        break;
    }
    EXPECT_FALSE(child->isVisible()) << c.form;
    EXPECT_TRUE(back->isVisible()) << c.form;
    EXPECT_TRUE(back->isEnabled()) << c.form;
    EXPECT_EQ(givenBack.count(), 1) << c.form;
}

INSTANTIATE_TEST_SUITE_P(EveryWindowAndPath, ChildWindow,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(Cases))),
                                            ::testing::Values(CloseBy::Button, CloseBy::Escape, CloseBy::TitleBar)));
