#include "platform/qtprinter.h"
#include "support/testfolder.h"

#include <QDir>
#include <QLabel>
#include <QPrinterInfo>
#include <gtest/gtest.h>

TEST(QtPrinter, WithoutAPrinterEachJobIsAPdfInPrintouts)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this desktop has a printer";
    dstest::TestFolder dir;
    ds::QtPrinter printer(dir.path());
    QStringList told;
    printer.setNotifier([&](const QString &p) { told << p; });
    printer.setFont(QStringLiteral("Courier"), 10);
    for (int i = 0; i < 200; ++i) // runs over more than one page
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
    for (const QString &p : told) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << p.toStdString();
        EXPECT_TRUE(f.read(5).startsWith("%PDF"));
    }
}

TEST(QtPrinter, EndingWithNothingPrintedMakesNoJob)
{
    dstest::TestFolder dir;
    ds::QtPrinter printer(dir.path());
    int told = 0;
    printer.setNotifier([&](const QString &) { ++told; });
    printer.endDocument();
    EXPECT_EQ(told, 0);
    EXPECT_FALSE(dir.exists(QStringLiteral("printouts")));
}
