#pragma once

#include "core/pupil_psf.h"

namespace monocl {

// The light the PSF holds: 1 when nothing is blocked.
double psfEnergy(const Psf& psf);

// The centre of the PSF's light, mm from the reference point.
struct PsfCentroid {
    double x = 0, y = 0;
};
PsfCentroid psfCentroid(const Psf& psf);

// The RMS distance of the light from its centroid, mm.
double psfRmsRadius(const Psf& psf);

// The share of the light within the radius (mm) about the reference point,
// each sample counted whole where its centre lies inside.
double encircledEnergy(const Psf& psf, double radius);

// The mean of the light over rings about the reference point, ring k
// covering [k, k + 1) samples; for finding the Airy pattern's dark ring.
std::vector<double> radialProfile(const Psf& psf, int rings);

} // namespace monocl
