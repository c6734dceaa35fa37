// Wheel tables and "Save Wheel": a table is taken only when its line count
// and every position are sound (none twice in a line); a wheel saved from it
// holds exactly the table's lines over the player's group; any refusal or
// failure (a missing or damaged table, a full disk) leaves the wheel file
// byte for byte.
#include "core/entryfile.h"
#include "core/recordfile.h"
#include "fuzzsupport.h"
#include "wheels/wheels.h"

#include <QDir>
#include <QFileInfo>

using namespace ds;
using namespace ds::wheels;

namespace {

// The table read by hand: L from record 1's seventh field, L whole records,
// positions within 1..n, none twice in a line.
bool tableSound(const QByteArray &bytes, int n)
{
    const int count = getI16(bytes, 12);
    if (count < 1 || bytes.size() / 14 < count)
        return false;
    for (qsizetype r = 0; r < count; ++r) {
        QList<int> line;
        for (qsizetype i = 0; i < 6; ++i) {
            const int p = getI16(bytes, r * 14 + 2 * i);
            if (p < 1 || p > n || line.contains(p))
                return false;
            line << p;
        }
    }
    return true;
}

QString folder()
{
    static QTemporaryDir dir;
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const WheelKind &kind = wheelKind(Guarantees[in.byte() % Guarantees.size()]);
    const quint8 sizePick = in.byte();
    const quint8 pick = in.byte();
    const quint8 room = in.byte();
    const quint16 tableLength = in.u16();
    const quint16 wheelLength = in.u16();
    const QByteArray rest = in.rest();
    const QByteArray table = rest.left(tableLength % (rest.size() + 1));
    const QByteArray wheel = rest.mid(table.size()).left(wheelLength);
    // Mostly a size the kind offers; now and then one it does not.
    const int span = kind.maxGroup - kind.minGroup + 1;
    const int n = (sizePick & 0x80) ? sizePick % 16 : kind.minGroup + sizePick % span;

    // The player's group: the numbers 1 to n spread over the balls, or the
    // text after the files, a box a line.
    QStringList boxes;
    if (pick & 1) {
        const QList<QByteArray> typed = rest.mid(table.size() + wheel.size()).split('\n');
        for (int i = 0; i < kind.maxGroup; ++i)
            boxes << QString::fromLatin1(typed.value(i));
    } else {
        for (int i = 0; i < kind.maxGroup; ++i)
            boxes << QString::number(1 + (i * 11 + sizePick) % 49);
    }

    const WheelTable parsed = parseWheelTable(table, n);
    const bool sound = tableSound(table, n);
    FUZZ_CHECK((parsed.status == ReadStatus::Ok) == sound);
    if (sound) {
        FUZZ_CHECK(int(parsed.value.size()) == getI16(table, 12));
        for (size_t r = 0; r < parsed.value.size(); ++r)
            for (int i = 0; i < 6; ++i)
                FUZZ_CHECK(parsed.value[r][size_t(i)] == getI16(table, qsizetype(r) * 14 + 2 * i));
    } else {
        FUZZ_CHECK(parsed.status == ReadStatus::Damaged && parsed.value.empty());
    }

    const QString dir = folder();
    const QString tablePath = QDir(dir).filePath(tableFileName(kind, n));
    const QString wheelPath = QDir(dir).filePath(wheelFileName(kind, QStringLiteral("UK")));
    for (const QString &name : QDir(dir).entryList(QDir::Files))
        QFile::remove(QDir(dir).filePath(name));
    const bool haveTable = !(pick & 2);
    const bool haveWheel = !(pick & 4);
    if (haveTable)
        dsfuzz::writeFile(tablePath, table);
    if (haveWheel)
        dsfuzz::writeFile(wheelPath, wheel);

    const GroupRead group = readGroup(boxes, offersGroupSize(kind, n) ? n : 0, 49);
    SaveResult saved;
    {
        std::optional<dsfuzz::FileSizeLimit> full;
        if (pick & 8)
            full.emplace(qint64(room) * 4);
        saved = saveWheel(dir, QStringLiteral("UK"), kind, n, boxes, 49);
    }
    const QByteArray after = dsfuzz::readFile(wheelPath);
    if (!saved.saved()) {
        FUZZ_CHECK(QFileInfo::exists(wheelPath) == haveWheel);
        FUZZ_CHECK(after == (haveWheel ? wheel : QByteArray()));
        FUZZ_CHECK(!saved.message.isEmpty());
    }
    using Outcome = SaveResult::Outcome;
    if (!group.refusal.isEmpty()) {
        FUZZ_CHECK(saved.outcome == Outcome::Refused && saved.message == group.refusal);
        FUZZ_CHECK(saved.faultBox >= 0 && saved.faultBox < qMax(n, 1));
        return 0;
    }
    FUZZ_CHECK(int(group.group.size()) == n);
    if (!haveTable) {
        FUZZ_CHECK(saved.outcome == Outcome::TableMissing);
        return 0;
    }
    if (!sound) {
        FUZZ_CHECK(saved.outcome == Outcome::TableDamaged);
        return 0;
    }
    if (saved.outcome == Outcome::WriteFailed) {
        FUZZ_CHECK(pick & 8);
        return 0;
    }
    FUZZ_CHECK(saved.saved() && saved.entries == int(parsed.value.size()));
    QByteArray expected;
    for (const TableLine &line : parsed.value) {
        Entry e;
        for (size_t i = 0; i < 6; ++i)
            e.n[i] = group.group[size_t(line[i] - 1)];
        expected += encodeEntry(e);
    }
    FUZZ_CHECK(after == expected);

    // "Open Wheeling File" reads back what was written.
    const WheelFileOpen opened = openWheelFile(dir, QStringLiteral("UK"), kind);
    FUZZ_CHECK(opened.refusal.isEmpty() && opened.entries.size() == entryfile::load(wheelPath).value.size());
    FUZZ_CHECK(openWheelFile(dir, QString(), kind).refusal == QLatin1String(MsgSelectCountry));
    return 0;
}
