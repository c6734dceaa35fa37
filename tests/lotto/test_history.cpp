#include "core/drawhistory.h"
#include "lotto/historyprint.h"
#include "support/mainfixture.h"

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

TEST(HistoryPrint, WholeJobUnderTheHourglassAndTrimmedDates)
{
    FakeDialogs dialogs;
    BusyWatchingPrinter printer(dialogs);
    ds::DrawHistory h;
    h.setBytes(countRecord(2) + DrawA + drawRecord(" 1012000", {10, 11, 19, 20, 40, 49}, 48) + Blank);
    EXPECT_TRUE(ds::printHistory("UK", h, printer, dialogs));
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
    // Shows the window and returns what it lists, closing it again.
    QStringList shown()
    {
        show();
        const QStringList out = listed();
        closeForm();
        return out;
    }
    QStringList printedLastPage() { return fakes.printer.jobs.empty() ? QStringList() : fakes.printer.jobs.back().pages.back(); }
};

// The window and the printout of one draw; the close paths are walked by the
// child-window test, the page layout by the printing test above.
TEST_F(HistoryTest, OneDrawIsListedAndPrinted)
{
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    start();
    show();
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(listed(), QStringList{LineA});
    closeForm();
    // Opening again reads the file again.
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA, DrawB}));
    EXPECT_EQ(shown(), (QStringList{LineA, LineB}));
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));

    print();
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].pages, std::vector<QStringList>{printedPage(UkTitle, {LineA})});
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
}

TEST_F(HistoryTest, CaptionTitleAndFileFollowTheCountryAndAnIrishDateListsItsFirstDrawFirst)
{
    dir.write(QStringLiteral("IR.exe"), historyFile({IrishFirst, IrishSecond, IrishLater}));
    dir.write(QStringLiteral("UK.exe"), historyFile({DrawA}));
    start();
    show();
    EXPECT_EQ(form()->windowTitle(), "UK 6/49 Draw History");
    closeForm();
    trigger(&w(), "mnuIreland");
    show();
    EXPECT_EQ(form()->windowTitle(), "Irish Draw History");
    EXPECT_EQ(listed(), IrishLines);
    closeForm();
    print();
    EXPECT_EQ(printedLastPage(), printedPage(IrishTitle, IrishLines));
}

TEST_F(HistoryTest, EmptyHistoriesListTheirTextAndPrintNothing)
{
    // Count 0 with a leftover draw after it: nothing is read.
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
}

TEST_F(HistoryTest, NoCountry)
{
    start();
    state.countryCode.clear();
    show();
    print();
    EXPECT_EQ(fakes.dialogs.messages,
              (QStringList{"You must select a Country first", "You must select a Country first"}));
    EXPECT_TRUE(form() == nullptr && fakes.printer.jobs.empty());
}
