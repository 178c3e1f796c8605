#pragma once

// Shared pieces of the fuzz targets: a reader that takes typed values off the
// front of the input, a check that reports and aborts, and the lists of every
// double the computation can leave behind.

#include "core/design_pass.h"
#include "core/forecast.h"
#include "core/monocl_state.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzzsupport {

// Prints what went wrong and aborts, so libFuzzer records the input.
[[noreturn]] inline void fail(const char* file, int line, const std::string& what)
{
    std::fprintf(stderr, "\n*** %s:%d: %s\n", file, line, what.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(cond, what)                                         \
    do {                                                               \
        if (!(cond))                                                   \
            ::fuzzsupport::fail(__FILE__, __LINE__,                    \
                                std::string(#cond " -- ") + (what));   \
    } while (0)

inline std::string show(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// Reads the input front to back. Once the bytes run out every read gives its
// fallback, so a short input still describes a whole case.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : m_p(data), m_left(size) {}

    bool empty() const { return m_left == 0; }

    std::uint8_t byte(std::uint8_t fallback = 0)
    {
        if (m_left == 0)
            return fallback;
        --m_left;
        return *m_p++;
    }

    // The raw bits of a double, little-endian. A NaN or an infinity has its
    // top exponent bit cleared, which leaves a finite number of the same sign
    // and mantissa.
    double finiteDouble(double fallback)
    {
        if (m_left < 8) {
            m_left = 0;
            return fallback;
        }
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= static_cast<std::uint64_t>(*m_p++) << (8 * i);
        m_left -= 8;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v)) {
            bits &= ~(std::uint64_t{1} << 62);
            std::memcpy(&v, &bits, sizeof v);
        }
        return v;
    }

    // Two bytes spread evenly over [low, high]: values a user could type,
    // where the raw bits of a double almost never land.
    double ranged(double low, double high, double fallback)
    {
        if (m_left < 2) {
            m_left = 0;
            return fallback;
        }
        const unsigned v = m_p[0] | (unsigned{m_p[1]} << 8);
        m_p += 2;
        m_left -= 2;
        return low + (high - low) * (v / 65535.0);
    }

    std::int32_t int32(std::int32_t fallback)
    {
        if (m_left < 4) {
            m_left = 0;
            return fallback;
        }
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= static_cast<std::uint32_t>(*m_p++) << (8 * i);
        m_left -= 4;
        std::int32_t v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }

    // A length byte, then that many bytes (fewer if the input ends).
    std::string text(const std::string& fallback)
    {
        if (m_left == 0)
            return fallback;
        std::size_t n = byte();
        if (n > m_left)
            n = m_left;
        std::string s(reinterpret_cast<const char*>(m_p), n);
        m_p += n;
        m_left -= n;
        return s;
    }

    std::string_view rest()
    {
        std::string_view s(reinterpret_cast<const char*>(m_p), m_left);
        m_p += m_left;
        m_left = 0;
        return s;
    }

private:
    const std::uint8_t* m_p;
    std::size_t m_left;
};

// The design tab's controls: 5 int32 (OtSpin, KsfBar, KxrBar, FSpin, ASpin),
// a flag byte (bit 0 RB1, 1 RB2, 2 Sf1, 3 Sf2, 4 Sf3, 5 decimal comma; the
// other bits are the caller's, given back in flags), then NDedit and ABEdit.
inline monocl::DesignControls readDesignControls(Reader& in, std::uint8_t& flags)
{
    monocl::DesignControls c;
    c.OtSpin = in.int32(c.OtSpin);
    c.KsfBar = in.int32(c.KsfBar);
    c.KxrBar = in.int32(c.KxrBar);
    c.FSpin = in.int32(c.FSpin);
    c.ASpin = in.int32(c.ASpin);
    flags = in.byte(0x05);
    c.RB1 = flags & 0x01;
    c.RB2 = flags & 0x02;
    c.Sf1 = flags & 0x04;
    c.Sf2 = flags & 0x08;
    c.Sf3 = flags & 0x10;
    c.decimalSeparator = (flags & 0x20) ? ',' : '.';
    c.NDedit = in.text(c.NDedit);
    c.ABEdit = in.text(c.ABEdit);
    return c;
}

// Every double of the store. The size check below fails to compile when a
// field is added to MonoclState and not to this list.
#define MONOCL_STATE_DOUBLES(X)                                                               \
    X(FieldAngle) X(NdEntry) X(AbbeEntry) X(X2) X(FocalLength) X(Df) X(R1) X(R2) X(S1) X(S2)  \
    X(S3) X(S4) X(S5) X(SolverAux) X(Nd) X(Abbe) X(SphericalRatio) X(ChromaticRatio) X(N)     \
    X(Rt) X(Dm) X(Rs) X(Rm) X(Rp) X(dA) X(rK) X(dS) X(dl) X(v1) X(v2) X(dr2)                  \
    X(MeasuredHeight) X(CenterThickness) X(MeasuredEdge) X(MeasuredFocal)                     \
    X(MeasuredDiameter) X(NdMax) X(NdMin) X(AbbeMax) X(AbbeMin) X(R1AtNdMin) X(R1AtNdMax)     \
    X(RadiusRatioAtNdMin) X(RadiusRatioAtNdMax)

#define MONOCL_FORECAST_DOUBLES(X)                                                            \
    X(dr1AtNdMin) X(dr1AtNdMax) X(dmAtNdMin) X(dmAtNdMax) X(PAtNdMin) X(PAtNdMax)             \
    X(WAtNdMin) X(WAtNdMax) X(X2ByUpperShape) X(X2ByLowerShape) X(sAtNdMin) X(sAtNdMax)       \
    X(ChromaticHigh) X(ChromaticLow)

#define MONOCL_LOCALS_DOUBLES(X) X(EdgeRatio) X(FilterFactor) X(sf) X(FrontSag) X(RearSag) X(RearShift)

#define FUZZ_COUNT(name) +1
// 44 doubles and CorrectionType, padded to a double's size.
static_assert(sizeof(monocl::MonoclState) == (0 MONOCL_STATE_DOUBLES(FUZZ_COUNT) + 1) * sizeof(double),
              "MonoclState changed: update MONOCL_STATE_DOUBLES");
static_assert(sizeof(monocl::ForecastValues) == (0 MONOCL_FORECAST_DOUBLES(FUZZ_COUNT)) * sizeof(double),
              "ForecastValues changed: update MONOCL_FORECAST_DOUBLES");
// The locals' doubles, DesignFailed padded to a double's size, and the forecast.
static_assert(sizeof(monocl::RecomputeLocals)
                  == (0 MONOCL_LOCALS_DOUBLES(FUZZ_COUNT) + 1) * sizeof(double)
                      + sizeof(monocl::ForecastValues),
              "RecomputeLocals changed: update MONOCL_LOCALS_DOUBLES");
#undef FUZZ_COUNT

#define FUZZ_CHECK_FINITE_FIELD(name)                                                         \
    FUZZ_CHECK(std::isfinite(obj.name), std::string(where) + ": " #name " = " + show(obj.name));

inline void checkFinite(const monocl::MonoclState& obj, const char* where)
{
    MONOCL_STATE_DOUBLES(FUZZ_CHECK_FINITE_FIELD)
}

inline void checkFinite(const monocl::ForecastValues& obj, const char* where)
{
    MONOCL_FORECAST_DOUBLES(FUZZ_CHECK_FINITE_FIELD)
}

inline void checkFinite(const monocl::RecomputeLocals& obj, const char* where)
{
    MONOCL_LOCALS_DOUBLES(FUZZ_CHECK_FINITE_FIELD)
    checkFinite(obj.Forecast, where);
}

#undef FUZZ_CHECK_FINITE_FIELD

} // namespace fuzzsupport
