#include "core/drawhistory.h"
#include "lotto/historyprint.h"
#include "support/mainfixture.h"

#include <QFileInfo>

using namespace dstest;

namespace {

const QByteArray DrawA = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
const QByteArray DrawB = drawRecord("12061999", {1, 2, 13, 24, 35, 46}, 8);
const QByteArray IrishFirst = drawRecord("05061999", {1, 9, 10, 22, 33, 42}, 17);
const QByteArray IrishSecond = drawRecord("05061999", {4, 5, 6, 19, 28, 40}, 41);
const QByteArray IrishLater = drawRecord("09061999", {2, 11, 20, 31, 38, 39}, 3);
const QByteArray Blank = drawRecord("        ", {0, 0, 0, 0, 0, 0}, 0);

const QString LineA = QStringLiteral("05-06-1999   03 07 12 21 30 45  Bonus 09");
const QString LineB = QStringLiteral("12-06-1999   01 02 13 24 35 46  Bonus 08");
const QString LineIrishFirst = QStringLiteral("05-06-1999   01 09 10 22 33 42  Bonus 17");
const QString LineIrishSecond = QStringLiteral("05-06-1999   04 05 06 19 28 40  Bonus 41");
const QString LineIrishLater = QStringLiteral("09-06-1999   02 11 20 31 38 39  Bonus 03");

const QString UkTitle = QStringLiteral("UK Lottery Results Currently Held in Draw File:");
const QString IrishTitle = QStringLiteral("Irish Lottery Results Currently Held in Draw File:");
const QString Indent = QStringLiteral("       ");

ds::DrawHistory historyOf(const QByteArray &bytes)
{
    ds::DrawHistory h;
    h.setBytes(bytes);
    return h;
}

// The whole printed page of a history: three empty lines, the title, an empty
// line, then the indented history lines.
QStringList printedPage(const QString &title, const QStringList &historyLines)
{
    QStringList page{QString(), QString(), QString(), title, QString()};
    for (const QString &l : historyLines)
        page << Indent + l;
    return page;
}

// Remembers whether the hourglass showed for each line and for the end of the job.
class BusyWatchingPrinter : public FakePrinter {
public:
    explicit BusyWatchingPrinter(const FakeDialogs &d) : dialogs(d) {}
    void printLine(const QString &text) override
    {
        busyPerLine.push_back(dialogs.busyDepth);
        FakePrinter::printLine(text);
    }
    void endDocument() override
    {
        busyAtEnd = dialogs.busyDepth;
        FakePrinter::endDocument();
    }
    const FakeDialogs &dialogs;
    std::vector<int> busyPerLine;
    int busyAtEnd = -1;
};

} // namespace

// --- lines, captions and the print job, without windows ---

TEST(HistoryLine, ExampleDraw)
{
    EXPECT_EQ(ds::historyLine(ds::decodeDraw(DrawA)), LineA);
    EXPECT_EQ(ds::historyLine(ds::decodeDraw(DrawA)).size(), 40);
}

TEST(HistoryLine, TwoDigitNumbersAndSpacePaddedDate)
{
    const QByteArray padded = drawRecord(" 1012000", {10, 11, 19, 20, 40, 49}, 48);
    // The date field is trimmed before it is cut up.
    EXPECT_EQ(ds::historyLine(ds::decodeDraw(drawRecord("01012000", {10, 11, 19, 20, 40, 49}, 48))),
              "01-01-2000   10 11 19 20 40 49  Bonus 48");
    EXPECT_EQ(ds::historyLine(ds::decodeDraw(padded)), "10-12-000   10 11 19 20 40 49  Bonus 48");
}

TEST(HistoryLine, LinesStopAtTheCount)
{
    const auto lines = ds::historyLines(historyOf(countRecord(2) + DrawA + DrawB + IrishLater + Blank));
    EXPECT_EQ(lines, (QStringList{LineA, LineB}));
}

TEST(HistoryLine, DamagedCountsNeverReachPastTheFile)
{
    EXPECT_EQ(ds::historyLines(historyOf(countRecord(32767) + DrawA)), QStringList{LineA});
    EXPECT_EQ(ds::historyLines(historyOf(countRecord(-1) + DrawA)), QStringList{});
    // A half record at the end is not a draw.
    EXPECT_EQ(ds::historyLines(historyOf(countRecord(2) + DrawA + DrawB.left(11))), QStringList{LineA});
    EXPECT_EQ(ds::historyLines(historyOf(QByteArray("\x01\x02", 2))), QStringList{});
    EXPECT_EQ(ds::historyLines(historyOf({})), QStringList{});
}

TEST(HistoryTexts, PerCountry)
{
    EXPECT_EQ(ds::historyWindowCaption("UK"), "UK 6/49 Draw History");
    EXPECT_EQ(ds::historyWindowCaption("IR"), "Irish Draw History");
    EXPECT_EQ(ds::historyPrintTitle("UK"), UkTitle);
    EXPECT_EQ(ds::historyPrintTitle("IR"), IrishTitle);
    EXPECT_EQ(ds::emptyHistoryPrintMessage("UK"), "There are no entries in the UK results file");
    EXPECT_EQ(ds::emptyHistoryPrintMessage("IR"), "There are no entries in the Ireland results file");
}

TEST(HistoryPrint, WholeJobWithTheHourglass)
{
    FakeDialogs dialogs;
    BusyWatchingPrinter printer(dialogs);
    EXPECT_TRUE(ds::printHistory("UK", historyOf(countRecord(2) + DrawA + DrawB + Blank), printer, dialogs));
    ASSERT_EQ(printer.jobs.size(), 1u);
    const FakePrinter::Job &job = printer.jobs[0];
    EXPECT_EQ(job.font, "Courier");
    EXPECT_EQ(job.size, 10);
    ASSERT_EQ(job.pages.size(), 1u); // no page breaks of its own
    EXPECT_EQ(job.pages[0], printedPage(UkTitle, {LineA, LineB}));
    EXPECT_EQ(printer.busyPerLine, std::vector<int>(7, 1));
    EXPECT_EQ(printer.busyAtEnd, 0); // the pointer is back before the job goes
    EXPECT_EQ(dialogs.busyCount, 1);
    EXPECT_EQ(dialogs.busyDepth, 0);
    EXPECT_FALSE(printer.open);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(HistoryPrint, EmptyHistoryPrintsNothing)
{
    FakeDialogs dialogs;
    FakePrinter printer;
    EXPECT_FALSE(ds::printHistory("IR", historyOf(countRecord(0) + IrishFirst), printer, dialogs));
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_FALSE(printer.open);
    EXPECT_EQ(dialogs.busyCount, 0);
    EXPECT_EQ(dialogs.messages, QStringList{"There are no entries in the Ireland results file"});
}

// --- the menu entries and the Draw History window ---

class HistoryTest : public MainFixture {
protected:
    QWidget *form()
    {
        QWidget *found = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets()) {
            if (t->objectName() == QLatin1String("Form24")) {
                EXPECT_EQ(found, nullptr) << "two Draw History windows";
                found = t;
            }
        }
        return found;
    }
    QStringList listed() { return lines(child<QListWidget>(form(), "List1")); }
    void show() { trigger(&w(), "mnuShowHistory"); }
    void print() { trigger(&w(), "mnuDrawHistory"); }
    void closeForm() { click(form(), "Command9"); }
};

TEST_F(HistoryTest, OneDrawIsListedAndPrinted)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    start();
    show();
    ASSERT_NE(form(), nullptr);
    EXPECT_TRUE(form()->isVisible());
    EXPECT_EQ(form()->windowTitle(), "UK 6/49 Draw History");
    EXPECT_EQ(listed(), QStringList{LineA});
    EXPECT_EQ(child<QAbstractButton>(form(), "Command9")->text(), "Close");
    EXPECT_FALSE(w().isEnabled());
    closeForm();
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(w().isEnabled());

    print();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    const FakePrinter::Job &job = fakes.printer.jobs[0];
    EXPECT_EQ(job.font, "Courier");
    EXPECT_EQ(job.size, 10);
    ASSERT_EQ(job.pages.size(), 1u);
    EXPECT_EQ(job.pages[0], printedPage(UkTitle, {LineA}));
    EXPECT_EQ(job.pages[0].back(), "       05-06-1999   03 07 12 21 30 45  Bonus 09");
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(w().isEnabled()); // printing opens no window
}

TEST_F(HistoryTest, IrishDateWithTwoDrawsFirstDrawFirst)
{
    dir.write(QStringLiteral("IR.exe"), historyFile({IrishFirst, IrishSecond, IrishLater}));
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    start(QStringLiteral("I"));
    show();
    EXPECT_EQ(form()->windowTitle(), "Irish Draw History");
    EXPECT_EQ(listed(), (QStringList{LineIrishFirst, LineIrishSecond, LineIrishLater}));
    closeForm();

    print();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages[0],
              printedPage(IrishTitle, {LineIrishFirst, LineIrishSecond, LineIrishLater}));
}

TEST_F(HistoryTest, CaptionAndFileFollowTheCurrentGame)
{
    dir.write(QStringLiteral("IR.exe"), historyFile({IrishLater}));
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    start();
    show();
    EXPECT_EQ(form()->windowTitle(), "UK 6/49 Draw History");
    EXPECT_EQ(listed(), QStringList{LineA});
    closeForm();
    trigger(&w(), "mnuIreland");
    show();
    EXPECT_EQ(form()->windowTitle(), "Irish Draw History");
    EXPECT_EQ(listed(), QStringList{LineIrishLater});
    closeForm();
    print();
    trigger(&w(), "mnu649");
    print();
    ASSERT_EQ(fakes.printer.jobs.size(), 2u);
    EXPECT_EQ(fakes.printer.jobs[0].pages[0], printedPage(IrishTitle, {LineIrishLater}));
    EXPECT_EQ(fakes.printer.jobs[1].pages[0], printedPage(UkTitle, {LineA}));
}

TEST_F(HistoryTest, LeftoverRecordsAfterTheCountAreNeitherListedNorPrinted)
{
    dir.write(QStringLiteral("UK.exe"), countRecord(1) + DrawA + DrawB + Blank);
    start();
    show();
    EXPECT_EQ(listed(), QStringList{LineA});
    closeForm();
    print();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages[0], printedPage(UkTitle, {LineA}));
}

TEST_F(HistoryTest, EmptyHistoryUk)
{
    // Count 0 with a leftover draw after it: nothing is read.
    dir.write(QStringLiteral("UK.exe"), countRecord(0, QByteArray(8, ' ')) + Blank + DrawA);
    start();
    show();
    EXPECT_EQ(listed(), QStringList{"There are no results in the file"});
    closeForm();
    print();
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There are no entries in the UK results file"});
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_FALSE(fakes.printer.open);
    EXPECT_EQ(fakes.dialogs.busyCount, 0);
}

TEST_F(HistoryTest, MissingIrishHistoryReadsAsEmpty)
{
    start(QStringLiteral("I"));
    print();
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"There are no entries in the Ireland results file"});
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_FALSE(dir.exists(QStringLiteral("IR.exe")));
    show();
    EXPECT_EQ(form()->windowTitle(), "Irish Draw History");
    EXPECT_EQ(listed(), QStringList{"There are no results in the file"});
    closeForm();
    EXPECT_FALSE(dir.exists(QStringLiteral("UK.exe")));
}

TEST_F(HistoryTest, OpeningTwiceRebuildsFromTheFile)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    start();
    show();
    EXPECT_EQ(listed(), QStringList{LineA});
    closeForm();

    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA, DrawB}));
    show();
    EXPECT_TRUE(form()->isVisible());
    EXPECT_EQ(listed(), (QStringList{LineA, LineB}));
    closeForm();

    dir.write(QStringLiteral("UK.exe"), historyFile({}));
    show();
    EXPECT_EQ(listed(), QStringList{"There are no results in the file"});
    closeForm();
}

TEST_F(HistoryTest, EscapeAndTitleBarCloseReturnToTheMainWindow)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    start();
    show();
    EXPECT_FALSE(w().isEnabled());
    QTest::keyClick(form(), Qt::Key_Escape);
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(w().isEnabled());

    show();
    EXPECT_FALSE(w().isEnabled());
    form()->close();
    EXPECT_FALSE(form()->isVisible());
    EXPECT_TRUE(w().isEnabled());
}

TEST_F(HistoryTest, DamagedFileNeverCrashes)
{
    // A count far beyond the records held, and a torn last record.
    dir.write(QStringLiteral("UK.exe"), countRecord(32767) + DrawA + DrawB.left(5));
    start();
    show();
    EXPECT_EQ(listed(), QStringList{LineA});
    closeForm();
    print();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages[0], printedPage(UkTitle, {LineA}));

    dir.write(QStringLiteral("UK.exe"), QByteArray(7, '\xff'));
    show();
    EXPECT_EQ(listed(), QStringList{"There are no results in the file"});
    closeForm();
}

TEST_F(HistoryTest, NoCountry)
{
    start();
    state.countryCode.clear();
    show();
    print();
    EXPECT_EQ(fakes.dialogs.messages,
              (QStringList{"You must select a Country first", "You must select a Country first"}));
    EXPECT_EQ(form(), nullptr);
    EXPECT_TRUE(w().isEnabled());
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_FALSE(dir.exists(QStringLiteral("UK.exe")));
}
