#pragma once

#include "core/light_lines.h"
#include "core/work_control.h"

#include <functional>
#include <optional>
#include <vector>

namespace monocl {

// A point spread function sampled on a square grid in the image plane. Rows
// run along the meridional direction, outwards from the axis with the row
// index; columns along the sagittal one. The reference point (the chief
// ray's image at the d line) is the sample (size / 2, size / 2). Each value
// is the share of the light entering the stop that falls on that sample, so
// the values add up to the share that gets through.
struct Psf {
    int size = 0;
    double sample = 0; // mm between samples
    std::vector<double> values;

    double at(int col, int row) const
    {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(size) +
                      static_cast<std::size_t>(col)];
    }
};

// The grid of a PSF: its size (a size FFTW transforms fast) and spacing, and
// the lens's focal length and stop radius that scale the pupil to it.
struct PsfGrid {
    int size = 0;
    double sample = 0;     // mm
    double focal = 0;      // F', mm
    double stopRadius = 0; // mm
};

// One sample of the pupil: the light it carries (0 outside the stop; the
// stop's area that the sample stands for, over the sample's own), and the
// optical path difference, mm, of its ray against the reference sphere about
// the reference point; none where the ray is blocked.
struct PupilSample {
    double weight = 0;
    std::optional<double> opd;
};

// The pupil at (x, y), at a wavelength (mm). The coordinates are the
// direction from the reference point to the ray's point on the reference
// sphere, less the chief ray's, times F' (mm, y meridional): for an
// aberration-free lens, the point of the stop itself.
using WaveFunction = std::function<PupilSample(double x, double y, double wavelength)>;

// How far beyond the stop's radius the pupil is sampled, for pupils the
// lens distorts outwards.
constexpr double PupilReach = 1.4;

// The polychromatic PSF: for each line, the pupil function
// sqrt(weight) exp(2 pi i W / l), sampled so that its transform falls on the
// grid's spacing at that line, transformed, squared and added with the
// line's weight. The wave must be mirror-symmetric in x (it is sampled at
// x >= 0 only). Each line's PSF holds the share of the light its samples
// let through, times `transmission` at that line where given: the share
// that a pupil seen from the film cannot count, blocked before reaching it.
// None when cancelled.
using Transmission = std::function<double(double wavelength)>;
std::optional<Psf> psfFromWave(const WaveFunction& wave, const PsfGrid& grid,
                               const std::vector<WeightedLine>& lines,
                               const WorkControl& control = {},
                               const Transmission& transmission = {});

} // namespace monocl
