#pragma once

// Finding and deleting Thunderball results in a results file. Reading and
// adding them is readThunderResults and appendThunderResult (resultsfile.h).

#include "thunderball/resultsfile.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace ds::thunder {

// The first result of the date in file order; nothing when the results do not
// hold it.
std::optional<ThunderResult> findResult(std::span<const ThunderResult> results, int day, int month, int year);

// What deleting the result of a date does to the bytes of a results file:
// - a file holding one result goes altogether (its date is not compared: it
//   is the result on display);
// - otherwise the records after the first result of the date move up by one
//   whole record and record 1's count drops by one; the file keeps its length
//   and the old last record stays behind as a stale copy;
// - no result of the date: nothing changes.
enum class ResultDeletion { RemoveFile, Rewrite, NotFound };
ResultDeletion deleteResultBytes(QByteArray &bytes, int day, int month, int year);

// The same on the file at path: the file is removed, or replaced crash-safely
// as a whole. Failed leaves the file as it was.
enum class DeleteOutcome { Deleted, NotFound, Failed };
DeleteOutcome deleteResult(const QString &path, int day, int month, int year);

} // namespace ds::thunder
