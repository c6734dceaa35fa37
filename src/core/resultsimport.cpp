#include "core/resultsimport.h"

#include "core/csv.h"
#include "core/dateparse.h"
#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/filenames.h"
#include "core/fileread.h"
#include "core/paths.h"
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
        else if (n == QLatin1String("draw") || n == QLatin1String("round"))
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

// Whether the heading holds every column a game needs, and no column that
// cannot be one of its files: a Thunderball column only in a Thunderball file,
// a draw column only for a game whose dates may hold two draws (and always for
// a game whose first era already had them).
bool columnsFit(const Columns &c, Game game)
{
    const GameInfo &g = gameInfo(game);
    const bool thunder = g.format == ResultsFormat::Thunder;
    if (c.date < 0 || (c.thunderball >= 0) != thunder)
        return false;
    for (int k = 0; k < latestEra(game).mainCount; ++k) {
        if (c.main[static_cast<size_t>(k)] < 0)
            return false;
    }
    if (!thunder && c.bonus < 0)
        return false;
    int mostDraws = 1;
    for (const Era &e : erasOf(game))
        mostDraws = std::max(mostDraws, e.mostDraws());
    if (c.draw >= 0 && mostDraws < 2)
        return false;
    return c.draw >= 0 || firstEra(game).mostDraws() < 2;
}

bool alwaysTwoDraws(Game game)
{
    return firstEra(game).mostDraws() > 1;
}

// The game whose results the file holds when it is not the target: the first
// game whose columns it fits, a game whose every date has two draws first for
// a file with a draw column.
std::optional<Game> otherGameOf(const Columns &c, Game target)
{
    for (const bool twoDrawsFirst : {true, false}) {
        for (Game g : AllGames)
            if (g != target && columnsFit(c, g) && (!twoDrawsFirst || (c.draw >= 0 && alwaysTwoDraws(g))))
                return g;
    }
    return std::nullopt;
}

// ---- Rows ------------------------------------------------------------------

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

QString shown(Ymd d)
{
    return dateDisplayText(d % 100, d / 100 % 100, d / 10000);
}

// Why no era of the game takes a row of this date.
QString outsideErasReason(Game game, Ymd order)
{
    const Era &first = firstEra(game);
    const Era &last = latestEra(game);
    if (order > last.last) {
        // The game changed after its last era; its later draws are another game.
        return QStringLiteral("%1 is a draw of %2, which this version does not keep")
            .arg(shown(order), QLatin1String(last.successor));
    }
    if (order < first.first) {
        if (last.stillDrawn())
            return QStringLiteral("date %1 is before the first draw, on %2").arg(shown(order), shown(first.first));
        return QStringLiteral("date %1 is outside %2 to %3").arg(shown(order), shown(first.first), shown(last.last));
    }
    const Era &before = eraOn(game, order);
    return QStringLiteral("date %1 falls between the last draw of %2 and the first of %3")
        .arg(shown(order), eraTitle(before), eraTitle(erasOf(game)[static_cast<size_t>(&before - erasOf(game).data() + 1)]));
}

// Reads one data row into `row`; false, with the reason counted in `skips`,
// when it does not fit the era of its date.
bool readRow(const CsvRow &l, const Columns &c, Game game, ResultRow &row, SkipList &skips,
             int &secondsOnOneDrawDates)
{
    auto field = [&l](int col) -> const QByteArray & {
        static const QByteArray none;
        return col >= 0 && col < static_cast<int>(l.fields.size()) ? l.fields[static_cast<size_t>(col)] : none;
    };
    auto skip = [&](auto &&reason) {
        skips.add(l.line, reason);
        return false;
    };
    const GameInfo &info = gameInfo(game);
    const bool thunder = info.format == ResultsFormat::Thunder;

    row.line = l.line;
    const QByteArray &dateText = field(c.date);
    if (dateText.isEmpty())
        return skip([] { return QStringLiteral("the date is missing"); });
    const QDate date = parseDateText(dateText);
    if (!date.isValid())
        return skip([&] { return QStringLiteral("%1 is not a date").arg(quoted(dateText)); });
    const int order = orderKey(date);
    const Era *era = eraCovering(game, order);
    if (era == nullptr)
        return skip([&] { return outsideErasReason(game, order); });
    row.era = static_cast<quint8>(era - erasOf(game).data());

    int draw = 1;
    if (c.draw >= 0) {
        const QByteArray &drawText = field(c.draw);
        if (drawText.isEmpty())
            return skip([] { return QStringLiteral("the draw number is missing"); });
        draw = plainNumber(drawText);
        if (draw != 1 && draw != 2)
            return skip([&] { return QStringLiteral("draw %1 is not 1 or 2").arg(quoted(drawText)); });
        if (draw > era->drawsOn(order).draws) {
            ++secondsOnOneDrawDates;
            return skip([&] {
                return QStringLiteral("the %1 had one draw on %2, so there is no draw 2")
                    .arg(info.displayName(), shown(order));
            });
        }
    }
    row.orderDraw = order * 10 + draw;

    const int mains = era->mainCount;
    std::array<int, 7> values{};
    for (int k = 0; k <= mains; ++k) {
        const bool isExtra = k == mains;
        const QByteArray &text = field(isExtra ? (thunder ? c.thunderball : c.bonus) : c.main[static_cast<size_t>(k)]);
        if (text.isEmpty())
            return skip([] { return QStringLiteral("a number is missing"); });
        const int v = plainNumber(text);
        if (v < 0)
            return skip([&] { return QStringLiteral("%1 is not a number").arg(quoted(text)); });
        const int top = isExtra ? era->extraLimit : era->mainLimit;
        if (v < 1 || v > top) {
            return skip([&] {
                const QString what = isExtra ? QString::fromLatin1(info.extraName) : QStringLiteral("ball");
                return QStringLiteral("%1 %2 is outside 1 to %3").arg(what).arg(v).arg(top);
            });
        }
        values[static_cast<size_t>(k)] = v;
    }
    // An extra ball from a pool of its own may equal a main number.
    const int compared = era->extraOwnPool ? mains : mains + 1;
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

bool thunderFormat(Game game)
{
    return gameInfo(game).format == ResultsFormat::Thunder;
}

QString unreadableHistory(Game game)
{
    return thunderFormat(game) ? QStringLiteral("The Thunderball results file could not be read.")
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
    const bool thunder = thunderFormat(game);
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
    if (eras.size() > 1) {
        for (const EraImport &e : eras) {
            lines << QStringLiteral("%1: %2 added, %3 already held.")
                         .arg(eraTitle(*e.era),
                              thunder ? plural(e.added, QStringLiteral("result"), QStringLiteral("results"))
                                      : plural(e.added, QStringLiteral("draw"), QStringLiteral("draws")))
                         .arg(e.present);
        }
    }
    if (otherEras > 0) {
        lines << QStringLiteral("%1 of other eras passed over.")
                     .arg(plural(otherEras, QStringLiteral("line"), QStringLiteral("lines")));
    }
    if (drawsByOrder > 0) {
        lines << QStringLiteral("%1 read by the order of %2 lines: the first line of a date is round 1, "
                                "the next round 2.")
                     .arg(plural(drawsByOrder, QStringLiteral("two-round date"), QStringLiteral("two-round dates")),
                          drawsByOrder == 1 ? QStringLiteral("its") : QStringLiteral("their"));
    }
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

QString listedTwiceReason(const ResultRow &row, int firstLine)
{
    const QString what = row.draw() == 2
        ? QStringLiteral("the second draw of %1").arg(shownDate(row))
        : shownDate(row);
    return QStringLiteral("%1 is already listed on line %2").arg(what).arg(firstLine);
}

QString fileFullReason(Game game)
{
    return thunderFormat(game) ? QStringLiteral("the results file is full")
                                     : QStringLiteral("the draw history is full");
}

// ---- Reading the rows ------------------------------------------------------

ResultRows readResultRows(const QByteArray &csv, Game target)
{
    ResultRows out;
    out.report.game = target;
    const GameInfo &info = gameInfo(target);
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
    if (!columnsFit(columns, target)) {
        const std::optional<Game> other = otherGameOf(columns, target);
        if (other) {
            out.report = refuse(target, QStringLiteral("This file holds %1 results, not %2 results.")
                                            .arg(gameInfo(*other).displayName(), info.displayName()));
        } else {
            out.report = refuse(target, QStringLiteral("This is not a results file Drawsmith can read. Its first "
                                                       "line must name the columns: the date, the balls and the %1.")
                                            .arg(QLatin1String(info.extraName)));
        }
        return out;
    }
    bool anyRow = false;
    ResultRow row;
    // Without a draw (round) column, the rows of a date that holds two draws
    // are its first and second draw in the order of the file, whatever the
    // order of the dates: the rows seen of each such date so far.
    QHash<qint32, int> rowsOfDate;
    int secondsOnOneDrawDates = 0;
    bool secondOnTwoDrawDate = false;
    while (reader.next(line)) {
        anyRow = true;
        if (!readRow(line, columns, target, row, out.skips, secondsOnOneDrawDates))
            continue;
        const Era &era = erasOf(target)[row.era];
        if (era.drawsOn(row.order()).draws > 1) {
            if (columns.draw < 0) {
                const int seen = ++rowsOfDate[row.order()];
                row.orderDraw = row.order() * 10 + std::min(seen, 2);
            } else if (row.draw() == 2) {
                secondOnTwoDrawDate = true;
            }
        }
        out.rows.push_back(row);
    }
    if (!anyRow) {
        out.report = refuse(target, QStringLiteral("The file holds no results, only the names of its columns."));
        return out;
    }
    // Second draws on dates the chosen game drew once, and none on a date it
    // drew twice: the file is another game's whose dates all hold two draws.
    if (secondsOnOneDrawDates > 0 && !secondOnTwoDrawDate) {
        const std::optional<Game> other = otherGameOf(columns, target);
        if (other && alwaysTwoDraws(*other)) {
            out.report = refuse(target, QStringLiteral("This file holds %1 results, not %2 results.")
                                            .arg(gameInfo(*other).displayName(), info.displayName()));
            return out;
        }
    }
    out.report.drawsByOrder = static_cast<int>(rowsOfDate.size());
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

namespace {

// The rows of each era: the rows are in date order, so an era's rows are one
// run of them.
template <typename Each>
void forEachEra(const std::vector<ResultRow> &rows, Each &&each)
{
    size_t from = 0;
    while (from < rows.size()) {
        size_t to = from + 1;
        while (to < rows.size() && rows[to].era == rows[from].era)
            ++to;
        each(rows[from].era, std::span<const ResultRow>(rows.data() + from, to - from));
        from = to;
    }
}

// Reads and merges; `bytesOf(era index)` gives the bytes of an era's file, or
// nullptr (with the report refused) when it cannot be read.
template <typename BytesOf>
ImportReport mergeRows(ResultRows &rows, Game target, ResultsMerge merge, BytesOf &&bytesOf)
{
    const std::span<const Era> eras = erasOf(target);
    bool unreadable = false;
    forEachEra(rows.rows, [&](int index, std::span<const ResultRow> eraRows) {
        if (unreadable)
            return;
        QByteArray *bytes = bytesOf(index);
        if (bytes == nullptr) {
            unreadable = true;
            return;
        }
        EraImport counts;
        counts.era = &eras[static_cast<size_t>(index)];
        merge(eraRows, *counts.era, *bytes, counts, rows.skips);
        rows.report.added += counts.added;
        rows.report.present += counts.present;
        rows.report.eras.push_back(counts);
    });
    if (unreadable)
        return refuse(target, unreadableHistory(target));
    finishReport(rows);
    return rows.report;
}

} // namespace

ImportReport mergeResultsWith(const QByteArray &csv, Game target, EraFiles &files, ResultsMerge merge)
{
    ResultRows rows = readResultRows(csv, target);
    if (rows.report.refused)
        return rows.report;
    const size_t eraCount = erasOf(target).size();
    if (files.size() < eraCount)
        files.resize(eraCount);
    return mergeRows(rows, target, merge, [&](int index) { return &files[static_cast<size_t>(index)]; });
}

ImportReport mergeEraResultsWith(const QByteArray &csv, const Era &era, QByteArray &bytes, ResultsMerge merge,
                                 OtherEraRows others)
{
    ResultRows rows = readResultRows(csv, era.game);
    if (rows.report.refused)
        return rows.report;
    const int index = static_cast<int>(&era - erasOf(era.game).data());
    std::erase_if(rows.rows, [&](const ResultRow &row) {
        if (row.era == index)
            return false;
        if (others == OtherEraRows::PassedOver) {
            ++rows.report.otherEras;
            return true;
        }
        rows.skips.add(row.line, [&] {
            return QStringLiteral("%1 is a draw of %2, not of %3")
                .arg(shownDate(row), eraTitle(erasOf(era.game)[row.era]), eraTitle(era));
        });
        return true;
    });
    return mergeRows(rows, era.game, merge, [&](int) { return &bytes; });
}

ImportReport importResultsWith(const QByteArray &csv, Game target, const QString &programFolder,
                               ResultsMerge merge)
{
    ResultRows rows = readResultRows(csv, target);
    if (rows.report.refused)
        return rows.report;

    struct File {
        QString path;
        bool existed = false;
        QByteArray before;
        QByteArray bytes;
    };
    const std::span<const Era> eras = erasOf(target);
    std::vector<File> touched(eras.size());
    ImportReport report = mergeRows(rows, target, merge, [&](int index) -> QByteArray * {
        File &f = touched[static_cast<size_t>(index)];
        f.path = resolveInFolder(programFolder, files::history(eras[static_cast<size_t>(index)]));
        const FileRead<QByteArray> read = readFileBytes(f.path);
        if (!read.usable())
            return nullptr;
        f.existed = !read.missing();
        f.bytes = f.before = read.value;
        return &f.bytes;
    });
    if (report.refused)
        return report;

    // Every changed file is replaced whole; if one fails, those already
    // written are put back as they were.
    std::vector<const File *> written;
    for (const EraImport &e : report.eras) {
        if (e.added == 0)
            continue;
        const File &f = touched[static_cast<size_t>(e.era - eras.data())];
        if (!saveFileAtomically(f.path, f.bytes)) {
            report.writeFailed = true;
            break;
        }
        written.push_back(&f);
    }
    if (report.writeFailed) {
        for (const File *f : written) {
            if (f->existed)
                saveFileAtomically(f->path, f->before);
            else
                QFile::remove(f->path);
        }
    }
    return report;
}

ImportReport importResultsFileWith(const QString &csvPath, Game target, const QString &programFolder,
                                   ResultsMerge merge)
{
    const FileRead<QByteArray> read = readFileBytes(csvPath, MaxCsvBytes);
    const QString name = QFileInfo(csvPath).fileName();
    if (read.missing())
        return refuse(target, QStringLiteral("The file %1 could not be opened.").arg(name));
    if (read.status == ReadStatus::TooLarge)
        return refuse(target, QStringLiteral("The file is too large to be a results file."));
    if (read.usable())
        return importResultsWith(read.value, target, programFolder, merge);
    return refuse(target, QStringLiteral("The file %1 could not be read.").arg(name));
}

// ---- The lotto merge -------------------------------------------------------

void mergeLottoRows(std::span<const ResultRow> rows, const Era &era, QByteArray &bytes, EraImport &counts,
                    SkipList &skips)
{
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
    for (const ResultRow &row : rows) {
        const auto seen = listedOn.constFind(row.orderDraw);
        if (seen != listedOn.cend()) {
            const int first = *seen;
            skips.add(row.line, [&] { return listedTwiceReason(row, first); });
            continue;
        }
        listedOn.insert(row.orderDraw, row.line);

        const QString key = dateKey(row.day(), row.month(), row.year());
        int &count = held[key];
        if (count >= row.draw()) {
            ++counts.present;
            continue;
        }
        if (row.draw() == 2 && count == 0) {
            skips.add(row.line, [&] {
                return QStringLiteral("the second draw of %1 has no first draw").arg(shownDate(row));
            });
            continue;
        }
        if (counts.added >= room) {
            skips.add(row.line, [&era] { return fileFullReason(era.game); });
            continue;
        }
        accepted.push_back(Draw::make(
            key, {row.main[0], row.main[1], row.main[2], row.main[3], row.main[4], row.main[5]}, row.extra));
        ++count;
        ++counts.added;
    }
    if (counts.added > 0) {
        history.insertSorted(accepted);
        bytes = history.bytes();
    }
}

} // namespace ds
