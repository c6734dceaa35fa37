#pragma once

#include "core/resultsimport.h"

namespace ds {

// The Thunderball merge: new results go after those held, in date order; a
// date the file holds counts as present.
void mergeThunderballRows(std::span<const ResultRow> rows, const Era &era, QByteArray &resultsBytes,
                          EraImport &counts, SkipList &skips);

// The import of any game, with the merge of its results format: what the
// windows and the command-line converter call.
ImportReport mergeResults(const QByteArray &csv, Game target, EraFiles &files);
ImportReport mergeEraResults(const QByteArray &csv, const Era &era, QByteArray &bytes,
                             OtherEraRows others = OtherEraRows::Skipped);
ImportReport importResults(const QByteArray &csv, Game target, const QString &programFolder);
ImportReport importResultsFile(const QString &csvPath, Game target, const QString &programFolder);

} // namespace ds
