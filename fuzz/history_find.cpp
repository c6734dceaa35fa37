// Finding the first and last draw of a date in a draw history.
#include "core/dates.h"
#include "core/drawhistory.h"
#include "fuzzsupport.h"

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    QByteArray keyBytes = in.take(8);
    DrawHistory h;
    h.setBytes(in.rest());
    const int n = h.count();
    // Half the time the key of a held draw, else the key from the input.
    const QString key = (pick & 1) && n > 0 ? h.record(2 + pick % n).dateKey() : trimmedField(keyBytes);
    const int first = h.findFirst(key), last = h.findLast(key);
    FUZZ_CHECK((first == 0) == (last == 0));
    if (first == 0) {
        for (int r = 2; r <= n + 1; ++r)
            FUZZ_CHECK(h.record(r).dateKey() != key);
        if (pick & 1)
            FUZZ_CHECK(n == 0);
        return 0;
    }
    FUZZ_CHECK(2 <= first && first <= last && last <= n + 1);
    FUZZ_CHECK(h.record(first).dateKey() == key && h.record(last).dateKey() == key);
    for (int r = 2; r < first; ++r)
        FUZZ_CHECK(h.record(r).dateKey() != key);
    for (int r = last + 1; r <= n + 1; ++r)
        FUZZ_CHECK(h.record(r).dateKey() != key);
    return 0;
}
