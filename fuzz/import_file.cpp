// Importing a results file from disk into a game's file on disk (missing,
// damaged, up to full size, on a full disk): the report and the bytes written
// are those of the import in memory; a refused import, one that adds nothing
// or one whose write fails leaves the game's file byte for byte (no file
// where there was none) and nothing beside it.
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
    const Game game = dsfuzz::gameOf(in.byte());
    const quint8 flags = in.byte();
    const quint8 room = in.byte();
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    QByteArray history = all.left(split % (all.size() + 1));
    const QByteArray csv = all.mid(history.size());
    const bool lotto = game != Game::Thunderball;
    const int recordSize = lotto ? DrawRecordSize : ThunderRecordSize;
    if (flags & 0x80)
        history = dsfuzz::grownFile(history, recordSize, dsfuzz::fullRecordCount(flags, lotto ? 1 : 0));
    if ((flags & 0x40) && history.size() >= recordSize)
        putI16(history, lotto ? 20 : 0,
               qint16(std::min<qsizetype>(history.size() / recordSize - (lotto ? 1 : 0), MaxRecordCount)));

    const QDir dir(folder());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    const QString csvPath = dir.filePath(QStringLiteral("results.csv"));
    const QString historyPath = dir.filePath(rulesOf(game).historyFileName());
    const bool csvThere = !(flags & 1);
    const bool historyThere = !(flags & 2) || !history.isEmpty();
    if (csvThere)
        dsfuzz::writeFile(csvPath, csv);
    if (historyThere)
        dsfuzz::writeFile(historyPath, history);
    const QStringList before = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);

    // The same import in memory.
    QByteArray merged = historyThere ? history : QByteArray();
    const ImportReport expected = mergeResults(csv, game, merged);

    ImportReport report;
    {
        std::optional<dsfuzz::FileSizeLimit> full;
        if (flags & 4)
            full.emplace(history.size() + qint64(room) * 8);
        if (flags & 8)
            report = importResultsFile(csvPath, game, historyPath);
        else if (lotto)
            report = importLottoResultsFile(csvPath, game, historyPath);
        else
            report = importThunderballResultsFile(csvPath, historyPath);
    }
    report.text();
    const QByteArray after = dsfuzz::readFile(historyPath);
    QStringList listed = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    if (!csvThere) {
        FUZZ_CHECK(report.refused && report.refusal == QLatin1String("The file results.csv could not be opened."));
        FUZZ_CHECK(listed == before && after == history);
        return 0;
    }
    FUZZ_CHECK(sameReport(report, expected));
    if (report.refused || report.added == 0 || report.writeFailed) {
        FUZZ_CHECK(!report.writeFailed || (flags & 4));
        FUZZ_CHECK(listed == before && after == (historyThere ? history : QByteArray()));
    } else {
        FUZZ_CHECK(after == merged);
        if (!historyThere)
            listed.removeOne(QFileInfo(historyPath).fileName());
        FUZZ_CHECK(listed == before);
    }
    // The counts and order of the records (a full file included).
    dsfuzz::checkImport(csv, game, historyThere ? history : QByteArray());
    return 0;
}
