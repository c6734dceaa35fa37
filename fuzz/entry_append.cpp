// Writing an entry record in place (the append of an entry): the record lands
// at its place, a gap before it fills with zero bytes, nothing else changes;
// a write that fails (a full disk) leaves the file byte for byte.
#include "core/entryfile.h"
#include "core/games.h"
#include "fuzzsupport.h"

#include <QFileInfo>

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const quint8 room = in.byte();
    const Entry entry = decodeEntry(in.take(EntryRecordSize));
    const QByteArray bytes = in.rest();
    const QString path = dsfuzz::scratchFile("UK05061999.lot");
    const bool exists = !(pick & 1) || !bytes.isEmpty();
    if (exists)
        dsfuzz::writeFile(path, bytes);
    const FileRead<std::vector<Entry>> read = entryfile::load(path);
    FUZZ_CHECK(read.usable());
    const std::vector<Entry> &entries = read.value;
    // Mostly the append after the list; sometimes a record further on.
    const int record = int(entries.size()) + 1 + ((pick & 4) ? (pick >> 4) % 4 : 0);
    const qint64 end = qint64(record) * EntryRecordSize;
    const qint64 limit = (pick & 2) ? bytes.size() + room % 48 : -1;

    bool written = false;
    {
        std::optional<dsfuzz::FileSizeLimit> full;
        if (limit >= 0)
            full.emplace(limit);
        written = entryfile::writeAt(path, record, entry);
    }
    const QByteArray after = dsfuzz::readFile(path);
    if (!written) {
        FUZZ_CHECK(limit >= 0 && limit < end);
        FUZZ_CHECK(QFileInfo::exists(path) == exists);
        FUZZ_CHECK(after == bytes);
        return 0;
    }
    FUZZ_CHECK(limit < 0 || limit >= end);
    QByteArray expected = bytes;
    if (expected.size() < end)
        expected.resize(end, '\0');
    expected.replace(end - EntryRecordSize, EntryRecordSize, encodeEntry(entry));
    FUZZ_CHECK(after == expected);
    if (record == int(entries.size()) + 1 && entry.n[0] != 0 && entries.size() < size_t(MaxRecordCount))
        FUZZ_CHECK(entryfile::load(path).value.size() >= entries.size() + 1);
    return 0;
}
