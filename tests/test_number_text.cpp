#include "format/number_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace monocl;

TEST(FixedText, RoundsToPrecisionAndDecimals)
{
    EXPECT_EQ(fixedText(-12345.6, 4, 2, ','), "-1,235E4");
    EXPECT_EQ(fixedText(-21.37, 3, 2, ','), "-21,40");
    EXPECT_EQ(fixedText(15.625, 3, 1, ','), "15,6");
    EXPECT_EQ(fixedText(-0.0004, 4, 3, ','), "0,000");
    EXPECT_EQ(fixedText(18998.8, 4, 2, ','), "1,9E4");
    EXPECT_EQ(fixedText(3.0, 8, 2, ','), "3,00");
    EXPECT_EQ(fixedText(3.0, 8, 2, '.'), "3.00");
    EXPECT_EQ(fixedText(1.5182, 8, 4, ','), "1,5182");
    EXPECT_EQ(fixedText(63.84, 8, 2, '.'), "63.84");
    EXPECT_EQ(fixedText(0.0, 8, 2, ','), "0,00");
    EXPECT_EQ(fixedText(-0.0, 8, 0, ','), "0");
    EXPECT_EQ(fixedText(7.0, 3, 0, ','), "7");
    EXPECT_EQ(fixedText(0.05, 8, 1, ','), "0,1");
    EXPECT_EQ(fixedText(0.04, 8, 1, ','), "0,0");
    EXPECT_EQ(fixedText(-0.05, 8, 1, ','), "-0,1");
    EXPECT_EQ(fixedText(0.123456, 2, 5, ','), "0,12000");
}

TEST(FixedText, ScientificForm)
{
    EXPECT_EQ(fixedText(999.5, 3, 2, ','), "1E3");
    EXPECT_EQ(fixedText(1234.0, 3, 2, ','), "1,23E3");
    EXPECT_EQ(fixedText(-3030.0, 3, 2, '.'), "-3.03E3");
    EXPECT_EQ(fixedText(120000.0, 4, 2, ','), "1,2E5");
    EXPECT_EQ(fixedText(1e20, 8, 2, ','), "1E20");
    EXPECT_EQ(fixedText(999.4, 3, 2, ','), "999,00");
    EXPECT_EQ(fixedText(9999.0, 4, 2, ','), "9999,00");
}

TEST(FixedText, HalvesRoundUpAsWritten)
{
    // 82 * 0.25 / 100 + 0.25 is a hair below 0.455 as a double.
    EXPECT_EQ(fixedText(82 * 0.25 / 100 + 0.25, 8, 2, ','), "0,46");
    EXPECT_EQ(fixedText(2 * 0.25 / 100 + 0.25, 8, 2, ','), "0,26");
    EXPECT_EQ(fixedText(14 * 0.25 / 100 + 0.25, 8, 2, ','), "0,29");
    EXPECT_EQ(fixedText(86 * 0.25 / 100 + 0.25, 8, 2, ','), "0,47");
    EXPECT_EQ(fixedText(2.675, 8, 2, '.'), "2.68");
    EXPECT_EQ(fixedText(-2.675, 8, 2, '.'), "-2.68");
    EXPECT_EQ(fixedText(1.005, 8, 2, '.'), "1.01");
}

TEST(FixedText, EveryTrackBarPositionReadsItsExactDecimal)
{
    for (int pos = 0; pos <= 100; ++pos) {
        // The exact value is pos/400 + 1/4, i.e. (pos + 100) / 400, in units
        // of 1/400; rounded half up to hundredths that is
        // floor(((pos + 100) * 100 / 400) + 0.5) hundredths, done in integers.
        const int quarterHundredths = (pos + 100) * 25;          // value * 10000
        const int hundredths = (quarterHundredths + 50) / 100;   // half up
        std::string expected = std::to_string(hundredths / 100) + "," +
                               (hundredths % 100 < 10 ? "0" : "") + std::to_string(hundredths % 100);
        EXPECT_EQ(fixedText(pos * 0.25 / 100 + 0.25, 8, 2, ','), expected) << "position " << pos;
    }
}

TEST(GeneralText, ShortestForm)
{
    EXPECT_EQ(generalText(1.5, ','), "1,5");
    EXPECT_EQ(generalText(1.7, '.'), "1.7");
    EXPECT_EQ(generalText(1.8, ','), "1,8");
    EXPECT_EQ(generalText(2.0, ','), "2");
    EXPECT_EQ(generalText(-0.25, ','), "-0,25");
    EXPECT_EQ(generalText(0.0001, ','), "0,0001");
    EXPECT_EQ(generalText(1234567.0, ','), "1234567");
    EXPECT_EQ(generalText(0.1 + 0.2, ','), "0,3");
    EXPECT_EQ(generalText(1e15, ','), "1E15");
    EXPECT_EQ(generalText(1.25e-7, ','), "1,25E-7");
}

TEST(Parse, AcceptsTheGrammar)
{
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {Case{"1,5", 1.5}, {"  1,5  ", 1.5}, {"+2", 2.0}, {"-3", -3.0},
                          {",", 0.0}, {"1,", 1.0}, {",5", 0.5}, {"1E3", 1000.0},
                          {"1e-3", 0.001}, {"2,5E+2", 250.0}, {"1E", 1.0}, {"1e+", 1.0},
                          {",E5", 0.0}, {"-,5e1", -5.0}, {"000123,4500", 123.45},
                          {"1E-400", 0.0}, {"0E99999999999", 0.0}}) {
        double v = -99.0;
        EXPECT_TRUE(parseReal(c.text, ',', v)) << c.text;
        EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
    double v = 0;
    ASSERT_TRUE(parseReal("1.6", '.', v));
    EXPECT_DOUBLE_EQ(v, 1.6);
}

TEST(Parse, RefusesEverythingElse)
{
    for (const char* text : {"", " ", "+", "-", "1.6", "1,6,", "1,,6", "E5", "e", "a",
                             "1 5", "1,5x", "--1", "+-1", "1E5,5", "1E400", "-1E400",
                             "1e309", "١", "1\t"}) {
        double v = 42.0;
        EXPECT_FALSE(parseReal(text, ',', v)) << '"' << text << '"';
        EXPECT_EQ(v, 42.0) << "value stays as it was for \"" << text << '"';
    }
    double v = 42.0;
    EXPECT_FALSE(parseReal("1,6", '.', v));
}

TEST(Parse, RoundTripsFixedText)
{
    for (double x : {1.5182, 63.84, -0.001, 12345.678, 3.8, 0.0}) {
        double v = 0;
        ASSERT_TRUE(parseReal(fixedText(x, 8, 4, ','), ',', v));
        EXPECT_NEAR(v, x, 5e-5);
    }
    double big = 0;
    ASSERT_TRUE(parseReal("1,7976931348623157E308", ',', big));
    EXPECT_EQ(big, 1.7976931348623157e308);
}

TEST(TryParseFloat, SetsTheFlag)
{
    double value = 7.0;
    std::int32_t failed = 5;
    TryParseFloat("2,25", value, failed, ',');
    EXPECT_EQ(failed, 0);
    EXPECT_DOUBLE_EQ(value, 2.25);
    TryParseFloat("abc", value, failed, ',');
    EXPECT_EQ(failed, 1);
    EXPECT_DOUBLE_EQ(value, 2.25);
    // A text too large for a double is a failed entry like any other.
    TryParseFloat("1E400", value, failed, ',');
    EXPECT_EQ(failed, 1);
    EXPECT_DOUBLE_EQ(value, 2.25);
    TryParseFloat("5", value, failed, ',');
    EXPECT_EQ(failed, 0);
}

TEST(FixedText, NeverWritesBeyondTheLargestDouble)
{
    const double largest = 1.7976931348623157e308;
    for (double v : {largest, -largest, 1.6e308, 1.76e308, 1.7976931348622999e308}) {
        for (int p : {1, 2, 8, 14, 15}) {
            const std::string text = fixedText(v, p, 0, ',');
            double back = 0;
            EXPECT_TRUE(parseReal(text, ',', back)) << text;
            EXPECT_NEAR(back / v, 1.0, 1.0) << text;
        }
        double back = 0;
        EXPECT_TRUE(parseReal(generalText(v, ','), ',', back)) << generalText(v, ',');
        EXPECT_NEAR(back / v, 1.0, 1e-14);
    }
    EXPECT_EQ(fixedText(1.6e308, 1, 0, ','), "1E308");
    EXPECT_EQ(generalText(largest, ','), "1,79769313486231E308");
    EXPECT_EQ(fixedText(1.5e308, 2, 0, ','), "1,5E308");
}
