// The draw history read whole, through the file and the search by date.
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
    const FileRead<std::vector<Draw>> file = readHistoryDraws(path);
    FUZZ_CHECK(file.status == ReadStatus::Ok);
    const std::vector<Draw> &read = file.value;
    FUZZ_CHECK(read.size() == held.size());
    for (size_t i = 0; i < read.size(); ++i) {
        const QByteArray stored = bytes.mid(qsizetype(i + 1) * DrawRecordSize, DrawRecordSize);
        FUZZ_CHECK(encodeDraw(read[i]) == stored);
        FUZZ_CHECK(encodeDraw(held[i]) == stored);
    }
    // The search for a held draw's date finds the first draw of that date.
    DrawHistory fromFile;
    FUZZ_CHECK(fromFile.load(path) == ReadStatus::Ok && fromFile.count() == n);
    for (size_t i = 0; i < std::min<size_t>(read.size(), 4); ++i) {
        const QString key = read[i].dateKey();
        const int r = fromFile.findFirst(key);
        FUZZ_CHECK(r >= 2 && r <= int(i) + 2);
        FUZZ_CHECK(fromFile.record(r).dateKey() == key);
        for (int earlier = 2; earlier < r; ++earlier)
            FUZZ_CHECK(fromFile.record(earlier).dateKey() != key);
    }
    return 0;
}
