#include "links/about.h"
#include "links/weblinks.h"
#include "support/mainfixture.h"

#include <QDir>
#include <QLabel>

using namespace ds;
using namespace dstest;

namespace {

QByteArray rec(const QByteArray &caption, const QByteArray &address)
{
    return caption.leftJustified(30, ' ') + address.leftJustified(200, ' ');
}

const QString UkCsv = QStringLiteral("https://www.national-lottery.co.uk/results/lotto/draw-history/csv");

class LinksTest : public MainFixture {
protected:
    // The links file as the program ships it, with the player's links.
    void writeLinks(const QByteArray &own = rec("", "") + rec("", "") + rec("", ""))
    {
        QFile shipped(QStringLiteral(DRAWSMITH_SOURCE_DATA "/weblinks.dat"));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        dir.write(QStringLiteral("weblinks.dat"), shipped.read(2 * 230) + own);
    }
    QAction *entry(int k)
    {
        return child<QAction>(window.get(), QStringLiteral("mnufree%1").arg(k).toLatin1().constData());
    }
    QStringList captions()
    {
        QStringList out;
        for (int k = 1; k <= 5; ++k)
            out << (entry(k)->isVisible() ? entry(k)->text() : QStringLiteral("(hidden)"));
        return out;
    }
    static QWidget *form14() { return topLevel<QWidget>("Form14"); }
    static QWidget *about() { return topLevel<QWidget>("frmAbout"); }
};

} // namespace

TEST_F(LinksTest, StartUpLoadsTheMenuAndEachEntryOpensItsAddressTheHelpOrTheGamesDownload)
{
    writeLinks(rec("Club", "www.club.example") + rec("", "") + rec("", "notes.html"));
    QDir(dir.path()).mkdir(QStringLiteral("help"));
    dir.write(QStringLiteral("help/index.html"), "<html></html>");
    dir.write(QStringLiteral("notes.html"), "<html></html>");
    start();
    EXPECT_EQ(captions(), (QStringList{"Download Results File", "Drawsmith Web Page", "Club", "(hidden)", "notes.html"}));
    trigger(window.get(), "mnufree2");
    trigger(window.get(), "mnufree3");
    trigger(window.get(), "mnufree5");
    // The home page is the help's front page; a player's page opens in the help window too.
    EXPECT_EQ(fakes.help.topics, QStringList{"index"});
    EXPECT_EQ(fakes.help.pages, QStringList{dir.file("notes.html")});
    EXPECT_EQ(fakes.browser.opened, QStringList{"http://www.club.example"});
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    // A page the help window cannot read is told as a page not opened.
    fakes.help.found = false;
    trigger(window.get(), "mnufree5");
    EXPECT_EQ(fakes.dialogs.warnings, QStringList{"URL Failed: Web Page not Opened"});
    fakes.help.found = true;

    // Download tells what to do, then opens the game's official download.
    fakes.dialogs.clear();
    trigger(window.get(), "mnufree1");
    ASSERT_EQ(fakes.dialogs.log.size(), 2);
    EXPECT_TRUE(fakes.dialogs.log[0].contains(QStringLiteral("\"Import Results...\" on the File Manager menu")));
    EXPECT_EQ(fakes.dialogs.log[1], QStringLiteral("open: ") + UkCsv);
    EXPECT_EQ(fakes.dialogs.news, QStringList{fakes.dialogs.messages.value(0)}); // told as news
    // A failed open is told after the download message.
    fakes.browser.result = OpenResult::NoBrowser;
    trigger(window.get(), "mnufree1");
    ASSERT_EQ(fakes.dialogs.log.size(), 5);
    EXPECT_EQ(fakes.dialogs.log[4], QStringLiteral("message: Could not find associated Browser"));
    EXPECT_EQ(fakes.dialogs.warnings,
              QStringList{QStringLiteral("Browser Not Found: Could not find associated Browser")});
}

TEST_F(LinksTest, MaintainLinksShowsTheOwnLinksAndCloseOrTheTitleBarStoresThemOrSaysTheyCouldNotBe)
{
    writeLinks(rec("Club", "https://club.example/") + rec("", "") + rec("Old", "old.example"));
    const QByteArray firstTwo = dir.read(QStringLiteral("weblinks.dat")).left(460);
    start();
    trigger(window.get(), "mnumaintainlinks");
    ASSERT_NE(form14(), nullptr);
    EXPECT_EQ(child<QLineEdit>(form14(), "Text2")->text() + child<QLineEdit>(form14(), "Text5")->text(),
              QStringLiteral("https://club.example/Old"));

    type(form14(), "Text3", QStringLiteral("News"));
    type(form14(), "Text4", QStringLiteral("https://news.example"));
    type(form14(), "Text5", QString());
    type(form14(), "Text6", QString());
    click(form14(), "Command1");

    EXPECT_EQ(dir.read(QStringLiteral("weblinks.dat")),
              firstTwo + rec("Club", "https://club.example/") + rec("News", "https://news.example") + rec("", ""));
    EXPECT_EQ(captions().mid(2), (QStringList{"Club", "News", "(hidden)"}));
    trigger(window.get(), "mnufree4");
    EXPECT_EQ(fakes.browser.opened, QStringList{QStringLiteral("https://news.example")});

    trigger(window.get(), "mnumaintainlinks");
    type(form14(), "Text3", QStringLiteral("By close"));
    form14()->close();
    const QByteArray before = dir.read(QStringLiteral("weblinks.dat"));
    EXPECT_EQ(links::readLinks(before)[3].caption, QStringLiteral("By close"));

    // A links file that cannot be written is reported; the menu keeps what was typed.
    trigger(window.get(), "mnumaintainlinks");
    type(form14(), "Text1", QStringLiteral("Kept for now"));
    {
        dstest::FileSizeLimit limit(100);
        click(form14(), "Command1");
    }
    ASSERT_EQ(fakes.dialogs.warnings.size(), 1);
    EXPECT_TRUE(fakes.dialogs.warnings[0].startsWith(
        QStringLiteral("Maintain Links: The links could not be saved in weblinks.dat.")));
    EXPECT_EQ(dir.read(QStringLiteral("weblinks.dat")), before);
    EXPECT_EQ(entry(3)->text(), QStringLiteral("Kept for now"));
    EXPECT_TRUE(w().isEnabled());
}

// A folder in the file's place, or a file too large to be one.
TEST_F(LinksTest, AnUnreadableLinksFileIsSaidOnceAndTheProgramsOwnEntriesStay)
{
    dir.writeSized(QStringLiteral("weblinks.dat"), ds::MaxFileBytes + 1);
    start();
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The web links file could not be read."});
    window.reset();
    fakes.dialogs.clear();
    QFile::remove(dir.file(QStringLiteral("weblinks.dat")));
    QDir(dir.path()).mkdir(QStringLiteral("weblinks.dat"));
    start();
    EXPECT_EQ(fakes.dialogs.messages, QStringList{"The web links file could not be read."});
    EXPECT_EQ(captions(), (QStringList{"Download Results File", "Drawsmith Web Page", "(hidden)", "(hidden)",
                                       "(hidden)"}));
    fakes.dialogs.clear();
    trigger(window.get(), "mnufree2");
    trigger(window.get(), "mnufree1");
    EXPECT_EQ(fakes.help.topics, QStringList{"index"});
    EXPECT_EQ(fakes.browser.opened, QStringList{UkCsv});
    EXPECT_EQ(fakes.dialogs.messages.count(QStringLiteral("The web links file could not be read.")), 0);
}

TEST_F(LinksTest, AboutShowsTheVersionAndTheFolderRuleOpensTheFolderAndStartsSystemInfoOrSaysThereIsNone)
{
    state.programFolderRule = QStringLiteral("Drawsmith keeps its files in the folder it was started from.");
    start();
    trigger(window.get(), "mnuAbout");
    ASSERT_NE(about(), nullptr);
    EXPECT_TRUE(child<QLabel>(about(), "lblDisclaimer")->text().contains(QStringLiteral(
        "No liablilty is accepted for any errors or omissions. The program is not connected with any lottery "
        "organsation.")));
    EXPECT_EQ(child<QLabel>(about(), "lblVersion")->text(),
              about::versionText(QStringLiteral(DRAWSMITH_PROJECT_VERSION)));
    EXPECT_EQ(child<QLabel>(about(), "lblFolder")->text(), state.programFolderRule);

    click(about(), "cmdSysInfo");
    EXPECT_EQ(fakes.systemInfo.attempts, 1);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());

    fakes.systemInfo.available = false;
    click(about(), "cmdSysInfo");
    EXPECT_EQ(fakes.dialogs.warnings,
              QStringList{QStringLiteral("System Information: System Information Is Unavailable At This Time")});

    // The program folder, opened on the desktop.
    fakes.dialogs.clear();
    click(about(), "cmdFolder");
    EXPECT_EQ(fakes.browser.opened, QStringList{QUrl::fromLocalFile(dir.path()).toString()});
    fakes.browser.result = OpenResult::NoBrowser;
    click(about(), "cmdFolder");
    EXPECT_EQ(fakes.dialogs.warnings, QStringList{"Browser Not Found: Could not find associated Browser"});
    EXPECT_TRUE(about()->isVisible());
}
