#pragma once

#include "core/image_blur.h"
#include "core/lens_psf.h"

#include <optional>

namespace monocl {

// The field radii, as shares of the half diagonal, at which the photograph's
// PSFs are computed.
constexpr double PhotoFieldShares[] = {0.0, 0.35, 0.6, 0.8, 1.0};

// The PSFs of the lens (with its stop as used) at PhotoFieldShares, on up
// to `threads` threads: the field angle at share s is atan(s tan beta), the
// frame's corner at beta. None where one cannot be had or it was cancelled.
std::optional<FieldPsfs> fieldPsfs(const RayLens& lens, double focusShift, LightKind light, int threads,
                                   const WorkControl& control = {});

// The pixel pitch of a width x height picture on the frame whose diagonal
// is 2 F' tan beta, mm; none where the lens has no focal length.
std::optional<double> framePitch(const RayLens& lens, int width, int height);

// The photograph through the lens at an f-number and a focus shift (the film
// minus the paraxial image plane, mm). None where it cannot be made or was
// cancelled.
std::optional<LinearImage> simulatePhotograph(const LinearImage& scene, const RayLens& lens,
                                              double fNumber, double focusShift,
                                              LightKind light, int threads,
                                              const WorkControl& control = {});

} // namespace monocl
