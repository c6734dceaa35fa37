// Importing a results file from disk into the files of a game's eras on disk
// (one of them there, missing, damaged or full size; on a full disk): the
// report and the bytes written are those of the import in memory; a refused
// import, one that adds nothing or one whose write fails leaves every file
// byte for byte (no file where there was none) and nothing beside them; a
// file nothing is added to is not written.
#include "core/filenames.h"
#include "importcheck.h"

#include <QDir>
#include <QFileInfo>

using namespace ds;

namespace {

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

bool sameReport(const ImportReport &a, const ImportReport &b)
{
    return a.refused == b.refused && a.refusal == b.refusal && a.added == b.added && a.present == b.present &&
           a.skipped == b.skipped && a.firstSkips == b.firstSkips;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const Game game = dsfuzz::gameOf(pick);
    const Era &heldEra = dsfuzz::eraOf(pick); // the era whose file is there
    const quint8 flags = in.byte();
    const quint8 room = in.byte();
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    QByteArray history = all.left(split % (all.size() + 1));
    const QByteArray csv = all.mid(history.size());
    const bool lotto = gameInfo(game).format == ResultsFormat::Draws;
    const int recordSize = lotto ? DrawRecordSize : ThunderRecordSize;
    if (flags & 0x80)
        history = dsfuzz::grownFile(history, recordSize, dsfuzz::fullRecordCount(flags, lotto ? 1 : 0));
    if ((flags & 0x40) && history.size() >= recordSize)
        putI16(history, lotto ? 20 : 0,
               qint16(std::min<qsizetype>(history.size() / recordSize - (lotto ? 1 : 0), MaxRecordCount)));

    const QDir dir(folder());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    const std::span<const Era> eras = erasOf(game);
    const size_t held = size_t(&heldEra - eras.data());
    const auto pathOf = [&dir, &eras](size_t i) { return dir.filePath(files::history(eras[i])); };
    const QString csvPath = dir.filePath(QStringLiteral("results.csv"));
    const bool csvThere = !(flags & 1);
    const bool historyThere = !(flags & 2) || !history.isEmpty();
    if (csvThere)
        dsfuzz::writeFile(csvPath, csv);
    if (historyThere)
        dsfuzz::writeFile(pathOf(held), history);
    const QStringList before = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);

    // The same import in memory.
    EraFiles old(eras.size());
    if (historyThere)
        old[held] = history;
    EraFiles merged = old;
    const ImportReport expected = mergeResults(csv, game, merged);

    ImportReport report;
    {
        std::optional<dsfuzz::FileSizeLimit> full;
        if (flags & 4)
            full.emplace(history.size() + qint64(room) * 8);
        report = importResultsFile(csvPath, game, dir.path());
    }
    report.text();
    // Each era's file as it is now, and whether it is there.
    EraFiles after(eras.size());
    std::vector<bool> there(eras.size());
    for (size_t i = 0; i < eras.size(); ++i) {
        there[i] = QFileInfo::exists(pathOf(i));
        after[i] = dsfuzz::readFile(pathOf(i));
    }
    QStringList listed = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    const auto unchanged = [&] {
        for (size_t i = 0; i < eras.size(); ++i)
            FUZZ_CHECK(there[i] == (i == held && historyThere) && after[i] == old[i]);
        FUZZ_CHECK(listed == before);
    };
    if (!csvThere) {
        FUZZ_CHECK(report.refused && report.refusal == QLatin1String("The file results.csv could not be opened."));
        unchanged();
        return 0;
    }
    FUZZ_CHECK(sameReport(report, expected));
    if (report.refused || report.added == 0 || report.writeFailed) {
        FUZZ_CHECK(!report.writeFailed || (flags & 4));
        unchanged();
    } else {
        // Files something was added to hold the merge (a new one made for
        // it); the others are as they were.
        for (size_t i = 0; i < eras.size(); ++i) {
            const bool changed = dsfuzz::addedTo(report, eras[i]) > 0;
            FUZZ_CHECK(after[i] == (changed ? merged[i] : old[i]));
            FUZZ_CHECK(there[i] == (changed || (i == held && historyThere)));
            if (changed && !(i == held && historyThere))
                listed.removeOne(QFileInfo(pathOf(i)).fileName());
        }
        FUZZ_CHECK(listed == before);
    }
    // The counts and order of the records (a full file included).
    dsfuzz::checkImport(csv, game, old);
    return 0;
}
