#pragma once

#include "core/printersettings.h"
#include "platform/printer.h"

#include <QWidget>
#include <vector>

class QFrame;

namespace ds {

// A ticket layout: a page-sized window holding a control array of marks
// (children all named `Shape1`, each with its "Index" property), placed in
// twips and shown or hidden. Its image on paper is its visible marks at their
// twips positions. On screen a twip is 1/15 of a pixel (96 dots per inch).
class MarkLayout : public QWidget {
    Q_OBJECT
public:
    // Marks firstIndex to lastIndex, all hidden; the page is widthTwips by
    // heightTwips.
    MarkLayout(const char *objectName, int firstIndex, int lastIndex, int widthTwips, int heightTwips);

    void hideAll();
    // Moves the mark to its place and shows it; an index the layout does not
    // hold is ignored.
    void place(const TicketMark &mark);
    void place(const std::vector<TicketMark> &marks);

    // The visible marks, in index order, as they print.
    std::vector<PageMark> visibleMarks() const;
    // A job of tickets on this layout's page, with no page yet. The page
    // reaches one mark beyond the layout's right and bottom edges, since the
    // largest offsets put a mark's corner on the edge itself.
    MarkPages emptyJob() const;
    std::vector<TicketMark> placedMarks() const;

    QFrame *mark(int index) const;

private:
    struct Slot {
        QFrame *shape = nullptr;
        TicketMark mark;
    };
    int m_first;
    int m_widthTwips;
    int m_heightTwips;
    std::vector<Slot> m_slots;
};

} // namespace ds
