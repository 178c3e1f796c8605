#include "core/mtf.h"

#include <cmath>
#include <complex>

namespace monocl {

namespace {

constexpr double Pi = 3.141592653589793;

std::vector<double> lineSpread(const Psf& psf, bool tangential)
{
    std::vector<double> lsf(static_cast<std::size_t>(psf.size), 0.0);
    for (int row = 0; row < psf.size; ++row)
        for (int col = 0; col < psf.size; ++col)
            lsf[static_cast<std::size_t>(tangential ? row : col)] += psf.at(col, row);
    return lsf;
}

double modulation(const std::vector<double>& lsf, double sample, double frequency)
{
    const int c = static_cast<int>(lsf.size()) / 2;
    std::complex<double> sum = 0;
    double total = 0;
    // One rotation per sample, so the sines are not evaluated sample by sample.
    const std::complex<double> step = std::polar(1.0, -2.0 * Pi * frequency * sample);
    std::complex<double> phase = std::polar(1.0, 2.0 * Pi * frequency * sample * c);
    for (const double v : lsf) {
        sum += v * phase;
        total += v;
        phase *= step;
    }
    return total > 0 ? std::abs(sum) / total : 0.0;
}

} // namespace

LineSpreads lineSpreadsOf(const Psf& psf)
{
    return {psf.sample, lineSpread(psf, false), lineSpread(psf, true)};
}

double mtfAt(const LineSpreads& spreads, double frequency, bool tangential)
{
    return modulation(tangential ? spreads.tangential : spreads.sagittal, spreads.sample, frequency);
}

double mtfAt(const Psf& psf, double frequency, bool tangential)
{
    return modulation(lineSpread(psf, tangential), psf.sample, frequency);
}

MtfCurve mtfOf(const Psf& psf, double maxFrequency, int points)
{
    MtfCurve curve;
    const LineSpreads spreads = lineSpreadsOf(psf);
    for (int k = 0; k < points; ++k) {
        const double nu = points > 1 ? maxFrequency * k / (points - 1) : 0.0;
        curve.frequency.push_back(nu);
        curve.sagittal.push_back(mtfAt(spreads, nu, false));
        curve.tangential.push_back(mtfAt(spreads, nu, true));
    }
    return curve;
}

double diffractionMtf(double frequency, double cutoff)
{
    if (cutoff <= 0 || frequency >= cutoff)
        return 0.0;
    const double phi = std::acos(frequency / cutoff);
    return 2.0 / Pi * (phi - std::cos(phi) * std::sin(phi));
}

double diffractionMtf(double frequency, double fNumber, const std::vector<WeightedLine>& lines)
{
    double sum = 0;
    for (const WeightedLine& line : lines)
        sum += line.weight * diffractionMtf(frequency, 1.0 / (line.wavelength * fNumber));
    return sum;
}

} // namespace monocl
