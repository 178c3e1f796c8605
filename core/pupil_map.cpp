#include "core/pupil_map.h"

#include <cmath>
#include <utility>

namespace monocl {

namespace {

using Terms = std::array<double, PupilMapTerms>;

// The monomials a^i b^j, i + j <= degree, and their derivatives.
void monomials(double a, double b, Terms& v, Terms& da, Terms& db)
{
    std::array<double, PupilMapDegree + 1> pa{}, pb{};
    pa[0] = pb[0] = 1.0;
    for (std::size_t i = 1; i < pa.size(); ++i) {
        pa[i] = pa[i - 1] * a;
        pb[i] = pb[i - 1] * b;
    }
    std::size_t k = 0;
    for (std::size_t d = 0; d <= PupilMapDegree; ++d) {
        for (std::size_t j = 0; j <= d; ++j, ++k) {
            const std::size_t i = d - j;
            v[k] = pa[i] * pb[j];
            da[k] = i > 0 ? static_cast<double>(i) * pa[i - 1] * pb[j] : 0.0;
            db[k] = j > 0 ? static_cast<double>(j) * pa[i] * pb[j - 1] : 0.0;
        }
    }
}

// Solves m x = r by Gaussian elimination with partial pivoting.
bool solve(std::array<Terms, PupilMapTerms>& m, Terms& r)
{
    constexpr std::size_t n = PupilMapTerms;
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t i = c + 1; i < n; ++i)
            if (std::abs(m[i][c]) > std::abs(m[pivot][c]))
                pivot = i;
        if (std::abs(m[pivot][c]) < 1e-12)
            return false;
        std::swap(m[c], m[pivot]);
        std::swap(r[c], r[pivot]);
        for (std::size_t i = c + 1; i < n; ++i) {
            const double f = m[i][c] / m[c][c];
            for (std::size_t j = c; j < n; ++j)
                m[i][j] -= f * m[c][j];
            r[i] -= f * r[c];
        }
    }
    for (std::size_t c = n; c-- > 0;) {
        for (std::size_t j = c + 1; j < n; ++j)
            r[c] -= m[c][j] * r[j];
        r[c] /= m[c][c];
    }
    return true;
}

} // namespace

bool PupilMap::fit(const std::vector<MapPair>& pairs)
{
    std::array<Terms, PupilMapTerms> normal{};
    Terms rx{}, ry{};
    Terms v, da, db;
    for (const MapPair& p : pairs) {
        monomials(p.a, p.b, v, da, db);
        for (std::size_t i = 0; i < PupilMapTerms; ++i) {
            for (std::size_t j = 0; j < PupilMapTerms; ++j)
                normal[i][j] += v[i] * v[j];
            rx[i] += v[i] * p.x;
            ry[i] += v[i] * p.y;
        }
    }
    auto copy = normal;
    if (!solve(normal, rx) || !solve(copy, ry))
        return false;
    m_x = rx;
    m_y = ry;
    return true;
}

MapValue PupilMap::operator()(double a, double b) const
{
    Terms v, da, db;
    monomials(a, b, v, da, db);
    double x = 0, y = 0, xa = 0, xb = 0, ya = 0, yb = 0;
    for (std::size_t k = 0; k < PupilMapTerms; ++k) {
        x += m_x[k] * v[k];
        y += m_y[k] * v[k];
        xa += m_x[k] * da[k];
        xb += m_x[k] * db[k];
        ya += m_y[k] * da[k];
        yb += m_y[k] * db[k];
    }
    return {x, y, std::abs(xa * yb - xb * ya)};
}

} // namespace monocl
