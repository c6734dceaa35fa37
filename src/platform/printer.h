#pragma once

#include <QString>

class QWidget;

namespace ds {

// The default printer: lines of text with page overflow, new pages, and the
// image of a window placed at the page origin.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void setFont(const QString &name, int pointSize) = 0;
    virtual void printLine(const QString &text) = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    // Prints the window's client area as shown, at its own size, at the page
    // origin offset by (left, top) twips, as a job of its own.
    virtual void printWindow(QWidget *window, int leftTwips = 0, int topTwips = 0) = 0;
};

} // namespace ds
