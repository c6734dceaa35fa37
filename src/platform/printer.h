#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace ds {

// A filled mark on a printed page: its rectangle in twips (1/1440 inch) from
// the top-left corner of the paper.
struct PageMark {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PageMark &, const PageMark &) = default;
};

// Pages of marks (tickets) printed as one job: every page of the size given,
// in twips.
struct MarkPages {
    int widthTwips = 0;
    int heightTwips = 0;
    std::vector<std::vector<PageMark>> pages;
};

// How a print job went.
struct PrintOutcome {
    bool made = true;  // false: the printout could not be made
    QString reason;    // why not, where it is known
    QString savedFile; // where the job was saved as a file (no printer); empty when printed
};

// The default printer: lines of text with page overflow, new pages, the image
// of a window placed at the page origin, and pages of marks. Each job says
// how it went when it ends.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void setFont(const QString &name, int pointSize) = 0;
    // The pages of the current job hold `lines` lines of the font (the line
    // pitch and the margins are chosen so that they fit), so that a list that
    // breaks its own pages is never broken earlier. 0: the printer's own pitch.
    virtual void setPageLines(int lines) = 0;
    virtual void printLine(const QString &text) = 0;
    virtual void newPage() = 0;
    // Ends the current job: its pages go to the printer. Nothing printed since
    // the last end makes no job (and is no failure).
    virtual PrintOutcome endDocument() = 0;
    // Prints the window's client area as shown, at its own size, at the page
    // origin offset by (left, top) twips, as a job of its own.
    virtual PrintOutcome printWindow(QWidget *window, int leftTwips = 0, int topTwips = 0) = 0;
    // Prints pages of marks (tickets) as one job of their own: each mark
    // filled at its twips position from the paper's corner, whatever the
    // printer's resolution. No pages make no job.
    virtual PrintOutcome printMarks(const MarkPages &job) = 0;
};

} // namespace ds
