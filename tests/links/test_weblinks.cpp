#include "links/linkactions.h"
#include "links/weblinks.h"
#include "support/printers.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace ds;
using namespace ds::links;

namespace {

// A record built by hand: caption and address padded with spaces.
QByteArray rec(const QByteArray &caption, const QByteArray &address)
{
    return caption + QByteArray(30 - caption.size(), ' ') + address + QByteArray(200 - address.size(), ' ');
}

WebLink lnk(const char *caption, const char *address)
{
    return WebLink{QString::fromLatin1(caption), QString::fromLatin1(address)};
}

MenuEntry shown(const char *caption) { return MenuEntry{QString::fromLatin1(caption), true}; }

} // namespace

TEST(WebLinksRecord, CaptionsAreCutTo30AndAddressesTo200)
{
    for (const int over : {0, 1}) { // just fitting, then one character too long: the last is dropped
        const QString caption = QString(29 + over, u'c') + u'C';
        const QString address = QString(199 + over, u'a') + u'A';
        const QByteArray bytes = encodeRecord({caption, address});
        EXPECT_EQ(bytes, QByteArray(29, 'c') + (over ? "c" : "C") + QByteArray(199, 'a') + (over ? "a" : "A")) << over;
        EXPECT_EQ(decodeRecord(bytes), (WebLink{caption.left(30), address.left(200)})) << over;
    }
}

TEST(WebLinksRecord, ReadingTrimsSpacesAndTheZerosOfUnwrittenRecords)
{
    QByteArray r = rec("  My Club ", " http://club.example/ ");
    EXPECT_EQ(decodeRecord(r), (WebLink{QStringLiteral("My Club"), QStringLiteral("http://club.example/")}));
    EXPECT_EQ(decodeRecord(QByteArray(230, '\0')), WebLink{});
    // Single-byte text: a pound sign survives, other characters become "?".
    const QByteArray enc = encodeRecord({QStringLiteral("£5 \u20ac"), QString()});
    EXPECT_EQ(enc.left(5), QByteArray("\xa3" "5 ? "));
    // Two whole records and part of a third, read as if padded.
    const QByteArray bytes = rec("One", "http://one.example") + rec("Two", "two.html") + QByteArray("Thr");
    EXPECT_EQ(readLinks(bytes), (WebLinks{lnk("One", "http://one.example"), lnk("Two", "two.html"), lnk("Thr", ""),
                                          WebLink{}, WebLink{}}));
}

TEST(WebLinksFile, SavingKeepsRecords1And2AndWritesTheOwnLinks)
{
    dstest::TestFolder dir;
    const QByteArray first = rec("Download Results File", "UK=https://dl.example/uk");
    const QByteArray second = rec("Drawsmith Web Page", "help/index.html");
    const QByteArray sixth = rec("Kept", "beyond the fifth");
    dir.write(QStringLiteral("weblinks.dat"), first + second + rec("Old", "old") + rec("", "") + rec("", "") + sixth);

    const OwnLinks own{WebLink{"Results at the club " + QString(20, u'x'), QStringLiteral("club.example")},
                       WebLink{},
                       WebLink{QStringLiteral("News"), QStringLiteral("https://news.example/") + QString(190, u'n')}};
    const SavedLinks s = saveOwnLinks(dir.file(QStringLiteral("weblinks.dat")), own);
    ASSERT_TRUE(s.saved);
    EXPECT_EQ(dir.read(QStringLiteral("weblinks.dat")),
              first + second + rec("Results at the club xxxxxxxxxx", "club.example") + rec("", "")
                  + rec("News", "https://news.example/" + QByteArray(179, 'n')) + sixth);
    // What the menu shows from now on: the stored, cut texts.
    const WebLinks back = readLinks(dir.read(QStringLiteral("weblinks.dat")));
    EXPECT_EQ(s.stored, (OwnLinks{back[2], back[3], back[4]}));
}

TEST(WebLinksFile, AMissingFileReadsEmptyAndSavingWritesItWithBlankFirstRecords)
{
    dstest::TestFolder dir;
    const FileRead<WebLinks> l = loadLinks(dir.file(QStringLiteral("weblinks.dat")));
    EXPECT_EQ(l.status, ReadStatus::Missing);
    EXPECT_EQ(l.value, WebLinks{});
    EXPECT_FALSE(dir.exists(QStringLiteral("weblinks.dat")));
    const OwnLinks own{WebLink{QStringLiteral("A"), QStringLiteral("a.example")}, WebLink{}, WebLink{}};
    ASSERT_TRUE(saveOwnLinks(dir.file(QStringLiteral("weblinks.dat")), own).saved);
    EXPECT_EQ(dir.read(QStringLiteral("weblinks.dat")),
              rec("", "") + rec("", "") + rec("A", "a.example") + rec("", "") + rec("", ""));

    // A save that fails is reported and writes nothing; the menu keeps the links typed.
    const QString path = dir.file(QStringLiteral("no such folder/weblinks.dat"));
    const SavedLinks s = saveOwnLinks(path, own);
    EXPECT_FALSE(s.saved || QFile::exists(path));
    EXPECT_EQ(s.stored, own);
}

TEST(WebLinksMenu, EntriesShowTheirCaptionsAndOpenTheirAddressesAndEmptyOwnLinksHide)
{
    const MenuEntry hidden{QString(), false};
    EXPECT_EQ(menuEntries(WebLinks{}), (std::array<MenuEntry, 5>{shown("Download Results File"),
                                                                 shown("Drawsmith Web Page"), hidden, hidden, hidden}));
    const WebLinks own{lnk("Get Results", ""), lnk("Home", ""), lnk("Club", "club.example"),
                       lnk("", "https://only.example/"), lnk("No address", "")};
    EXPECT_EQ(menuEntries(own), (std::array<MenuEntry, 5>{shown("Get Results"), shown("Home"), shown("Club"),
                                                          shown("https://only.example/"), shown("No address")}));

    WebLinks l;
    EXPECT_EQ(entryAddress(l, 2), QStringLiteral("help/index.html"));
    l[1].address = QStringLiteral("https://mine.example");
    l[3].address = QStringLiteral("four");
    EXPECT_EQ(entryAddress(l, 2), QStringLiteral("https://mine.example"));
    EXPECT_EQ(entryAddress(l, 4), QStringLiteral("four"));
    EXPECT_EQ(entryAddress(l, 0) + entryAddress(l, 3) + entryAddress(l, 6), QString());
}

TEST(WebLinksAddress, AddressesBecomeWhatTheBrowserIsGiven)
{
    dstest::TestFolder dir;
    QDir(dir.path()).mkdir(QStringLiteral("help"));
    dir.write(QStringLiteral("help/index.html"), "<html></html>");
    const QString folderUrl = QUrl::fromLocalFile(dir.path()).toString();
    struct Case {
        QString address;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("https://www.example.com/a?b=1"), QStringLiteral("https://www.example.com/a?b=1")},
        {QStringLiteral("  http://x.example  "), QStringLiteral("http://x.example")},
        {QStringLiteral("www.example.com"), QStringLiteral("http://www.example.com")},
        {QStringLiteral("/srv/pages/a.html"), QStringLiteral("file:///srv/pages/a.html")},
        {QStringLiteral("C:\\Pages\\a.htm"), QStringLiteral("file:///C:/Pages/a.htm")},
        {QStringLiteral("help/index.html"), folderUrl + QStringLiteral("/help/index.html")},
        {QStringLiteral("help\\index.html"), folderUrl + QStringLiteral("/help/index.html")},
        {QString(), QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        EXPECT_EQ(resolveAddress(c.address, dir.path()).toString(), c.expected);
    }
    EXPECT_FALSE(resolveAddress(QStringLiteral("   "), dir.path()).isValid());
}

TEST(WebLinksAddress, LocalPagesOpenInTheHelpWindowTheHelpsOwnAtTheirTopic)
{
    const QString folder = QStringLiteral("/home/pat/Drawsmith");
    struct Case {
        const char *url;
        OpenTarget::Kind kind;
        const char *topicOrPath;
    };
    const Case cases[] = {
        {"file:///home/pat/Drawsmith/help/index.html", OpenTarget::HelpTopic, "index"},
        {"file:///home/pat/Drawsmith/help/wheels.html", OpenTarget::HelpTopic, "wheels"},
        {"file:///home/pat/Drawsmith/help/club.htm", OpenTarget::LocalPage, "/home/pat/Drawsmith/help/club.htm"},
        {"file:///home/pat/Drawsmith/help/notes.txt", OpenTarget::LocalPage, "/home/pat/Drawsmith/help/notes.txt"},
        {"file:///home/pat/Drawsmith/club/help/index.html", OpenTarget::LocalPage,
         "/home/pat/Drawsmith/club/help/index.html"},
        {"file:///srv/pages/A.HTML", OpenTarget::LocalPage, "/srv/pages/A.HTML"},
        {"file:///srv/pages/card.pdf", OpenTarget::Browser, ""},
        {"file:///srv/pages", OpenTarget::Browser, ""},
        {"https://www.example.com/index.html", OpenTarget::Browser, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.url);
        const OpenTarget t = openTarget(QUrl(QString::fromLatin1(c.url)), folder);
        EXPECT_EQ(t.kind, c.kind);
        EXPECT_EQ(t.topicOrPath, QString::fromLatin1(c.topicOrPath));
    }
}

TEST(Download, EachGameOpensItsOfficialDownloadAndIsToldWhereTheFileIsBroughtIn)
{
    const char *uk = "https://www.national-lottery.co.uk/results/lotto/draw-history/csv";
    const char *ir = "https://www.lottery.ie/results/lotto/history";
    const char *tb = "https://www.national-lottery.co.uk/results/thunderball/draw-history/csv";
    const QString shipped = defaultDownloadField();
    struct Case { Game game; QString record1Address; const char *expected; };
    const Case cases[] = {
        {Game::UK, QString(), uk}, {Game::Irish, shipped, ir}, {Game::Thunderball, shipped, tb},
        // Maintained addresses, in any order and letter case of the key.
        {Game::Irish, QStringLiteral("tb=https://t.example/csv  ir=https://i.example/r UK=https://u.example"),
         "https://i.example/r"},
        {Game::UK, QStringLiteral("tb=https://t.example/csv"), uk},
        // The folder address of an older links file does not lead to a dead site.
        {Game::UK, QStringLiteral("http://old.example/lotto"), uk},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.record1Address.toStdString());
        const DownloadPlan plan = planDownload(c.game, WebLink{QStringLiteral("Download"), c.record1Address});
        EXPECT_EQ(plan.address.toString(), QString::fromLatin1(c.expected));
    }

    // The UK message is checked through the Download menu entry (LinksTest).
    const WebLink none;
    const QString tbMessage = planDownload(Game::Thunderball, none).message;
    EXPECT_TRUE(tbMessage.contains(QStringLiteral("\"Import Results...\" in the Thunderball window")))
        << tbMessage.toStdString();
    // The Irish page is no ready-made file: the message gives the heading the import reads.
    EXPECT_TRUE(planDownload(Game::Irish, none).message.contains(QStringLiteral("date,draw,n1,n2,n3,n4,n5,n6,bonus")));
}

TEST(ShippedData, TheLinksPointAtTheDownloadsAndTheHelpWhosePagesAllFindTheirLinks)
{
    QFile f(QStringLiteral(DRAWSMITH_SOURCE_DATA "/weblinks.dat"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const WebLinks l = readLinks(bytes);
    EXPECT_EQ(l[0], (WebLink{QStringLiteral("Download Results File"), defaultDownloadField()}));
    EXPECT_EQ(l[1], (WebLink{QStringLiteral("Drawsmith Web Page"), QStringLiteral("help/index.html")}));
    EXPECT_EQ(bytes.mid(2 * 230), QByteArray(3 * 230, ' '));

    const QDir help(QStringLiteral(DRAWSMITH_SOURCE_DATA "/help"));
    const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files);
    // The topics the program and these pages promise.
    for (const char *topic : {"index", "draws", "entries", "checking", "suggesting", "statistics", "wheels", "import"})
        EXPECT_TRUE(pages.contains(QString::fromLatin1(topic) + QStringLiteral(".html"))) << topic;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#:]+)\""));
    for (const QString &page : pages) {
        QFile f(help.filePath(page));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toStdString();
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(help.exists(target)) << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST(HelpFolder, TheShippedCopyIsReadWhereThereIsOne)
{
    dstest::TestFolder program, shipped;
    EXPECT_EQ(helpFolder(program.path(), shipped.path()), program.file(QStringLiteral("help")));
    QDir(shipped.path()).mkdir(QStringLiteral("help"));
    shipped.write(QStringLiteral("help/index.html"), "<html></html>");
    EXPECT_EQ(helpFolder(program.path(), shipped.path()), shipped.file(QStringLiteral("help")));
}

namespace {

// A help page's words as the reader sees them: no tags, entities read, spaces single.
QString helpText(const char *page)
{
    QFile f(QStringLiteral(DRAWSMITH_SOURCE_DATA "/help/") + QString::fromLatin1(page));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text.simplified();
}

} // namespace

TEST(ShippedData, TheHelpSaysWhatTheProgramDoes)
{
    struct Case {
        const char *page;
        const char *sentence;
        bool said;
    };
    const Case cases[] = {
        // Where the files are, for a copy in its own folder and an installed one.
        {"index.html", "the folder Drawsmith is started from", false},
        {"index.html", "A copy run from a folder of its own (the build folder, or a folder it was unpacked into) "
                       "keeps its files in that folder, beside the program.", true},
        {"index.html", "so it keeps its files in your own data folder: ~/.local/share/Drawsmith/Drawsmith on Linux",
         true},
        {"index.html", "Help > About names the folder this copy uses, and its Open Program Folder button opens it "
                       "on your desktop.", true},
        {"index.html", "copying the program folder that the About window names is enough.", true},
        // The weeks are set in the Thunderball window.
        {"thunderball.html", "and sets for how many weekly draws", false},
        {"thunderball.html", "How many weekly draws from that date the entries are played is set with the Weeks "
                             "Cover slider in the Selections frame of the Thunderball window", true},
        // Saved ticket offsets after a restart.
        {"printing.html", "Save the offsets and they are used from then on", false},
        {"printing.html", "after a restart, Print Entries uses the saved offsets until you print a test ticket",
         true},
        {"printing.html", "offsets that Test refuses are refused by Print Entries too", true},
        {"printing.html", "saved offsets that Test would refuse are refused there too", true},
        // Local pages in the help window.
        {"links.html", "Drawsmith Web Page: these help pages, in Drawsmith's help window;", true},
        {"links.html", "A link to a page on your computer (an HTML or text file) opens in Drawsmith's help window",
         true},
        {"links.html", "Drawsmith says \"The web links file could not be read.\" when it starts", true},
        // Updating and exporting results, and from the Thunderball window.
        {"import.html", "File Manager > Update Results fetches the official results file of the current game and "
                        "imports it", true},
        {"import.html", "File Manager > Export Results... (and File > Export Results... in the Thunderball window) "
                        "writes every draw of the current game, of every era, in date order", true},
        {"thunderball.html", "File > Update Results fetches the official Thunderball results file and imports it",
         true},
        // What File Maintenance lists, and how the other windows open.
        {"entries.html", "lists the entry files and results files", false},
        {"statistics.html", "Indepth Analysis opens the Charts window", true},
        {"suggesting.html", "Constrain in the Suggest Entries frame opens the Contraints window", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(helpText(c.page).contains(QString::fromLatin1(c.sentence)), c.said) << c.page << ": " << c.sentence;
}
