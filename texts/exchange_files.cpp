#include "texts/exchange_files.h"

#include "core/tolerances.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace monocl {

namespace {

// The shortest text that reads back as the very same double.
std::string exact(double v)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return std::string(buffer, end);
}

std::string fixed(double v, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    return buffer;
}

// Printable ASCII only: a lens file's NAME line is no place for others.
std::string plainTitle(const std::string& title)
{
    std::string out;
    for (const char c : title)
        out += (c >= 0x20 && c < 0x7F) ? c : '_';
    return out;
}

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

std::string pad(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

} // namespace

std::optional<std::string> zemaxFile(const RayLens& l, const std::string& title)
{
    const auto figures = lensFigures(l);
    if (!figures)
        return std::nullopt;
    const double back = (*figures)[1];
    const double beta = degrees(l.halfField);
    std::string z;
    z += "VERS 140000 0 0\n";
    z += "MODE SEQ\n";
    z += "NAME " + plainTitle(title) + "\n";
    z += "UNIT MM X W X CM MR CPMM\n";
    z += "ENPD " + exact(l.stopDiameter) + "\n";
    z += "FTYP 0 0 3 3 0 0 0\n";
    z += "XFLN 0 0 0\n";
    z += "YFLN 0 " + exact(0.7 * beta) + " " + exact(beta) + "\n";
    z += "FWGN 1 1 1\n";
    z += "WAVM 1 " + exact(LineF) + " 1\n";
    z += "WAVM 2 " + exact(LineD) + " 1\n";
    z += "WAVM 3 " + exact(LineC) + " 1\n";
    z += "PWAV 2\n";
    const auto surface = [&](int n, double curvature, const std::string& distance, const std::string& extra,
                             std::optional<double> semiDiameter) {
        z += "SURF " + std::to_string(n) + "\n";
        z += extra;
        z += "  TYPE STANDARD\n";
        z += "  CURV " + exact(curvature) + "\n";
        z += "  DISZ " + distance + "\n";
        if (semiDiameter)
            z += "  DIAM " + exact(*semiDiameter) + " 1 0 0 1 \"\"\n";
    };
    const std::string glass = "  GLAS ___BLANK 1 0 " + exact(l.nd) + " " + exact(l.abbe) + " 0 0 0 0 0 0\n";
    surface(0, 0, "INFINITY", "", std::nullopt);
    surface(1, 0, exact(-l.stopZ), "  STOP\n", l.stopDiameter / 2);
    surface(2, 1 / l.R1, exact(l.thickness), glass, l.diameter / 2);
    surface(3, 1 / l.R2, exact(back), "", l.diameter / 2);
    surface(4, 0, "0", "", std::nullopt);
    return z;
}

std::optional<std::string> prescriptionText(const RayLens& l, const std::string& title)
{
    const auto figures = lensFigures(l);
    if (!figures)
        return std::nullopt;
    std::string t = "# " + plainTitle(title) + "\n";
    t += "# Lengths in mm; object at infinity; light from left to right.\n";
    t += "# Focal length " + fixed((*figures)[0], 4) + ", back focal distance " + fixed((*figures)[1], 4)
        + ", half field " + fixed(degrees(l.halfField), 4) + " deg.\n";
    const auto line = [&](const std::string& surface, const std::string& radius, const std::string& thickness,
                          const std::string& glass, const std::string& semi) {
        t += pad(surface, 9) + pad(radius, 15) + pad(thickness, 15) + pad(glass, 18) + semi + "\n";
    };
    const std::string glass = fixed(l.nd, 6) + "/" + fixed(l.abbe, 2);
    line("Surface", "Radius", "Thickness", "Glass", "Semi-diameter");
    line("OBJ", "Infinity", "Infinity", "", "");
    line("STO", "Infinity", fixed(-l.stopZ, 6), "", fixed(l.stopDiameter / 2, 6));
    line("1", fixed(l.R1, 6), fixed(l.thickness, 6), glass, fixed(l.diameter / 2, 6));
    line("2", fixed(l.R2, 6), fixed((*figures)[1], 6), "", fixed(l.diameter / 2, 6));
    line("IMA", "Infinity", "", "", "");
    return t;
}

} // namespace monocl
