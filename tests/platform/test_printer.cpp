#include "entries/listprint.h"
#include "platform/qtprinter.h"
#include "support/pdfpages.h"
#include "support/testfolder.h"

#include <QDir>
#include <QLabel>
#include <QPrinterInfo>
#include <gtest/gtest.h>

TEST(QtPrinter, WithoutAPrinterEachJobIsAPdfInPrintoutsAndNothingPrintedMakesNoJob)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    dstest::TestFolder dir;
    ds::QtPrinter printer(dir.path());
    QStringList told;
    printer.setNotifier([&](const QString &p) { told << p; });
    printer.endDocument();
    EXPECT_TRUE(told.isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("printouts")));

    printer.setFont(QStringLiteral("Courier"), 10);
    for (int i = 0; i < 200; ++i) // runs on over more than one page, then a page break
        printer.printLine(QStringLiteral("line %1").arg(i));
    printer.newPage();
    printer.printLine(QString());
    printer.endDocument();
    QLabel window(QStringLiteral("chart"));
    window.resize(200, 100);
    printer.printWindow(&window, 0, 0);

    const QStringList pdfs = QDir(dir.file(QStringLiteral("printouts"))).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(pdfs.size(), 2);
    EXPECT_GE(dstest::pdfPageCount(told[0]), 3);
    EXPECT_EQ(dstest::pdfPageCount(told[1]), 1);
}

TEST(QtPrinter, WindowImageKeepsItsSizeOnEveryScreen)
{
    // A 200 x 100 window: grabbed as 200 x 100 pixels at ratio 1, as 400 x 200
    // at ratio 2; both print 200/96 by 100/96 inches at the twips offset.
    for (const int ratio : {1, 2})
        EXPECT_EQ(ds::windowImageRect(QSize(200, 100) * ratio, ratio, 600, 1440, 720), QRectF(600, 300, 1250, 625))
            << ratio;
}

// The printed lists break their pages themselves; each PDF page holds a whole
// page of the list, so no other break comes between, and a list that ends at
// a break leaves no empty page.
TEST(QtPrinter, ListPagesHoldTheirOwnLines)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    const struct { bool winning; int lines; int pages; } cases[] = {
        {true, 72, 1}, {true, 80, 2}, {true, 144, 2}, {true, 145, 3},
        {false, 56, 1}, {false, 57, 2}, {false, 112, 2},
    };
    for (const auto &c : cases) {
        dstest::TestFolder dir;
        ds::QtPrinter printer(dir.path());
        QString pdf;
        printer.setNotifier([&](const QString &p) { pdf = p; });
        QStringList lines;
        for (int i = 0; i < c.lines; ++i)
            lines << QStringLiteral("%1 07 12 21 30 45 (3 Match)").arg(i % 100, 2, 10, QLatin1Char('0'));
        if (c.winning)
            ds::printWinningList(printer, lines);
        else
            ds::printSelectionsList(printer, lines);
        EXPECT_EQ(dstest::pdfPageCount(pdf), c.pages) << (c.winning ? "winning " : "selections ") << c.lines;
    }
}
