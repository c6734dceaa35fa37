#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

namespace dstest {

// The pages of a PDF file (poppler's pdfinfo); -1 when it cannot be read.
int pdfPageCount(const QString &path);

// The size of the first page of a PDF file in points (1/72 inch; pdfinfo);
// empty when it cannot be read.
QSizeF pdfPageSize(const QString &path);

// Page `page` (from 1) of a PDF file rendered in grey at `dpi` dots per inch
// (poppler's pdftoppm); a null image when it cannot be rendered.
QImage renderPdfPage(const QString &path, int page, int dpi);

} // namespace dstest
