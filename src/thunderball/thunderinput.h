#pragma once

// What the Thunderball windows decide before they touch a file: the number
// boxes, the result-day test and the refusals of the buttons. Each function
// returns the decision; the windows show it.

#include "thunderball/resultsfile.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace ds::thunder {

// Messages of the Thunderball window and its dialogs.
inline constexpr char MsgInvalidNumbers[] = "One or more of your numbers are invalid";
inline constexpr char MsgSelectDateAbove[] = "You must select a date on the calendar above";
inline constexpr char MsgSelectDateFirst[] = "You must select a date on the calendar first";
inline constexpr char MsgFirstSelectDate[] = "You must first select a date on the calendar";
inline constexpr char MsgResultExists[] =
    "There is already a result for this date, either select a new date on the calendar above or "
    "delete the existing result first.";
inline constexpr char MsgNoEntryToDelete[] = "There is no entry to delete";
inline constexpr char MsgConfirmDeleteResult[] =
    "Are you sure you want to delete this entry? You should only delete an entry if you have made "
    "an error in either the date or the draw numbers. If you just want to select another draw use "
    "the calendar above";
inline constexpr char MsgNoEntrySelected[] = "You have not selected an entry in the above list to delete";
inline constexpr char MsgAdded[] = "Added";
inline constexpr char MsgNoResultsForStats[] =
    "There are no entries in the results file! - statistics cannot be displayed";

// Failures of the disk, which leave every file as it was.
inline constexpr char MsgResultsUnreadable[] = "The Thunderball results file could not be read.";
inline constexpr char MsgEntriesUnreadable[] = "The entries file for this date could not be read or written.";
inline constexpr char MsgResultNotSaved[] =
    "The result could not be saved. Your results file has not been changed.";
inline constexpr char MsgResultNotDeleted[] =
    "The result could not be deleted. Your results file has not been changed.";
inline constexpr char MsgResultsFull[] =
    "The results file is full: it holds 32767 results, the most a file can hold.";
inline constexpr char MsgEntryNotSaved[] =
    "The entries could not be saved. Your entries file has not been changed.";
inline constexpr char MsgEntryNotDeleted[] =
    "The entry could not be deleted. Your entries file has not been changed.";
inline constexpr char MsgEntriesFull[] =
    "The entries file for this date is full: it holds 32767 entries, the most a file can hold.";
// Auto Add asked for more entries than the file has room for.
QString noRoomMessage(int room);

// Five main numbers (ascending) and a Thunderball.
struct ThunderNumbers {
    std::array<qint16, 5> main{};
    qint16 thunderball = 0;
    friend bool operator==(const ThunderNumbers &, const ThunderNumbers &) = default;
};

// The six boxes of a result or a manual entry of a date of the era, each read
// by the number reading rule. Valid when every main number lies in 1 to the
// era's main limit, the Thunderball in 1 to its Thunderball limit and the
// main numbers differ (the Thunderball may equal one of them); a value that
// does not fit a signed 16-bit integer is out of range like any other. The
// main numbers come back in ascending order.
struct NumbersCheck {
    std::optional<ThunderNumbers> numbers;
    int firstBadBox = -1; // 0..5 (5 the Thunderball) when invalid: where focus goes
};
NumbersCheck readThunderNumbers(const std::array<QString, 6> &boxes, const Era &era);

// The result-day test: whether results (and entries) may be stored for the
// date. In an era with the rule, only its result days, or else the draw days
// of the date, are; in any other era every date is. False for an invalid
// date.
bool isResultDay(const Era &era, const QDate &date);
// The same in the Thunderball era of the date (day, month, year as the
// calendar gives them; day 0 when no date is selected).
bool isResultDay(int day, int month, int year);
// What the player is told on a date that is not a result day: the era's own
// refusal, or "You must select a draw day on the calendar: " and the days.
QString resultDayRefusal(const Era &era, const QDate &date);

// A refusal to show, or nothing when the action goes ahead.
using Refusal = std::optional<QString>;

// "Add" of the "Draw Result" frame: a result day with no result shown yet.
Refusal refuseResultAdd(int day, int month, int year, bool resultShown);
// "Delete" of the "Draw Result" frame: a result must be shown (then ask
// MsgConfirmDeleteResult).
Refusal refuseResultDelete(bool resultShown);
// "Maintain": a result day.
Refusal refuseMaintain(int day, int month, int year);
// The weeks slider: a selected date.
Refusal refuseWeeksChange(int day);
// "Delete" of the "Selections" frame: a selected line.
Refusal refuseEntryDelete(int selectedRow);

// "Auto Add" with the value of its "Number of Entries to Add" box, for an
// entry file holding entryCount entries: how many to add (0 or a negative
// value adds none, and the player is still told "Added"), or a refusal when
// the value does not fit a signed 16-bit integer or the file has no room.
struct AutoAddPlan {
    Refusal refusal;
    int count = 0;
    bool busy = false; // more than 50: the hourglass while adding
};
AutoAddPlan planAutoAdd(qint64 value, int entryCount);

// The Thunderball result of a date: the result entry window's numbers with
// the calendar date.
ThunderResult resultOf(const QDate &date, const ThunderNumbers &n);

// The six labels of the result display: the captions of the five main numbers
// and the Thunderball, all empty when there is no result.
std::array<QString, 6> resultLabels(const std::optional<ThunderResult> &r);

} // namespace ds::thunder
