#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace monocl {

// Fixed-point text of v with at most p significant digits and d decimals,
// rounded half away from zero after a first rounding to 15 significant
// digits (so 0.455, held as a hair below, still reads 0,46). A number with
// more than p integer digits is written in scientific form (-1,235E4).
// Zero never carries a minus sign. v must be finite.
std::string fixedText(double v, int p, int d, char separator);

// The shortest text with at most 15 significant digits: 1.5 gives "1,5".
std::string generalText(double v, char separator);

// Converts text to a real: blanks, an optional sign, digits holding at most
// one separator, an optional exponent, blanks. At least one digit or the
// separator must precede the exponent. Returns false, leaving value as it
// was, for any other text and for a number beyond the range of a double;
// underflow gives the nearest representable value.
bool parseReal(std::string_view text, char separator, double& value);

// The edit fields' conversion: Failed is 0 on success, 1 on a text that does
// not convert (Value then unchanged).
void TryParseFloat(std::string_view text, double& Value, std::int32_t& Failed, char separator);

} // namespace monocl
