#include "thunderball/resultsedit.h"

#include "core/fileread.h"
#include "core/recordfile.h"

#include <QFile>

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

} // namespace ds::thunder
