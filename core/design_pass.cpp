#include "design_pass.h"

#include "format/number_text.h"
#include "meniscus_solver.h"
#include "errors/real.h"

#include <numbers>

namespace monocl {

namespace {

double convertOrThrow(const std::string& text, char separator)
{
    double value = 0.0;
    if (!parseReal(text, separator, value))
        throw ConversionError(text);
    return value;
}

void solve(double dh, MonoclState& s, RecomputeLocals& locals)
{
    const double effectiveAbbe = (Real(s.Abbe) * locals.FilterFactor).value();
    solveIntoStore({dh, static_cast<double>(s.CorrectionType), s.FocalLength, s.Nd, effectiveAbbe,
                    s.SphericalRatio, s.ChromaticRatio, s.FieldAngle},
                   s, locals.sf, locals.DesignFailed);
}

} // namespace

double surfaceSag(double R, double halfD)
{
    const Real r = R;
    const Real h = halfD;
    return (sqrt(r * r - h * h) + r).value();
}

double trackBarRatio(int position)
{
    return ((Real(position) * 0.25) / 100.0 + 0.25).value();
}

void ReadDesignInputs(const DesignControls& c, MonoclState& s, RecomputeLocals& locals)
{
    locals.EdgeRatio = static_cast<double>(c.OtSpin);
    s.SphericalRatio = trackBarRatio(c.KsfBar) / 100.0;
    s.ChromaticRatio = trackBarRatio(c.KxrBar);
    s.Nd = convertOrThrow(c.NDedit, c.decimalSeparator);
    s.Abbe = convertOrThrow(c.ABEdit, c.decimalSeparator);
    s.FocalLength = c.FSpin / 1000.0;
    s.FieldAngle = (c.ASpin * std::numbers::pi) / 180.0;
    if (c.RB1)
        s.CorrectionType = 1;
    if (c.RB2)
        s.CorrectionType = 2;
    locals.FilterFactor = 0.0;
    if (c.Sf1)
        locals.FilterFactor = 1.0;
    if (c.Sf2)
        locals.FilterFactor = 1.4;
    if (c.Sf3)
        locals.FilterFactor = 2.0;
}

void RunDesignPasses(MonoclState& s, RecomputeLocals& locals)
{
    solve(0.0, s, locals);

    // Give the first shape the rim width the edge ratio asks for.
    const Real halfD = Real(s.Dm) / 2.0;
    locals.FrontSag = surfaceSag(s.R1, halfD.value());
    locals.RearSag = surfaceSag(s.R2, halfD.value());
    s.CenterThickness =
        ((abs(Real(locals.RearSag)) + Real(s.Dm) / locals.EdgeRatio) - abs(Real(locals.FrontSag)))
            .value();

    solve(s.CenterThickness, s, locals);
}

void ComputeEdgeGeometry(const MonoclState& s, RecomputeLocals& locals)
{
    const double halfD = (Real(s.Dm) / 2.0).value();
    locals.FrontSag = surfaceSag(s.R1, halfD);
    locals.RearSag = surfaceSag(s.R2, halfD);
    locals.RearShift = (Real(locals.RearSag) + (-Real(s.Dm) / locals.EdgeRatio)).value();
}

void designPass(const DesignControls& controls, MonoclState& state, RecomputeLocals& locals)
{
    ReadDesignInputs(controls, state, locals);
    RunDesignPasses(state, locals);
    ComputeEdgeGeometry(state, locals);
}

RayLens designedRayLens(const MonoclState& s)
{
    RayLens lens;
    lens.R1 = s.R1 * 1000;
    lens.R2 = s.R2 * 1000;
    lens.thickness = s.CenterThickness * 1000;
    lens.diameter = s.Dm * 1000;
    lens.nd = s.Nd;
    lens.abbe = s.Abbe;
    lens.stopZ = (s.X2 + s.CenterThickness) * 1000;
    lens.stopDiameter = s.Df * 1000;
    lens.halfField = s.FieldAngle / 2;
    lens.requestedSpherical = s.SphericalRatio * 100;
    return lens;
}

} // namespace monocl
