#pragma once

// The checks shared by the import harnesses: a refused import changes
// nothing; otherwise the file holds its old records, in their order, and as
// many more as the report says were added, each game's file by its own rules.
#include "core/dates.h"
#include "core/drawhistory.h"
#include "fuzzsupport.h"
#include "thunderball/resultsfile.h"
#include "thunderball/resultsimport.h"

#include <algorithm>

namespace dsfuzz {

inline void checkImport(const QByteArray &csv, ds::Game game, const QByteArray &old)
{
    using namespace ds;
    QByteArray bytes = old;
    const ImportReport report = mergeResults(csv, game, bytes);
    report.text();
    if (report.refused) {
        FUZZ_CHECK(bytes == old);
        FUZZ_CHECK(!report.refusal.isEmpty());
        return;
    }
    FUZZ_CHECK(report.added >= 0 && report.skipped >= 0 && report.present >= 0);
    FUZZ_CHECK(report.firstSkips.size() == std::min(report.skipped, ReportedSkips));
    if (report.added == 0)
        FUZZ_CHECK(bytes == old);
    if (game == Game::Thunderball) {
        ThunderResultsFile before, after;
        before.setBytes(old);
        after.setBytes(bytes);
        FUZZ_CHECK(after.count() == before.count() + report.added);
        return;
    }
    DrawHistory before, after;
    before.setBytes(old);
    after.setBytes(bytes);
    FUZZ_CHECK(after.count() == before.count() + report.added);
    // The old draws keep their order among the new ones.
    const std::vector<Draw> was = before.draws(), now = after.draws();
    size_t j = 0;
    for (const Draw &d : now)
        if (j < was.size() && encodeDraw(d) == encodeDraw(was[j]))
            ++j;
    FUZZ_CHECK(j == was.size());
    // A history in date order stays in date order.
    const auto ordered = [](const std::vector<Draw> &draws) {
        return std::is_sorted(draws.begin(), draws.end(), [](const Draw &a, const Draw &b) {
            return dateOrderKey(a.date) < dateOrderKey(b.date);
        });
    };
    if (ordered(was))
        FUZZ_CHECK(ordered(now));
}

inline ds::Game gameOf(quint8 b)
{
    return b % 3 == 0 ? ds::Game::UK : b % 3 == 1 ? ds::Game::Irish : ds::Game::Thunderball;
}

} // namespace dsfuzz
