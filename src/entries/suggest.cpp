#include "entries/suggest.h"

#include "core/filenames.h"
#include "core/appstate.h"
#include "core/games.h"
#include "core/numbers.h"
#include "core/recordfile.h"

#include <algorithm>
#include <bit>

namespace ds::suggest {

QString noMoreEntriesMessage(int added)
{
    QString done;
    if (added <= 0)
        done = QStringLiteral("No entries were added.");
    else if (added == 1)
        done = QStringLiteral("1 entry was added.");
    else
        done = QStringLiteral("%1 entries were added.").arg(added);
    return QStringLiteral("No more entries can be found that meet the rules for suggested entries. ")
        + done;
}

ConstraintCheck checkConstraints(const ConstraintTable &table, int maxBall)
{
    ConstraintCheck c;
    for (size_t a = 0; a < table.size(); ++a) {
        const int va = table[a];
        if (va < 0 || va > maxBall)
            c.valid = false;
        if (va != 0)
            c.active = true;
        for (size_t b = a + 1; b < table.size(); ++b)
            if (va != 0 && table[b] == va)
                c.valid = false;
    }
    return c;
}

ConstraintsRead readConstraints(const std::array<QString, 9> &boxTexts, int maxBall)
{
    ConstraintsRead r;
    bool wideFails = false;
    for (size_t k = 0; k < boxTexts.size(); ++k) {
        const qint64 v = readBoxNumber(boxTexts[k]);
        if (!fitsInt16(v))
            wideFails = true;
        r.table[k] = static_cast<qint16>(std::clamp<qint64>(v, -32768, 32767));
    }
    const ConstraintCheck c = checkConstraints(r.table, maxBall);
    r.valid = c.valid && !wideFails;
    r.active = c.active;
    return r;
}

SelectionPool buildSelectionPool(std::span<const Draw> draws, int maxBall)
{
    const int m = std::clamp(maxBall, 0, MaxBall);
    SelectionPool pool;
    for (int b = 1; b <= m; ++b)
        pool.balls[static_cast<size_t>(b)] = static_cast<qint16>(b);
    pool.size = m;

    const size_t first = draws.size() > static_cast<size_t>(PoolDraws) ? draws.size() - PoolDraws : 0;
    for (size_t i = first; i < draws.size(); ++i) {
        const Draw &d = draws[i];
        if (d.main[0] < 1 || pool.size >= PoolFillLimit)
            continue;
        // A draw with a ball outside the game is left out whole: every ball
        // in the pool has to be one an entry may hold.
        const bool valid = std::all_of(d.main.begin(), d.main.end(),
                                       [m](qint16 b) { return b >= 1 && b <= m; });
        if (!valid)
            continue;
        for (qint16 b : d.main)
            pool.balls[static_cast<size_t>(++pool.size)] = b;
    }
    return pool;
}

SuggestRules SuggestRules::fromState(const AppState &state)
{
    const Era &era = state.entryEra();
    SuggestRules r;
    r.maxBall = era.mainLimit;
    r.lowLimit = era.lowNumberLimit;
    r.constraintsActive = state.constraintsActive;
    r.constraints = state.constraints;
    return r;
}

int overlapLimit(int entryCount, bool constraintsActive)
{
    if (constraintsActive)
        return 5;
    if (entryCount < 58)
        return 2;
    if (entryCount <= 1032)
        return 3;
    return 4;
}

namespace {

// Bit b for a ball b of 1..63; numbers outside that (a damaged file) have no
// bit, and no suggested number can ever equal them.
inline quint64 ballBit(int b)
{
    return b >= 1 && b <= 63 ? quint64{1} << b : 0;
}

quint64 maskOf(const Numbers6 &n)
{
    quint64 m = 0;
    for (qint16 b : n)
        m |= ballBit(b);
    return m;
}

// Redraws of one pool index before the attempt is given up (an index outside
// the pool comes up about once in pool-size draws).
constexpr int MaxIndexDraws = 64;

} // namespace

Suggester::Suggester(const SelectionPool &pool, const SuggestRules &rules, std::span<const Entry> existing)
    : m_pool(pool), m_rules(rules)
{
    m_pool.size = std::clamp(m_pool.size, 0, PoolCapacity - 1);
    m_masks.reserve(existing.size() + MaxEntries);
    for (const Entry &e : existing)
        m_masks.push_back(maskOf(e.n));
}

int Suggester::pickIndex(RandomSource &random) const
{
    const int size = m_pool.size;
    for (int i = 0; i < MaxIndexDraws && size > 0; ++i) {
        const qint64 j = roundHalfEven(random.next() * (size + 1));
        if (j >= 1 && j <= size)
            return static_cast<int>(j);
    }
    return 0;
}

std::optional<Numbers6> Suggester::attempt(RandomSource &random) const
{
    const SuggestRules &r = m_rules;
    Numbers6 n{};
    for (size_t k = 0; k < n.size(); ++k) {
        if (r.constraintsActive && k < RequiredPositions && r.constraints[k] != 0) {
            n[k] = r.constraints[k];
        } else {
            const int j = pickIndex(random);
            if (j == 0)
                return std::nullopt;
            n[k] = m_pool.balls[static_cast<size_t>(j)];
        }
    }

    quint64 mask = 0;
    for (qint16 b : n) {
        if (b < 1 || b > r.maxBall || b > 63)
            return std::nullopt;
        const quint64 bit = ballBit(b);
        if (mask & bit)
            return std::nullopt; // a number twice
        mask |= bit;
    }

    if (!r.constraintsActive) {
        const auto low = std::count_if(n.begin(), n.end(), [&](qint16 b) { return b < r.lowLimit; });
        if (low > 3)
            return std::nullopt;
    } else {
        for (size_t k = 0; k < r.constraints.size(); ++k) {
            const int v = r.constraints[k];
            if (v == 0)
                continue;
            const bool held = (mask & ballBit(v)) != 0;
            if (k < RequiredPositions ? !held : held)
                return std::nullopt;
        }
    }

    const int c = count();
    if (c > 1) {
        const int limit = overlapLimit(c, r.constraintsActive);
        for (quint64 other : m_masks)
            if (std::popcount(mask & other) > limit)
                return std::nullopt;
    }

    std::sort(n.begin(), n.end());
    return n;
}

void Suggester::add(const Numbers6 &numbers)
{
    m_masks.push_back(maskOf(numbers));
}

AddResult addSuggestedEntries(const SelectionPool &pool, const SuggestRules &rules,
                              std::vector<Entry> &entries, int count,
                              const QByteArray &firstDateField, RandomSource &random,
                              const EntryWriter &write)
{
    AddResult result;
    if (rules.constraintsActive && !checkConstraints(rules.constraints, rules.maxBall).valid) {
        result.stop = AddResult::Stop::InvalidConstraints;
        return result;
    }
    Suggester suggester(pool, rules, entries);
    int failures = 0;
    while (result.added < count) {
        const std::optional<Numbers6> numbers = suggester.attempt(random);
        if (!numbers) {
            if (++failures >= MaxFailedAttempts) {
                result.stop = AddResult::Stop::NoMoreFound;
                return result;
            }
            continue;
        }
        failures = 0;
        Entry e;
        e.date = entries.empty() ? firstDateField : entries.back().date;
        e.date = e.date.left(8);
        e.date.resize(8, '\0');
        e.n = *numbers;
        const int recordNumber = static_cast<int>(entries.size()) + 1;
        if (write && !write(e, recordNumber)) {
            result.stop = AddResult::Stop::WriteFailed;
            return result;
        }
        entries.push_back(e);
        suggester.add(e.n);
        ++result.added;
    }
    return result;
}

QByteArray firstEntryDateField(const QString &path)
{
    const QString key = files::selectionsDateKey(path);
    if (!key.isEmpty())
        return dateField(key);
    RecordFile f(EntryRecordSize);
    if (!f.load(path))
        return QByteArray(8, '\0');
    return f.record(1).left(8);
}

AddPlan planAdd(AddMode mode, qint64 value, int entryCount, const ConstraintTable &constraints,
                bool constraintsActive, int maxBall)
{
    AddPlan plan;
    if (constraintsActive) {
        if (!checkConstraints(constraints, maxBall).valid) {
            plan.refusal = QString::fromLatin1(MsgConstraintsNeedCorrecting);
            return plan;
        }
        plan.questions << QString::fromLatin1(MsgConstraintsInForce);
    }
    if (entryCount >= MaxEntries
        || (mode == AddMode::Total && value > MaxEntries)
        || (mode == AddMode::Additional && value > MaxEntries - entryCount)) {
        plan.refusal = QString::fromLatin1(MsgMaximumEntries);
        return plan;
    }
    qint64 n = 0;
    if (mode == AddMode::Additional) {
        n = value;
    } else if (mode == AddMode::Total) {
        if (entryCount >= value) {
            plan.refusal = QString::fromLatin1(MsgAlreadyHaveTotal);
            return plan;
        }
        n = value - entryCount;
    }
    plan.count = static_cast<int>(std::clamp<qint64>(n, 0, MaxEntries));
    if (needsLongRunConfirmation(plan.count))
        plan.questions << QString::fromLatin1(MsgLongRun);
    return plan;
}

bool needsLongRunConfirmation(qint64 entriesToMake)
{
    return entriesToMake > 1000;
}

} // namespace ds::suggest
