#pragma once

#include "translation.h"

namespace monocl {

// The captions of the frames around the result tables, in the context
// "Toptmono": the window's frames and the outputs that list the tables.
inline constexpr const char* DesignTableTitle = MONOCL_NOOP("Toptmono", "Расчетные параметры");
inline constexpr const char* ForecastTableTitle =
    MONOCL_NOOP("Toptmono", "Прогнозируемые параметры монокля");
inline constexpr const char* RayTableTitle = MONOCL_NOOP("Toptmono", "Результаты трассировки лучей");

} // namespace monocl
