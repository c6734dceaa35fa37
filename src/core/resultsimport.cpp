#include "core/resultsimport.h"

#include "core/csv.h"
#include "core/dateparse.h"
#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <optional>

namespace ds {

namespace {

// A results file larger than this is not a results file: the whole UK history
// is about 60 KB.
constexpr qint64 MaxCsvBytes = 16 * 1024 * 1024;

// The part of a field's text quoted in a skip message.
constexpr int QuotedTextLength = 20;

// ---- Columns ---------------------------------------------------------------

// A heading without case, spaces or underscores: "Ball 1" -> "ball1".
QString headingName(const QByteArray &field)
{
    QString s = QString::fromUtf8(field).toLower();
    s.removeIf([](QChar c) { return c.isSpace() || c == QLatin1Char('_'); });
    return s;
}

struct Columns {
    int date = -1;
    int draw = -1;
    std::array<int, 6> main{-1, -1, -1, -1, -1, -1};
    int bonus = -1;
    int thunderball = -1;
};

Columns findColumns(const std::vector<QByteArray> &header)
{
    Columns c;
    auto take = [](int &slot, int i) {
        if (slot < 0)
            slot = i;
    };
    for (int i = 0; i < static_cast<int>(header.size()); ++i) {
        const QString n = headingName(header[static_cast<size_t>(i)]);
        if (n == QLatin1String("date") || n == QLatin1String("drawdate"))
            take(c.date, i);
        else if (n == QLatin1String("draw"))
            take(c.draw, i);
        else if (n == QLatin1String("bonus") || n == QLatin1String("bonusball"))
            take(c.bonus, i);
        else if (n == QLatin1String("thunderball"))
            take(c.thunderball, i);
        else {
            for (int k = 1; k <= 6; ++k) {
                if (n == QStringLiteral("n%1").arg(k) || n == QStringLiteral("ball%1").arg(k))
                    take(c.main[static_cast<size_t>(k - 1)], i);
            }
        }
    }
    return c;
}

// The game whose columns the heading holds, if it is complete.
std::optional<Game> gameOf(const Columns &c)
{
    Game game = Game::UK;
    if (c.thunderball >= 0)
        game = Game::Thunderball;
    else if (c.draw >= 0)
        game = Game::Irish;
    if (c.date < 0)
        return std::nullopt;
    for (int k = 0; k < rulesOf(game).mainCount; ++k) {
        if (c.main[static_cast<size_t>(k)] < 0)
            return std::nullopt;
    }
    if (game != Game::Thunderball && c.bonus < 0)
        return std::nullopt;
    return game;
}

// ---- Rows ------------------------------------------------------------------

QString shown(const QDate &d)
{
    return dateDisplayText(d.day(), d.month(), d.year());
}

QString quoted(const QByteArray &field)
{
    QString s = QString::fromUtf8(field);
    if (s.size() > QuotedTextLength)
        s = s.left(QuotedTextLength) + QStringLiteral("...");
    return QLatin1Char('"') + escapedControls(s) + QLatin1Char('"');
}

int orderKey(const QDate &d)
{
    return d.year() * 10000 + d.month() * 100 + d.day();
}

// Reads one data row into `row`; false, with the reason counted in `skips`,
// when it does not fit the game.
bool readRow(const CsvRow &l, const Columns &c, const GameRules &rules, ResultRow &row, SkipList &skips)
{
    auto field = [&l](int col) -> const QByteArray & {
        static const QByteArray none;
        return col >= 0 && col < static_cast<int>(l.fields.size()) ? l.fields[static_cast<size_t>(col)] : none;
    };
    auto skip = [&](auto &&reason) {
        skips.add(l.line, reason);
        return false;
    };
    const bool thunder = rules.game == Game::Thunderball;

    row.line = l.line;
    const QByteArray &dateText = field(c.date);
    if (dateText.isEmpty())
        return skip([] { return QStringLiteral("the date is missing"); });
    const QDate date = parseDateText(dateText);
    if (!date.isValid())
        return skip([&] { return QStringLiteral("%1 is not a date").arg(quoted(dateText)); });
    const int order = orderKey(date);
    if (order > rules.eraLast) {
        // The game changed after the era; its later draws are another game.
        return skip([&] {
            return QStringLiteral("%1 is a draw of %2, which this version does not keep")
                .arg(shown(date), QLatin1String(rules.laterGame));
        });
    }
    if (order < rules.eraFirst) {
        return skip([&] {
            return QStringLiteral("date %1 is outside %2 to %3")
                .arg(shown(date), shown(rules.firstDrawOfEra()), shown(rules.lastDrawOfEra()));
        });
    }

    int draw = 1;
    if (rules.secondDraw) {
        const QByteArray &drawText = field(c.draw);
        if (drawText.isEmpty())
            return skip([] { return QStringLiteral("the draw number is missing"); });
        draw = plainNumber(drawText);
        if (draw != 1 && draw != 2)
            return skip([&] { return QStringLiteral("draw %1 is not 1 or 2").arg(quoted(drawText)); });
    }
    row.orderDraw = order * 10 + draw;

    const int mains = rules.mainCount;
    std::array<int, 7> values{};
    for (int k = 0; k <= mains; ++k) {
        const bool isExtra = k == mains;
        const QByteArray &text = field(isExtra ? (thunder ? c.thunderball : c.bonus) : c.main[static_cast<size_t>(k)]);
        if (text.isEmpty())
            return skip([] { return QStringLiteral("a number is missing"); });
        const int v = plainNumber(text);
        if (v < 0)
            return skip([&] { return QStringLiteral("%1 is not a number").arg(quoted(text)); });
        const int top = isExtra ? rules.extraLimit : rules.mainLimit;
        if (v < 1 || v > top) {
            return skip([&] {
                const QString what = !isExtra ? QStringLiteral("ball")
                                     : thunder ? QStringLiteral("Thunderball")
                                               : QStringLiteral("bonus ball");
                return QStringLiteral("%1 %2 is outside 1 to %3").arg(what).arg(v).arg(top);
            });
        }
        values[static_cast<size_t>(k)] = v;
    }
    // The Thunderball comes from a pool of its own and may equal a main number.
    const int compared = thunder ? mains : mains + 1;
    for (int a = 0; a < compared; ++a) {
        for (int b = a + 1; b < compared; ++b) {
            const int v = values[static_cast<size_t>(a)];
            if (v == values[static_cast<size_t>(b)])
                return skip([v] { return QStringLiteral("number %1 appears twice").arg(v); });
        }
    }
    // At most six numbers: a plain insertion sort.
    for (int k = 1; k < mains; ++k) {
        for (int j = k; j > 0 && values[static_cast<size_t>(j - 1)] > values[static_cast<size_t>(j)]; --j)
            std::swap(values[static_cast<size_t>(j - 1)], values[static_cast<size_t>(j)]);
    }
    row.main = {};
    for (int k = 0; k < mains; ++k)
        row.main[static_cast<size_t>(k)] = static_cast<quint8>(values[static_cast<size_t>(k)]);
    row.extra = static_cast<quint8>(values[static_cast<size_t>(mains)]);
    return true;
}

ImportReport refuse(Game game, const QString &why)
{
    ImportReport r;
    r.game = game;
    r.refused = true;
    r.refusal = why;
    return r;
}

QString unreadableHistory(Game game)
{
    return game == Game::Thunderball ? QStringLiteral("The Thunderball results file could not be read.")
                                     : QStringLiteral("The draw history file could not be read.");
}

QString plural(int n, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

} // namespace

// ---- Report ----------------------------------------------------------------

QString ImportReport::text() const
{
    if (refused)
        return refusal;
    const bool thunder = game == Game::Thunderball;
    if (writeFailed) {
        return thunder ? QStringLiteral("The Thunderball results file could not be written, so no results "
                                        "were added. The file is as it was before.")
                       : QStringLiteral("The draw history file could not be written, so no draws were "
                                        "added. The file is as it was before.");
    }
    QStringList lines;
    lines << QStringLiteral("%1 added, %2 already in the %3, %4 skipped.")
                 .arg(thunder ? plural(added, QStringLiteral("result"), QStringLiteral("results"))
                              : plural(added, QStringLiteral("draw"), QStringLiteral("draws")))
                 .arg(present)
                 .arg(thunder ? QStringLiteral("results file") : QStringLiteral("history"))
                 .arg(skipped);
    lines << firstSkips;
    const int more = skipped - static_cast<int>(firstSkips.size());
    if (more > 0)
        lines << QStringLiteral("%1 more %2 skipped.").arg(more).arg(more == 1 ? QStringLiteral("line") : QStringLiteral("lines"));
    return lines.join(QLatin1Char('\n'));
}

void SkipList::keep(int line, const QString &reason)
{
    const auto at = std::upper_bound(m_first.begin(), m_first.end(), line,
                                     [](int l, const Skip &s) { return l < s.line; });
    m_first.insert(at, Skip{line, reason});
    if (m_first.size() > size_t(ReportedSkips))
        m_first.pop_back();
}

QStringList SkipList::firstReasons() const
{
    QStringList out;
    for (const Skip &s : m_first)
        out << QStringLiteral("Line %1: %2").arg(s.line).arg(s.reason);
    return out;
}

QString shownDate(const ResultRow &row)
{
    return dateDisplayText(row.day(), row.month(), row.year());
}

QString listedTwiceReason(const ResultRow &row, int firstLine, Game game)
{
    const QString what = game == Game::Irish && row.draw() == 2
        ? QStringLiteral("the second draw of %1").arg(shownDate(row))
        : shownDate(row);
    return QStringLiteral("%1 is already listed on line %2").arg(what).arg(firstLine);
}

QString fileFullReason(Game game)
{
    return game == Game::Thunderball ? QStringLiteral("the results file is full")
                                     : QStringLiteral("the draw history is full");
}

// ---- Reading the rows ------------------------------------------------------

ResultRows readResultRows(const QByteArray &csv, Game target)
{
    ResultRows out;
    out.report.game = target;
    const GameRules &rules = rulesOf(target);
    if (csv.size() > MaxCsvBytes) {
        out.report = refuse(target, QStringLiteral("The file is too large to be a results file."));
        return out;
    }
    CsvReader reader(csv);
    CsvRow line;
    if (!reader.next(line)) {
        out.report = refuse(target, QStringLiteral("The file is empty."));
        return out;
    }
    const Columns columns = findColumns(line.fields);
    const std::optional<Game> game = gameOf(columns);
    if (!game) {
        out.report = refuse(target, QStringLiteral("This is not a results file Drawsmith can read. Its first line "
                                                   "must name the columns: the date, the balls and the %1.")
                                        .arg(target == Game::Thunderball ? QStringLiteral("Thunderball")
                                                                         : QStringLiteral("bonus ball")));
        return out;
    }
    if (*game != target) {
        out.report = refuse(target, QStringLiteral("This file holds %1 results, not %2 results.")
                                        .arg(rulesOf(*game).displayName(), rules.displayName()));
        return out;
    }
    bool anyRow = false;
    ResultRow row;
    while (reader.next(line)) {
        anyRow = true;
        if (readRow(line, columns, rules, row, out.skips))
            out.rows.push_back(row);
    }
    if (!anyRow) {
        out.report = refuse(target, QStringLiteral("The file holds no results, only the names of its columns."));
        return out;
    }
    // Date order, the first draw of a date before its second, file order
    // within that. Lines are unique, so the sort needs no stability (and no
    // buffer the size of the rows).
    std::sort(out.rows.begin(), out.rows.end(), [](const ResultRow &a, const ResultRow &b) {
        return a.orderDraw != b.orderDraw ? a.orderDraw < b.orderDraw : a.line < b.line;
    });
    return out;
}

void finishReport(ResultRows &rows)
{
    rows.report.skipped = rows.skips.count();
    rows.report.firstSkips = rows.skips.firstReasons();
}

ImportReport mergeResultsWith(const QByteArray &csv, Game target, QByteArray &bytes, ResultsMerge merge)
{
    ResultRows rows = readResultRows(csv, target);
    if (rows.report.refused)
        return rows.report;
    merge(rows, target, bytes);
    finishReport(rows);
    return rows.report;
}

ImportReport importResultsWith(const QByteArray &csv, Game target, const QString &historyPath, ResultsMerge merge)
{
    QByteArray bytes;
    QFile f(historyPath);
    if (f.exists()) {
        if (!f.open(QIODevice::ReadOnly))
            return refuse(target, unreadableHistory(target));
        bytes = f.readAll();
        if (f.error() != QFileDevice::NoError)
            return refuse(target, unreadableHistory(target));
        f.close();
    }
    ImportReport report = mergeResultsWith(csv, target, bytes, merge);
    if (report.refused || report.added == 0)
        return report;
    if (!saveFileAtomically(historyPath, bytes))
        report.writeFailed = true;
    return report;
}

ImportReport importResultsFileWith(const QString &csvPath, Game target, const QString &historyPath,
                                   ResultsMerge merge)
{
    QFile f(csvPath);
    const QString name = QFileInfo(csvPath).fileName();
    if (!f.open(QIODevice::ReadOnly))
        return refuse(target, QStringLiteral("The file %1 could not be opened.").arg(name));
    if (f.size() > MaxCsvBytes)
        return refuse(target, QStringLiteral("The file is too large to be a results file."));
    const QByteArray csv = f.read(MaxCsvBytes + 1);
    if (f.error() != QFileDevice::NoError)
        return refuse(target, QStringLiteral("The file %1 could not be read.").arg(name));
    f.close();
    return importResultsWith(csv, target, historyPath, merge);
}

// ---- The lotto merge -------------------------------------------------------

void mergeLottoRows(ResultRows &rows, Game game, QByteArray &bytes)
{
    ImportReport &report = rows.report;
    DrawHistory history;
    history.setBytes(bytes);
    // Draws held per date key, as a look-up by date sees them.
    QHash<QString, int> held;
    const int n = history.count();
    for (int r = 2; r <= n + 1; ++r)
        ++held[history.record(r).dateKey()];

    // Draws are stored together at the end, as many as the history has room
    // for; rows past that are skipped as the single inserts would refuse them.
    const int room = MaxRecordCount - n;
    std::vector<Draw> accepted;
    QHash<qint32, int> listedOn; // order and draw -> first line
    for (const ResultRow &row : rows.rows) {
        const auto seen = listedOn.constFind(row.orderDraw);
        if (seen != listedOn.cend()) {
            const int first = *seen;
            rows.skips.add(row.line, [&] { return listedTwiceReason(row, first, game); });
            continue;
        }
        listedOn.insert(row.orderDraw, row.line);

        const QString key = dateKey(row.day(), row.month(), row.year());
        int &count = held[key];
        if (count >= row.draw()) {
            ++report.present;
            continue;
        }
        if (row.draw() == 2 && count == 0) {
            rows.skips.add(row.line, [&] {
                return QStringLiteral("the second draw of %1 has no first draw").arg(shownDate(row));
            });
            continue;
        }
        if (report.added >= room) {
            rows.skips.add(row.line, [game] { return fileFullReason(game); });
            continue;
        }
        accepted.push_back(Draw::make(
            key, {row.main[0], row.main[1], row.main[2], row.main[3], row.main[4], row.main[5]}, row.extra));
        ++count;
        ++report.added;
    }
    if (report.added > 0) {
        history.insertSorted(accepted);
        bytes = history.bytes();
    }
}

ImportReport mergeLottoResults(const QByteArray &csv, Game target, QByteArray &historyBytes)
{
    return mergeResultsWith(csv, target, historyBytes, &mergeLottoRows);
}

ImportReport importLottoResults(const QByteArray &csv, Game target, const QString &historyPath)
{
    return importResultsWith(csv, target, historyPath, &mergeLottoRows);
}

ImportReport importLottoResultsFile(const QString &csvPath, Game target, const QString &historyPath)
{
    return importResultsFileWith(csvPath, target, historyPath, &mergeLottoRows);
}

} // namespace ds
