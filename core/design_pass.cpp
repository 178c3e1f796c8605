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
    SolveMeniscus(dh, static_cast<double>(s.CorrectionType), s.FocalLength, s.Nd, effectiveAbbe,
                  s.SphericalRatio, s.ChromaticRatio, s.FieldAngle,
                  s.N, s.Df, s.S1, s.S2, s.S3, s.S4, s.S5, s.SolverAux, s.R1, s.R2, s.X2,
                  s.Rs, s.Rm, s.Rp, s.Dm, s.dA, s.rK, s.dS, s.dl, s.v1, s.v2,
                  locals.sf, locals.DesignFailed, s);
}

} // namespace

double surfaceSag(double R, double halfD)
{
    const Real r = R;
    const Real h = halfD;
    return (sqrt(r * r - h * h) + r).value();
}

void ReadDesignInputs(const DesignControls& c, MonoclState& s, RecomputeLocals& locals)
{
    locals.EdgeRatio = static_cast<double>(c.OtSpin);
    s.SphericalRatio = ((Real(c.KsfBar) * 0.25) / 100.0 + 0.25).value() / 100.0;
    s.ChromaticRatio = ((Real(c.KxrBar) * 0.25) / 100.0 + 0.25).value();
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

} // namespace monocl
