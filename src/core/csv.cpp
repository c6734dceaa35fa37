#include "core/csv.h"

#include <algorithm>

namespace ds {

namespace {

bool isBlankByte(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

QByteArray trimBlanks(const char *b, const char *e)
{
    while (b < e && isBlankByte(*b))
        ++b;
    while (e > b && isBlankByte(e[-1]))
        --e;
    return QByteArray(b, e - b);
}

// Past one line end at p (CR LF counts as one).
const char *pastLineEnd(const char *p, const char *end)
{
    if (p < end && *p == '\r' && p + 1 < end && p[1] == '\n')
        return p + 2;
    return p < end ? p + 1 : p;
}

} // namespace

CsvReader::CsvReader(const QByteArray &text) : m_text(text)
{
    m_pos = m_text.constData();
    m_end = m_pos + m_text.size();
    if (m_text.startsWith("\xEF\xBB\xBF"))
        m_pos += 3;
}

const char *CsvReader::readRow(std::vector<QByteArray> &fields, bool quotesSpanLines, int &breaks) const
{
    fields.clear();
    breaks = 0;
    const char *e = m_end;
    const char *p = m_pos;
    for (;;) {
        const char *q = p;
        while (q < e && isBlankByte(*q))
            ++q;
        if (q < e && *q == '"') {
            QByteArray f;
            ++q;
            bool closed = false;
            while (q < e) {
                if (*q == '"') {
                    if (q + 1 < e && q[1] == '"') {
                        f += '"';
                        q += 2;
                        continue;
                    }
                    ++q;
                    closed = true;
                    break;
                }
                if (isLineEnd(*q)) {
                    if (!quotesSpanLines)
                        break;
                    const char *next = pastLineEnd(q, e);
                    f.append(q, next - q);
                    q = next;
                    ++breaks;
                    continue;
                }
                f += *q++;
            }
            if (!closed && quotesSpanLines)
                return nullptr;
            // Anything between the closing quote and the comma is dropped.
            while (q < e && *q != ',' && !isLineEnd(*q))
                ++q;
            fields.push_back(f.trimmed());
            p = q;
        } else {
            while (q < e && *q != ',' && !isLineEnd(*q))
                ++q;
            fields.push_back(trimBlanks(p, q));
            p = q;
        }
        if (p >= e || isLineEnd(*p))
            return p;
        ++p; // the comma
        if (p == e || isLineEnd(*p)) {
            fields.emplace_back();
            return p;
        }
    }
}

bool CsvReader::next(CsvRow &row)
{
    while (m_pos < m_end) {
        int breaks = 0;
        const char *end = readRow(row.fields, m_quotesSpanLines, breaks);
        if (!end) {
            // The quote was never closed: it ends at its line, and so does
            // every quote after it (the text has no closing quote left to
            // look for, and each row is read once).
            m_quotesSpanLines = false;
            end = readRow(row.fields, false, breaks);
        }
        row.line = m_line + 1;
        m_line += 1 + breaks;
        m_pos = pastLineEnd(end, m_end);
        const bool blank = std::all_of(row.fields.begin(), row.fields.end(),
                                       [](const QByteArray &f) { return f.isEmpty(); });
        if (!blank)
            return true;
    }
    return false;
}

QString escapedControls(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\n')
            out += QStringLiteral("\\n");
        else if (u == '\r')
            out += QStringLiteral("\\r");
        else if (u == '\t')
            out += QStringLiteral("\\t");
        else if (u < 0x20 || u == 0x7f)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace ds
