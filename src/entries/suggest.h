#pragma once

// Suggested entries: the number constraints of the "Contraints" window, the
// selection pool weighted by recent draws, and the making of entries under the
// spreading rules. No window code: the main window and the "Contraints" window
// call these and do the showing, asking and writing.
//
// The "Add" handler, in order:
//   1. plan = planAdd(...): ask each of plan.questions (No stops); if
//      plan.refusal is not empty show it and stop; plan.count entries follow.
//   2. entries = entryfile::load(current entry file)  (the one read of the file;
//      unreadable: EntriesUnreadableMessage, stop)
//   3. pool = buildSelectionPool(readHistoryDraws(history path), maxBall)
//      (unreadable: HistoryUnreadableMessage, stop)
//   4. random.seed(time of day)
//   5. addSuggestedEntries(pool, SuggestRules::fromState(state), entries,
//      plan.count, firstEntryDateField(path, entries), random, writer)
//      where the writer writes the entry at its record number
//      (entryfile::writeAt), appends its line to the list and repaints.
//   6. stop == NoMoreFound: show noMoreEntriesMessage(result.added).

#include "core/drawhistory.h"
#include "core/entryfile.h"
#include "platform/random.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace ds {

struct AppState;

namespace suggest {

// Messages of suggesting entries and of the "Contraints" window.
inline constexpr char MsgConstraintsInForce[] =
    "You currently have contraints on numbers do you wish to proceed?";
inline constexpr char MsgMaximumEntries[] = "2500 is the maximum number of entries";
inline constexpr char MsgAlreadyHaveTotal[] = "You already have at least that number of entries!";
inline constexpr char MsgLongRun[] =
    "This could take several minutes to select the entries. Are you sure you want to continue?";
inline constexpr char MsgInvalidConstraints[] =
    "One or more of your numbers is invalid - no numbers can be the same, they must be in range, "
    "and a number cannot be in both contraint types";
// "Add" while the number constraints in force cannot all be met.
inline constexpr char MsgConstraintsNeedCorrecting[] =
    "The numbers you have chosen to include or exclude are invalid, so no entries can be "
    "suggested. Use Constrain to correct them first.";
// Suggesting stopped because no further entry meets the rules.
QString noMoreEntriesMessage(int added);

// Constraint table: positions 0 to 2 numbers every entry must contain,
// 3 to 8 numbers no entry may contain; 0 marks an empty position.
using ConstraintTable = std::array<qint16, 9>;
inline constexpr int RequiredPositions = 3;

struct ConstraintCheck {
    bool valid = true;
    bool active = false; // some position is non-zero
    friend bool operator==(const ConstraintCheck &, const ConstraintCheck &) = default;
};

// The test of "Done": a value below 0 or above maxBall, or the same non-zero
// value in two positions, makes the table invalid.
ConstraintCheck checkConstraints(const ConstraintTable &table, int maxBall);

// "Done" of the "Contraints" window: the nine box texts (positions 0..8) read
// by the number reading rule. The table is what is stored, valid or not;
// values beyond 16 bits are stored held to the 16-bit range and always fail.
struct ConstraintsRead {
    ConstraintTable table{};
    bool valid = true;
    bool active = false;
};
ConstraintsRead readConstraints(const std::array<QString, 9> &boxTexts, int maxBall);

// The selection pool: every ball once, plus the main numbers of the last 208
// draws. Positions 1..size are used (position 0 is unused).
inline constexpr int PoolCapacity = 1301;
inline constexpr int PoolDraws = 208;
inline constexpr int PoolFillLimit = 1294; // a draw is added only while the size is below this

struct SelectionPool {
    std::array<qint16, PoolCapacity> balls{};
    int size = 0;
};

// M = maxBall, the main limit of the era. A draw whose main numbers are not
// all in 1..M is left out, so every ball of the pool is a valid ball.
SelectionPool buildSelectionPool(std::span<const Draw> draws, int maxBall);

// The rules a suggested entry has to meet.
struct SuggestRules {
    int maxBall = 0;  // the era's main limit
    int lowLimit = 0; // numbers below it are low; without constraints at most three may be
    bool constraintsActive = false;
    ConstraintTable constraints{};

    // The rules of the era of the open entry file, with the constraints in force.
    static SuggestRules fromState(const AppState &state);
};

// How many numbers a new entry may share with any entry already in a list of
// `entryCount` entries: 2 below 58, 3 up to 1032, 4 from 1033, 5 whenever the
// constraints are active.
int overlapLimit(int entryCount, bool constraintsActive);

// Consecutive failed attempts after which suggesting gives up: far more than a
// list a player can build ever needs, yet a list that admits no further entry
// stops within a fraction of a second.
inline constexpr int MaxFailedAttempts = 100000;

// The entries of a list, kept in the form the overlap test needs.
class Suggester {
public:
    Suggester(const SelectionPool &pool, const SuggestRules &rules, std::span<const Entry> existing);

    // One attempt: six numbers drawn from the pool (required numbers forced
    // into the first places) and tested against the rules and the list. The
    // numbers in ascending order, or nothing when a test rejected them.
    std::optional<Numbers6> attempt(RandomSource &random) const;

    // Adds an accepted entry to the list.
    void add(const Numbers6 &numbers);
    int count() const { return static_cast<int>(m_masks.size()); }

private:
    int pickIndex(RandomSource &random) const;

    SelectionPool m_pool;
    SuggestRules m_rules;
    std::vector<quint64> m_masks; // bit b set when the entry holds ball b (1..63)
};

struct AddResult {
    enum class Stop { Finished, NoMoreFound, WriteFailed, InvalidConstraints };
    int added = 0;
    Stop stop = Stop::Finished;
};

// Called for each accepted entry with its record number (the list's count
// after it, 1-based); false when it could not be written, which ends adding.
using EntryWriter = std::function<bool(const Entry &entry, int recordNumber)>;

// Makes `count` entries and hands each to `write`; `entries` (the list held in
// memory) grows by every entry written. The date field of an entry is that of
// the entry before it, and firstDateField for the first entry of an empty list.
// Refuses (adds nothing, stop InvalidConstraints) when the constraints are
// active but fail the "Done" test. `random` is used as it is; seed it before.
AddResult addSuggestedEntries(const SelectionPool &pool, const SuggestRules &rules,
                              std::vector<Entry> &entries, int count,
                              const QByteArray &firstDateField, RandomSource &random,
                              const EntryWriter &write);

// Date field for the first entry of an empty list in the file at `path`: the
// date key of a selections file's name, otherwise record 1's date field.
QByteArray firstEntryDateField(const QString &path);

enum class AddMode { Additional, Total, None };

// What "Add" does before making any entry.
struct AddPlan {
    QStringList questions; // ask in order; No stops
    QString refusal;       // after the questions: shown with OK, then stop
    int count = 0;         // entries to make when nothing stopped
};

// `value` is the "Number of Entries" box read by the number reading rule;
// `constraints` the stored table with its active flag.
AddPlan planAdd(AddMode mode, qint64 value, int entryCount, const ConstraintTable &constraints,
                bool constraintsActive, int maxBall);

// A request above 1000 entries asks for confirmation first.
bool needsLongRunConfirmation(qint64 entriesToMake);

} // namespace suggest
} // namespace ds
