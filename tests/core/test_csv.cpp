#include "core/csv.h"
#include "support/printers.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace ds;

namespace {

// Every row of the text as "line: field|field|...".
QStringList rowsOf(const QByteArray &text)
{
    QStringList out;
    CsvReader reader(text);
    CsvRow row;
    while (reader.next(row)) {
        QStringList fields;
        for (const QByteArray &f : row.fields)
            fields << QString::fromLatin1(f);
        out << QStringLiteral("%1: %2").arg(row.line).arg(fields.join(QLatin1Char('|')));
    }
    return out;
}

} // namespace

TEST(CsvReader, QuotedFieldsHoldCommasQuotesAndLineBreaks)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"a, b ,c\n", {"1: a|b|c"}},
        {"\xEF\xBB\xBF" "a,\n,,\n \r\nb,", {"1: a|", "4: b|"}},
        {"\"x, \"\"y\"\"\" ,z\r\nw", {"1: x, \"y\"|z", "2: w"}},
        {"\"one\ntwo\r\nthree\",4\n5\n", {"1: one\ntwo\r\nthree|4", "4: 5"}},
        {"\"a\"junk,b\nc", {"1: a|b", "2: c"}},
        // A quote never closed ends at its line, and so do the quotes after it.
        {"1,\"open\n2,3\n4,\"\"\n", {"1: 1|open", "2: 2|3", "3: 4|"}},
        {"1,\"a\n2,3\n\"x\ny\",4\n", {"1: 1|a\n2,3", "4: y\"|4"}}, // the quote before x closes
        {"a\rb\r\rc", {"1: a", "2: b", "4: c"}},
    };
    for (const auto &[text, rows] : cases)
        EXPECT_EQ(rowsOf(text), rows) << text.constData();
}

TEST(CsvReader, ControlCharactersAreShownEscaped)
{
    EXPECT_EQ(escapedControls(QStringLiteral("a\tb\r\n") + QChar(0) + QChar(0x1b) + QChar(0x7f) + QStringLiteral("é")),
              QStringLiteral("a\\tb\\r\\n\\x00\\x1b\\x7fé"));
}
