#pragma once

#include <QString>
#include <QtGlobal>

namespace ds {

// The printer settings file: 4-byte records, record 1 holding the left and
// the top ticket offsets in twips (1/1440 inch) as signed 16-bit
// little-endian values.
inline constexpr int PrinterSettingsRecordSize = 4;

struct TicketOffsets {
    qint32 left = 0;
    qint32 top = 0;
    friend bool operator==(const TicketOffsets &, const TicketOffsets &) = default;
};

// A mark placed on a ticket layout: its index in the layout and its top-left
// corner in twips from the page origin.
struct TicketMark {
    int index = 0;
    int left = 0;
    int top = 0;
    friend bool operator==(const TicketMark &, const TicketMark &) = default;
};

// The size of every ticket mark, in twips: it fits inside a number's box on
// both the lotto and the Thunderball tickets.
inline constexpr int TicketMarkWidth = 200;
inline constexpr int TicketMarkHeight = 120;

// Offset limits a test ticket accepts: within them every mark of the lotto
// and the Thunderball slips stays on the page.
inline constexpr int MaxLeft = 8350;
inline constexpr int MinLeft = -400;
inline constexpr int MinTop = -1210;
inline constexpr int MaxTop = 440;

inline bool offsetsOnPage(const TicketOffsets &o)
{
    return o.left >= MinLeft && o.left <= MaxLeft && o.top >= MinTop && o.top <= MaxTop;
}

struct OffsetsRead {
    bool ok = true; // false: the file exists but cannot be read
    TicketOffsets offsets;
};

// Record 1 of the file. A missing file, or one too short to hold the whole
// record, reads the missing bytes as zero.
OffsetsRead readPrinterOffsets(const QString &path);

// Writes record 1 and keeps whatever else the file holds; the file is replaced
// crash-safely. False when the file cannot be read or written.
bool writePrinterOffsets(const QString &path, qint16 left, qint16 top);

// An offset as the settings boxes show it: decimal, a number that is not
// negative with a leading space (" 250", " 0", "-120").
QString offsetText(qint32 value);

// The whole-number value of an offset box (the number reading rule), held
// within the signed 16-bit range of a saved offset (any value beyond it is
// refused by the test ticket's limits all the same).
qint32 offsetBoxValue(const QString &text);

} // namespace ds
