#include "entries/rangecheck.h"

#include "core/dates.h"
#include "core/filenames.h"
#include "core/numbers.h"
#include "core/paths.h"

#include <QFile>
#include <algorithm>
#include <bit>

namespace ds {
namespace rangecheck {

namespace {

const CheckSource Sources[] = {
    {"mnucheck", 0, "You must select a Country first",
     "You have not created a standing entry, use the Change command, set up your entries and then use Save as "
     "Standing Entry."},
    {"mnu3check", 3, "You must select the UK first", MsgNoWheel},
    {"mnu4check", 4, "You must select a Country first", MsgNoWheel},
    {"mnu5check", 5, "You must select a Country first", MsgNoWheel},
    {"mnuWheelCheck", 6, "You must select a Country first", MsgNoWheel},
};

// Digits of a date field read as a number; -1 when any is not a digit.
int fieldNumber(const QByteArray &field, int from, int len)
{
    if (field.size() < from + len)
        return -1;
    int v = 0;
    for (int i = from; i < from + len; ++i) {
        const char c = field[i];
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

int monthOf(const Draw &d) { return fieldNumber(d.date, 2, 2); }
int yearOf(const Draw &d) { return fieldNumber(d.date, 4, 4); }

quint64 bit(int n) { return n >= 1 && n <= 63 ? quint64(1) << n : 0; }

} // namespace

QStringList monthNames()
{
    return {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
            QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
            QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
}

const CheckSource &checkSource(const QString &menu)
{
    for (const CheckSource &s : Sources)
        if (menu == QLatin1String(s.menu))
            return s;
    return Sources[0];
}

QString checkFileName(const CheckSource &source, Game game)
{
    return source.wheel == 0 ? files::standing(game) : files::wheel(game, source.wheel);
}

int firstDamagedEntry(std::span<const Entry> entries, int maxBall)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        quint64 seen = 0;
        for (qint16 v : entries[i].n) {
            if (v < 1 || v > maxBall || (seen & bit(v)))
                return static_cast<int>(i);
            seen |= bit(v);
        }
    }
    return -1;
}

QString damagedFileMessage(const QString &fileName, int entryNumber, int maxBall)
{
    return QStringLiteral("The file %1 is damaged: entry %2 is not six different numbers from 1 to %3. "
                          "It cannot be checked.")
        .arg(fileName)
        .arg(entryNumber)
        .arg(maxBall);
}

OpenedFile openCheckFile(const QString &programFolder, Game game, const CheckSource &source)
{
    OpenedFile r;
    const int maxBall = largestBall(game);
    const QString name = checkFileName(source, game);
    r.path = resolveInFolder(programFolder, name);
    FileRead<std::vector<Entry>> read = entryfile::load(r.path);
    if (read.missing()) {
        r.refusal = QString::fromLatin1(source.missing);
        return r;
    }
    if (!read.usable()) {
        r.refusal = unreadableFileMessage(name) + QStringLiteral(" It cannot be checked.");
        return r;
    }
    r.entries = std::move(read.value);
    const int damaged = firstDamagedEntry(r.entries, maxBall);
    if (damaged >= 0) {
        r.refusal = damagedFileMessage(name, damaged + 1, maxBall);
        r.entries.clear();
    }
    return r;
}

FileRead<std::vector<Draw>> readGameDraws(const QString &programFolder, Game game)
{
    FileRead<std::vector<Draw>> all;
    all.status = ReadStatus::Missing;
    for (const Era &era : erasOf(game)) {
        const FileRead<std::vector<Draw>> read = readHistoryDraws(resolveInFolder(programFolder, files::history(era)));
        if (!read.usable()) {
            all.status = read.status;
            all.value.clear();
            return all;
        }
        if (!read.missing())
            all.status = ReadStatus::Ok;
        all.value.insert(all.value.end(), read.value.begin(), read.value.end());
    }
    return all;
}

std::vector<int> totalBoxes(const Era &era)
{
    std::vector<int> boxes;
    bool classic = true;
    for (const TierList &l : era.tierLists) {
        for (const Tier &t : l.tiers) {
            if (t.box < 1 || t.box > MaxTotals)
                continue;
            classic = classic && t.box <= TotalCount;
            if (std::find(boxes.begin(), boxes.end(), t.box - 1) == boxes.end())
                boxes.push_back(t.box - 1);
        }
    }
    if (classic) {
        boxes.clear();
        for (int b = 0; b < TotalCount; ++b)
            boxes.push_back(b);
    }
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

std::vector<int> Result::boxes() const
{
    std::vector<int> shown = lastEra ? totalBoxes(*lastEra) : std::vector<int>{};
    for (int b = 0; b < MaxTotals; ++b)
        if (totals[static_cast<size_t>(b)] > 0 && std::find(shown.begin(), shown.end(), b) == shown.end())
            shown.push_back(b);
    std::sort(shown.begin(), shown.end());
    return shown;
}

QStringList historyYears(std::span<const Draw> draws)
{
    QStringList years;
    if (draws.empty())
        return years;
    const int first = yearOf(draws.front());
    const int last = yearOf(draws.back());
    // A damaged history could name any years; list them only when they make sense.
    if (first < 1 || last < first || last - first > 200)
        return years;
    for (int y = first; y <= last; ++y)
        years << QString::number(y);
    return years;
}

QString validateRange(int startMonth, int startYear, int endMonth, int endYear)
{
    if (startYear > endYear)
        return QString::fromLatin1(MsgStartYear);
    if (startYear == endYear && startMonth > endMonth)
        return QString::fromLatin1(MsgStartMonth);
    return QString();
}

DrawRange findDrawRange(std::span<const Draw> draws, int startMonth, int startYear, int endMonth, int endYear)
{
    DrawRange r;
    const int n = static_cast<int>(draws.size());
    if (n == 0)
        return r;
    int first = -1, last = -1;
    for (int i = 0; i < n; ++i) {
        const int m = monthOf(draws[static_cast<size_t>(i)]);
        const int y = yearOf(draws[static_cast<size_t>(i)]);
        if (first < 0 && m == startMonth && y == startYear)
            first = i;
        if (m == endMonth && y == endYear)
            last = i;
    }
    r.first = first >= 0 ? first : 0;
    r.last = last >= 0 ? last : n - 1;
    return r;
}

std::optional<Win> classify(const TierList &tiers, int main, bool bonus)
{
    const Tier *t = tierFor(tiers, Match{main, bonus});
    if (t == nullptr || t->box < 1 || t->box > MaxTotals)
        return std::nullopt;
    return Win{t->box - 1, t->extra == Extra::Required};
}

QString winLine(const Numbers6 &n, int main, bool plusBonus)
{
    QString s;
    for (qint16 v : n)
        s += twoDigits(v) + QLatin1Char(' ');
    s += QStringLiteral(": ") + QString::number(main);
    if (plusBonus)
        s += QStringLiteral("+ Bonus");
    return s;
}

Result checkRange(std::span<const Entry> entries, std::span<const Draw> draws, DrawRange range, Game game,
                  const Progress &progress)
{
    Result r;
    const int n = static_cast<int>(draws.size());
    range.first = std::max(range.first, 0);
    range.last = std::min(range.last, n - 1);
    if (range.empty())
        return r;

    // Each entry once as a set of balls, and the start of its line.
    std::vector<quint64> masks;
    std::vector<QString> prefixes;
    masks.reserve(entries.size());
    prefixes.reserve(entries.size());
    for (const Entry &e : entries) {
        quint64 m = 0;
        for (qint16 v : e.n)
            m |= bit(v);
        masks.push_back(m);
        prefixes.push_back(winLine(e.n, 0, false).chopped(1));
    }

    r.startDate = slashDate(draws[static_cast<size_t>(range.first)].date);
    r.endDate = slashDate(draws[static_cast<size_t>(range.last)].date);
    for (int k = range.first; k <= range.last; ++k) {
        const Draw &d = draws[static_cast<size_t>(k)];
        quint64 mainMask = 0;
        for (qint16 v : d.main)
            mainMask |= bit(v);
        const quint64 bonusMask = bit(d.bonus);
        const qint64 order = dateOrderKey(d.date);
        const bool second = k > 0 && dateOrderKey(draws[static_cast<size_t>(k - 1)].date) == order;
        const Ymd date = static_cast<Ymd>(std::clamp<qint64>(order, 0, StillDrawn));
        const Era &era = eraOn(game, date);
        if (r.lastEra != nullptr && r.lastEra != &era)
            r.crossesEras = true;
        r.lastEra = &era;
        const TierList &tiers = era.tiersOn(date, second ? 2 : 1);
        int least = 7; // the fewest main numbers any tier pays
        for (const Tier &t : tiers.tiers)
            least = std::min(least, t.main);
        r.lines << QStringLiteral("Date: ") + slashDate(d.date);
        for (size_t i = 0; i < masks.size(); ++i) {
            const int main = std::popcount(masks[i] & mainMask);
            if (main < least)
                continue;
            const std::optional<Win> w = classify(tiers, main, (masks[i] & bonusMask) != 0);
            if (!w)
                continue;
            ++r.totals[w->total];
            r.lines << prefixes[i] + QString::number(main) +
                           (w->plusBonus ? QStringLiteral("+ Bonus") : QString());
        }
        ++r.drawsChecked;
        if (progress)
            progress(r.drawsChecked);
    }
    return r;
}

} // namespace rangecheck
} // namespace ds
