#pragma once

#include "core/resultsimport.h"

namespace ds {

// Importing Thunderball results from a comma-separated file into the
// Thunderball results file: new results go after those held, in date order;
// a date the file holds counts as present.
void mergeThunderballRows(ResultRows &rows, Game game, QByteArray &resultsBytes);

ImportReport mergeThunderballResults(const QByteArray &csv, QByteArray &resultsBytes);
ImportReport importThunderballResults(const QByteArray &csv, const QString &resultsPath);
ImportReport importThunderballResultsFile(const QString &csvPath, const QString &resultsPath);

// The import of any game, choosing the merge by the game: for callers that
// serve every game (the command-line converter).
ImportReport mergeResults(const QByteArray &csv, Game target, QByteArray &bytes);
ImportReport importResultsFile(const QString &csvPath, Game target, const QString &path);

} // namespace ds
