#pragma once

// The web links of the "Web Links" menu and the results download. No window
// code: the main window, the "Maintain Links" window and the Thunderball
// window call these and do the showing and opening.
//
// "weblinks.dat" in the program folder holds five 230-byte records, numbered
// from 1: a 30-byte menu caption and a 200-byte address, single-byte text
// padded with spaces. Record 1 is "Download Results File", record 2 the
// program's own page (the help front page, a local file), records 3 to 5 the
// player's own links.

#include "core/fileread.h"
#include "core/games.h"
#include "platform/browser.h"

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <array>

namespace ds::links {

inline constexpr int RecordSize = 230;
inline constexpr int CaptionWidth = 30;
inline constexpr int AddressWidth = 200;
inline constexpr int LinkCount = 5;
// The player's own links are records 3 to 5.
inline constexpr int FirstOwnLink = 3;
inline constexpr int OwnLinkCount = 3;

// Captions the first two entries carry when the file gives none.
inline constexpr char DownloadCaption[] = "Download Results File";
inline constexpr char HomePageCaption[] = "Drawsmith Web Page";
// The program's own page: the help front page beside the program.
inline constexpr char HomePageAddress[] = "help/index.html";

// Messages of opening a page.
inline constexpr char MsgBrowserNotFound[] = "Could not find associated Browser";
inline constexpr char TitleBrowserNotFound[] = "Browser Not Found";
inline constexpr char MsgUrlFailed[] = "Web Page not Opened";
inline constexpr char TitleUrlFailed[] = "URL Failed";
// Told once at start-up when the links file is there but cannot be read.
inline constexpr char MsgLinksUnreadable[] = "The web links file could not be read.";

struct WebLink {
    QString caption;
    QString address;
    bool operator==(const WebLink &) const = default;
};
using WebLinks = std::array<WebLink, LinkCount>;
using OwnLinks = std::array<WebLink, OwnLinkCount>;

// One record: the caption cut or space-padded to 30 bytes, the address to 200.
// Characters outside single-byte text are stored as "?".
QByteArray encodeRecord(const WebLink &link);
// A record's caption and address with leading and trailing spaces (and the
// zero bytes of a record never written) removed. A short record reads as if
// padded.
WebLink decodeRecord(const QByteArray &record);

// Records 1 to 5 of the file's bytes; records beyond the end are empty.
WebLinks readLinks(const QByteArray &fileBytes);

// Reads the file at path. A missing file gives five empty links (and is not
// created: nothing is written until the player saves links), and so does one
// that cannot be read.
FileRead<WebLinks> loadLinks(const QString &path);

// Stores the player's three links as records 3 to 5, keeping records 1 and 2
// (records the file lacks are written blank), with one crash-safe replacement
// of the file. Returns the links as stored (cut to their widths and trimmed),
// the way the menu shows them from now on. `saved` tells whether the file
// was written; on failure the file is left as it was.
struct SavedLinks {
    OwnLinks stored;
    bool saved = false;
};
SavedLinks saveOwnLinks(const QString &path, const OwnLinks &links);

// What the "Web Links" menu shows for each of the five entries.
struct MenuEntry {
    QString caption;
    bool visible = true;
    bool operator==(const MenuEntry &) const = default;
};
// Entries 1 and 2 always show, under the file's caption or their own; an
// empty entry 3 to 5 is hidden, and one with only an address shows that.
std::array<MenuEntry, LinkCount> menuEntries(const WebLinks &links);

// The address entry k (1 to 5) opens: the file's, or for entry 2 the
// program's own page when the file gives none.
QString entryAddress(const WebLinks &links, int k);

// Turns an address as stored into what the browser is given: an address
// with a scheme ("https:", "file:", "mailto:") as it is; a local file by its
// absolute path, or relative to the program folder when it is there or when
// its first part names no host ("help/index.html"); any other text as a web
// address ("www.example.com"). An empty address gives an empty (invalid)
// address.
QUrl resolveAddress(const QString &address, const QString &programFolder);

// Where an address resolved by resolveAddress() opens: a help page of the
// program folder ("help/wheels.html") in the help window at its topic
// ("wheels"), so that it reads the same pages as "Contents"; another local
// page (HTML or plain text) in the help window too; anything else (web
// addresses, other local files) in the browser.
struct OpenTarget {
    enum Kind { HelpTopic, LocalPage, Browser } kind = Browser;
    QString topicOrPath; // the topic, or the page's path
};
OpenTarget openTarget(const QUrl &address, const QString &programFolder);

// The message for an open that failed; empty for Opened.
struct OpenFailure {
    QString title;
    QString text;
};
OpenFailure openFailure(OpenResult result);

// Record 1's address names the download of each game as
// "UK=<address> IR=<address> TB=<address>" (any order; words without one of
// these keys are ignored, so an address from an older links file falls back
// to the official download).
QString downloadAddressOf(Game game, const WebLink &record1);
// The record 1 address the program ships.
QString defaultDownloadField();

// "Download Results File" (and the Thunderball window's "Download Results"):
// the message telling the player what to do, shown first, then the address
// opened in the browser.
struct DownloadPlan {
    QString message;
    QUrl address;
};
DownloadPlan planDownload(Game game, const WebLink &record1);

} // namespace ds::links
