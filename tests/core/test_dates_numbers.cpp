#include "core/balls.h"
#include "core/dates.h"
#include "core/drawentry.h"
#include "core/numbers.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace ds;

const QString Ok; // no refusal
const QString Invalid = QStringLiteral("One or more of your numbers are invalid");
const QString Same = QStringLiteral("One or more of your numbers are the same");

TEST(Dates, FormsOrderKeyAndDamagedFields)
{
    EXPECT_EQ(dateKey(5, 6, 1999), "05061999");
    EXPECT_EQ(dateOrderKey(QStringLiteral("05061999")), 19990605);
    EXPECT_EQ(dateDisplayText(5, 6, 1999), "5/6/1999");
    EXPECT_EQ(historyDate(QByteArray("05061999")), "05-06-1999");
    EXPECT_EQ(slashDate(QByteArray("05061999")), "05/06/1999");
    // As text 31121999 > 01012000, but the order key puts 1999 first.
    EXPECT_LT(dateOrderKey(QByteArray("31121999")), dateOrderKey(QByteArray("01012000")));
    // Damaged fields give numbers, not failures.
    for (const QByteArray &damaged : {QByteArray(8, '\0'), QByteArray("        "), QByteArray("ab\xff\x01zzzz", 8)})
        EXPECT_EQ(dateOrderKey(damaged), 0);
    EXPECT_EQ(historyDate(QByteArray("        ")), "--");
}

TEST(NumberReading, LeadingNumberOfTrimmedTextWithHalvesToEvenAndNoOverflow)
{
    const std::pair<const char *, qint64> cases[] = {
        {"12abc", 12}, {"  23  ", 23}, {"", 0}, {"abc12", 0}, {"-7", -7}, {"+9x", 9},
        {"2.5", 2}, {"3.5", 4}, {"48.5", 48}, {"48.51", 49}, {"-0.5", 0}, {"40000", 40000},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(readBoxNumber(QString::fromLatin1(text)), value) << text;
    EXPECT_DOUBLE_EQ(leadingValue("1.25kg"), 1.25);

    // Beyond 16 bits stays out of range: absurdly long numbers neither wrap nor crash.
    EXPECT_TRUE(fitsInt16(readBoxNumber("32767")));
    EXPECT_FALSE(fitsInt16(readBoxNumber("32768")));
    EXPECT_FALSE(fitsInt16(readBoxNumber("-32769")));
    EXPECT_GT(readBoxNumber(QString(400, QLatin1Char('9'))), 32767);
    EXPECT_LT(readBoxNumber(QStringLiteral("-") + QString(400, QLatin1Char('9'))), -32768);
}

TEST(Balls, CaptionsTwoDigitsAndColourBands)
{
    EXPECT_EQ(ballCaption(7) + ballCaption(23) + twoDigits(3) + twoDigits(45), " 723" "0345");
    struct Case { int n; quint32 fill; quint32 text; };
    const quint32 W = 0xFFFFFF, K = 0, B = 0x0000FF, R = 0xFF0000, G = 0x00FF00, Y = 0xFFFF00;
    const Case cases[] = {{-3, W, K}, {0, W, K}, {9, W, K}, {10, B, W}, {19, B, W}, {20, R, W},
                          {29, R, W}, {30, G, K}, {39, G, K}, {40, Y, K}, {49, Y, K}};
    for (const Case &c : cases)
        EXPECT_EQ(std::pair(ballColours(c.n).fill, ballColours(c.n).text), std::pair(c.fill, c.text)) << c.n;
}

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
