#include "core/printersettings.h"
#include "entries/ticketprinting.h"
#include "entries/tickets.h"
#include "platform/qtprinter.h"
#include "support/mainfixture.h"
#include "support/pdfpages.h"

#include <QDir>
#include <QPrinterInfo>
#include <functional>

using namespace dstest;

namespace {

const QByteArray Key("05061999");

std::vector<ds::PageMark> pageMarks(const std::vector<ds::TicketMark> &marks)
{
    std::vector<ds::PageMark> out;
    for (const auto &m : marks)
        out.push_back({m.left, m.top, ds::TicketMarkWidth, ds::TicketMarkHeight});
    return out;
}

// n entries: entry i (from 0) is 1 + i mod 7, 10, 20, 30, 40, 49.
QByteArray entries(int n)
{
    QByteArray file;
    for (int i = 0; i < n; ++i)
        file += entryRecord(Key, {1 + i % 7, 10, 20, 30, 40, 49});
    return file;
}

// Runs `act` on the tickets window over `n` entries, printing through the real printer on a desktop
// without one; gives the one PDF saved in `dir`, checking that the window named it.
QString printToPdf(const TestFolder &dir, int n, const std::function<void(QWidget *)> &act)
{
    dir.write("UK05061999.lot", entries(n));
    FakePlatform fakes;
    ds::QtPrinter printer(dir.path());
    ds::Platform platform = fakes.platform();
    platform.printer = &printer;
    ds::AppState state;
    state.programFolder = dir.path();
    state.currentEntryFile = dir.file("UK05061999.lot");
    state.entryCount = n;
    ds::TicketController tickets(state, platform, nullptr);
    tickets.printTickets();
    if (!tickets.window()) {
        ADD_FAILURE() << "no tickets window";
        return {};
    }
    act(tickets.window());
    tickets.window()->closeWindow();
    const QStringList pdfs = QDir(dir.file("printouts")).entryList({"*.pdf"});
    EXPECT_EQ(pdfs.size(), 1);
    const QString pdf = pdfs.isEmpty() ? QString() : dir.file("printouts/" + pdfs[0]);
    EXPECT_EQ(fakes.dialogs.news, QStringList{"No printer was found; the printout was saved as " + pdf});
    return pdf;
}

} // namespace

class TicketsTest : public MainFixture {
protected:
    void openTickets(int entries)
    {
        dir.write("UK05061999.lot", ::entries(entries));
        start();
        chooseSelections(5, 6, 1999);
        fakes.printer.jobs.clear();
        trigger(&w(), "mnuPT");
    }
    QWidget *form() { return topLevel("Form18"); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(form(), name); }
    void test(const QString &left, const QString &top)
    {
        type(form(), "Text1", left);
        type(form(), "Text2", top);
        click(form(), "Command1");
    }
};

// No entries, or the 6 from 59 (a later date, or an undated file holding a number the 6 from 49
// slip lacks): refused before any window opens.
TEST_F(TicketsTest, RefusedWithoutEntriesAndForTheSixFromFiftyNine)
{
    const QString refusal = "There is no ticket layout for the 6 from 59 UK Lotto; tickets can be printed for draws "
                            "up to 7 October 2015.";
    dir.write("UK10102015.lot", entryRecord("10102015", {1, 10, 20, 30, 40, 49}));
    dir.write("UK07102015.lot", entryRecord("07102015", {1, 10, 20, 30, 40, 49}));
    dir.write("StandUK.lot", entryRecord("10102015", {1, 10, 20, 30, 40, 59}));
    start();
    chooseSelections(5, 6, 1999); // a new date: no entries
    trigger(&w(), "mnuPT");
    click(&w(), "Command7");
    chooseSelections(10, 10, 2015);
    trigger(&w(), "mnuPT");
    trigger(&w(), "mnuOSE");
    trigger(&w(), "mnuPT");
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"There are no entries to print", refusal, refusal}));
    EXPECT_EQ(form(), nullptr);
    chooseSelections(7, 10, 2015);
    trigger(&w(), "mnuPT");
    ASSERT_TRUE(form() && form()->isVisible());
}

TEST_F(TicketsTest, OpensOverTheMainWindowPrintsThreeTicketsRefusesATestKeepsTheOffsetsSavesAndRecalls)
{
    openTickets(15);
    ASSERT_TRUE(form() && form()->isVisible());
    EXPECT_FALSE(w().isVisible());
    EXPECT_EQ(form()->focusWidget(), box("Text1"));
    test("120", "-60");
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    ASSERT_EQ(fakes.printer.jobs[0].tickets.pages.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].tickets.pages[0], pageMarks(ds::tickets::testTicket({120, -60})));
    fakes.printer.jobs.clear();
    click(form(), "Command5"); // one job of three tickets
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    const ds::MarkPages &job = fakes.printer.jobs[0].tickets;
    ASSERT_EQ(job.pages.size(), 3u);
    EXPECT_EQ(fakes.dialogs.busyCount, 1);
    // The grouping is TicketGrouping's; the last ticket holds entry 15 at the tested offsets.
    EXPECT_EQ(job.pages[2], pageMarks(ds::tickets::boardMarks(1, {1, 10, 20, 30, 40, 49}, {120, -60})));

    // A refused test prints nothing (the refusals are TicketTest.OffsetLimits's).
    fakes.printer.jobs.clear();
    test("-401", "-1211");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"Your LEFT value is too low - reduce the negative value"});
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_EQ(form()->focusWidget(), box("Text1"));
    // Entries print with the refused offsets all the same.
    click(form(), "Command5");
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    const ds::PageMark first = fakes.printer.jobs[0].tickets.pages.at(0).at(0);
    EXPECT_EQ(std::pair(first.left, first.top),
              std::pair(3650 - 401, 1210 - 1211));

    // Save then Recall; a missing or damaged file reads as PrinterSettings.DamagedAndMissingFiles says.
    fakes.dialogs.clear();
    test("250", "-120.4");
    click(form(), "Command3");
    EXPECT_EQ(dir.read("prnt.dat"), QByteArray::fromHex("fa0088ff"));
    type(form(), "Text1", "");
    type(form(), "Text2", "");
    click(form(), "Command2");
    EXPECT_EQ(box("Text1")->text(), " 250");
    EXPECT_EQ(box("Text2")->text(), "-120");
    // Recalled values take effect with the next test only.
    state.ticketLeftOffset = 0;
    click(form(), "Command5");
    EXPECT_EQ(fakes.printer.jobs.back().tickets.pages.at(0).at(0).left, 3650);
    // A value the file cannot hold is refused and the file kept.
    type(form(), "Text2", "40000");
    click(form(), "Command3");
    EXPECT_EQ(form()->focusWidget(), box("Text2"));
    EXPECT_EQ(dir.read("prnt.dat"), QByteArray::fromHex("fa0088ff"));
    QFile::remove(dir.file("prnt.dat"));
    QDir(dir.path()).mkdir("prnt.dat"); // not a file at all
    click(form(), "Command2");
    type(form(), "Text2", "0");
    click(form(), "Command3");
    EXPECT_EQ(fakes.dialogs.messages, (QStringList{"The LEFT and TOP values must be whole numbers from -32768 to 32767",
                                                   "The printer settings file could not be read.",
                                                   "The printer settings could not be saved."}));
}

// A setting saved in an earlier run serves Print Entries until a test ticket of this run; one the
// test would refuse is shown and refused the same way.
TEST_F(TicketsTest, SavedOffsetsPrintTheEntriesUntilATestTicket)
{
    dir.write("prnt.dat", QByteArray::fromHex("fa0088ff")); // left 250, top -120
    openTickets(1);
    click(form(), "Command5");
    ASSERT_EQ(fakes.printer.jobs.size(), 1u);
    EXPECT_EQ(fakes.printer.jobs[0].tickets.pages.at(0), pageMarks(ds::tickets::boardMarks(1, {1, 10, 20, 30, 40, 49}, {250, -120})));
    test("0", "0");
    click(form(), "Command5");
    ASSERT_EQ(fakes.printer.jobs.size(), 3u);
    EXPECT_EQ(fakes.printer.jobs[2].tickets.pages.at(0), pageMarks(ds::tickets::boardMarks(1, {1, 10, 20, 30, 40, 49}, {0, 0})));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    dir.write("prnt.dat", QByteArray::fromHex("9f200000")); // left 8351, one past the limit; top 0
    window.reset();
    openTickets(1);
    click(form(), "Command5");
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"Your LEFT value is too high - reduce the value"});
    EXPECT_TRUE(fakes.printer.jobs.empty());
    EXPECT_EQ(box("Text1")->text() + "|" + box("Text2")->text(), " 8351| 0");
    EXPECT_EQ(form()->focusWidget(), box("Text1"));
}

// Each mark of a test ticket lands at its twips from the paper's corner on the rendered PDF page,
// at every offset the test accepts: the page holds the whole layout, its far edges included.
TEST(TicketPdf, TestTicketMarksLandAtTheirTwips)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    const ds::TicketOffsets cases[] = {{250, -100}, {8057, 0}, {8350, 440}, {-400, -1210}};
    for (const ds::TicketOffsets &offsets : cases) {
        SCOPED_TRACE(testing::Message() << "left " << offsets.left << " top " << offsets.top);
        const TestFolder dir;
        const QString pdf = printToPdf(dir, 1, [&](QWidget *window) {
            type(window, "Text1", QString::number(offsets.left));
            type(window, "Text2", QString::number(offsets.top));
            click(window, "Command1");
        });
        EXPECT_EQ(pdfPageCount(pdf), 1);

        constexpr int Dpi = 144; // a tenth of a pixel per twip
        const QImage page = renderPdfPage(pdf, 1, Dpi);
        ASSERT_FALSE(page.isNull()) << "pdftoppm could not render " << pdf.toStdString();
        auto dark = [&](int xTwips, int yTwips) {
            const int x = xTwips * Dpi / 1440, y = yTwips * Dpi / 1440;
            return page.valid(x, y) && qGray(page.pixel(x, y)) < 128;
        };
        const QSizeF pageTwips = pdfPageSize(pdf) * 20;
        for (const auto &m : ds::tickets::testTicket(offsets)) {
            const int w = ds::TicketMarkWidth, h = ds::TicketMarkHeight;
            EXPECT_TRUE(m.left + w <= pageTwips.width() && m.top + h <= pageTwips.height()) << "mark " << m.index;
            EXPECT_TRUE(dark(m.left + 20, m.top + 20)) << "mark " << m.index;
            EXPECT_TRUE(dark(m.left + w - 20, m.top + h - 20)) << "mark " << m.index;
        }
        // Nothing else is printed, and no mark is larger: the dark area is the 42 marks'.
        qint64 darkPixels = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                darkPixels += qGray(page.pixel(x, y)) < 128;
        const qint64 markPixels = 42LL * (ds::TicketMarkWidth * Dpi / 1440) * (ds::TicketMarkHeight * Dpi / 1440);
        EXPECT_NEAR(double(darkPixels), double(markPixels), markPixels * 0.05);
    }
}

// One Print Entries is one PDF, a page a ticket, on the test ticket's page, named once.
TEST(TicketPdf, PrintEntriesMakesOnePdfOfAllTheTickets)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    const TestFolder dir;
    const QString pdf = printToPdf(dir, 15, [](QWidget *window) { click(window, "Command5"); });
    EXPECT_EQ(pdfPageCount(pdf), 3);
    EXPECT_EQ(pdfPageSize(pdf), QSizeF(610, 556)); // 12,200 by 11,120 twips
}
