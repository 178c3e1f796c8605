#include "meniscus_solver.h"

#include "errors/real.h"

namespace monocl {

namespace {

// The solver itself, inlined into both ways of calling it, so that the
// store's own fields are written in place rather than through two dozen
// references passed on the stack.
[[gnu::always_inline]] inline void solve(double dh_, double T, double F_, double n_, double nu_,
                   double ks_, double kx_, double twoBeta_,
                   double& N, double& Df, double& S1, double& S2, double& S3, double& S4,
                   double& S5, double& SolverAux, double& R1, double& R2, double& X2,
                   double& Rs, double& Rm, double& Rp, double& Dm, double& dA, double& rK,
                   double& dS, double& dl, double& v1, double& v2, double& sf,
                   std::int32_t& DesignFailed, MonoclState& store)
{
    const Real dh = Real::checked(dh_);
    const Real F = Real::checked(F_);
    const Real n = Real::checked(n_);
    const Real nu = Real::checked(nu_);
    const Real ks = Real::checked(ks_);
    const Real kx = Real::checked(kx_);
    const Real twoBeta = Real::checked(twoBeta_);
    const Real sqrt2 = sqrt(Real(2.0));

    // F-number from the chromatic requirement, stop diameter.
    DesignFailed = 0;
    const Real mu = 1.0 / n;
    const Real Nr = 1.0 / (nu * ks * kx);
    N = Nr.value();
    const Real Dfr = F / Nr;
    Df = Dfr.value();

    // The spherical requirement fixes the bending (smaller root).
    const Real Q = Real(32.0) * (1.0 - mu) * (1.0 - mu) / sqrt2 * Nr * Nr / kx / nu;
    const Real D1 = (mu + 2.0) * (mu + 2.0) - (1.0 - Q) * 4.0 * (2.0 * mu + 1.0);
    Real a = ((mu + 2.0) - sqrt(D1)) / (2.0 * (2.0 * mu + 1.0));

    // Radii, and the angle parameter taken afresh from them.
    const Real R1r = (n - 1.0) * F / (n * a);
    R1 = R1r.value();
    const Real R2r = (n - 1.0) * (F - dh * a) / (n * a - 1.0);
    R2 = R2r.value();
    a = 1.0 / (n * (1.0 - R1r / R2r) + (n - 1.0) * dh / R2r);

    // Main parameters of the thick lens.
    const Real g = 1.0 - a * dh / F;
    const Real P = mu * a * a * a / ((mu - 1.0) * (mu - 1.0))
        + (1.0 - a) * (1.0 - a) / ((1.0 - mu) * (1.0 - mu)) * (1.0 - mu * a) * g;
    S1 = P.value();
    const Real W = mu * a * a / (mu - 1.0) + (1.0 - a) / (1.0 - mu) * (1.0 - mu * a) * g;
    SolverAux = W.value();

    // The correction type places the stop.
    Real y = 0.0;
    if (T == 1.0) {
        y = -W / P;
    } else if (T == 2.0) {
        const Real D2 = W * W - P;
        if (D2 >= 0.0) {
            y = (-W - sqrt(D2)) / P;
        } else {
            y = 0.0;
            DesignFailed = 1;
        }
    }

    // Seidel sums.
    const Real S2r = y * P + W;
    S2 = S2r.value();
    const Real S3r = y * y * P + 2.0 * y * W + 1.0;
    S3 = S3r.value();
    const Real S5r = y * y * y * P + 3.0 * y * y * W + (3.0 + mu) * y;
    S5 = S5r.value();
    const Real S4r = (1.0 - mu) * F * (1.0 / R1r - 1.0 / R2r);
    S4 = S4r.value();

    // Vertex distances; the thickness enters by its magnitude here.
    const Real c = abs(dh) * (n - 1.0) / n;
    sf = (F * (1.0 - c / R1r)).value();
    const Real X2r = y * F * (1.0 - c / R2r);
    X2 = X2r.value();

    // Focal surfaces.
    Rp = (-F / S4r).value();
    const Real Rmr = F / (S4r + S3r);
    Rm = Rmr.value();
    const Real Rtr = F / (3.0 * S3r + S4r);
    store.Rt = Rtr.value();
    Rs = (0.5 / (1.0 / Rmr + 1.0 / Rtr)).value();

    // Meniscus diameter: the stop plus the field over the stop distance.
    const Real beta = twoBeta / 2.0;
    Dm = (2.0 * abs(tan(beta) * X2r) + Dfr).value();

    // Spot sizes at the edge of the field.
    const Real dSr = (sqrt2 * (2.0 * P) / 64.0) * Dfr * Dfr * Dfr / F / F;
    dS = dSr.value();
    const Real dAr = beta * beta * (-0.5 * S3r) * F / Nr;
    dA = dAr.value();
    dl = (beta * beta * (-F * S5r) * beta / 2.0).value();
    rK = ((-0.375 * Dfr * Dfr / F) * S2r * twoBeta / 2.0).value();

    // Resolution in lines per millimetre; no astigmatism spot adds no blur.
    const Real v1r = 0.001 / (dSr / 4.0);
    v1 = v1r.value();
    Real blur = 1.0 / v1r;
    if (dAr != 0.0) {
        const Real vA = 0.001 / (dAr / 2.0);
        blur += 1.0 / vA;
    }
    v2 = (1.0 / (blur * 0.85)).value();

    // The first surface must be concave toward the stop.
    if (R1r > 0.0)
        DesignFailed = 1;
}

} // namespace

void SolveMeniscus(double dh, double T, double F, double n, double nu, double ks, double kx,
                   double twoBeta,
                   double& N, double& Df, double& S1, double& S2, double& S3, double& S4,
                   double& S5, double& SolverAux, double& R1, double& R2, double& X2,
                   double& Rs, double& Rm, double& Rp, double& Dm, double& dA, double& rK,
                   double& dS, double& dl, double& v1, double& v2, double& sf,
                   std::int32_t& DesignFailed, MonoclState& store)
{
    solve(dh, T, F, n, nu, ks, kx, twoBeta, N, Df, S1, S2, S3, S4, S5, SolverAux, R1, R2, X2, Rs,
          Rm, Rp, Dm, dA, rK, dS, dl, v1, v2, sf, DesignFailed, store);
}

void solveIntoStore(const SolverInputs& in, MonoclState& s, double& sf, std::int32_t& DesignFailed)
{
    solve(in.dh, in.T, in.F, in.n, in.nu, in.ks, in.kx, in.twoBeta,
                  s.N, s.Df, s.S1, s.S2, s.S3, s.S4, s.S5, s.SolverAux, s.R1, s.R2, s.X2,
                  s.Rs, s.Rm, s.Rp, s.Dm, s.dA, s.rK, s.dS, s.dl, s.v1, s.v2,
                  sf, DesignFailed, s);
}

} // namespace monocl
