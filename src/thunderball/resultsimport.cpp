#include "thunderball/resultsimport.h"

#include "thunderball/resultsfile.h"

#include <QHash>

namespace ds {

void mergeThunderballRows(ResultRows &rows, Game game, QByteArray &bytes)
{
    ImportReport &report = rows.report;
    ThunderResultsFile file;
    file.setBytes(bytes);
    QHash<qint32, int> held; // date order key -> 0 (in the file) or the line listing it
    for (const ThunderResult &r : file.results())
        held.insert(qint32(r.year) * 10000 + r.month * 100 + r.day, 0);

    for (const ResultRow &row : rows.rows) {
        const auto it = held.constFind(row.order());
        if (it != held.cend()) {
            const int first = *it;
            if (first == 0)
                ++report.present;
            else
                rows.skips.add(row.line, [&] { return listedTwiceReason(row, first, game); });
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
            rows.skips.add(row.line, [game] { return fileFullReason(game); });
            continue;
        }
        held.insert(row.order(), row.line);
        ++report.added;
    }
    if (report.added > 0)
        bytes = file.bytes();
}

ImportReport mergeThunderballResults(const QByteArray &csv, QByteArray &resultsBytes)
{
    return mergeResultsWith(csv, Game::Thunderball, resultsBytes, &mergeThunderballRows);
}

ImportReport importThunderballResults(const QByteArray &csv, const QString &resultsPath)
{
    return importResultsWith(csv, Game::Thunderball, resultsPath, &mergeThunderballRows);
}

ImportReport importThunderballResultsFile(const QString &csvPath, const QString &resultsPath)
{
    return importResultsFileWith(csvPath, Game::Thunderball, resultsPath, &mergeThunderballRows);
}

namespace {

ResultsMerge mergeOf(Game game)
{
    return game == Game::Thunderball ? &mergeThunderballRows : &mergeLottoRows;
}

} // namespace

ImportReport mergeResults(const QByteArray &csv, Game target, QByteArray &bytes)
{
    return mergeResultsWith(csv, target, bytes, mergeOf(target));
}

ImportReport importResultsFile(const QString &csvPath, Game target, const QString &path)
{
    return importResultsFileWith(csvPath, target, path, mergeOf(target));
}

} // namespace ds
