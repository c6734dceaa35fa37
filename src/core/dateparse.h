#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

namespace ds {

// Dates as results files write them: 2024-06-12, 12-Jun-2024, 12 June 2024,
// 12/06/2024 (day first), month names in any letter case ("Sept" too). An
// invalid or unknown form gives a null date.
QDate parseDateText(const QByteArray &text);

// A whole number of up to 9 digits and nothing else; -1 otherwise.
int plainNumber(QByteArrayView text);

} // namespace ds
