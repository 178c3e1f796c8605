#pragma once

#include "core/image_blur.h"

#include <vector>

namespace monocl {

// A PSF laid on the pixel grid: (2 radius + 1) squared values, the centre
// pixel at (radius, radius), adding up to 1.
struct BlurKernel {
    int radius = 0;
    std::vector<double> values;
};

// The kernel radius in pixels that holds the light of every PSF of the set
// but a thousandth, at most maxRadius.
int kernelRadius(const FieldPsfs& psfs, double pitch, int maxRadius);

// The kernel at a point `share` of the half diagonal out, the PSF's
// meridional direction along (radialX, radialY) (a unit vector in the
// picture, y down): the two PSFs about that radius, weighted linearly,
// spread on the pixels they fall on.
BlurKernel kernelAt(const FieldPsfs& psfs, double share, double radialX, double radialY,
                    double pitch, int radius);

} // namespace monocl
