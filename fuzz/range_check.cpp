// The check of a standing entry or wheel file against a range of months of
// any draw history (up to a full 32,767-draw file): a file with an entry that
// is not six different numbers in range is refused as damaged, whichever
// entry it is; otherwise every draw of the range gets its date line and one
// line per winning entry, and the totals equal a count made here entry by
// entry and draw by draw.
#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/entryfile.h"
#include "core/filenames.h"
#include "entries/rangecheck.h"
#include "fuzzsupport.h"

#include <QDir>
#include <algorithm>

using namespace ds;
using namespace ds::rangecheck;

namespace {

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

// The number at characters from..from+len of a date field; -1 when not digits.
int digits(const QByteArray &field, int from, int len)
{
    const QByteArray part = field.mid(from, len);
    bool ok = part.size() == len && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    return ok ? part.toInt() : -1;
}

bool soundEntry(const Entry &e, int maxBall)
{
    for (qint16 v : e.n)
        if (v < 1 || v > maxBall || std::count(e.n.begin(), e.n.end(), v) != 1)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const quint8 grow = in.byte();
    const QByteArray months = in.take(2);
    const quint16 startYearPick = in.u16();
    const quint16 endYearPick = in.u16();
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    QByteArray entryBytes = all.left(split % (all.size() + 1));
    QByteArray history = all.mid(entryBytes.size());
    if (grow & 0x80) {
        // A full history against a few entries (each draw's win lines are kept).
        history = dsfuzz::grownFile(history, DrawRecordSize, dsfuzz::fullRecordCount(grow, 1));
        entryBytes = entryBytes.left(8 * EntryRecordSize);
    }
    if ((grow & 0x40) && history.size() >= DrawRecordSize)
        putI16(history, 20, qint16(std::min<qsizetype>(history.size() / DrawRecordSize - 1, MaxRecordCount)));

    const char *const menus[] = {"mnucheck", "mnu3check", "mnu4check", "mnu5check", "mnuWheelCheck"};
    const CheckSource &source = checkSource(QString::fromLatin1(menus[pick % std::size(menus)]));
    const Game game = (pick & 8) ? Game::Irish : Game::UK;
    // The check reads the newest era's history; a file holds numbers up to the
    // largest ball of any era of the game.
    const Era &era = latestEra(game);
    const int maxBall = largestBall(game);
    const QString dir = folder();
    for (const QString &name : QDir(dir).entryList(QDir::Files))
        QFile::remove(QDir(dir).filePath(name));
    QString name = checkFileName(source, game);
    if (pick & 0x10)
        name = name.toLower();
    const bool present = !(pick & 0x20);
    if (present)
        dsfuzz::writeFile(QDir(dir).filePath(name), entryBytes);
    const QString historyPath = QDir(dir).filePath(files::history(era));
    dsfuzz::writeFile(historyPath, history);

    const OpenedFile opened = openCheckFile(dir, game, source);
    if (!present) {
        FUZZ_CHECK(opened.refusal == QLatin1String(source.missing) && opened.entries.empty());
        return 0;
    }
    const std::vector<Entry> listed = entryfile::load(QDir(dir).filePath(name)).value;
    const auto damaged = std::find_if_not(listed.begin(), listed.end(), [maxBall](const Entry &e) {
        return soundEntry(e, maxBall);
    });
    FUZZ_CHECK(firstDamagedEntry(listed, maxBall) == (damaged == listed.end() ? -1 : int(damaged - listed.begin())));
    if (damaged != listed.end()) {
        FUZZ_CHECK(opened.entries.empty());
        FUZZ_CHECK(opened.refusal ==
                   damagedFileMessage(checkFileName(source, game), int(damaged - listed.begin()) + 1, maxBall));
        return 0;
    }
    FUZZ_CHECK(opened.refusal.isEmpty() && opened.entries.size() == listed.size());
    for (size_t i = 0; i < listed.size(); ++i)
        FUZZ_CHECK(encodeEntry(opened.entries[i]) == encodeEntry(listed[i]));

    const FileRead<std::vector<Draw>> read = readHistoryDraws(historyPath);
    FUZZ_CHECK(read.status == ReadStatus::Ok);
    const std::vector<Draw> &draws = read.value;
    const int n = int(draws.size());

    // The year pickers: every year from the first draw's to the last's.
    const QStringList years = historyYears(draws);
    if (!years.isEmpty()) {
        const int first = digits(draws.front().date, 4, 4), last = digits(draws.back().date, 4, 4);
        FUZZ_CHECK(years.size() == last - first + 1 && years.size() <= 201);
        for (qsizetype i = 0; i < years.size(); ++i)
            FUZZ_CHECK(years[i] == QString::number(first + int(i)));
    }
    // Months and years: mostly from the pickers, else any.
    const int startMonth = 1 + quint8(months[0]) % 12, endMonth = 1 + quint8(months[1]) % 12;
    const auto yearOf = [&years](quint16 p) {
        return (p & 0x8000) || years.isEmpty() ? int(p & 0x7fff) : years[p % years.size()].toInt();
    };
    const int startYear = yearOf(startYearPick), endYear = yearOf(endYearPick);
    if (!validateRange(startMonth, startYear, endMonth, endYear).isEmpty()) {
        FUZZ_CHECK(startYear > endYear || (startYear == endYear && startMonth > endMonth));
        return 0;
    }

    // The draws checked: from the first of the start month (else the first
    // draw) to the last of the end month (else the last draw).
    const DrawRange range = findDrawRange(draws, startMonth, startYear, endMonth, endYear);
    int first = -1, last = -1;
    for (int i = 0; i < n; ++i) {
        const int m = digits(draws[size_t(i)].date, 2, 2), y = digits(draws[size_t(i)].date, 4, 4);
        if (first < 0 && m == startMonth && y == startYear)
            first = i;
        if (m == endMonth && y == endYear)
            last = i;
    }
    if (n == 0) {
        FUZZ_CHECK(range.empty());
    } else {
        FUZZ_CHECK(range.first == std::max(first, 0) && range.last == (last >= 0 ? last : n - 1));
    }

    int progressed = 0;
    const Result r = checkRange(opened.entries, draws, range, game, [&progressed](int done) {
        FUZZ_CHECK(done == progressed + 1);
        progressed = done;
    });
    const int checked = range.empty() ? 0 : range.last - range.first + 1;
    FUZZ_CHECK(r.drawsChecked == checked && progressed == checked);
    // Line by line against a check made here (compared as they are made:
    // a full history has tens of thousands).
    Totals totals{};
    qsizetype line = 0;
    const auto next = [&r, &line](const QString &expected) {
        FUZZ_CHECK(line < r.lines.size() && r.lines[line] == expected);
        ++line;
    };
    for (int k = range.first; k <= range.last && k < n; ++k) {
        const Draw &d = draws[size_t(k)];
        next(QStringLiteral("Date: ") + slashDate(d.date));
        // A draw after one of the same date is that date's second draw.
        const qint64 order = dateOrderKey(d.date);
        const bool second = k > 0 && dateOrderKey(draws[size_t(k - 1)].date) == order;
        // Each draw is judged by the era of its own date.
        const Ymd date = Ymd(std::clamp<qint64>(order, 0, StillDrawn));
        const TierList &tiers = eraOn(game, date).tiersOn(date, second ? 2 : 1);
        for (const Entry &e : opened.entries) {
            int main = 0;
            bool bonus = false;
            for (qint16 v : e.n) {
                main += std::find(d.main.begin(), d.main.end(), v) != d.main.end();
                bonus = bonus || v == d.bonus;
            }
            if (const auto w = classify(tiers, main, bonus)) {
                FUZZ_CHECK(main >= 1 && w->total >= 0 && w->total < MaxTotals);
                ++totals[size_t(w->total)];
                next(winLine(e.n, main, w->plusBonus));
            }
        }
    }
    FUZZ_CHECK(line == r.lines.size());
    FUZZ_CHECK(r.totals == totals);
    if (checked > 0)
        FUZZ_CHECK(r.startDate == slashDate(draws[size_t(range.first)].date) &&
                   r.endDate == slashDate(draws[size_t(range.last)].date));
    return 0;
}
