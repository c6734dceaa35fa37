// The draw history read whole, through the file and the date look-up.
#include "core/drawhistory.h"
#include "core/games.h"
#include "fuzzsupport.h"

#include <algorithm>

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const QByteArray bytes = in.rest();
    DrawHistory h;
    h.setBytes(bytes);
    const int n = h.count();
    const qsizetype draws = std::max<qsizetype>(bytes.size() / DrawRecordSize - 1, 0);
    FUZZ_CHECK(n >= 0 && n <= MaxRecordCount && n <= draws);
    // A stored count that the records bear out is the count.
    if (h.storedCount() >= 0 && h.storedCount() <= draws)
        FUZZ_CHECK(n == h.storedCount());
    const std::vector<Draw> held = h.draws();
    FUZZ_CHECK(held.size() == size_t(n));

    const QString path = dsfuzz::scratchFile("UK.exe");
    dsfuzz::writeFile(path, bytes);
    bool ok = false;
    const std::vector<Draw> read = readHistoryDraws(path, &ok);
    FUZZ_CHECK(ok);
    FUZZ_CHECK(read.size() == held.size());
    for (size_t i = 0; i < read.size(); ++i) {
        const QByteArray stored = bytes.mid(qsizetype(i + 1) * DrawRecordSize, DrawRecordSize);
        FUZZ_CHECK(encodeDraw(read[i]) == stored);
        FUZZ_CHECK(encodeDraw(held[i]) == stored);
    }
    // The look-up of a held draw's date finds the first draw of that date.
    for (size_t i = 0; i < std::min<size_t>(read.size(), 4); ++i) {
        const QString key = read[i].dateKey();
        const DateLookup l = lookUpDate(path, key);
        FUZZ_CHECK(l.read && l.count == n && l.first.has_value());
        FUZZ_CHECK(l.first->dateKey() == key);
        if (l.second)
            FUZZ_CHECK(l.second->dateKey() == key);
    }
    return 0;
}
