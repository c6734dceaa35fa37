#pragma once

#include <QString>
#include <QtGlobal>

namespace ds {

// The numeric value at the start of a box's trimmed text: an optional sign,
// digits and an optional fraction ("12abc" is 12, "abc" and "" are 0).
double leadingValue(const QString &text);

// Nearest whole number, an exact half going to the even neighbour. Values far
// outside any range the program uses are clamped, never undefined.
qint64 roundHalfEven(double value);

// The number reading rule: leading value rounded half to even. A value that
// does not fit a signed 16-bit integer is returned as it is (wide) so that the
// caller's range check refuses it; see fitsInt16.
qint64 readBoxNumber(const QString &text);

inline bool fitsInt16(qint64 v) { return v >= -32768 && v <= 32767; }

// The two-digit form: leading "0" below 10.
QString twoDigits(int n);

// The ball caption: a leading space below 10.
QString ballCaption(int n);

} // namespace ds
