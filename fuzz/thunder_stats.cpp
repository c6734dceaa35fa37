// Thunderball statistics and Auto Add on any results file of an era, up to a
// full 32,767-result file: the counts equal counts made here, numbers outside
// the era's range are never counted nor offered; the chart and a ball's
// figures count the sound results only (five different numbers in range, a
// real date); Auto Add's pool holds exactly what the last thirty sound
// results give, its entries are sound and land after the entries held, every
// one of them kept, up to a full entry file.
#include "core/numbers.h"
#include "fuzzsupport.h"
#include "thunderball/autoadd.h"
#include "thunderball/resultsedit.h"
#include "thunderball/thunderentries.h"
#include "thunderball/thunderinput.h"
#include "thunderball/thunderstats.h"

#include <QDate>
#include <QHash>
#include <algorithm>
#include <map>
#include <random>

using namespace ds;
using namespace ds::thunder;

namespace {

// The random source: fractions from the input, then a generator seeded from it
// (so that Auto Add's draws, which repeat until they fit, always end).
class Fractions {
public:
    Fractions(const QByteArray &bytes) : m_bytes(bytes), m_gen(qHash(bytes)) {}
    double next()
    {
        if (m_pos + 2 <= m_bytes.size()) {
            const int v = quint8(m_bytes[m_pos]) | quint8(m_bytes[m_pos + 1]) << 8;
            m_pos += 2;
            return v / 65536.0;
        }
        return double(m_gen()) / 4294967296.0;
    }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    std::mt19937 m_gen;
};

bool inRange(int n, int limit)
{
    return n >= 1 && n <= limit;
}

// Every field value of the results as stored.
struct Seen {
    dsfuzz::ValueCounts main, ball, pair;
    dsfuzz::ValueCounts with; // results holding the number among the main numbers
};

Seen countsOf(const std::vector<ThunderResult> &results)
{
    Seen seen;
    for (const ThunderResult &r : results) {
        for (size_t k = 0; k < 5; ++k) {
            seen.main.add(r.main[k]);
            if (k + 1 < 5 && r.main[k + 1] == r.main[k] + 1)
                seen.pair.add(r.main[k]);
            if (std::find(r.main.begin(), r.main.begin() + k, r.main[k]) == r.main.begin() + k)
                seen.with.add(r.main[k]);
        }
        seen.ball.add(r.thunderball);
    }
    return seen;
}

// Five different main numbers and a Thunderball within the era's limits, on a
// real date.
bool sound(const ThunderResult &r, const Era &era)
{
    for (size_t k = 0; k < 5; ++k)
        if (!inRange(r.main[k], era.mainLimit) || std::count(r.main.begin(), r.main.end(), r.main[k]) != 1)
            return false;
    return inRange(r.thunderball, era.extraLimit) && QDate::isValid(r.year, r.month, r.day);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 grow = in.byte();
    const quint8 pick = in.byte();
    const int number = int(qint8(in.byte()));
    const quint16 asked = in.u16();
    const quint16 split = in.u16();
    Fractions fractions(in.take(48));
    const QByteArray all = in.rest();
    QByteArray results = all.left(split % (all.size() + 1));
    QByteArray entries = all.mid(results.size());
    if (grow & 0x80)
        results = dsfuzz::grownFile(results, ThunderRecordSize, dsfuzz::fullRecordCount(grow, 0));
    if ((grow & 0x40) && results.size() >= ThunderRecordSize)
        putI16(results, 0, qint16(std::min<qsizetype>(results.size() / ThunderRecordSize, MaxRecordCount)));
    if (grow & 0x20)
        entries = dsfuzz::grownFile(entries, ThunderRecordSize, dsfuzz::fullRecordCount(grow >> 2, 0));
    if ((grow & 0x10) && entries.size() >= ThunderRecordSize)
        putI16(entries, 0, qint16(std::min<qsizetype>(entries.size() / ThunderRecordSize, MaxRecordCount)));

    // The era of the entries' date below, and its results file.
    const QDate date(2010, 5, 8);
    const Era &era = eraOn(Game::Thunderball, date);
    const QString resultsPath = dsfuzz::scratchFile("thresult.exe");
    dsfuzz::writeFile(resultsPath, results);
    const FileRead<std::vector<ThunderResult>> read = readThunderResults(resultsPath);
    FUZZ_CHECK(read.status == ReadStatus::Ok && read.value.size() <= size_t(MaxRecordCount));
    const std::vector<ThunderResult> &held = read.value;
    std::vector<ThunderResult> usable;
    std::copy_if(held.begin(), held.end(), std::back_inserter(usable),
                 [&era](const ThunderResult &r) { return sound(r, era); });
    const int c = int(usable.size());

    // The counts: numbers in range only.
    const Seen seenAll = countsOf(held);
    const BallTable mains = mainCounts(held, era), balls = thunderballCounts(held, era),
                    pairs = pairCounts(held, era);
    for (int n = 0; n < int(mains.size()); ++n) {
        FUZZ_CHECK(mains[size_t(n)] == (inRange(n, era.mainLimit) ? seenAll.main[n] : 0));
        FUZZ_CHECK(balls[size_t(n)] == (inRange(n, era.extraLimit) ? seenAll.ball[n] : 0));
        FUZZ_CHECK(pairs[size_t(n)] == (inRange(n, era.mainLimit) ? seenAll.pair[n] : 0));
    }

    // The chart and the figures: the sound results.
    const Seen seenSound = countsOf(usable);
    for (const StatsMode mode : {StatsMode::Main, StatsMode::Thunderball}) {
        const FrequencyChart chart = frequencyChart(held, mode, era);
        const int limit = modeLimit(mode, era);
        FUZZ_CHECK(chart.labels.size() == limit && chart.values.size() == limit);
        for (int n = 1; n <= limit; ++n) {
            FUZZ_CHECK(chart.labels[n - 1] == QString::number(n) + QLatin1Char(' '));
            FUZZ_CHECK(chart.values[n - 1] == (mode == StatsMode::Main ? seenSound.main[n] : seenSound.ball[n]));
        }
    }

    // One number's figures.
    const StatsMode mode = pick & 1 ? StatsMode::Thunderball : StatsMode::Main;
    const ThunderBallStats s = ballStats(held, number, mode, era);
    FUZZ_CHECK(s.valid == inRange(number, modeLimit(mode, era)));
    if (s.valid) {
        FUZZ_CHECK(s.mainCount == seenSound.with[number] && s.thunderballCount == seenSound.ball[number]);
        FUZZ_CHECK(s.chartValue == (mode == StatsMode::Main ? s.mainCount : s.thunderballCount));
        const ThunderResult *last = nullptr;
        for (const ThunderResult &r : usable) {
            const bool has = mode == StatsMode::Main ? std::count(r.main.begin(), r.main.end(), number) > 0
                                                     : r.thunderball == number;
            if (has)
                last = &r;
        }
        FUZZ_CHECK(s.lastDrawn ==
                   (last ? QStringLiteral("%1/%2/%3").arg(last->day).arg(last->month).arg(last->year) : QString()));
        FUZZ_CHECK(s.expected == (mode == StatsMode::Main ? expectedMain(c, era) : expectedThunderball(c, era)));
        FUZZ_CHECK(s.expected >= 0 && s.expected <= c);
        if (mode == StatsMode::Main) {
            FUZZ_CHECK(s.pairings.size() == (number > 1 ? 2u : 1u));
            const int lower = number > 1 ? number - 1 : number;
            for (const Pairing &p : s.pairings) {
                const int l = int(&p - s.pairings.data()) + lower;
                FUZZ_CHECK(p.label == QStringLiteral("%1-%2").arg(l).arg(l + 1));
                FUZZ_CHECK(p.count == seenSound.pair[l] && p.boxShown == (l < era.mainLimit));
            }
        } else {
            FUZZ_CHECK(s.pairings.empty());
        }
    }

    // Auto Add: the pool of the last thirty sound results (random draws make
    // up fewer).
    const std::function<double()> fraction = [&fractions] { return fractions.next(); };
    const AutoAddPool pool = buildAutoAddPool(held, era, fraction);
    std::map<int, int> poolMain, poolBall, wantMain, wantBall;
    const auto seen = [](const std::map<int, int> &m, int v) {
        const auto it = m.find(v);
        return it == m.end() ? 0 : it->second;
    };
    for (qint16 n : pool.main) {
        FUZZ_CHECK(inRange(n, era.mainLimit));
        ++poolMain[n];
    }
    for (qint16 n : pool.thunderball) {
        FUZZ_CHECK(inRange(n, era.extraLimit));
        ++poolBall[n];
    }
    for (int n = 1; n <= era.mainLimit; ++n)
        ++wantMain[n];
    for (int n = 1; n <= era.extraLimit; ++n)
        ++wantBall[n];
    for (int i = std::max(0, c - PoolDraws); i < c; ++i) {
        for (qint16 n : usable[size_t(i)].main)
            ++wantMain[n];
        ++wantBall[usable[size_t(i)].thunderball];
    }
    if (c >= PoolDraws) {
        FUZZ_CHECK(poolMain == wantMain && poolBall == wantBall);
    } else {
        // What the results give, and five numbers and a Thunderball a missing draw.
        qsizetype mainsWanted = 0, ballsWanted = 0;
        for (const auto &[n, k] : wantMain) {
            FUZZ_CHECK(seen(poolMain, n) >= k);
            mainsWanted += k;
        }
        for (const auto &[n, k] : wantBall) {
            FUZZ_CHECK(seen(poolBall, n) >= k);
            ballsWanted += k;
        }
        FUZZ_CHECK(qsizetype(pool.main.size()) == mainsWanted + 5 * (PoolDraws - c));
        FUZZ_CHECK(qsizetype(pool.thunderball.size()) == ballsWanted + (PoolDraws - c));
    }
    FUZZ_CHECK(pool.main.size() <= size_t(mainPoolSize(era)) && pool.thunderball.size() <= size_t(ballPoolSize(era)));

    // The Auto Add handler on the entry file of the date.
    const QString entriesPath = dsfuzz::scratchFile("TH08052010.lot");
    const bool exists = !(pick & 2) || !entries.isEmpty();
    if (exists)
        dsfuzz::writeFile(entriesPath, entries);
    EntryFile before;
    FUZZ_CHECK(before.load(entriesPath) == (exists ? ReadStatus::Ok : ReadStatus::Missing));
    const std::vector<ThunderResult> kept = before.entries();
    // Mostly a few entries; now and then any value of the box.
    const qint64 value = (pick & 4) ? qint64(qint16(asked)) : asked % 64;
    const AutoAddPlan plan = planAutoAdd(value, before.count());
    if (plan.refusal) {
        FUZZ_CHECK(value > MaxRecordCount - before.count());
        return 0;
    }
    FUZZ_CHECK(plan.count == std::max<qint64>(value, 0));
    const std::vector<ThunderNumbers> picked = pickAutoEntries(pool, plan.count, fraction);
    FUZZ_CHECK(int(picked.size()) == plan.count);
    for (const ThunderNumbers &e : picked) {
        for (size_t k = 0; k < 5; ++k) {
            FUZZ_CHECK(inRange(e.main[k], era.mainLimit) && seen(poolMain, e.main[k]) > 0);
            FUZZ_CHECK(k == 0 || e.main[k - 1] < e.main[k]);
        }
        FUZZ_CHECK(inRange(e.thunderball, era.extraLimit) && seen(poolBall, e.thunderball) > 0);
    }
    const AppendResult added = appendEntries(entriesPath, date, picked);
    FUZZ_CHECK(added.outcome == AppendResult::Added);
    if (picked.empty()) {
        FUZZ_CHECK(dsfuzz::readFile(entriesPath) == (exists ? entries : QByteArray()));
        return 0;
    }
    EntryFile after;
    FUZZ_CHECK(after.load(entriesPath) == ReadStatus::Ok);
    const std::vector<ThunderResult> now = after.entries();
    FUZZ_CHECK(added.count == int(now.size()) && now.size() == kept.size() + picked.size());
    for (size_t i = 0; i < kept.size(); ++i)
        FUZZ_CHECK(encodeThunderRecord(now[i]) == encodeThunderRecord(kept[i]));
    for (size_t i = 0; i < picked.size(); ++i) {
        const ThunderResult &e = now[kept.size() + i];
        FUZZ_CHECK(e.sameDate(8, 5, 2010) && e.main == picked[i].main && e.thunderball == picked[i].thunderball);
    }
    return 0;
}
