#include "core/dateparse.h"

#include <QList>

namespace ds {

int plainNumber(QByteArrayView s)
{
    if (s.isEmpty() || s.size() > 9)
        return -1;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

namespace {

int monthFromName(const QByteArray &name)
{
    static const char *const names[] = {"january", "february", "march", "april", "may", "june",
                                        "july", "august", "september", "october", "november",
                                        "december"};
    const QByteArray n = name.toLower();
    if (n.size() < 3)
        return 0;
    for (int m = 0; m < 12; ++m) {
        const QByteArray full(names[m]);
        if (n == full || n == full.left(3) || (m == 8 && n == "sept"))
            return m + 1;
    }
    return 0;
}

} // namespace

QDate parseDateText(const QByteArray &text)
{
    const QByteArray t = text.trimmed();
    // Split into three parts at '-', '/' or spaces.
    QList<QByteArray> parts;
    QByteArray cur;
    char sep = 0;
    for (char c : t) {
        if (c == '-' || c == '/' || c == ' ') {
            if (c == ' ' && cur.isEmpty())
                continue; // runs of spaces
            if (sep == 0)
                sep = c == ' ' ? '-' : c;
            parts << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts << cur;
    if (parts.size() != 3)
        return {};
    int y = 0, m = 0, d = 0;
    if (parts[0].size() == 4) { // ISO year-month-day
        y = plainNumber(parts[0]);
        m = plainNumber(parts[1]);
        d = plainNumber(parts[2]);
        if (sep != '-')
            return {};
    } else {
        if (parts[2].size() != 4 || parts[0].size() > 2)
            return {};
        d = plainNumber(parts[0]);
        m = plainNumber(parts[1]);
        if (m < 0)
            m = monthFromName(parts[1]);
        else if (parts[1].size() > 2)
            return {};
        y = plainNumber(parts[2]);
    }
    if (y < 1 || m < 1 || d < 1)
        return {};
    return QDate(y, m, d); // null when not a real date
}

} // namespace ds
