// The Thunderball results file: the count never trusted past the records,
// look-ups by date, and the append after the results held.
#include "core/games.h"
#include "fuzzsupport.h"
#include "thunderball/resultsfile.h"

#include <algorithm>

using namespace ds;

namespace {
QByteArray fieldsOf(const ThunderResult &r)
{
    return encodeThunderRecord(r).mid(4);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    ThunderResult added = decodeThunderRecord(in.take(ThunderRecordSize));
    // What the result entry window lets through: a first ball in the range of
    // the date's era.
    added.main[0] = qint16(1 + quint16(added.main[0]) % eraOn(Game::Thunderball, ymd(added.year, added.month, added.day)).mainLimit);
    const QByteArray bytes = in.rest();
    ThunderResultsFile f;
    f.setBytes(bytes);
    const int n = f.count();
    const qsizetype whole = bytes.size() / ThunderRecordSize;
    FUZZ_CHECK(n >= 0 && n <= whole && n <= MaxRecordCount);
    // Whatever the records hold: no result hides those after it.
    FUZZ_CHECK(n == std::min<qsizetype>(f.storedCount() > 0 ? std::min<qsizetype>(f.storedCount(), whole) : whole,
                                        MaxRecordCount));
    const std::vector<ThunderResult> before = f.results();
    FUZZ_CHECK(before.size() == size_t(n));
    for (int i = 0; i < std::min(n, 4); ++i) {
        const ThunderResult &r = before[size_t(i)];
        FUZZ_CHECK(fieldsOf(f.result(i)) == fieldsOf(r));
        const int at = f.find(r.day, r.month, r.year);
        FUZZ_CHECK(at >= 1 && at <= i + 1 && f.result(at - 1).sameDate(r.day, r.month, r.year));
    }
    FUZZ_CHECK(fieldsOf(f.result(n)) == fieldsOf(ThunderResult{}));

    const QString path = dsfuzz::scratchFile("thunder.dat");
    dsfuzz::writeFile(path, bytes);
    const FileRead<std::vector<ThunderResult>> read = readThunderResults(path);
    FUZZ_CHECK(read.status == ReadStatus::Ok && read.value.size() == before.size());

    if (!f.append(added)) {
        FUZZ_CHECK(n == MaxRecordCount && f.bytes() == bytes);
        return 0;
    }
    FUZZ_CHECK(f.count() == n + 1);
    const std::vector<ThunderResult> after = f.results();
    for (int i = 0; i < n; ++i)
        FUZZ_CHECK(fieldsOf(after[size_t(i)]) == fieldsOf(before[size_t(i)]));
    FUZZ_CHECK(fieldsOf(after.back()) == fieldsOf(added));
    FUZZ_CHECK(appendThunderResult(path, added) == ThunderAppendResult::Appended);
    FUZZ_CHECK(dsfuzz::readFile(path) == f.bytes());
    return 0;
}
