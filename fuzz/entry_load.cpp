// The entries of an entry file: whole records from the first on while the
// first number is not 0.
#include "core/entryfile.h"
#include "core/games.h"
#include "fuzzsupport.h"

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const QByteArray bytes = in.rest();
    const QString path = dsfuzz::scratchFile("UK05061999.lot");
    dsfuzz::writeFile(path, bytes);
    const FileRead<std::vector<Entry>> read = entryfile::load(path);
    FUZZ_CHECK(read.status == ReadStatus::Ok);
    const std::vector<Entry> &entries = read.value;
    const qsizetype whole = bytes.size() / EntryRecordSize;
    FUZZ_CHECK(qsizetype(entries.size()) <= whole && entries.size() <= size_t(MaxRecordCount));
    for (size_t i = 0; i < entries.size(); ++i) {
        FUZZ_CHECK(entries[i].n[0] != 0);
        FUZZ_CHECK(encodeEntry(entries[i]) == bytes.mid(qsizetype(i) * EntryRecordSize, EntryRecordSize));
        entryLine(entries[i].n);
    }
    // The list ends at the first record whose number 1 is 0, or at the end.
    if (qsizetype(entries.size()) < whole && entries.size() < size_t(MaxRecordCount))
        FUZZ_CHECK(decodeEntry(bytes.mid(qsizetype(entries.size()) * EntryRecordSize, EntryRecordSize)).n[0] == 0);
    return 0;
}
