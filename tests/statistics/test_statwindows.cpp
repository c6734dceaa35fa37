// The Statistics, Charts, Ball Statistics and Pairs windows driven through
// their widgets. The figures themselves are checked in test_drawstats.cpp;
// here each handler is checked to read the right boxes and show what the
// logic gives, and the windows to hand over to one another.
#include "statistics/chartswindow.h"
#include "support/charts.h"
#include "support/mainfixture.h"
#include "thunderball/resultsimport.h"
#include "widgets/barchart.h"

#include <QChart>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <map>

using namespace dstest;

namespace {

const QString NoEntries = QStringLiteral("You do not have any entries in the results file, no stats can be determined");
const QString FewEntries = QStringLiteral(
    "Note: the number of entries is insufficient to give reliable statistics. Download the latest results file?");
const std::vector<const char *> HotBalls = {"Text8", "Text9", "Text11", "Text12", "Text14", "Text17"};

// n weekly draws from `first`: draw(i, dateField) gives the i-th (0-based).
template <typename F>
QByteArray weekly(int n, QDate first, F draw)
{
    std::vector<QByteArray> draws;
    for (int i = 0; i < n; ++i)
        draws.push_back(draw(i, first.addDays(7 * i).toString(QStringLiteral("ddMMyyyy")).toLatin1()));
    return historyFile(draws);
}

// Main counts: 10 five times; 3 and 20 four times; 7, 11 and 30 three times;
// 12 twice; 2 once; 1 only as a bonus: Good from 4, Poor at 0 (by the bonus
// counts 3 would rate Good). Bonus 49 three times, 1 twice, 2 once. Consecutive
// pairs in neighbouring fields: 10-11 three times; 2-3, 7-8, 11-12 and 25-26 once.
QByteArray smallUk()
{
    return historyFile({
        drawRecord("01031999", {3, 10, 11, 12, 30, 41}, 49), drawRecord("08031999", {3, 10, 12, 20, 30, 45}, 49),
        drawRecord("15031999", {5, 7, 10, 20, 30, 44}, 49), drawRecord("22031999", {2, 3, 7, 8, 20, 46}, 1),
        drawRecord("29031999", {10, 11, 25, 26, 33, 40}, 2), drawRecord("05041999", {3, 7, 10, 11, 20, 48}, 1),
    });
}

// Irish draws with numbers above 42: 40 of 5 10 43 44 45 46, 25 of 1 2 3 20 41 42.
QByteArray irishWithHighBalls()
{
    return weekly(65, QDate(2001, 1, 6), [](int i, const QByteArray &d) {
        return i % 13 < 8 ? drawRecord(d.constData(), {5, 10, 43, 44, 45, 46}, 47)
                            : drawRecord(d.constData(), {1, 2, 3, 20, 41, 42}, 47);
    });
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

    // The text of a line edit, label, button or frame.
    QString text(QWidget *form, const char *name)
    {
        QWidget *c = child<QWidget>(form, name);
        return c ? c->property(qobject_cast<QGroupBox *>(c) ? "title" : "text").toString() : QStringLiteral("<none>");
    }
    QStringList texts(QWidget *form, const std::vector<const char *> &names)
    {
        QStringList out;
        for (const char *n : names)
            out << text(form, n);
        return out;
    }
    // The pair chosen in the Pairs window and its count.
    QString pairShown() { return combo()->currentText() + ':' + text(form16(), "Text4"); }

    void openUK() { trigger(&w(), "mnuUKstats"); }
    void openIrish() { trigger(&w(), "mnuIRstats"); }
    void writeUK(const QByteArray &bytes) { dir.write(QStringLiteral("UK.exe"), bytes); }

    // The Statistics window open on the UK history, any note dismissed.
    void openUKWith(const QByteArray &bytes, const QString &remembered = {})
    {
        writeUK(bytes);
        start(remembered);
        openUK();
        ASSERT_TRUE(form4() && form4()->isVisible());
        fakes.dialogs.clear();
    }
    void indepth() { click(form4(), "Command7"); }
    void ballStats(int ball) { form8()->clickRow(ball); }
};

TEST_F(StatWindowsTest, EmptyHistoriesAreRefusedUnder21DrawsGetTheNoteAndADamagedOneNeverCrashes)
{
    start();
    // An unreadable history: UnreadableFiles; a torn one reads as its whole records (DrawHistory).
    const QByteArray oneDraw = drawRecord("01011999", {1, 2, 3, 4, 5, 6}, 7);
    const struct {
        const char *file;
        QByteArray bytes;
        QStringList messages;
    } cases[] = {
        {"IR.exe", countRecord(0) + oneDraw, {NoEntries}},
        {"IR.exe", countRecord(-5) + oneDraw, {FewEntries}}, // a damaged count: the draws present
        {"UK.exe", syntheticHistory(20), {FewEntries}},
        {"UK.exe", syntheticHistory(21), {}},
    };
    for (const auto &c : cases) {
        dir.write(QString::fromLatin1(c.file), c.bytes);
        fakes.dialogs.clear();
        c.file[0] == 'I' ? openIrish() : openUK();
        EXPECT_EQ(fakes.dialogs.messages, c.messages) << c.bytes.size();
        const bool opens = c.messages != QStringList{NoEntries};
        EXPECT_EQ(form4() && form4()->isVisible(), opens) << c.bytes.size();
        EXPECT_EQ(w().isVisible(), !opens);
        if (opens)
            click(form4(), "Command1");
    }

    // A damaged history never crashes any window: a count beyond the records,
    // numbers out of range, any date bytes, a torn last record.
    QByteArray bytes = countRecord(40) + drawRecord("01011999", {0, -1, 50, 32767, -32768, 49}, 49)
        + drawRecord("\xff\xfe\x00\x01 abc", {49, 50, 1, 1, 2, 3}, -7) + drawRecord("        ", {48, 49, 50, 51, 52, 53}, 0);
    for (int i = 0; i < 25; ++i)
        bytes += drawRecord("02011999", {i % 60 - 5, 7, 8, 48, 49, 200}, 1000);
    writeUK(bytes + QByteArray("0301199", 7));
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
        for (int row : {-3, 0, 1, 48, 49, 50, 1000}) {
            form8()->clickRow(row);
            for (QWidget *f : {form6(), form16()})
                if (f->isVisible())
                    f->close();
        }
    }
    EXPECT_TRUE(form8()->isEnabled());
}

TEST_F(StatWindowsTest, EachShowFillsItsFrameMorePairsShowsAnyPairLabelsStayBesideTheirBoxesAndABrokenHistoryIsSaid)
{
    openUKWith(smallUk());
    EXPECT_FALSE(hidden(child<QGroupBox>(form4(), "Frame4")));
    click(form4(), "Command6");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"You need to display the Hot 6 first"});
    EXPECT_EQ(texts(form4(), {"Text22", "Text23"}), QStringList(2, QString()));

    click(form4(), "Command2");
    EXPECT_EQ(texts(form4(), HotBalls), (QStringList{"10", "3", "20", "7", "11", "30"}));
    EXPECT_EQ(texts(form4(), {"Text1", "Text7", "Text10", "Text13", "Text15", "Text16"}),
              (QStringList{"5", "4", "4", "3", "3", "3"}));
    EXPECT_EQ(texts(form4(), {"Text2", "Text6"}), QStringList(2, QString())); // other frames untouched
    click(form4(), "Command4");
    EXPECT_EQ(texts(form4(), {"Text6", "Text5", "Text18", "Text19", "Text20", "Text21"}),
              (QStringList{"1", "0", "4", "0", "6", "0"}));
    click(form4(), "Command3");
    EXPECT_EQ(texts(form4(), {"Text2", "Text3", "Text4"}), (QStringList{"10", "11", "3"}));
    // The wins go by the six ball boxes as they stand: 4 matches in draw 5, 1 in draws 1 and 3.
    for (size_t k = 0; k < 6; ++k)
        type(form4(), HotBalls[k], QStringList{"25", "26", "33", "40", "41", "44"}[static_cast<int>(k)]);
    click(form4(), "Command6");
    EXPECT_EQ(texts(form4(), {"Text22", "Text23"}), (QStringList{"1", "4"}));

    click(form4(), "Command8"); // its opening and closing: ChildWindow
    ASSERT_EQ(combo()->count(), 48);
    EXPECT_EQ((QStringList{combo()->itemText(22), combo()->itemText(47)}), (QStringList{"23-24", "48-49"}));
    EXPECT_EQ(pairShown(), "1-2:0");
    combo()->setCurrentIndex(9);
    EXPECT_EQ(pairShown(), "10-11:3");
    click(form16(), "Command8");

    // The count boxes are read-only, and the labels stay beside their boxes.
    for (const char *name : {"Text1", "Text4", "Text5", "Text22"}) { // a count box of each frame
        auto *box = child<QLineEdit>(form4(), name);
        EXPECT_TRUE(box->isReadOnly() && box->focusPolicy() == Qt::NoFocus) << name;
    }
    EXPECT_FALSE(child<QLineEdit>(form4(), "Text8")->isReadOnly()); // the six may be typed over

    // A label of each frame and the boxes on either side of it, left to right.
    const std::pair<const char *, const char *> neighbours[] = {{"Text8", "Label1"}, {"Label1", "Text1"},
        {"Text4", "Label7"}, {"Text6", "Label8"}, {"Label8", "Text5"}, {"Text22", "Label11"}, {"Label11", "Text23"}};
    const auto gaps = [&] {
        QApplication::processEvents();
        std::vector<int> out;
        for (const auto &[left, right] : neighbours) {
            // A label's own extent is its text's, however wide the label is laid out.
            QWidget *l = child<QWidget>(form4(), left), *r = child<QWidget>(form4(), right);
            const int lWidth = qobject_cast<QLabel *>(l) ? l->sizeHint().width() : l->width();
            out.push_back(r->mapTo(form4(), QPoint()).x() - l->mapTo(form4(), QPoint(lWidth, 0)).x());
        }
        return out;
    };
    const std::vector<int> before = gaps();
    form4()->resize(form4()->width() * 2, form4()->height() * 2);
    const std::vector<int> after = gaps();
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_NEAR(after[i], before[i], 3) << neighbours[i].first;

    // A history that cannot be read any more once the windows are open (a
    // folder where the file was) is said by every button that reads it; what
    // the windows show stays as it was and no further window opens.
    indepth();
    const QList<qreal> rows = chart(form8())->rowValues();
    const std::vector<const char *> figures = {"Text8", "Text1", "Text2", "Text6", "Text22"};
    const QStringList shown = texts(form4(), figures);
    ASSERT_EQ(rows.size(), 49);
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("UK.exe"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("UK.exe")));
    const std::pair<QWidget *, const char *> buttons[] = {
        {form4(), "Command2"}, {form4(), "Command3"}, {form4(), "Command4"}, {form4(), "Command6"},
        {form4(), "Command8"}, {form8(), "Command4"}, {form8(), "Command2"}, {form8(), "Command5"},
        {form8(), "Command6"},
    };
    for (const auto &[form, name] : buttons) {
        fakes.dialogs.clear();
        click(form, name);
        EXPECT_EQ(fakes.dialogs.messages, QStringList{QStringLiteral("The draw history file could not be read.")})
            << form->objectName().toStdString() << " " << name;
    }
    fakes.dialogs.clear();
    ballStats(10);
    EXPECT_EQ(fakes.dialogs.messages.size(), 1);
    for (QWidget *f : {form6(), form16()})
        EXPECT_TRUE(!f || !f->isVisible()) << (f ? f->objectName().toStdString() : "");
    EXPECT_EQ(texts(form4(), figures), shown);
    EXPECT_EQ(chart(form8())->rowValues(), rows);

    // Closed and opened again, the charts do not open on nothing.
    click(form8(), "Command1");
    fakes.dialogs.clear();
    indepth();
    EXPECT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_FALSE(form8()->isVisible());
}

TEST_F(StatWindowsTest, SaveEnablesBestSixForTheSameGameOnlyAndIrishWindowsStayWithin42)
{
    dir.write(QStringLiteral("IR.exe"), irishWithHighBalls());
    openUKWith(smallUk());
    EXPECT_FALSE(best6()->isEnabled());
    click(form4(), "Command2");
    type(form4(), "Text17", " 123 "); // the boxes as they stand
    click(form4(), "Command5");
    EXPECT_EQ(state.bestSix, (std::array<QString, 6>{"10", "3 ", "20", "7 ", "11", "12"}));
    EXPECT_TRUE(best6()->isEnabled());
    EXPECT_EQ(text(form4(), "Command5"), "Saved");

    click(form4(), "Command1"); // reopening starts empty with Save again
    openUK();
    EXPECT_EQ(texts(form4(), {"Text8", "Text1", "Text2", "Text6", "Text22"}), QStringList(5, QString()));
    EXPECT_EQ(text(form4(), "Command5"), "Save");
    EXPECT_FALSE(child<QWidget>(form4(), "Command5")->isEnabled());

    click(form4(), "Command1"); // the Irish six while the UK is current turns Best 6 off
    openIrish();
    EXPECT_EQ(form4()->windowTitle(), "Irish Statistics");
    EXPECT_TRUE(hidden(child<QGroupBox>(form4(), "Frame4")));
    click(form4(), "Command2");
    EXPECT_EQ(texts(form4(), HotBalls), (QStringList{"5", "10", "1", "2", "3", "20"}));
    click(form4(), "Command5");
    EXPECT_FALSE(best6()->isEnabled());
    EXPECT_EQ(state.bestSix[0], "5 ");

    indepth();
    EXPECT_EQ(chart(form8())->rowValues().size(), 42);
    ballStats(42); // 65 x 6 / 42 = 9.3 expected
    EXPECT_EQ(texts(form6(), {"Text1", "Label11"}), (QStringList{"9", "41-42"}));
}

// Each chart button, then hovering and clicking a row's bar, label or empty column;
// then the figures of a ball and the prints of both windows. The UK charts
// while Ireland is current count to 49.
TEST_F(StatWindowsTest, EachChartCountsItsBallsUnderReadableLabelsAndEachRowOpensItsDetailWithItsFigures)
{
    openUKWith(smallUk(), QStringLiteral("I"));
    indepth();
    EXPECT_TRUE(form8()->isVisible() && !form4()->isVisible() && !w().isVisible());
    ds::BarChart *c = chart(form8());
    const struct {
        const char *button; // none: as "Indepth Analysis" leaves it
        const char *title;
        int rows;
        QList<qreal> rows1_2_10_48;
    } charts[] = {
        {nullptr, "Balls Drawn (Main)", 49, {0, 1, 5, 1}},
        {"Command2", "Balls Drawn (Bonus)", 49, {2, 1, 0, 0}},
        {"Command5", "Balls Drawn (Main and Bonus)", 49, {2, 2, 5, 1}},
        {"Command6", "Pairs", 48, {0, 1, 3, 0}}, // 1-2, 2-3, 10-11, 48-49
    };
    for (const auto &want : charts) {
        if (want.button)
            click(form8(), want.button);
        SCOPED_TRACE(want.title);
        EXPECT_EQ(c->title(), want.title);
        const QList<qreal> v = c->rowValues();
        ASSERT_EQ(v.size(), want.rows);
        EXPECT_EQ((QList<qreal>{v[0], v[1], v[9], v[47]}), want.rows1_2_10_48);

        // At the opening size: every other label at least, apart, readable,
        // inside the chart, the first and the last always.
        QApplication::processEvents();
        const std::vector<QGraphicsSimpleTextItem *> labels = drawnRowLabels(c);
        ASSERT_GE(labels.size(), 20u);
        EXPECT_EQ((QStringList{labels.front()->text(), labels.back()->text()}),
                  (QStringList{"1", QString::number(want.rows)}));
        for (size_t i = 0; i < labels.size(); ++i) {
            const QRectF r = labels[i]->sceneBoundingRect();
            EXPECT_GE(labels[i]->font().pointSizeF(), 8);
            EXPECT_TRUE(c->viewport()->rect().contains(c->mapFromScene(r).boundingRect()));
            EXPECT_TRUE(i == 0 || labels[i - 1]->sceneBoundingRect().right() + 1 < r.left()) << i;
        }
    }

    const struct {
        const char *chartButton;
        int row;
        qreal dy; // the click, below the plot area (on the label) or above (on the bar)
        const char *hover;
        const char *form;
        const char *shown;
    } rows[] = {
        {"Command6", 10, -2, "Pair 10-11: drawn 3 times", "Form16", "10-11:3"},
        {"Command6", 48, 8, "Pair 48-49: drawn 0 times", "Form16", "48-49:0"},
        {"Command4", 2, -2, "Ball 2: drawn once", "Form6", "Statistics for Ball 2"}, // back on a ball chart
        {"Command4", 1, 8, "Ball 1: drawn 0 times", "Form6", "Statistics for Ball 1"},    // its label
        {"Command4", 49, -60, "Ball 49: drawn 0 times", "Form6", "Statistics for Ball 49"}, // its empty column
    };
    for (const auto &k : rows) {
        click(form8(), k.chartButton);
        QApplication::processEvents();
        QTest::mouseMove(c->viewport(), rowPoint(c, k.row, -2));
        EXPECT_EQ(text(form8(), "LabelHover"), k.hover);
        QTest::mouseClick(c->viewport(), Qt::LeftButton, {}, rowPoint(c, k.row, k.dy));
        QWidget *detail = topLevel(k.form);
        ASSERT_TRUE(detail && detail->isVisible()) << k.shown;
        EXPECT_EQ(std::string_view(k.form) == "Form6" ? text(detail, "Frame1") : pairShown(), k.shown);
        QTest::keyClick(detail, Qt::Key_Escape);
    }

    click(form8(), "Command3"); // Print
    // Main, bonus, expected (6 x 6 / 49 = 0.73), rating, last drawn, pairings.
    const std::vector<const char *> figures = {"Text2", "Text3", "Text1", "Text5", "Text4",
                                               "Label11", "Text6", "Label12", "Text7"};
    const std::pair<int, QStringList> balls[] = {
        {7, {"3", "0", "1", "Average", "05/04/1999", "6-7", "0", "7-8", "1"}},
        {49, {"0", "3", "1", "Poor", "15/03/1999", "48-49", "0", "", ""}}, // drawn as a bonus: one pairing only
    };
    for (const auto &[ball, want] : balls) {
        ballStats(ball);
        EXPECT_EQ(text(form6(), "Frame1"), QStringLiteral("Statistics for Ball %1").arg(ball));
        EXPECT_EQ(texts(form6(), figures), want) << ball;
        EXPECT_EQ(chart(form6())->rowValues(), (QList<qreal>{1, want[0].toDouble()}));
        // 6 draws: no appearances chart, the note in its place.
        EXPECT_TRUE(hidden(chart(form6(), "MSChart2")) && !hidden(child<QLabel>(form6(), "Label7")));
        if (ball == 7)
            click(form6(), "Command2");
        click(form6(), "Command1");
    }
    ASSERT_EQ(fakes.printer.jobs.size(), 2u);
    EXPECT_EQ((QStringList{fakes.printer.jobs[0].windowName, fakes.printer.jobs[1].windowName}),
              (QStringList{"Form8", "Form6"}));

    // From the bonus and combined charts too the rating goes by main counts.
    for (const char *kind : {"Command2", "Command5"}) {
        click(form8(), kind);
        ballStats(7);
        EXPECT_EQ(texts(form6(), {"Text5", "Text2"}), (QStringList{"Average", "3"})) << kind;
        click(form6(), "Command1");
    }

    // Closing the charts, disabled under a ball's figures, closes those too.
    ballStats(45);
    EXPECT_EQ(text(form6(), "Frame1"), "Statistics for Ball 45");
    form8()->close();
    EXPECT_FALSE(form6()->isVisible() || form8()->isVisible());
    EXPECT_TRUE(form4()->isVisible() && form4()->isEnabled());
    indepth(); // reopens afresh
    EXPECT_TRUE(form8()->isEnabled());
    EXPECT_EQ(chart(form8())->title(), "Balls Drawn (Main)");
}

TEST_F(StatWindowsTest, AppearancesShowTheLast104DrawsOldestFirstWithTheirDates)
{
    // 105 draws of 1 2 3 4 5 6, with 7 for 6 in draws 0, 1 and 104.
    openUKWith(weekly(105, QDate(2003, 1, 4), [](int i, const QByteArray &d) {
        return drawRecord(d.constData(), {1, 2, 3, 4, 5, i == 0 || i == 1 || i == 104 ? 7 : 6}, 9);
    }));
    indepth();
    ballStats(7);
    ds::BarChart *c = chart(form6(), "MSChart2");
    EXPECT_TRUE(!hidden(c) && hidden(child<QLabel>(form6(), "Label7")));
    QList<qreal> want(104, 0);
    want[0] = want[103] = 1; // draw 1, the oldest of the last 104, and the latest
    EXPECT_EQ(c->rowValues(), want);
    EXPECT_EQ(texts(form6(), {"Label8", "Label9"}), (QStringList{"11/01/2003", "01/01/2005"}));
}

// The statistics windows over the real UK history the program ships, built by
// the program's own import from the shipped results file.
class ShippedStatsTest : public StatWindowsTest {
protected:
    // Imports shipped results files into the program folder; the draws added.
    int import(ds::Game game, std::initializer_list<const char *> csvs)
    {
        int added = 0;
        for (const char *csv : csvs) {
            const ds::ImportReport r = ds::importResultsFile(
                QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/") + QLatin1String(csv), game, dir.path());
            EXPECT_TRUE(r.succeeded() && r.skipped == 0) << r.text().toStdString();
            added += r.added;
        }
        return added;
    }
    // The hot ball and its count as the Hot 6 shows them.
    static QStringList hot(qint64 ball, qint64 count) { return {QString::number(ball), QString::number(count)}; }
};

namespace {

// The most drawn main number of the rows of results files and its count,
// the lower number first on a tie, read straight from the files; with an
// era, only the rows its `era` column names.
std::pair<int, int> mostDrawn(const QStringList &files, const QByteArray &eraColumn = {})
{
    std::map<int, int> counts;
    for (const QString &name : files) {
        QFile f(QStringLiteral(DRAWSMITH_SOURCE_DATA "/history/") + name);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QList<QByteArray> lines = f.readAll().split('\n');
        const QList<QByteArray> header = lines.value(0).trimmed().split(',');
        const qsizetype first = header.indexOf("n1");
        const qsizetype era = header.indexOf("era");
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> fields = lines[i].trimmed().split(',');
            if (!eraColumn.isEmpty() && fields.value(era) != eraColumn)
                continue;
            for (qsizetype k = first; fields.size() > first + 5 && k < first + 6; ++k)
                ++counts[fields[k].toInt()];
        }
    }
    std::pair<int, int> best{0, 0};
    for (const auto &[ball, count] : counts)
        if (count > best.second)
            best = {ball, count};
    return best;
}

} // namespace

// "UK Stats" and "Irish Stats" open on the newest era; the era picker lists
// the game's eras, newest first, and every figure follows the era chosen,
// never mixing them: in the 6 from 49 number 23 was drawn 282 times as a main
// number; the 6 from 47 counts both draws of each of its dates, and nothing
// of the eras around it.
TEST_F(ShippedStatsTest, EachEraHasItsOwnFiguresAndTheNewestOpensFirst)
{
    ASSERT_EQ(import(ds::Game::UK, {"uk_lotto_649.csv"}), 2065);
    import(ds::Game::UK, {"uk_lotto_659.csv", "uk_lotto_659_two_rounds.csv"});
    import(ds::Game::Irish, {"irish_lotto_642.csv", "irish_lotto_645_647.csv"});
    const auto [ball59, count59] = mostDrawn({"uk_lotto_659.csv", "uk_lotto_659_two_rounds.csv"});
    const auto [ball49, count49] = mostDrawn({"uk_lotto_649.csv"});
    const auto [ball47, count47] = mostDrawn({"irish_lotto_645_647.csv"}, "647-2015");
    const auto [ball45, count45] = mostDrawn({"irish_lotto_645_647.csv"}, "645-2026");
    start();
    openUK();
    ASSERT_NE(form4(), nullptr);
    auto *era = child<QComboBox>(form4(), "ComboEra");
    ASSERT_EQ(era->count(), 2);
    EXPECT_EQ(era->itemText(0), "6 from 59 (from 10/10/2015)");
    EXPECT_EQ(era->itemText(1), "6 from 49 (19/11/1994 to 7/10/2015)");
    EXPECT_EQ(era->currentIndex(), 0);
    click(form4(), "Command2");
    EXPECT_EQ(boxTexts(form4(), {8, 1}), hot(ball59, count59));
    indepth(); // 59 balls
    EXPECT_EQ(form8()->chart()->rowCount(), 59);
    ballStats(59);
    EXPECT_EQ(text(form6(), "Frame1"), "Statistics for Ball 59");
    click(form6(), "Command1");
    click(form8(), "Command1");

    era->setCurrentIndex(1);
    emit era->activated(1);
    EXPECT_TRUE(text(form4(), "Text8").isEmpty()); // the other era's figures are gone
    click(form4(), "Command2");
    EXPECT_EQ(boxTexts(form4(), {8, 1}), hot(ball49, count49));
    indepth();
    EXPECT_EQ(form8()->chart()->rowCount(), 49);
    ballStats(23);
    EXPECT_EQ(boxTexts(form6(), {2, 1}), (QStringList{"282", QString::number(qRound64(2065 * 6 / 49.0))}));
    click(form6(), "Command1");
    click(form8(), "Command1");
    click(form4(), "Command1");

    trigger(&w(), "mnuIreland");
    openIrish();
    era = child<QComboBox>(form4(), "ComboEra");
    ASSERT_EQ(era->count(), 4);
    EXPECT_EQ(era->itemText(0), "6 from 45 (from 5/9/2026)");
    EXPECT_EQ(era->itemText(1), "6 from 47 (5/9/2015 to 2/9/2026)");
    EXPECT_EQ(era->itemText(2), "6 from 45 (4/11/2006 to 2/9/2015)");
    EXPECT_EQ(era->itemText(3), "6 from 42 (24/9/1994 to 1/11/2006)");
    EXPECT_EQ(era->currentIndex(), 0);
    click(form4(), "Command2");
    EXPECT_EQ(boxTexts(form4(), {8, 1}), hot(ball45, count45));

    era->setCurrentIndex(1);
    emit era->activated(1);
    click(form4(), "Command2");
    EXPECT_EQ(boxTexts(form4(), {8, 1}), hot(ball47, count47));
    indepth(); // 47 balls over 2 x 1,148 draws
    EXPECT_EQ(form8()->chart()->rowCount(), 47);
    ballStats(ball47);
    EXPECT_EQ(boxTexts(form6(), {2, 1}), hot(count47, qRound64(2 * 1148 * 6 / 47.0)));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << fakes.dialogs.messages.join(' ').toStdString();
}
