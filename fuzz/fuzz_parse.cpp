// Parses arbitrary text as an edit field would, and writes every number it
// accepts back as text to parse once more.
//
// Input: the first byte picks the decimal separator (odd: ',', even: '.';
// the seeds use 'c' and 'p'), the rest is the text.

#include "format/number_text.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

using namespace monocl;
using fuzzsupport::show;

namespace {

// The decimal exponent of |v| once rounded to 15 significant digits.
int exponent15(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    return std::atoi(std::strchr(buf, 'e') + 1);
}

void checkFixedRoundTrip(double v, int d, char sep)
{
    const std::string text = fixedText(v, 8, d, sep);
    double w = 0;
    FUZZ_CHECK(parseReal(text, sep, w), "fixedText(" + show(v) + ", 8, " + std::to_string(d)
                                            + ") = \"" + text + "\" does not parse");
    FUZZ_CHECK(std::isfinite(w), text);
    const std::string what = "fixedText(" + show(v) + ", 8, " + std::to_string(d) + ") = \""
        + text + "\" reads " + show(w);
    const bool scientific = text.find('E') != std::string::npos;
    FUZZ_CHECK(scientific == (std::fabs(w) >= 1e8), what + ": scientific form iff 9+ integer digits");
    if (v == 0.0) {
        FUZZ_CHECK(w == 0.0, what);
        return;
    }
    if (scientific) {
        FUZZ_CHECK(std::fabs(w - v) <= 1e-7 * std::fabs(v), what);
        return;
    }
    // Rounded to d decimals, or coarser where 8 significant digits run out;
    // the first rounding to 15 significant digits adds its own half unit.
    const int unit = std::max(exponent15(v) - 7, -d);
    const double tolerance = 0.5 * std::pow(10.0, unit) * (1 + 1e-9) + 1e-14 * std::fabs(v);
    FUZZ_CHECK(std::fabs(w - v) <= tolerance, what + ", tolerance " + show(tolerance));
}

void checkGeneralRoundTrip(double v, char sep)
{
    const std::string text = generalText(v, sep);
    double w = 0;
    FUZZ_CHECK(parseReal(text, sep, w), "generalText(" + show(v) + ") = \"" + text
                                            + "\" does not parse");
    FUZZ_CHECK(std::fabs(w - v) <= 6e-15 * std::fabs(v) + 2 * DBL_TRUE_MIN,
               "generalText(" + show(v) + ") = \"" + text + "\" reads " + show(w));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char sep = (data[0] & 1) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const double sentinel = -7.25;
    double value = sentinel;
    const bool ok = parseReal(text, sep, value);

    double edit = sentinel;
    std::int32_t failed = -1;
    TryParseFloat(text, edit, failed, sep);
    FUZZ_CHECK(failed == (ok ? 0 : 1), "TryParseFloat disagrees with parseReal");
    FUZZ_CHECK(edit == value || (std::isnan(edit) && std::isnan(value)),
               "TryParseFloat gives " + show(edit) + ", parseReal " + show(value));

    if (!ok) {
        FUZZ_CHECK(value == sentinel, "a refused text changed the value to " + show(value));
        return 0;
    }
    FUZZ_CHECK(std::isfinite(value), "parsed to " + show(value));

    for (int d = 0; d <= 8; ++d)
        checkFixedRoundTrip(value, d, sep);
    checkGeneralRoundTrip(value, sep);
    return 0;
}
