#pragma once

#include "core/pupil_psf.h"

#include <vector>

namespace monocl {

// The modulation transfer against spatial frequency (lp/mm): sagittal for
// frequencies along the PSF's columns (x), tangential along its rows (y).
struct MtfCurve {
    std::vector<double> frequency;
    std::vector<double> sagittal;
    std::vector<double> tangential;
};

// The PSF added up along its rows (sagittal: the light against x) and
// along its columns (tangential: against y): all the MTF needs, and much
// smaller than the PSF to keep.
struct LineSpreads {
    double sample = 0; // mm
    std::vector<double> sagittal;
    std::vector<double> tangential;
};

LineSpreads lineSpreadsOf(const Psf& psf);

// The modulation at one frequency along x (sagittal) or y (tangential): the
// modulus of the line spread function's Fourier transform there, taken
// directly so any frequency can be asked for, over its value at zero.
double mtfAt(const LineSpreads& spreads, double frequency, bool tangential);
double mtfAt(const Psf& psf, double frequency, bool tangential);

// The curve at `points` frequencies evenly from 0 to maxFrequency.
MtfCurve mtfOf(const Psf& psf, double maxFrequency, int points);

// The aberration-free lens's MTF with a round pupil,
// (2/pi)(phi - cos phi sin phi) with phi = arccos(nu / cutoff); 0 beyond.
double diffractionMtf(double frequency, double cutoff);

// The same, added over the lines with their weights: each line's cut-off
// is 1 / (wavelength N).
double diffractionMtf(double frequency, double fNumber, const std::vector<WeightedLine>& lines);

} // namespace monocl
