#pragma once

#include "monocl_state.h"

#include <cstdint>

namespace monocl {

// Designs a monocle meniscus and its stop in one closed-form pass of
// third-order aberration theory. Inputs: centre thickness dh (m), correction
// type T (1 = zero coma, 2 = zero astigmatism), focal length F (m), index n,
// effective Abbe number nu, permitted spherical ratio ks, permitted
// chromatic-to-spherical ratio kx and full field angle twoBeta (rad).
// Every output is written as soon as its step reaches it, so a fault leaves
// the outputs of the earlier steps written. The tangential radius Rt goes to
// the store directly. DesignFailed is 1 when the shape is unusable.
void SolveMeniscus(double dh, double T, double F, double n, double nu, double ks, double kx,
                   double twoBeta,
                   double& N, double& Df, double& S1, double& S2, double& S3, double& S4,
                   double& S5, double& SolverAux, double& R1, double& R2, double& X2,
                   double& Rs, double& Rm, double& Rp, double& Dm, double& dA, double& rK,
                   double& dS, double& dl, double& v1, double& v2, double& sf,
                   std::int32_t& DesignFailed, MonoclState& store);

// The solver's eight inputs, named as SolveMeniscus names them.
struct SolverInputs {
    double dh = 0;
    double T = 1;
    double F = 0;
    double n = 0;
    double nu = 0;
    double ks = 0;
    double kx = 0;
    double twoBeta = 0;
};

// SolveMeniscus with the store's own fields (N, Df, S1..S5, SolverAux, R1,
// R2, X2, Rs, Rm, Rp, Dm, dA, rK, dS, dl, v1, v2, Rt) as its outputs; sf and
// DesignFailed go where the caller says. The one place the solver is called.
void solveIntoStore(const SolverInputs& in, MonoclState& store, double& sf,
                    std::int32_t& DesignFailed);

} // namespace monocl
