#include "core/programfolder.h"

#include "core/filenames.h"
#include "core/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <algorithm>

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

QStringList filesUnder(const QString &folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    QStringList relatives;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        relatives << dir.relativeFilePath(it.next());
    relatives.sort(); // a stable order for the report
    return relatives;
}

FillResult fillProgramFolder(const QString &shippedFolder, const QString &programFolder)
{
    FillResult result;
    const QDir shipped(shippedFolder);
    for (const QString &relative : filesUnder(shippedFolder)) {
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

FolderState prepareProgramFolder(const QString &folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return FolderState::NotCreated;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".drawsmith-probe-XXXXXX")));
    if (!probe.open() || probe.write("x", 1) != 1 || !probe.flush())
        return FolderState::NotWritable;
    return FolderState::Ready;
}

QString folderStateMessage(FolderState state, const QString &folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    switch (state) {
    case FolderState::Ready:
        break;
    case FolderState::NotCreated:
        return QStringLiteral("The program folder %1 could not be created. Draws, entries and settings cannot be "
                              "saved until it can be.")
            .arg(shown);
    case FolderState::NotWritable:
        return QStringLiteral("The program folder %1 cannot be written to. Draws, entries and settings cannot be "
                              "saved until it can be.")
            .arg(shown);
    }
    return {};
}

QStringList removeSaveLeftovers(const QString &folder, const QStringList &ownNames, const QDateTime &now)
{
    // The own names by the folder they are in ("" for the program folder).
    QMap<QString, QList<QRegularExpression>> namesIn;
    for (const QString &name : ownNames) {
        const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
        namesIn[slash < 0 ? QString() : name.left(slash)]
            << QRegularExpression(QRegularExpression::wildcardToRegularExpression(name.mid(slash + 1)),
                                  QRegularExpression::CaseInsensitiveOption);
    }
    static const QRegularExpression leftover(QStringLiteral("^(.+)\\.([A-Za-z]{6})$"));
    QStringList removed;
    for (auto it = namesIn.cbegin(); it != namesIn.cend(); ++it) {
        // A subfolder is found whatever its letter case, as the fill finds it.
        const QDir dir(it.key().isEmpty() ? folder
                                          : QFileInfo(resolveRelative(folder, it.key() + QStringLiteral("/-"))).path());
        if (!dir.exists())
            continue;
        for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const QRegularExpressionMatch m = leftover.match(entry);
            if (!m.hasMatch())
                continue;
            const QString letters = m.captured(2);
            if (letters == letters.toLower() || letters == letters.toUpper())
                continue;
            const QString base = m.captured(1);
            const bool own = std::any_of(it.value().cbegin(), it.value().cend(),
                                         [&base](const QRegularExpression &n) { return n.match(base).hasMatch(); });
            if (!own)
                continue;
            const QString path = dir.filePath(entry);
            const QDateTime written = QFileInfo(path).lastModified();
            if (!written.isValid() || written.secsTo(now) < LeftoverMinimumAgeSeconds)
                continue;
            if (QFile::remove(path))
                removed << QDir(folder).relativeFilePath(path);
        }
    }
    removed.sort();
    return removed;
}

ProgramFolderStart startProgramFolder(const QString &executableFolder, const QString &shippedFolder,
                                      const QString &perUserFolder, const QStringList &ownNames,
                                      const QDateTime &now)
{
    ProgramFolderStart start;
    start.choice = chooseProgramFolder(executableFolder, shippedFolder, perUserFolder);
    start.state = prepareProgramFolder(start.choice.folder);
    start.problem = folderStateMessage(start.state, start.choice.folder);
    if (start.state != FolderState::Ready)
        return start;
    QStringList names = ownNames;
    if (start.choice.perUser)
        names += filesUnder(start.choice.shippedFolder); // the copies the fill makes
    start.leftoversRemoved = removeSaveLeftovers(start.choice.folder, names, now);
    if (start.choice.perUser)
        start.filled = fillProgramFolder(start.choice.shippedFolder, start.choice.folder);
    return start;
}

} // namespace ds
