#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

namespace dstest {

// The pages of a PDF file (poppler's pdfinfo); -1 when it cannot be read.
int pdfPageCount(const QString &path);

// The size of a PDF file's first page in points (1/72 inch; pdfinfo); empty when it cannot be read.
QSizeF pdfPageSize(const QString &path);

// Page `page` (from 1) of a PDF file in grey at `dpi` (poppler's pdftoppm); null when it cannot be.
QImage renderPdfPage(const QString &path, int page, int dpi);

} // namespace dstest
