// Runs the meniscus solver on arbitrary finite inputs, then the whole design
// pass on arbitrary control readings, and checks that a fault is always a
// MonoclError and that no NaN or infinity is ever left behind.
//
// Input, front to back (missing bytes give the start design):
//   8 doubles, 8 bytes each: dh, T, F, n, nu, ks, kx, twoBeta;
//   5 int32: OtSpin, KsfBar, KxrBar, FSpin, ASpin;
//   1 flag byte: bit 0 RB1, 1 RB2, 2 Sf1, 3 Sf2, 4 Sf3, 5 decimal comma,
//     6 start from the built-in start values, 7 run the pass twice;
//   NDedit, ABEdit: a length byte and the text each.

#include "core/design_pass.h"
#include "errors/errors.h"
#include "core/meniscus_solver.h"
#include "format/number_text.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstdint>
#include <exception>
#include <string>

using namespace monocl;
using fuzzsupport::checkFinite;
using fuzzsupport::show;

namespace {

void fuzzSolver(fuzzsupport::Reader& in)
{
    const double dh = in.finiteDouble(0.0);
    const double T = in.finiteDouble(1.0);
    const double F = in.finiteDouble(0.052);
    const double n = in.finiteDouble(1.5182);
    const double nu = in.finiteDouble(63.84);
    const double ks = in.finiteDouble(0.004);
    const double kx = in.finiteDouble(0.5);
    const double twoBeta = in.finiteDouble(0.7853981633974483);

    double sf = 0;
    std::int32_t DesignFailed = -1;
    MonoclState store;

    const std::string inputs = "SolveMeniscus(" + show(dh) + ", " + show(T) + ", " + show(F) + ", "
        + show(n) + ", " + show(nu) + ", " + show(ks) + ", " + show(kx) + ", " + show(twoBeta) + ")";
    bool faulted = false;
    try {
        solveIntoStore({dh, T, F, n, nu, ks, kx, twoBeta}, store, sf, DesignFailed);
    } catch (const MathError&) {
        faulted = true;
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, inputs + " threw " + e.what());
    }
    FUZZ_CHECK(std::isfinite(sf), inputs + ": sf = " + show(sf));
    checkFinite(store, inputs.c_str());
    if (!faulted)
        FUZZ_CHECK(DesignFailed == 0 || DesignFailed == 1,
                   inputs + ": DesignFailed = " + std::to_string(DesignFailed));
}

void fuzzDesignPass(fuzzsupport::Reader& in)
{
    std::uint8_t flags = 0;
    const DesignControls c = fuzzsupport::readDesignControls(in, flags);

    MonoclState state;
    if (flags & 0x40)
        applyStartValues(state);
    const int runs = (flags & 0x80) ? 2 : 1;
    for (int run = 0; run < runs; ++run) {
        RecomputeLocals locals;
        try {
            designPass(c, state, locals);
        } catch (const MathError&) {
        } catch (const ConversionError&) {
            double v = 0;
            FUZZ_CHECK(!parseReal(c.NDedit, c.decimalSeparator, v)
                           || !parseReal(c.ABEdit, c.decimalSeparator, v),
                       "ConversionError although both texts convert");
        } catch (const std::exception& e) {
            FUZZ_CHECK(false, std::string("designPass threw ") + e.what());
        }
        checkFinite(state, "designPass: store");
        checkFinite(locals, "designPass: locals");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::Reader in(data, size);
    fuzzSolver(in);
    fuzzDesignPass(in);
    return 0;
}
