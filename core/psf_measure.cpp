#include "core/psf_measure.h"

#include <cmath>

namespace monocl {

namespace {

// Calls f(x, y, value) for every sample, x and y in mm from the reference.
template <class F>
void eachSample(const Psf& psf, F&& f)
{
    const int c = psf.size / 2;
    for (int row = 0; row < psf.size; ++row)
        for (int col = 0; col < psf.size; ++col)
            f((col - c) * psf.sample, (row - c) * psf.sample, psf.at(col, row));
}

} // namespace

double psfEnergy(const Psf& psf)
{
    double sum = 0;
    for (const double v : psf.values)
        sum += v;
    return sum;
}

PsfCentroid psfCentroid(const Psf& psf)
{
    double sx = 0, sy = 0, sum = 0;
    eachSample(psf, [&](double x, double y, double v) {
        sx += x * v;
        sy += y * v;
        sum += v;
    });
    if (sum <= 0)
        return {};
    return {sx / sum, sy / sum};
}

double psfRmsRadius(const Psf& psf)
{
    const PsfCentroid c = psfCentroid(psf);
    double s2 = 0, sum = 0;
    eachSample(psf, [&](double x, double y, double v) {
        s2 += ((x - c.x) * (x - c.x) + (y - c.y) * (y - c.y)) * v;
        sum += v;
    });
    return sum > 0 ? std::sqrt(s2 / sum) : 0.0;
}

double encircledEnergy(const Psf& psf, double radius)
{
    double inside = 0;
    eachSample(psf, [&](double x, double y, double v) {
        if (x * x + y * y <= radius * radius)
            inside += v;
    });
    return inside;
}

std::vector<double> radialProfile(const Psf& psf, int rings)
{
    std::vector<double> sum(static_cast<std::size_t>(rings), 0.0);
    std::vector<double> count(static_cast<std::size_t>(rings), 0.0);
    eachSample(psf, [&](double x, double y, double v) {
        const auto k = static_cast<std::size_t>(std::sqrt(x * x + y * y) / psf.sample);
        if (k < sum.size()) {
            sum[k] += v;
            count[k] += 1;
        }
    });
    for (std::size_t k = 0; k < sum.size(); ++k)
        sum[k] = count[k] > 0 ? sum[k] / count[k] : 0.0;
    return sum;
}

} // namespace monocl
