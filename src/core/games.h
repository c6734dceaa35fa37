#pragma once

#include <QString>
#include <QtGlobal>

namespace ds {

// Ball limits of the three games. Fixed for the life of the program.
inline constexpr qint16 UkBallLimit = 49;
inline constexpr qint16 IrishBallLimit = 42;
inline constexpr qint16 ThunderMainLimit = 34;
inline constexpr qint16 ThunderballLimit = 14;

// Country codes of the two lotto games; Thunderball has none.
inline const QString CountryUK = QStringLiteral("UK");
inline const QString CountryIR = QStringLiteral("IR");

// The largest number of entries a selections file may hold.
inline constexpr int MaxEntries = 2500;

// Counts and record numbers of every file are signed 16-bit.
inline constexpr int MaxRecordCount = 32767;

inline qint16 ballLimitFor(const QString &countryCode)
{
    return countryCode == CountryUK ? UkBallLimit : IrishBallLimit;
}

// File name of the draw history of a country ("UK.exe", "IR.exe").
inline QString historyFileName(const QString &countryCode)
{
    return countryCode + QStringLiteral(".exe");
}

} // namespace ds
