#include "texts/csv_text.h"

#include <gtest/gtest.h>

using monocl::csvFieldSeparator;
using monocl::csvText;

TEST(CsvText, SeparatorFollowsTheDecimalSeparator)
{
    EXPECT_EQ(csvFieldSeparator(','), ';');
    EXPECT_EQ(csvFieldSeparator('.'), ',');
}

TEST(CsvText, FieldsQuotedOnlyWhereNeeded)
{
    const struct {
        const char* what;
        std::vector<std::vector<std::string>> rows;
        char separator;
        const char* text;
    } cases[] = {
        {"plain fields, CR LF after each record",
         {{"Радиус r1, мм", "-20,40"}, {"S1", "46,487"}}, ';',
         "Радиус r1, мм;-20,40\r\nS1;46,487\r\n"},
        {"a field holding the separator is quoted", {{"Радиус r1, мм", "-20.40"}}, ',',
         "\"Радиус r1, мм\",-20.40\r\n"},
        {"quotes are doubled", {{"типа \"монокль\"", "x"}}, ';', "\"типа \"\"монокль\"\"\";x\r\n"},
        {"line breaks are quoted", {{"a\nb", "c\rd"}}, ';', "\"a\nb\";\"c\rd\"\r\n"},
        {"spaces, dashes and empty fields stay as they are", {{"       P", " - ", ""}, {""}}, ';',
         "       P; - ;\r\n\r\n"},
        {"only the separator in use needs quotes", {{"a;b", "1,5"}}, ',', "a;b,\"1,5\"\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvText(c.rows, c.separator), c.text) << c.what;
}
