#include "forecast_table.h"

#include "errors/real.h"
#include "format/number_text.h"
#include "texts/translation.h"

#include <algorithm>

namespace monocl {

namespace {

ForecastRow single(const char* label, double value, char sep)
{
    return {translated("ForecastTable", label), fixedText(value, 8, 2, sep), std::nullopt};
}

ForecastRow range(const char* label, double a, double b, int decimals, char sep)
{
    return {translated("ForecastTable", label), fixedText(std::min(a, b), 8, decimals, sep),
            fixedText(std::max(a, b), 8, decimals, sep)};
}

} // namespace

std::string forecastTableHeader(int col)
{
    switch (col) {
    case 0: return MONOCL_TR("ForecastTable", "Параметр");
    case 1: return MONOCL_TR("ForecastTable", "Мин.");
    default: return MONOCL_TR("ForecastTable", "Макс.");
    }
}

ForecastRow forecastTableRow(int row, const MonoclState& s, const ForecastValues& v, char sep)
{
    switch (row) {
    case 1: return single(MONOCL_NOOP("ForecastTable", "Стрелка кривизны dr2, мм"), s.dr2, sep);
    case 2: return range(MONOCL_NOOP("ForecastTable", "Стрелка кривизны dr1, мм"), v.dr1AtNdMin, v.dr1AtNdMax, 2, sep);
    case 3: return range(MONOCL_NOOP("ForecastTable", "Радиус r1, мм"), s.R1AtNdMin, s.R1AtNdMax, 2, sep);
    case 4: return single(MONOCL_NOOP("ForecastTable", "Радиус r2, мм"), s.R2, sep);
    case 5:
        return range(MONOCL_NOOP("ForecastTable", "Отношение радиусов r1/r2, б/р"), s.RadiusRatioAtNdMin, s.RadiusRatioAtNdMax,
                     2, sep);
    case 6: return range("       P", v.PAtNdMin, v.PAtNdMax, 2, sep);
    case 7: return range("       W", v.WAtNdMin, v.WAtNdMax, 2, sep);
    case 8:
        return range(MONOCL_NOOP("ForecastTable", "Расстояние диафрагмы от вершины второй поверхности X2, мм"),
                     v.X2ByUpperShape, v.X2ByLowerShape, 2, sep);
    case 9: {
        const Real lo = std::min(v.X2ByUpperShape, v.X2ByLowerShape);
        const Real hi = std::max(v.X2ByUpperShape, v.X2ByLowerShape);
        return range(MONOCL_NOOP("ForecastTable", "Расстояние диафрагмы от переднего края мениска Xk, мм"),
                     (lo + s.MeasuredHeight).value(), (hi + s.MeasuredHeight).value(), 2, sep);
    }
    case 10:
        return range(MONOCL_NOOP("ForecastTable", "Относительная сферическая аберрация %"), (100.0 * Real(v.sAtNdMin)).value(),
                     (100.0 * Real(v.sAtNdMax)).value(), 3, sep);
    case 11:
        return range(MONOCL_NOOP("ForecastTable", "Относительная хроматическая аберрация б/р"), v.ChromaticHigh,
                     v.ChromaticLow, 3, sep);
    case 12:
        return range(MONOCL_NOOP("ForecastTable", "Толщина мениска по центру dm, мм"), v.dmAtNdMin, v.dmAtNdMax, 2, sep);
    default: return {};
    }
}

std::string forecastTableLabel(int row)
{
    // The labels do not depend on the values; with none, nothing can fault.
    return forecastTableRow(row, MonoclState{}, ForecastValues{}, '.').label;
}

std::vector<std::string> forecastWarnings(const MonoclState& s, const ForecastValues& v, char sep)
{
    const auto mm = [sep](double value) { return fixedText(value, 8, 2, sep); };
    std::vector<std::string> lines;
    if (std::min(v.dmAtNdMin, v.dmAtNdMax) <= 0)
        lines.push_back(withValues(MONOCL_TR("ForecastTable", "Такую линзу не сделать: толщина по центру dm от %1 до %2 мм, не больше нуля"),
                                  {mm(std::min(v.dmAtNdMin, v.dmAtNdMax)), mm(std::max(v.dmAtNdMin, v.dmAtNdMax))}));
    const double half = s.MeasuredDiameter / 2;
    const auto sag = [&](const std::string& text, double value) {
        if (value >= half)
            lines.push_back(withValues(text, {mm(value), mm(half)}));
    };
    sag(MONOCL_TR("ForecastTable", "Такую линзу не сделать: стрелка dr1 до %1 мм, не меньше половины диаметра (%2 мм)"),
        std::max(v.dr1AtNdMin, v.dr1AtNdMax));
    sag(MONOCL_TR("ForecastTable", "Такую линзу не сделать: стрелка dr2 %1 мм, не меньше половины диаметра (%2 мм)"), s.dr2);
    return lines;
}

} // namespace monocl
