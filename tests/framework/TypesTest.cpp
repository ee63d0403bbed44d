// Rounding, number format and colours as the lessons use them.
#include "framework/Types.h"

#include "tests/support/Harness.h"

using namespace wb;

TEST(Types, RoundTakesExactHalvesToTheEvenNeighbour)
{
    struct Case {
        double v;
        int expected;
    };
    const Case cases[] = {
        { 0.5, 0 },
        { 1.5, 2 },
        { 2.5, 2 },
        { 3.5, 4 },
        { -0.5, 0 },
        { -1.5, -2 },
        { -2.5, -2 },
        { 2.4999, 2 },
        { 2.5001, 3 },
        { 107.0, 107 },
        { -3.2, -3 },
        { -3.7, -4 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Round(c.v), c.expected) << c.v;
}

TEST(Types, RoundSingleRoundsTheSinglePrecisionValue)
{
    // A value just above a half that a float cannot tell from the half: stored in single
    // precision it is exactly 2.5 and goes to the even neighbour, where the double rounds up.
    EXPECT_EQ(Round(2.50000001), 3);
    EXPECT_EQ(RoundSingle(2.50000001), 2);
}

TEST(Types, FloatToStrUsesTheGeneralFormat)
{
    struct Case {
        double v;
        const char* text;
    };
    const Case cases[] = {
        { 7, "7" },
        { 93, "93" },
        { 0.45, "0.45" },
        { 100, "100" },
        { 0, "0" },
        { -5, "-5" },
        { 1.0 / 3.0, "0.333333333333333" },
        { 2.5, "2.5" },
        { 1e20, "1E20" },
        { 1.5e-7, "1.5E-7" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.v).toStdString(), c.text) << c.v;
}

TEST(Types, StrToFloatAcceptsDecimalNumbersOnly)
{
    double v = 0;
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("35"), &v));
    EXPECT_EQ(v, 35);
    EXPECT_TRUE(TryStrToFloat(QStringLiteral(" 2,5 "), &v));
    EXPECT_EQ(v, 2.5);
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("2.5"), &v));
    EXPECT_EQ(v, 2.5);
    for (const char* bad : { "", "abc", "1x", "0x10", "inf", "nan", "1..2" })
        EXPECT_FALSE(TryStrToFloat(QString::fromLatin1(bad), &v)) << bad;
}

TEST(Types, ColoursAreStoredAsBlueGreenRedIntegers)
{
    EXPECT_EQ(clRed, 0x0000FF);
    EXPECT_EQ(RGB(0, 1, 0), 256); // the cover page's "256 is green 1"
    EXPECT_EQ(colorToHex(RGB(0xD3, 0x05, 0x62)), QStringLiteral("#D30562"));
    TColor c = 0;
    ASSERT_TRUE(parseColor(QStringLiteral("#a6a6ff"), &c));
    EXPECT_EQ(c, RGB(0xA6, 0xA6, 0xFF));
    ASSERT_TRUE(parseColor(QStringLiteral("clSilver"), &c));
    EXPECT_EQ(c, RGB(192, 192, 192));
    EXPECT_FALSE(parseColor(QStringLiteral("#12345"), &c));
    EXPECT_EQ(fromPixel(toPixel(RGB(1, 2, 3))), RGB(1, 2, 3));
}
