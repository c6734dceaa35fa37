#include "core/drawentry.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace ds;

const QString Ok; // no refusal
const QString Invalid = QStringLiteral("One or more of your numbers are invalid");
const QString Same = QStringLiteral("One or more of your numbers are the same");

TEST(NumberBoxes, DrawOfSevenBoxes)
{
    const std::tuple<QStringList, int, QString, std::array<qint16, 6>, qint16> cases[] = {
        {{"45", "3", " 30", "7", "21", "12abc", "9"}, 49, Ok, {3, 7, 12, 21, 30, 45}, 9},
        {{"1", "2", "3", "4", "5", "6.5", "7"}, 49, Ok, {1, 2, 3, 4, 5, 6}, 7}, // 6.5 rounds to even
        {{"1", "2", "3", "4", "5", "6", "43"}, 42, Invalid, {}, 0},
        {{"1", "2", "3", "4", "5", "6", ""}, 49, Invalid, {}, 0},
        {{"1", "2", "3", "4", "5", "6", "70000"}, 49, Invalid, {}, 0},
        {{"1", "2", "3", "4", "5", "50", "7"}, 49, Invalid, {}, 0},
        {{"1", "2", "3", "4", "5", "0.4", "7"}, 42, Invalid, {}, 0}, // rounds to 0
        {{"1", "2", "3", "4", "5", "6"}, 49, Invalid, {}, 0},
        {{"1", "2", "3", "4", "5", "6", "6"}, 49, Same, {}, 0},
        {{"1", "2", "3", "4", "5", "4.5", "7"}, 49, Same, {}, 0}, // 4.5 rounds to 4
    };
    for (const auto &[boxes, limit, refusal, main, bonus] : cases) {
        const DrawEntry e = readDrawEntry(boxes, limit);
        EXPECT_EQ(e.refusal, refusal) << boxes.join(' ').toStdString();
        if (e.ok()) {
            EXPECT_EQ(e.main, main);
            EXPECT_EQ(e.bonus, bonus);
        }
    }
}

TEST(NumberBoxes, EntryOfSixBoxes)
{
    const std::tuple<QStringList, int, QString, std::array<qint16, 6>> cases[] = {
        {{"49", "1", "2", "3", "4", "5"}, 49, Ok, {1, 2, 3, 4, 5, 49}},
        {{"1.4", "2", "3", "4", "5", "6.5"}, 49, Ok, {1, 2, 3, 4, 5, 6}},
        {{"1", "2", "3", "4", "5", "43"}, 42, Invalid, {}},
        {{"0.6", "2", "3", "4", "5", "6"}, 49, Invalid, {}}, // refused before rounding
        {{"", "2", "3", "4", "5", "6"}, 42, Invalid, {}},
        {{"1", "2", "3", "4", "5", "42.4"}, 42, Invalid, {}},
        {{"1", "2", "3", "4", "5", "5"}, 49, Same, {}},
        {{"1", "2", "3", "4", "4.5", "6"}, 49, Same, {}}, // 4.5 rounds to 4
        {{"1", "2", "3", "4", "5", "5.0"}, 49, Same, {}},
    };
    for (const auto &[boxes, limit, refusal, numbers] : cases) {
        const EntryNumbers e = readEntryNumbers(boxes, limit);
        EXPECT_EQ(e.refusal, refusal) << boxes.join(' ').toStdString();
        if (e.ok()) {
            EXPECT_EQ(e.numbers, numbers);
        }
    }
}
