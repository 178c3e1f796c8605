#include "forecast.h"

#include "errors/real.h"

namespace monocl {

namespace {

struct EndShape {
    Real n, r1, ratio, dr1, dm, K, a, P, W;
};

// r1 from the thin-lens power for index n.
Real firstRadius(Real r2, Real n, Real F)
{
    return 1.0 / (1.0 / r2 + 1.0 / ((n - 1.0) * F));
}

Real firstSag(Real r1, Real halfD)
{
    return abs(sqrt(r1 * r1 - halfD * halfD) + r1);
}

Real thicknessFactor(const EndShape& e, Real r2)
{
    return 1.0 - ((e.n - 1.0) / e.n) * (e.dm / 2.0) * (1.0 / e.r1 + 1.0 / r2);
}

Real mainParameterP(Real n, Real a)
{
    return (1.0 - (1.0 / n + 2.0) * a + (2.0 / n + 1.0) * a * a)
        / ((1.0 - 1.0 / n) * (1.0 - 1.0 / n));
}

Real mainParameterW(Real n, Real a)
{
    return (1.0 - (1.0 / n + 1.0) * a) / (1.0 - 1.0 / n);
}

Real chromatic(Real N, Real P, Real V, Real FF)
{
    return Real(32.0) / sqrt(Real(2.0)) * N * N / P / (V * FF);
}

} // namespace

double sphericalSpotFactor()
{
    return (sqrt(Real(2.0)) / 32.0).value();
}

ForecastValues ComputeForecast(const ForecastControls& c, MonoclState& s)
{
    // The control readings.
    const Real abbeMin = c.VminSP;
    const Real abbeMax = c.VmaxSP;
    s.AbbeMin = abbeMin.value();
    s.AbbeMax = abbeMax.value();
    Real FF = 0.0;
    if (c.sfp1)
        FF = 1.0;
    if (c.sfp2)
        FF = 1.4;
    if (c.sfp3)
        FF = 2.0;
    if (c.Sfp4)
        FF = 2.8;
    const Real N = c.NSpin;

    const Real hm = Real::checked(s.MeasuredHeight);
    const Real h = Real::checked(s.MeasuredEdge);
    const Real F = Real::checked(s.MeasuredFocal);
    const Real d = Real::checked(s.MeasuredDiameter);
    const Real halfD = d / 2.0;

    // The second surface from its measured sag.
    Real dr2 = hm - h;
    if (dr2 == 0.0)
        dr2 = 0.001;
    s.dr2 = dr2.value();
    const Real r2 = -(halfD * halfD + dr2 * dr2) / (2.0 * dr2);
    s.R2 = r2.value();

    // The first surface for each end of the index range.
    EndShape lo, hi;
    lo.n = Real::checked(s.NdMin);
    hi.n = Real::checked(s.NdMax);
    lo.r1 = firstRadius(r2, lo.n, F);
    s.R1AtNdMin = lo.r1.value();
    hi.r1 = firstRadius(r2, hi.n, F);
    s.R1AtNdMax = hi.r1.value();
    lo.ratio = lo.r1 / r2;
    s.RadiusRatioAtNdMin = lo.ratio.value();
    hi.ratio = hi.r1 / r2;
    s.RadiusRatioAtNdMax = hi.ratio.value();

    // Sags of the first surface; only the lower end's radicand is tested.
    if (lo.r1 * lo.r1 - halfD * halfD >= 0.0) {
        lo.dr1 = firstSag(lo.r1, halfD);
        hi.dr1 = firstSag(hi.r1, halfD);
    } else {
        lo.dr1 = 0.0;
        hi.dr1 = 0.0;
    }

    // Thickness, thickness factor, angle and main parameters.
    // Each step runs for both ends before the next, as a fault must stop
    // at the first operation that raises it.
    lo.dm = hm - lo.dr1;
    hi.dm = hm - hi.dr1;
    lo.K = thicknessFactor(lo, r2);
    hi.K = thicknessFactor(hi, r2);
    lo.a = 1.0 / ((1.0 - lo.ratio) * lo.n);
    hi.a = 1.0 / ((1.0 - hi.ratio) * hi.n);
    lo.P = mainParameterP(lo.n, lo.a);
    lo.W = mainParameterW(lo.n, lo.a);
    hi.P = mainParameterP(hi.n, hi.a);
    hi.W = mainParameterW(hi.n, hi.a);

    ForecastValues v;
    v.dr1AtNdMin = lo.dr1.value();
    v.dr1AtNdMax = hi.dr1.value();
    v.dmAtNdMin = lo.dm.value();
    v.dmAtNdMax = hi.dm.value();
    v.PAtNdMin = lo.P.value();
    v.PAtNdMax = hi.P.value();
    v.WAtNdMin = lo.W.value();
    v.WAtNdMax = hi.W.value();

    // Each candidate pairs one end's shape with the other end's thickness.
    v.X2ByUpperShape = (-(hi.W / hi.P) * F * lo.K).value();
    v.X2ByLowerShape = (-(lo.W / lo.P) * F * hi.K).value();

    // Relative spherical aberration.
    const Real q = sphericalSpotFactor();
    v.sAtNdMin = (q * lo.P / (N * N * N)).value();
    v.sAtNdMax = (q * hi.P / (N * N * N)).value();

    // The chromatic extremes; the high one from the upper index end.
    v.ChromaticHigh = max(chromatic(N, hi.P, abbeMax, FF), chromatic(N, hi.P, abbeMin, FF)).value();
    v.ChromaticLow = min(chromatic(N, lo.P, abbeMax, FF), chromatic(N, lo.P, abbeMin, FF)).value();
    return v;
}

} // namespace monocl
