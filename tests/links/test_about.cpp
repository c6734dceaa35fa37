#include "links/about.h"
#include "platform/systemtools.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace ds;

TEST(About, VersionTextFromTheProjectVersionTheProgramWasBuiltAs)
{
    const std::pair<const char *, const char *> cases[] = {
        {"1.0", "Version 1.0.0"}, {"02.01.07", "Version 2.1.7"}, {"1.2.3.4", "Version 1.2.3"}, {"", "Version 0.0.0"},
    };
    for (const auto &[version, text] : cases)
        EXPECT_EQ(about::versionText(QString::fromLatin1(version)), QString::fromLatin1(text)) << version;
    EXPECT_EQ(about::programVersion(), QStringLiteral(DRAWSMITH_PROJECT_VERSION));
    EXPECT_EQ(about::windowCaption(), QStringLiteral("About Drawsmith The UK and Irish Lottery Program"));
}

TEST(SystemTools, WindowsRecordsThePathOrTheFolder)
{
    const QString inFolder = QStringLiteral("C:/Program Files/Common Files/MSInfo/MSINFO32.EXE");
    const auto exists = [&](const QString &f) { return f == inFolder; };
    struct Case {
        const char *what;
        systemtools::WindowsToolRecord record;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {"path", {QStringLiteral("D:\\Tools\\msinfo32.exe"), QStringLiteral("C:\\Other")},
         QStringLiteral("D:\\Tools\\msinfo32.exe")},
        {"folder", {QString(), QStringLiteral("C:\\Program Files\\Common Files\\MSInfo")}, inFolder},
        {"folder without the tool", {QString(), QStringLiteral("C:\\Elsewhere")}, std::nullopt},
        {"nothing recorded", {}, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(systemtools::windowsTool(c.record, exists), c.expected) << c.what;
}

TEST(SystemTools, TheFirstInstalledToolIsChosen)
{
    const std::vector<systemtools::Tool> candidates{{QStringLiteral("first"), {}},
                                                    {QStringLiteral("second"), {QStringLiteral("--page")}},
                                                    {QStringLiteral("third"), {}}};
    const auto installed = [](QStringList names) {
        return [names](const QString &p) { return names.contains(p) ? QStringLiteral("/usr/bin/") + p : QString(); };
    };
    EXPECT_EQ(systemtools::findTool(candidates, installed({QStringLiteral("second"), QStringLiteral("third")})),
              (systemtools::Tool{QStringLiteral("/usr/bin/second"), {QStringLiteral("--page")}}));
    EXPECT_EQ(systemtools::findTool(candidates, installed({})), std::nullopt);
}
