#include "core/programfolder.h"

#include "core/filenames.h"
#include "core/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace ds {

namespace {

bool holdsDrawHistories(const QString &folder)
{
    for (const Era &e : allEras()) {
        if (existsInFolder(folder, files::history(e)))
            return true;
    }
    return false;
}

// `relative` resolved under `root` one level at a time, each level matched
// without regard to case, so WHEELS/w6.dat finds an existing wheels/W6.DAT.
QString resolveRelative(const QString &root, const QString &relative)
{
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = root;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QDir dir(path);
        QString next = dir.filePath(parts[i]);
        if (!QFileInfo(next).isDir()) {
            for (const QString &entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
                if (entry.compare(parts[i], Qt::CaseInsensitive) == 0) {
                    next = dir.filePath(entry);
                    break;
                }
            }
        }
        path = next;
    }
    return parts.isEmpty() ? path : resolveInFolder(path, parts.last());
}

bool copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QTemporaryFile temp(to + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 16);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            return false;
        if (temp.write(chunk) != chunk.size())
            return false;
    }
    if (!temp.flush())
        return false;
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    // A name taken meanwhile is left alone: rename never replaces here.
    if (QFileInfo::exists(to) || !temp.rename(to))
        return false;
    temp.setAutoRemove(false);
    return true;
}

} // namespace

ProgramFolderChoice chooseProgramFolder(const QString &executableFolder, const QString &shippedFolder,
                                        const QString &perUserFolder)
{
    ProgramFolderChoice c;
    if (holdsDrawHistories(executableFolder)) {
        c.folder = QDir::cleanPath(executableFolder);
        c.rule = QStringLiteral("The program folder is the program's own folder, %1, which holds "
                                "the draw histories.")
                     .arg(QDir::toNativeSeparators(c.folder));
        return c;
    }
    c.folder = QDir::cleanPath(perUserFolder);
    c.perUser = true;
    c.shippedFolder = QDir::cleanPath(shippedFolder);
    c.rule = QStringLiteral("The program folder is your own data folder, %1; the files the "
                            "program ships are copied there from %2 when they are missing.")
                 .arg(QDir::toNativeSeparators(c.folder), QDir::toNativeSeparators(c.shippedFolder));
    return c;
}

FillResult fillProgramFolder(const QString &shippedFolder, const QString &programFolder)
{
    FillResult result;
    const QDir shipped(shippedFolder);
    if (shippedFolder.isEmpty() || !shipped.exists())
        return result;
    QStringList relatives;
    QDirIterator it(shippedFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        relatives << shipped.relativeFilePath(it.next());
    relatives.sort(); // a stable order for the report
    for (const QString &relative : relatives) {
        const QString target = resolveRelative(programFolder, relative);
        if (QFileInfo::exists(target))
            continue;
        const QString parent = QFileInfo(target).absolutePath();
        if (!QDir().mkpath(parent) || !copyWhole(shipped.filePath(relative), target)) {
            result.failed << relative;
            continue;
        }
        result.copied << relative;
    }
    return result;
}

} // namespace ds
