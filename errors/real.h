#pragma once

#include "errors.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace monocl {

// The throws of the checked arithmetic, kept out of line so that the hot path
// of an operation is one compare and a branch that is never taken.
[[noreturn, gnu::cold]] void throwNotFinite(double result);
[[noreturn, gnu::cold]] void throwDivisionByZero(double dividend);
[[noreturn, gnu::cold]] void throwMathError(MathError::Kind kind);

// A double whose every operation is checked as it happens: an invalid
// operation, a division by zero or an overflow throws MathError at once, so a
// NaN or an infinity can never come out of a formula. Underflow and inexact
// results pass silently. The checks are explicit branches, so they do not
// depend on the floating-point environment or on what the optimiser does with
// its flags.
class Real {
public:
    constexpr Real() = default;
    constexpr Real(double v) : m_value(v) {} // NOLINT: implicit by design, formulas mix literals in

    constexpr double value() const { return m_value; }

    friend Real operator+(Real a, Real b) { return checked(a.m_value + b.m_value); }
    friend Real operator-(Real a, Real b) { return checked(a.m_value - b.m_value); }
    friend Real operator*(Real a, Real b) { return checked(a.m_value * b.m_value); }
    friend Real operator/(Real a, Real b)
    {
        // Tested before dividing: no division by zero is ever carried out.
        if (isZero(b.m_value)) [[unlikely]]
            throwDivisionByZero(a.m_value);
        return checked(a.m_value / b.m_value);
    }
    friend Real operator-(Real a) { return Real(-a.m_value); }

    Real& operator+=(Real b) { return *this = *this + b; }
    Real& operator-=(Real b) { return *this = *this - b; }
    Real& operator*=(Real b) { return *this = *this * b; }
    Real& operator/=(Real b) { return *this = *this / b; }

    friend bool operator==(Real a, Real b) { return a.m_value == b.m_value; }
    friend bool operator!=(Real a, Real b) { return a.m_value != b.m_value; }
    friend bool operator<(Real a, Real b) { return a.m_value < b.m_value; }
    friend bool operator>(Real a, Real b) { return a.m_value > b.m_value; }
    friend bool operator<=(Real a, Real b) { return a.m_value <= b.m_value; }
    friend bool operator>=(Real a, Real b) { return a.m_value >= b.m_value; }

    // Throws for a NaN or an infinity; used where a plain double enters.
    static Real checked(double v)
    {
        if (!isFinite(v)) [[unlikely]]
            throwNotFinite(v);
        return Real(v);
    }

    // One integer compare: shifted past the sign bit, a double's bits reach
    // the all-ones exponent only for an infinity or a NaN.
    static bool isFinite(double v)
    {
        return (std::bit_cast<std::uint64_t>(v) << 1) < 0xFFE0000000000000ULL;
    }

    // v == 0.0 as one integer test: true for both zeros, false for a NaN.
    static bool isZero(double v)
    {
        return (std::bit_cast<std::uint64_t>(v) << 1) == 0;
    }

private:
    double m_value = 0.0;
};

inline Real sqrt(Real x)
{
    if (x.value() < 0.0) [[unlikely]]
        throwMathError(MathError::Kind::InvalidOperation);
    return Real(std::sqrt(x.value()));
}

inline Real abs(Real x) { return Real(std::fabs(x.value())); }

inline Real tan(Real x) { return Real::checked(std::tan(x.value())); }

inline Real min(Real a, Real b) { return a < b ? a : b; }
inline Real max(Real a, Real b) { return a > b ? a : b; }

// General power, base to a real exponent.
inline Real pow(Real base, Real exponent)
{
    const double b = base.value();
    const double e = exponent.value();
    if (b == 0.0) {
        if (e < 0.0)
            throwMathError(MathError::Kind::DivisionByZero);
        return Real(e == 0.0 ? 1.0 : 0.0);
    }
    if (b < 0.0 && std::trunc(e) != e)
        throwMathError(MathError::Kind::InvalidOperation);
    return Real::checked(std::pow(b, e));
}

} // namespace monocl
