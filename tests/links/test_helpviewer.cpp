#include "platform/qtdesktop.h"
#include "support/testfolder.h"
#include "support/widgets.h"

#include <QTextBrowser>

using namespace ds;

TEST(QtHelpViewer, OpensTheTopicPageAndReportsAMissingOne)
{
    dstest::TestFolder dir;
    dir.write(QStringLiteral("index.html"), "<html><head><title>Front</title></head><body>"
                                            "<p>Welcome <a href=\"wheels.html\">wheels</a></p></body></html>");
    dir.write(QStringLiteral("wheels.html"), "<html><head><title>Wheels</title></head><body>Wheel help</body></html>");
    QtHelpViewer help(dir.path());

    EXPECT_TRUE(help.showHelp(QStringLiteral("index")));
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.view()->source(), QUrl::fromLocalFile(dir.file(QStringLiteral("index.html"))));
    EXPECT_TRUE(help.view()->toPlainText().contains(QStringLiteral("Welcome")));

    EXPECT_TRUE(help.showHelp(QStringLiteral("wheels")));
    EXPECT_TRUE(help.view()->toPlainText().contains(QStringLiteral("Wheel help")));
    // Back returns to the front page; Contents goes there from anywhere.
    dstest::click(help.window(), "helpBack");
    EXPECT_EQ(help.view()->source(), QUrl::fromLocalFile(dir.file(QStringLiteral("index.html"))));
    help.showHelp(QStringLiteral("wheels"));
    dstest::click(help.window(), "helpContents");
    EXPECT_EQ(help.view()->source(), QUrl::fromLocalFile(dir.file(QStringLiteral("index.html"))));

    // The viewer itself says what is missing.
    EXPECT_FALSE(help.showHelp(QStringLiteral("nowhere")));
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_TRUE(help.view()->toPlainText().contains(QStringLiteral("nowhere.html")));
    dstest::click(help.window(), "helpClose");
    EXPECT_FALSE(help.window()->isVisible());
}

TEST(QtHelpViewer, ShowsALocalPageOfTheLinksAndRefusesOneItCannotRead)
{
    dstest::TestFolder help, elsewhere;
    elsewhere.write(QStringLiteral("notes.html"), "<html><body><p>Club <b>notes</b></p></body></html>");
    QtHelpViewer viewer(help.path());
    EXPECT_FALSE(viewer.showPage(elsewhere.file(QStringLiteral("missing.html"))));
    EXPECT_FALSE(viewer.showPage(elsewhere.path())); // a folder is no page
    EXPECT_EQ(viewer.window(), nullptr);             // nothing was shown
    EXPECT_TRUE(viewer.showPage(elsewhere.file(QStringLiteral("notes.html"))));
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(viewer.view()->toPlainText(), QStringLiteral("Club notes"));
}

TEST(QtBrowser, RefusesWhatCannotBeOpenedWithoutTryingTheDesktop)
{
    dstest::TestFolder dir;
    QtBrowser browser;
    EXPECT_EQ(browser.open(QUrl()), OpenResult::NotOpened);
    EXPECT_EQ(browser.open(QUrl::fromLocalFile(dir.file(QStringLiteral("missing.html")))), OpenResult::NotOpened);
}
