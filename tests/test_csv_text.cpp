#include "texts/csv_text.h"

#include <gtest/gtest.h>

using monocl::csvFieldSeparator;
using monocl::csvText;

TEST(CsvText, SeparatorFollowsTheDecimalSeparator)
{
    EXPECT_EQ(csvFieldSeparator(','), ';');
    EXPECT_EQ(csvFieldSeparator('.'), ',');
}

struct CsvCase {
    const char* what;
    std::vector<std::vector<std::string>> rows;
    char separator;
    const char* text;
};

class CsvQuoting : public ::testing::TestWithParam<CsvCase>
{
};

TEST_P(CsvQuoting, FieldsQuotedOnlyWhereNeeded)
{
    const CsvCase& c = GetParam();
    EXPECT_EQ(csvText(c.rows, c.separator), c.text) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CsvQuoting,
    ::testing::Values(
        CsvCase{"plain fields, CR LF after each record",
                {{"Радиус r1, мм", "-20,40"}, {"S1", "46,487"}}, ';',
                "Радиус r1, мм;-20,40\r\nS1;46,487\r\n"},
        CsvCase{"a field holding the separator is quoted",
                {{"Радиус r1, мм", "-20.40"}}, ',', "\"Радиус r1, мм\",-20.40\r\n"},
        CsvCase{"quotes are doubled", {{"типа \"монокль\"", "x"}}, ';',
                "\"типа \"\"монокль\"\"\";x\r\n"},
        CsvCase{"line breaks are quoted", {{"a\nb", "c\rd"}}, ';', "\"a\nb\";\"c\rd\"\r\n"},
        CsvCase{"spaces, dashes and empty fields stay as they are",
                {{"       P", " - ", ""}, {""}}, ';', "       P; - ;\r\n\r\n"},
        CsvCase{"only the separator in use needs quotes", {{"a;b", "1,5"}}, ',',
                "a;b,\"1,5\"\r\n"}));
