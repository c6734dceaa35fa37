#pragma once

// Checking an entry file (the standing entry or a wheel file) against every
// draw of a range of months: a "Date: " line per draw, a line per win, and the
// seven totals. No window code: the "Entry Check Against Previous Draws"
// window reads its pickers, calls these and shows the result.
//
// Starting a check (a menu entry):
//   1. source = checkSource(menu); refusal when the country code is empty.
//   2. ask MsgCloseFiles; No stops. The main window is reset.
//   3. opened = openCheckFile(folder, country, source): refusal when the file
//      is missing or damaged; else the entries to check.
//   4. years = historyYears(history) fill the year pickers.
// "Check":
//   1. validateRange(...) refusal; history empty: MsgNoDraws.
//   2. range = findDrawRange(draws, ...); result = checkRange(...).

#include "core/drawhistory.h"
#include "core/entryfile.h"
#include "core/fileread.h"
#include "core/tiers.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace ds {
namespace rangecheck {

inline constexpr char MsgCloseFiles[] = "Existing files will be closed, do you want to continue?";
inline constexpr char MsgStartYear[] =
    "Your date range is invalid, the start year must be the same or less than the end year.";
inline constexpr char MsgStartMonth[] =
    "Your date range is invalid, the start month must be the same or less than the end month.";
inline constexpr char MsgNoDraws[] = "There are no entries in your results file";
inline constexpr char MsgNoWheel[] =
    "You have not created the wheel, first use the New command to create the wheel.";

// "Jan" .. "Dec": the month pickers; month number = position + 1.
QStringList monthNames();

// The five menu entries that start a check.
struct CheckSource {
    const char *menu;        // "mnucheck", "mnu3check", ...
    int wheel;               // 3..6, or 0 for the standing entry
    const char *noCountry;   // shown when no country is selected
    const char *missing;     // shown when the file does not exist
};
// The source of a menu name; the standing entry for an unknown name.
const CheckSource &checkSource(const QString &menu);

// "StandUK.lot", "IRwheel5.lot".
QString checkFileName(const CheckSource &source, Game game);

struct OpenedFile {
    QString refusal;          // shown with OK; the check window does not open
    QString path;             // the file checked
    std::vector<Entry> entries;
};
// Reads the entries of the source's file of the game once. Missing: the
// source's message. A number outside 1 to the largest ball of the game's eras,
// or twice in one entry: the file is damaged.
OpenedFile openCheckFile(const QString &programFolder, Game game, const CheckSource &source);

// Index (0-based) of the first entry that is not six distinct numbers in
// 1..maxBall; -1 when all are sound.
int firstDamagedEntry(std::span<const Entry> entries, int maxBall);
QString damagedFileMessage(const QString &fileName, int entryNumber, int maxBall);

// The draws of every era of the game as one history, oldest era first (each
// era's file in date order); not usable when a file cannot be read.
FileRead<std::vector<Draw>> readGameDraws(const QString &programFolder, Game game);

// Years of the first and last draw (characters 5-8 of their date fields),
// every year from first to last as text; empty when there is no draw or the
// years are not plausible.
QStringList historyYears(std::span<const Draw> draws);

// The refusal of a month range, or empty when it is valid.
QString validateRange(int startMonth, int startYear, int endMonth, int endYear);

// Draws checked, as 0-based indices into the draws (first <= last unless the
// range is empty): from the first draw of the start month (else the first
// draw) to the last draw of the end month (else the last draw).
struct DrawRange {
    int first = 0;
    int last = -1;
    bool empty() const { return last < first; }
};
DrawRange findDrawRange(std::span<const Draw> draws, int startMonth, int startYear, int endMonth, int endYear);

// The totals, in the order of their boxes (Text1, Text2, ...): a tier counts
// into the box its tier list gives. The older eras' seven boxes, and the boxes
// of two numbers (Text10) and of two and the bonus (Text11; Text8 and Text9
// are the dates):
enum Total {
    Match3, Match4, Match5, Jackpot, Match5Bonus, Match4Bonus, Match3Bonus, TotalCount,
    Match2 = 9, Match2Bonus = 10
};
inline constexpr int MaxTotals = 11;
using Totals = std::array<int, MaxTotals>;

// The boxes (0 for Text1) the totals of an era show: the seven of the older
// eras when its tiers fit them, otherwise one per tier of the era, in box
// order.
std::vector<int> totalBoxes(const Era &era);

// How a match of `main` numbers (bonus: the entry holds the bonus number) is
// listed and counted under a tier list; nothing when it wins nothing.
struct Win {
    int total;      // box, 0 for Text1
    bool plusBonus; // the line ends with "+ Bonus"
    friend bool operator==(const Win &, const Win &) = default;
};
std::optional<Win> classify(const TierList &tiers, int main, bool bonus);

// "04 11 19 27 33 45 : 5+ Bonus".
QString winLine(const Numbers6 &n, int main, bool plusBonus);

struct Result {
    QStringList lines;        // "Date: DD/MM/YYYY" and win lines, in order
    Totals totals{};
    QString startDate;        // DD/MM/YYYY of the first and last draw checked
    QString endDate;
    int drawsChecked = 0;
    const Era *lastEra = nullptr; // the era of the last draw checked
    bool crossesEras = false;     // the draws checked belong to more than one era
    // The boxes to show: those of the last draw's era, and any other a draw
    // of the range counted into.
    std::vector<int> boxes() const;
};

// Called after each draw with the number of draws done so far.
using Progress = std::function<void(int done)>;

// Checks every entry against every draw of the range, each draw with the
// tiers of its own era, date and draw (a draw right after one of the same date
// is its second draw, or second round). Entries are read from memory, not once
// per draw.
Result checkRange(std::span<const Entry> entries, std::span<const Draw> draws, DrawRange range, Game game,
                  const Progress &progress = {});

} // namespace rangecheck
} // namespace ds
