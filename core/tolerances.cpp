#include "core/tolerances.h"

#include "core/ray_optics.h"
#include "errors/errors.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace monocl {

namespace {

using DimensionValues = std::array<double, DimensionCount>;

DimensionValues dimensionsOf(const RayLens& lens)
{
    return {lens.R1, lens.R2, lens.thickness, lens.diameter, lens.stopZ};
}

RayLens withDimensions(RayLens lens, const DimensionValues& v)
{
    lens.R1 = v[0];
    lens.R2 = v[1];
    lens.thickness = v[2];
    lens.diameter = v[3];
    lens.stopZ = v[4];
    return lens;
}

bool isRadius(int dim)
{
    return dim == static_cast<int>(Dimension::R1) || dim == static_cast<int>(Dimension::R2);
}

// Small against every dimension, large against the trace's rounding: the
// difference quotient is exact to some eight digits.
double differenceStep(double nominal)
{
    return 1e-4 * std::max(1.0, std::abs(nominal));
}

// Down to the step, a hair of rounding aside (0.03 / 0.01 is 2.9999...).
double roundedDown(double value, double step)
{
    return std::floor(value / step + 1e-9) * step;
}

// The radius's tolerance in mm that so many fringes stand for.
double radiusOfFringes(int fringes, double R, double aperture)
{
    return fringes * FringeWavelength / (2 * sagPerRadius(R, aperture));
}

int fringesOf(double tolerance, double R, double aperture)
{
    return static_cast<int>(std::floor(2 * tolerance * sagPerRadius(R, aperture) / FringeWavelength + 1e-9));
}

// A tolerance on the workshop's steps: a length in 0.01 mm, a radius finer
// than that in whole fringes (one at least), the other lengths 0.01 mm at
// least.
void roundToSteps(DimensionTolerance& d, int dim, double wanted, double aperture)
{
    d.fringes.reset();
    if (wanted >= LengthStep || !isRadius(dim)) {
        d.tolerance = std::max(roundedDown(wanted, LengthStep), LengthStep);
        return;
    }
    const int fringes = std::max(1, fringesOf(wanted, d.nominal, aperture));
    d.fringes = fringes;
    d.tolerance = radiusOfFringes(fringes, d.nominal, aperture);
}

// One step finer: 0.01 mm off a length, a fringe off a radius; false where
// it is at its finest.
bool tighten(DimensionTolerance& d, int dim, double aperture)
{
    if (d.fringes) {
        if (*d.fringes <= 1)
            return false;
        d.fringes = *d.fringes - 1;
        d.tolerance = radiusOfFringes(*d.fringes, d.nominal, aperture);
        return true;
    }
    if (d.tolerance > LengthStep + 1e-12) {
        d.tolerance = roundedDown(d.tolerance - LengthStep, LengthStep);
        return true;
    }
    if (!isRadius(dim))
        return false;
    const int fringes = fringesOf(LengthStep, d.nominal, aperture) - 1;
    if (fringes < 1)
        return false;
    roundToSteps(d, dim, radiusOfFringes(fringes, d.nominal, aperture) * (1 + 1e-9), aperture);
    return true;
}

// Uniform in [-1, 1) from 53 random bits, the same on every library.
double uniformShare(std::mt19937_64& random)
{
    return static_cast<double>(random() >> 11) * 0x1.0p-53 * 2 - 1;
}

double withinShare(const RayLens& lens, const ToleranceAnalysis& a,
                   const std::vector<DimensionValues>& draws)
{
    const DimensionValues nominal = dimensionsOf(lens);
    int within = 0;
    for (const DimensionValues& u : draws) {
        DimensionValues v = nominal;
        for (int i = 0; i < DimensionCount; ++i)
            v[i] += u[i] * a.dimensions[i].tolerance;
        const auto figures = lensFigures(withDimensions(lens, v));
        if (!figures)
            continue;
        bool ok = true;
        for (int j = 0; j < FigureCount; ++j)
            ok = ok && std::abs((*figures)[j] - a.nominal[j]) <= a.budget[j];
        within += ok ? 1 : 0;
    }
    return static_cast<double>(within) / static_cast<double>(draws.size());
}

double budgetShare(const DimensionTolerance& d, const ToleranceAnalysis& a)
{
    double share = 0;
    for (int j = 0; j < FigureCount; ++j)
        share = std::max(share, std::abs(d.sensitivity[j]) * d.tolerance / a.budget[j]);
    return share;
}

} // namespace

std::optional<Figures> lensFigures(const RayLens& lens)
{
    try {
        const auto model = rays::makeModel(lens);
        if (!model)
            return std::nullopt;
        const Real t = Real::checked(lens.thickness);
        const rays::Paraxial p =
            rays::paraxial(Real::checked(lens.nd), 1.0 / Real::checked(lens.R1), 1.0 / Real::checked(lens.R2), t);
        const auto k = rays::zonalSpherical(*model, p.focal, t + p.back);
        if (!k)
            return std::nullopt;
        return Figures{p.focal.value(), p.back.value(), k->value()};
    } catch (const MonoclError&) {
        return std::nullopt;
    }
}

double sagPerRadius(double R, double clearAperture)
{
    const double h = clearAperture / 2;
    const double root = std::sqrt(std::max(R * R - h * h, 0.0));
    return root > 0 ? std::abs(R) / root - 1 : 0.0;
}

std::optional<ToleranceAnalysis> analyseTolerances(const RayLens& lens, const std::array<double, 2>& apertures,
                                                   const ToleranceBudget& budget, std::uint64_t seed)
{
    if (!(budget.focalPercent > 0) || !(budget.backFocus > 0) || !(budget.sphericalPercent > 0))
        return std::nullopt;
    const auto nominal = lensFigures(lens);
    if (!nominal)
        return std::nullopt;
    ToleranceAnalysis a;
    a.nominal = *nominal;
    a.budget = {std::abs(a.nominal[0]) * budget.focalPercent / 100, budget.backFocus,
                std::abs(a.nominal[2]) * budget.sphericalPercent / 100};
    const DimensionValues values = dimensionsOf(lens);
    int movers = 0;
    std::array<bool, DimensionCount> moves{};
    for (int i = 0; i < DimensionCount; ++i) {
        DimensionTolerance& d = a.dimensions[i];
        d.nominal = values[i];
        const double h = differenceStep(values[i]);
        DimensionValues up = values, down = values;
        up[i] += h;
        down[i] -= h;
        const auto fu = lensFigures(withDimensions(lens, up));
        const auto fd = lensFigures(withDimensions(lens, down));
        if (!fu || !fd)
            return std::nullopt;
        for (int j = 0; j < FigureCount; ++j) {
            d.sensitivity[j] = ((*fu)[j] - (*fd)[j]) / (2 * h);
            moves[i] = moves[i] || std::abs(d.sensitivity[j]) > 1e-9 * a.budget[j];
        }
        movers += moves[i] ? 1 : 0;
    }
    if (movers == 0 || !(a.budget[2] > 0))
        return std::nullopt;
    const double root = std::sqrt(static_cast<double>(movers));
    for (int i = 0; i < DimensionCount; ++i) {
        DimensionTolerance& d = a.dimensions[i];
        if (!moves[i]) {
            d.tolerance = i == static_cast<int>(Dimension::Diameter) ? FreeDiameterTolerance : FreeStopTolerance;
            continue;
        }
        double wanted = INFINITY;
        for (int j = 0; j < FigureCount; ++j)
            if (std::abs(d.sensitivity[j]) > 0)
                wanted = std::min(wanted, a.budget[j] / (root * std::abs(d.sensitivity[j])));
        roundToSteps(d, i, wanted, isRadius(i) ? apertures[static_cast<std::size_t>(i)] : 0.0);
    }

    std::mt19937_64 random(seed);
    std::vector<DimensionValues> draws(MonteCarloLenses);
    for (DimensionValues& u : draws)
        for (double& share : u)
            share = uniformShare(random);
    a.share = withinShare(lens, a, draws);
    while (a.share < MonteCarloGoal && a.tightenings < MostTightenings) {
        std::vector<int> order;
        for (int i = 0; i < DimensionCount; ++i)
            if (moves[i])
                order.push_back(i);
        std::sort(order.begin(), order.end(), [&](int x, int y) {
            return budgetShare(a.dimensions[x], a) > budgetShare(a.dimensions[y], a);
        });
        const auto finer = std::find_if(order.begin(), order.end(), [&](int i) {
            return tighten(a.dimensions[i], i, isRadius(i) ? apertures[static_cast<std::size_t>(i)] : 0.0);
        });
        if (finer == order.end())
            break;
        a.dimensions[*finer].tightened = true;
        ++a.tightenings;
        a.share = withinShare(lens, a, draws);
    }
    a.goalMet = a.share >= MonteCarloGoal;
    for (DimensionTolerance& d : a.dimensions)
        d.budgetShare = budgetShare(d, a);
    return a;
}

} // namespace monocl
