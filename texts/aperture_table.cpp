#include "texts/aperture_table.h"

#include "format/number_text.h"
#include "texts/ray_table.h"
#include "texts/translation.h"

namespace monocl {

namespace {

std::string valueText(const std::optional<double>& v, int decimals, char separator)
{
    return v ? fixedText(*v, 8, decimals, separator) : RayTableDash;
}

} // namespace

std::string apertureTableHeader(int col)
{
    switch (col) {
    case 0: return MONOCL_TR("ApertureTable", "N");
    case 1: return MONOCL_TR("ApertureTable", "Df, мм");
    case 2: return MONOCL_TR("ApertureTable", "Kсф, %");
    case 3: return MONOCL_TR("ApertureTable", "Ось, мкм");
    case 4: return MONOCL_TR("ApertureTable", "Край, мкм");
    case 5: return MONOCL_TR("ApertureTable", "Эйри, мкм");
    default: return "";
    }
}

std::string apertureTableTitle(bool refinedFound)
{
    return refinedFound
        ? MONOCL_TR("ApertureTable", "Мягкость по диафрагме: мениск, уточненный лучами")
        : MONOCL_TR("ApertureTable", "Мягкость по диафрагме: мениск третьего порядка");
}

std::vector<std::string> apertureRowTexts(const ApertureRow& row, char separator)
{
    return {fixedText(row.fNumber, 8, row.own || row.typed ? 2 : 1, separator),
            valueText(row.stopDiameter, 2, separator), valueText(row.sphericalRelative, 3, separator),
            valueText(row.spotAxis, 1, separator), valueText(row.spotEdge, 1, separator),
            valueText(row.airyRadius, 1, separator)};
}

std::vector<std::vector<std::string>> apertureTableRows(const std::vector<ApertureRow>& rows,
                                                        char separator)
{
    std::vector<std::vector<std::string>> out;
    out.reserve(rows.size() + 1);
    std::vector<std::string> header;
    for (int col = 0; col < ApertureTableColumns; ++col)
        header.push_back(apertureTableHeader(col));
    out.push_back(std::move(header));
    for (const ApertureRow& row : rows)
        out.push_back(apertureRowTexts(row, separator));
    return out;
}

} // namespace monocl
