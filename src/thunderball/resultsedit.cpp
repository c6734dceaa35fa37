#include "thunderball/resultsedit.h"

#include "core/fileread.h"
#include "core/recordfile.h"

#include <QFile>
#include <vector>

namespace ds::thunder {

namespace {
constexpr int CountOffset = 0;
} // namespace

std::optional<ThunderResult> findResult(std::span<const ThunderResult> results, int day, int month, int year)
{
    for (const ThunderResult &r : results)
        if (r.sameDate(day, month, year))
            return r;
    return std::nullopt;
}

ResultDeletion deleteResultBytes(QByteArray &bytes, int day, int month, int year)
{
    ThunderResultsFile results;
    results.setBytes(bytes);
    const int n = results.count(); // never beyond the records present
    if (n == 1)
        return ResultDeletion::RemoveFile;
    const int i = results.find(day, month, year);
    if (i == 0)
        return ResultDeletion::NotFound;

    RecordFile f(ThunderRecordSize);
    f.setBytes(bytes);
    for (int j = i + 1; j <= n; ++j)
        f.setRecord(j - 1, f.record(j));
    QByteArray first = f.record(1);
    putI16(first, CountOffset, static_cast<qint16>(n - 1));
    f.setRecord(1, first);
    bytes = f.bytes();
    return ResultDeletion::Rewrite;
}

DeleteOutcome deleteResult(const QString &path, int day, int month, int year)
{
    FileRead<QByteArray> read = readFileBytes(path);
    if (!read.usable())
        return DeleteOutcome::Failed;
    QByteArray bytes = std::move(read.value);
    switch (deleteResultBytes(bytes, day, month, year)) {
    case ResultDeletion::NotFound:
        return DeleteOutcome::NotFound;
    case ResultDeletion::RemoveFile:
        return QFile::remove(path) ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
    case ResultDeletion::Rewrite:
        break;
    }
    return saveFileAtomically(path, bytes) ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
}

int moveThunderResults(QByteArray &bytes, const Era &from, QByteArray &toBytes, const Era &to)
{
    ThunderResultsFile source;
    source.setBytes(bytes);
    ThunderResultsFile target;
    target.setBytes(toBytes);
    const int n = source.count();
    std::vector<bool> leaves(static_cast<size_t>(n), false);
    int moved = 0;
    for (int i = 0; i < n; ++i) {
        const ThunderResult r = source.result(i);
        const Ymd date = ymdOf(r.date()); // 0 for a record without a real date
        if (date <= from.last || !to.covers(date) || !soundNumbers(r, to))
            continue;
        if (const int at = target.find(r.day, r.month, r.year); at > 0) {
            const ThunderResult held = target.result(at - 1);
            if (held.main != r.main || held.thunderball != r.thunderball)
                continue; // another result of the date: both are kept, each in its file
        } else if (!target.append(r)) {
            continue; // the later file is full
        }
        leaves[static_cast<size_t>(i)] = true;
        ++moved;
    }
    if (moved == 0)
        return 0;

    QByteArray out;
    for (int i = 0; i < n; ++i)
        if (!leaves[static_cast<size_t>(i)])
            out += bytes.mid(qsizetype(i) * ThunderRecordSize, ThunderRecordSize);
    if (!out.isEmpty())
        putI16(out, CountOffset, static_cast<qint16>(n - moved));
    bytes = out;
    toBytes = target.bytes();
    return moved;
}

} // namespace ds::thunder
