#include "entries/tickets.h"

#include "core/numbers.h"

#include <QLocale>

#include <algorithm>
#include <limits>

namespace ds::tickets {

namespace {

// Left edge of each row of five numbers (1-5, 6-10, ..., 46-49).
constexpr std::array<int, 10> RowLeft = {3650, 3280, 2930, 2560, 2200, 1840, 1480, 1120, 760, 400};
constexpr int FirstTop = 1210;
constexpr int BoardPitch = 1200;
constexpr int ColumnPitch = 210;

// A position plus an offset, kept within an int however large the offset.
int shifted(int position, qint32 offset)
{
    return static_cast<int>(std::clamp<qint64>(qint64(position) + offset, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

} // namespace

std::optional<TicketMark> markOf(int board, int position, int number, const TicketOffsets &offsets)
{
    if (board < 1 || board > BoardsPerTicket || position < 1 || position > MarksPerBoard || number < 1
        || number > HighestNumber)
        return std::nullopt;
    TicketMark m;
    m.index = (board - 1) * MarksPerBoard + position;
    m.left = shifted(RowLeft[static_cast<size_t>((number - 1) / 5)], offsets.left);
    m.top = shifted(FirstTop + (board - 1) * BoardPitch + ((number - 1) % 5) * ColumnPitch, offsets.top);
    return m;
}

std::vector<TicketMark> boardMarks(int board, const Numbers6 &numbers, const TicketOffsets &offsets)
{
    std::vector<TicketMark> out;
    for (int p = 1; p <= MarksPerBoard; ++p)
        if (const auto m = markOf(board, p, numbers[static_cast<size_t>(p - 1)], offsets))
            out.push_back(*m);
    return out;
}

QString layoutRefusal(const Era &entryEra, bool dated, const std::vector<Entry> &entries)
{
    if (dated)
        return entryEra.tickets ? QString() : noTicketLayoutMessage(entryEra);
    // An undated file (standing entry, wheel) goes on the slip when its numbers
    // are those of an era the slip was made for.
    int slipLimit = 0;
    for (const Era &e : erasOf(entryEra.game))
        if (e.tickets)
            slipLimit = std::max(slipLimit, e.mainLimit);
    for (const Entry &e : entries)
        for (qint16 n : e.n)
            if (n > slipLimit)
                return noTicketLayoutMessage(entryEra.tickets ? latestEra(entryEra.game) : entryEra);
    return QString();
}

QString testRefusal(const TicketOffsets &o)
{
    if (o.left > MaxLeft)
        return LeftTooHigh;
    if (o.left < MinLeft)
        return LeftTooLow;
    if (o.top < MinTop)
        return TopTooLow;
    if (o.top > MaxTop)
        return TopTooHigh;
    return {};
}

OffsetBox refusedBox(const TicketOffsets &o)
{
    return o.left > MaxLeft || o.left < MinLeft ? OffsetBox::Left : OffsetBox::Top;
}

const std::array<Numbers6, BoardsPerTicket> &testNumbers()
{
    static const std::array<Numbers6, BoardsPerTicket> numbers = {{
        {1, 7, 13, 19, 25, 29},
        {13, 19, 25, 29, 33, 37},
        {19, 25, 29, 33, 37, 41},
        {25, 29, 33, 37, 41, 47},
        {6, 12, 18, 24, 30, 34},
        {12, 18, 24, 30, 34, 38},
        {18, 24, 30, 34, 38, 42},
    }};
    return numbers;
}

std::vector<TicketMark> testTicket(const TicketOffsets &offsets)
{
    std::vector<TicketMark> out;
    for (int b = 1; b <= BoardsPerTicket; ++b) {
        const auto marks = boardMarks(b, testNumbers()[static_cast<size_t>(b - 1)], offsets);
        out.insert(out.end(), marks.begin(), marks.end());
    }
    return out;
}

std::vector<Ticket> entryTickets(const std::vector<Numbers6> &entries, const TicketOffsets &offsets)
{
    std::vector<Ticket> out;
    for (const Numbers6 &e : entries) {
        if (out.empty() || out.back().boards == BoardsPerTicket)
            out.emplace_back();
        Ticket &t = out.back();
        const auto marks = boardMarks(++t.boards, e, offsets);
        t.marks.insert(t.marks.end(), marks.begin(), marks.end());
    }
    return out;
}

SavePlan planSave(const QString &leftText, const QString &topText)
{
    SavePlan plan;
    const qint64 left = readBoxNumber(leftText);
    const qint64 top = readBoxNumber(topText);
    if (!fitsInt16(left) || !fitsInt16(top)) {
        plan.refusal = OffsetRangeMessage;
        plan.box = fitsInt16(left) ? OffsetBox::Top : OffsetBox::Left;
        return plan;
    }
    plan.left = static_cast<qint16>(left);
    plan.top = static_cast<qint16>(top);
    return plan;
}

TicketOffsets boxOffsets(const QString &leftText, const QString &topText)
{
    return {offsetBoxValue(leftText), offsetBoxValue(topText)};
}

} // namespace ds::tickets
