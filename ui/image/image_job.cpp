// The image tab's computation, run in a worker thread: the MTF's PSFs come
// first as they are quick, then the photograph, which takes most of the time.
#include "image_job.h"

#include "core/lens_psf.h"
#include "core/photo_simulation.h"

#include <cmath>

namespace monocl {

namespace {

constexpr int MtfPoints = 51;
constexpr double MtfMaxFrequency = 100; // lp/mm
// The shares of the progress bar the PSFs and the photograph take.
constexpr double PsfShare = 0.25;

// The highest frequency the curves are drawn to: the cut-off at the
// shortest line, or 100 lp/mm when it is higher.
double curveEnd(double fNumber, const std::vector<WeightedLine>& lines)
{
    double shortest = LineD;
    for (const WeightedLine& line : lines)
        shortest = std::min(shortest, line.wavelength);
    return std::min(MtfMaxFrequency, 1.0 / (shortest * fNumber));
}

WorkControl scaled(const WorkControl& control, double from, double share)
{
    WorkControl part{control.cancel, {}};
    if (control.progress)
        part.progress = [control, from, share](double s) { control.report(from + share * s); };
    return part;
}

} // namespace

std::optional<double> paraxialFocal(const RayLens& lens)
{
    if (lens.R1 == 0 || lens.R2 == 0)
        return std::nullopt;
    const double n = lens.nd;
    const double power = (n - 1) * (1 / lens.R1 - 1 / lens.R2 + (n - 1) * lens.thickness / (n * lens.R1 * lens.R2));
    if (!(std::abs(power) > 1e-12) || !std::isfinite(power))
        return std::nullopt;
    return 1 / power;
}

std::optional<ImageResults> computeImage(const ImageInputs& inputs, int threads,
                                         const WorkControl& control)
{
    const std::optional<RayLens> stopped = withFNumber(inputs.lens, inputs.fNumber);
    if (!stopped)
        return std::nullopt;
    ImageResults results;
    const std::vector<WeightedLine> lines = lightLines(inputs.light);
    const double end = curveEnd(inputs.fNumber, lines);
    for (std::size_t i = 0; i < MtfFieldShares.size(); ++i) {
        const double angle = std::atan(MtfFieldShares[i] * std::tan(stopped->halfField));
        const PsfSetup setup{*stopped, angle, inputs.focusShift, inputs.light};
        const std::optional<Psf> psf =
            lensPsf(setup, scaled(control, PsfShare * double(i) / 3, PsfShare / 3));
        if (!psf)
            return std::nullopt;
        results.mtf[i] = mtfOf(*psf, end, MtfPoints);
        if (i == 0)
            results.axialPsf = *psf;
    }
    for (double f : results.mtf[0].frequency)
        results.diffractionLimit.push_back(diffractionMtf(f, inputs.fNumber, lines));
    std::optional<LinearImage> photo =
        simulatePhotograph(inputs.scene, inputs.lens, inputs.fNumber, inputs.focusShift, inputs.light,
                           threads, scaled(control, PsfShare, 1 - PsfShare));
    if (!photo || control.cancelled())
        return std::nullopt;
    results.photograph = std::move(*photo);
    return results;
}

} // namespace monocl
