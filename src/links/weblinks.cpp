#include "links/weblinks.h"

#include "core/recordfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ds::links {

namespace {

// Single-byte text of exactly `width` bytes: cut, or padded with spaces.
QByteArray field(const QString &text, int width)
{
    QByteArray bytes = text.toLatin1().left(width);
    // Characters that have no single-byte form come out of toLatin1 as "?"
    // already; keep it that way.
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

QString fieldText(const QByteArray &bytes)
{
    QString s = QString::fromLatin1(bytes);
    // Unwritten records hold zero bytes; treat them as padding.
    s.replace(QChar(0), QLatin1Char(' '));
    return s.trimmed();
}

bool isBlank(const WebLink &l)
{
    return l.caption.isEmpty() && l.address.isEmpty();
}

} // namespace

QByteArray encodeRecord(const WebLink &link)
{
    return field(link.caption, CaptionWidth) + field(link.address, AddressWidth);
}

WebLink decodeRecord(const QByteArray &record)
{
    return {fieldText(record.mid(0, CaptionWidth)), fieldText(record.mid(CaptionWidth, AddressWidth))};
}

WebLinks readLinks(const QByteArray &fileBytes)
{
    WebLinks links;
    for (int k = 1; k <= LinkCount; ++k) {
        // A last record cut short still gives what it holds.
        const qsizetype at = qsizetype(k - 1) * RecordSize;
        links[static_cast<size_t>(k - 1)] = decodeRecord(fileBytes.mid(at, RecordSize));
    }
    return links;
}

FileRead<WebLinks> loadLinks(const QString &path)
{
    const FileRead<QByteArray> read = readFileBytes(path);
    return {read.status, readLinks(read.value)};
}

SavedLinks saveOwnLinks(const QString &path, const OwnLinks &links)
{
    SavedLinks out;
    for (int i = 0; i < OwnLinkCount; ++i)
        out.stored[static_cast<size_t>(i)] = decodeRecord(encodeRecord(links[static_cast<size_t>(i)]));

    RecordFile file(RecordSize);
    if (!file.load(path))
        return out;
    // Records 1 and 2 stay as they are; ones the file lacks are written blank
    // rather than as zero bytes.
    for (int k = 1; k < FirstOwnLink; ++k) {
        if (file.bytes().size() < qsizetype(k) * RecordSize)
            file.setRecord(k, encodeRecord(decodeRecord(file.record(k))));
    }
    for (int i = 0; i < OwnLinkCount; ++i)
        file.setRecord(FirstOwnLink + i, encodeRecord(links[static_cast<size_t>(i)]));
    out.saved = file.save(path);
    return out;
}

std::array<MenuEntry, LinkCount> menuEntries(const WebLinks &links)
{
    std::array<MenuEntry, LinkCount> out;
    for (int i = 0; i < LinkCount; ++i) {
        const WebLink &l = links[static_cast<size_t>(i)];
        MenuEntry &e = out[static_cast<size_t>(i)];
        if (i == 0)
            e = {l.caption.isEmpty() ? QString::fromLatin1(DownloadCaption) : l.caption, true};
        else if (i == 1)
            e = {l.caption.isEmpty() ? QString::fromLatin1(HomePageCaption) : l.caption, true};
        else
            e = {l.caption.isEmpty() ? l.address : l.caption, !isBlank(l)};
    }
    return out;
}

QString entryAddress(const WebLinks &links, int k)
{
    if (k < 1 || k > LinkCount)
        return {};
    const QString &a = links[static_cast<size_t>(k - 1)].address;
    if (k == 2 && a.isEmpty())
        return QString::fromLatin1(HomePageAddress);
    return a;
}

QUrl resolveAddress(const QString &address, const QString &programFolder)
{
    const QString a = address.trimmed();
    if (a.isEmpty())
        return {};
    // "C:\..." and "C:/..." are paths, not a scheme of one letter.
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    // Paths may come with the backslashes of Windows, whatever the desktop.
    QString path = a;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (drive.match(a).hasMatch() || path.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(path);
    if (scheme.match(a).hasMatch())
        return QUrl(a);
    const QString local = QDir::cleanPath(QDir(programFolder).absoluteFilePath(path));
    if (!programFolder.isEmpty() && QFileInfo::exists(local))
        return QUrl::fromLocalFile(local);
    // Not there: "www.example.com/page" is a web address, while a path whose
    // first part names no host ("help/index.html") stays a file of the
    // program folder, which the browser then reports as not opened.
    const QString first = path.section(QLatin1Char('/'), 0, 0);
    if (!programFolder.isEmpty() && path.contains(QLatin1Char('/')) && !first.contains(QLatin1Char('.')))
        return QUrl::fromLocalFile(local);
    return QUrl::fromUserInput(a);
}

OpenTarget openTarget(const QUrl &address, const QString &programFolder)
{
    if (!address.isLocalFile())
        return {};
    const QFileInfo page(address.toLocalFile());
    const QString suffix = page.suffix().toLower();
    const bool html = suffix == QLatin1String("html") || suffix == QLatin1String("htm");
    if (!html && suffix != QLatin1String("txt"))
        return {};
    // "help/index.html": the help pages' folder and its front page's name.
    const QString home = QString::fromLatin1(HomePageAddress);
    const QString helpFolder = QDir::cleanPath(QDir(programFolder).absoluteFilePath(home.section(QLatin1Char('/'), 0, 0)));
    // The help window's topics are the ".html" pages of the help folder.
    if (suffix == QLatin1String("html") && !programFolder.isEmpty() && QDir::cleanPath(page.absolutePath()) == helpFolder)
        return {OpenTarget::HelpTopic, page.completeBaseName()};
    return {OpenTarget::LocalPage, page.absoluteFilePath()};
}

OpenFailure openFailure(OpenResult result)
{
    switch (result) {
    case OpenResult::Opened:
        return {};
    case OpenResult::NoBrowser:
        return {QString::fromLatin1(TitleBrowserNotFound), QString::fromLatin1(MsgBrowserNotFound)};
    case OpenResult::NotOpened:
        break;
    }
    return {QString::fromLatin1(TitleUrlFailed), QString::fromLatin1(MsgUrlFailed)};
}

QString downloadAddressOf(Game game, const WebLink &record1)
{
    const GameInfo &info = gameInfo(game);
    const QString key = QString::fromLatin1(info.downloadKey) + QLatin1Char('=');
    const QStringList words = record1.address.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &w : words) {
        if (w.startsWith(key, Qt::CaseInsensitive) && w.size() > key.size())
            return w.mid(key.size());
    }
    return QString::fromLatin1(info.downloadAddress);
}

QString defaultDownloadField()
{
    QStringList parts;
    for (Game g : AllGames)
        parts << QString::fromLatin1(gameInfo(g).downloadKey) + QLatin1Char('=') +
                     QString::fromLatin1(gameInfo(g).downloadAddress);
    return parts.join(QLatin1Char(' '));
}

DownloadPlan planDownload(Game game, const WebLink &record1)
{
    return {QString::fromLatin1(gameInfo(game).downloadMessage), QUrl::fromUserInput(downloadAddressOf(game, record1))};
}

} // namespace ds::links
