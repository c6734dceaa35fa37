#include "statistics/ballstatswindow.h"
#include "widgets/barchart.h"
#include "statistics/chartswindow.h"
#include "statistics/pairswindow.h"
#include "statistics/statisticscontroller.h"
#include "statistics/statisticswindow.h"
#include "support/mainfixture.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtEndian>
#include <algorithm>

using namespace dstest;

namespace {

const QString NoEntries = QStringLiteral("You do not have any entries in the results file, no stats can be determined");
const QString FewEntries = QStringLiteral(
    "Note: the number of entries is insufficient to give reliable statistics. Download the latest results file?");
const std::vector<const char *> HotBalls = {"Text8", "Text9", "Text11", "Text12", "Text14", "Text17"};
const std::vector<const char *> HotCounts = {"Text1", "Text7", "Text10", "Text13", "Text15", "Text16"};
const std::vector<const char *> CoolThree = {"Text6", "Text5", "Text18", "Text19", "Text20", "Text21"};
const std::vector<const char *> Wins = {"Text22", "Text23"};

// One draw record built byte by byte: date field, six mains, bonus.
QByteArray record(const QByteArray &date8, const std::array<int, 6> &main, int bonus)
{
    QByteArray r = date8.leftJustified(8, ' ', true);
    for (int v : {main[0], main[1], main[2], main[3], main[4], main[5], bonus}) {
        char le[2];
        qToLittleEndian<qint16>(static_cast<qint16>(v), le);
        r.append(le, 2);
    }
    return r;
}

// n weekly draws from `first`, the i-th (0-based) of balls main(i).
template <typename F>
QByteArray weekly(int n, QDate first, F main, int bonus)
{
    std::vector<QByteArray> draws;
    for (int i = 0; i < n; ++i, first = first.addDays(7))
        draws.push_back(record(first.toString(QStringLiteral("ddMMyyyy")).toLatin1(), main(i), bonus));
    return historyFile(draws);
}

// Main counts: 10 five times; 3 and 20 four times; 7, 11 and 30 three times;
// 12 twice; 2 once; 1 only as a bonus. Consecutive pairs in neighbouring
// fields: 10-11 three times; 2-3, 7-8, 11-12 and 25-26 once.
QByteArray smallUk()
{
    return historyFile({
        drawRecord("01031999", {3, 10, 11, 12, 30, 41}, 49), drawRecord("08031999", {3, 10, 12, 20, 30, 45}, 49),
        drawRecord("15031999", {5, 7, 10, 20, 30, 44}, 49), drawRecord("22031999", {2, 3, 7, 8, 20, 46}, 1),
        drawRecord("29031999", {10, 11, 25, 26, 33, 40}, 2), drawRecord("05041999", {3, 7, 10, 11, 20, 48}, 1),
    });
}

// Main counts ball 1: 8, 2: 6, 3: 5, 4: 3, 5: 2, 10..33 once, the rest 0:
// Good from 6, Poor up to 2. Pairs 1-2 six times, 2-3 five, 3-4 three, 4-5
// twice. Bonus 40 40 41 41 42 42 43 43 (bonus thresholds would differ).
QByteArray ratingHistory()
{
    return historyFile({
        drawRecord("01021999", {1, 2, 3, 4, 5, 10}, 40), drawRecord("02021999", {1, 2, 3, 4, 5, 11}, 40),
        drawRecord("03021999", {1, 2, 3, 4, 12, 13}, 41), drawRecord("04021999", {1, 2, 3, 14, 15, 16}, 41),
        drawRecord("05021999", {1, 2, 3, 17, 18, 19}, 42), drawRecord("06021999", {1, 2, 20, 21, 22, 23}, 42),
        drawRecord("07021999", {1, 24, 25, 26, 27, 28}, 43), drawRecord("08021999", {1, 29, 30, 31, 32, 33}, 43),
    });
}

// Irish draws with numbers above 42: 40 of 5 10 43 44 45 46, 25 of 1 2 3 20 41 42.
QByteArray irishWithHighBalls()
{
    return weekly(65, QDate(2001, 1, 6), [](int i) {
        return i % 13 < 8 ? std::array<int, 6>{5, 10, 43, 44, 45, 46} : std::array<int, 6>{1, 2, 3, 20, 41, 42};
    }, 47);
}

// n draws from 4 January 2003 of 1 2 3 4 5 6, with 7 for 6 in the listed draws.
QByteArray appearanceHistory(int n, std::vector<int> withSeven)
{
    return weekly(n, QDate(2003, 1, 4), [&](int i) {
        const bool seven = std::find(withSeven.begin(), withSeven.end(), i) != withSeven.end();
        return std::array<int, 6>{1, 2, 3, 4, 5, seven ? 7 : 6};
    }, 9);
}

QString captionOf(QWidget *w) { auto *b = qobject_cast<QAbstractButton *>(w); return b ? b->text() : QString(); }
QString titleOf(QWidget *w) { auto *g = qobject_cast<QGroupBox *>(w); return g ? g->title() : QString(); }
QString tipOf(QWidget *w) { return w->toolTip(); }
QString idOf(QWidget *w) { return w->objectName() + ' ' + w->windowTitle(); }

// Each named child's caption, frame title or tool tip as given.
void expectEach(QWidget *form, QString (*get)(QWidget *), std::initializer_list<std::pair<const char *, const char *>> want)
{
    for (auto [name, value] : want) {
        if (QWidget *c = child<QWidget>(form, name)) {
            EXPECT_EQ(get(c), QString::fromUtf8(value)) << name;
        }
    }
}

enum class How { Button, Escape, TitleBar };

void closeBy(How how, QWidget *form, const char *button)
{
    if (how == How::Button)
        click(form, button);
    else if (how == How::Escape)
        QTest::keyClick(form, Qt::Key_Escape);
    else
        form->close();
}

} // namespace

class StatWindowsTest : public MainFixture {
protected:
    QWidget *form4() { return topLevel("Form4"); }
    QWidget *form6() { return topLevel("Form6"); }
    QWidget *form16() { return topLevel("Form16"); }
    ds::ChartsWindow *form8() { return topLevel<ds::ChartsWindow>("Form8"); }
    ds::BarChart *chart(QWidget *form, const char *name = "MSChart1") { return child<ds::BarChart>(form, name); }
    QComboBox *combo() { return child<QComboBox>(form16(), "Combo1"); }
    QAbstractButton *best6() { return child<QAbstractButton>(&w(), "Command12"); }

    // The text of a line edit or label.
    QString text(QWidget *form, const char *name)
    {
        QWidget *c = child<QWidget>(form, name);
        if (auto *e = qobject_cast<QLineEdit *>(c))
            return e->text();
        auto *l = qobject_cast<QLabel *>(c);
        return l ? l->text() : QStringLiteral("<none>");
    }
    QStringList texts(QWidget *form, const std::vector<const char *> &names)
    {
        QStringList out;
        for (const char *n : names)
            out << text(form, n);
        return out;
    }
    QList<qreal> bars(QWidget *form, std::initializer_list<int> rows)
    {
        QList<qreal> out;
        for (int r : rows)
            out << chart(form)->rowValues().value(r, -1);
        return out;
    }
    // The pair chosen in the Pairs window and its count.
    QString pairShown() { return combo()->currentText() + ':' + text(form16(), "Text4"); }

    void openUK() { trigger(&w(), "mnuUKstats"); }
    void openIrish() { trigger(&w(), "mnuIRstats"); }
    void writeUK(const QByteArray &bytes) { dir.write(QStringLiteral("UK.exe"), bytes); }
    void writeIR(const QByteArray &bytes) { dir.write(QStringLiteral("IR.exe"), bytes); }

    // The Statistics window open on the UK history, any note dismissed.
    void openUKWith(const QByteArray &bytes, const QString &remembered = {})
    {
        writeUK(bytes);
        start(remembered);
        openUK();
        ASSERT_NE(form4(), nullptr);
        ASSERT_TRUE(form4()->isVisible());
        fakes.dialogs.clear();
    }
    void indepth() { click(form4(), "Command7"); }
    void ballStats(int ball) { form8()->clickRow(ball); }
    void closeAll()
    {
        for (QWidget *f : {form6(), form16(), static_cast<QWidget *>(form8()), form4()})
            if (f->isVisible())
                f->close();
    }
};

TEST_F(StatWindowsTest, EmptyHistoriesAreRefusedAndTwentyDrawsGetTheNote)
{
    start();
    openUK();
    EXPECT_FALSE(dir.exists(QStringLiteral("UK.exe")) && dir.read(QStringLiteral("UK.exe")).size() > 0);
    writeIR(countRecord(0) + drawRecord("01011999", {1, 2, 3, 4, 5, 6}, 7));
    openIrish();
    writeUK(QByteArray("\x01\x02\x03", 3)); // torn
    openUK();
    writeIR(countRecord(-5) + drawRecord("01011999", {1, 2, 3, 4, 5, 6}, 7));
    openIrish();
    EXPECT_EQ(fakes.dialogs.messages, QStringList(4, NoEntries));
    EXPECT_TRUE(form4() == nullptr || !form4()->isVisible());
    EXPECT_TRUE(w().isVisible() && w().isEnabled());

    fakes.dialogs.clear();
    writeUK(syntheticHistory(20));
    openUK();
    EXPECT_EQ(fakes.dialogs.messages, QStringList{FewEntries});
    EXPECT_TRUE(form4()->isVisible() && !w().isVisible());
    click(form4(), "Command1");
    writeUK(syntheticHistory(21));
    openUK();
    EXPECT_EQ(fakes.dialogs.messages, QStringList{FewEntries});
    EXPECT_TRUE(form4()->isVisible());
}

TEST_F(StatWindowsTest, UkWindowOpensEmptyThenFiguresGoByMainNumbersWithTiesToTheLowerBall)
{
    openUKWith(smallUk());
    EXPECT_EQ(idOf(form4()), "Form4 UK Statistics");
    EXPECT_FALSE(hidden(child<QGroupBox>(form4(), "Frame4")));
    expectEach(form4(), titleOf,
               {{"Frame1", "Balls Most Often Drawn (Hot Six)"}, {"Frame2", "Most Frequent Pair"},
                {"Frame3", "Balls Least Often Drawn (Cool 3)"}, {"Frame4", "Number of Wins Using Best 6"}});
    expectEach(form4(), captionOf, {{"Command5", "Save"}, {"Command8", "More pairs.."}, {"Command7", "Indepth Analysis"}});
    expectEach(form4(), tipOf,
               {{"Command7", "More statistics and charts."}, {"Command2", "Displays the stats in this frame."},
                {"Command6", "Displays the number of times the best 6 would have won."},
                {"Command5", "This allows you to save these entries and add them to your list of entries on the main form."},
                {"Command1", "Closes this window."}});
    EXPECT_FALSE(child<QWidget>(form4(), "Command5")->isEnabled());
    for (int k = 1; k <= 23; ++k)
        EXPECT_TRUE(text(form4(), QStringLiteral("Text%1").arg(k).toLatin1().constData()).isEmpty()) << k;
    EXPECT_EQ(chart(form8())->title(), "Chart of Balls Drawn"); // not built yet
    click(form4(), "Command6");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"You need to display the Hot 6 first"});
    EXPECT_EQ(texts(form4(), Wins), QStringList(2, QString()));

    click(form4(), "Command2");
    EXPECT_EQ(texts(form4(), HotBalls), (QStringList{"10", "3", "20", "7", "11", "30"}));
    EXPECT_EQ(texts(form4(), HotCounts), (QStringList{"5", "4", "4", "3", "3", "3"}));
    EXPECT_EQ(texts(form4(), {"Text2", "Text6"}), QStringList(2, QString())); // other frames untouched
    EXPECT_TRUE(child<QWidget>(form4(), "Command5")->isEnabled());
    click(form4(), "Command4"); // 1 was drawn only as a bonus: it counts 0, as do 4 and 6
    EXPECT_EQ(texts(form4(), CoolThree), (QStringList{"1", "0", "4", "0", "6", "0"}));
    click(form4(), "Command3"); // 10 and 12 of the first draw are not neighbours
    EXPECT_EQ(texts(form4(), {"Text2", "Text3", "Text4"}), (QStringList{"10", "11", "3"}));

    // 10 3 20 7 11 30: 4 matches in draws 1-3, 3 in draw 4, 2 in draw 5, 5 in draw 6.
    click(form4(), "Command6");
    EXPECT_EQ(texts(form4(), Wins), (QStringList{"5", "5"}));
    const auto winsOf = [&](const QStringList &six) {
        for (size_t k = 0; k < 6; ++k)
            type(form4(), HotBalls[k], six[static_cast<int>(k)]);
        click(form4(), "Command6");
        return texts(form4(), Wins);
    };
    EXPECT_EQ(winsOf({"25", "26", "33", "40", "41", "44"}), (QStringList{"1", "4"}));
    EXPECT_EQ(winsOf({"1", "2", "4", "6", "9", "49"}), (QStringList{"0", "0"}));
}

TEST_F(StatWindowsTest, CoolThreeAmongDrawnBallsGoesByCount)
{
    // Every ball three times, except 48 twice and 49 once.
    openUKWith(weekly(24, QDate(2000, 1, 1), [](int i) {
        const int f = 1 + 6 * (i % 8);
        return std::array<int, 6>{f, f + 1, f + 2, f + 3, f + 4, i == 23 ? 49 : f + 5};
    }, 1));
    click(form4(), "Command4");
    EXPECT_EQ(texts(form4(), CoolThree), (QStringList{"49", "1", "48", "2", "1", "3"}));
}

TEST_F(StatWindowsTest, IrishWindowsStayWithin42AndBestSixFollowsTheCurrentGame)
{
    writeIR(irishWithHighBalls());
    start(QStringLiteral("I"));
    openIrish();
    EXPECT_EQ(idOf(form4()), "Form4 Irish Statistics");
    EXPECT_TRUE(hidden(child<QGroupBox>(form4(), "Frame4")));
    for (const char *b : {"Command2", "Command3", "Command4", "Command5"})
        click(form4(), b);
    EXPECT_EQ(texts(form4(), HotBalls), (QStringList{"5", "10", "1", "2", "3", "20"}));
    EXPECT_EQ(texts(form4(), {"Text1", "Text2", "Text3", "Text4", "Text6", "Text18", "Text20"}),
              (QStringList{"40", "1", "2", "25", "4", "6", "7"}));
    EXPECT_TRUE(best6()->isEnabled());

    click(form4(), "Command8");
    ASSERT_EQ(combo()->count(), 41);
    combo()->setCurrentIndex(40);
    EXPECT_EQ(pairShown(), "41-42:25");
    click(form16(), "Command8");

    indepth();
    EXPECT_EQ(form8()->windowTitle(), "Irish Charts");
    for (auto [kind, rows] : {std::pair{"Command4", 42}, std::pair{"Command6", 41}}) { // balls, pairs
        click(form8(), kind);
        ds::BarChart *c = chart(form8());
        EXPECT_EQ(c->rowCount(), rows) << kind;
        EXPECT_EQ(c->rowLabels().last(), QStringLiteral(" %1").arg(rows)) << kind;
        EXPECT_EQ(c->rowValues().last(), 25) << kind;
        form8()->clickRow(rows + 1); // beyond the game's balls or pairs: nothing opens
        EXPECT_FALSE(form16()->isVisible() || form6()->isVisible());
        EXPECT_TRUE(form8()->isEnabled());
    }
    click(form8(), "Command4");
    ballStats(42); // 65 x 6 / 42 = 9.3 expected; the last ball has one pairing
    EXPECT_EQ(texts(form6(), {"Text1", "Label11", "Text6", "Label12", "Text7"}), (QStringList{"9", "41-42", "25", "", ""}));

    // The UK game while Ireland is current: the wins frame is back, Best 6 goes off.
    closeAll();
    writeUK(smallUk());
    openUK();
    EXPECT_FALSE(hidden(child<QGroupBox>(form4(), "Frame4")));
    click(form4(), "Command2");
    click(form4(), "Command5");
    EXPECT_FALSE(best6()->isEnabled());
    EXPECT_EQ(state.bestSix[0], "10");
}

TEST_F(StatWindowsTest, SaveStoresTheBoxesAndEnablesBestSixForTheSameGame)
{
    writeIR(irishWithHighBalls());
    openUKWith(smallUk());
    EXPECT_FALSE(best6()->isEnabled());
    click(form4(), "Command2");
    click(form4(), "Command5");
    EXPECT_EQ(state.bestSix, (std::array<QString, 6>{"10", "3 ", "20", "7 ", "11", "30"}));
    EXPECT_TRUE(best6()->isEnabled());
    EXPECT_EQ(captionOf(child<QWidget>(form4(), "Command5")), "Saved");
    // Saving again stores the boxes as they stand: trimmed, padded or cut to two.
    type(form4(), "Text8", "  123 ");
    type(form4(), "Text9", " 4");
    type(form4(), "Text17", "");
    click(form4(), "Command5");
    EXPECT_EQ(state.bestSix, (std::array<QString, 6>{"12", "4 ", "20", "7 ", "11", "  "}));

    click(form4(), "Command1"); // reopening starts empty with Save again
    openUK();
    EXPECT_EQ(texts(form4(), {"Text8", "Text1"}), QStringList(2, QString()));
    EXPECT_EQ(captionOf(child<QWidget>(form4(), "Command5")), "Save");
    EXPECT_FALSE(child<QWidget>(form4(), "Command5")->isEnabled());

    click(form4(), "Command1"); // the Irish six while the UK is current turns Best 6 off
    openIrish();
    EXPECT_TRUE(hidden(child<QGroupBox>(form4(), "Frame4")));
    click(form4(), "Command2");
    click(form4(), "Command5");
    EXPECT_FALSE(best6()->isEnabled());
    EXPECT_EQ(state.bestSix, (std::array<QString, 6>{"5 ", "10", "1 ", "2 ", "3 ", "20"}));
}

TEST_F(StatWindowsTest, ChartsOfMainBonusBothAndPairs)
{
    openUKWith(smallUk());
    indepth();
    EXPECT_EQ(idOf(form8()), "Form8 UK Charts");
    EXPECT_TRUE(form8()->isVisible() && !form4()->isVisible() && !w().isVisible());
    ds::BarChart *c = chart(form8());
    EXPECT_EQ(c->title(), "Balls Drawn (Main)");
    ASSERT_EQ(c->rowCount(), 49);
    EXPECT_EQ((QStringList{c->rowLabels()[0], c->rowLabels()[9], c->rowLabels()[48]}), (QStringList{" 1", " 10", " 49"}));
    EXPECT_EQ(bars(form8(), {0, 9, 48}), (QList<qreal>{0, 5, 0})); // 1 and 49: bonus only
    EXPECT_EQ(text(form8(), "Label1"), "Click on Red Bar to show more information about a particular ball");
    EXPECT_EQ(c->toolTip(), "Click on Chart Entry for More information About a Ball Selection History");
    expectEach(form8(), captionOf,
               {{"Command4", "Main"}, {"Command2", "Bonus"}, {"Command5", "Main+Bonus"}, {"Command6", "Pairs"},
                {"Command3", "Print"}, {"Command1", "Close"}});
    expectEach(form8(), tipOf,
               {{"Command4", "Displays the chart of main balls."}, {"Command2", "Displays the chart of bonus balls."},
                {"Command5", "Displays the chart of main and bonus balls."},
                {"Command6", "Displays the chart of number of times pairs are drawn."},
                {"Command3", "Prints the chart."}, {"Command1", "Closes this form."}});

    click(form8(), "Command2");
    EXPECT_EQ(c->title(), "Balls Drawn (Bonus)");
    EXPECT_EQ(c->rowCount(), 49);
    EXPECT_EQ(bars(form8(), {48, 0, 9}), (QList<qreal>{3, 2, 0}));
    click(form8(), "Command5");
    EXPECT_EQ(c->title(), "Balls Drawn (Main and Bonus)");
    EXPECT_EQ(bars(form8(), {48, 1, 9}), (QList<qreal>{3, 2, 5})); // 2: once main, once bonus
    click(form8(), "Command4");
    EXPECT_EQ(c->title(), "Balls Drawn (Main)");
    EXPECT_EQ(bars(form8(), {1}), (QList<qreal>{1}));
    click(form8(), "Command6");
    EXPECT_EQ(c->title(), "Pairs");
    ASSERT_EQ(c->rowCount(), 48);
    EXPECT_EQ((QStringList{c->rowLabels().first(), c->rowLabels().last()}), (QStringList{" 1", " 48"}));
    EXPECT_EQ(bars(form8(), {9, 10, 11}), (QList<qreal>{3, 1, 0})); // 10-11, 11-12, 12-13

    // A click on a bar reports its row.
    auto clickBar = [&](int index) {
        auto *series = qobject_cast<QBarSeries *>(c->chart()->series().value(0));
        ASSERT_NE(series, nullptr);
        emit series->clicked(index, series->barSets().value(0));
    };
    clickBar(9);
    ASSERT_TRUE(form16()->isVisible());
    EXPECT_EQ(pairShown(), "10-11:3");
    click(form16(), "Command8");
    click(form8(), "Command4");
    clickBar(9);
    ASSERT_TRUE(form6()->isVisible());
    EXPECT_EQ(titleOf(child<QWidget>(form6(), "Frame1")), "Statistics for Ball 10");
}

TEST_F(StatWindowsTest, BallStatisticsShowTheBallsFiguresAndPrint)
{
    openUKWith(ratingHistory());
    indepth();
    click(form8(), "Command3");
    ballStats(3);
    ASSERT_TRUE(form6()->isVisible());
    EXPECT_EQ(form6()->objectName(), "Form6");
    EXPECT_TRUE(form8()->isVisible() && !form8()->isEnabled());
    expectEach(form6(), titleOf, {{"Frame1", "Statistics for Ball 3"}, {"Frame2", "Pairings"}});
    // Main, bonus, expected (8 x 6 / 49 = 0.98), rating, last drawn, pairings.
    EXPECT_EQ(texts(form6(), {"Text2", "Text3", "Text1", "Text5", "Text4", "Label11", "Text6", "Label12", "Text7"}),
              (QStringList{"5", "0", "1", "Average", "05/02/1999", "2-3", "5", "3-4", "3"}));
    ds::BarChart *dve = chart(form6());
    EXPECT_EQ(dve->title(), "Drawn vs Expected");
    EXPECT_EQ(dve->rowValues(), (QList<qreal>{1, 5}));
    EXPECT_EQ(dve->toolTip(), "Chart of expected against actual. The greener the more often the ball has been drawn.");
    expectEach(form6(), tipOf,
               {{"Text6", "Shows the number of times the pair has been drawn."},
                {"Text5", "Based on the frequency drawnd and the expected number of times ball should be drawn."},
                {"Command2", "Prints the form."}, {"Command1", "Closes this form."}});
    EXPECT_EQ(captionOf(child<QWidget>(form6(), "Command2")), "Print");
    // 8 draws: no appearances chart, the note in its place.
    EXPECT_TRUE(hidden(chart(form6(), "MSChart2")) && !hidden(child<QLabel>(form6(), "Label7")));
    EXPECT_EQ(text(form6(), "Label7"),
              "There are insufficient draws in the history to show hits over the last year. Download the latest history files from the web or enter some numbers yourself.");
    EXPECT_EQ(text(form6(), "Label6"), "Ball Appearances Over Last 104 Draws. Groups On Right Show Recent Appearances.");

    click(form6(), "Command2");
    ASSERT_EQ(fakes.printer.jobs.size(), 2u);
    EXPECT_EQ((QStringList{fakes.printer.jobs[0].windowName, fakes.printer.jobs[1].windowName}), (QStringList{"Form8", "Form6"}));
    EXPECT_EQ((std::pair{fakes.printer.jobs[0].windowImages, fakes.printer.jobs[1].windowImages}), (std::pair{1, 1}));
    EXPECT_TRUE(form6()->isVisible());

    // From the bonus and combined charts too the rating goes by main counts (bonus alone: "Good").
    for (const char *kind : {"Command2", "Command5"}) {
        click(form6(), "Command1");
        click(form8(), kind);
        ballStats(3);
        EXPECT_EQ(texts(form6(), {"Text5", "Text2"}), (QStringList{"Average", "5"})) << kind;
    }
}

TEST_F(StatWindowsTest, RatingsDatesAndPairingsOfEachKindOfBall)
{
    openUKWith(ratingHistory());
    indepth();
    // Main, bonus, last drawn, rating, pair below and its count, pair above and its count.
    const std::pair<int, QStringList> rows[] = {
        {2, {"6", "0", "06/02/1999", "Good", "1-2", "6", "2-3", "5"}},
        {1, {"8", "0", "08/02/1999", "Good", "1-2", "6", "", ""}},
        {4, {"3", "0", "03/02/1999", "Average", "3-4", "3", "4-5", "2"}},
        {49, {"0", "0", "//", "Poor", "48-49", "0", "", ""}},
        {5, {"2", "0", "02/02/1999", "Poor", "4-5", "2", "5-6", "0"}},
        {10, {"1", "0", "01/02/1999", "Poor", "9-10", "0", "10-11", "0"}},
        {6, {"0", "0", "//", "Poor", "5-6", "0", "6-7", "0"}},
        {40, {"0", "2", "02/02/1999", "Poor", "39-40", "0", "40-41", "0"}}, // bonus only
    };
    for (const auto &[ball, want] : rows) {
        ballStats(ball);
        EXPECT_EQ(titleOf(child<QWidget>(form6(), "Frame1")), QStringLiteral("Statistics for Ball %1").arg(ball));
        EXPECT_EQ(texts(form6(), {"Text2", "Text3", "Text4", "Text5", "Label11", "Text6", "Label12", "Text7"}), want)
            << ball;
        click(form6(), "Command1");
    }
}

TEST_F(StatWindowsTest, ExpectedCountOfAThousandUkDraws)
{
    openUKWith(syntheticHistory(1000));
    indepth();
    ballStats(17);
    EXPECT_EQ(text(form6(), "Text1"), "122");
    EXPECT_EQ(chart(form6())->rowValues(), (QList<qreal>{122, text(form6(), "Text2").toDouble()}));
}

TEST_F(StatWindowsTest, AppearancesShowFrom105DrawsTheLast104OldestFirst)
{
    openUKWith(appearanceHistory(104, {0, 103}));
    indepth();
    ballStats(7);
    EXPECT_TRUE(hidden(chart(form6(), "MSChart2")) && !hidden(child<QLabel>(form6(), "Label7")));
    EXPECT_EQ(texts(form6(), {"Label8", "Label9"}), QStringList(2, QString()));
    closeAll();

    writeUK(appearanceHistory(105, {0, 1, 104}));
    openUK();
    indepth();
    ballStats(7);
    ds::BarChart *c = chart(form6(), "MSChart2");
    EXPECT_TRUE(!hidden(c) && hidden(child<QLabel>(form6(), "Label7")));
    QList<qreal> want(104, 0);
    want[0] = want[103] = 1; // draw 1 (0-based), the oldest of the last 104, and the latest
    EXPECT_EQ(c->rowValues(), want);
    const QDate first(2003, 1, 4);
    EXPECT_EQ(texts(form6(), {"Label8", "Label9"}),
              (QStringList{first.addDays(7).toString("dd/MM/yyyy"), first.addDays(7 * 104).toString("dd/MM/yyyy")}));
    EXPECT_EQ(c->toolTip(), "Appearances for the ball over the last 104 draws.");
    click(form6(), "Command1");
    ballStats(1); // in every draw
    EXPECT_EQ(chart(form6(), "MSChart2")->rowValues(), QList<qreal>(104, 1));
}

TEST_F(StatWindowsTest, PairsWindowFromStatisticsAndFromThePairsChart)
{
    openUKWith(smallUk());
    click(form4(), "Command8");
    ASSERT_TRUE(form16()->isVisible());
    EXPECT_EQ(idOf(form16()), "Form16 Pairs");
    EXPECT_TRUE(form4()->isVisible() && !form4()->isEnabled());
    ASSERT_EQ(combo()->count(), 48);
    EXPECT_EQ((QStringList{combo()->itemText(22), combo()->itemText(47)}), (QStringList{"23-24", "48-49"}));
    EXPECT_EQ(pairShown(), "1-2:0");
    combo()->setCurrentIndex(9);
    EXPECT_EQ(pairShown(), "10-11:3");
    combo()->setCurrentIndex(1);
    EXPECT_EQ(pairShown(), "2-3:1");
    expectEach(form16(), tipOf,
               {{"Combo1", "Select the pair to display the number of times drawn."},
                {"Text4", "Number of times pair drawn."}, {"Command8", "Closes this form."}});
    EXPECT_EQ(captionOf(child<QWidget>(form16(), "Command8")), "Close");
    click(form16(), "Command8");
    EXPECT_EQ(combo()->count(), 0);

    indepth();
    click(form8(), "Command6");
    form8()->clickRow(10);
    ASSERT_TRUE(form16()->isVisible() && !form8()->isEnabled());
    EXPECT_EQ(pairShown(), "10-11:3");
    click(form16(), "Command8");
    form8()->clickRow(48);
    EXPECT_EQ(pairShown(), "48-49:0");
    click(form16(), "Command8");
    click(form8(), "Command4"); // back on the main chart a click shows a ball again
    form8()->clickRow(10);
    EXPECT_TRUE(form6()->isVisible());
    EXPECT_FALSE(form16()->isVisible());
}

TEST_F(StatWindowsTest, EveryClosePathGivesBackItsWindowAndTheMaxBall)
{
    writeUK(ratingHistory());
    start(QStringLiteral("I")); // UK statistics while Ireland is current
    ASSERT_EQ(state.maxBall, 42);
    for (How how : {How::Button, How::Escape, How::TitleBar}) {
        SCOPED_TRACE(static_cast<int>(how));
        openUK();
        click(form4(), "Command8");
        closeBy(how, form16(), "Command8");
        EXPECT_FALSE(form16()->isVisible() || form8()->isVisible());
        EXPECT_TRUE(form4()->isVisible() && form4()->isEnabled());
        indepth();
        ballStats(45);
        EXPECT_EQ(state.maxBall, 49);
        closeBy(how, form6(), "Command1");
        EXPECT_EQ(state.maxBall, 49);
        EXPECT_TRUE(!form6()->isVisible() && form8()->isVisible() && form8()->isEnabled());
        EXPECT_TRUE(text(form6(), "Label11").isEmpty());
        click(form8(), "Command6");
        form8()->clickRow(4);
        closeBy(how, form16(), "Command8");
        EXPECT_FALSE(form16()->isVisible() || form4()->isVisible());
        EXPECT_TRUE(form8()->isVisible() && form8()->isEnabled());
        closeBy(how, form8(), "Command1");
        EXPECT_EQ(state.maxBall, 42);
        EXPECT_FALSE(form8()->isVisible() || w().isVisible());
        EXPECT_TRUE(form4()->isVisible() && form4()->isEnabled());
        state.maxBall = 7;
        closeBy(how, form4(), "Command1");
        EXPECT_EQ(state.maxBall, 42);
        EXPECT_TRUE(!form4()->isVisible() && w().isVisible() && w().isEnabled());
    }
    // Closing a disabled window closes the one it opened.
    openUK();
    indepth();
    click(form8(), "Command2");
    ballStats(2);
    form8()->close(); // the title bar of the disabled window
    EXPECT_FALSE(form6()->isVisible() || form8()->isVisible());
    EXPECT_TRUE(form4()->isVisible() && form4()->isEnabled());
    indepth();
    EXPECT_TRUE(form8()->isEnabled());
    EXPECT_EQ(chart(form8())->title(), "Balls Drawn (Main)");
    click(form8(), "Command1");

    click(form4(), "Command8");
    ASSERT_TRUE(form16()->isVisible());
    form4()->close();
    EXPECT_FALSE(form4()->isVisible() || form16()->isVisible());
    EXPECT_EQ(combo()->count(), 0);
    EXPECT_TRUE(w().isVisible());
    openUK();
    EXPECT_TRUE(form4()->isEnabled());
}

TEST_F(StatWindowsTest, DamagedHistoryNeverCrashesAnyWindow)
{
    // A count beyond the records, numbers out of range, any date bytes, a torn last record.
    QByteArray bytes = countRecord(40) + record("01011999", {0, -1, 50, 32767, -32768, 49}, 49)
        + record(QByteArray("\xff\xfe\x00\x01 abc", 8), {49, 50, 1, 1, 2, 3}, -7)
        + record("        ", {48, 49, 50, 51, 52, 53}, 0);
    for (int i = 0; i < 25; ++i)
        bytes += record("02011999", {i % 60 - 5, 7, 8, 48, 49, 200}, 1000);
    writeUK(bytes + QByteArray("0301199", 7));
    start();
    openUK();
    ASSERT_TRUE(form4()->isVisible());
    for (const char *b : {"Command2", "Command3", "Command4", "Command6", "Command5"})
        click(form4(), b);
    for (const QString &t : texts(form4(), {"Text8", "Text9", "Text11", "Text12", "Text14", "Text17", "Text6",
                                            "Text18", "Text20", "Text2", "Text3"}))
        EXPECT_TRUE(t.toInt() >= 0 && t.toInt() <= 49) << t.toStdString();
    click(form4(), "Command8");
    combo()->setCurrentIndex(47);
    click(form16(), "Command8");
    indepth();
    for (const char *kind : {"Command4", "Command2", "Command5", "Command6"}) {
        click(form8(), kind);
        for (int row : {-3, -1, 0, 1, 7, 48, 49, 50, 1000}) {
            form8()->clickRow(row);
            for (QWidget *f : {form6(), form16()})
                if (f->isVisible())
                    f->close();
        }
    }
    EXPECT_TRUE(form8()->isEnabled());
    click(form8(), "Command1");
    click(form4(), "Command1");
    EXPECT_TRUE(w().isVisible());
}

TEST_F(StatWindowsTest, EveryShowAnswersQuicklyOverThirtyThousandDraws)
{
    openUKWith(syntheticHistory(30000));
    for (const char *b : {"Command2", "Command3", "Command4", "Command6"}) {
        qint64 best = 1'000'000;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer t;
            t.start();
            click(form4(), b);
            best = std::min(best, t.elapsed());
        }
        EXPECT_LT(best, 50) << b;
    }
    EXPECT_FALSE(text(form4(), "Text22").isEmpty());
}
