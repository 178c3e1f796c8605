#pragma once

#include "core/meniscus_solver.h"
#include "core/monocl_state.h"

#include <cmath>
#include <cstdint>

namespace monocl::test {

// All outputs of one solver call, so tests can name them.
struct SolverRun {
    MonoclState store;
    double N = 0, Df = 0, S1 = 0, S2 = 0, S3 = 0, S4 = 0, S5 = 0, W = 0, R1 = 0, R2 = 0, X2 = 0;
    double Rs = 0, Rm = 0, Rp = 0, Dm = 0, dA = 0, rK = 0, dS = 0, dl = 0, v1 = 0, v2 = 0, sf = 0;
    std::int32_t failed = -1;

    void solve(double dh, double T, double F, double n, double nu, double ks, double kx,
               double twoBeta)
    {
        // The outputs start as this run holds them, and those written before
        // a fault are kept, as the store keeps them.
        exchangeOutputs(store, *this);
        store.SolverAux = W;
        try {
            solveIntoStore({dh, T, F, n, nu, ks, kx, twoBeta}, store, sf, failed);
        } catch (...) {
            exchangeOutputs(*this, store);
            W = store.SolverAux;
            throw;
        }
        exchangeOutputs(*this, store);
        W = store.SolverAux;
    }
    double Rt() const { return store.Rt; }

private:
    // Copies the solver's outputs between the store and a run, by name.
    template <class To, class From>
    static void exchangeOutputs(To& to, const From& from)
    {
        to.N = from.N, to.Df = from.Df, to.S1 = from.S1, to.S2 = from.S2, to.S3 = from.S3;
        to.S4 = from.S4, to.S5 = from.S5, to.R1 = from.R1, to.R2 = from.R2, to.X2 = from.X2;
        to.Rs = from.Rs, to.Rm = from.Rm, to.Rp = from.Rp, to.Dm = from.Dm, to.dA = from.dA;
        to.rK = from.rK, to.dS = from.dS, to.dl = from.dl, to.v1 = from.v1, to.v2 = from.v2;
    }
};

inline const double StartField = 45.0 * 3.14159265358979323846 / 180.0;

// A measured lens for the forecast: height, edge, focal length and diameter
// in millimetres, and the glass range. The defaults are the worked example.
inline MonoclState measuredLens(double hm = 5, double h = 2, double F = 75, double d = 20,
                                double ndMin = 1.5, double ndMax = 1.7)
{
    MonoclState s;
    s.MeasuredHeight = hm;
    s.MeasuredEdge = h;
    s.MeasuredFocal = F;
    s.MeasuredDiameter = d;
    s.NdMin = ndMin;
    s.NdMax = ndMax;
    return s;
}

} // namespace monocl::test

// Relative closeness to the number of digits a worked example gives.
#define EXPECT_REL(actual, expected, rel) \
    EXPECT_NEAR((actual), (expected), std::fabs(expected) * (rel))
