// The "Entry Check Against Previous Draws" window on its own, with the platform fakes.
#include "entries/rangecheck.h"
#include "entries/rangecheckwindow.h"
#include "support/fakes.h"
#include "support/testfolder.h"
#include "support/widgets.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>

using namespace dstest;
using namespace ds;

namespace {

class RangeCheckWindowTest : public ::testing::Test {
protected:
    void open(const QString &country, const QByteArray &history)
    {
        dir.write(country + QStringLiteral(".exe"), history);
        state.programFolder = dir.path();
        state.countryCode = country;
        window = std::make_unique<RangeCheckWindow>(state, fakes.platform());
        const QByteArray blank(8, '\0');
        window->load({{blank, {3, 7, 12, 21, 30, 45}}, {blank, {3, 7, 9, 12, 43, 44}}});
        window->show();
    }
    QComboBox *combo(const char *name) { return child<QComboBox>(window.get(), name); }
    void range(const char *startMonth, const char *startYear, const char *endMonth, const char *endYear)
    {
        combo("Combo1")->setCurrentText(QString::fromLatin1(startMonth));
        combo("Combo2")->setCurrentText(QString::fromLatin1(startYear));
        combo("Combo3")->setCurrentText(QString::fromLatin1(endMonth));
        combo("Combo4")->setCurrentText(QString::fromLatin1(endYear));
    }

    TestFolder dir;
    FakePlatform fakes;
    AppState state;
    std::unique_ptr<RangeCheckWindow> window;
};

const QByteArray History = historyFile({
    drawRecord("02011998", {1, 2, 4, 5, 6, 8}, 10),
    drawRecord("06031999", {3, 7, 12, 21, 30, 45}, 9),
    drawRecord("13031999", {3, 7, 12, 40, 41, 42}, 44),
    drawRecord("20031999", {1, 2, 13, 14, 15, 16}, 17),
    drawRecord("27031999", {3, 7, 12, 21, 30, 44}, 45),
    drawRecord("01052000", {1, 2, 3, 4, 5, 6}, 7),
});

} // namespace

TEST_F(RangeCheckWindowTest, RefusesARangeChecksOneMonthThenAcrossErasEachDrawByItsOwnEraThenAnEmptyOrUnreadableHistory)
{
    fakes.clock.date = QDate(2026, 8, 14);
    open(QStringLiteral("UK"), History);
    EXPECT_EQ(lines(child<QListWidget>(window.get(), "List2")),
              (QStringList{"03 07 12 21 30 45 ( )", "03 07 09 12 43 44 ( )"}));
    EXPECT_EQ(child<QLabel>(window.get(), "Label1")->text(), QStringLiteral("2 Selections"));
    EXPECT_EQ(combo("Combo2")->currentText(), QStringLiteral("1998"));
    EXPECT_EQ(combo("Combo4")->currentText(), QStringLiteral("2000"));
    EXPECT_EQ(combo("Combo3")->currentText(), QStringLiteral("Aug"));

    range("Mar", "1999", "Feb", "1999"); // refused: checks nothing
    click(window.get(), "Command2");
    EXPECT_EQ(fakes.dialogs.messages,
              QStringList{"Your date range is invalid, the start month must be the same or less than the end month."});
    EXPECT_EQ(child<QListWidget>(window.get(), "List1")->count(), 0);
    fakes.dialogs.clear();
    range("Mar", "1999", "Mar", "1999");
    click(window.get(), "Command2");
    click(window.get(), "Command2"); // a repeated check starts from zero
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    // The lines themselves are the range check's; the window shows them all.
    const QStringList shown = lines(child<QListWidget>(window.get(), "List1"));
    EXPECT_EQ(shown.size(), 10);
    EXPECT_EQ(shown.value(1), QStringLiteral("03 07 12 21 30 45 : 6"));
    EXPECT_EQ(boxTexts(window.get(), {1, 2, 3, 4, 5, 6, 7, 8, 9}),
              (QStringList{"3", "1", "0", "1", "1", "0", "0", "06/03/1999", "27/03/1999"}));
    EXPECT_EQ(fakes.dialogs.busyCount, 2);

    // Across eras each draw (both rounds of a date) is judged by its own era's tiers; the boxes are
    // those of the era of the range's last draw, which is said.
    dir.write(QStringLiteral("UK59.exe"), historyFile({drawRecord("02012016", {3, 7, 50, 51, 52, 53}, 9),
                                                       drawRecord("10062026", {3, 7, 12, 55, 56, 57}, 1),
                                                       drawRecord("10062026", {3, 7, 12, 21, 58, 59}, 30)}));
    open(QStringLiteral("UK"), History);
    EXPECT_EQ(combo("Combo2")->currentText() + combo("Combo4")->currentText(), QStringLiteral("19982026"));
    range("Jan", "1998", "Dec", "2026");
    click(window.get(), "Command2");
    auto box = [this](int k) { return textBox(window.get(), k); };
    EXPECT_EQ(boxTexts(window.get(), {1, 2, 3, 4, 5, 10}), (QStringList{"6", "2", "0", "1", "1", "2"}));
    EXPECT_TRUE(hidden(box(6)) && hidden(box(7)) && !hidden(box(10)));
    EXPECT_EQ(child<QLabel>(window.get(), "Label12")->text(), QStringLiteral("Match 2 total"));
    auto *era = child<QLabel>(window.get(), "LabelTotalsEra");
    EXPECT_EQ(era->text(), QStringLiteral("The range crosses eras: each draw is judged by the tiers of its own era, and "
                                          "the boxes are those of 6 from 59 (from 10/10/2015), the era of the last draw."));
    EXPECT_EQ(lines(child<QListWidget>(window.get(), "List1")).mid(12),
              (QStringList{"Date: 02/01/2016", "03 07 12 21 30 45 : 2", "03 07 09 12 43 44 : 2",
                           "Date: 10/06/2026", "03 07 12 21 30 45 : 3", "03 07 09 12 43 44 : 3",
                           "Date: 10/06/2026", "03 07 12 21 30 45 : 4", "03 07 09 12 43 44 : 3"}));

    // A range of the 6 from 49 alone keeps its seven boxes, and says nothing.
    range("Mar", "1999", "Mar", "1999");
    click(window.get(), "Command2");
    EXPECT_TRUE(!hidden(box(6)) && !hidden(box(7)) && hidden(box(10)) && hidden(era));

    // An empty history; one that cannot be read is said so, on checking and on opening.
    QFile::remove(dir.file(QStringLiteral("UK59.exe")));
    open(QStringLiteral("UK"), historyFile({}));
    EXPECT_EQ(combo("Combo2")->count(), 0);
    click(window.get(), "Command2");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There are no entries in your results file"});
    EXPECT_EQ(fakes.dialogs.busyDepth, 0);
    fakes.dialogs.clear();
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("UK.exe"))) && QDir(dir.path()).mkdir(QStringLiteral("UK.exe")));
    click(window.get(), "Command2");
    window->load({});
    EXPECT_EQ(fakes.dialogs.messages, QStringList(2, QStringLiteral("The draw history file could not be read.")));
}
