#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace ds {

// One row of comma-separated text.
struct CsvRow {
    int line = 0; // 1-based line of the file the row starts on
    std::vector<QByteArray> fields;
};

// Reads comma-separated text row by row, without holding more than the row
// being read. Lines end in LF, CR LF or CR; a leading UTF-8 byte order mark is
// dropped; a row of nothing but commas and blanks is skipped. Fields are
// trimmed of spaces and tabs. A quoted field ("...") may hold commas, line
// breaks and doubled quotes standing for one; its text is trimmed of white
// space, and anything between its closing quote and the next comma is
// dropped. A quote that is never closed runs to the end of its line only, so
// one stray quote cannot swallow the rest of the file; quotes after it end at
// their lines too.
class CsvReader {
public:
    explicit CsvReader(const QByteArray &text);

    // The next row that is not blank; false at the end of the text.
    bool next(CsvRow &row);

private:
    // Reads the row at m_pos into `fields`; returns where it ends (at its line
    // end) and counts the line breaks inside quoted fields in `breaks`. With
    // quotesSpanLines false, or when a quote is never closed (returns nullptr),
    // a quote ends at the line end.
    const char *readRow(std::vector<QByteArray> &fields, bool quotesSpanLines, int &breaks) const;

    QByteArray m_text;
    const char *m_pos;
    const char *m_end;
    int m_line = 0; // lines read so far
    bool m_quotesSpanLines = true;
};

// The text with its control characters written out: "\n", "\r", "\t", and
// "\xNN" for the others, so that a reported line shows what the file holds.
QString escapedControls(const QString &text);

} // namespace ds
