#include "core/pupil_psf.h"

#include "core/fft_plans.h"

#include <cmath>
#include <cstddef>

namespace monocl {

namespace {

constexpr double TwoPi = 6.283185307179586;

// Fills the pupil of one line, each sample times (-1)^(i + j) so that the
// transform has its zero frequency at the grid's centre. Returns the light
// that enters the stop, blocked or not, in samples.
double fillPupil(const WaveFunction& wave, const PsfGrid& grid, double wavelength,
                 FftBuffer<Complex>& pupil)
{
    const int n = grid.size;
    const int c = n / 2;
    // The pupil's spacing that puts the transform's samples grid.sample apart.
    const double step = wavelength * grid.focal / (n * grid.sample);
    const double reach = grid.stopRadius * PupilReach;
    const double r2 = reach * reach;
    double inside = 0;
    for (std::size_t k = 0; k < pupil.size(); ++k)
        pupil[k] = 0.0;
    for (int row = 0; row < n; ++row) {
        const double y = (row - c) * step;
        for (int col = c; col < n; ++col) {
            const double x = (col - c) * step;
            if (x * x + y * y > r2)
                break;
            const int copies = col == c ? 1 : 2;
            const PupilSample sample = wave(x, y, wavelength);
            inside += copies * sample.weight;
            if (!sample.opd || sample.weight <= 0)
                continue;
            const double phase = TwoPi * *sample.opd / wavelength;
            const double sign = ((row + col) % 2 == 0) ? 1.0 : -1.0;
            const Complex value = sign * std::sqrt(sample.weight) * Complex(std::cos(phase), std::sin(phase));
            const auto at = [&](int cc) {
                return static_cast<std::size_t>(row) * static_cast<std::size_t>(n) +
                       static_cast<std::size_t>(cc);
            };
            pupil[at(col)] = value;
            // The mirror sample has the same parity, since 2c - col and col
            // differ by an even number.
            if (copies == 2)
                pupil[at(2 * c - col)] = value;
        }
    }
    return inside;
}

} // namespace

std::optional<Psf> psfFromWave(const WaveFunction& wave, const PsfGrid& grid,
                               const std::vector<WeightedLine>& lines, const WorkControl& control,
                               const Transmission& transmission)
{
    const int n = grid.size;
    const std::size_t count = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    Psf psf{n, grid.sample, std::vector<double>(count, 0.0)};
    FftBuffer<Complex> pupil(count);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (control.cancelled())
            return std::nullopt;
        const double inside = fillPupil(wave, grid, lines[k].wavelength, pupil);
        if (inside <= 0)
            continue;
        fft::forward(pupil, n, n);
        // By Parseval the transform's squares add up to n^2 times the
        // pupil's: so each line's PSF adds up to the share it lets through.
        const double passed = transmission ? transmission(lines[k].wavelength) : 1.0;
        const double scale = passed * lines[k].weight / (inside * static_cast<double>(count));
        for (std::size_t i = 0; i < count; ++i)
            psf.values[i] += std::norm(pupil[i]) * scale;
        control.report(static_cast<double>(k + 1) / static_cast<double>(lines.size()));
    }
    return psf;
}

} // namespace monocl
