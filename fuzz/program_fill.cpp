// Filling the per-user program folder from the shipped files, both trees
// built from the input (names that differ only in letter case, files where
// folders are wanted, a full disk): a file the program folder holds is never
// touched; every shipped file is copied whole, found already there under any
// letter case, or reported as failed; a copy leaves nothing else behind; the
// shipped files are never changed; a second fill copies only what failed.
#include "core/programfolder.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>

using namespace ds;

namespace {

// Every file under root (hidden ones too) by relative path, with its bytes.
QMap<QString, QByteArray> contentsUnder(const QString &root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out.insert(QDir(root).relativeFilePath(path), dsfuzz::readFile(path));
    }
    return out;
}

// A name of one to three characters from a small alphabet, so that names
// meet under another letter case; never "." or "..".
QString segment(dsfuzz::Input &in)
{
    static const char alphabet[] = "aAbB.1";
    const int length = 1 + in.byte() % 3;
    QString s;
    for (int i = 0; i < length; ++i)
        s += QLatin1Char(alphabet[in.byte() % 6]);
    return s == QLatin1String(".") || s == QLatin1String("..") ? QStringLiteral("d") : s;
}

// Writes a file where the tree lets it (a file in the way of a folder does not).
void put(const QString &root, const QString &relative, const QByteArray &bytes)
{
    const QString path = QDir(root).filePath(relative);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || QFileInfo(path).isDir())
        return;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// True when some folder level of `relative` is taken, under any letter case,
// by a file of the program folder.
bool blocked(const QString &root, const QString &relative)
{
    const QStringList parts = relative.split(QLatin1Char('/'));
    QStringList dirs = {root};
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        QStringList next;
        for (const QString &d : dirs) {
            for (const QFileInfo &e : QDir(d).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                            QDir::NoDotAndDotDot)) {
                if (e.fileName().compare(parts[i], Qt::CaseInsensitive) != 0)
                    continue;
                if (!e.isDir())
                    return true;
                next << e.filePath();
            }
        }
        if (next.isEmpty())
            return false;
        dirs = next;
    }
    return false;
}

// True when the path names something (a file or a folder) under some letter
// case of each of its levels.
bool presentAnyCase(const QString &root, const QString &relative)
{
    QStringList found = {root};
    for (const QString &part : relative.split(QLatin1Char('/'))) {
        QStringList next;
        for (const QString &d : found)
            for (const QFileInfo &e : QDir(d).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                            QDir::NoDotAndDotDot))
                if (e.fileName().compare(part, Qt::CaseInsensitive) == 0)
                    next << e.filePath();
        found = next;
    }
    return !found.isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 flags = in.byte();
    const quint8 room = in.byte();
    QTemporaryDir top;
    FUZZ_CHECK(top.isValid());
    const QString shipped = top.filePath(QStringLiteral("shipped"));
    const QString program = top.filePath(QStringLiteral("program"));
    QDir().mkpath(shipped);
    if (!(flags & 1))
        QDir().mkpath(program);

    // Up to sixteen files and folders: shipped files, the program folder's
    // own files and folders.
    for (int i = 0; i < 16 && !in.atEnd(); ++i) {
        const quint8 kind = in.byte();
        QStringList parts;
        for (int depth = 1 + (kind >> 2) % 3; depth > 0; --depth)
            parts << segment(in);
        const QString relative = parts.join(QLatin1Char('/'));
        const QByteArray bytes = in.take(in.byte() % 64);
        switch (kind % 4) {
        case 0:
        case 1:
            put(shipped, relative, bytes);
            break;
        case 2:
            put(program, relative, bytes);
            break;
        default:
            QDir().mkpath(QDir(program).filePath(relative));
            break;
        }
    }
    const QMap<QString, QByteArray> ships = contentsUnder(shipped);
    const QMap<QString, QByteArray> held = contentsUnder(program);

    FillResult filled;
    {
        std::optional<dsfuzz::FileSizeLimit> full;
        if (flags & 2)
            full.emplace(room % 64);
        filled = fillProgramFolder(shipped, program);
    }
    FUZZ_CHECK(contentsUnder(shipped) == ships);
    // Nothing written outside the program folder (made when a file is copied).
    const QStringList beside = QDir(top.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    FUZZ_CHECK(beside == (QStringList{QStringLiteral("program"), QStringLiteral("shipped")}) ||
               (beside == QStringList{QStringLiteral("shipped")} && filled.copied.isEmpty()));
    const QMap<QString, QByteArray> now = contentsUnder(program);

    // The program folder's own files, untouched.
    for (auto it = held.begin(); it != held.end(); ++it)
        FUZZ_CHECK(now.value(it.key(), QByteArray("\x01gone")) == it.value());

    // Copied and failed: shipped files, in order, none in both.
    FUZZ_CHECK(std::is_sorted(filled.copied.begin(), filled.copied.end()));
    FUZZ_CHECK(std::is_sorted(filled.failed.begin(), filled.failed.end()));
    for (const QString &r : filled.copied)
        FUZZ_CHECK(ships.contains(r) && !filled.failed.contains(r));
    for (const QString &r : filled.failed) {
        FUZZ_CHECK(ships.contains(r));
        // Only a full disk or a file in the way of a folder makes a copy fail.
        FUZZ_CHECK((flags & 2) || blocked(program, r));
    }

    // Each new file is the whole copy of one copied file (under the letter
    // case of the folders already there), and nothing else appeared.
    QStringList fresh;
    for (auto it = now.begin(); it != now.end(); ++it)
        if (!held.contains(it.key()))
            fresh << it.key();
    FUZZ_CHECK(fresh.size() == filled.copied.size());
    for (const QString &r : filled.copied) {
        qsizetype match = -1;
        for (qsizetype i = 0; i < fresh.size(); ++i)
            if (fresh[i].compare(r, Qt::CaseInsensitive) == 0 && now.value(fresh[i]) == ships.value(r))
                match = i;
        FUZZ_CHECK(match >= 0);
        const QFileInfo copy(QDir(program).filePath(fresh[match]));
        FUZZ_CHECK(copy.permissions() & QFileDevice::WriteOwner);
        fresh.removeAt(match);
    }

    // Nothing lost: every shipped file not failed is in the program folder
    // under some letter case (or a folder of the player's stands there).
    for (auto it = ships.begin(); it != ships.end(); ++it)
        FUZZ_CHECK(filled.failed.contains(it.key()) || presentAnyCase(program, it.key()));

    // Again, with room: only what failed can be copied now.
    const FillResult again = fillProgramFolder(shipped, program);
    for (const QString &r : again.copied)
        FUZZ_CHECK(filled.failed.contains(r) && (flags & 2));
    for (const QString &r : again.failed)
        FUZZ_CHECK(filled.failed.contains(r));
    return 0;
}
