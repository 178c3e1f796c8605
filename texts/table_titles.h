#pragma once

#include "translation.h"

namespace monocl {

// The captions of the frames around the result tables: the window's frames
// and the outputs that list the tables. The design's and the forecast's are
// in the context "Toptmono", the ray check's in "RayView".
inline constexpr const char* DesignTableTitle = MONOCL_NOOP("Toptmono", "Расчетные параметры");
inline constexpr const char* ForecastTableTitle =
    MONOCL_NOOP("Toptmono", "Прогнозируемые параметры монокля");
inline constexpr const char* RayTableTitle = MONOCL_NOOP("RayView", "Результаты трассировки лучей");
inline constexpr const char* LensTableTitle =
    MONOCL_NOOP("RayView", "Мениск: третий порядок и уточненный лучами");

} // namespace monocl
