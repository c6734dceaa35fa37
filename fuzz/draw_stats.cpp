// The lotto statistics on any draw history, up to a full 32,767-draw file:
// every count equals a count made here ball by ball, nothing outside 1 to the
// ball limit is counted or read, and the places, pairs and ratings follow
// from those counts.
#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/tiers.h"
#include "fuzzsupport.h"
#include "statistics/drawstats.h"

#include <algorithm>

using namespace ds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const quint8 grow = in.byte();
    // A lotto era's limit mostly; now and then any value, which the
    // statistics hold to 1..MaxBall.
    const std::span<const Era> eras = erasOf((pick & 4) ? Game::Irish : Game::UK);
    const Era &era = eras[size_t(pick >> 3) % eras.size()];
    const int asked = pick % 4 < 2 ? era.mainLimit : int(qint8(in.byte()));
    const int ball = int(qint8(in.byte()));
    std::array<int, 6> six{};
    for (int &h : six)
        h = int(qint8(in.byte()));
    QByteArray bytes = in.rest();
    if (grow & 0x80)
        bytes = dsfuzz::grownFile(bytes, DrawRecordSize, dsfuzz::fullRecordCount(grow, 1));
    if ((grow & 0x40) && bytes.size() >= DrawRecordSize)
        putI16(bytes, 20, qint16(std::min<qsizetype>(bytes.size() / DrawRecordSize - 1, MaxRecordCount)));

    const QString path = dsfuzz::scratchFile("UK.exe");
    dsfuzz::writeFile(path, bytes);
    const FileRead<std::vector<Draw>> read = readHistoryDraws(path);
    FUZZ_CHECK(read.status == ReadStatus::Ok && read.value.size() <= size_t(MaxRecordCount));
    const std::vector<Draw> &draws = read.value;

    constexpr int BallTableSize = MaxBall + 1;
    const int limit = statsBallLimit(asked);
    FUZZ_CHECK(limit >= 1 && limit < BallTableSize);
    FUZZ_CHECK(limit == std::clamp(asked, 1, MaxBall));

    // Every value of the fields as stored, counted here.
    dsfuzz::ValueCounts mainSeen, bonusSeen, pairSeen, inSix;
    for (const Draw &d : draws) {
        for (size_t k = 0; k < d.main.size(); ++k) {
            mainSeen.add(d.main[k]);
            if (k + 1 < d.main.size() && d.main[k + 1] == d.main[k] + 1)
                pairSeen.add(d.main[k]);
        }
        bonusSeen.add(d.bonus);
    }
    for (int h : six)
        inSix.add(h);

    // Counts per ball, against those; nothing outside 1..limit.
    const BallCounts main = mainBallCounts(draws, asked);
    const BallCounts bonus = bonusBallCounts(draws, asked);
    const BallCounts both = mainAndBonusCounts(draws, asked);
    qint64 counted = 0;
    for (int b = 0; b < BallTableSize; ++b) {
        const size_t i = size_t(b);
        if (b < 1 || b > limit) {
            FUZZ_CHECK(main[i] == 0 && bonus[i] == 0 && both[i] == 0);
            continue;
        }
        FUZZ_CHECK(main[i] == mainSeen[b]);
        FUZZ_CHECK(bonus[i] == bonusSeen[b]);
        FUZZ_CHECK(both[i] == main[i] + bonus[i]);
        counted += main[i];
    }
    FUZZ_CHECK(counted <= 6 * qint64(draws.size()));

    // The hot six: drawn balls by count (higher first), the lower ball first
    // on a tie; the cool three: every ball by count (lower first).
    std::vector<int> order;
    for (int b = 1; b <= limit; ++b)
        order.push_back(b);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return main[size_t(a)] > main[size_t(b)]; });
    const auto hot = hotSix(draws, asked);
    FUZZ_CHECK(hot == hotSix(main, asked));
    for (size_t k = 0; k < hot.size(); ++k) {
        const bool placed = k < order.size() && main[size_t(order[k])] > 0;
        FUZZ_CHECK(hot[k] == (placed ? BallCount{order[k], main[size_t(order[k])]} : BallCount{}));
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return main[size_t(a)] != main[size_t(b)] ? main[size_t(a)] < main[size_t(b)] : a < b;
    });
    const auto cool = coolThree(draws, asked);
    FUZZ_CHECK(cool == coolThree(main, asked));
    for (size_t k = 0; k < cool.size(); ++k)
        FUZZ_CHECK(cool[k] == (k < order.size() ? BallCount{order[k], main[size_t(order[k])]} : BallCount{}));

    // Consecutive pairs n-(n+1) in neighbouring fields, both in 1..limit.
    const PairCounts pairs = consecutivePairCounts(draws, asked);
    PairCount best;
    for (int n = 0; n < BallTableSize; ++n) {
        const int c = n >= 1 && n + 1 <= limit ? pairSeen[n] : 0;
        FUZZ_CHECK(pairs[size_t(n)] == c);
        if (c > best.count)
            best = {n, c};
    }
    FUZZ_CHECK(mostFrequentPair(draws, asked) == best);

    // The best six: equal (main number in the era's range, one of the six)
    // pairs, a win where a tier of the draw's date pays that many.
    BestSixWins wins;
    for (const Draw &d : draws) {
        int m = 0;
        for (qint16 v : d.main)
            if (v >= 1 && v <= era.mainLimit)
                m += inSix[v];
        const Ymd date = Ymd(std::clamp<qint64>(dateOrderKey(d.date), 0, StillDrawn));
        const TierList &tiers = era.tiersOn(date, 1);
        const bool pays = std::any_of(tiers.tiers.begin(), tiers.tiers.end(), [m](const Tier &t) { return t.main == m; });
        if (m > 0 && pays) {
            ++wins.wins;
            wins.highestMatch = std::max(wins.highestMatch, m);
        }
    }
    FUZZ_CHECK(winsUsingBestSix(draws, six, era) == wins);

    // The chart's thresholds lie between the lowest and highest count.
    const ChartThresholds t = chartThresholds(main, asked);
    const auto [lo, hi] = std::minmax_element(main.begin() + 1, main.begin() + limit + 1);
    FUZZ_CHECK(t.lowest == *lo && t.highest == *hi);
    FUZZ_CHECK(t.lowest <= t.middle && t.middle <= t.highest && t.spread >= 0);

    // One ball's statistics.
    const BallStatistics s = ballStatistics(draws, ball, asked, t);
    FUZZ_CHECK(s.valid == (ball >= 1 && ball <= limit));
    if (!s.valid)
        return 0;
    FUZZ_CHECK(s.ball == ball && s.drawCount == int(draws.size()));
    FUZZ_CHECK(s.mainCount == main[size_t(ball)] && s.bonusCount == bonus[size_t(ball)]);
    FUZZ_CHECK(s.rating == rateBall(s.mainCount, t));
    FUZZ_CHECK(s.expected == expectedCount(int(draws.size()), asked));
    FUZZ_CHECK(s.expected >= 0 && s.expected <= 6 * int(draws.size()));
    const Draw *last = nullptr;
    for (const Draw &d : draws)
        if (d.bonus == ball || std::count(d.main.begin(), d.main.end(), ball) > 0)
            last = &d;
    FUZZ_CHECK(s.lastDrawnKey == (last ? last->dateKey() : QString()));
    FUZZ_CHECK(s.hasAppearances == (draws.size() > size_t(AppearanceDraws)));
    if (s.hasAppearances) {
        const size_t first = draws.size() - AppearanceDraws;
        for (size_t i = 0; i < size_t(AppearanceDraws); ++i) {
            const auto &m = draws[first + i].main;
            FUZZ_CHECK(s.appearances[i] == (std::count(m.begin(), m.end(), ball) > 0));
        }
        FUZZ_CHECK(s.firstAppearanceKey == draws[first].dateKey() && s.lastAppearanceKey == draws.back().dateKey());
    }
    std::vector<PairCount> shown;
    if (ball > 1)
        shown.push_back({ball - 1, pairs[size_t(ball - 1)]});
    if (ball < limit)
        shown.push_back({ball, pairs[size_t(ball)]});
    FUZZ_CHECK(s.pairings == shown);
    return 0;
}
