#pragma once

// The games and their eras: every rule that differs between the games, or
// between the dates of one game, is a value in the tables below. Code asks the
// table (`gameInfo`, `eraOn`, `latestEra`, `tiersOn`) and never tests a game
// or a date of its own.
//
// A game is what the player picks (UK Lotto, Irish Lotto, Thunderball): the
// menus, the remembered setting and the entry, standing and wheel files belong
// to it. An era is a span of dates with one set of rules: the numbers drawn,
// the history file, the draw days, how many draws a date holds and the prize
// tiers (the last three may change on a date inside the era). A date belongs
// to the latest era of its game that started on or before it.
//
// A new era is one more row (with its draw days, draws and tier lists) in
// games.cpp; the era test walks every row, so the row is tested by being
// added.

#include <QDate>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <span>

namespace ds {

// The largest number of entries a selections file may hold.
inline constexpr int MaxEntries = 2500;

// Counts and record numbers of every file are signed 16-bit.
inline constexpr int MaxRecordCount = 32767;

// The largest ball any era may have: entries and draws are matched through
// 64-bit masks, and every count table is indexed by ball.
inline constexpr int MaxBall = 63;

// A count per ball number (index 0 unused), large enough for every era.
using BallTable = std::array<int, MaxBall + 1>;

enum class Game { UK, Irish, Thunderball };
inline constexpr std::array<Game, 3> AllGames = {Game::UK, Game::Irish, Game::Thunderball};

// A date as the whole number YYYYMMDD (the date order key).
using Ymd = int;
inline constexpr Ymd StillDrawn = 99991231; // the last date of an era that has not ended
constexpr Ymd ymd(int year, int month, int day) { return year * 10000 + month * 100 + day; }
Ymd ymdOf(const QDate &date);
QDate dateOf(Ymd date);

// ---- Draw days, draws per date ---------------------------------------------

// Weekdays as bits: bit d for Qt's day of the week d (1 Monday .. 7 Sunday).
namespace day {
inline constexpr quint8 Mon = 1 << 1, Tue = 1 << 2, Wed = 1 << 3, Thu = 1 << 4, Fri = 1 << 5, Sat = 1 << 6,
                        Sun = 1 << 7;
}

// The days drawn from a date on (until the next rule of the era).
struct DrawDays {
    Ymd from;
    quint8 days;
};

// How many draws a date holds from a date on, and the names of the second.
struct DrawsPerDate {
    Ymd from;
    int draws;                 // 1, or 2 when a date holds a second draw
    const char *secondButton;  // the button that shows the other draw ("Second Draw")
    const char *firstLabel;    // beside the date while the first draw shows ("Draw 1 of 2")
    const char *secondLabel;   // ... while the second shows ("Draw 2 of 2")
    const char *secondDialog;  // caption of the dialog that enters the second draw
    // Set where one line plays every draw of the date (the UK Lotto's rounds):
    // Check checks them all, each winning line led by this name and the draw's
    // number ("Round 1 ", "Round 2 "). Unset, a draw is checked on its own.
    const char *roundName = nullptr;
};

// ---- Prize tiers -----------------------------------------------------------

// What the extra ball (bonus, Thunderball) has to do for a tier.
enum class Extra { Either, Required, Excluded };

enum class PrizeKind {
    None,    // no prize is shown (the older eras)
    Cash,    // a fixed amount
    Named,   // a prize with a name and no amount ("Lucky Dip", "Free prize", "Prize")
    Shared,  // a share of the prize fund, known only after the draw
    Jackpot,
};

struct Prize {
    PrizeKind kind = PrizeKind::None;
    qint32 amount = 0;          // Cash: whole pounds or euro
    const char *name = nullptr; // Named
};

enum class Currency { Pound, Euro };

struct Tier {
    int main;           // main numbers matched
    Extra extra;
    const char *label;  // lotto: the tier text ("(3 + Bonus)"); Thunderball: the whole
                        // 14-character prize text ("5 + TB £250000")
    Prize prize;
    int box;            // lotto: the total box of the check against previous draws (1 = Text1)
};

// The tiers that hold from a date on, best first.
struct TierList {
    Ymd from;
    int draw;           // 0: every draw of a date; 1 the first draw only; 2 the second only
    Currency currency;
    std::span<const Tier> tiers;
};

// ---- Games -----------------------------------------------------------------

// The shape of a game's records and results files: the lotto draw history
// (six main numbers and a bonus, a "bonus" column) or the Thunderball results
// (five main numbers and a Thunderball, a "thunderball" column).
enum class ResultsFormat { Draws, Thunder };

// What belongs to a game whatever the date.
struct GameInfo {
    Game game;
    ResultsFormat format;
    const char *code;          // "UK", "IR"; empty for Thunderball
    const char *name;          // "UK Lotto"
    const char *extraName;     // "bonus ball", "Thunderball"
    const char *remembered;    // the remembered-game setting ("U", "I"); Thunderball: that of the
                               // lotto game in whose menu it sits
    const char *entryPrefix;   // selections files: prefix + date key + ".lot"
    const char *resultsName;   // "UK results file" (the empty history printout)
    const char *statsTitle;    // "UK Statistics"
    const char *chartsTitle;   // "UK Charts"
    int picture;               // picture of the main window (1 UK, 2 Irish)
    bool bestSixWins;          // the Statistics window shows the wins of the best six
    bool wheel3;               // the "3" wheel submenu is offered
    bool tickets;              // "Print Tickets" is offered
    // The official results download: the key that names this game's address in
    // the first web link ("UK=..."), the address used when that link names
    // none, whether it is a results file the program may fetch itself (else a
    // page the player saves from), and what the player is told before the
    // browser opens it.
    const char *downloadKey;
    const char *downloadAddress;
    bool downloadIsFile;
    const char *downloadMessage;

    QString codeText() const { return QString::fromLatin1(code); }
    QString displayName() const { return QString::fromLatin1(name); }
};

const GameInfo &gameInfo(Game game);

// The lotto game of a country code; nothing for any other text.
std::optional<Game> gameOfCountry(const QString &countryCode);

// ---- Eras ------------------------------------------------------------------

struct Era {
    Game game;
    Ymd first;                 // first draw of the era
    Ymd last;                  // last draw, StillDrawn while it is drawn
    const char *name;          // "6 from 49"
    int mainCount;             // main numbers drawn
    int mainLimit;             // they run from 1 to this
    int extraLimit;            // the bonus ball or the Thunderball runs from 1 to this
    bool extraOwnPool;         // the extra ball is drawn from a pool of its own and may equal a main number
    const char *historyFile;   // "UK.exe"
    int lowNumberLimit;        // Suggest: an entry holds at most three numbers above this
    bool tickets;              // a ticket layout exists for the era
    const char *successor;     // what the game became after an era that ended without a later row
    const char *historyCaption; // the Draw History window ("UK 6/49 Draw History")
    const char *historyHeading; // the history printout's first line
    std::span<const DrawDays> drawDays;
    std::span<const DrawsPerDate> drawsPerDate;
    std::span<const TierList> tierLists;
    // Results may be entered only on a draw day (Thunderball); resultDays, when
    // not 0, are the days accepted instead of the draw days of the date, and
    // resultDayRefusal the refusal (nullptr: "You must select a draw day on the
    // calendar: " and the days).
    bool resultDayRule;
    quint8 resultDays;
    const char *resultDayRefusal;
    // Thunderball statistics: a main number's count is rated against the
    // results over this divisor; 0 rates it against its expected count.
    int ratingDivisor = 0;

    QString displayName() const { return QString::fromLatin1(name); }
    QString historyFileName() const { return QString::fromLatin1(historyFile); }
    QDate firstDate() const { return dateOf(first); }
    QDate lastDate() const { return dateOf(last); }
    bool covers(Ymd date) const { return date >= first && date <= last; }
    bool stillDrawn() const { return last == StillDrawn; }

    // The rules that hold on a date of the era (the first rule for a date
    // before the era).
    quint8 drawDaysOn(Ymd date) const;
    const DrawsPerDate &drawsOn(Ymd date) const;
    // The tiers of a draw (2 the second; any other number the first) on a
    // date; empty when none.
    const TierList &tiersOn(Ymd date, int draw) const;
    // The most draws any date of the era holds.
    int mostDraws() const;
};

// Every era of every game, each game's in date order.
std::span<const Era> allEras();
// The eras of a game, oldest first.
std::span<const Era> erasOf(Game game);
const Era &latestEra(Game game);
const Era &firstEra(Game game);
// The latest era of the game that started on or before the date; the first
// era for a date before it.
const Era &eraOn(Game game, Ymd date);
const Era &eraOn(Game game, const QDate &date);
// The era whose first and last draw enclose the date; nothing for a date no era
// covers (before the first, after the last of an era that ended, between eras).
const Era *eraCovering(Game game, Ymd date);

// "6 from 49 (19/11/1994 to 7/10/2015)", "6 from 59 (from 10/10/2015)".
QString eraTitle(const Era &era);

// The numbers a draw of the era holds, as told beside a refused entry:
// "Numbers run from 1 to 59 for draws from 10 October 2015." and, for an era
// that ended, "... for draws from 19 November 1994 to 7 October 2015."
QString eraNumbersText(const Era &era);

// Why entries of an era without a ticket layout print no tickets: "There is
// no ticket layout for the 6 from 59 UK Lotto; tickets can be printed for
// draws up to 7 October 2015." (the last draw of the game's eras with a
// layout; the sentence ends after the game where none has one).
QString noTicketLayoutMessage(const Era &era);

// The largest main number of any era of the game.
int largestBall(Game game);

} // namespace ds
