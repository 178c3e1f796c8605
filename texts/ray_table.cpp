#include "texts/ray_table.h"

#include "format/number_text.h"
#include "texts/translation.h"

#include <array>
#include <optional>

namespace monocl {

namespace {

struct Row {
    const char* label;
    std::optional<double> RayCheck::*value;
    int decimals;
};

const std::array<Row, RayTableRows - 1> rows = {{
    {MONOCL_NOOP("RayTable", "Фокусное расстояние (параксиальное) F', мм"), &RayCheck::focalLength, 2},
    {MONOCL_NOOP("RayTable", "Задний фокальный отрезок (параксиальный) sf, мм"), &RayCheck::backFocalDistance, 2},
    {MONOCL_NOOP("RayTable", "Продольная сферическая аберрация, край зрачка, мм"), &RayCheck::sphericalEdge, 3},
    {MONOCL_NOOP("RayTable", "Продольная сферическая аберрация, зона 0,7, мм"), &RayCheck::sphericalZone, 3},
    {MONOCL_NOOP("RayTable", "Относительная сферическая аберрация Kсф по лучам, %"), &RayCheck::sphericalRelative, 3},
    {MONOCL_NOOP("RayTable", "Относительная сферическая аберрация Kсф заданная, %"), &RayCheck::sphericalRequested, 3},
    {MONOCL_NOOP("RayTable", "Смещение плоскости наилучшей фокусировки, мм"), &RayCheck::bestFocusShift, 3},
    {MONOCL_NOOP("RayTable", "Радиус пятна (ср. кв.) на оси, мкм"), &RayCheck::spotAxis, 1},
    {MONOCL_NOOP("RayTable", "Радиус пятна (ср. кв.), 0,7 поля, мкм"), &RayCheck::spotZone, 1},
    {MONOCL_NOOP("RayTable", "Радиус пятна (ср. кв.), край поля, мкм"), &RayCheck::spotEdge, 1},
    {MONOCL_NOOP("RayTable", "Диаметр кружка Эйри, мкм"), &RayCheck::airyDiameter, 1},
    {MONOCL_NOOP("RayTable", "Сагиттальный фокус, край поля, мм"), &RayCheck::sagittalFocus, 3},
    {MONOCL_NOOP("RayTable", "Меридиональный фокус, край поля, мм"), &RayCheck::tangentialFocus, 3},
    {MONOCL_NOOP("RayTable", "Дисторсия, край поля, %"), &RayCheck::distortion, 2},
    {MONOCL_NOOP("RayTable", "Продольный хроматизм (F – C), мм"), &RayCheck::axialColour, 3},
    {MONOCL_NOOP("RayTable", "Виньетирование, край поля, %"), &RayCheck::vignetting, 1},
}};

const Row* rowOf(int row)
{
    if (row < 1 || row >= RayTableRows)
        return nullptr;
    return &rows[static_cast<std::size_t>(row - 1)];
}

} // namespace

std::string rayTableHeader(int col)
{
    if (col == 0)
        return MONOCL_TR("RayTable", "Параметр");
    if (col == 1)
        return MONOCL_TR("RayTable", "Третий порядок");
    if (col == 2)
        return MONOCL_TR("RayTable", "Уточнено лучами");
    return "";
}

std::string rayTableLabel(int row)
{
    const Row* r = rowOf(row);
    return r ? translated("RayTable", r->label) : "";
}

std::string rayTableValue(int row, const RayCheck& check, char separator)
{
    const Row* r = rowOf(row);
    if (!r)
        return "";
    const std::optional<double>& v = check.*(r->value);
    return v ? fixedText(*v, 8, r->decimals, separator) : RayTableDash;
}

std::vector<std::vector<std::string>> rayTableRows(const RayCheck* design, const RayCheck* refined,
                                                   char separator)
{
    const RayCheck none;
    std::vector<std::vector<std::string>> rows;
    rows.reserve(RayTableRows);
    rows.push_back({rayTableHeader(0), rayTableHeader(1), rayTableHeader(2)});
    for (int row = 1; row < RayTableRows; ++row)
        rows.push_back({rayTableLabel(row), rayTableValue(row, design ? *design : none, separator),
                        rayTableValue(row, refined ? *refined : none, separator)});
    return rows;
}

} // namespace monocl
