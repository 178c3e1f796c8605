#include "core/photo_simulation.h"

#include "core/task_pool.h"

#include <atomic>
#include <cmath>

namespace monocl {

std::optional<FieldPsfs> fieldPsfs(const RayLens& lens, double focusShift, LightKind light, int threads,
                                   const WorkControl& control)
{
    const std::size_t count = std::size(PhotoFieldShares);
    std::vector<std::optional<Psf>> psfs(count);
    std::atomic<int> done{0};
    runTasks(static_cast<int>(count), threads, [&](int i, int) {
        const double share = PhotoFieldShares[i];
        const double angle = std::atan(share * std::tan(lens.halfField));
        psfs[static_cast<std::size_t>(i)] = lensPsf({lens, angle, focusShift, light}, {control.cancel, {}});
        control.report(++done / static_cast<double>(count));
    }, control);
    if (control.cancelled())
        return std::nullopt;
    FieldPsfs out;
    for (std::size_t i = 0; i < count; ++i) {
        if (!psfs[i])
            return std::nullopt;
        out.shares.push_back(PhotoFieldShares[i]);
        out.psfs.push_back(std::move(*psfs[i]));
    }
    return out;
}

std::optional<double> framePitch(const RayLens& lens, int width, int height)
{
    const auto focal = withFNumber(lens, 1.0);
    if (!focal || width <= 0 || height <= 0)
        return std::nullopt;
    // withFNumber at N = 1 gives a stop as wide as F'.
    const double diagonal = 2.0 * focal->stopDiameter * std::tan(lens.halfField);
    const double pitch = diagonal / std::hypot(width, height);
    return pitch > 0 && std::isfinite(pitch) ? std::optional<double>(pitch) : std::nullopt;
}

std::optional<LinearImage> simulatePhotograph(const LinearImage& scene, const RayLens& lens,
                                              double fNumber, double focusShift,
                                              LightKind light, int threads,
                                              const WorkControl& control)
{
    const auto stopped = withFNumber(lens, fNumber);
    const auto pitch = framePitch(lens, scene.width, scene.height);
    if (!stopped || !pitch)
        return std::nullopt;
    // The PSFs take about a fifth of the time, the blur the rest.
    const auto psfPart = [&](double s) { control.report(0.2 * s); };
    const auto psfs = fieldPsfs(*stopped, focusShift, light, threads, {control.cancel, psfPart});
    if (!psfs)
        return std::nullopt;
    const auto blurPart = [&](double s) { control.report(0.2 + 0.8 * s); };
    return blurImage(scene, *psfs, *pitch, threads, {control.cancel, blurPart});
}

} // namespace monocl
