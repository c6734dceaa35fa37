#include "wheels/wheels.h"

#include "core/filenames.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "core/recordfile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace ds {
namespace wheels {

namespace {

constexpr int TableRecordSize = 14;

const WheelKind Kinds[] = {
    {6, "Form10", "Wheel 6",
     "Using a Specified Number of Balls, If any 6 from that group are drawn as the main balls you are "
     "guaranteed a jackpot win!",
     6, 13, {1, 7, 28, 84, 210, 462, 924, 1716}, "J", false, "Wheel6",
     "You have not created a wheeling entry, use the 6 New command in the file manager.", false},
    {5, "Form11", "Wheel 5",
     "Using a Specified Number of Balls, If any 5 from that group are drawn as the main balls you are "
     "guaranteed a 5 number win!",
     8, 12, {12, 30, 50, 101, 132}, "5", false, "Wheel5",
     "You have not created a wheeling entry, use the 5 new command in the file manager.", false},
    {4, "Form12", "Wheel 4",
     "Using a Specified Number of Balls, If any 4 from that group are drawn as the main balls you are "
     "guaranteed a 4 number win!",
     7, 12, {5, 7, 12, 20, 32, 41}, "4", true, "Wheel4",
     "You have not created a wheeling entry, use the 4 new command in the file manager.", false},
    {3, "Form13", "Wheel 3",
     "Using a Specified Number of Balls, If any 3 from that group are drawn as the main balls you are "
     "guaranteed a 3 win!",
     8, 13, {4, 7, 10, 11, 15, 21}, "3", true, "Wheel3",
     "You have not created a wheeling entry, use the 3 new command in the file manager.", true},
};

} // namespace

const WheelKind &wheelKind(int guarantee)
{
    for (const WheelKind &k : Kinds)
        if (k.guarantee == guarantee)
            return k;
    return Kinds[0];
}

bool offersGroupSize(const WheelKind &kind, int n)
{
    return n >= kind.minGroup && n <= kind.maxGroup;
}

int linesFor(const WheelKind &kind, int n)
{
    return offersGroupSize(kind, n) ? kind.lines[static_cast<size_t>(n - kind.minGroup)] : 0;
}

QStringList groupSizeItems(const WheelKind &kind)
{
    QStringList items;
    for (int n = kind.minGroup; n <= kind.maxGroup; ++n)
        items << QLatin1Char(' ') + QString::number(n);
    return items;
}

int groupSizeFromText(const WheelKind &kind, const QString &text)
{
    const qint64 n = readBoxNumber(text);
    return offersGroupSize(kind, static_cast<int>(std::clamp<qint64>(n, 0, 100))) ? static_cast<int>(n) : 0;
}

bool numberBoxEnabled(const WheelKind &kind, int n, int position)
{
    return position >= 1 && position <= kind.maxGroup && (position <= kind.minGroup || position <= n);
}

QString tableFileName(const WheelKind &kind, int n)
{
    return files::wheelTable(kind.tablePrefix, n, kind.twoDigitSize);
}

QString wheelFileName(const WheelKind &kind, const QString &countryCode)
{
    const std::optional<Game> game = gameOfCountry(countryCode);
    return game ? files::wheel(*game, kind.guarantee) : QString();
}

GroupRead readGroup(std::span<const QString> boxTexts, int n, int maxBall)
{
    GroupRead r;
    if (n < 1 || static_cast<size_t>(n) > boxTexts.size()) {
        r.refusal = InvalidNumbersMessage;
        r.faultBox = 0;
        return r;
    }
    std::vector<qint64> values;
    for (int i = 0; i < n; ++i)
        values.push_back(readBoxNumber(boxTexts[static_cast<size_t>(i)]));
    for (int i = 0; i < n; ++i) {
        const qint64 v = values[static_cast<size_t>(i)];
        if (v < 1 || v > maxBall) {
            r.refusal = InvalidNumbersMessage;
            r.faultBox = i;
            return r;
        }
    }
    for (int i = 1; i < n; ++i) {
        const auto end = values.begin() + i;
        if (std::find(values.begin(), end, values[static_cast<size_t>(i)]) != end) {
            r.refusal = SameNumbersMessage;
            r.faultBox = i;
            return r;
        }
    }
    std::sort(values.begin(), values.end());
    for (qint64 v : values)
        r.group.push_back(static_cast<qint16>(v));
    return r;
}

WheelTable parseWheelTable(const QByteArray &bytes, int n)
{
    WheelTable t;
    const qint16 count = getI16(bytes, 12);
    if (count < 1 || bytes.size() / TableRecordSize < count) {
        t.status = ReadStatus::Damaged;
        return t;
    }
    t.value.reserve(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r) {
        TableLine line{};
        for (int i = 0; i < 6; ++i) {
            const qint16 p = getI16(bytes, static_cast<qsizetype>(r) * TableRecordSize + 2 * i);
            const auto before = line.begin() + i;
            // A position used twice would put one number twice into an entry.
            if (p < 1 || p > n || std::find(line.begin(), before, p) != before) {
                t.status = ReadStatus::Damaged;
                t.value.clear();
                return t;
            }
            line[static_cast<size_t>(i)] = p;
        }
        t.value.push_back(line);
    }
    return t;
}

WheelTable loadWheelTable(const QString &path, int n)
{
    const FileRead<QByteArray> read = readFileBytes(path);
    if (read.status != ReadStatus::Ok)
        return {read.status, {}};
    return parseWheelTable(read.value, n);
}

std::vector<Numbers6> generateWheel(std::span<const qint16> group, std::span<const TableLine> lines)
{
    std::vector<Numbers6> out;
    out.reserve(lines.size());
    for (const TableLine &line : lines) {
        Numbers6 e{};
        for (size_t i = 0; i < 6; ++i) {
            const int p = line[i];
            // Positions were checked against the group size when the table was read.
            e[i] = (p >= 1 && static_cast<size_t>(p) <= group.size()) ? group[static_cast<size_t>(p - 1)] : 0;
        }
        out.push_back(e);
    }
    return out;
}

QString tableMissingMessage(const QString &tableName)
{
    return QStringLiteral("The wheel table %1 is missing from the program folder, so the wheel cannot be "
                          "made. Your existing wheel file has not been changed.")
        .arg(tableName);
}

QString tableDamagedMessage(const QString &tableName)
{
    return QStringLiteral("The wheel table %1 in the program folder cannot be read, so the wheel cannot be made. "
                          "Your existing wheel file has not been changed.")
        .arg(tableName);
}

QString wheelNotWrittenMessage(const QString &wheelName)
{
    return QStringLiteral("The wheel could not be written to %1. Your existing wheel file has not been changed.")
        .arg(wheelName);
}

SaveResult saveWheel(const QString &programFolder, const QString &countryCode, const WheelKind &kind,
                     int n, std::span<const QString> boxTexts, int maxBall)
{
    SaveResult r;
    const GroupRead group = readGroup(boxTexts, offersGroupSize(kind, n) ? n : 0, maxBall);
    if (!group.refusal.isEmpty()) {
        r.outcome = SaveResult::Outcome::Refused;
        r.message = group.refusal;
        r.faultBox = group.faultBox;
        return r;
    }
    const QString tableName = tableFileName(kind, n);
    const WheelTable table = loadWheelTable(resolveInFolder(programFolder, tableName), n);
    if (table.status != ReadStatus::Ok) {
        // Unreadable, too large or damaged: the table cannot be read.
        const bool missing = table.missing();
        r.outcome = missing ? SaveResult::Outcome::TableMissing : SaveResult::Outcome::TableDamaged;
        r.message = missing ? tableMissingMessage(tableName) : tableDamagedMessage(tableName);
        return r;
    }
    const QString wheelName = wheelFileName(kind, countryCode);
    r.wheelPath = resolveInFolder(programFolder, wheelName);
    const std::vector<Numbers6> entries = generateWheel(group.group, table.value);
    if (!entryfile::writeWheel(r.wheelPath, entries)) {
        r.outcome = SaveResult::Outcome::WriteFailed;
        r.message = wheelNotWrittenMessage(wheelName);
        return r;
    }
    r.entries = static_cast<int>(entries.size());
    r.message = QString::fromLatin1(MsgWheelSaved);
    return r;
}

WheelFileOpen openWheelFile(const QString &programFolder, const QString &countryCode, const WheelKind &kind)
{
    WheelFileOpen r;
    if (countryCode.isEmpty()) {
        r.refusal = QString::fromLatin1(MsgSelectCountry);
        return r;
    }
    const QString path = resolveInFolder(programFolder, wheelFileName(kind, countryCode));
    FileRead<std::vector<Entry>> read = entryfile::load(path);
    if (read.missing()) {
        r.refusal = QString::fromLatin1(kind.missingFile);
        return r;
    }
    if (!read.usable()) {
        r.refusal = unreadableFileMessage(QFileInfo(path).fileName());
        return r;
    }
    r.entries = std::move(read.value);
    r.path = path;
    return r;
}

} // namespace wheels
} // namespace ds
