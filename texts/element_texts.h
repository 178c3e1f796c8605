#pragma once

#include "core/glass_catalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace monocl {

// The glass of the material block: the catalogue glass the design names
// ("К8 (ЛЗОС)"), else the catalogue glass within 0.0005 in nd and 0.5 in
// Vd, marked as the nearest ("≈ К8 (ЛЗОС), ближайшее в каталоге"), else
// none, the glass then being given by nd and Vd alone.
inline constexpr double MaterialIndexReach = 0.0005;
inline constexpr double MaterialAbbeReach = 0.5;
std::optional<std::string> materialName(const std::optional<Glass>& named, double nd, double vd,
                                        const std::vector<Glass>& catalogue);

// The codes of ISO 10110 as a drawing writes them.
std::string stressCode(double nmPerCm, char separator);                 // 0/20
std::string bubbleCode(int count, double size, char separator);        // 1/3×0,25
std::string inhomogeneityCode(int inhomogeneity, int striae);          // 2/1;1
std::string formCode(int sagittaFringes, int irregularityFringes);     // 3/5(2)
std::string centringCode(double wedgeMinutes, char separator);         // 4/3'
std::string imperfectionCode(int count, double size, char separator);  // 5/5×0,25

} // namespace monocl
