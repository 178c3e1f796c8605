// The canvas fills a region bounded by black from its record of black runs,
// and skips painting pixels that the record shows to have the colour already.
// These tests hold it against a canvas that paints every pixel and fills by
// pixels, pixel by pixel:
// on the sketch over a grid of designs and random ones, and on random
// drawings of every operation.
#include "ui/widgets/black_runs.h"
#include "ui/widgets/canvas_image.h"
#include "ui/window/sketch.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace monocl;

namespace {

// "same", or where and how two images first differ.
std::string difference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & RGB_MASK) != (b.pixel(x, y) & RGB_MASK))
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + ": "
                    + std::to_string(a.pixel(x, y) & RGB_MASK) + " against "
                    + std::to_string(b.pixel(x, y) & RGB_MASK);
    return "same";
}

int countOf(const QImage& image, QRgb color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & RGB_MASK) == color;
    return n;
}

const QRgb Fill = SketchFillColor.rgb() & RGB_MASK;

struct Sketch {
    double R1, R2, Dm, FrontSag, RearSag, RearShift;
};

// The sketch drawn twice, filled by runs and by pixels; the two must agree.
// Returns how many pixels the fill coloured, so that a caller can tell that
// the designs do exercise the fill.
int expectSameFill(const Sketch& s, int size)
{
    SCOPED_TRACE(testing::Message() << "R1 " << s.R1 << " R2 " << s.R2 << " Dm " << s.Dm
                                    << " sags " << s.FrontSag << "," << s.RearSag << " shift "
                                    << s.RearShift << " size " << size);
    CanvasImage byRuns;
    CanvasImage byPixels;
    byRuns.resize(size, size + 2);
    byPixels.resize(size, size + 2);
    byPixels.setUseBlackRuns(false);
    DrawMeniscusSketch(byRuns, s.R1, s.R2, s.Dm, s.FrontSag, s.RearSag, s.RearShift, 0);
    DrawMeniscusSketch(byPixels, s.R1, s.R2, s.Dm, s.FrontSag, s.RearSag, s.RearShift, 0);
    // The sketch's drawing never runs out of runs, so its fill did walk them.
    EXPECT_TRUE(byRuns.fillsByRuns());
    EXPECT_FALSE(byPixels.fillsByRuns());
    EXPECT_EQ(difference(byRuns.image(), byPixels.image()), "same");
    return countOf(byPixels.image(), Fill);
}

Sketch designed(double Dm, double R1, double R2, double edgeRatio)
{
    Sketch s{R1, R2, Dm, 0, 0, 0};
    s.FrontSag = R1 + std::sqrt(R1 * R1 - (Dm / 2) * (Dm / 2));
    s.RearSag = R2 + std::sqrt(R2 * R2 - (Dm / 2) * (Dm / 2));
    s.RearShift = s.RearSag - Dm / edgeRatio;
    return s;
}

TEST(FillByRuns, SketchOverAGridOfDesigns)
{
    int designs = 0;
    int filledDesigns = 0;
    for (const double Dm : {0.006, 0.0145, 0.021, 0.04})
        for (const double r1 : {-0.52, -0.6, -0.8, -1.0, -1.5, -3.0, -10.0})
            for (const double r2 : {-0.5, -0.55, -0.7, -1.0, -2.0, -5.0, -50.0})
                for (const double edgeRatio : {3.0, 6.0, 15.0}) {
                    const Sketch s = designed(Dm, r1 * Dm, r2 * Dm, edgeRatio);
                    for (const int size : {235, 97}) {
                        ++designs;
                        filledDesigns += expectSameFill(s, size) > 0;
                        if (HasFailure())
                            return;
                    }
                }
    // Most designs have glass to fill.
    EXPECT_GT(filledDesigns, designs / 2);
}

TEST(FillByRuns, SketchOverRandomInputs)
{
    // Anything the window may hand over: designs near the grid, and lengths
    // that fit no lens, whose fill may leak into the white around it.
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> sizes(20, 260);
    int filled = 0;
    int leaked = 0;
    for (int i = 0; i < 600; ++i) {
        const double Dm = 0.005 + 0.03 * std::abs(unit(rng));
        Sketch s;
        if (i % 2 == 0) {
            const double r1 = -Dm * (0.5 + 4 * std::abs(unit(rng)));
            const double r2 = -Dm * (0.5 + 4 * std::abs(unit(rng)));
            s = designed(Dm, r1, r2, 2 + 20 * std::abs(unit(rng)));
        } else {
            s = Sketch{Dm * 3 * unit(rng), Dm * 3 * unit(rng), Dm,           Dm * unit(rng),
                       Dm * unit(rng),     Dm * unit(rng)};
        }
        const int size = i % 3 == 0 ? 235 : sizes(rng);
        const int n = expectSameFill(s, size);
        filled += n > 0;
        leaked += n > size * size / 2;
        if (HasFailure())
            return;
    }
    EXPECT_GT(filled, 300);
    EXPECT_GT(leaked, 0);
}

// A canvas drawn at random by every operation, twice over, and then filled
// by runs and by pixels from random seeds.
struct TwinCanvases {
    explicit TwinCanvases(int w, int h)
    {
        byRuns.resize(w, h);
        byPixels.resize(w, h);
        byPixels.setUseBlackRuns(false);
    }
    template <class Op>
    void both(Op op)
    {
        op(byRuns);
        op(byPixels);
    }
    CanvasImage byRuns;
    CanvasImage byPixels;
};

TEST(FillByRuns, RandomDrawingsOfEveryOperation)
{
    std::mt19937 rng(7);
    const QColor colors[] = {Qt::black, Qt::white, Qt::red, QColor(220, 220, 250), Qt::black};
    int byRunsFills = 0;
    for (int scene = 0; scene < 300; ++scene) {
        SCOPED_TRACE(testing::Message() << "scene " << scene);
        const int w = std::uniform_int_distribution<int>(1, 70)(rng);
        const int h = std::uniform_int_distribution<int>(1, 70)(rng);
        TwinCanvases c(w, h);
        std::uniform_int_distribution<long long> xs(-20, w + 20);
        std::uniform_int_distribution<long long> ys(-20, h + 20);
        std::uniform_int_distribution<int> pick(0, 99);
        const int ops = std::uniform_int_distribution<int>(1, 40)(rng);
        for (int op = 0; op < ops; ++op) {
            const int kind = pick(rng);
            const QColor color = colors[pick(rng) % 5];
            const long long x1 = xs(rng), y1 = ys(rng), x2 = xs(rng), y2 = ys(rng);
            const long long sx = xs(rng) % (w + 1), sy = ys(rng) % (h + 1);
            if (kind < 35) {
                c.both([&](CanvasImage& k) {
                    k.setBrushColor(color);
                    k.ellipse(x1, y1, x2, y2);
                });
            } else if (kind < 50) {
                c.both([&](CanvasImage& k) {
                    k.setBrushColor(color);
                    k.fillRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
                });
            } else if (kind < 65) {
                // Horizontal ones as often as the others.
                const long long ty = kind < 58 ? y1 : y2;
                c.both([&](CanvasImage& k) {
                    k.moveTo(x1, y1);
                    k.lineTo(x2, ty);
                });
            } else if (kind < 70) {
                c.both([&](CanvasImage& k) {
                    k.setBrushColor(Qt::white);
                    k.fillRect(LLONG_MIN, LLONG_MIN, LLONG_MAX, LLONG_MAX);
                });
            } else {
                // A fill, against black mostly; another border makes the
                // runs fill give way to the pixels until the next whole fill.
                const QColor border = kind < 95 ? QColor(Qt::black) : QColor(Qt::red);
                byRunsFills += border == Qt::black && c.byRuns.fillsByRuns();
                c.both([&](CanvasImage& k) {
                    k.setBrushColor(color);
                    k.floodFill(sx, sy, border);
                });
            }
            ASSERT_EQ(difference(c.byRuns.image(), c.byPixels.image()), "same") << "after op " << op;
        }
    }
    EXPECT_GT(byRunsFills, 500);
}

TEST(FillByRuns, ARowOutOfRoomFallsBackToThePixels)
{
    // More separate black columns in a row than its runs have room for.
    TwinCanvases c(60, 20);
    for (int x = 2; x < 2 + 2 * (BlackRuns::RowCapacity + 2); x += 2)
        c.both([&](CanvasImage& k) {
            k.moveTo(x, 0);
            k.lineTo(x, 20);
        });
    EXPECT_FALSE(c.byRuns.fillsByRuns());
    c.both([&](CanvasImage& k) {
        k.setBrushColor(Qt::red);
        k.floodFill(3, 5, Qt::black);
    });
    EXPECT_EQ(difference(c.byRuns.image(), c.byPixels.image()), "same");
    EXPECT_EQ(countOf(c.byRuns.image(), 0xFF0000), 20);

    // A fill of the whole surface makes the runs whole again.
    c.both([&](CanvasImage& k) {
        k.setBrushColor(Qt::white);
        k.fillRect(0, 0, 60, 20);
        k.ellipse(5, 5, 40, 18);
        k.setBrushColor(Qt::red);
    });
    EXPECT_TRUE(c.byRuns.fillsByRuns());
    c.both([&](CanvasImage& k) { k.floodFill(0, 0, Qt::black); });
    EXPECT_EQ(difference(c.byRuns.image(), c.byPixels.image()), "same");
}

// ---------------------------------------------------------------- the record

std::vector<std::pair<int, int>> spansOfRow(BlackRuns& runs, int row, int width)
{
    // Each non-black pixel's region, seen from the row: the row's gaps.
    std::vector<std::pair<int, int>> gaps;
    for (int x = 0; x < width; ++x) {
        bool known = false;
        for (const auto& g : gaps)
            known = known || (x >= g.first && x <= g.second);
        if (known)
            continue;
        for (const BlackRuns::Span& s : runs.regionAt(x, row))
            if (s.row == row && s.left <= x && x <= s.right)
                gaps.emplace_back(s.left, s.right);
    }
    return gaps;
}

TEST(BlackRuns, PaintsMergeAndCut)
{
    BlackRuns runs;
    runs.reset(30, 1, false);
    runs.paint(0, 3, 5, true);
    runs.paint(0, 6, 8, true);   // touches: one run 3..8
    runs.paint(0, 12, 14, true);
    runs.paint(0, 20, 29, true);
    using Gaps = std::vector<std::pair<int, int>>;
    EXPECT_EQ(spansOfRow(runs, 0, 30), (Gaps{{0, 2}, {9, 11}, {15, 19}}));
    runs.paint(0, 4, 13, false); // cuts 3..8 and 12..14
    EXPECT_EQ(spansOfRow(runs, 0, 30), (Gaps{{0, 2}, {4, 13}, {15, 19}}));
    runs.paint(0, 0, 29, false);
    EXPECT_EQ(spansOfRow(runs, 0, 30), (Gaps{{0, 29}}));
    runs.paint(0, 0, 29, true);
    EXPECT_TRUE(runs.regionAt(7, 0).empty());
    EXPECT_TRUE(runs.valid());
}

TEST(BlackRuns, RegionIsFourConnected)
{
    // A black diagonal: the pixels on either side touch only at corners
    // across it.
    BlackRuns runs;
    runs.reset(5, 5, false);
    for (int i = 0; i < 5; ++i)
        runs.paint(i, i, i, true);
    int above = 0;
    for (const BlackRuns::Span& s : runs.regionAt(4, 0)) {
        EXPECT_GT(s.left, s.row);
        above += s.right - s.left + 1;
    }
    EXPECT_EQ(above, 10);
}

} // namespace

namespace {

// ---------------------------------------------------------------- ellipse rows

// The row of an ellipse's pixel set by the rule the canvas follows: the
// pixels whose centres lie in the ellipse filling [left, right) x [top,
// bottom), worked in long double with std::ceil and std::floor.
std::pair<long long, long long> referenceRow(long long left, long long top, long long right,
                                             long long bottom, long long y)
{
    using L = long double;
    const L cx = (static_cast<L>(left) + static_cast<L>(right)) / 2;
    const L a = (static_cast<L>(right) - static_cast<L>(left)) / 2;
    const L b = (static_cast<L>(bottom) - static_cast<L>(top)) / 2;
    const L fromTop = (static_cast<L>(y) - static_cast<L>(top)) + 0.5L;
    const L toBottom = (static_cast<L>(bottom) - static_cast<L>(y)) - 0.5L;
    const L halfWidth = a * (std::sqrt(fromTop * toBottom) / b);
    const L first = std::max(std::ceil(cx - halfWidth - 0.5L), static_cast<L>(left));
    const L last = std::min(std::floor(cx + halfWidth - 0.5L), static_cast<L>(right) - 1);
    // Clipped to a surface far narrower than 2^62, so the ends convert.
    const L lo = -1, hi = 1000;
    return {static_cast<long long>(std::clamp(first, lo, hi)),
            static_cast<long long>(std::clamp(last, lo, hi))};
}

TEST(CanvasImage, EllipseRowsFollowTheRuleExactly)
{
    std::mt19937_64 rng(99);
    const int w = 64, h = 48;
    // Small rectangles round the surface, and ones whose edges lie far out,
    // where the centre and the half-width carry fractions that the rounding
    // must not lose.
    const auto coordinate = [&](int size, bool far) -> long long {
        if (!far)
            return std::uniform_int_distribution<long long>(-30, size + 30)(rng);
        const int scale = std::uniform_int_distribution<int>(2, 62)(rng);
        const long long magnitude = std::uniform_int_distribution<long long>(0, (1LL << scale) - 1)(rng);
        return rng() % 2 ? magnitude : -magnitude;
    };
    int rowsSeen = 0;
    for (int i = 0; i < 400; ++i) {
        const bool far = i % 2 == 1;
        long long left = coordinate(w, far && rng() % 2), right = coordinate(w, far && rng() % 2);
        long long top = coordinate(h, far && rng() % 2), bottom = coordinate(h, far && rng() % 2);
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
        if (left == right || top == bottom)
            continue;
        SCOPED_TRACE(testing::Message() << left << "," << top << " " << right << "," << bottom);
        CanvasImage canvas;
        canvas.resize(w, h);
        canvas.setBrushColor(Qt::red);
        canvas.ellipse(left, top, right, bottom);
        const QImage image = canvas.image();
        for (int y = 0; y < h; ++y) {
            long long drawnFirst = -1, drawnLast = -2;
            for (int x = 0; x < w; ++x)
                if ((image.pixel(x, y) & RGB_MASK) != 0xFFFFFF) {
                    if (drawnFirst < 0)
                        drawnFirst = x;
                    drawnLast = x;
                }
            long long first = 0, last = -1;
            if (y >= top && y < bottom) {
                const auto row = referenceRow(left, top, right, bottom, y);
                first = std::max(row.first, 0LL);
                last = std::min(row.second, static_cast<long long>(w) - 1);
            }
            if (first > last) {
                ASSERT_EQ(drawnFirst, -1) << "row " << y;
            } else {
                ++rowsSeen;
                ASSERT_EQ(drawnFirst, first) << "row " << y;
                ASSERT_EQ(drawnLast, last) << "row " << y;
            }
        }
    }
    EXPECT_GT(rowsSeen, 3000);
}

} // namespace
