// "weblinks.dat": the five links read from any bytes, the player's three
// links stored without touching the first two.
#include "fuzzsupport.h"
#include "links/weblinks.h"

using namespace ds;
using namespace ds::links;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    const QByteArray bytes = all.left(split % (all.size() + 1));
    // The player's links: the text after the file, lines of caption and address.
    const QList<QByteArray> typed = all.mid(bytes.size()).split('\n');
    OwnLinks own;
    for (int i = 0; i < OwnLinkCount; ++i)
        own[size_t(i)] = {QString::fromUtf8(typed.value(2 * i)), QString::fromUtf8(typed.value(2 * i + 1))};

    const QString path = dsfuzz::scratchFile("weblinks.dat");
    dsfuzz::writeFile(path, bytes);
    const FileRead<WebLinks> loaded = loadLinks(path);
    FUZZ_CHECK(loaded.status == ReadStatus::Ok);
    FUZZ_CHECK(loaded.value == readLinks(bytes));
    const auto entries = menuEntries(loaded.value);
    FUZZ_CHECK(entries[0].visible && entries[1].visible);
    for (int k = 1; k <= LinkCount; ++k)
        resolveAddress(entryAddress(loaded.value, k), QStringLiteral("/opt/drawsmith"));
    for (Game g : {Game::UK, Game::Irish, Game::Thunderball})
        planDownload(g, loaded.value[0]);

    const SavedLinks saved = saveOwnLinks(path, own);
    FUZZ_CHECK(saved.saved);
    const FileRead<WebLinks> reread = loadLinks(path);
    FUZZ_CHECK(reread.status == ReadStatus::Ok);
    FUZZ_CHECK(reread.value[0] == loaded.value[0] && reread.value[1] == loaded.value[1]);
    for (int i = 0; i < OwnLinkCount; ++i) {
        FUZZ_CHECK(reread.value[size_t(FirstOwnLink - 1 + i)] == saved.stored[size_t(i)]);
        // What was stored reads back the same when stored again.
        FUZZ_CHECK(decodeRecord(encodeRecord(saved.stored[size_t(i)])) == saved.stored[size_t(i)]);
    }
    // Records beyond the five are kept as they were.
    const QByteArray now = dsfuzz::readFile(path);
    FUZZ_CHECK(now.size() >= LinkCount * RecordSize);
    FUZZ_CHECK(now.mid(LinkCount * RecordSize) == bytes.mid(LinkCount * RecordSize));
    return 0;
}
