#include "links/resultsexport.h"

#include "core/drawhistory.h"
#include "core/fileread.h"
#include "core/filenames.h"
#include "core/paths.h"
#include "core/recordfile.h"
#include "thunderball/resultsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace ds::links {

namespace {

bool thunderFormat(Game game)
{
    return gameInfo(game).format == ResultsFormat::Thunder;
}

// A date field "DDMMYYYY" as YYYYMMDD; 0 when it is not a date.
Ymd ymdOfField(const QString &key)
{
    if (key.size() != 8)
        return 0;
    for (QChar c : key)
        if (!c.isDigit())
            return 0;
    const QDate d(key.mid(4, 4).toInt(), key.mid(2, 2).toInt(), key.left(2).toInt());
    return d.isValid() ? ymdOf(d) : 0;
}

// Whether the import would take the draw back as it is.
bool takenBack(Game game, const HeldDraw &d)
{
    const Era *era = eraCovering(game, d.date);
    if (era == nullptr || d.draw > era->drawsOn(d.date).draws || d.mainCount != era->mainCount)
        return false;
    std::array<int, 7> all{};
    for (int k = 0; k < d.mainCount; ++k) {
        const int v = d.main[static_cast<size_t>(k)];
        if (v < 1 || v > era->mainLimit)
            return false;
        all[static_cast<size_t>(k)] = v;
    }
    if (d.extra < 1 || d.extra > era->extraLimit)
        return false;
    all[static_cast<size_t>(d.mainCount)] = d.extra;
    // An extra ball from a pool of its own may equal a main number.
    const int compared = era->extraOwnPool ? d.mainCount : d.mainCount + 1;
    for (int a = 0; a < compared; ++a)
        for (int b = a + 1; b < compared; ++b)
            if (all[static_cast<size_t>(a)] == all[static_cast<size_t>(b)])
                return false;
    return true;
}

// Every record of the files, dates read, in file order (era by era).
std::vector<HeldDraw> records(Game game, const EraFiles &files)
{
    std::vector<HeldDraw> out;
    const bool thunder = thunderFormat(game);
    for (const QByteArray &bytes : files) {
        if (thunder) {
            ThunderResultsFile f;
            f.setBytes(bytes);
            for (const ThunderResult &r : f.results()) {
                HeldDraw d;
                const QDate date(r.year, r.month, r.day);
                d.date = date.isValid() ? ymdOf(date) : 0;
                d.mainCount = static_cast<int>(r.main.size());
                for (size_t k = 0; k < r.main.size(); ++k)
                    d.main[k] = r.main[k];
                d.extra = r.thunderball;
                out.push_back(d);
            }
        } else {
            DrawHistory h;
            h.setBytes(bytes);
            for (const Draw &r : h.draws()) {
                HeldDraw d;
                d.date = ymdOfField(r.dateKey());
                d.mainCount = static_cast<int>(r.main.size());
                for (size_t k = 0; k < r.main.size(); ++k)
                    d.main[k] = r.main[k];
                d.extra = r.bonus;
                out.push_back(d);
            }
        }
    }
    return out;
}

QString eraFileUnreadable(Game game)
{
    return thunderFormat(game) ? QStringLiteral("The Thunderball results file could not be read.")
                               : QStringLiteral("The draw history file could not be read.");
}

// Whether path names one of the program's own files in its folder.
bool isOwnFile(const QString &path, const QString &programFolder)
{
    const QFileInfo target(path);
    const QFileInfo real(target.exists() ? target.canonicalFilePath() : target.absoluteFilePath());
    const QString folder = QDir(programFolder).canonicalPath();
    if (folder.isEmpty() || QDir(real.absolutePath()).canonicalPath() != folder)
        return false;
    for (const QString &pattern : files::ownFiles()) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(real.fileName()).hasMatch())
            return true;
    }
    return false;
}

} // namespace

HeldDraws heldDraws(Game game, const EraFiles &files)
{
    std::vector<HeldDraw> all = records(game, files);
    HeldDraws out;
    std::stable_sort(all.begin(), all.end(), [](const HeldDraw &a, const HeldDraw &b) { return a.date < b.date; });
    // The draws of a date are numbered in the order the files hold them.
    for (size_t i = 0; i < all.size(); ++i) {
        HeldDraw &d = all[i];
        d.draw = i > 0 && all[i - 1].date == d.date ? all[i - 1].draw + 1 : 1;
        std::sort(d.main.begin(), d.main.begin() + d.mainCount);
        if (d.date == 0 || !takenBack(game, d)) {
            ++out.leftOut;
            continue;
        }
        out.draws.push_back(d);
    }
    return out;
}

QByteArray exportCsv(Game game, const std::vector<HeldDraw> &draws)
{
    const bool thunder = thunderFormat(game);
    const int mains = latestEra(game).mainCount;
    bool drawColumn = false;
    for (const Era &e : erasOf(game))
        drawColumn = drawColumn || e.mostDraws() > 1;

    QByteArray out = "date";
    if (drawColumn)
        out += ",draw";
    for (int k = 1; k <= mains; ++k)
        out += ",n" + QByteArray::number(k);
    out += thunder ? ",thunderball\n" : ",bonus\n";
    for (const HeldDraw &d : draws) {
        out += QDate(d.date / 10000, d.date / 100 % 100, d.date % 100).toString(Qt::ISODate).toLatin1();
        if (drawColumn)
            out += ',' + QByteArray::number(d.draw);
        for (int k = 0; k < d.mainCount; ++k)
            out += ',' + QByteArray::number(d.main[static_cast<size_t>(k)]);
        out += ',' + QByteArray::number(d.extra) + '\n';
    }
    return out;
}

EraFilesRead readEraFiles(Game game, const QString &programFolder)
{
    EraFilesRead out;
    for (const Era &era : erasOf(game)) {
        const FileRead<QByteArray> read = readFileBytes(resolveInFolder(programFolder, files::history(era)));
        if (!read.usable()) {
            out.unreadable = true;
            out.files.clear();
            return out;
        }
        out.files.push_back(read.value);
    }
    return out;
}

QString exportFileName(Game game)
{
    return gameInfo(game).displayName() + QStringLiteral(" results.csv");
}

ExportResult exportResults(Game game, const QString &programFolder, const QString &path)
{
    const bool thunder = thunderFormat(game);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (isOwnFile(path, programFolder)) {
        return {false, QStringLiteral("%1 is one of Drawsmith's own files. Choose another name for the exported "
                                      "results.")
                           .arg(QFileInfo(path).fileName())};
    }
    const EraFilesRead read = readEraFiles(game, programFolder);
    if (read.unreadable)
        return {false, eraFileUnreadable(game)};
    const HeldDraws held = heldDraws(game, read.files);
    if (held.draws.empty()) {
        return {false, thunder ? QStringLiteral("The Thunderball results file holds no results to export.")
                               : QStringLiteral("The %1 history holds no draws to export.")
                                     .arg(gameInfo(game).displayName())};
    }
    if (!saveFileAtomically(path, exportCsv(game, held.draws)))
        return {false, QStringLiteral("The file %1 could not be written.").arg(shownPath)};

    const int n = static_cast<int>(held.draws.size());
    QString text = QStringLiteral("%1 %2 exported to %3.")
                       .arg(n)
                       .arg(thunder ? (n == 1 ? QStringLiteral("result") : QStringLiteral("results"))
                                    : (n == 1 ? QStringLiteral("draw") : QStringLiteral("draws")))
                       .arg(shownPath);
    if (held.leftOut > 0) {
        text += QStringLiteral("\n%1 %2 could not be read as %3 and %4 left out.")
                    .arg(held.leftOut)
                    .arg(held.leftOut == 1 ? QStringLiteral("record") : QStringLiteral("records"))
                    .arg(held.leftOut == 1 ? (thunder ? QStringLiteral("a result") : QStringLiteral("a draw"))
                                           : (thunder ? QStringLiteral("results") : QStringLiteral("draws")))
                    .arg(held.leftOut == 1 ? QStringLiteral("was") : QStringLiteral("were"));
    }
    return {true, text};
}

} // namespace ds::links
