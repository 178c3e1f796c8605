#pragma once

#include "core/linear_image.h"
#include "core/pupil_psf.h"
#include "core/work_control.h"

#include <optional>
#include <vector>

namespace monocl {

// The PSFs of a lens at a few field radii, each given as its share of the
// frame's half diagonal (0 the axis, 1 the corner), ascending.
struct FieldPsfs {
    std::vector<double> shares;
    std::vector<Psf> psfs;
};

// The photograph of the scene through the lens: the scene is the image on a
// frame whose pixels are `pitch` mm apart, and each point of it spreads as
// the PSF at its distance from the centre (interpolated between the field
// radii), turned to its azimuth, the meridional direction pointing away
// from the centre. In linear light. The frame is cut into overlapping tiles
// with weights that add up to 1 at every pixel; each is spread with the
// PSF at its centre by FFT, so the light of every pixel is kept. Each
// kernel holds 1: the picture shows the blur, not the fall-off of light.
// None when cancelled or given nothing to work with.
std::optional<LinearImage> blurImage(const LinearImage& scene, const FieldPsfs& psfs, double pitch,
                                     int threads, const WorkControl& control = {});

} // namespace monocl
