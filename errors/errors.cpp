#include "errors.h"
#include "real.h"

#include <cmath>

namespace monocl {

const char* mathErrorMessage(MathError::Kind kind) noexcept
{
    switch (kind) {
    case MathError::Kind::InvalidOperation:
        return "Invalid floating point operation";
    case MathError::Kind::DivisionByZero:
        return "Floating point division by zero";
    case MathError::Kind::Overflow:
        return "Floating point overflow";
    }
    return "Invalid floating point operation";
}

MathError::MathError(Kind kind)
    : MonoclError(mathErrorMessage(kind))
    , m_kind(kind)
{
}

void throwMathError(MathError::Kind kind)
{
    throw MathError(kind);
}

void throwNotFinite(double result)
{
    throwMathError(std::isnan(result) ? MathError::Kind::InvalidOperation
                                      : MathError::Kind::Overflow);
}

void throwDivisionByZero(double dividend)
{
    throwMathError(dividend == 0.0 ? MathError::Kind::InvalidOperation
                                   : MathError::Kind::DivisionByZero);
}

namespace {

std::string conversionMessage(const std::string& text)
{
    // Appended piece by piece: GCC 12 warns falsely on operator+ here.
    std::string message;
    message.reserve(text.size() + 40);
    message.append(1, '\'').append(text).append("' is not a valid floating point value");
    return message;
}

} // namespace

ConversionError::ConversionError(const std::string& text)
    : MonoclError(conversionMessage(text))
    , m_text(text)
{
}

} // namespace monocl
