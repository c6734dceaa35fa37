#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>
#include <optional>

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

// The three games the program keeps.
enum class Game { UK, Irish, Thunderball };

// Everything that differs between the games, in one row per game. A new game
// or era is one more row here (plus its prize table), not a search through
// the code.
struct GameRules {
    Game game;
    const char *countryCode;   // "UK", "IR"; empty for Thunderball
    const char *name;          // "UK Lotto", "Irish Lotto", "Thunderball"
    int mainCount;             // main numbers drawn
    qint16 mainLimit;          // main numbers run from 1 to this
    qint16 extraLimit;         // bonus ball (lotto) or Thunderball limit
    const char *historyFile;   // "UK.exe", "IR.exe", "thresult.exe"
    const char *entryPrefix;   // entry files: prefix + date key + ".lot"
    bool secondDraw;           // a date may hold a second draw
    bool wheel3;               // the "Wheel 3" submenu is offered
    bool printTickets;         // "Print Tickets" is offered
    // Lotto prize tiers: a 3 match wins only with the bonus; 4 + bonus is a
    // tier of its own.
    bool threeNeedsBonus;
    bool fourBonusTier;
    // The era whose rules the program follows: the shipped history covers it
    // and imports keep only draws inside it.
    int eraFirst;              // YYYYMMDD
    int eraLast;               // YYYYMMDD
    // What the game became after the era, for a plain import message.
    const char *laterGame;

    QString code() const { return QString::fromLatin1(countryCode); }
    QString displayName() const { return QString::fromLatin1(name); }
    QString historyFileName() const { return QString::fromLatin1(historyFile); }
    QString entryFilePrefix() const { return QString::fromLatin1(entryPrefix); }
    QDate firstDrawOfEra() const { return dateOf(eraFirst); }
    QDate lastDrawOfEra() const { return dateOf(eraLast); }

private:
    static QDate dateOf(int ymd) { return QDate(ymd / 10000, ymd / 100 % 100, ymd % 100); }
};

inline constexpr GameRules GameTable[] = {
    {Game::UK, "UK", "UK Lotto", 6, UkBallLimit, UkBallLimit, "UK.exe", "UK", false, true, true, false, false,
     19941119, 20151007, "the 6-from-59 UK Lotto"},
    {Game::Irish, "IR", "Irish Lotto", 6, IrishBallLimit, IrishBallLimit, "IR.exe", "IR", true, false,
     false, true, true, 19940924, 20061101, "the 6-from-45 (later 6-from-47) Irish Lotto"},
    {Game::Thunderball, "", "Thunderball", 5, ThunderMainLimit, ThunderballLimit, "thresult.exe", "TH",
     false, false, true, false, false, 19990612, 20100508, "the 5-from-39 Thunderball"},
};

inline const GameRules &rulesOf(Game game)
{
    return GameTable[static_cast<int>(game)];
}

// The lotto game of a country code; nothing for any other text.
inline std::optional<Game> gameOfCountry(const QString &countryCode)
{
    for (const GameRules &r : GameTable)
        if (r.countryCode[0] != '\0' && countryCode == QLatin1String(r.countryCode))
            return r.game;
    return std::nullopt;
}

inline qint16 ballLimitFor(const QString &countryCode)
{
    return rulesOf(gameOfCountry(countryCode).value_or(Game::Irish)).mainLimit;
}

// File name of the draw history of a country ("UK.exe", "IR.exe").
inline QString historyFileName(const QString &countryCode)
{
    return countryCode + QStringLiteral(".exe");
}

} // namespace ds
