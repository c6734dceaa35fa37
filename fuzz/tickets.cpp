// Tickets from any entry file (up to a full-size one) and any printer
// settings: the entries are shared out seven (lotto) or five (Thunderball) a
// ticket in order, none lost; every number on the slip gets its mark at its
// board and place, a number off the slip none; every mark index lies within
// the slip's layout.
#include "core/entryfile.h"
#include "core/printersettings.h"
#include "entries/tickets.h"
#include "fuzzsupport.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderprinting.h"

#include <algorithm>

using namespace ds;

namespace {

void lottoTickets(const QByteArray &bytes, int entryCount, const TicketOffsets &offsets)
{
    const QString path = dsfuzz::scratchFile("UK05061999.lot");
    dsfuzz::writeFile(path, bytes);
    const FileRead<std::vector<Entry>> read = entryfile::load(path);
    FUZZ_CHECK(read.status == ReadStatus::Ok);
    const std::vector<Entry> &entries = read.value;
    // As Print Entries takes them: the entry count, or fewer where the file
    // holds fewer.
    const size_t count = std::min(entries.size(), size_t(std::max(0, entryCount)));
    std::vector<Numbers6> numbers;
    for (size_t i = 0; i < count; ++i)
        numbers.push_back(entries[i].n);
    const std::vector<tickets::Ticket> printed = tickets::entryTickets(numbers, offsets);
    FUZZ_CHECK(printed.size() == (count + tickets::BoardsPerTicket - 1) / tickets::BoardsPerTicket);
    size_t next = 0;
    for (const tickets::Ticket &t : printed) {
        FUZZ_CHECK(t.boards == int(std::min<size_t>(tickets::BoardsPerTicket, count - next)));
        std::vector<TicketMark> expected;
        for (int b = 1; b <= t.boards; ++b, ++next) {
            for (int p = 1; p <= tickets::MarksPerBoard; ++p) {
                const int n = numbers[next][size_t(p - 1)];
                const auto m = tickets::markOf(b, p, n, offsets);
                FUZZ_CHECK(m.has_value() == (n >= 1 && n <= tickets::HighestNumber));
                if (!m)
                    continue;
                // Its board's place on the slip: numbers run down a column
                // of five, the rows from right to left.
                FUZZ_CHECK(m->index == (b - 1) * tickets::MarksPerBoard + p);
                const auto first = tickets::markOf(1, 1, 1, offsets);
                FUZZ_CHECK(m->top - first->top == (b - 1) * 1200 + (n - 1) % 5 * 210);
                const auto rowStart = tickets::markOf(1, 1, (n - 1) / 5 * 5 + 1, offsets);
                FUZZ_CHECK(m->left == rowStart->left && (n <= 5 || m->left < first->left));
                expected.push_back(*m);
            }
        }
        FUZZ_CHECK(t.marks == expected);
        for (const TicketMark &m : t.marks)
            FUZZ_CHECK(m.index >= 1 && m.index <= tickets::MarkCount);
    }
    FUZZ_CHECK(next == count);
}

void thunderTickets(const QByteArray &bytes, const TicketOffsets &offsets)
{
    using namespace ds::thunder;
    const QString path = dsfuzz::scratchFile("TH08052010.lot");
    const Era &era = eraOn(Game::Thunderball, ymd(2010, 5, 8));
    dsfuzz::writeFile(path, bytes);
    EntryFile slip;
    FUZZ_CHECK(slip.load(path) == ReadStatus::Ok);
    const std::vector<ThunderResult> entries = slip.entries();
    const std::vector<Ticket> printed = entryTickets(era, entries, slip.weeks(), offsets);
    FUZZ_CHECK(printed.size() == (entries.size() + PanelsPerTicket - 1) / PanelsPerTicket);
    const std::optional<TicketMark> weeks = weeksMark(slip.weeks());
    FUZZ_CHECK(weeks.has_value() == (slip.weeks() >= 2 && slip.weeks() <= MaxWeeks));
    size_t next = 0;
    for (const Ticket &t : printed) {
        FUZZ_CHECK(t.panels == int(std::min<size_t>(PanelsPerTicket, entries.size() - next)));
        std::vector<TicketMark> expected;
        for (int p = 1; p <= t.panels; ++p, ++next) {
            std::array<qint16, 5> main = entries[next].main;
            std::sort(main.begin(), main.end());
            for (int k = 1; k <= MarksPerPanel; ++k) {
                const int n = k == MarksPerPanel ? entries[next].thunderball : main[size_t(k - 1)];
                const auto m = numberMark(era, p, k, n, offsets);
                const int limit = k == MarksPerPanel ? era.extraLimit : era.mainLimit;
                FUZZ_CHECK(m.has_value() == (n >= 1 && n <= limit));
                if (!m)
                    continue;
                FUZZ_CHECK(m->index == (p - 1) * MarksPerPanel + k);
                expected.push_back(*m);
            }
        }
        if (weeks)
            expected.push_back(*weeks);
        FUZZ_CHECK(t.marks == expected);
        for (const TicketMark &m : t.marks)
            FUZZ_CHECK(m.index >= WeeksMarkIndex && m.index <= LastMarkIndex);
    }
    FUZZ_CHECK(next == entries.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const quint8 grow = in.byte();
    const qint16 entryCount = qint16(in.u16());
    const quint8 settingsLength = in.byte() % 8;
    const QByteArray settings = in.take(settingsLength);
    QByteArray bytes = in.rest();
    const bool lotto = !(pick & 1);
    const int recordSize = lotto ? EntryRecordSize : ThunderRecordSize;
    if (grow & 0x80)
        bytes = dsfuzz::grownFile(bytes, recordSize, dsfuzz::fullRecordCount(grow, 0));
    if (!lotto && (grow & 0x40) && bytes.size() >= recordSize)
        putI16(bytes, 0, qint16(std::min<qsizetype>(bytes.size() / recordSize, MaxRecordCount)));

    // The offsets saved in "prnt.dat" (or none saved).
    const QString settingsPath = dsfuzz::scratchFile("prnt.dat");
    if (pick & 2)
        dsfuzz::writeFile(settingsPath, settings);
    const OffsetsRead offsets = readPrinterOffsets(settingsPath);
    FUZZ_CHECK(offsets.ok);
    if (lotto)
        lottoTickets(bytes, (pick & 4) ? int(entryCount) : MaxRecordCount, offsets.offsets);
    else
        thunderTickets(bytes, offsets.offsets);
    return 0;
}
