#include "number_text.h"

#include "errors/errors.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace monocl {

namespace {

// The decimal digits of |v| rounded to 15 significant digits, and the decimal
// exponent of the first one: |v| = d0.d1d2... x 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double v, int significant)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v),
                                   std::chars_format::scientific, significant - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    Decimal dec;
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            dec.digits.push_back(text[i]);
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
    dec.exponent = exponent;
    return dec;
}

// digits x 10^scale as strtod reads it. With no radix character in it, the
// C library's locale does not matter. Appended piece by piece: GCC 12 warns
// falsely on operator+ here.
double readDigits(const std::string& digits, long long scale)
{
    std::string canonical;
    canonical.reserve(digits.size() + 24);
    canonical.append(digits).append(1, 'e').append(std::to_string(scale));
    return std::strtod(canonical.c_str(), nullptr);
}

// Whether digits x 10^scale lies beyond the largest double, so that its text
// could not be read back.
bool beyondDouble(const std::string& digits, int scale)
{
    // Below 10^308 every value is short of the largest double, 1.8 x 10^308;
    // only the few next to it are worth reading.
    if (scale + static_cast<long long>(digits.size()) <= 308)
        return false;
    return std::isinf(readDigits(digits, scale));
}

Decimal toDecimal15(double v)
{
    Decimal dec = toDecimal(v, 15);
    // Next to the largest double, rounding to 15 digits can carry past it;
    // such a value keeps its 15 digits cut instead.
    if (beyondDouble(dec.digits, dec.exponent - 14)) {
        dec = toDecimal(v, 17);
        dec.digits.resize(15);
    }
    return dec;
}

// Adds one to a string of decimal digits; may grow it by a leading 1.
void incrementDigits(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string scientific(const std::string& digits, int exponent, char separator)
{
    std::string out(1, digits[0]);
    std::size_t last = digits.find_last_not_of('0');
    if (last != std::string::npos && last > 0) {
        out.push_back(separator);
        out.append(digits, 1, last);
    }
    out.push_back('E');
    out += std::to_string(exponent);
    return out;
}

bool isBlank(char c) { return c == ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string fixedText(double v, int p, int d, char separator)
{
    if (!std::isfinite(v))
        throw MathError(MathError::Kind::InvalidOperation);
    if (p < 1)
        p = 1;
    if (d < 0)
        d = 0;

    // Round to the coarser of p significant digits and d decimals: the unit
    // kept is 10^unit, and `kept` integer digits of that unit remain.
    std::string kept = "0";
    int unit = -d;
    if (v != 0.0) {
        const Decimal dec = toDecimal15(v);
        unit = std::max(dec.exponent - p + 1, -d);
        const int count = dec.exponent - unit + 1;
        if (count >= static_cast<int>(dec.digits.size())) {
            kept = dec.digits;
            unit = dec.exponent - static_cast<int>(dec.digits.size()) + 1;
        } else if (count > 0) {
            kept = dec.digits.substr(0, static_cast<std::size_t>(count));
            if (dec.digits[static_cast<std::size_t>(count)] >= '5') {
                std::string up = kept;
                incrementDigits(up);
                // A carry past the largest double would give a text that
                // cannot be read back; the digits are cut there instead.
                if (!beyondDouble(up, unit))
                    kept = up;
            }
        } else if (count == 0 && dec.digits[0] >= '5') {
            kept.assign(1, '1');
        }
    }

    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string out = (v < 0.0 && !zero) ? "-" : "";
    if (zero) {
        out += '0';
        if (d > 0) {
            out.push_back(separator);
            out.append(static_cast<std::size_t>(d), '0');
        }
        return out;
    }

    kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size() - 1));
    const int integerDigits = static_cast<int>(kept.size()) + unit;
    if (integerDigits > p)
        return out + scientific(kept, integerDigits - 1, separator);

    std::string integerPart;
    std::string fraction;
    if (unit >= 0) {
        integerPart = kept + std::string(static_cast<std::size_t>(unit), '0');
    } else {
        const std::size_t fracLen = static_cast<std::size_t>(-unit);
        if (kept.size() <= fracLen)
            kept.insert(0, fracLen - kept.size() + 1, '0');
        integerPart = kept.substr(0, kept.size() - fracLen);
        fraction = kept.substr(kept.size() - fracLen);
    }
    out += integerPart;
    if (d > 0) {
        fraction.resize(static_cast<std::size_t>(d), '0');
        out.push_back(separator);
        out += fraction;
    }
    return out;
}

std::string generalText(double v, char separator)
{
    if (!std::isfinite(v))
        throw MathError(MathError::Kind::InvalidOperation);
    if (v == 0.0)
        return "0";
    Decimal dec = toDecimal15(v);
    dec.digits.erase(dec.digits.find_last_not_of('0') + 1);
    std::string out = v < 0.0 ? "-" : "";
    if (dec.exponent < -5 || dec.exponent >= 15)
        return out + scientific(dec.digits, dec.exponent, separator);
    const int digitCount = static_cast<int>(dec.digits.size());
    if (dec.exponent < 0) {
        out += "0";
        out.push_back(separator);
        out.append(static_cast<std::size_t>(-dec.exponent - 1), '0');
        out += dec.digits;
    } else if (digitCount <= dec.exponent + 1) {
        out += dec.digits;
        out.append(static_cast<std::size_t>(dec.exponent + 1 - digitCount), '0');
    } else {
        out.append(dec.digits, 0, static_cast<std::size_t>(dec.exponent + 1));
        out.push_back(separator);
        out.append(dec.digits, static_cast<std::size_t>(dec.exponent + 1));
    }
    return out;
}

bool parseReal(std::string_view text, char separator, double& value)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    // Mantissa digits, remembering how many stood after the separator.
    std::string digits;
    long long fractionDigits = 0;
    bool seenSeparator = false;
    bool seenDigit = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            seenDigit = true;
            digits.push_back(text[i]);
            if (seenSeparator)
                ++fractionDigits;
        } else if (text[i] == separator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (!seenDigit && !seenSeparator)
        return false;

    // Exponent: E or e, an optional sign, any number of digits.
    long long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        for (; i < n && isDigit(text[i]); ++i)
            if (exponent < 100000000)
                exponent = exponent * 10 + (text[i] - '0');
        if (negativeExponent)
            exponent = -exponent;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return false;

    // Leading zeros carry nothing; an all-zero mantissa is zero whatever
    // the exponent.
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.empty()) {
        value = negative ? -0.0 : 0.0;
        return true;
    }
    const long long scale = exponent - fractionDigits;
    const long long magnitude = scale + static_cast<long long>(digits.size());
    if (magnitude > 400)
        return false;
    if (magnitude < -400) {
        value = negative ? -0.0 : 0.0;
        return true;
    }
    const double parsed = readDigits(digits, scale);
    if (std::isinf(parsed))
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

void TryParseFloat(std::string_view text, double& Value, std::int32_t& Failed, char separator)
{
    Failed = 0;
    if (!parseReal(text, separator, Value))
        Failed = 1;
}

} // namespace monocl
