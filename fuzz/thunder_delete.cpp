// Deleting the Thunderball result of a date: exactly the first result of that
// date goes (or the whole file, when it is the only one); every other result
// stays, in order, and no byte beyond the results is touched.
#include "core/games.h"
#include "fuzzsupport.h"
#include "thunderball/resultsedit.h"
#include "thunderball/resultsfile.h"

#include <QFile>

using namespace ds;
using namespace ds::thunder;

namespace {
QByteArray fieldsOf(const ThunderResult &r)
{
    return encodeThunderRecord(r).mid(4);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const ThunderResult asked = decodeThunderRecord(in.take(ThunderRecordSize));
    const QByteArray bytes = in.rest();
    ThunderResultsFile f;
    f.setBytes(bytes);
    const int n = f.count();
    const std::vector<ThunderResult> before = f.results();
    FUZZ_CHECK(before.size() == size_t(n) && qsizetype(n) * ThunderRecordSize <= bytes.size());
    // A date the file holds (the result on display), or any date.
    const ThunderResult date = (pick & 1) && n > 0 ? before[size_t(pick >> 1) % size_t(n)] : asked;
    const int at = f.find(date.day, date.month, date.year);

    QByteArray after = bytes;
    const ResultDeletion outcome = deleteResultBytes(after, date.day, date.month, date.year);
    switch (outcome) {
    case ResultDeletion::RemoveFile:
        FUZZ_CHECK(n == 1 && after == bytes);
        break;
    case ResultDeletion::NotFound:
        FUZZ_CHECK(n != 1 && at == 0 && after == bytes);
        break;
    case ResultDeletion::Rewrite: {
        FUZZ_CHECK(n > 1 && at >= 1 && at <= n);
        FUZZ_CHECK(after.size() == bytes.size());
        ThunderResultsFile g;
        g.setBytes(after);
        FUZZ_CHECK(g.count() == n - 1 && g.storedCount() == n - 1);
        const std::vector<ThunderResult> left = g.results();
        for (size_t i = 0; i < left.size(); ++i)
            FUZZ_CHECK(fieldsOf(left[i]) == fieldsOf(before[i >= size_t(at - 1) ? i + 1 : i]));
        // The old last record stays behind as a stale copy, and what lies
        // beyond it is untouched.
        const qsizetype tail = qsizetype(n - 1) * ThunderRecordSize;
        FUZZ_CHECK(after.mid(tail) == bytes.mid(tail));
        break;
    }
    }

    // The same through the file on disk.
    const QString path = dsfuzz::scratchFile("thresult.exe");
    dsfuzz::writeFile(path, bytes);
    const DeleteOutcome onDisk = deleteResult(path, date.day, date.month, date.year);
    FUZZ_CHECK(onDisk == (outcome == ResultDeletion::NotFound ? DeleteOutcome::NotFound : DeleteOutcome::Deleted));
    FUZZ_CHECK(QFile::exists(path) == (outcome != ResultDeletion::RemoveFile));
    if (outcome != ResultDeletion::RemoveFile)
        FUZZ_CHECK(dsfuzz::readFile(path) == after);
    return 0;
}
