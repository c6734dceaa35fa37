#include "thunderball/thunderprinting.h"

#include "core/numbers.h"
#include "platform/printer.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>

namespace ds::thunder {

namespace {

// Top of q = 1 of each panel; each further place in a row of seven is 200 lower.
constexpr std::array<int, PanelsPerTicket> PanelTop = {1280, 2900, 4515, 6132, 7745};
constexpr int PlacePitch = 200;
// Left of each row of seven main numbers and of Thunderballs, the first row
// first; the slip has room for no more rows.
constexpr std::array<int, 5> MainRowLeft = {3315, 2950, 2585, 2220, 1855};
constexpr std::array<int, 2> BallRowLeft = {780, 415};
constexpr int RowLength = 7;
constexpr int WeeksTop = 900;
constexpr int WeeksLeft = 2950; // two weeks
constexpr int WeeksPitch = 365;

int shifted(int position, qint32 offset)
{
    return static_cast<int>(std::clamp<qint64>(qint64(position) + offset, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

} // namespace

std::optional<TicketMark> numberMark(const Era &era, int panel, int k, int number, const TicketOffsets &offsets)
{
    const bool ball = k == MarksPerPanel;
    if (panel < 1 || panel > PanelsPerTicket || k < 1 || k > MarksPerPanel || number < 1
        || number > (ball ? era.extraLimit : era.mainLimit))
        return std::nullopt;
    const size_t row = static_cast<size_t>((number - 1) / RowLength);
    const std::span<const int> rows = ball ? std::span<const int>(BallRowLeft) : std::span<const int>(MainRowLeft);
    if (row >= rows.size())
        return std::nullopt;
    const int q = (number - 1) % RowLength + 1;
    TicketMark m;
    m.index = (panel - 1) * MarksPerPanel + k;
    m.left = shifted(rows[row], offsets.left);
    m.top = shifted(PanelTop[static_cast<size_t>(panel - 1)] + (q - 1) * PlacePitch, offsets.top);
    return m;
}

std::vector<TicketMark> panelMarks(const Era &era, int panel, const ThunderResult &entry,
                                   const TicketOffsets &offsets)
{
    std::array<qint16, 5> main = entry.main;
    std::sort(main.begin(), main.end());
    std::vector<TicketMark> out;
    for (int k = 1; k <= MarksPerPanel; ++k) {
        const int n = k == MarksPerPanel ? entry.thunderball : main[static_cast<size_t>(k - 1)];
        if (const auto m = numberMark(era, panel, k, n, offsets))
            out.push_back(*m);
    }
    return out;
}

std::optional<TicketMark> weeksMark(int weeks)
{
    if (weeks < 2 || weeks > MaxWeeks)
        return std::nullopt;
    return TicketMark{WeeksMarkIndex, WeeksLeft - WeeksPitch * (weeks - 2), WeeksTop};
}

std::vector<Ticket> entryTickets(const Era &era, const std::vector<ThunderResult> &entries, int weeks,
                                 const TicketOffsets &offsets)
{
    std::vector<Ticket> out;
    for (const ThunderResult &e : entries) {
        if (out.empty() || out.back().panels == PanelsPerTicket)
            out.emplace_back();
        Ticket &t = out.back();
        const auto marks = panelMarks(era, ++t.panels, e, offsets);
        t.marks.insert(t.marks.end(), marks.begin(), marks.end());
    }
    if (const auto w = weeksMark(weeks))
        for (Ticket &t : out)
            t.marks.push_back(*w);
    return out;
}

const PagedListShape ResultsListShape{16, 7, {}, 8};
const PagedListShape SelectionsListShape{16, 5, QString(21, QLatin1Char('-')), 8};

namespace {

QString numbersPart(const ThunderResult &r)
{
    QString s;
    for (size_t k = 0; k < 5; ++k) {
        s += twoDigits(r.main[k]);
        if (k < 4)
            s += QLatin1Char(' ');
    }
    return s + QStringLiteral("  TB ") + twoDigits(r.thunderball);
}

QString datePart(const ThunderResult &r)
{
    return twoDigits(r.day) + QLatin1Char('/') + twoDigits(r.month) + QLatin1Char('/')
        + QStringLiteral("%1").arg(r.year, 4, 10, QLatin1Char('0'));
}

// A damaged result is listed with what it holds and says so; nothing counts it.
QString damageMark(const ThunderResult &r, const Era &era)
{
    return isSoundResult(r, era) ? QString() : QStringLiteral("  damaged");
}

} // namespace

QString historyLine(const ThunderResult &r, const Era &era)
{
    return datePart(r) + QStringLiteral("   ") + numbersPart(r) + damageMark(r, era);
}

QStringList historyLines(const std::vector<ThunderResult> &results, const Era &era)
{
    QStringList out;
    out.reserve(qsizetype(results.size()));
    for (const ThunderResult &r : results)
        out << historyLine(r, era);
    return out;
}

QString historyPrintLine(const ThunderResult &r, const Era &era)
{
    return QStringLiteral("       ") + datePart(r) + QStringLiteral("  ") + numbersPart(r) + damageMark(r, era);
}

PrintOutcome printHistory(Printer &printer, const std::vector<ThunderResult> &results, const Era &era)
{
    printer.setFont(QStringLiteral("Courier"), 10);
    for (int i = 0; i < 3; ++i)
        printer.printLine(QString());
    printer.printLine(HistoryTitle);
    for (const ThunderResult &r : results)
        printer.printLine(historyPrintLine(r, era));
    return printer.endDocument();
}

} // namespace ds::thunder
