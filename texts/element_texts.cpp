#include "texts/element_texts.h"

#include "format/number_text.h"
#include "texts/translation.h"

#include <cmath>

namespace monocl {

namespace {

std::string shown(const Glass& glass)
{
    return glassDisplayName(glass) + " (" + makerDisplayName(glass.maker) + ")";
}

std::string number(double v, char separator)
{
    return generalText(v, separator);
}

} // namespace

std::optional<std::string> materialName(const std::optional<Glass>& named, double nd, double vd,
                                        const std::vector<Glass>& catalogue)
{
    if (named)
        return shown(*named);
    const auto nearest = nearestGlass(catalogue, nd, vd);
    if (!nearest)
        return std::nullopt;
    const Glass& g = catalogue[*nearest];
    if (std::abs(g.nd - nd) > MaterialIndexReach + 1e-12 || std::abs(g.vd - vd) > MaterialAbbeReach + 1e-12)
        return std::nullopt;
    return withValues(MONOCL_TR("ElementDrawing", "≈ %1, ближайшее в каталоге"), {shown(g)});
}

std::string stressCode(double nmPerCm, char separator)
{
    return "0/" + number(nmPerCm, separator);
}

std::string bubbleCode(int count, double size, char separator)
{
    return "1/" + std::to_string(count) + "×" + number(size, separator);
}

std::string inhomogeneityCode(int inhomogeneity, int striae)
{
    return "2/" + std::to_string(inhomogeneity) + ";" + std::to_string(striae);
}

std::string formCode(int sagittaFringes, int irregularityFringes)
{
    return "3/" + std::to_string(sagittaFringes) + "(" + std::to_string(irregularityFringes) + ")";
}

std::string centringCode(double wedgeMinutes, char separator)
{
    return "4/" + number(wedgeMinutes, separator) + "'";
}

std::string imperfectionCode(int count, double size, char separator)
{
    return "5/" + std::to_string(count) + "×" + number(size, separator);
}

} // namespace monocl
