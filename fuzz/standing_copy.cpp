// "Save as Standing Entry" and "Open Standing Entry" on any entry file (up
// to a full-size one): the standing entry file becomes a byte copy of the
// entry file, under whatever letter case it already had; a copy that fails (a
// full disk) leaves the old standing entry byte for byte, or none where there
// was none, and no half-written file beside it; what Open lists is what the
// entry file listed.
#include "core/appstate.h"
#include "core/entryfile.h"
#include "core/filenames.h"
#include "entries/entryplans.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFileInfo>

using namespace ds;

namespace {

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

bool sameEntries(const std::vector<Entry> &a, const std::vector<Entry> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (encodeEntry(a[i]) != encodeEntry(b[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const quint8 grow = in.byte();
    const quint8 room = in.byte();
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    QByteArray current = all.left(split % (all.size() + 1));
    const QByteArray old = all.mid(current.size());
    if (grow & 0x80)
        current = dsfuzz::grownFile(current, EntryRecordSize, dsfuzz::fullRecordCount(grow, 0));

    AppState state;
    state.programFolder = folder();
    const Game game = (pick & 1) ? Game::Irish : Game::UK;
    state.countryCode = gameInfo(game).codeText();
    const QDir dir(state.programFolder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));

    // The entry file on display, and an older standing entry under one
    // spelling or another (or none).
    const QString standName = files::standing(game);
    const QString spellings[] = {standName, standName.toLower(), standName.toUpper()};
    const bool hadStanding = pick & 2;
    const QString oldPath = dir.filePath(spellings[(pick >> 2) % 3]);
    if (hadStanding)
        dsfuzz::writeFile(oldPath, old);
    // Now and then the standing entry itself is the file on display.
    const bool itself = hadStanding && (pick & 0x10);
    state.currentEntryFile = itself ? oldPath : dir.filePath(files::selections(game, QStringLiteral("05061999")));
    if (!itself)
        dsfuzz::writeFile(state.currentEntryFile, current);
    const QByteArray shown = itself ? old : current;
    const FileRead<std::vector<Entry>> read = entryfile::load(state.currentEntryFile);
    FUZZ_CHECK(read.status == ReadStatus::Ok);
    const std::vector<Entry> &listed = read.value;

    // Save: refused without entries, as the window refuses it.
    const QString total = QString::number(listed.size());
    const QString refusal = standingSaveRefusal(total, QStringLiteral("05/06/1999"), state.countryCode,
                                                state.currentEntryFile);
    FUZZ_CHECK(refusal.isEmpty() == !listed.empty());
    const QStringList before = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    if (!refusal.isEmpty())
        return 0;
    const QString target = state.filePath(standName);
    FUZZ_CHECK(!hadStanding || target == oldPath);
    const bool already = QFileInfo(state.currentEntryFile).absoluteFilePath().compare(
                             QFileInfo(target).absoluteFilePath(), Qt::CaseInsensitive) == 0;
    FUZZ_CHECK(already == itself);
    bool copied = true;
    if (!already) {
        std::optional<dsfuzz::FileSizeLimit> full;
        if (pick & 0x20)
            full.emplace(qint64(room) * 64);
        copied = entryfile::copyWhole(state.currentEntryFile, target);
    }
    QStringList after = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    FUZZ_CHECK(dsfuzz::readFile(state.currentEntryFile) == shown);
    if (!copied) {
        FUZZ_CHECK(pick & 0x20);
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(dsfuzz::readFile(target) == (hadStanding ? old : QByteArray()));
        return 0;
    }
    FUZZ_CHECK(dsfuzz::readFile(target) == shown);
    if (!hadStanding)
        after.removeOne(standName);
    FUZZ_CHECK(after == before);

    // Open: the standing entry, whatever its spelling, lists the same entries.
    const QString opened = state.filePath(QStringLiteral("stand") + state.countryCode + QStringLiteral(".lot"));
    FUZZ_CHECK(opened == target);
    const FileRead<std::vector<Entry>> reread = entryfile::load(opened);
    FUZZ_CHECK(reread.status == ReadStatus::Ok && sameEntries(reread.value, listed));
    return 0;
}
