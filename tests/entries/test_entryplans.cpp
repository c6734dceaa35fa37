// The decisions of the selections, standing-entry and check handlers.
#include "core/drawentry.h"
#include "entries/entryplans.h"
#include "entries/suggest.h"

#include <gtest/gtest.h>

using namespace ds;

TEST(EntryPlans, ManualEntryRefusalsAndTheLimitOf2500)
{
    const QString max = QStringLiteral("2500 is the maximum number of entries");
    const std::array<QString, 6> good{"49", "1", "23", "12", "30", "5"};
    const std::tuple<std::array<QString, 6>, int, int, QString> cases[] = {
        {good, 49, 2499, QString()},
        {good, 49, 2500, max},
        {good, 49, 2600, max}, // a file already past the limit cannot grow
    };
    for (const auto &[boxes, maxBall, count, refusal] : cases)
        EXPECT_EQ(readManualEntry(boxes, maxBall, count).refusal, refusal) << count;
    EXPECT_EQ(readManualEntry(good, 49, 0).numbers, (Numbers6{1, 5, 12, 23, 30, 49}));
}

TEST(EntryPlans, CheckStandingAndDeleteRefusals)
{
    const QString noEntries = QStringLiteral("There are no entries to check against!");
    EXPECT_EQ(checkRefusal(false, QStringLiteral("3")), noEntries);
    EXPECT_EQ(checkRefusal(true, QStringLiteral("0")), noEntries);
    EXPECT_EQ(checkRefusal(true, QString()), noEntries);
    EXPECT_TRUE(checkRefusal(true, QStringLiteral("3")).isEmpty());

    const QString none = QStringLiteral("You do not have any selections to make as your standing entry");
    const std::tuple<const char *, const char *, const char *, const char *, QString> standing[] = {
        {"", "5/6/1999", "UK", "f", none}, {"0", "5/6/1999", "UK", "f", none}, {"2", "", "UK", "f", none},
        {"2", "5/6/1999", "", "f", QStringLiteral("You must select a Country first")},
        {"2", "5/6/1999", "UK", "", QStringLiteral("No file selected Drawsmith Error 10")},
        {"2", "5/6/1999", "UK", "f", QString()},
    };
    for (const auto &[total, date, country, file, refusal] : standing)
        EXPECT_EQ(standingSaveRefusal(QString::fromLatin1(total), QString::fromLatin1(date), QString::fromLatin1(country),
                                      QString::fromLatin1(file)), refusal) << total << date << country << file;

    const QString notSelected = QStringLiteral("You have not selected an entry to delete");
    EXPECT_EQ(deleteEntryRefusal(0, 0), QStringLiteral("There are no entries to delete"));
    EXPECT_EQ(deleteEntryRefusal(3, -1), notSelected);
    EXPECT_EQ(deleteEntryRefusal(3, 3), notSelected);
    EXPECT_TRUE(deleteEntryRefusal(3, 2).isEmpty());
}
