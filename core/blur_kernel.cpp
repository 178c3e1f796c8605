#include "core/blur_kernel.h"

#include "core/psf_measure.h"

#include <algorithm>
#include <cmath>

namespace monocl {

namespace {

// Adds the PSF, times weight, into the kernel: each sample (grouped a few
// at a time where the pixels are much coarser) spread bilinearly over the
// four pixels about where it falls.
void splat(const Psf& psf, double weight, double rx, double ry, double pitch, BlurKernel& k)
{
    const int group = std::max(1, static_cast<int>(pitch / (2.0 * psf.sample)));
    const int c = psf.size / 2;
    const int side = 2 * k.radius + 1;
    const double tx = -ry, ty = rx; // the sagittal direction
    for (int row0 = 0; row0 < psf.size; row0 += group) {
        for (int col0 = 0; col0 < psf.size; col0 += group) {
            double sum = 0;
            for (int row = row0; row < std::min(row0 + group, psf.size); ++row)
                for (int col = col0; col < std::min(col0 + group, psf.size); ++col)
                    sum += psf.at(col, row);
            if (sum <= 0)
                continue;
            const double u = (col0 + (group - 1) / 2.0 - c) * psf.sample / pitch;
            const double v = (row0 + (group - 1) / 2.0 - c) * psf.sample / pitch;
            const double x = k.radius + u * tx + v * rx;
            const double y = k.radius + u * ty + v * ry;
            const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
            const double fx = x - x0, fy = y - y0;
            const double w[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
            const int dx[4] = {0, 1, 0, 1}, dy[4] = {0, 0, 1, 1};
            for (int q = 0; q < 4; ++q) {
                const int px = x0 + dx[q], py = y0 + dy[q];
                if (px >= 0 && py >= 0 && px < side && py < side)
                    k.values[static_cast<std::size_t>(py * side + px)] += weight * sum * w[q];
            }
        }
    }
}

} // namespace

int kernelRadius(const FieldPsfs& psfs, double pitch, int maxRadius)
{
    double reach = 0;
    for (const Psf& psf : psfs.psfs) {
        const double total = psfEnergy(psf);
        // Outwards ring by ring until all but a thousandth is inside.
        const std::vector<double> ring = radialProfile(psf, psf.size / 2);
        double inside = 0;
        for (std::size_t k = 0; k < ring.size(); ++k) {
            // The mean of a ring times its samples, about 2 pi (k + 1/2).
            inside += ring[k] * 6.283185307179586 * (static_cast<double>(k) + 0.5);
            reach = std::max(reach, (static_cast<double>(k) + 1) * psf.sample);
            if (inside >= 0.999 * total)
                break;
        }
    }
    return std::clamp(static_cast<int>(std::ceil(reach / pitch)) + 1, 1, maxRadius);
}

BlurKernel kernelAt(const FieldPsfs& psfs, double share, double rx, double ry, double pitch,
                    int radius)
{
    BlurKernel k{radius, std::vector<double>(static_cast<std::size_t>((2 * radius + 1) * (2 * radius + 1)), 0.0)};
    const auto& s = psfs.shares;
    std::size_t hi = 0;
    while (hi + 1 < s.size() && s[hi] < share)
        ++hi;
    const std::size_t lo = hi > 0 ? hi - 1 : 0;
    double a = 1.0;
    if (hi != lo && s[hi] > s[lo])
        a = std::clamp((share - s[lo]) / (s[hi] - s[lo]), 0.0, 1.0);
    if (a < 1.0)
        splat(psfs.psfs[lo], 1.0 - a, rx, ry, pitch, k);
    splat(psfs.psfs[hi], a, rx, ry, pitch, k);
    double sum = 0;
    for (const double v : k.values)
        sum += v;
    if (sum > 0)
        for (double& v : k.values)
            v /= sum;
    return k;
}

} // namespace monocl
