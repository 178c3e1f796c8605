#include "document/drawing_settings.h"

#include "core/lens_sags.h"
#include "format/number_text.h"
#include "texts/translation.h"

#include <cmath>

namespace monocl {

namespace {

bool positive(double v)
{
    return std::isfinite(v) && v > 0;
}

std::string mm(double v, char separator)
{
    return std::isfinite(v) ? fixedText(v, 8, 2, separator) : "-";
}

} // namespace

double ringDiameterFor(const DrawingSettings& settings, double Dm)
{
    return settings.ringDiameter.value_or(DefaultRingShare * Dm);
}

std::optional<std::string> drawingSettingsProblem(const DrawingSettings& s, const std::optional<RayLens>& lens,
                                                  char separator)
{
    if (!positive(s.budget.focalPercent) || !positive(s.budget.backFocus) || !positive(s.budget.sphericalPercent))
        return MONOCL_TR("DrawingSettings", "Допуск на F', sf и Kсф должен быть больше нуля");
    if (!(std::isfinite(s.bevel) && s.bevel >= 0))
        return MONOCL_TR("DrawingSettings", "Фаска не может быть отрицательной");
    if (s.ringDiameter && !positive(*s.ringDiameter))
        return MONOCL_TR("DrawingSettings", "Диаметр кольца сферометра должен быть больше нуля");
    if (!(std::isfinite(s.stress) && s.stress >= 0) || s.bubbleCount < 0 || !(s.bubbleSize >= 0)
        || s.inhomogeneityClass < 0 || s.inhomogeneityClass > 5 || s.striaeClass < 1 || s.striaeClass > 5
        || s.sagittaFringes < 1 || s.irregularityFringes < 0 || !positive(s.wedgeMinutes)
        || s.imperfectionCount < 0 || !(s.imperfectionSize >= 0) || !std::isfinite(s.bubbleSize)
        || !std::isfinite(s.imperfectionSize))
        return MONOCL_TR("DrawingSettings", "Код ISO 10110 вне допустимых значений");
    if (!lens)
        return std::nullopt;
    if (s.ringDiameter && *s.ringDiameter > lens->diameter)
        return withValues(MONOCL_TR("DrawingSettings", "Кольцо сферометра (%1 мм) больше диаметра линзы (%2 мм)"),
                          {mm(*s.ringDiameter, separator), mm(lens->diameter, separator)});
    const auto rim = rimWidth(*lens);
    if (rim && 2 * s.bevel >= *rim)
        return withValues(MONOCL_TR("DrawingSettings", "Фаска (%1 мм) шире края линзы (%2 мм)"),
                          {mm(s.bevel, separator), mm(*rim, separator)});
    return std::nullopt;
}

} // namespace monocl
