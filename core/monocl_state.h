#pragma once

#include <cstdint>

namespace monocl {

// The one program-wide record of inputs, derived values and results. Lengths
// of the direct design are in metres; the measured values and the lengths of
// the forecast are in millimetres. Every field starts at zero.
struct MonoclState {
    double FieldAngle = 0;
    double NdEntry = 0;
    double AbbeEntry = 0;
    double X2 = 0;
    double FocalLength = 0;
    double Df = 0;
    double R1 = 0;
    double R2 = 0;
    double S1 = 0;
    double S2 = 0;
    double S3 = 0;
    double S4 = 0;
    double S5 = 0;
    double SolverAux = 0;
    double Nd = 0;
    double Abbe = 0;
    double SphericalRatio = 0;
    double ChromaticRatio = 0;
    double N = 0;
    double Rt = 0;
    double Dm = 0;
    double Rs = 0;
    double Rm = 0;
    double Rp = 0;
    double dA = 0;
    double rK = 0;
    double dS = 0;
    double dl = 0;
    double v1 = 0;
    double v2 = 0;
    std::int32_t CorrectionType = 0;
    double dr2 = 0;
    double MeasuredHeight = 0;
    double CenterThickness = 0;
    double MeasuredEdge = 0;
    double MeasuredFocal = 0;
    double MeasuredDiameter = 0;
    double NdMax = 0;
    double NdMin = 0;
    double AbbeMax = 0;
    double AbbeMin = 0;
    double R1AtNdMin = 0;
    double R1AtNdMax = 0;
    double RadiusRatioAtNdMin = 0;
    double RadiusRatioAtNdMax = 0;
};

// The built-in start values. The measured lengths are given in metres here;
// the window shows them multiplied by 1000 and stores them back as millimetres.
void applyStartValues(MonoclState& state);

} // namespace monocl
