#pragma once

#include <QString>
#include <QStringList>

namespace ds {

class Printer;
struct PrintOutcome;

// How a printed list is laid out: each line after an indent, in groups of
// `groupLines` lines (each followed by `separator` when there is one), and a
// new page after `groupsPerPage` groups. Every page starts with three empty
// lines.
struct PagedListShape {
    int indent = 0;
    int groupLines = 1;
    QString separator; // printed after each group, after the indent; none when empty
    int groupsPerPage = 1;
};

// The lines a page of the list holds: the three empty lines and its groups.
int pageLines(const PagedListShape &shape);

// Prints the list in Courier 10 as one job, its pages sized to hold their
// lines, so that the list's own breaks are the only ones. A list that ends
// with a full page starts no empty page after it. Returns how the job went.
PrintOutcome printPagedList(Printer &printer, const QStringList &lines, const PagedListShape &shape);

} // namespace ds
