#include "core/drawhistory.h"
#include "lotto/historyprint.h"
#include "support/mainfixture.h"

#include <QLabel>
#include <QScrollBar>

using namespace dstest;

namespace {

const QByteArray DrawA = drawRecord("05061999", {3, 7, 12, 21, 30, 45}, 9);
const QByteArray IrishFirst = drawRecord("05061999", {1, 9, 10, 22, 33, 42}, 17);
const QByteArray IrishSecond = drawRecord("05061999", {4, 5, 6, 19, 28, 40}, 41);
const QByteArray IrishLater = drawRecord("09061999", {2, 11, 20, 31, 38, 39}, 3);
const QByteArray Blank = drawRecord("        ", {0, 0, 0, 0, 0, 0}, 0);

const QString LineA = QStringLiteral("05-06-1999   03 07 12 21 30 45  Bonus 09");
const QStringList IrishLines = {QStringLiteral("05-06-1999   01 09 10 22 33 42  Bonus 17"),
                                QStringLiteral("05-06-1999   04 05 06 19 28 40  Bonus 41"),
                                QStringLiteral("09-06-1999   02 11 20 31 38 39  Bonus 03")};
const QString UkTitle = QStringLiteral("UK Lottery Results Currently Held in Draw File:");
const QString IrishTitle = QStringLiteral("Irish Lottery Results Currently Held in Draw File:");
const QString NoResults = QStringLiteral("There are no results in the file");

// The whole printed page: three empty lines, the title, an empty line, then
// the history lines indented by seven spaces.
QStringList printedPage(const QString &title, const QStringList &historyLines)
{
    QStringList page{QString(), QString(), QString(), title, QString()};
    for (const QString &l : historyLines)
        page << QStringLiteral("       ") + l;
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
    ds::PrintOutcome endDocument() override
    {
        busyAtEnd = dialogs.busyDepth;
        return FakePrinter::endDocument();
    }
    const FakeDialogs &dialogs;
    std::vector<int> busyPerLine;
    int busyAtEnd = -1;
};

} // namespace

TEST(HistoryPrint, WholeJobUnderTheHourglassAndTrimmedDates)
{
    FakeDialogs dialogs;
    BusyWatchingPrinter printer(dialogs);
    ds::DrawHistory h;
    h.setBytes(countRecord(2) + DrawA + drawRecord(" 1012000", {10, 11, 19, 20, 40, 49}, 48) + Blank);
    ds::printHistory(ds::firstEra(ds::Game::UK), h, printer, dialogs);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].font + QString::number(printer.jobs[0].size), "Courier10");
    ASSERT_EQ(printer.jobs[0].pages.size(), 1u); // no page breaks of its own
    // The date field is trimmed before it is cut up.
    EXPECT_EQ(printer.jobs[0].pages[0], printedPage(UkTitle, {LineA, "10-12-000   10 11 19 20 40 49  Bonus 48"}));
    EXPECT_EQ(printer.busyPerLine, std::vector<int>(7, 1));
    EXPECT_EQ(printer.busyAtEnd, 0); // the pointer is back before the job goes
    EXPECT_FALSE(printer.open);
}

class HistoryTest : public MainFixture {
protected:
    QWidget *form() { return topLevel("Form24"); }
    QStringList listed() { return lines(child<QListWidget>(form(), "List1")); }
    void show() { trigger(&w(), "mnuShowHistory"); }
    void print() { trigger(&w(), "mnuDrawHistory"); }
    void closeForm() { click(form(), "Command9"); }
    // Shows the window and returns what it lists, closing it again.
    QStringList shown()
    {
        show();
        const QStringList out = listed();
        closeForm();
        return out;
    }
};

// The window and the printout follow the country: its file, the caption and
// the printed title; an Irish date lists its first draw first. The close paths
// are walked by the child-window test, the UK page by HistoryPrint.
TEST_F(HistoryTest, EmptyOrNotEachCountrysDrawsAreListedAndPrintedFromTheEraInUse)
{
    // Empty histories list their text and print nothing. Count 0 with a
    // leftover draw after it: nothing is read.
    dir.write(QStringLiteral("UK.exe"), countRecord(0, QByteArray(8, ' ')) + Blank + DrawA);
    start();
    EXPECT_EQ(shown(), QStringList{NoResults});
    print();
    trigger(&w(), "mnuIreland"); // no IR.exe at all
    print();
    EXPECT_EQ(shown(), QStringList{NoResults});
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"There are no entries in the UK results file",
                                                   "There are no entries in the Ireland results file"}));
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_FALSE(dir.exists(QStringLiteral("IR.exe")));

    dir.write(QStringLiteral("IR.exe"), historyFile({IrishFirst, IrishSecond, IrishLater}));
    show();
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(form()->windowTitle(), "Irish Draw History");
    EXPECT_EQ(listed(), IrishLines);
    closeForm();
    print();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages, std::vector<QStringList>{printedPage(IrishTitle, IrishLines)});
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
    // Opening again reads the file again, into the same window, on its newest draw.
    QWidget *first = form();
    dir.write(QStringLiteral("IR.exe"), syntheticHistory(30));
    show();
    EXPECT_EQ(form(), first) << "a second Draw History window";
    auto *list = child<QListWidget>(form(), "List1");
    EXPECT_EQ(list->currentRow(), 29);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    EXPECT_EQ(child<QLabel>(form(), "LabelCount")->text(), "30 draws");
    closeForm();

    // Back on the UK: the history of the era in use, that of the draw on
    // display, or with none the newest era holding draws.
    dir.write(QStringLiteral("UK59.exe"), historyFile({drawRecord("02012016", {1, 2, 3, 4, 58, 59}, 5)}));
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    trigger(&w(), "mnu649");
    show();
    EXPECT_EQ(form()->windowTitle(), "UK 6/59 Draw History");
    EXPECT_EQ(listed(), QStringList{"02-01-2016   01 02 03 04 58 59  Bonus 05"});
    closeForm();
    chooseDraw(5, 6, 1999);
    EXPECT_EQ(shown(), QStringList{LineA});
    EXPECT_EQ(form()->windowTitle(), "UK 6/49 Draw History");
}
