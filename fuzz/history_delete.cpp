// Deleting the last draw of a date removes exactly that record; a date the
// history does not hold changes nothing.
#include "core/dates.h"
#include "core/drawhistory.h"
#include "fuzzsupport.h"

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const QByteArray keyBytes = in.take(8);
    const QByteArray bytes = in.rest();
    DrawHistory h;
    h.setBytes(bytes);
    const int n = h.count();
    const std::vector<Draw> before = h.draws();
    const QString key = (pick & 1) && n > 0 ? before[pick % n].dateKey() : trimmedField(keyBytes);
    const int last = h.findLast(key);

    if (!h.remove(key)) {
        FUZZ_CHECK(last == 0);
        FUZZ_CHECK(h.bytes() == bytes);
        return 0;
    }
    FUZZ_CHECK(last >= 2);
    FUZZ_CHECK(h.count() == n - 1);
    const std::vector<Draw> after = h.draws();
    FUZZ_CHECK(after.size() + 1 == before.size());
    const size_t gone = size_t(last - 2);
    for (size_t i = 0; i < after.size(); ++i)
        FUZZ_CHECK(encodeDraw(after[i]) == encodeDraw(before[i < gone ? i : i + 1]));

    // Through the file: a crash-safe save of the same bytes.
    const QString path = dsfuzz::scratchFile("UK.exe");
    DrawHistory fromFile;
    dsfuzz::writeFile(path, bytes);
    FUZZ_CHECK(fromFile.load(path) == ReadStatus::Ok && fromFile.remove(key) && fromFile.save(path));
    FUZZ_CHECK(dsfuzz::readFile(path) == h.bytes());
    return 0;
}
