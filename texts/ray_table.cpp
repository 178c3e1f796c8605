#include "texts/ray_table.h"

#include "format/number_text.h"

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
    {"Фокусное расстояние (параксиальное) F', мм", &RayCheck::focalLength, 2},
    {"Задний фокальный отрезок (параксиальный) sf, мм", &RayCheck::backFocalDistance, 2},
    {"Продольная сферическая аберрация, край зрачка, мм", &RayCheck::sphericalEdge, 3},
    {"Продольная сферическая аберрация, зона 0,7, мм", &RayCheck::sphericalZone, 3},
    {"Относительная сферическая аберрация Kсф по лучам, %", &RayCheck::sphericalRelative, 3},
    {"Относительная сферическая аберрация Kсф заданная, %", &RayCheck::sphericalRequested, 3},
    {"Смещение плоскости наилучшей фокусировки, мм", &RayCheck::bestFocusShift, 3},
    {"Радиус пятна (ср. кв.) на оси, мкм", &RayCheck::spotAxis, 1},
    {"Радиус пятна (ср. кв.), 0,7 поля, мкм", &RayCheck::spotZone, 1},
    {"Радиус пятна (ср. кв.), край поля, мкм", &RayCheck::spotEdge, 1},
    {"Диаметр кружка Эйри, мкм", &RayCheck::airyDiameter, 1},
    {"Сагиттальный фокус, край поля, мм", &RayCheck::sagittalFocus, 3},
    {"Меридиональный фокус, край поля, мм", &RayCheck::tangentialFocus, 3},
    {"Дисторсия, край поля, %", &RayCheck::distortion, 2},
    // The dash is an en dash.
    {"Продольный хроматизм (F \u2013 C), мм", &RayCheck::axialColour, 3},
    {"Виньетирование, край поля, %", &RayCheck::vignetting, 1},
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
        return "Параметр";
    if (col == 1)
        return "Значение";
    return "";
}

std::string rayTableLabel(int row)
{
    const Row* r = rowOf(row);
    return r ? r->label : "";
}

std::string rayTableValue(int row, const RayCheck& check, char separator)
{
    const Row* r = rowOf(row);
    if (!r)
        return "";
    const std::optional<double>& v = check.*(r->value);
    return v ? fixedText(*v, 8, r->decimals, separator) : RayTableDash;
}

} // namespace monocl
