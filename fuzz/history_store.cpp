// Storing a draw: it lands in date order, every other draw kept in its order;
// the file holds what the memory holds; the one-pass import store agrees.
#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/games.h"
#include "fuzzsupport.h"

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const Draw draw = decodeDraw(in.take(DrawRecordSize));
    const QByteArray bytes = in.rest();
    DrawHistory h;
    h.setBytes(bytes);
    const std::vector<Draw> before = h.draws();
    const int n = h.count();

    DrawHistory sorted;
    sorted.setBytes(bytes);
    const int stored = sorted.insertSorted({draw});

    if (!h.insert(draw)) {
        FUZZ_CHECK(n == MaxRecordCount && h.bytes() == bytes && stored == 0);
        return 0;
    }
    FUZZ_CHECK(stored == 1);
    FUZZ_CHECK(sorted.bytes() == h.bytes());
    FUZZ_CHECK(h.count() == n + 1 && h.storedCount() == n + 1);
    const std::vector<Draw> after = h.draws();
    const QByteArray rec = encodeDraw(draw);
    const qint64 key = dateOrderKey(draw.date);
    // The first position whose draw is not the old one there is the new draw.
    size_t p = 0;
    while (p < before.size() && encodeDraw(after[p]) == encodeDraw(before[p]))
        ++p;
    FUZZ_CHECK(encodeDraw(after[p]) == rec);
    for (size_t i = p; i < before.size(); ++i)
        FUZZ_CHECK(encodeDraw(after[i + 1]) == encodeDraw(before[i]));
    // Date order: after every draw not later, before the first later one.
    if (p < before.size())
        FUZZ_CHECK(dateOrderKey(before[p].date) > key);
    for (size_t i = 0; i < p; ++i)
        FUZZ_CHECK(dateOrderKey(before[i].date) <= key);

    // Through the file: the same bytes.
    const QString path = dsfuzz::scratchFile("IR.exe");
    dsfuzz::writeFile(path, bytes);
    FUZZ_CHECK(storeDraw(path, draw) == StoreResult::Stored);
    FUZZ_CHECK(dsfuzz::readFile(path) == h.bytes());
    return 0;
}
