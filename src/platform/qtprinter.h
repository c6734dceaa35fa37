#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace ds {

// Where a window image lands on a page of `printerDpi` dots per inch: at the
// offset in twips (1/1440 inch), at the window's own size taking one
// device-independent screen pixel for 1/96 inch, whatever the device-pixel
// ratio of the screen it was grabbed on.
QRectF windowImageRect(const QSize &grabPixels, qreal devicePixelRatio, qreal printerDpi, int leftTwips,
                       int topTwips);

// Prints on the default printer. Where the desktop has none, each job is saved
// as a PDF file in "printouts" under the program folder, and the notifier is
// told the file's path.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QString programFolder);
    ~QtPrinter() override;

    void setFont(const QString &name, int pointSize) override;
    void printLine(const QString &text) override;
    void newPage() override;
    void endDocument() override;
    void printWindow(QWidget *window, int leftTwips, int topTwips) override;

    void setNotifier(std::function<void(const QString &)> notify) { m_notify = std::move(notify); }

private:
    bool begin();
    qreal lineHeight() const;

    QString m_folder;
    QFont m_font;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_pdfPath;
    qreal m_y = 0;
    std::function<void(const QString &)> m_notify;
};

} // namespace ds
