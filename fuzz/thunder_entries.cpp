// Thunderball entry files: loading takes the count as the whole records
// present, gives an entry file weeks 1 when it has entries and removes one
// without; an added entry lands after the others with everything else kept;
// a delete removes exactly that entry; the weeks slider changes only the
// weeks field; a write that fails (a full disk) leaves the file as it was.
#include "core/recordfile.h"
#include "fuzzsupport.h"
#include "thunderball/thunderentries.h"

#include <QFileInfo>

using namespace ds;
using namespace ds::thunder;

namespace {

// The entries a file holds: its count, held to the whole records present; a
// negative count (which cannot be right) reads as all of them.
int countOf(const QByteArray &bytes)
{
    const int stored = getI16(bytes, 0);
    const qsizetype whole = qMin<qsizetype>(bytes.size() / ThunderRecordSize, MaxRecordCount);
    if (stored == 0)
        return 0;
    return int(stored < 0 ? whole : qMin<qsizetype>(stored, whole));
}

bool sameEntry(const ThunderResult &a, const ThunderResult &b)
{
    return a.day == b.day && a.month == b.month && a.year == b.year && a.main == b.main &&
           a.thunderball == b.thunderball;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 op = in.byte();
    const quint8 room = in.byte();
    const quint16 arg = in.u16();
    const QDate date(2026, 12, 5);
    const Era &era = eraOn(Game::Thunderball, date);
    ThunderNumbers typed;
    for (qint16 &m : typed.main)
        m = qint16(1 + in.byte() % era.mainLimit);
    typed.thunderball = qint16(1 + in.byte() % era.extraLimit);
    const QByteArray bytes = in.rest();
    const QString path = dsfuzz::scratchFile("TH05122026.lot");
    const int count = countOf(bytes);

    // The load-entries routine.
    dsfuzz::writeFile(path, bytes);
    const FileRead<LoadedEntries> read = loadEntries(path);
    const LoadedEntries &loaded = read.value;
    FUZZ_CHECK(read.status == ReadStatus::Ok && !loaded.writeFailed && loaded.count == count);
    if (count == 0) {
        FUZZ_CHECK(loaded.removed && !QFileInfo::exists(path));
    } else {
        QByteArray expected = bytes;
        if (getI16(bytes, 2) < 1)
            putI16(expected, 2, 1);
        FUZZ_CHECK(loaded.weeksRewritten == (getI16(bytes, 2) < 1));
        FUZZ_CHECK(dsfuzz::readFile(path) == expected);
        FUZZ_CHECK(int(loaded.entries.size()) == count && loaded.lines.size() == count);
        for (int r = 1; r <= count; ++r)
            FUZZ_CHECK(sameEntry(loaded.entries[size_t(r - 1)],
                                 decodeThunderRecord(bytes.mid(qsizetype(r - 1) * ThunderRecordSize, ThunderRecordSize))));
    }

    // One change on the original bytes, on a disk that may be full.
    dsfuzz::writeFile(path, bytes);
    EntryFile file;
    file.setBytes(bytes);
    const std::vector<ThunderResult> before = file.entries();
    bool changed = false;
    bool refused = false;
    {
        std::optional<dsfuzz::FileSizeLimit> full;
        if (op & 0x80)
            full.emplace(qMax<qint64>(0, bytes.size() + qint64(room % 64) - 32));
        switch (op % 3) {
        case 0: {
            const AppendResult r = appendEntries(path, date, {typed});
            refused = r.outcome == AppendResult::Full;
            changed = r.outcome == AppendResult::Added;
            FUZZ_CHECK(!refused || count == MaxRecordCount);
            break;
        }
        case 1: {
            const EntryDeletion r = deleteEntry(path, arg % (count + 1));
            refused = r == EntryDeletion::NotFound;
            changed = r == EntryDeletion::Deleted;
            FUZZ_CHECK(refused == (int(arg % (count + 1)) == count));
            break;
        }
        default:
            changed = setWeeks(path, int(qint16(arg)));
            break;
        }
    }
    const QByteArray after = dsfuzz::readFile(path);
    if (!changed) {
        FUZZ_CHECK(refused || (op & 0x80));
        FUZZ_CHECK(after == bytes);
        return 0;
    }
    EntryFile now;
    now.setBytes(after);
    const std::vector<ThunderResult> entries = now.entries();
    switch (op % 3) {
    case 0: {
        FUZZ_CHECK(int(entries.size()) == count + 1);
        for (int i = 0; i < count; ++i)
            FUZZ_CHECK(sameEntry(entries[size_t(i)], before[size_t(i)]));
        const ThunderResult &added = entries.back();
        FUZZ_CHECK(added.sameDate(5, 12, 2026) && added.main == typed.main && added.thunderball == typed.thunderball);
        // Past the new entry's record, nothing moved.
        const qsizetype end = qsizetype(count + 1) * ThunderRecordSize;
        FUZZ_CHECK(after.mid(end) == bytes.mid(end));
        break;
    }
    case 1: {
        const int k = arg % (count + 1);
        FUZZ_CHECK(int(entries.size()) == count - 1);
        for (int i = 0; i < count - 1; ++i)
            FUZZ_CHECK(sameEntry(entries[size_t(i)], before[size_t(i < k ? i : i + 1)]));
        break;
    }
    default: {
        QByteArray expected = bytes;
        if (expected.size() < ThunderRecordSize)
            expected.resize(ThunderRecordSize, '\0');
        putI16(expected, 2, qint16(arg));
        FUZZ_CHECK(after == expected);
        break;
    }
    }
    return 0;
}
