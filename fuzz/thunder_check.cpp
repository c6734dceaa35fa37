// The Thunderball window's refresh for a date on any results and entry files
// (the results file of the date's era up to full size): the result shown is
// the first of its date, the entries are those of the file, and the weekly
// check covers the weeks the file asks for (1 to 8), each week checked
// against the first result of its date in its era's file by the tiers of its
// era. Where the week's result and the entries are sound, the win lines and
// total equal a check made here; with damaged records every line still names
// a tier of the week and the total is the sum of the lines.
#include "core/filenames.h"
#include "core/tiers.h"
#include "fuzzsupport.h"
#include "thunderball/resultsedit.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderview.h"
#include "thunderball/weeklycheck.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

using namespace ds;
using namespace ds::thunder;

namespace {

// Five different main numbers within the era's main limit and a
// Thunderball within its Thunderball limit.
bool sound(const ThunderResult &r, const Era &era)
{
    for (size_t k = 0; k < 5; ++k) {
        if (r.main[k] < 1 || r.main[k] > era.mainLimit)
            return false;
        if (std::count(r.main.begin(), r.main.end(), r.main[k]) != 1)
            return false;
    }
    return r.thunderball >= 1 && r.thunderball <= era.extraLimit;
}

// The tiers of the week of a date.
std::span<const Tier> tiersOf(const QDate &day)
{
    return eraOn(Game::Thunderball, day).tiersOn(ymdOf(day), 1).tiers;
}

// The tier a win line names; nothing for any other line.
const Tier *tierOfLine(const QString &line, std::span<const Tier> tiers)
{
    for (const Tier &t : tiers)
        if (line.endsWith(QStringLiteral("Match ") + QString::fromUtf8(t.label)))
            return &t;
    return nullptr;
}

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 flags = in.byte();
    const quint8 grow = in.byte();
    const quint16 at = in.u16();
    const QByteArray typedDate = in.take(3);
    const quint16 weeksField = in.u16();
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    QByteArray results = all.left(split % (all.size() + 1));
    QByteArray entries = all.mid(results.size());
    if (grow & 0x80)
        results = dsfuzz::grownFile(results, ThunderRecordSize, dsfuzz::fullRecordCount(grow, 0));
    if ((grow & 0x40) && results.size() >= ThunderRecordSize)
        putI16(results, 0, qint16(std::min<qsizetype>(results.size() / ThunderRecordSize, MaxRecordCount)));
    if ((flags & 4) && entries.size() >= 4)
        putI16(entries, 2, qint16(weeksField));

    // The date: mostly one the results hold, else any date of the calendar.
    ThunderResultsFile file;
    file.setBytes(results);
    const std::vector<ThunderResult> held = file.results();
    QDate date;
    if ((flags & 1) && !held.empty()) {
        const ThunderResult &r = held[at % held.size()];
        date = QDate(r.year, r.month, r.day);
    }
    if (!date.isValid())
        date = QDate(1999 + quint8(typedDate[2]) % 40, 1 + quint8(typedDate[1]) % 12, 1 + quint8(typedDate[0]) % 28);

    const QString dir = folder();
    for (const QString &name : QDir(dir).entryList(QDir::Files))
        QFile::remove(QDir(dir).filePath(name));
    const QString entriesPath = QDir(dir).filePath(entryFileName(date));
    const Era &era = eraOn(Game::Thunderball, date);
    if (!(flags & 2) || !results.isEmpty())
        dsfuzz::writeFile(QDir(dir).filePath(files::history(era)), results);
    const bool entriesExist = !(flags & 8) || !entries.isEmpty();
    if (entriesExist)
        dsfuzz::writeFile(entriesPath, entries);
    EntryFile entryFile;
    entryFile.setBytes(entries);
    const std::vector<ThunderResult> listed = entryFile.entries();

    const ThunderView v = refreshView(dir, date);
    FUZZ_CHECK(v.resultsOk && v.entriesOk);

    // The result shown: the first of the date in file order (the file of the
    // date's era; the other eras' files are missing).
    const auto firstOf = [&held, &era](const QDate &d) -> std::optional<ThunderResult> {
        if (&eraOn(Game::Thunderball, d) != &era)
            return std::nullopt;
        for (const ThunderResult &r : held)
            if (r.day == d.day() && r.month == d.month() && r.year == d.year())
                return r;
        return std::nullopt;
    };
    const std::optional<ThunderResult> shown = firstOf(date);
    FUZZ_CHECK(v.result.has_value() == shown.has_value());
    if (shown)
        FUZZ_CHECK(encodeThunderRecord(*v.result) == encodeThunderRecord(*shown));
    for (const QString &label : v.resultLabels)
        FUZZ_CHECK(label.isEmpty() != shown.has_value());

    // The entries: every one of the file, in order; a file without any is gone.
    FUZZ_CHECK(v.entriesLabel == QStringLiteral("Entries: ") + QString::number(listed.size()));
    FUZZ_CHECK(v.selections.size() == qsizetype(listed.size()));
    for (size_t i = 0; i < listed.size(); ++i)
        FUZZ_CHECK(v.selections[qsizetype(i)] == entryLine(listed[i]));
    FUZZ_CHECK(QFileInfo::exists(entriesPath) == !listed.empty());
    // The weeks the file holds (1 at least with entries), shown as the weeks
    // checked: no more than the slider reaches.
    const int weeks = listed.empty() ? entryFile.weeks() : std::max<int>(entryFile.weeks(), 1);
    const int weeksShown = std::min(weeks, MaxWeeks);
    FUZZ_CHECK(v.sliderValue == weeksShown && v.weeksLabel == QStringLiteral("Weeks: ") + QString::number(weeksShown));

    // The weekly check.
    const WeeklyCheck &check = v.check;
    FUZZ_CHECK(check.ran == (shown.has_value() && !listed.empty()));
    if (!check.ran) {
        FUZZ_CHECK(check.lines.isEmpty() && check.total == 0 && v.winTotal.isEmpty());
        return 0;
    }
    FUZZ_CHECK(v.winTotal == winTotalText(check.total));
    const int covered = std::clamp(weeks, 1, MaxWeeks);
    qint64 total = 0;
    qsizetype i = 0;
    for (int w = 0; w < covered; ++w) {
        const QDate day = date.addDays(7 * w);
        FUZZ_CHECK(i + 1 < check.lines.size());
        FUZZ_CHECK(check.lines[i] == RuleLine && check.lines[i + 1] == weekHeading(day));
        i += 2;
        const qsizetype from = i;
        while (i < check.lines.size() && check.lines[i] != RuleLine)
            ++i;
        const QStringList week = check.lines.mid(from, i - from);
        const std::optional<ThunderResult> result = firstOf(day);
        if (!result) {
            FUZZ_CHECK(week == QStringList{NoResultLine});
            continue;
        }
        const Era &weekEra = eraOn(Game::Thunderball, day);
        const std::span<const Tier> tiers = tiersOf(day);
        const bool entriesSound =
            std::all_of(listed.begin(), listed.end(), [&weekEra](const ThunderResult &e) { return sound(e, weekEra); });
        // A damaged result: that alone, and nothing checked.
        if (!sound(*result, weekEra)) {
            FUZZ_CHECK(week == QStringList{DamagedResultLine});
            continue;
        }
        FUZZ_CHECK(!week.isEmpty());
        for (const QString &line : week) {
            if (const Tier *t = tierOfLine(line, tiers))
                total += cashOf(t->prize);
            else
                FUZZ_CHECK(line == NoWinsLine
                           || (!entriesSound && line.endsWith(QLatin1String(" is damaged and was not checked."))));
        }
        // A sound result: the sound entries' win lines of a check made here,
        // in entry order, among the week's lines (all of them when every
        // entry is sound).
        QStringList expected;
        for (const ThunderResult &e : listed) {
            if (!sound(e, weekEra))
                continue;
            int m = 0;
            for (qint16 n : e.main)
                m += std::count(result->main.begin(), result->main.end(), n) > 0;
            if (const Tier *t = tierFor(tiers, Match{m, e.thunderball == result->thunderball}))
                expected << winLine(e, *t);
        }
        if (entriesSound) {
            FUZZ_CHECK(week == (expected.isEmpty() ? QStringList{NoWinsLine} : expected));
            continue;
        }
        qsizetype found = 0;
        for (const QString &line : week)
            if (found < expected.size() && line == expected[found])
                ++found;
        FUZZ_CHECK(found == expected.size());
    }
    FUZZ_CHECK(i == check.lines.size());
    FUZZ_CHECK(check.total == total);
    return 0;
}
