#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;

namespace ds {

// Where a window image lands on a page of `printerDpi` dots per inch: at the
// offset in twips (1/1440 inch), at the window's own size taking one
// device-independent screen pixel for 1/96 inch, whatever the device-pixel
// ratio of the screen it was grabbed on.
QRectF windowImageRect(const QSize &grabPixels, qreal devicePixelRatio, qreal printerDpi, int leftTwips,
                       int topTwips);

// Where a mark lands on a page of `printerDpi` dots per inch.
QRectF markRect(const PageMark &mark, qreal printerDpi);

// Prints on the default printer. Where the desktop has none, each job is saved
// as a PDF file in "printouts" under the program folder; where that cannot be
// done the job fails (it goes nowhere else).
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QString programFolder);
    ~QtPrinter() override;

    void setFont(const QString &name, int pointSize) override;
    void setPageLines(int lines) override;
    void printLine(const QString &text) override;
    void newPage() override;
    PrintOutcome endDocument() override;
    PrintOutcome printWindow(QWidget *window, int leftTwips, int topTwips) override;
    PrintOutcome printMarks(const MarkPages &job) override;

private:
    // Opens a job unless one is open: on the printer's own page, or on a page
    // of the given size in twips with its origin at the paper's corner. False
    // when the job could not be opened (the job has failed).
    bool begin(QSize pageTwips = QSize());
    void fail(const QString &reason);
    void fitPageLines();
    qreal pageHeight() const;
    qreal lineHeight() const;

    QString m_folder;
    QFont m_font;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_pdfPath;
    QString m_printerName;
    // Why the current job failed; it takes nothing more until it ends.
    std::optional<QString> m_failure;
    qreal m_y = 0;
    int m_pageLines = 0;
    // A new page is started only when something is drawn on it, so a list
    // that ends at a page break leaves no empty page.
    bool m_pagePending = false;
};

} // namespace ds
