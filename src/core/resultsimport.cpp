#include "core/resultsimport.h"

#include "core/dates.h"
#include "core/drawhistory.h"
#include "core/games.h"
#include "thunderball/resultsfile.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace ds {

QString importGameName(ImportGame game)
{
    switch (game) {
    case ImportGame::UK:
        return QStringLiteral("UK Lotto");
    case ImportGame::Irish:
        return QStringLiteral("Irish Lotto");
    case ImportGame::Thunderball:
        return QStringLiteral("Thunderball");
    }
    return {};
}

QString importFileName(ImportGame game)
{
    switch (game) {
    case ImportGame::UK:
        return historyFileName(CountryUK);
    case ImportGame::Irish:
        return historyFileName(CountryIR);
    case ImportGame::Thunderball:
        return ThunderResultsFileName;
    }
    return {};
}

namespace {

// A results file larger than this is not a results file: the whole UK history
// is about 60 KB.
constexpr qint64 MaxCsvBytes = 16 * 1024 * 1024;

// The part of a field's text quoted in a skip message.
constexpr int QuotedTextLength = 20;

// ---- Reading the comma-separated text ------------------------------------

struct CsvLine {
    int number = 0; // 1-based line number in the file
    std::vector<QByteArray> fields;
};

bool isBlankByte(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimBlanks(const char *b, const char *e)
{
    while (b < e && isBlankByte(*b))
        ++b;
    while (e > b && isBlankByte(e[-1]))
        --e;
    return QByteArray(b, e - b);
}

// Splits one line into fields. A field may be quoted ("..."), a doubled quote
// inside standing for one; an unclosed quote runs to the end of the line.
std::vector<QByteArray> splitFields(const char *b, const char *e)
{
    std::vector<QByteArray> fields;
    const char *p = b;
    for (;;) {
        const char *q = p;
        while (q < e && isBlankByte(*q))
            ++q;
        if (q < e && *q == '"') {
            QByteArray f;
            ++q;
            while (q < e) {
                if (*q == '"') {
                    if (q + 1 < e && q[1] == '"') {
                        f += '"';
                        q += 2;
                        continue;
                    }
                    ++q;
                    break;
                }
                f += *q++;
            }
            // Anything between the closing quote and the comma is dropped.
            while (q < e && *q != ',')
                ++q;
            fields.push_back(f.trimmed());
            p = q;
        } else {
            while (q < e && *q != ',')
                ++q;
            fields.push_back(trimBlanks(p, q));
            p = q;
        }
        if (p >= e)
            break;
        ++p; // the comma
        if (p == e) {
            fields.emplace_back();
            break;
        }
    }
    return fields;
}

bool allEmpty(const std::vector<QByteArray> &fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const QByteArray &f) { return f.isEmpty(); });
}

// The non-blank lines of the text. Lines end in LF, CR LF or CR; a leading
// UTF-8 byte order mark is dropped; a line of nothing but commas and spaces
// counts as blank.
std::vector<CsvLine> splitLines(const QByteArray &text)
{
    std::vector<CsvLine> lines;
    const char *p = text.constData();
    const char *end = p + text.size();
    if (text.startsWith("\xEF\xBB\xBF"))
        p += 3;
    int number = 0;
    while (p < end) {
        const char *e = p;
        while (e < end && *e != '\n' && *e != '\r')
            ++e;
        ++number;
        std::vector<QByteArray> fields = splitFields(p, e);
        if (!allEmpty(fields))
            lines.push_back({number, std::move(fields)});
        if (e < end && *e == '\r' && e + 1 < end && e[1] == '\n')
            ++e;
        p = e + 1;
    }
    return lines;
}

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

int mainCount(ImportGame game)
{
    return game == ImportGame::Thunderball ? 5 : 6;
}

// The game whose columns the heading holds, if it is complete.
std::optional<ImportGame> gameOf(const Columns &c)
{
    ImportGame game = ImportGame::UK;
    if (c.thunderball >= 0)
        game = ImportGame::Thunderball;
    else if (c.draw >= 0)
        game = ImportGame::Irish;
    if (c.date < 0)
        return std::nullopt;
    for (int k = 0; k < mainCount(game); ++k) {
        if (c.main[static_cast<size_t>(k)] < 0)
            return std::nullopt;
    }
    if (game != ImportGame::Thunderball && c.bonus < 0)
        return std::nullopt;
    return game;
}

// ---- Rows ------------------------------------------------------------------

int ballLimit(ImportGame game)
{
    switch (game) {
    case ImportGame::UK:
        return UkBallLimit;
    case ImportGame::Irish:
        return IrishBallLimit;
    case ImportGame::Thunderball:
        return ThunderMainLimit;
    }
    return 0;
}

// The first and last draw dates whose rules the program follows.
struct Era {
    QDate first;
    QDate last;
};

Era eraOf(ImportGame game)
{
    switch (game) {
    case ImportGame::UK:
        return {QDate(1994, 11, 19), QDate(2015, 10, 7)};
    case ImportGame::Irish:
        return {QDate(1994, 9, 24), QDate(2006, 11, 1)};
    case ImportGame::Thunderball:
        return {QDate(1999, 6, 12), QDate(2010, 5, 8)};
    }
    return {};
}

qint64 orderKey(const QDate &d)
{
    return qint64(d.year()) * 10000 + d.month() * 100 + d.day();
}

QString shown(const QDate &d)
{
    return dateDisplayText(d.day(), d.month(), d.year());
}

QString quoted(const QByteArray &field)
{
    QString s = QString::fromUtf8(field);
    if (s.size() > QuotedTextLength)
        s = s.left(QuotedTextLength) + QStringLiteral("...");
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// A whole number of up to 9 digits, nothing else; -1 otherwise.
int digitsValue(QByteArrayView s)
{
    if (s.isEmpty() || s.size() > 9)
        return -1;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

int monthFromName(const QByteArray &name)
{
    static const char *const names[] = {"january", "february", "march", "april", "may", "june",
                                        "july", "august", "september", "october", "november",
                                        "december"};
    const QByteArray n = name.toLower();
    if (n.size() < 3)
        return 0;
    for (int m = 0; m < 12; ++m) {
        const QByteArray full(names[m]);
        if (n == full || n == full.left(3) || (m == 8 && n == "sept"))
            return m + 1;
    }
    return 0;
}

// Dates as results files write them: 2024-06-12, 12-Jun-2024, 12 June 2024,
// 12/06/2024 (day first). An invalid or unknown form gives a null date.
QDate parseDate(const QByteArray &text)
{
    const QByteArray t = text.trimmed();
    // Split into three parts at '-', '/' or spaces.
    QList<QByteArray> parts;
    QByteArray cur;
    char sep = 0;
    for (char c : t) {
        if (c == '-' || c == '/' || c == ' ') {
            if (c == ' ' && cur.isEmpty())
                continue; // runs of spaces
            if (sep == 0)
                sep = c == ' ' ? '-' : c;
            parts << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts << cur;
    if (parts.size() != 3)
        return {};
    int y = 0, m = 0, d = 0;
    if (parts[0].size() == 4) { // ISO year-month-day
        y = digitsValue(parts[0]);
        m = digitsValue(parts[1]);
        d = digitsValue(parts[2]);
        if (sep != '-')
            return {};
    } else {
        if (parts[2].size() != 4 || parts[0].size() > 2)
            return {};
        d = digitsValue(parts[0]);
        m = digitsValue(parts[1]);
        if (m < 0)
            m = monthFromName(parts[1]);
        else if (parts[1].size() > 2)
            return {};
        y = digitsValue(parts[2]);
    }
    if (y < 1 || m < 1 || d < 1)
        return {};
    return QDate(y, m, d); // null when not a real date
}

struct Row {
    int line = 0;
    QDate date;
    qint64 order = 0;
    int draw = 1; // Irish: 1 main draw, 2 second draw
    std::array<qint16, 6> main{};
    qint16 extra = 0; // bonus or Thunderball
};

struct Skip {
    int line;
    QString reason;
};

// Reads one data line; the reason it does not fit otherwise.
std::optional<Row> readRow(const CsvLine &l, const Columns &c, ImportGame game,
                           std::vector<Skip> &skips)
{
    auto field = [&l](int col) -> QByteArray {
        return col >= 0 && col < static_cast<int>(l.fields.size()) ? l.fields[static_cast<size_t>(col)]
                                                                   : QByteArray();
    };
    auto skip = [&](const QString &reason) -> std::optional<Row> {
        skips.push_back({l.number, reason});
        return std::nullopt;
    };

    Row row;
    row.line = l.number;
    const QByteArray dateText = field(c.date);
    if (dateText.isEmpty())
        return skip(QStringLiteral("the date is missing"));
    row.date = parseDate(dateText);
    if (!row.date.isValid())
        return skip(QStringLiteral("%1 is not a date").arg(quoted(dateText)));
    row.order = orderKey(row.date);
    const Era era = eraOf(game);
    if (row.order < orderKey(era.first) || row.order > orderKey(era.last)) {
        return skip(QStringLiteral("date %1 is outside %2 to %3")
                        .arg(shown(row.date), shown(era.first), shown(era.last)));
    }

    if (game == ImportGame::Irish) {
        const QByteArray drawText = field(c.draw);
        if (drawText.isEmpty())
            return skip(QStringLiteral("the draw number is missing"));
        const int draw = digitsValue(drawText);
        if (draw != 1 && draw != 2)
            return skip(QStringLiteral("draw %1 is not 1 or 2").arg(quoted(drawText)));
        row.draw = draw;
    }

    const int mains = mainCount(game);
    const int limit = ballLimit(game);
    const int extraLimit = game == ImportGame::Thunderball ? ThunderballLimit : limit;
    std::array<int, 7> values{};
    for (int k = 0; k <= mains; ++k) {
        const bool isExtra = k == mains;
        const QByteArray text = field(isExtra ? (game == ImportGame::Thunderball ? c.thunderball : c.bonus)
                                              : c.main[static_cast<size_t>(k)]);
        const QString what = !isExtra ? QStringLiteral("ball")
                             : game == ImportGame::Thunderball ? QStringLiteral("Thunderball")
                                                               : QStringLiteral("bonus ball");
        if (text.isEmpty())
            return skip(QStringLiteral("a number is missing"));
        const int v = digitsValue(text);
        if (v < 0)
            return skip(QStringLiteral("%1 is not a number").arg(quoted(text)));
        const int top = isExtra ? extraLimit : limit;
        if (v < 1 || v > top)
            return skip(QStringLiteral("%1 %2 is outside 1 to %3").arg(what).arg(v).arg(top));
        values[static_cast<size_t>(k)] = v;
    }
    // The Thunderball comes from a pool of its own and may equal a main number.
    const int compared = game == ImportGame::Thunderball ? mains : mains + 1;
    for (int a = 0; a < compared; ++a) {
        for (int b = a + 1; b < compared; ++b) {
            if (values[static_cast<size_t>(a)] == values[static_cast<size_t>(b)])
                return skip(QStringLiteral("number %1 appears twice").arg(values[static_cast<size_t>(a)]));
        }
    }
    std::sort(values.begin(), values.begin() + mains);
    for (int k = 0; k < mains; ++k)
        row.main[static_cast<size_t>(k)] = static_cast<qint16>(values[static_cast<size_t>(k)]);
    row.extra = static_cast<qint16>(values[static_cast<size_t>(mains)]);
    return row;
}

// ---- Merging ---------------------------------------------------------------

QString listedTwice(const Row &row, int firstLine, ImportGame game)
{
    const QString what = game == ImportGame::Irish && row.draw == 2
        ? QStringLiteral("the second draw of %1").arg(shown(row.date))
        : shown(row.date);
    return QStringLiteral("%1 is already listed on line %2").arg(what).arg(firstLine);
}

QString historyFull(ImportGame game)
{
    return game == ImportGame::Thunderball ? QStringLiteral("the results file is full")
                                           : QStringLiteral("the draw history is full");
}

void mergeLotto(const std::vector<Row> &rows, ImportGame game, QByteArray &bytes,
                ImportReport &report, std::vector<Skip> &skips)
{
    DrawHistory history;
    history.setBytes(bytes);
    // Draws held per date key, as a look-up by date sees them.
    QHash<QString, int> held;
    const int n = history.count();
    for (int r = 2; r <= n + 1; ++r)
        ++held[history.record(r).dateKey()];

    QHash<qint64, int> listedOn; // (date order key, draw) -> first line
    for (const Row &row : rows) {
        const qint64 id = row.order * 10 + row.draw;
        const auto seen = listedOn.constFind(id);
        if (seen != listedOn.cend()) {
            skips.push_back({row.line, listedTwice(row, *seen, game)});
            continue;
        }
        listedOn.insert(id, row.line);

        const QString key = dateKey(row.date.day(), row.date.month(), row.date.year());
        int &count = held[key];
        if (count >= row.draw) {
            ++report.present;
            continue;
        }
        if (row.draw == 2 && count == 0) {
            skips.push_back({row.line, QStringLiteral("the second draw of %1 has no first draw")
                                           .arg(shown(row.date))});
            continue;
        }
        const Draw d = Draw::make(key, {row.main[0], row.main[1], row.main[2], row.main[3],
                                        row.main[4], row.main[5]},
                                  row.extra);
        if (!history.insert(d)) {
            skips.push_back({row.line, historyFull(game)});
            continue;
        }
        ++count;
        ++report.added;
    }
    if (report.added > 0)
        bytes = history.bytes();
}

void mergeThunderball(const std::vector<Row> &rows, QByteArray &bytes, ImportReport &report,
                      std::vector<Skip> &skips)
{
    ThunderResultsFile file;
    file.setBytes(bytes);
    QHash<qint64, int> held; // date order key -> 0 (in the file) or the line listing it
    for (const ThunderResult &r : file.results())
        held.insert(qint64(r.year) * 10000 + r.month * 100 + r.day, 0);

    for (const Row &row : rows) {
        const auto it = held.constFind(row.order);
        if (it != held.cend()) {
            if (*it == 0)
                ++report.present;
            else
                skips.push_back({row.line, listedTwice(row, *it, ImportGame::Thunderball)});
            continue;
        }
        ThunderResult r;
        r.day = static_cast<qint16>(row.date.day());
        r.month = static_cast<qint16>(row.date.month());
        r.year = static_cast<qint16>(row.date.year());
        for (int k = 0; k < 5; ++k)
            r.main[static_cast<size_t>(k)] = row.main[static_cast<size_t>(k)];
        r.thunderball = row.extra;
        if (!file.append(r)) {
            skips.push_back({row.line, historyFull(ImportGame::Thunderball)});
            continue;
        }
        held.insert(row.order, row.line);
        ++report.added;
    }
    if (report.added > 0)
        bytes = file.bytes();
}

ImportReport refuse(ImportGame game, const QString &why)
{
    ImportReport r;
    r.game = game;
    r.refused = true;
    r.refusal = why;
    return r;
}

QString unreadableHistory(ImportGame game)
{
    return game == ImportGame::Thunderball ? QStringLiteral("The Thunderball results file could not be read.")
                                           : QStringLiteral("The draw history file could not be read.");
}

QString plural(int n, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

} // namespace

QString ImportReport::text() const
{
    if (refused)
        return refusal;
    const bool thunder = game == ImportGame::Thunderball;
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

ImportReport mergeResults(const QByteArray &csv, ImportGame target, QByteArray &historyBytes)
{
    if (csv.size() > MaxCsvBytes)
        return refuse(target, QStringLiteral("The file is too large to be a results file."));
    const std::vector<CsvLine> lines = splitLines(csv);
    if (lines.empty())
        return refuse(target, QStringLiteral("The file is empty."));
    const Columns columns = findColumns(lines.front().fields);
    const std::optional<ImportGame> game = gameOf(columns);
    if (!game) {
        return refuse(target, QStringLiteral("This is not a results file Drawsmith can read. Its first line "
                                             "must name the columns: the date, the balls and the %1.")
                                  .arg(target == ImportGame::Thunderball ? QStringLiteral("Thunderball")
                                                                         : QStringLiteral("bonus ball")));
    }
    if (*game != target) {
        return refuse(target, QStringLiteral("This file holds %1 results, not %2 results.")
                                  .arg(importGameName(*game), importGameName(target)));
    }
    if (lines.size() == 1)
        return refuse(target, QStringLiteral("The file holds no results, only the names of its columns."));

    ImportReport report;
    report.game = target;
    std::vector<Skip> skips;
    std::vector<Row> rows;
    rows.reserve(lines.size() - 1);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (std::optional<Row> row = readRow(lines[i], columns, target, skips))
            rows.push_back(*row);
    }
    // Date order, the first draw of a date before its second, file order
    // within that.
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return a.order != b.order ? a.order < b.order : a.draw < b.draw;
    });
    if (target == ImportGame::Thunderball)
        mergeThunderball(rows, historyBytes, report, skips);
    else
        mergeLotto(rows, target, historyBytes, report, skips);

    std::stable_sort(skips.begin(), skips.end(), [](const Skip &a, const Skip &b) { return a.line < b.line; });
    report.skipped = static_cast<int>(skips.size());
    for (size_t i = 0; i < skips.size() && i < size_t(ReportedSkips); ++i)
        report.firstSkips << QStringLiteral("Line %1: %2").arg(skips[i].line).arg(skips[i].reason);
    return report;
}

ImportReport importResults(const QByteArray &csv, ImportGame target, const QString &historyPath)
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
    ImportReport report = mergeResults(csv, target, bytes);
    if (report.refused || report.added == 0)
        return report;
    if (!saveFileAtomically(historyPath, bytes))
        report.writeFailed = true;
    return report;
}

ImportReport importResultsFile(const QString &csvPath, ImportGame target, const QString &historyPath)
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
    return importResults(csv, target, historyPath);
}

} // namespace ds
