#pragma once

#include "core/entryfile.h"
#include "core/games.h"
#include "core/printersettings.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace ds::tickets {

// The lotto play slip: seven boards, each a grid of the numbers 1 to 49 in ten
// rows of five; the slip is printed sideways, so a board's rows run from
// right (1-5) to left (46-49) and its columns down the page.
inline constexpr int BoardsPerTicket = 7;
inline constexpr int MarksPerBoard = 6;
inline constexpr int MarkCount = BoardsPerTicket * MarksPerBoard; // marks 1 to 42
inline constexpr int HighestNumber = 49;

// Position of number n (1 to 49) on board b (1 to 7) with the offsets; none
// for a number or board off the ticket.
std::optional<TicketMark> markOf(int board, int position, int number, const TicketOffsets &offsets);

// The marks of one board: mark (b - 1) x 6 + p for the p-th of the six
// numbers. Numbers off the grid (damaged entries) get no mark.
std::vector<TicketMark> boardMarks(int board, const Numbers6 &numbers, const TicketOffsets &offsets);

// What the test ticket refuses, checked in this order, or empty.
QString testRefusal(const TicketOffsets &offsets);

// Which box a refusal is about.
enum class OffsetBox { Left, Top };
OffsetBox refusedBox(const TicketOffsets &offsets);

// The numbers of the seven boards of the test ticket.
const std::array<Numbers6, BoardsPerTicket> &testNumbers();

// The marks of the test ticket.
std::vector<TicketMark> testTicket(const TicketOffsets &offsets);

// One printed ticket: how many boards it fills and their marks.
struct Ticket {
    int boards = 0;
    std::vector<TicketMark> marks;
};

// The entries shared out seven a ticket, in order; the last ticket holds what
// is left.
std::vector<Ticket> entryTickets(const std::vector<Numbers6> &entries, const TicketOffsets &offsets);

// Whether the entries of the open file can go on the slip: a selections file
// of a date whose era has no ticket layout (the 6 from 59 UK Lotto) cannot,
// nor a file without a date (standing entry, wheel) holding a number the slip
// does not have. `entryEra` is the era of the file's date, or the newest era
// for a file without one. Empty when they can; otherwise the refusal.
QString layoutRefusal(const Era &entryEra, bool dated, const std::vector<Entry> &entries);

// "Save Setting": the two box values to store as record 1 of the printer
// settings file, or why they cannot be stored (a value beyond the file's
// signed 16-bit fields, which would not read back as typed).
struct SavePlan {
    QString refusal;
    OffsetBox box = OffsetBox::Left;
    qint16 left = 0;
    qint16 top = 0;
};
SavePlan planSave(const QString &leftText, const QString &topText);

// The offsets the test ticket takes from the two boxes.
TicketOffsets boxOffsets(const QString &leftText, const QString &topText);

inline const QString OffsetRangeMessage =
    QStringLiteral("The LEFT and TOP values must be whole numbers from -32768 to 32767");
inline const QString SettingsNotSaved = QStringLiteral("The printer settings could not be saved.");
inline const QString SettingsNotRead = QStringLiteral("The printer settings file could not be read.");
inline const QString EntriesNotRead = QStringLiteral("The entry file could not be read.");
inline const QString NoEntriesMessage = QStringLiteral("There are no entries to print");
inline const QString LeftTooHigh = QStringLiteral("Your LEFT value is too high - reduce the value");
inline const QString LeftTooLow = QStringLiteral("Your LEFT value is too low - reduce the negative value");
inline const QString TopTooLow = QStringLiteral("Your TOP value is too low - reduce the negative value");
inline const QString TopTooHigh = QStringLiteral("Your TOP value is too high - reduce the value");

} // namespace ds::tickets
