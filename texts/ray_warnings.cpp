#include "texts/ray_warnings.h"

#include "core/lens_geometry.h"
#include "texts/ray_table.h"
#include "texts/translation.h"

namespace monocl {

namespace {

std::string linesOf(const RayLens& lens, const std::string& name)
{
    const LensFlaws f = lensFlaws(lens);
    if (!f.any())
        return "";
    std::string line = name + ": ";
    bool first = true;
    const auto add = [&](bool flaw, const std::string& text) {
        if (!flaw)
            return;
        line += (first ? "" : "; ") + text;
        first = false;
    };
    add(f.stopCutsLens, MONOCL_TR("RayWarnings", "Диафрагма пересекает мениск"));
    add(f.sharpRim, MONOCL_TR("RayWarnings", "Острый край мениска"));
    add(f.nearHemisphere, MONOCL_TR("RayWarnings", "Поверхность близка к полусфере"));
    return line;
}

} // namespace

std::vector<std::string> rayWarnings(const RayLens* design, const RayLens* refined)
{
    std::vector<std::string> lines;
    const RayLens* lenses[2] = {design, refined};
    for (int k = 0; k < 2; ++k)
        if (lenses[k])
            if (std::string line = linesOf(*lenses[k], rayTableHeader(k + 1)); !line.empty())
                lines.push_back(std::move(line));
    return lines;
}

} // namespace monocl
