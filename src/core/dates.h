#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace ds {

// Date key: DDMMYYYY, day and month with a leading zero, year as decimal.
QString dateKey(int day, int month, int year);

// Date display text: D/M/YYYY without leading zeros.
QString dateDisplayText(int day, int month, int year);

// Date order key YYYYMMDD of a stored date field (characters 5-8, 3-4, 1-2 of
// the trimmed field). Fields that are not digits give their numeric prefix
// value or 0, never a failure.
qint64 dateOrderKey(const QByteArray &dateField);
qint64 dateOrderKey(const QString &dateKey);

// History date DD-MM-YYYY of a stored date field (trimmed).
QString historyDate(const QByteArray &dateField);

// DD/MM/YYYY of a stored date field (trimmed).
QString slashDate(const QByteArray &dateField);

// A date as the windows name it to the player: "Saturday 5 December 2026".
QString longDateText(const QDate &date);

// The date field as text with leading and trailing spaces removed.
QString trimmedField(const QByteArray &dateField);

} // namespace ds
