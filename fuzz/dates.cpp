// The date readers: dates of results files, plain numbers, and the date
// fields of the stored records.
#include "core/dateparse.h"
#include "core/dates.h"
#include "fuzzsupport.h"

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const QByteArray field = in.take(8);
    const QByteArray text = in.rest();

    const QDate d = parseDateText(text);
    if (!d.isNull()) {
        FUZZ_CHECK(d.isValid());
        // The date written in the plain form reads back as itself.
        if (d.year() >= 1000 && d.year() <= 9999)
            FUZZ_CHECK(parseDateText(d.toString(Qt::ISODate).toLatin1()) == d);
        if (d.year() >= 1 && d.year() <= 9999) {
            const QString key = dateKey(d.day(), d.month(), d.year());
            FUZZ_CHECK(dateOrderKey(key) == qint64(d.year()) * 10000 + d.month() * 100 + d.day());
        }
    }

    const int n = plainNumber(text);
    if (n >= 0) {
        FUZZ_CHECK(!text.isEmpty() && text.size() <= 9);
        for (char c : text)
            FUZZ_CHECK(c >= '0' && c <= '9');
        FUZZ_CHECK(QByteArray::number(n) == QByteArray::number(text.toLongLong()));
    } else {
        FUZZ_CHECK(n == -1);
    }

    // Any stored date field has an order key and display forms.
    const qint64 key = dateOrderKey(field);
    FUZZ_CHECK(key >= 0);
    historyDate(field);
    slashDate(field);
    FUZZ_CHECK(trimmedField(field).size() <= 8);
    return 0;
}
