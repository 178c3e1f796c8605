// The image tab's computation, run in a worker thread: the PSFs first, on
// all the threads at once, then the photograph, which takes most of the time.
#include "image_job.h"

#include "core/lens_psf.h"
#include "core/photo_simulation.h"
#include "core/task_pool.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace monocl {

namespace {

constexpr int MtfPoints = 51;
constexpr double MtfMaxFrequency = 100; // lp/mm
// The shares of the progress bar the PSFs (the through-focus ones most)
// and the photograph take.
constexpr double PsfShare = 0.6;

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

// Every PSF the tab needs, computed together so that they share the
// threads: first one at each field share of the MTF and of the photograph
// (those of both once), at the film as set, then the through-focus ones.
struct PsfBatch {
    std::vector<double> fieldShares;
    std::vector<double> shifts;
    std::vector<PsfSetup> setups;

    PsfBatch(const RayLens& stopped, const ImageInputs& inputs, std::vector<double> focusShifts)
        : shifts(std::move(focusShifts))
    {
        fieldShares.assign(std::begin(PhotoFieldShares), std::end(PhotoFieldShares));
        fieldShares.insert(fieldShares.end(), MtfFieldShares.begin(), MtfFieldShares.end());
        std::sort(fieldShares.begin(), fieldShares.end());
        fieldShares.erase(std::unique(fieldShares.begin(), fieldShares.end()), fieldShares.end());
        for (const double share : fieldShares)
            setups.push_back({stopped, angleAt(stopped, share), inputs.focusShift, inputs.light});
        for (const double share : FocusFieldShares)
            for (const double shift : shifts)
                setups.push_back({stopped, angleAt(stopped, share), shift, inputs.light});
    }

    static double angleAt(const RayLens& lens, double share)
    {
        return std::atan(share * std::tan(lens.halfField));
    }
    std::size_t fieldIndex(double share) const
    {
        return static_cast<std::size_t>(std::find(fieldShares.begin(), fieldShares.end(), share) -
                                        fieldShares.begin());
    }
    std::size_t focusIndex(std::size_t field, std::size_t shift) const
    {
        return fieldShares.size() + field * shifts.size() + shift;
    }
};

} // namespace

std::optional<ImageResults> computeImage(const ImageInputs& inputs, int threads,
                                         const WorkControl& control)
{
    const std::optional<RayLens> stopped = withFNumber(inputs.lens, inputs.fNumber);
    const std::optional<double> pitch = framePitch(inputs.lens, inputs.scene.width, inputs.scene.height);
    if (!stopped || !pitch)
        return std::nullopt;
    ImageResults results;
    results.focusRange = throughFocusRange(*stopped, inputs.focusShift);
    const PsfBatch batch(*stopped, inputs, focusShiftsOver(results.focusRange));
    std::vector<std::optional<Psf>> psfs(batch.setups.size());
    std::atomic<int> done{0};
    runTasks(static_cast<int>(psfs.size()), threads, [&](int i, int) {
        psfs[static_cast<std::size_t>(i)] = lensPsf(batch.setups[static_cast<std::size_t>(i)], {control.cancel, {}});
        control.report(PsfShare * ++done / static_cast<double>(psfs.size()));
    }, control);
    if (control.cancelled() || std::any_of(psfs.begin(), psfs.end(), [](const auto& p) { return !p; }))
        return std::nullopt;

    const std::vector<WeightedLine> lines = lightLines(inputs.light);
    const double end = curveEnd(inputs.fNumber, lines);
    for (std::size_t i = 0; i < MtfFieldShares.size(); ++i)
        results.mtf[i] = mtfOf(*psfs[batch.fieldIndex(MtfFieldShares[i])], end, MtfPoints);
    for (std::size_t i = 0; i < FocusFieldShares.size(); ++i)
        for (std::size_t k = 0; k < batch.shifts.size(); ++k)
            results.throughFocus[i].push_back({batch.shifts[k], lineSpreadsOf(*psfs[batch.focusIndex(i, k)])});
    results.axialPsf = *psfs[batch.fieldIndex(0.0)];
    for (double f : results.mtf[0].frequency)
        results.diffractionLimit.push_back(diffractionMtf(f, inputs.fNumber, lines));

    FieldPsfs field;
    for (const double share : PhotoFieldShares) {
        field.shares.push_back(share);
        field.psfs.push_back(std::move(*psfs[batch.fieldIndex(share)]));
    }
    psfs.clear();
    std::optional<LinearImage> photo =
        blurImage(inputs.scene, field, *pitch, threads, scaled(control, PsfShare, 1 - PsfShare));
    if (!photo || control.cancelled())
        return std::nullopt;
    results.photograph = std::move(*photo);
    return results;
}

} // namespace monocl
