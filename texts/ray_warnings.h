#pragma once

#include "core/ray_trace.h"

#include <string>
#include <vector>

namespace monocl {

// One line for each lens that is hard or impossible to build, naming the
// lens ("Третий порядок", "Уточнено лучами") and then what is wrong with
// it: "Диафрагма пересекает мениск", "Острый край мениска", "Поверхность
// близка к полусфере" (see lensFlaws). Either lens may be none; nothing for
// lenses that can be built.
std::vector<std::string> rayWarnings(const RayLens* design, const RayLens* refined);

} // namespace monocl
