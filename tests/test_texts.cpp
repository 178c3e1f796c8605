// The texts the window shows, decided without any widget.
#include "solver_fixture.h"
#include "texts/conclusions.h"
#include "texts/design_table.h"
#include "texts/forecast_table.h"

#include "core/design_pass.h"
#include "errors/errors.h"
#include "core/forecast.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace monocl;

namespace {

std::string withSeparator(std::string text, char sep)
{
    std::replace(text.begin(), text.end(), ',', sep);
    return text;
}

struct Design {
    MonoclState s;
    RecomputeLocals l;
};

Design startDesign(char sep)
{
    DesignControls c;
    c.decimalSeparator = sep;
    c.NDedit = withSeparator("1,5182", sep);
    c.ABEdit = withSeparator("63,84", sep);
    Design d;
    designPass(c, d.s, d.l);
    return d;
}

ForecastControls filter(bool yellow2)
{
    ForecastControls c;
    c.sfp1 = !yellow2;
    c.sfp3 = yellow2;
    return c;
}

} // namespace

TEST(DesignTableTexts, StartStateValueColumn)
{
    const std::vector<std::string> expected = {
        "7,8", "6,64", "-20,40", "-12,40", "1,65", "-5,72", "-9,52", "-4,38", "14,50", "3,80",
        "2,91", "55,30", "46,487", "0,000", "-0,277", "0,567", "-0,183", "-91,67", "987,90",
        "179,20", "-197,10", "0,222", "0,142", "0,000", "0,288", "0,218", "18,0", "9,3", "-0,41"};
    for (char sep : {',', '.'}) {
        const Design d = startDesign(sep);
        ASSERT_EQ(d.l.DesignFailed, 0);
        for (int row = 1; row <= 29; ++row)
            EXPECT_EQ(designTableValue(row, d.s, d.l, sep),
                      withSeparator(expected[static_cast<std::size_t>(row - 1)], sep))
                << "row " << row << " separator " << sep;
    }
}

TEST(DesignTableTexts, LabelsKeepTheirBlanks)
{
    // Characters per label, as the table is laid out.
    const int lengths[] = {42, 40, 40, 40, 36, 68, 67, 54, 38, 43, 35, 31, 2, 2, 2, 2, 2,
                           54, 55, 62, 62, 56, 75, 46, 46, 50, 50, 50, 88};
    for (int row = 1; row <= 29; ++row) {
        const std::u32string wide = [&] {
            std::u32string out;
            const std::string utf8 = designTableLabel(row);
            for (std::size_t i = 0; i < utf8.size();) {
                const unsigned char c = static_cast<unsigned char>(utf8[i]);
                i += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
                out.push_back(c);
            }
            return out;
        }();
        EXPECT_EQ(static_cast<int>(wide.size()), lengths[row - 1]) << "row " << row;
    }
    EXPECT_EQ(designTableLabel(23).back(), ' ');
    EXPECT_EQ(designTableHeader(0), "Конструктивный параметр");
    EXPECT_EQ(designTableHeader(1), "Значение");
}

TEST(DesignTableTexts, FaultingRowThrows)
{
    Design d = startDesign(',');
    d.s.R2 = 0.0;
    EXPECT_EQ(designTableValue(4, d.s, d.l, ','), "0,00");
    EXPECT_THROW(designTableValue(5, d.s, d.l, ','), MathError);
    d.s.Rp = 18.9988;
    EXPECT_EQ(designTableValue(18, d.s, d.l, ','), "1,9E4");
}

TEST(ForecastTableTexts, WorkedExample)
{
    MonoclState s = test::measuredLens();
    const ForecastValues v = ComputeForecast(ForecastControls{}, s);
    struct Row {
        const char* label;
        const char* min;
        const char* max;
    };
    const Row rows[] = {
        {"Стрелка кривизны dr2, мм", "3.00", nullptr},
        {"Стрелка кривизны dr1, мм", "1.45", "1.86"},
        {"Радиус r1, мм", "-35.24", "-27.78"},
        {"Радиус r2, мм", "-18.17", nullptr},
        {"Отношение радиусов r1/r2, б/р", "1.53", "1.94"},
        {"       P", "36.60", "38.73"},
        {"       W", "6.55", "6.72"},
        {"Расстояние диафрагмы от вершины второй поверхности X2, мм", "-14.21", "-13.65"},
        {"Расстояние диафрагмы от переднего края мениска Xk, мм", "-9.21", "-8.65"},
        {"Относительная сферическая аберрация %", "0.316", "0.334"},
        {"Относительная хроматическая аберрация б/р", "0.565", "0.935"},
        {"Толщина мениска по центру dm, мм", "3.14", "3.55"},
    };
    for (int row = 1; row <= 12; ++row) {
        const ForecastRow r = forecastTableRow(row, s, v, '.');
        const Row& e = rows[row - 1];
        EXPECT_EQ(r.label, e.label);
        EXPECT_EQ(r.minText, e.min) << "row " << row;
        if (e.max)
            EXPECT_EQ(r.maxText.value_or("none"), e.max) << "row " << row;
        else
            EXPECT_FALSE(r.maxText.has_value()) << "row " << row;
    }
    EXPECT_EQ(forecastTableRow(2, s, v, ',').minText, "1,45");
    EXPECT_EQ(forecastTableHeader(0), "Параметр");
    EXPECT_EQ(forecastTableHeader(1), "Мин.");
    EXPECT_EQ(forecastTableHeader(2), "Макс.");
}

TEST(ForecastTableTexts, ZeroSagsShowTheHeight)
{
    MonoclState s = test::measuredLens();
    s.MeasuredFocal = 10;
    const ForecastValues v = ComputeForecast(ForecastControls{}, s);
    EXPECT_EQ(forecastTableRow(2, s, v, ',').minText, "0,00");
    EXPECT_EQ(forecastTableRow(2, s, v, ',').maxText, "0,00");
    EXPECT_EQ(forecastTableRow(12, s, v, ',').minText, "5,00");
    EXPECT_EQ(forecastTableRow(12, s, v, ',').maxText, "5,00");
}

// A lens that cannot be made is told, one line for each reason; the
// worked example's lens can be made.
TEST(ForecastTableTexts, WarningsSayWhyALensCannotBeMade)
{
    MonoclState s = test::measuredLens();
    EXPECT_EQ(forecastWarnings(s, ComputeForecast(ForecastControls{}, s), ','), std::vector<std::string>{});

    s.MeasuredDiameter = 20;
    s.dr2 = 10; // exactly half the diameter
    ForecastValues v;
    v.dmAtNdMin = -83.08;
    v.dmAtNdMax = -128.14;
    v.dr1AtNdMin = 132.14;
    v.dr1AtNdMax = 87.08;
    EXPECT_EQ(forecastWarnings(s, v, ','),
              (std::vector<std::string>{
                  "Такую линзу не сделать: толщина по центру dm от -128,14 до -83,08 мм, не больше нуля",
                  "Такую линзу не сделать: стрелка dr1 до 132,14 мм, не меньше половины диаметра (10,00 мм)",
                  "Такую линзу не сделать: стрелка dr2 10,00 мм, не меньше половины диаметра (10,00 мм)"}));
    // A thickness of zero cannot be made either; a sag just under half can.
    v = ForecastValues{};
    v.dmAtNdMax = 1;
    s.dr2 = 9.99;
    EXPECT_EQ(forecastWarnings(s, v, '.').size(), 1u);
}

TEST(Conclusions, WorkedExample)
{
    MonoclState s = test::measuredLens();
    const ForecastValues v = ComputeForecast(ForecastControls{}, s);
    const Conclusions c = decideConclusions(s, v, '.');
    EXPECT_NEAR(c.ApertureFrom, 6.8646, 1e-4);
    EXPECT_NEAR(c.ApertureTo, 8.8139, 1e-4);
    EXPECT_NEAR(c.RequiredAbbe, 90.765, 1e-3);
    EXPECT_EQ(c.MeanAbbe, 55.0);
    EXPECT_EQ(c.vvd, std::vector<std::string>{"Хроматическая аберрация в 1.9 раза больше допустимой"});
    EXPECT_EQ(c.colour, VerdictRed);
    EXPECT_EQ(c.recom, (std::vector<std::string>{"Применять желтый светофильтр Ж 2х",
                                                 "Рекомендуемое относительное отверстие от 6.9 до 8.8"}));
}

TEST(Conclusions, YellowFilterSatisfiesTheConditions)
{
    MonoclState s = test::measuredLens();
    const Conclusions plain = decideConclusions(s, ComputeForecast(filter(false), s), ',');
    const Conclusions c = decideConclusions(s, ComputeForecast(filter(true), s), ',');
    EXPECT_EQ(c.vvd, std::vector<std::string>{"оптическая система удовлетворяет условиям мягкого рисунка !"});
    EXPECT_EQ(c.colour, VerdictGreen);
    EXPECT_EQ(c.recom, plain.recom);
}

TEST(Conclusions, SlowApertureWarnsTwice)
{
    MonoclState s = test::measuredLens();
    ForecastControls f;
    f.NSpin = 11;
    const Conclusions c = decideConclusions(s, ComputeForecast(f, s), ',');
    ASSERT_EQ(c.vvd.size(), 2u);
    EXPECT_EQ(c.vvd[0], "Сферическая аберрация меньше 0,25% фокуса");
    EXPECT_EQ(c.vvd[1], "Хроматическая аберрация в 3,5 раза больше допустимой");
    EXPECT_EQ(c.colour, VerdictRed);
    EXPECT_EQ(c.SphericalVerdict, 2);
    EXPECT_EQ(c.ChromaticVerdict, 3);
}

TEST(Conclusions, FastApertureAndWeakChromatic)
{
    MonoclState s = test::measuredLens();
    ForecastControls f;
    f.NSpin = 4;
    f.sfp1 = false;
    f.Sfp4 = true;
    const Conclusions c = decideConclusions(s, ComputeForecast(f, s), ',');
    ASSERT_EQ(c.vvd.size(), 2u);
    EXPECT_EQ(c.vvd[0], "Сферическая аберрация больше  0,5% фокуса");
    EXPECT_EQ(c.vvd[1], "Хроматическая аберрация меньше 0,25 сферической");
}

TEST(Conclusions, GlassNeedingNoFilter)
{
    // A glass whose mean Abbe number reaches the required one is told so,
    // and no filter is recommended beside it.
    MonoclState s = test::measuredLens();
    ForecastControls f;
    f.VminSP = 90;
    f.VmaxSP = 100;
    const ForecastValues v = ComputeForecast(f, s);
    const Conclusions c = decideConclusions(s, v, ',');
    ASSERT_GE(c.MeanAbbe, c.RequiredAbbe);
    ASSERT_FALSE(c.vvd.empty());
    EXPECT_EQ(c.vvd.front(), "Мениск можно применять без светофильтра");
    ASSERT_EQ(c.recom.size(), 1u);
    EXPECT_EQ(c.recom[0].rfind("Рекомендуемое относительное отверстие от ", 0), 0u);
}

TEST(Conclusions, FilterRecommendationBands)
{
    MonoclState s = test::measuredLens();
    const auto filterLine = [&](int vmin, int vmax) {
        ForecastControls f;
        f.VminSP = vmin;
        f.VmaxSP = vmax;
        const Conclusions c = decideConclusions(s, ComputeForecast(f, s), ',');
        return c.recom.size() == 2 ? c.recom[0] : std::string("none");
    };
    EXPECT_EQ(filterLine(40, 80), "Применять желтый светофильтр Ж 1.4х");   // ratio 1.51
    EXPECT_EQ(filterLine(40, 70), "Применять желтый светофильтр Ж 2х");     // ratio 1.65
    EXPECT_EQ(filterLine(20, 20), "Применять светофильтр О 2,8");           // ratio 4.5
}

TEST(Conclusions, ZeroMeanAbbeFaults)
{
    MonoclState s = test::measuredLens();
    ForecastValues v = ComputeForecast(ForecastControls{}, s);
    s.AbbeMin = -70;
    s.AbbeMax = 70;
    EXPECT_THROW(decideConclusions(s, v, ','), MathError);
}
