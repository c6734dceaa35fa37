#include "core/balls.h"
#include "core/dates.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

using namespace ds;

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
