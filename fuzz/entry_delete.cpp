// Deleting an entry removes exactly that entry and keeps the others in order;
// a position outside the list changes nothing.
#include "core/entryfile.h"
#include "fuzzsupport.h"

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint16 pick = in.u16();
    const QByteArray bytes = in.rest();
    const QString path = dsfuzz::scratchFile("UK05061999.lot");
    dsfuzz::writeFile(path, bytes);
    const std::vector<Entry> before = entryfile::load(path).value;
    const int count = int(before.size());
    const int p = pick % (count + 1); // count itself: no such entry

    const FileRead<bool> result = entryfile::deleteAt(path, p, count);
    FUZZ_CHECK(result.status == ReadStatus::Ok);
    const bool deleted = result.value;
    if (p == count) {
        FUZZ_CHECK(!deleted && dsfuzz::readFile(path) == bytes);
        return 0;
    }
    FUZZ_CHECK(deleted);
    const std::vector<Entry> after = entryfile::load(path).value;
    FUZZ_CHECK(after.size() + 1 == before.size());
    for (size_t i = 0; i < after.size(); ++i)
        FUZZ_CHECK(encodeEntry(after[i]) == encodeEntry(before[i < size_t(p) ? i : i + 1]));
    return 0;
}
