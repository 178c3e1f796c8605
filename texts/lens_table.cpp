#include "texts/lens_table.h"

#include "core/lens_geometry.h"
#include "format/number_text.h"
#include "texts/ray_table.h"
#include "texts/translation.h"

#include <array>

namespace monocl {

namespace {

constexpr std::array<const char*, LensTableRows> labels = {
    "",
    MONOCL_NOOP("LensTable", "Радиус первой поверхности R1, мм"),
    MONOCL_NOOP("LensTable", "Радиус второй поверхности R2, мм"),
    MONOCL_NOOP("LensTable", "Толщина по центру dh, мм"),
    MONOCL_NOOP("LensTable", "Диафрагма от вершины передней поверхности X1, мм"),
    MONOCL_NOOP("LensTable", "Диафрагма от переднего края Xk, мм"),
    MONOCL_NOOP("LensTable", "Диаметр мениска Dm, мм"),
    MONOCL_NOOP("LensTable", "Диаметр диафрагмы Df, мм"),
    MONOCL_NOOP("LensTable", "Ширина края мениска, мм"),
    MONOCL_NOOP("LensTable", "Стрелка первой поверхности на Dm/2, мм"),
    MONOCL_NOOP("LensTable", "Стрелка второй поверхности на Dm/2, мм"),
};

std::optional<double> valueOf(int row, const RayLens& l)
{
    switch (row) {
    case 1: return l.R1;
    case 2: return l.R2;
    case 3: return l.thickness;
    case 4: return l.stopZ;
    case 5: return lensGeometry(l).stopFromRim;
    case 6: return l.diameter;
    case 7: return l.stopDiameter;
    case 8: return lensGeometry(l).rim;
    case 9: return lensGeometry(l).frontSag;
    case 10: return lensGeometry(l).rearSag;
    default: return std::nullopt;
    }
}

} // namespace

std::string lensTableHeader(int col)
{
    return col == 0 ? MONOCL_TR("LensTable", "Параметр") : rayTableHeader(col);
}

std::string lensTableLabel(int row)
{
    return row >= 1 && row < LensTableRows ? translated("LensTable", labels[static_cast<std::size_t>(row)])
                                           : "";
}

std::string lensTableValue(int row, const RayLens* lens, char separator)
{
    if (row < 1 || row >= LensTableRows)
        return "";
    const std::optional<double> v = lens ? valueOf(row, *lens) : std::nullopt;
    return v ? fixedText(*v, 8, 3, separator) : RayTableDash;
}

std::vector<std::vector<std::string>> lensTableRows(const RayLens* design, const RayLens* refined,
                                                    char separator)
{
    std::vector<std::vector<std::string>> rows;
    rows.reserve(LensTableRows);
    rows.push_back({lensTableHeader(0), lensTableHeader(1), lensTableHeader(2)});
    for (int row = 1; row < LensTableRows; ++row)
        rows.push_back({lensTableLabel(row), lensTableValue(row, design, separator),
                        lensTableValue(row, refined, separator)});
    return rows;
}

std::string refineFailureText(RefineFailure reason)
{
    switch (reason) {
    case RefineFailure::None: return "";
    case RefineFailure::BadInput: return MONOCL_TR("LensTable", "размеры линзы непригодны для трассировки");
    case RefineFailure::RayBlocked: return MONOCL_TR("LensTable", "нужный луч не проходит через мениск");
    case RefineFailure::NoConvergence: return MONOCL_TR("LensTable", "метод Ньютона не сошелся");
    case RefineFailure::RimNotPositive: return MONOCL_TR("LensTable", "заданная ширина края не положительна");
    case RefineFailure::ThicknessNotPositive: return MONOCL_TR("LensTable", "толщина по центру стала бы нулевой или отрицательной");
    case RefineFailure::Hemisphere: return MONOCL_TR("LensTable", "поверхность достигла полусферы над Dm");
    case RefineFailure::StopBehindRim: return MONOCL_TR("LensTable", "диафрагма оказалась бы за краем передней поверхности");
    case RefineFailure::ArithmeticFault: return MONOCL_TR("LensTable", "арифметическая ошибка при расчете");
    }
    return "";
}

std::string refinementLine(const std::optional<RefinedLens>& refined)
{
    if (!refined)
        return MONOCL_TR("LensTable", "Уточнение лучами: нет расчета третьего порядка");
    if (refined->found)
        return withValues(MONOCL_TR("LensTable", "Уточнение лучами сошлось, шагов метода Ньютона: %1"),
                          {std::to_string(refined->steps)});
    return withValues(MONOCL_TR("LensTable", "Уточнение лучами не сошлось (шагов: %1): %2"),
                      {std::to_string(refined->steps), refineFailureText(refined->reason)});
}

} // namespace monocl
