#include "support/fakes.h"
#include "thunderball/thunderprinting.h"
#include "thunderrecords.h"

#include <gtest/gtest.h>

using namespace ds;
using namespace ds::thunder;
using dstest::thResult;

namespace {
const Era &Tb534 = firstEra(Game::Thunderball);
} // namespace

TEST(ThunderTicket, NumberMarksOfEachPanelAndRow)
{
    // q = 1 and q = 7 of each panel: the table starts and rises by 200.
    const int starts[] = {1280, 2900, 4515, 6132, 7745};
    for (int p = 1; p <= 5; ++p) {
        const int start = starts[p - 1];
        EXPECT_EQ(numberMark(Tb534, p, 1, 1, {})->top, start) << "panel " << p;
        EXPECT_EQ(numberMark(Tb534, p, 1, 7, {})->top, start + 1200) << "panel " << p;
        EXPECT_EQ(numberMark(Tb534, p, 1, 8, {})->top, start) << "panel " << p;       // the next row starts again
        EXPECT_EQ(numberMark(Tb534, p, 6, 14, {})->top, start + 1200) << "panel " << p; // Thunderballs alike
    }
    const int panel1[] = {1280, 1480, 1680, 1880, 2080, 2280, 2480};
    for (int q = 1; q <= 7; ++q)
        EXPECT_EQ(numberMark(Tb534, 1, 2, 28 + q - 7, {})->top, panel1[q - 1]) << q; // 22 to 28

    // Rows run right to left.
    const struct { int k, number, left; } cases[] = {
        {1, 1, 3315}, {1, 7, 3315}, {2, 8, 2950}, {3, 14, 2950}, {3, 15, 2585}, {4, 21, 2585},
        {4, 22, 2220}, {5, 28, 2220}, {5, 29, 1855}, {5, 34, 1855},
        {6, 1, 780}, {6, 7, 780}, {6, 8, 415}, {6, 14, 415}};
    for (const auto &c : cases)
        EXPECT_EQ(numberMark(Tb534, 2, c.k, c.number, {})->left, c.left) << c.number;
    // The offsets are added to both.
    EXPECT_EQ(numberMark(Tb534, 2, 1, 1, {100, -50}), (TicketMark{7, 3415, 2850}));
    // Off the slip: no mark.
    const struct { int panel, k, number; } off[] = {
        {1, 1, 0}, {1, 1, 35}, {1, 5, -1}, {1, 6, 15}, {1, 6, 0}, {0, 1, 1}, {6, 1, 1}, {1, 0, 1}, {1, 7, 1}};
    for (const auto &c : off)
        EXPECT_FALSE(numberMark(Tb534, c.panel, c.k, c.number, {}).has_value()) << c.panel << " " << c.k << " " << c.number;
}

TEST(ThunderTicket, PanelMarksInAscendingOrder)
{
    const auto marks = panelMarks(Tb534, 3, thResult(5, 12, 2026, {20, 3, 14, 31, 8}, 9), {});
    ASSERT_EQ(marks.size(), 6u);
    const int numbers[] = {3, 8, 14, 20, 31};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(marks[size_t(k - 1)], *numberMark(Tb534, 3, k, numbers[k - 1], {})) << k;
    EXPECT_EQ(marks[5], (TicketMark{18, 415, 4515 + 200}));
    // A damaged entry marks what lies on the slip.
    EXPECT_EQ(panelMarks(Tb534, 1, thResult(5, 12, 2026, {0, 3, 40, 31, 8}, 20), {}).size(), 3u);
}

TEST(ThunderTicket, FiveEntriesATicketEachWithTheWeeks)
{
    const struct { int weeks; std::optional<int> left; } weeks[] = {
        {-1, {}}, {0, {}}, {1, {}}, {2, 2950}, {3, 2585}, {4, 2220}, {7, 1125}, {8, 760}, {9, {}}, {32767, {}}};
    for (const auto &w : weeks)
        EXPECT_EQ(weeksMark(w.weeks), w.left ? std::optional(TicketMark{0, *w.left, 900}) : std::nullopt) << w.weeks;

    const struct { int entries, weeks; std::vector<int> panels; bool weeksMarked; } cases[] = {
        {0, 3, {}, false}, {1, 1, {1}, false}, {5, 2, {5}, true}, {7, 3, {5, 2}, true}, {7, 1, {5, 2}, false},
        {10, 8, {5, 5}, true}, {11, 4, {5, 5, 1}, true}};
    for (const auto &c : cases) {
        std::vector<ThunderResult> entries;
        for (int i = 0; i < c.entries; ++i)
            entries.push_back(thResult(5, 12, 2026, {qint16(1 + i), 10, 20, 30, 34}, 1 + i % 14));
        const auto tickets = entryTickets(Tb534, entries, c.weeks, {40, 60});
        std::vector<int> panels;
        for (const auto &t : tickets) {
            panels.push_back(t.panels);
            const bool marked = !t.marks.empty() && t.marks.back().index == 0;
            EXPECT_EQ(marked, c.weeksMarked) << c.entries << " entries, " << c.weeks << " weeks";
            EXPECT_EQ(t.marks.size(), size_t(6 * t.panels + (marked ? 1 : 0)));
            EXPECT_TRUE(!marked || t.marks.back() == *weeksMark(c.weeks)); // without the offsets
        }
        EXPECT_EQ(panels, c.panels) << c.entries << " entries";
    }
}

TEST(ThunderHistory, LinesWithLeadingZerosPrintedInFileOrder)
{
    const std::vector<ThunderResult> results = {thResult(17, 1, 2027, {7, 10, 11, 33, 34}, 14),
                                                thResult(5, 12, 2026, {3, 8, 14, 20, 31}, 8)};
    dstest::FakePrinter printer;
    printHistory(printer, results, Tb534);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].font, "Courier");
    EXPECT_EQ(printer.jobs[0].size, 10);
    EXPECT_EQ(printer.jobs[0].pages,
              (std::vector<QStringList>{{"", "", "", "Thunderball Lottery Results Currently Held in Draw File:",
                                         "       17/01/2027  07 10 11 33 34  TB 14",
                                         "       05/12/2026  03 08 14 20 31  TB 08"}}));
}

TEST(ThunderLists, PagesAndSeparators)
{
    const QString indent(16, ' ');
    const QString sep = indent + QString(21, '-');
    auto print = [](const PagedListShape &shape, int n) {
        QStringList lines;
        for (int i = 1; i <= n; ++i)
            lines << QStringLiteral("line %1").arg(i);
        dstest::FakePrinter printer;
        printPagedList(printer, lines, shape);
        EXPECT_EQ(printer.jobs.size(), 1u);
        return printer.jobs.empty() ? dstest::FakePrinter::Job{} : printer.jobs[0];
    };
    // Results: a page break after line 56, three empty lines, then the rest.
    const auto results = print(ResultsListShape, 60);
    EXPECT_EQ(results.pageLines, 59);
    ASSERT_EQ(results.pages.size(), 2u);
    EXPECT_EQ(results.pages[0].size(), 59);
    EXPECT_EQ(results.pages[0].last(), indent + "line 56");
    EXPECT_EQ(results.pages[1], (QStringList{"", "", "", indent + "line 57", indent + "line 58", indent + "line 59",
                                             indent + "line 60"}));
    EXPECT_EQ(print(ResultsListShape, 56).pages.size(), 1u);
    // Selections: a separator after every fifth line.
    const auto selections = print(SelectionsListShape, 12);
    ASSERT_EQ(selections.pages.size(), 1u);
    const QStringList &page = selections.pages[0];
    ASSERT_EQ(page.size(), 3 + 12 + 2);
    EXPECT_EQ(page[3 + 5], sep);
    EXPECT_EQ(page[3 + 11], sep);
    EXPECT_EQ(page.count(sep), 2);
    EXPECT_EQ(page.last(), indent + "line 12");
    // Eight groups a page.
    const auto full = print(SelectionsListShape, 41);
    EXPECT_EQ(full.pageLines, 51);
    ASSERT_EQ(full.pages.size(), 2u);
    EXPECT_EQ(full.pages[0].size(), 51);
    EXPECT_EQ(full.pages[1], (QStringList{"", "", "", indent + "line 41"}));
    EXPECT_EQ(print(SelectionsListShape, 40).pages.size(), 1u);
}
