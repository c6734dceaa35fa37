// drawsmith-import: turns a results file (CSV) into a draw history file or a
// Thunderball results file with the program's own import code. The build uses
// it to make the histories that ship in the program folder.
//
//   drawsmith-import --game uk|irish|thunderball [--no-overwrite] [--strict] [--pass-other-eras]
//                    INPUT.csv OUTPUT
//
// OUTPUT is the history file of one era of the game (its name says which:
// UK.exe, UK59.exe, IR.exe, IR47.exe, thresult.exe, ...). The results of that
// era are merged into it as the program's import does (a missing OUTPUT is
// created); rows of the game's other eras are skipped. An era whose results
// come in several files gets them by one run per file into the same OUTPUT.
// --no-overwrite leaves an existing OUTPUT alone and does nothing else;
// --strict refuses to write anything when a line is skipped;
// --pass-other-eras passes over the rows of the game's other eras without
// counting them as skipped, so that one file holding several eras feeds each
// era's file in turn (under --strict every other skipped line still refuses).
// Exit status: 0 done (or left alone), 1 refused or failed, 2 wrong usage.
#include "core/filenames.h"
#include "core/fileread.h"
#include "core/paths.h"
#include "core/recordfile.h"
#include "thunderball/resultsimport.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

namespace {

void say(FILE *to, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
}

int usage()
{
    say(stderr, QStringLiteral("usage: drawsmith-import --game uk|irish|thunderball [--no-overwrite] "
                               "[--strict] [--pass-other-eras] INPUT.csv OUTPUT"));
    return 2;
}

std::optional<ds::Game> gameFromName(const QString &name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("uk"))
        return ds::Game::UK;
    if (n == QLatin1String("irish") || n == QLatin1String("ir"))
        return ds::Game::Irish;
    if (n == QLatin1String("thunderball"))
        return ds::Game::Thunderball;
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    std::optional<ds::Game> game;
    bool noOverwrite = false;
    bool strict = false;
    ds::OtherEraRows others = ds::OtherEraRows::Skipped;
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--game")) {
            if (++i >= argc)
                return usage();
            game = gameFromName(QString::fromLocal8Bit(argv[i]));
            if (!game)
                return usage();
        } else if (arg == QLatin1String("--no-overwrite")) {
            noOverwrite = true;
        } else if (arg == QLatin1String("--strict")) {
            strict = true;
        } else if (arg == QLatin1String("--pass-other-eras")) {
            others = ds::OtherEraRows::PassedOver;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usage();
        } else {
            files << arg;
        }
    }
    if (!game || files.size() != 2)
        return usage();
    const QString &input = files[0];
    const QString &output = files[1];

    // The program finds its files whatever their letter case, so "uk.exe" is
    // the player's UK.exe too.
    const QFileInfo outInfo(output);
    if (noOverwrite && ds::existsInFolder(outInfo.absolutePath(), outInfo.fileName())) {
        say(stdout, QStringLiteral("%1 exists; left as it is.").arg(output));
        return 0;
    }

    const ds::FileRead<QByteArray> csv = ds::readFileBytes(input);
    if (csv.status != ds::ReadStatus::Ok) {
        say(stderr, csv.missing() ? QStringLiteral("%1: cannot be opened.").arg(input)
                                  : QStringLiteral("%1: cannot be read.").arg(input));
        return 1;
    }
    // A history that is not there yet starts empty.
    ds::FileRead<QByteArray> history = ds::readFileBytes(output);
    if (!history.usable()) {
        say(stderr, QStringLiteral("%1: cannot be read.").arg(output));
        return 1;
    }
    QByteArray &bytes = history.value;

    const ds::Era *era = nullptr;
    for (const ds::Era &e : ds::erasOf(*game))
        if (QFileInfo(output).fileName().compare(ds::files::history(e), Qt::CaseInsensitive) == 0)
            era = &e;
    if (era == nullptr) {
        say(stderr, QStringLiteral("%1: not the history file of an era of the game.").arg(output));
        return 1;
    }
    const ds::ImportReport report = ds::mergeEraResults(csv.value, *era, bytes, others);
    if (report.refused) {
        say(stderr, QStringLiteral("%1: %2").arg(input, report.refusal));
        return 1;
    }
    if (strict && report.skipped > 0) {
        say(stderr, QStringLiteral("%1: %2\nNothing written.").arg(input, report.text()));
        return 1;
    }
    if (report.added > 0 && !ds::saveFileAtomically(output, bytes)) {
        say(stderr, QStringLiteral("%1: cannot be written.").arg(output));
        return 1;
    }
    say(stdout, QStringLiteral("%1 -> %2: %3").arg(QFileInfo(input).fileName(), QFileInfo(output).fileName(),
                                                 report.text()));
    return 0;
}
