#pragma once

// The checks shared by the import harnesses: a refused import changes
// nothing; otherwise each era's file holds its old records, in their order,
// and as many more as the report says were added to that era, each game's
// files by their own rules.
#include "core/dates.h"
#include "core/drawhistory.h"
#include "fuzzsupport.h"
#include "thunderball/resultsfile.h"
#include "thunderball/resultsimport.h"

#include <algorithm>

namespace dsfuzz {

// What the report says was added to the era's file.
inline int addedTo(const ds::ImportReport &report, const ds::Era &era)
{
    int added = 0;
    for (const ds::EraImport &e : report.eras)
        if (e.era == &era)
            added += e.added;
    return added;
}

// The records of one era's file before and after a merge that added `added`.
inline void checkEraFile(const ds::Era &era, const QByteArray &old, const QByteArray &bytes, int added)
{
    using namespace ds;
    if (added == 0)
        FUZZ_CHECK(bytes == old);
    if (gameInfo(era.game).format == ResultsFormat::Thunder) {
        ThunderResultsFile before, after;
        before.setBytes(old);
        after.setBytes(bytes);
        FUZZ_CHECK(after.count() == before.count() + added);
        return;
    }
    DrawHistory before, after;
    before.setBytes(old);
    after.setBytes(bytes);
    FUZZ_CHECK(after.count() == before.count() + added);
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

// `old` holds the files of the game's eras (missing ones are empty).
inline void checkImport(const QByteArray &csv, ds::Game game, ds::EraFiles old)
{
    using namespace ds;
    const std::span<const Era> eras = erasOf(game);
    old.resize(eras.size());
    EraFiles files = old;
    const ImportReport report = mergeResults(csv, game, files);
    report.text();
    FUZZ_CHECK(files.size() == eras.size());
    if (report.refused) {
        FUZZ_CHECK(files == old);
        FUZZ_CHECK(!report.refusal.isEmpty());
        return;
    }
    FUZZ_CHECK(report.added >= 0 && report.skipped >= 0 && report.present >= 0);
    FUZZ_CHECK(report.firstSkips.size() == std::min(report.skipped, ReportedSkips));
    int added = 0, present = 0;
    for (const EraImport &e : report.eras) {
        FUZZ_CHECK(e.era && e.era->game == game && e.added >= 0 && e.present >= 0);
        added += e.added;
        present += e.present;
    }
    FUZZ_CHECK(added == report.added && present == report.present);
    for (size_t i = 0; i < eras.size(); ++i)
        checkEraFile(eras[i], old[i], files[i], addedTo(report, eras[i]));
}

inline ds::Game gameOf(quint8 b)
{
    return b % 3 == 0 ? ds::Game::UK : b % 3 == 1 ? ds::Game::Irish : ds::Game::Thunderball;
}

// The era whose file a harness fills, picked by the same byte as the game.
inline const ds::Era &eraOf(quint8 b)
{
    const std::span<const ds::Era> eras = ds::erasOf(gameOf(b));
    return eras[size_t(b / 3) % eras.size()];
}

} // namespace dsfuzz
