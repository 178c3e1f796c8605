#include "core/ray_refine.h"

#include "core/ray_optics.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace monocl {

namespace {

using namespace rays;

// The unknowns: the curvatures of both surfaces (the residuals are smoother
// in them than in the radii), the centre thickness and the stop plane.
constexpr int Unknowns = 4;
using Vector = std::array<Real, Unknowns>;
using Matrix = std::array<Vector, Unknowns>;
// The stop's unknown, and the residual of the field's condition.
constexpr int StopPlane = 3;
constexpr int FieldCondition = 2;

// Central differences of this size relative to F keep both the truncation
// error and the trace's rounding some five orders below the tolerances.
constexpr double DifferenceShare = 1e-5;
// One step may change a curvature by at most a quarter of a hemisphere's
// over Dm, and a length by at most Dm / 2: the third-order start is near.
constexpr double CurvatureStepShare = 0.25;
constexpr double LengthStepShare = 0.5;
// Halvings of a step that does not lower the residuals, before giving up.
constexpr int MaxHalvings = 30;
// The share of its predicted fall the residuals must fall by (Armijo).
constexpr double SufficientFall = 1e-4;
// Where Newton stops when it can: this share of every tolerance.
constexpr double PolishedShare = 1e-3;
constexpr double ComaZone = 0.7;

struct Problem {
    RayLens kept;     // diameter, stop, glass, field and the Ksph asked for
    Real focal;       // F asked for
    Real rim;         // rim width asked for
    bool aplanat = true;
    bool fieldless = false; // a field of no width
    Vector tolerance;       // of each residual
};

struct Evaluation {
    RefineFailure obstacle = RefineFailure::None;
    Vector residual{};
    bool ok() const { return obstacle == RefineFailure::None; }
};

// The sag of a surface of radius r at height half, towards the centre.
Real sagAt(Real r, Real half)
{
    const Real depth = sqrt(r * r - half * half);
    return r > 0.0 ? r - depth : r + depth;
}

RayLens lensAt(const Problem& p, const Vector& x)
{
    RayLens lens = p.kept;
    lens.R1 = (1.0 / x[0]).value();
    lens.R2 = (1.0 / x[1]).value();
    lens.thickness = x[2].value();
    lens.stopZ = x[3].value();
    return lens;
}

// (y+ + y-) / 2 - y0 of the meridional rays through 0.7, 0 and -0.7 of the
// stop's radius at field angle beta, at the plane imageZ.
std::optional<Real> tangentialComa(const Model& m, Real beta, Real imageZ)
{
    const Real sinW = sinOf(beta);
    const Real cosW = cosOf(beta);
    Real heights[3];
    for (int k = 0; k < 3; ++k) {
        const Real y = Real(1 - k) * ComaZone * m.halfStop;
        Crossing first, second;
        Ray r = startRay(m, 0.0, y, sinW, cosW);
        if (traceLens(r, m, first, second) != Fate::Passed)
            return std::nullopt;
        heights[k] = heightAt(r, imageZ);
    }
    return (heights[0] + heights[2]) / 2.0 - heights[1];
}

std::optional<Real> fociApart(const Model& m, Real beta)
{
    const std::optional<ChiefRay> chief = chiefRay(m, beta);
    if (!chief)
        return std::nullopt;
    return chief->sagittalZ - chief->tangentialZ;
}

// The residuals of a lens, traced as the ray check traces it.
Evaluation measure(const Problem& p, const RayLens& lens)
{
    const Real r1 = lens.R1;
    const Real r2 = lens.R2;
    const Real t = lens.thickness;
    const Real half = Real(lens.diameter) / 2.0;
    if (abs(r1) <= half || abs(r2) <= half)
        return {RefineFailure::Hemisphere};
    if (t <= 0.0)
        return {RefineFailure::ThicknessNotPositive};
    const std::optional<Model> model = makeModel(lens);
    if (!model)
        return {RefineFailure::BadInput};
    const Paraxial px = paraxial(lens.nd, 1.0 / r1, 1.0 / r2, t);
    const Real imageZ = t + px.back;
    const Real beta = lens.halfField;
    const std::optional<Real> spherical = zonalSpherical(*model, px.focal, imageZ);
    const std::optional<Real> field =
        p.aplanat ? tangentialComa(*model, beta, imageZ) : fociApart(*model, beta);
    if (!spherical || !field)
        return {RefineFailure::RayBlocked};
    const Real rim = t + sagAt(r2, half) - sagAt(r1, half);
    return {RefineFailure::None,
            {px.focal - p.focal, *spherical - lens.requestedSpherical, *field, rim - p.rim}};
}

Evaluation evaluate(const Problem& p, const Vector& x)
{
    try {
        return measure(p, lensAt(p, x));
    } catch (const MathError&) {
        return {RefineFailure::ArithmeticFault};
    }
}

// Each residual in units of its tolerance.
Vector scaled(const Problem& p, const Evaluation& e)
{
    Vector s;
    for (int i = 0; i < Unknowns; ++i)
        s[i] = e.residual[i] / p.tolerance[i];
    return s;
}

// Whether every residual is within `share` of its tolerance.
bool within(const Problem& p, const Evaluation& e, double share)
{
    for (const Real s : scaled(p, e))
        if (abs(s) > share)
            return false;
    return true;
}

Real merit(const Problem& p, const Evaluation& e)
{
    Real sum = 0.0;
    for (const Real s : scaled(p, e))
        sum += s * s;
    return sum;
}

Vector differenceSteps(const Problem& p)
{
    const Real curvature = DifferenceShare / p.focal;
    const Real length = DifferenceShare * p.focal;
    return {curvature, curvature, length, length};
}

// The Jacobian of the scaled residuals by central differences, one-sided
// where one side cannot be traced. None, with the obstacle, where neither can.
std::optional<Matrix> jacobian(const Problem& p, const Vector& x, const Evaluation& at,
                               RefineFailure& obstacle)
{
    const Vector steps = differenceSteps(p);
    const Vector centre = scaled(p, at);
    Matrix j;
    for (int c = 0; c < Unknowns; ++c) {
        Vector up = x, down = x;
        up[c] += steps[c];
        down[c] -= steps[c];
        const Evaluation eu = evaluate(p, up);
        const Evaluation ed = evaluate(p, down);
        if (!eu.ok() && !ed.ok()) {
            obstacle = eu.obstacle;
            return std::nullopt;
        }
        const Vector hi = eu.ok() ? scaled(p, eu) : centre;
        const Vector lo = ed.ok() ? scaled(p, ed) : centre;
        const Real span = (eu.ok() ? steps[c] : 0.0) + (ed.ok() ? steps[c] : 0.0);
        for (int r = 0; r < Unknowns; ++r)
            j[r][c] = (hi[r] - lo[r]) / span;
    }
    return j;
}

// Solves a x = b by Gaussian elimination with partial pivoting; none for a
// singular matrix.
std::optional<Vector> solveLinear(Matrix a, Vector b)
{
    for (int c = 0; c < Unknowns; ++c) {
        int pivot = c;
        for (int r = c + 1; r < Unknowns; ++r)
            if (abs(a[r][c]) > abs(a[pivot][c]))
                pivot = r;
        if (a[pivot][c] == 0.0)
            return std::nullopt;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (int r = c + 1; r < Unknowns; ++r) {
            const Real f = a[r][c] / a[c][c];
            for (int k = c; k < Unknowns; ++k)
                a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    Vector x;
    for (int r = Unknowns - 1; r >= 0; --r) {
        Real sum = b[r];
        for (int k = r + 1; k < Unknowns; ++k)
            sum -= a[r][k] * x[k];
        x[r] = sum / a[r][r];
    }
    return x;
}

// A field of no width meets its condition at every stop plane, and nothing
// else depends on the stop: the field's row becomes "the stop stays".
void keepStop(Matrix& a, Vector& rhs)
{
    for (int i = 0; i < Unknowns; ++i)
        a[i][StopPlane] = a[FieldCondition][i] = 0.0;
    a[FieldCondition][StopPlane] = 1.0;
    rhs[FieldCondition] = 0.0;
}

// Shortens the step, keeping its direction, to what one step may change.
Vector limited(const Problem& p, Vector step)
{
    const Real dm = p.kept.diameter;
    const Real limits[Unknowns] = {CurvatureStepShare * 2.0 / dm, CurvatureStepShare * 2.0 / dm,
                                   LengthStepShare * dm, LengthStepShare * dm};
    Real factor = 1.0;
    for (int i = 0; i < Unknowns; ++i)
        if (abs(step[i]) * factor > limits[i])
            factor = limits[i] / abs(step[i]);
    for (Real& s : step)
        s *= factor;
    return step;
}

struct Iterate {
    Vector x;
    Evaluation at;
};

// One damped Newton step from `now`: the full step, halved until the
// residuals fall enough. On failure `reason` says what stood in the way.
std::optional<Iterate> newtonStep(const Problem& p, const Iterate& now, RefineFailure& reason)
{
    const std::optional<Matrix> j = jacobian(p, now.x, now.at, reason);
    if (!j)
        return std::nullopt;
    Vector rhs = scaled(p, now.at);
    for (Real& v : rhs)
        v = -v;
    Matrix a = *j;
    if (p.fieldless)
        keepStop(a, rhs);
    const std::optional<Vector> full = solveLinear(a, rhs);
    if (!full) {
        reason = RefineFailure::NoConvergence;
        return std::nullopt;
    }
    const Vector step = limited(p, *full);
    const Real before = merit(p, now.at);
    reason = RefineFailure::NoConvergence;
    Real share = 1.0;
    for (int h = 0; h <= MaxHalvings; ++h, share /= 2.0) {
        Iterate next{now.x, {}};
        for (int i = 0; i < Unknowns; ++i)
            next.x[i] += share * step[i];
        next.at = evaluate(p, next.x);
        if (!next.at.ok())
            reason = next.at.obstacle;
        else if (merit(p, next.at) <= (1.0 - SufficientFall * share) * before)
            return next;
    }
    return std::nullopt;
}

RefineResiduals residualsOf(const Evaluation& e)
{
    if (!e.ok())
        return {};
    return {e.residual[0].value(), e.residual[1].value(), e.residual[2].value(),
            e.residual[3].value()};
}

RefinedLens stopped(const Problem& p, const Iterate& at, int steps, RefineFailure reason)
{
    return {false, lensAt(p, at.x), steps, reason, residualsOf(at.at)};
}

// The lens Newton ended on, refused where its stop would stand behind the
// rim of the front surface: the stop's plate would cut into the glass.
RefinedLens checkedSolution(const Problem& p, const Iterate& at, int steps)
{
    const RayLens lens = lensAt(p, at.x);
    const Real frontRim = sagAt(lens.R1, Real(lens.diameter) / 2.0);
    if (Real(lens.stopZ) > frontRim)
        return stopped(p, at, steps, RefineFailure::StopBehindRim);
    return {true, lens, steps, RefineFailure::None, residualsOf(at.at)};
}

// Newton goes on past the tolerances while it still improves, down to a
// small share of them, so that a caller who re-traces the lens from its
// rounded radii finds it well within them.
RefinedLens iterate(const Problem& p, Iterate now)
{
    for (int steps = 0;; ++steps) {
        if (within(p, now.at, PolishedShare))
            return checkedSolution(p, now, steps);
        RefineFailure reason = RefineFailure::NoConvergence;
        const std::optional<Iterate> next =
            steps < RefineMaxSteps ? newtonStep(p, now, reason) : std::nullopt;
        if (!next) {
            if (within(p, now.at, 1.0))
                return checkedSolution(p, now, steps);
            return stopped(p, now, steps, reason);
        }
        now = *next;
    }
}

bool finite(const RayLens& l)
{
    for (const double v : {l.R1, l.R2, l.thickness, l.diameter, l.nd, l.abbe, l.stopZ,
                           l.stopDiameter, l.halfField, l.requestedSpherical})
        if (!Real::isFinite(v))
            return false;
    return true;
}

RefinedLens refine(const RayLens& start, const RefineTarget& target)
{
    RefinedLens bad{false, start, 0, RefineFailure::BadInput, {}};
    if (!finite(start) || start.R1 == 0.0 || start.R2 == 0.0 || !makeModel(start)
        || !Real::isFinite(target.focalLength) || target.focalLength <= 0.0
        || (target.correction != 1 && target.correction != 2))
        return bad;
    if (target.edgeRatio <= 0) {
        bad.reason = RefineFailure::RimNotPositive;
        return bad;
    }
    Problem p;
    p.kept = start;
    p.focal = target.focalLength;
    p.rim = Real(start.diameter) / Real(target.edgeRatio);
    p.aplanat = target.correction == 1;
    p.fieldless = start.halfField == 0.0;
    const double fieldTolerance = p.aplanat ? RefineComaTolerance : RefineFociTolerance;
    p.tolerance = {RefineFocalTolerance * p.focal, RefineSphericalTolerance,
                   fieldTolerance * p.focal, RefineRimTolerance};
    Iterate now{{1.0 / Real(start.R1), 1.0 / Real(start.R2), start.thickness, start.stopZ}, {}};
    now.at = evaluate(p, now.x);
    if (!now.at.ok()) {
        bad.reason = now.at.obstacle;
        return bad;
    }
    return iterate(p, now);
}

} // namespace

RefinedLens refineByRays(const RayLens& start, const RefineTarget& target) noexcept
{
    try {
        return refine(start, target);
    } catch (const MathError&) {
        return {false, start, 0, RefineFailure::ArithmeticFault, {}};
    }
}

} // namespace monocl
