#include "core/ray_optics.h"

#include <cmath>

namespace monocl::rays {

Real dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Fate refract(Ray& r, const Surface& s, Crossing& c)
{
    if (r.d.z <= 0.0)
        return Fate::Backward;
    // To the vertex plane, then to the sphere c (x^2 + y^2 + z^2) = 2 z about
    // the vertex. The root taken is the one that goes to zero with the
    // curvature, so a plane needs no case of its own.
    const Real t0 = (s.vertexZ - r.p.z) / r.d.z;
    const Real x0 = r.p.x + t0 * r.d.x;
    const Real y0 = r.p.y + t0 * r.d.y;
    const Real cv = s.curvature;
    const Real h = cv * (x0 * x0 + y0 * y0);
    const Real b = r.d.z - cv * (x0 * r.d.x + y0 * r.d.y);
    const Real disc = b * b - cv * h;
    if (disc < 0.0)
        return Fate::Missed;
    const Real den = b + sqrt(disc);
    if (den <= 0.0)
        return Fate::Missed;
    const Real t1 = h / den;
    const Real path = t0 + t1;
    // Inside the glass a ray that must run back to the next surface passes
    // where the two surfaces have crossed: there is no glass there.
    if (s.forwardOnly && path < 0.0)
        return Fate::Missed;
    const Real x = x0 + t1 * r.d.x;
    const Real y = y0 + t1 * r.d.y;
    const Real z = t1 * r.d.z;
    r.p = {x, y, s.vertexZ + z};
    if (x * x + y * y > s.rimSquared)
        return Fate::Rim;
    // The unit normal, towards +z on the cap about the vertex.
    const Vec n{-cv * x, -cv * y, 1.0 - cv * z};
    if (n.z <= 0.0)
        return Fate::Missed;
    const Real cosI = dot(r.d, n);
    if (cosI <= 0.0)
        return Fate::Missed;
    const Real k = 1.0 - s.mu * s.mu * (1.0 - cosI * cosI);
    if (k < 0.0)
        return Fate::Reflected;
    const Real cosR = sqrt(k);
    const Real g = cosR - s.mu * cosI;
    r.d = {s.mu * r.d.x + g * n.x, s.mu * r.d.y + g * n.y, s.mu * r.d.z + g * n.z};
    c = {cosI, cosR, path};
    return Fate::Passed;
}

Fate traceLens(Ray& r, const Model& m, Crossing& first, Crossing& second)
{
    Fate f = refract(r, m.front, first);
    if (f != Fate::Passed)
        return f;
    f = refract(r, m.rear, second);
    if (f != Fate::Passed)
        return f;
    return r.d.z > 0.0 ? Fate::Passed : Fate::Backward;
}

Ray startRay(const Model& m, Real x, Real y, Real sinW, Real cosW)
{
    return {{x, y, m.stopZ}, {0.0, sinW, cosW}};
}

Real sinOf(Real a) { return Real::checked(std::sin(a.value())); }

Real cosOf(Real a) { return Real::checked(std::cos(a.value())); }

Real heightAt(const Ray& r, Real z) { return r.p.y + (z - r.p.z) * r.d.y / r.d.z; }

Paraxial paraxial(Real n, Real c1, Real c2, Real t)
{
    const Real power = (n - 1.0) * (c1 - c2) + (n - 1.0) * (n - 1.0) * t * c1 * c2 / n;
    const Real focal = 1.0 / power;
    return {focal, focal * (1.0 - (n - 1.0) * t * c1 / n)};
}

// Coddington's equations for an object at infinity. The vergences n/s and
// n/t start at zero and are carried between the surfaces along the ray.
std::optional<ChiefRay> chiefRay(const Model& m, Real omega)
{
    Crossing c[2];
    Ray r = startRay(m, 0.0, 0.0, sinOf(omega), cosOf(omega));
    if (traceLens(r, m, c[0], c[1]) != Fate::Passed)
        return std::nullopt;
    const Surface* surfaces[2] = {&m.front, &m.rear};
    Real sag = 0.0, tan = 0.0;
    for (int k = 0; k < 2; ++k) {
        const Surface& s = *surfaces[k];
        if (k > 0) {
            const Real d = c[k].path / s.n1;
            sag = sag / (1.0 - d * sag);
            tan = tan / (1.0 - d * tan);
        }
        const Real cos2I = c[k].cosI * c[k].cosI;
        const Real cos2R = c[k].cosR * c[k].cosR;
        const Real power = s.curvature * (s.n2 * c[k].cosR - s.n1 * c[k].cosI);
        sag = sag + power;
        tan = (tan * cos2I + power) / cos2R;
    }
    // In air after the lens the distances are the reciprocal vergences.
    return ChiefRay{r, r.p.z + r.d.z / sag, r.p.z + r.d.z / tan};
}

std::optional<Real> zonalSpherical(const Model& m, Real focal, Real imageZ)
{
    Crossing first, second;
    Ray r = startRay(m, 0.0, 0.7 * m.halfStop, 0.0, 1.0);
    if (traceLens(r, m, first, second) != Fate::Passed)
        return std::nullopt;
    return 2.0 * abs(heightAt(r, imageZ)) / focal * 100.0;
}

constexpr double RightAngle = 1.5707963267948966; // radians

std::optional<Model> makeModel(const RayLens& lens)
{
    const Real r1 = Real::checked(lens.R1);
    const Real r2 = Real::checked(lens.R2);
    const Real t = Real::checked(lens.thickness);
    const Real dm = Real::checked(lens.diameter);
    const Real n = Real::checked(lens.nd);
    const Real stopZ = Real::checked(lens.stopZ);
    const Real df = Real::checked(lens.stopDiameter);
    const Real beta = Real::checked(lens.halfField);
    if (dm <= 0.0 || df <= 0.0 || t < 0.0 || n <= 0.0 || abs(beta) >= RightAngle)
        return std::nullopt;
    const Real rim = (dm / 2.0) * (dm / 2.0);
    Model m;
    m.front = {0.0, 1.0 / r1, 1.0, n, 1.0 / n, rim, false};
    m.rear = {t, 1.0 / r2, n, 1.0, n, rim, true};
    m.stopZ = stopZ;
    m.halfStop = df / 2.0;
    m.step = df / (2.0 * RayGridHalf);
    return m;
}

} // namespace monocl::rays

namespace monocl {

using namespace rays;

std::optional<RayState> refractAtSphere(const RayState& ray, double vertexZ, double radius,
                                        double n1, double n2, double halfAperture)
{
    try {
        const Real a = Real::checked(halfAperture);
        const Real n1r = Real::checked(n1);
        const Real n2r = Real::checked(n2);
        const Surface s{Real::checked(vertexZ), 1.0 / Real::checked(radius), n1r, n2r,
                        n1r / n2r, a * a, false};
        Ray r{{Real::checked(ray.x), Real::checked(ray.y), Real::checked(ray.z)},
              {Real::checked(ray.dx), Real::checked(ray.dy), Real::checked(ray.dz)}};
        Crossing c;
        if (refract(r, s, c) != Fate::Passed)
            return std::nullopt;
        return RayState{r.p.x.value(), r.p.y.value(), r.p.z.value(),
                        r.d.x.value(), r.d.y.value(), r.d.z.value()};
    } catch (const MathError&) {
        return std::nullopt;
    }
}

} // namespace monocl
