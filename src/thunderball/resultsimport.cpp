#include "thunderball/resultsimport.h"

#include "thunderball/resultsfile.h"

#include <QHash>

namespace ds {

void mergeThunderballRows(std::span<const ResultRow> rows, const Era &era, QByteArray &bytes, EraImport &counts,
                          SkipList &skips)
{
    ThunderResultsFile file;
    file.setBytes(bytes);
    QHash<qint32, int> held; // date order key -> 0 (in the file) or the line listing it
    for (const ThunderResult &r : file.results())
        held.insert(qint32(r.year) * 10000 + r.month * 100 + r.day, 0);

    for (const ResultRow &row : rows) {
        const auto it = held.constFind(row.order());
        if (it != held.cend()) {
            const int first = *it;
            if (first == 0)
                ++counts.present;
            else
                skips.add(row.line, [&] { return listedTwiceReason(row, first); });
            continue;
        }
        ThunderResult r;
        r.day = static_cast<qint16>(row.day());
        r.month = static_cast<qint16>(row.month());
        r.year = static_cast<qint16>(row.year());
        for (size_t k = 0; k < 5; ++k)
            r.main[k] = row.main[k];
        r.thunderball = row.extra;
        if (!file.append(r)) {
            skips.add(row.line, [&era] { return fileFullReason(era.game); });
            continue;
        }
        held.insert(row.order(), row.line);
        ++counts.added;
    }
    if (counts.added > 0)
        bytes = file.bytes();
}

namespace {

ResultsMerge mergeOf(Game game)
{
    return gameInfo(game).format == ResultsFormat::Thunder ? &mergeThunderballRows : &mergeLottoRows;
}

} // namespace

ImportReport mergeResults(const QByteArray &csv, Game target, EraFiles &files)
{
    return mergeResultsWith(csv, target, files, mergeOf(target));
}

ImportReport mergeEraResults(const QByteArray &csv, const Era &era, QByteArray &bytes, OtherEraRows others)
{
    return mergeEraResultsWith(csv, era, bytes, mergeOf(era.game), others);
}

ImportReport importResults(const QByteArray &csv, Game target, const QString &programFolder)
{
    return importResultsWith(csv, target, programFolder, mergeOf(target));
}

ImportReport importResultsFile(const QString &csvPath, Game target, const QString &programFolder)
{
    return importResultsFileWith(csvPath, target, programFolder, mergeOf(target));
}

} // namespace ds
