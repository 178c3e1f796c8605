// Writes arbitrary finite doubles as the tables write them and reads the
// texts back.
//
// Input: 8 bytes of a double (little-endian; a NaN or an infinity has its top
// exponent bit cleared), then one byte each for the significant digits
// (1..15), the decimals (0..8) and the separator (odd: ',', even: '.').

#include "format/number_text.h"
#include "fuzz_support.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

using namespace monocl;
using fuzzsupport::show;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where the digits of text[i..] end.
std::size_t skipDigits(const std::string& text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

void checkFixed(double v, int p, int d, char sep)
{
    const std::string text = fixedText(v, p, d, sep);
    const std::string what = "fixedText(" + show(v) + ", " + std::to_string(p) + ", "
        + std::to_string(d) + ", '" + sep + "') = \"" + text + "\"";

    for (char c : text)
        FUZZ_CHECK(isDigit(c) || c == '-' || c == sep || c == 'E', what + ": stray character");

    double w = 0;
    FUZZ_CHECK(parseReal(text, sep, w), what + " does not parse");
    FUZZ_CHECK(std::isfinite(w), what);

    std::size_t i = text[0] == '-' ? 1 : 0;
    FUZZ_CHECK(!(i == 1 && w == 0.0), what + ": zero with a minus sign");
    FUZZ_CHECK((i == 1) == (w < 0.0), what + ": sign");
    FUZZ_CHECK(i == 0 || v < 0.0, what + ": minus sign on a positive value");

    const std::size_t e = text.find('E');
    if (e == std::string::npos) {
        // Fixed form: at most p integer digits, then exactly d decimals.
        const std::size_t intEnd = skipDigits(text, i);
        FUZZ_CHECK(intEnd > i, what + ": no integer digits");
        FUZZ_CHECK(static_cast<int>(intEnd - i) <= std::max(p, 1), what + ": too many integer digits");
        FUZZ_CHECK(intEnd - i == 1 || text[i] != '0', what + ": leading zero");
        if (d == 0) {
            FUZZ_CHECK(intEnd == text.size(), what + ": decimals where none were asked");
        } else {
            FUZZ_CHECK(intEnd < text.size() && text[intEnd] == sep, what + ": no separator");
            const std::size_t fracEnd = skipDigits(text, intEnd + 1);
            FUZZ_CHECK(fracEnd == text.size(), what + ": junk after the decimals");
            FUZZ_CHECK(static_cast<int>(fracEnd - intEnd - 1) == d,
                       what + ": not exactly " + std::to_string(d) + " decimals");
        }
        // Rounded to the coarser of p significant digits and d decimals,
        // after the first rounding to 15 significant digits.
        const double tolerance =
            (std::max(0.5 * std::pow(10.0, -d), 0.5 * std::pow(10.0, 1 - p) * std::fabs(v))
             + 0.5e-14 * std::fabs(v))
            * (1 + 1e-9);
        FUZZ_CHECK(std::fabs(w - v) <= tolerance, what + " reads " + show(w));
    } else {
        // Scientific form: one digit, optionally the separator and more
        // digits with no trailing zero, E, an optional minus, the exponent.
        FUZZ_CHECK(e == i + 1 || (text[i + 1] == sep && e > i + 2 && text[e - 1] != '0'),
                   what + ": mantissa");
        FUZZ_CHECK(isDigit(text[i]) && text[i] != '0', what + ": leading digit");
        FUZZ_CHECK(skipDigits(text, i + 2) >= e, what + ": mantissa digits");
        FUZZ_CHECK(static_cast<int>(e - i - (e == i + 1 ? 0 : 1)) <= p,
                   what + ": more than p significant digits");
        std::size_t x = e + 1;
        if (x < text.size() && text[x] == '-')
            ++x;
        FUZZ_CHECK(x < text.size() && skipDigits(text, x) == text.size(), what + ": exponent");
        const int exponent = std::stoi(text.substr(e + 1));
        FUZZ_CHECK(exponent >= p, what + ": scientific form with no more than p integer digits");
        // Next to the largest double a carry is cut instead, so the text
        // may lie a whole unit of its last digit below the value.
        const double half = std::fabs(v) > 1.4e308 ? 1.0 : 0.5;
        const double tolerance =
            (half * std::pow(10.0, 1 - p) + 0.5e-14) * std::fabs(v) * (1 + 1e-9);
        FUZZ_CHECK(std::fabs(w - v) <= tolerance, what + " reads " + show(w));
    }
}

void checkGeneral(double v, char sep)
{
    const std::string text = generalText(v, sep);
    const std::string what = "generalText(" + show(v) + ", '" + sep + "') = \"" + text + "\"";
    for (char c : text)
        FUZZ_CHECK(isDigit(c) || c == '-' || c == sep || c == 'E', what + ": stray character");
    double w = 0;
    FUZZ_CHECK(parseReal(text, sep, w), what + " does not parse");
    FUZZ_CHECK(std::fabs(w - v) <= 6e-15 * std::fabs(v) + 2 * DBL_TRUE_MIN, what + " reads " + show(w));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::Reader in(data, size);
    const double v = in.finiteDouble(1.5182);
    const int p = 1 + in.byte(7) % 15;
    const int d = in.byte(4) % 9;
    const char sep = (in.byte(1) & 1) ? ',' : '.';
    checkFixed(v, p, d, sep);
    checkGeneral(v, sep);
    return 0;
}
