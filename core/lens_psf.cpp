#include "core/lens_psf.h"

#include "core/fft_plans.h"
#include "core/pupil_map.h"
#include "core/ray_optics.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace monocl {

namespace {

using namespace rays;

// The model with the glass's index at a wavelength.
Model modelAt(const Model& d, const RayLens& lens, double wavelength)
{
    Model m = d;
    const Real n = indexAt(lens.nd, lens.abbe, wavelength);
    m.front.n2 = n;
    m.front.mu = 1.0 / n;
    m.rear.n1 = n;
    m.rear.mu = n;
    return m;
}

// The d line's chief ray at the film: the reference point, the radius of
// the reference sphere from the rear surface, and the chief ray's path.
struct Reference {
    Model model;
    Real sinW, cosW;
    Vec point;
    Real radius;
    Real path;
    Real focal;
    Real chiefX, chiefY; // the chief ray's point on the sphere less the reference point
};

std::optional<Reference> reference(const PsfSetup& s)
{
    const std::optional<Model> m = makeModel(s.lens);
    if (!m)
        return std::nullopt;
    const Real n = Real::checked(s.lens.nd);
    const Paraxial p = paraxial(n, m->front.curvature, m->rear.curvature, m->rear.vertexZ);
    const Real filmZ = m->rear.vertexZ + p.back + Real::checked(s.focusShift);
    Reference ref{*m, sinOf(s.fieldAngle), cosOf(s.fieldAngle), {}, 0.0, 0.0, p.focal, 0.0, 0.0};
    Crossing first, second;
    Ray r = startRay(*m, 0.0, 0.0, ref.sinW, ref.cosW);
    if (traceLens(r, *m, first, second) != Fate::Passed)
        return std::nullopt;
    const Real t = (filmZ - r.p.z) / r.d.z;
    ref.point = {r.p.x + t * r.d.x, r.p.y + t * r.d.y, filmZ};
    ref.radius = t;
    ref.path = first.path + n * second.path;
    ref.chiefX = r.p.x - ref.point.x;
    ref.chiefY = r.p.y - ref.point.y;
    return ref;
}

// The ray through (x, y) of the stop to the reference sphere: its optical
// path from the plane wave through the stop's centre, and where it meets
// the film. None where blocked or it misses the sphere.
struct RayEnd {
    Real path;
    Real filmX, filmY;
    Real pupilX, pupilY; // as PupilSample's coordinates
};

std::optional<RayEnd> traceToSphere(const Reference& ref, const Model& m, Real n, Real x, Real y)
{
    Crossing first, second;
    Ray r = startRay(m, x, y, ref.sinW, ref.cosW);
    if (traceLens(r, m, first, second) != Fate::Passed)
        return std::nullopt;
    const Vec v{r.p.x - ref.point.x, r.p.y - ref.point.y, r.p.z - ref.point.z};
    const Real b = dot(v, r.d);
    const Real disc = b * b - dot(v, v) + ref.radius * ref.radius;
    if (disc < 0.0)
        return std::nullopt;
    const Real s = -b - sqrt(disc);
    const Real t = (ref.point.z - r.p.z) / r.d.z;
    // The direction from the reference point to the sphere, less the chief
    // ray's (whose point is the rear surface's, at -radius along its way).
    const Real scale = ref.focal / ref.radius;
    return RayEnd{y * ref.sinW + first.path + n * second.path + s, r.p.x + t * r.d.x,
                  r.p.y + t * r.d.y, (v.x + s * r.d.x - ref.chiefX) * scale,
                  (v.y + s * r.d.y - ref.chiefY) * scale};
}

// The largest distance from the reference point at which a ray of a ring
// pattern over the stop meets the film, at the extreme lines and d.
Real spotReach(const Reference& ref, const RayLens& lens, const std::vector<WeightedLine>& lines)
{
    Real reach = 0.0;
    constexpr int Rings = 8;
    constexpr int Spokes = 12;
    for (const double l : {lines.front().wavelength, LineD, lines.back().wavelength}) {
        const Model m = modelAt(ref.model, lens, l);
        const Real n = m.front.n2;
        for (int ring = 1; ring <= Rings; ++ring) {
            for (int k = 0; k <= Spokes; ++k) {
                const double a = 3.141592653589793 * k / Spokes;
                const Real rho = ref.model.halfStop * (static_cast<double>(ring) / Rings);
                const auto end = traceToSphere(ref, m, n, rho * std::sin(a), rho * std::cos(a));
                if (!end)
                    continue;
                const Real dx = end->filmX - ref.point.x;
                const Real dy = end->filmY - ref.point.y;
                reach = std::max(reach, sqrt(dx * dx + dy * dy));
            }
        }
    }
    return reach;
}

template <class T, class F>
std::optional<T> guarded(F&& f)
{
    try {
        return f();
    } catch (const MathError&) {
        return std::nullopt;
    }
}

// The map from the pupil as the film sees it to the stop, both over the
// stop's radius, fitted to rays on rings a little beyond the stop.
std::optional<PupilMap> fitPupilMap(const Reference& ref, const Model& m)
{
    return guarded<PupilMap>([&]() -> std::optional<PupilMap> {
        std::vector<MapPair> pairs;
        constexpr int Rings = 12;
        constexpr int Spokes = 16;
        const Real r = ref.model.halfStop;
        for (int ring = 0; ring <= Rings; ++ring) {
            for (int k = 0; k <= (ring ? Spokes : 0); ++k) {
                const double a = 3.141592653589793 * k / Spokes;
                const double rho = 1.1 * ring / Rings;
                const double sx = rho * std::sin(a), sy = rho * std::cos(a);
                const auto end = traceToSphere(ref, m, m.front.n2, r * sx, r * sy);
                if (!end)
                    continue;
                const double px = (end->pupilX / r).value(), py = (end->pupilY / r).value();
                pairs.push_back({px, py, sx, sy});
                pairs.push_back({-px, py, -sx, sy});
            }
        }
        PupilMap map;
        if (pairs.size() < 2 * PupilMapTerms || !map.fit(pairs))
            return std::nullopt;
        return map;
    });
}

// How far, over the stop's radius, a ray may arrive from where the map
// meant it to.
constexpr double MapTolerance = 0.02;

// The share of the light on a square grid over the stop that passes the
// lens and meets the reference sphere, at a wavelength.
double passedShare(const Reference& ref, const Model& m)
{
    constexpr int Half = 24;
    int total = 0, passed = 0;
    for (int j = -Half; j <= Half; ++j) {
        for (int i = -Half; i <= Half; ++i) {
            if (i * i + j * j > Half * Half)
                continue;
            ++total;
            const Real r = ref.model.halfStop / Half;
            try {
                passed += traceToSphere(ref, m, m.front.n2, r * i, r * j) ? 1 : 0;
            } catch (const MathError&) {
                // Blocked.
            }
        }
    }
    return static_cast<double>(passed) / total;
}

PupilSample sampleAt(const Reference& ref, const Model& m, const PupilMap& map, double x, double y)
{
    const double r = ref.model.halfStop.value();
    const MapValue stop = map(x / r, y / r);
    if (stop.x * stop.x + stop.y * stop.y > 1.0)
        return {};
    try {
        const auto end = traceToSphere(ref, m, m.front.n2, r * stop.x, r * stop.y);
        if (!end)
            return {};
        // Beyond the pupil's own border the fitted map runs on into
        // points whose rays arrive elsewhere: those are no samples.
        const double dx = end->pupilX.value() - x, dy = end->pupilY.value() - y;
        if (dx * dx + dy * dy > MapTolerance * MapTolerance * r * r)
            return {};
        return {stop.jacobian, (end->path - ref.path).value()};
    } catch (const MathError&) {
        return {};
    }
}

} // namespace

std::optional<double> paraxialFocal(const RayLens& lens)
{
    return guarded<double>([&]() -> std::optional<double> {
        const Paraxial p = paraxial(Real::checked(lens.nd), 1.0 / Real::checked(lens.R1),
                                    1.0 / Real::checked(lens.R2), Real::checked(lens.thickness));
        return p.focal.value();
    });
}

std::optional<RayLens> withFNumber(const RayLens& lens, double fNumber)
{
    const std::optional<double> focal = paraxialFocal(lens);
    if (!focal || !(fNumber > 0) || !(*focal / fNumber > 0) || !std::isfinite(*focal / fNumber))
        return std::nullopt;
    RayLens out = lens;
    out.stopDiameter = *focal / fNumber;
    return out;
}

std::optional<PsfGrid> psfGridFor(const PsfSetup& setup)
{
    return guarded<PsfGrid>([&]() -> std::optional<PsfGrid> {
        const auto ref = reference(setup);
        if (!ref)
            return std::nullopt;
        const auto lines = lightLines(setup.light);
        const Real fNumber = ref->focal / (2.0 * ref->model.halfStop);
        const double shortest = lines.front().wavelength;
        const double longest = lines.back().wavelength;
        double sample = (1.22 * shortest * fNumber / PsfSamplesPerAiryRadius).value();
        // The spot's diameter with a third more, and a few samples of margin.
        const double field = 2.0 * 1.3 * spotReach(*ref, setup.lens, lines).value();
        constexpr int Margin = 16;
        constexpr double PupilSamples = 48; // across the stop at the longest line
        int size = std::max(static_cast<int>(std::ceil(field / sample)) + Margin,
                            static_cast<int>(std::ceil(PupilSamples * longest * fNumber.value() / sample)));
        if (size > PsfMaxSize) {
            // Wider samples, but the pupil at the shortest line, PupilReach
            // times the stop, must stay inside the grid: beyond that the
            // spot's far light folds back into the field.
            size = PsfMaxSize;
            const double widest = shortest * fNumber.value() / (PupilReach * 1.05);
            sample = std::min(std::max(sample, field / (PsfMaxSize - Margin)), std::max(sample, widest));
        }
        // The centre sample needs an even size.
        int even = fft::goodSize(size);
        while (even % 2 != 0)
            even = fft::goodSize(even + 1);
        return PsfGrid{even, sample, ref->focal.value(), ref->model.halfStop.value()};
    });
}

std::optional<WaveFunction> lensWave(const PsfSetup& setup)
{
    const auto ref = guarded<Reference>([&] { return reference(setup); });
    if (!ref)
        return std::nullopt;
    // The maps of the lines met so far; each PSF has a wave of its own.
    auto maps = std::make_shared<std::map<double, std::optional<PupilMap>>>();
    const RayLens lens = setup.lens;
    return WaveFunction([ref = *ref, lens, maps](double x, double y, double l) {
        auto found = maps->find(l);
        if (found == maps->end())
            found = maps->emplace(l, fitPupilMap(ref, modelAt(ref.model, lens, l))).first;
        if (!found->second)
            return PupilSample{};
        return sampleAt(ref, modelAt(ref.model, lens, l), *found->second, x, y);
    });
}

std::optional<Psf> lensPsf(const PsfSetup& setup, const WorkControl& control)
{
    const auto grid = psfGridFor(setup);
    const auto wave = lensWave(setup);
    const auto ref = guarded<Reference>([&] { return reference(setup); });
    if (!grid || !wave || !ref)
        return std::nullopt;
    const RayLens lens = setup.lens;
    const Transmission passed = [&](double l) { return passedShare(*ref, modelAt(ref->model, lens, l)); };
    return psfFromWave(*wave, *grid, lightLines(setup.light), control, passed);
}

} // namespace monocl
