#include "platform/qtprinter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace ds {

namespace {

// Whether a PDF file was written to its end (a full disk cuts it short).
bool pdfComplete(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0)
        return false;
    f.seek(qMax<qint64>(0, f.size() - 64));
    return f.read(64).contains("%%EOF");
}

} // namespace

QtPrinter::QtPrinter(QString programFolder) : m_folder(std::move(programFolder))
{
    setFont(QStringLiteral("Courier"), 10);
}

QtPrinter::~QtPrinter()
{
    endDocument();
}

void QtPrinter::setFont(const QString &name, int pointSize)
{
    m_font = QFont(name, pointSize);
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setFixedPitch(true);
    if (m_painter)
        m_painter->setFont(m_font);
}

bool QtPrinter::begin(QSize pageTwips)
{
    if (m_painter)
        return true;
    if (m_failure)
        return false;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        m_printerName = info.printerName();
        m_pdfPath.clear();
    } else {
        const QString folder = QDir(m_folder).filePath(QStringLiteral("printouts"));
        if (!QDir().mkpath(folder)) {
            fail(QStringLiteral("No printer was found, and the folder \"%1\" for saved printouts could not be made.")
                     .arg(QDir::toNativeSeparators(folder)));
            return false;
        }
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        int n = 1;
        do {
            m_pdfPath = QDir(folder).filePath(QStringLiteral("printout-%1-%2.pdf").arg(stamp).arg(n++));
        } while (QFileInfo::exists(m_pdfPath));
        m_printer->setOutputFileName(m_pdfPath);
    }
    m_printer->setDocName(QStringLiteral("Drawsmith"));
    if (pageTwips.isValid()) {
        // A page of its own size, drawn from the paper's corner.
        m_printer->setFullPage(true);
        const QPageSize size(QSizeF(pageTwips) / 1440.0, QPageSize::Inch, QString(), QPageSize::ExactMatch);
        m_printer->setPageOrientation(QPageLayout::Portrait);
        if (!m_printer->setPageSize(size)) {
            fail(QStringLiteral("The printer \"%1\" cannot print on a page of %2 by %3 inches.")
                     .arg(m_printerName)
                     .arg(pageTwips.width() / 1440.0, 0, 'f', 2)
                     .arg(pageTwips.height() / 1440.0, 0, 'f', 2));
            return false;
        }
    }
    fitPageLines();
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        fail(m_pdfPath.isEmpty() ? QStringLiteral("The printer \"%1\" did not accept the job.").arg(m_printerName)
                                 : QStringLiteral("No printer was found, and the file \"%1\" could not be written.")
                                       .arg(QDir::toNativeSeparators(m_pdfPath)));
        return false;
    }
    m_painter->setFont(m_font);
    m_y = 0;
    m_pagePending = false;
    return true;
}

void QtPrinter::fail(const QString &reason)
{
    m_failure = reason;
    m_painter.reset();
    m_printer.reset();
}

void QtPrinter::setPageLines(int lines)
{
    m_pageLines = qMax(0, lines);
    if (m_printer && !m_painter)
        fitPageLines();
}

// Where the font's own pitch would not give the page its lines, the top and
// bottom margins shrink (to what the printer can print, at least 5 mm) before
// the pitch does.
void QtPrinter::fitPageLines()
{
    if (!m_printer || m_pageLines <= 0)
        return;
    const qreal natural = QFontMetricsF(m_font, m_printer.get()).lineSpacing();
    if (natural * m_pageLines <= pageHeight())
        return;
    QPageLayout layout = m_printer->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF now = layout.margins();
    const QMarginsF least = layout.minimumMargins();
    const qreal top = qMin(now.top(), qMax(5.0, least.top()));
    const qreal bottom = qMin(now.bottom(), qMax(5.0, least.bottom()));
    m_printer->setPageMargins(QMarginsF(now.left(), top, now.right(), bottom), QPageLayout::Millimeter);
}

qreal QtPrinter::pageHeight() const
{
    return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
}

qreal QtPrinter::lineHeight() const
{
    const qreal natural = QFontMetricsF(m_font, m_printer.get()).lineSpacing();
    return m_pageLines > 0 ? qMin(natural, pageHeight() / m_pageLines) : natural;
}

void QtPrinter::printLine(const QString &text)
{
    if (!begin())
        return;
    const qreal h = lineHeight();
    // A hair of slack: the last of the page's lines fits however the pitch rounds.
    if (m_y > 0 && m_y + h > pageHeight() + h / 1000) {
        m_pagePending = true;
        m_y = 0;
    }
    if (!text.isEmpty()) {
        if (m_pagePending) {
            m_printer->newPage();
            m_pagePending = false;
        }
        const QFontMetricsF fm(m_font, m_printer.get());
        m_painter->drawText(QPointF(0, m_y + fm.ascent()), text);
    }
    m_y += h;
}

void QtPrinter::newPage()
{
    if (!begin())
        return;
    m_pagePending = true;
    m_y = 0;
}

PrintOutcome QtPrinter::endDocument()
{
    m_pageLines = 0;
    m_pagePending = false;
    PrintOutcome out;
    if (m_failure) {
        out.made = false;
        out.reason = *m_failure;
        m_failure.reset();
    } else if (m_painter) {
        m_painter->end();
        m_painter.reset();
        const bool refused =
            m_printer->printerState() == QPrinter::Error || m_printer->printerState() == QPrinter::Aborted;
        if (!m_pdfPath.isEmpty()) {
            if (refused || !pdfComplete(m_pdfPath)) {
                out.made = false;
                out.reason = QStringLiteral("No printer was found, and the file \"%1\" could not be written.")
                                 .arg(QDir::toNativeSeparators(m_pdfPath));
            } else {
                out.savedFile = m_pdfPath;
            }
        } else if (refused) {
            out.made = false;
            out.reason = QStringLiteral("The printer \"%1\" did not accept the job.").arg(m_printerName);
        }
        m_printer.reset();
    }
    m_pdfPath.clear();
    return out;
}

QRectF windowImageRect(const QSize &grabPixels, qreal devicePixelRatio, qreal printerDpi, int leftTwips,
                       int topTwips)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const qreal scale = printerDpi / 96.0 / ratio;
    const QPointF origin(leftTwips * printerDpi / 1440.0, topTwips * printerDpi / 1440.0);
    return QRectF(origin, QSizeF(grabPixels.width() * scale, grabPixels.height() * scale));
}

PrintOutcome QtPrinter::printWindow(QWidget *window, int leftTwips, int topTwips)
{
    endDocument(); // a window image is a job of its own
    if (!window)
        return {};
    if (begin()) {
        const QPixmap image = window->grab();
        m_painter->drawPixmap(windowImageRect(image.size(), image.devicePixelRatio(), m_printer->resolution(),
                                              leftTwips, topTwips),
                              image, QRectF(image.rect()));
    }
    return endDocument();
}

QRectF markRect(const PageMark &mark, qreal printerDpi)
{
    const qreal k = printerDpi / 1440.0;
    return QRectF(mark.left * k, mark.top * k, mark.width * k, mark.height * k);
}

PrintOutcome QtPrinter::printMarks(const MarkPages &job)
{
    endDocument(); // tickets are a job of their own
    if (job.pages.empty())
        return {};
    if (begin(QSize(job.widthTwips, job.heightTwips))) {
        const qreal dpi = m_printer->resolution();
        for (size_t i = 0; i < job.pages.size(); ++i) {
            if (i > 0)
                m_printer->newPage();
            for (const PageMark &m : job.pages[i])
                m_painter->fillRect(markRect(m, dpi), Qt::black);
        }
    }
    return endDocument();
}

} // namespace ds
