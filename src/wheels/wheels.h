#pragma once

// Wheels: the four wheel kinds, the wheel tables they read, the group of
// numbers the player types and the wheel file made from both. No window code:
// the wheel windows read their boxes, call these and show the result.

#include "core/drawentry.h"
#include "core/entryfile.h"
#include "core/fileread.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <vector>

namespace ds {
namespace wheels {

// Everything that differs between the four wheel windows.
struct WheelKind {
    int guarantee;              // 3, 4, 5 or 6 numbers matched
    const char *formName;       // "Form13"
    const char *title;          // "Wheel 3"
    const char *label;          // the guarantee, shown in Label3
    int minGroup;               // smallest group size offered
    int maxGroup;               // largest group size offered = number boxes
    std::array<int, 8> lines;   // lines of the wheel per group size from minGroup
    const char *tablePrefix;    // "3", "4", "5", "J": table = prefix + n + ".dat"
    bool twoDigitSize;          // n written with two digits ("308.dat", "407.dat")
    const char *shownName;      // "Wheel3", shown in the main window's date box
    const char *missingFile;    // "Open Wheeling File" when the wheel file is missing
    bool wheel3Only;            // offered only to games with the "3" wheel (GameInfo::wheel3)
};

// The four kinds, by guarantee: wheelKind(6) is "Wheel 6".
const WheelKind &wheelKind(int guarantee);
inline constexpr std::array<int, 4> Guarantees = {6, 5, 4, 3};

// Lines of the wheel of n numbers; 0 when the kind does not offer n.
int linesFor(const WheelKind &kind, int n);
bool offersGroupSize(const WheelKind &kind, int n);

// The items of the group-size list: each size with one leading blank (" 8").
QStringList groupSizeItems(const WheelKind &kind);

// The group size read from the list's text (" 10" is 10), or 0 when the text
// is not a size the kind offers.
int groupSizeFromText(const WheelKind &kind, const QString &text);

// Whether number box `position` (1 = the first box) is enabled while group
// size n is selected: the first minGroup boxes always, the others up to n.
bool numberBoxEnabled(const WheelKind &kind, int n, int position);

// "J13.dat", "308.dat".
QString tableFileName(const WheelKind &kind, int n);
// "UKwheel6.lot", "IRwheel5.lot".
QString wheelFileName(const WheelKind &kind, const QString &countryCode);

inline constexpr char MsgWheelSaved[] = "Wheel Saved";

// The group typed into the first n number boxes, sorted ascending; or the
// refusal that stops "Save Wheel" (a number outside 1..maxBall:
// InvalidNumbersMessage, then a number typed twice: SameNumbersMessage).
struct GroupRead {
    QString refusal;
    std::vector<qint16> group; // ascending, empty on refusal
    int faultBox = -1;         // 0-based box at fault on refusal: the first invalid
                               // one, or the first that repeats an earlier box
};
GroupRead readGroup(std::span<const QString> boxTexts, int n, int maxBall);

// A wheel table: lines of six positions 1..n.
using TableLine = std::array<qint16, 6>;
using WheelTable = FileRead<std::vector<TableLine>>;

// Reads the bytes of a table for a group of n: record 1's seventh field is L,
// records 1..L are the lines. Damaged when L is not 1..32767, the file holds
// fewer than L whole records, a position lies outside 1..n, or a line names
// a position twice.
WheelTable parseWheelTable(const QByteArray &bytes, int n);
WheelTable loadWheelTable(const QString &path, int n);

// The entries of the wheel: for each line, the group numbers at its positions
// in the line's order. `group` holds at least the largest position used.
std::vector<Numbers6> generateWheel(std::span<const qint16> group, std::span<const TableLine> lines);

// "Save Wheel" from the box texts to the wheel file in the program folder.
struct SaveResult {
    enum class Outcome { Saved, Refused, TableMissing, TableDamaged, WriteFailed };
    Outcome outcome = Outcome::Saved;
    QString message;    // shown with OK
    QString wheelPath;  // the wheel file (written when Saved)
    int entries = 0;    // lines written
    int faultBox = -1;  // on a refusal: the 0-based box at fault
    bool saved() const { return outcome == Outcome::Saved; }
};
SaveResult saveWheel(const QString &programFolder, const QString &countryCode, const WheelKind &kind,
                     int n, std::span<const QString> boxTexts, int maxBall);

// "Open Wheeling File": the wheel file of the country and its entries, or the
// refusal (no country; the kind's message when the file is missing;
// unreadableFileMessage when it is there but cannot be read).
inline constexpr char MsgSelectCountry[] = "You must select a Country first";
struct WheelFileOpen {
    QString refusal;
    QString path;
    std::vector<Entry> entries;
};
WheelFileOpen openWheelFile(const QString &programFolder, const QString &countryCode, const WheelKind &kind);

QString tableMissingMessage(const QString &tableName);
QString tableDamagedMessage(const QString &tableName);
QString wheelNotWrittenMessage(const QString &wheelName);

} // namespace wheels
} // namespace ds
