// Runs the forecast on arbitrary measurements and control readings and
// checks that it either gives finite values or raises MathError, leaving no
// NaN or infinity in the store either way.
//
// Input, front to back (missing bytes give the start values):
//   1 mode byte: odd for measurements a user could make, even for any double;
//   6 values: MeasuredHeight, MeasuredEdge, MeasuredFocal, MeasuredDiameter,
//     NdMin, NdMax (mm for the lengths), each 2 bytes spread over a plausible
//     range in the first mode, 8 bytes of a double's bits in the second;
//   3 int32: VminSP, VmaxSP, NSpin;
//   1 flag byte: bit 0 sfp1, 1 sfp2, 2 sfp3, 3 Sfp4, 4 run twice on the same
//     store.

#include "errors/errors.h"
#include "core/forecast.h"
#include "fuzz_support.h"

#include <cstdint>
#include <exception>
#include <string>

using namespace monocl;
using fuzzsupport::checkFinite;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::Reader in(data, size);
    MonoclState s;
    applyStartValues(s);
    if (in.byte(0) & 1) {
        s.MeasuredHeight = in.ranged(0.0, 20.0, 4.0);
        s.MeasuredEdge = in.ranged(0.0, 20.0, 0.0);
        s.MeasuredFocal = in.ranged(-50.0, 300.0, 75.0);
        s.MeasuredDiameter = in.ranged(0.0, 80.0, 20.0);
        s.NdMin = in.ranged(1.3, 2.0, 1.4);
        s.NdMax = in.ranged(1.3, 2.0, 1.8);
    } else {
        s.MeasuredHeight = in.finiteDouble(4.0);
        s.MeasuredEdge = in.finiteDouble(0.0);
        s.MeasuredFocal = in.finiteDouble(75.0);
        s.MeasuredDiameter = in.finiteDouble(20.0);
        s.NdMin = in.finiteDouble(1.4);
        s.NdMax = in.finiteDouble(1.8);
    }

    ForecastControls c;
    c.VminSP = in.int32(c.VminSP);
    c.VmaxSP = in.int32(c.VmaxSP);
    c.NSpin = in.int32(c.NSpin);
    const std::uint8_t flags = in.byte(0x01);
    c.sfp1 = flags & 0x01;
    c.sfp2 = flags & 0x02;
    c.sfp3 = flags & 0x04;
    c.Sfp4 = flags & 0x08;

    const int runs = (flags & 0x10) ? 2 : 1;
    for (int run = 0; run < runs; ++run) {
        try {
            const ForecastValues v = ComputeForecast(c, s);
            checkFinite(v, "ComputeForecast: values");
        } catch (const MathError&) {
        } catch (const std::exception& e) {
            FUZZ_CHECK(false, std::string("ComputeForecast threw ") + e.what());
        }
        checkFinite(s, "ComputeForecast: store");
    }
    return 0;
}
