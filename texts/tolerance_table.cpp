#include "texts/tolerance_table.h"

#include "format/number_text.h"
#include "texts/translation.h"

#include <cmath>

namespace monocl {

namespace {

constexpr const char* DimensionNames[DimensionCount] = {"R1", "R2", "dh", "Dm", "X1"};

std::string fixed(double v, int decimals, char sep)
{
    return fixedText(v, 12, decimals, sep);
}

// Four significant digits, whatever the size.
std::string sensitivity(double v, char sep)
{
    if (v == 0)
        return "0";
    const int decimals = std::max(0, 3 - static_cast<int>(std::floor(std::log10(std::abs(v)))));
    return fixedText(v, 4, std::min(decimals, 8), sep);
}

} // namespace

std::vector<std::vector<std::string>> toleranceRows(const ToleranceAnalysis& a, char sep)
{
    std::vector<std::vector<std::string>> rows = {{
        MONOCL_TR("ToleranceTable", "Размер"),
        MONOCL_TR("ToleranceTable", "Номинал, мм"),
        MONOCL_TR("ToleranceTable", "Допуск ±"),
        MONOCL_TR("ToleranceTable", "dF'/dx"),
        MONOCL_TR("ToleranceTable", "dsf/dx"),
        MONOCL_TR("ToleranceTable", "dKсф/dx, %/мм"),
        MONOCL_TR("ToleranceTable", "Доля бюджета, %"),
    }};
    for (int i = 0; i < DimensionCount; ++i) {
        const DimensionTolerance& d = a.dimensions[static_cast<std::size_t>(i)];
        std::string tolerance = fixed(d.tolerance, d.fringes ? 4 : 2, sep) + " " + MONOCL_TR("ToleranceTable", "мм");
        if (d.fringes)
            tolerance = withValues(MONOCL_TR("ToleranceTable", "%1 колец (%2)"), {std::to_string(*d.fringes), tolerance});
        if (d.tightened)
            tolerance += " *";
        rows.push_back({DimensionNames[i], fixed(d.nominal, std::abs(d.nominal) < 10 ? 3 : 2, sep), tolerance,
                        sensitivity(d.sensitivity[0], sep), sensitivity(d.sensitivity[1], sep),
                        sensitivity(d.sensitivity[2], sep), fixed(100 * d.budgetShare, 1, sep)});
    }
    return rows;
}

std::vector<std::string> toleranceSummary(const ToleranceAnalysis& a, const ToleranceBudget& b, char sep)
{
    std::vector<std::string> lines;
    lines.push_back(withValues(
        MONOCL_TR("ToleranceTable", "Бюджет: F' ±%1 % (±%2 мм), sf ±%3 мм, Kсф ±%4 % (±%5 %). Допуски поделены поровну по сумме квадратов и округлены вниз до шага мастерской."),
        {generalText(b.focalPercent, sep), fixed(a.budget[0], 3, sep), generalText(b.backFocus, sep),
         generalText(b.sphericalPercent, sep), fixed(a.budget[2], 4, sep)}));
    lines.push_back(withValues(
        MONOCL_TR("ToleranceTable", "Монте-Карло, %1 линз в пределах допусков: в бюджете %2 % (цель — не менее %3 %)."),
        {std::to_string(MonteCarloLenses), fixed(100 * a.share, 1, sep), fixed(100 * MonteCarloGoal, 0, sep)}));
    if (a.tightenings > 0)
        lines.push_back(withValues(
            MONOCL_TR("ToleranceTable", "Для этого ужесточены допуски, отмеченные *, всего на %1 шаг(ов) у наибольших вкладов."),
            {std::to_string(a.tightenings)}));
    if (!a.goalMet)
        lines.push_back(MONOCL_TR("ToleranceTable", "Цель не достигнута и на самых узких допусках: бюджет для этой линзы слишком тесен."));
    return lines;
}

} // namespace monocl
