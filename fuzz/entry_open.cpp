// Opening (or creating) the selections file of a date: record 1 takes the
// date key, its numbers and every other byte kept; a failed write leaves the
// file as it was, and no file where there was none.
#include "core/entryfile.h"
#include "fuzzsupport.h"

#include <QFileInfo>

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const QString key = QString::fromLatin1(in.take(8));
    const QByteArray bytes = in.rest();
    const QString path = dsfuzz::scratchFile("UK05061999.lot");
    const bool exists = !(pick & 1) || !bytes.isEmpty();
    if (exists)
        dsfuzz::writeFile(path, bytes);
    const bool full = pick & 2; // the disk takes no byte more

    entryfile::OpenResult r;
    {
        std::optional<dsfuzz::FileSizeLimit> limit;
        if (full)
            limit.emplace(bytes.size());
        r = entryfile::openForDate(path, key);
    }
    const QByteArray after = dsfuzz::readFile(path);
    const QByteArray field = dateField(key);
    if (bytes.left(8).leftJustified(8, '\0', true) == field) {
        FUZZ_CHECK(r.ok);
        FUZZ_CHECK(after == bytes);
        const FileRead<std::vector<Entry>> listed = entryfile::load(path);
        FUZZ_CHECK(listed.usable() && listed.value.size() == r.entries.size());
        return 0;
    }
    FUZZ_CHECK(r.entries.empty());
    if (!r.ok) {
        FUZZ_CHECK(full && bytes.size() < EntryRecordSize);
        FUZZ_CHECK(QFileInfo::exists(path) == exists);
        FUZZ_CHECK(after == bytes);
        return 0;
    }
    QByteArray expected = bytes;
    if (expected.size() < EntryRecordSize)
        expected.resize(EntryRecordSize, '\0');
    expected.replace(0, 8, field);
    FUZZ_CHECK(after == expected);
    return 0;
}
