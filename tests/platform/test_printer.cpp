#include "entries/listprint.h"
#include "platform/qtprinter.h"
#include "support/pdfpages.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>
#include <gtest/gtest.h>

TEST(QtPrinter, WithoutAPrinterEachJobIsAPdfInPrintoutsNothingPrintedMakesNoJobAndListsBreakTheirOwnPages)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    dstest::TestFolder dir;
    ds::QtPrinter printer(dir.path());
    const ds::PrintOutcome nothing = printer.endDocument();
    EXPECT_TRUE(nothing.made && nothing.savedFile.isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("printouts")));

    printer.setFont(QStringLiteral("Courier"), 10);
    for (int i = 0; i < 200; ++i) // runs on over more than one page, then a page break
        printer.printLine(QStringLiteral("line %1").arg(i));
    printer.newPage();
    printer.printLine(QString());
    const ds::PrintOutcome text = printer.endDocument();
    QLabel window(QStringLiteral("chart"));
    window.resize(200, 100);
    const ds::PrintOutcome image = printer.printWindow(&window, 0, 0);

    const QStringList pdfs = QDir(dir.file(QStringLiteral("printouts"))).entryList({QStringLiteral("*.pdf")});
    EXPECT_EQ(pdfs.size(), 2);
    for (const ds::PrintOutcome &o : {text, image}) {
        EXPECT_TRUE(o.made) << o.reason.toStdString();
        EXPECT_EQ(QFileInfo(o.savedFile).absolutePath(), dir.file(QStringLiteral("printouts")));
    }
    EXPECT_GE(dstest::pdfPageCount(text.savedFile), 3);
    EXPECT_EQ(dstest::pdfPageCount(image.savedFile), 1);

    // The printed lists break their own pages: no other break comes between,
    // and a list that ends at a break leaves no empty page.
    const struct { bool winning; int lines; int pages; } lists[] = {
        {true, 72, 1}, {true, 80, 2}, {true, 144, 2}, {true, 145, 3},
        {false, 56, 1}, {false, 57, 2}, {false, 112, 2},
    };
    for (const auto &c : lists) {
        QStringList lines;
        for (int i = 0; i < c.lines; ++i)
            lines << QStringLiteral("%1 07 12 21 30 45 (3 Match)").arg(i % 100, 2, 10, QLatin1Char('0'));
        const ds::PrintOutcome o =
            c.winning ? ds::printWinningList(printer, lines) : ds::printSelectionsList(printer, lines);
        EXPECT_EQ(dstest::pdfPageCount(o.savedFile), c.pages) << (c.winning ? "winning " : "selections ") << c.lines;
    }
}

// Without a printer or a folder to save in, every kind of job fails with the
// reason and leaves no file; the next job tries afresh.
TEST(QtPrinter, WithoutAPrinterAJobThatCannotBeSavedFails)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    const struct {
        const char *what;
        QString programFolder; // under the test folder
    } cases[] = {
        {"a file named printouts", QString()},
        {"a program folder that cannot be made", QStringLiteral("/blocker/drawsmith")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        dstest::TestFolder dir;
        const QString blocker = c.programFolder.isEmpty() ? QStringLiteral("printouts") : QStringLiteral("blocker");
        dir.write(blocker, "not a folder");
        const QString folder = dir.path() + c.programFolder;
        const QString reason = QStringLiteral("No printer was found, and the folder \"%1\" for saved printouts "
                                              "could not be made.")
                                   .arg(QDir::toNativeSeparators(folder + QStringLiteral("/printouts")));
        ds::QtPrinter printer(folder);
        printer.printLine(QStringLiteral("a line"));
        printer.newPage();
        printer.printLine(QStringLiteral("another"));
        QLabel window(QStringLiteral("chart"));
        window.resize(200, 100);
        const ds::PrintOutcome outcomes[] = {
            printer.endDocument(),
            printer.printWindow(&window, 0, 0),
            printer.printMarks({12200, 11120, {{{400, 1210, 200, 120}}}}),
        };
        for (const ds::PrintOutcome &o : outcomes) {
            EXPECT_FALSE(o.made);
            EXPECT_EQ(o.reason, reason);
            EXPECT_TRUE(o.savedFile.isEmpty());
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{blocker});

        QFile::remove(dir.file(blocker));
        printer.printLine(QStringLiteral("a line"));
        const ds::PrintOutcome next = printer.endDocument();
        EXPECT_TRUE(next.made);
        EXPECT_TRUE(QFileInfo(next.savedFile).isFile());
    }
}

TEST(QtPrinter, WindowImageKeepsItsSizeOnEveryScreen)
{
    // A 200 x 100 window: grabbed as 200 x 100 pixels at ratio 1, as 400 x 200
    // at ratio 2; both print 200/96 by 100/96 inches at the twips offset.
    for (const int ratio : {1, 2})
        EXPECT_EQ(ds::windowImageRect(QSize(200, 100) * ratio, ratio, 600, 1440, 720), QRectF(600, 300, 1250, 625))
            << ratio;
}
