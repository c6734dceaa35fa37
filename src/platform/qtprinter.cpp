#include "platform/qtprinter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace ds {

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

bool QtPrinter::begin()
{
    if (m_painter)
        return true;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        m_pdfPath.clear();
    } else {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        QDir dir(m_folder);
        dir.mkpath(QStringLiteral("printouts"));
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        int n = 1;
        do {
            m_pdfPath = dir.filePath(QStringLiteral("printouts/printout-%1-%2.pdf").arg(stamp).arg(n++));
        } while (QFileInfo::exists(m_pdfPath));
        m_printer->setOutputFileName(m_pdfPath);
    }
    m_printer->setDocName(QStringLiteral("Drawsmith"));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        m_printer.reset();
        return false;
    }
    m_painter->setFont(m_font);
    m_y = 0;
    return true;
}

qreal QtPrinter::lineHeight() const
{
    return QFontMetricsF(m_font, m_printer.get()).lineSpacing();
}

void QtPrinter::printLine(const QString &text)
{
    if (!begin())
        return;
    const qreal h = lineHeight();
    const qreal pageHeight = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    if (m_y + h > pageHeight && m_y > 0) {
        m_printer->newPage();
        m_y = 0;
    }
    const QFontMetricsF fm(m_font, m_printer.get());
    if (!text.isEmpty())
        m_painter->drawText(QPointF(0, m_y + fm.ascent()), text);
    m_y += h;
}

void QtPrinter::newPage()
{
    if (!begin())
        return;
    m_printer->newPage();
    m_y = 0;
}

void QtPrinter::endDocument()
{
    if (!m_painter)
        return;
    m_painter->end();
    m_painter.reset();
    m_printer.reset();
    if (!m_pdfPath.isEmpty() && m_notify)
        m_notify(m_pdfPath);
    m_pdfPath.clear();
}

QRectF windowImageRect(const QSize &grabPixels, qreal devicePixelRatio, qreal printerDpi, int leftTwips,
                       int topTwips)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const qreal scale = printerDpi / 96.0 / ratio;
    const QPointF origin(leftTwips * printerDpi / 1440.0, topTwips * printerDpi / 1440.0);
    return QRectF(origin, QSizeF(grabPixels.width() * scale, grabPixels.height() * scale));
}

void QtPrinter::printWindow(QWidget *window, int leftTwips, int topTwips)
{
    if (!window)
        return;
    endDocument(); // a window image is a job of its own
    if (!begin())
        return;
    const QPixmap image = window->grab();
    m_painter->drawPixmap(windowImageRect(image.size(), image.devicePixelRatio(), m_printer->resolution(),
                                          leftTwips, topTwips),
                          image, QRectF(image.rect()));
    endDocument();
}

} // namespace ds
