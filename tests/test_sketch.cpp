#include "errors/errors.h"
#include "ui/widgets/canvas_image.h"
#include "ui/window/sketch.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>

#include "qt_print.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <utility>

using namespace monocl;

using monocl::CanvasImage;
using monocl::DrawMeniscusSketch;
using monocl::MathError;
using monocl::SketchFillColor;

namespace {

const QRgb Black = 0x000000;
const QRgb White = 0xFFFFFF;
const QRgb Red = 0xFF0000;
const QRgb Fill = SketchFillColor.rgb() & RGB_MASK;

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & RGB_MASK;
}

QRgb at(const CanvasImage& canvas, int x, int y)
{
    return at(canvas.image(), x, y);
}

// The bounding box of the pixels of one colour; left > right when none.
struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
};

Box boxOf(const QImage& image, QRgb color)
{
    Box box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == color) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

int countOf(const QImage& image, QRgb color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += at(image, x, y) == color;
    return n;
}

// A canvas of the given size, not shown.
struct Canvas {
    explicit Canvas(int w, int h) { widget.resize(w, h); }
    CanvasImage widget;
};

// ---------------------------------------------------------------- surface

TEST(CanvasImage, SurfaceComesWithTheFirstDrawingAndKeepsItsSize)
{
    Canvas c(30, 20);
    c.widget.setBrushColor(Qt::red);
    c.widget.moveTo(3, 3);
    EXPECT_TRUE(c.widget.image().isNull());

    c.widget.resize(40, 25);
    c.widget.fillRect(0, 0, 1, 1);
    ASSERT_FALSE(c.widget.image().isNull());
    EXPECT_EQ(c.widget.image().size(), QSize(40, 25));
    EXPECT_EQ(at(c.widget, 0, 0), Red);
    EXPECT_EQ(at(c.widget, 1, 0), White);
    EXPECT_EQ(at(c.widget, 39, 24), White);

    c.widget.resize(100, 100);
    c.widget.fillRect(0, 0, 1000, 1000);
    EXPECT_EQ(c.widget.image().size(), QSize(40, 25));
    EXPECT_EQ(countOf(c.widget.image(), Red), 40 * 25);
}

TEST(CanvasImage, GrabShowsTheSurfaceAtTheOrigin)
{
    Canvas c(16, 12);
    c.widget.setBrushColor(Qt::red);
    c.widget.fillRect(0, 0, 3, 2);
    c.widget.moveTo(0, 11);
    c.widget.lineTo(16, 11);
    const QImage shown = c.widget.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(16, 12));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(at(shown, x, y), at(c.widget, x, y)) << x << "," << y;
}

TEST(CanvasImage, SetHeightKeepsWidthAndPosition)
{
    QWidget parent;
    CanvasImage canvas(&parent);
    canvas.setGeometry(7, 9, 235, 237);
    canvas.setHeight(120);
    EXPECT_EQ(canvas.geometry(), QRect(7, 9, 235, 120));
}

// ---------------------------------------------------------------- fillRect

TEST(CanvasImage, FillRectExcludesRightAndBottomEdges)
{
    Canvas c(20, 20);
    c.widget.setBrushColor(Qt::red);
    c.widget.fillRect(2, 3, 7, 11);
    const Box box = boxOf(c.widget.image(), Red);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 3);
    EXPECT_EQ(box.right, 6);
    EXPECT_EQ(box.bottom, 10);
    EXPECT_EQ(countOf(c.widget.image(), Red), 5 * 8);
}

TEST(CanvasImage, FillRectClipsHugeCoordinates)
{
    Canvas c(20, 10);
    c.widget.setBrushColor(Qt::red);
    c.widget.fillRect(-1000000000000000LL, 4, 1000000000000000LL, LLONG_MAX);
    EXPECT_EQ(countOf(c.widget.image(), Red), 20 * 6);
    c.widget.setBrushColor(Qt::black);
    c.widget.fillRect(LLONG_MIN, LLONG_MIN, 0, LLONG_MAX);
    c.widget.fillRect(20, LLONG_MIN, LLONG_MAX, LLONG_MAX);
    EXPECT_EQ(countOf(c.widget.image(), Black), 0);
}

// ---------------------------------------------------------------- lines

TEST(CanvasImage, LineToExcludesTheEndPointAndMovesThePen)
{
    Canvas c(20, 20);
    c.widget.moveTo(2, 5);
    c.widget.lineTo(10, 5);
    for (int x = 2; x < 10; ++x)
        EXPECT_EQ(at(c.widget, x, 5), Black) << x;
    EXPECT_EQ(at(c.widget, 10, 5), White);
    EXPECT_EQ(at(c.widget, 1, 5), White);
    EXPECT_EQ(countOf(c.widget.image(), Black), 8);

    // The next segment starts where the last one ended.
    c.widget.lineTo(10, 12);
    for (int y = 5; y < 12; ++y)
        EXPECT_EQ(at(c.widget, 10, y), Black) << y;
    EXPECT_EQ(at(c.widget, 10, 12), White);

    // Backwards, too: the start is drawn, the end is not.
    c.widget.moveTo(18, 15);
    c.widget.lineTo(14, 15);
    EXPECT_EQ(at(c.widget, 18, 15), Black);
    EXPECT_EQ(at(c.widget, 15, 15), Black);
    EXPECT_EQ(at(c.widget, 14, 15), White);
}

TEST(CanvasImage, SlantedLineIsEightConnectedAndEndsAtItsTarget)
{
    Canvas c(40, 40);
    c.widget.moveTo(3, 30);
    c.widget.lineTo(37, 8);
    const QImage image = c.widget.image();
    // One pixel per column from 3 to 36, each column's pixel adjacent to the
    // previous one.
    int previous = -1;
    for (int x = 3; x <= 36; ++x) {
        int found = -1, n = 0;
        for (int y = 0; y < 40; ++y)
            if (at(image, x, y) == Black) {
                found = y;
                ++n;
            }
        ASSERT_EQ(n, 1) << x;
        if (previous >= 0) {
            EXPECT_LE(std::abs(found - previous), 1) << x;
        }
        previous = found;
    }
    EXPECT_EQ(at(image, 3, 30), Black);
    EXPECT_EQ(at(image, 37, 8), White);
    EXPECT_EQ(countOf(image, Black), 34);
    // The pixel before the end lies next to it.
    EXPECT_LE(std::abs(previous - 8), 1);
}

TEST(CanvasImage, LinesWithHugeCoordinatesAreClippedAndFast)
{
    Canvas c(50, 30);
    QElapsedTimer timer;
    timer.start();
    c.widget.moveTo(-1000000000000000LL, 10);
    c.widget.lineTo(1000000000000000LL, 10);
    for (int x = 0; x < 50; ++x)
        EXPECT_EQ(at(c.widget, x, 10), Black) << x;
    EXPECT_EQ(countOf(c.widget.image(), Black), 50);

    // Steep: every row of the surface gets one pixel, in column 5 or 6.
    c.widget.moveTo(5, -1000000000000000LL);
    c.widget.lineTo(6, 1000000000000000LL);
    for (int y = 0; y < 30; ++y) {
        if (y == 10)
            continue;
        const int n = (at(c.widget, 5, y) == Black) + (at(c.widget, 6, y) == Black);
        EXPECT_EQ(n, 1) << y;
    }

    // The whole long long range, and a line that misses the surface.
    c.widget.moveTo(LLONG_MIN, LLONG_MIN);
    c.widget.lineTo(LLONG_MAX, LLONG_MAX);
    c.widget.moveTo(LLONG_MAX, LLONG_MIN);
    c.widget.lineTo(LLONG_MIN, LLONG_MAX);
    c.widget.moveTo(-5, -1000000000000000LL);
    c.widget.lineTo(-5, 1000000000000000LL);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(at(c.widget, 20, 20), Black); // on the main diagonal
    EXPECT_EQ(at(c.widget, 45, 29), White);
}

// ---------------------------------------------------------------- ellipses

TEST(CanvasImage, EllipseExcludesRightAndBottomEdges)
{
    Canvas c(30, 30);
    c.widget.setBrushColor(Qt::red);
    c.widget.ellipse(2, 3, 12, 19);
    const Box box = boxOf(c.widget.image(), Black);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 3);
    EXPECT_EQ(box.right, 11);
    EXPECT_EQ(box.bottom, 18);
    // Inside is the brush, outside stays white.
    EXPECT_EQ(at(c.widget, 7, 11), Red);
    EXPECT_EQ(at(c.widget, 2, 3), White);
    EXPECT_EQ(at(c.widget, 11, 18), White);
    // Symmetric about the middle of the rectangle.
    const QImage image = c.widget.image();
    for (int y = 3; y < 19; ++y)
        for (int x = 2; x < 12; ++x) {
            ASSERT_EQ(at(image, x, y), at(image, 13 - x, y)) << x << "," << y;
            ASSERT_EQ(at(image, x, y), at(image, x, 21 - y)) << x << "," << y;
        }
}

TEST(CanvasImage, EllipseWithSwappedEdgesIsTheSame)
{
    Canvas a(30, 30), b(30, 30);
    a.widget.ellipse(4, 5, 25, 17);
    b.widget.ellipse(25, 17, 4, 5);
    EXPECT_EQ(a.widget.image(), b.widget.image());
    Canvas e(10, 10);
    e.widget.ellipse(3, 3, 3, 8);
    EXPECT_EQ(countOf(e.widget.image(), Black), 0);
}

// Fills from outside and from inside an ellipse and checks that neither fill
// crosses the outline.
void expectClosedOutline(long long left, long long top, long long right, long long bottom)
{
    SCOPED_TRACE(testing::Message() << left << "," << top << " " << right << "," << bottom);
    Canvas c(40, 40);
    c.widget.ellipse(left, top, right, bottom);
    const QImage drawn = c.widget.image();
    ASSERT_EQ(at(drawn, 0, 0), White);
    c.widget.setBrushColor(Qt::red);
    c.widget.floodFill(0, 0, Qt::black);
    const QImage filled = c.widget.image();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            // Exactly the pixels outside the ellipse turn red: test each
            // pixel of the original against the inside/outside rule.
            const bool inside = std::pow((x + 0.5 - (left + right) / 2.0) / ((right - left) / 2.0), 2)
                    + std::pow((y + 0.5 - (top + bottom) / 2.0) / ((bottom - top) / 2.0), 2)
                <= 1.0;
            if (inside)
                ASSERT_NE(at(filled, x, y), Red) << x << "," << y;
            else
                ASSERT_EQ(at(filled, x, y), Red) << x << "," << y;
        }
}

TEST(CanvasImage, EllipseOutlineHoldsAFourConnectedFill)
{
    expectClosedOutline(5, 5, 35, 35);
    expectClosedOutline(5, 5, 36, 34);
    expectClosedOutline(3, 18, 38, 22);   // flat
    expectClosedOutline(19, 2, 21, 38);   // two pixels wide
    expectClosedOutline(20, 2, 21, 38);   // one pixel wide
    expectClosedOutline(4, 10, 37, 11);   // one pixel high
    expectClosedOutline(10, 10, 13, 13);  // tiny
    expectClosedOutline(-60, 15, 30, 60); // partly beyond the surface
    expectClosedOutline(6, 7, 33, 31);
}

TEST(CanvasImage, HugeArcCrossingTheSurface)
{
    Canvas c(235, 235);
    QElapsedTimer timer;
    timer.start();
    c.widget.ellipse(-1170, -532, 127, 766);
    EXPECT_LT(timer.elapsed(), 200);
    // The right arc: on the middle row (the ellipse's centre row) it stands at
    // the last column of the rectangle.
    EXPECT_EQ(at(c.widget, 126, 117), Black);
    EXPECT_EQ(at(c.widget, 127, 117), White);
    EXPECT_EQ(at(c.widget, 125, 117), White);
    // Every row has its arc pixels; nothing to the right of them.
    for (int y = 0; y < 235; ++y) {
        int last = -1;
        for (int x = 0; x < 235; ++x)
            if (at(c.widget, x, y) == Black)
                last = x;
        EXPECT_GE(last, 100) << y;
        EXPECT_LE(last, 126) << y;
    }
    c.widget.setBrushColor(Qt::red);
    c.widget.floodFill(200, 117, Qt::black);
    EXPECT_EQ(at(c.widget, 200, 0), Red);
    EXPECT_EQ(at(c.widget, 100, 117), White);
    EXPECT_EQ(at(c.widget, 0, 0), White);
}

TEST(CanvasImage, EllipsesBeyondAnyScale)
{
    Canvas c(20, 20);
    c.widget.setBrushColor(Qt::red);
    QElapsedTimer timer;
    timer.start();
    // The surface lies well inside: all brush, no outline.
    c.widget.ellipse(LLONG_MIN, LLONG_MIN, LLONG_MAX, LLONG_MAX);
    EXPECT_EQ(countOf(c.widget.image(), Red), 400);
    // Far away: nothing.
    c.widget.setBrushColor(Qt::white);
    c.widget.fillRect(0, 0, 20, 20);
    c.widget.ellipse(1000000000000000LL, 5, 1000000000000010LL, 15);
    c.widget.ellipse(-1000000000000000LL, -1000000000000000LL, -999999999999990LL, 1000000000000000LL);
    EXPECT_EQ(countOf(c.widget.image(), White), 400);
    // An arc of a 1e15 circle crossing the surface: one black pixel a row.
    c.widget.ellipse(-2000000000000000LL + 10, -1000000000000000LL + 10, 10, 1000000000000000LL + 10);
    for (int y = 0; y < 20; ++y) {
        int n = 0;
        for (int x = 0; x < 20; ++x)
            n += at(c.widget, x, y) == Black;
        EXPECT_EQ(n, 1) << y;
    }
    EXPECT_EQ(at(c.widget, 9, 10), Black);
    EXPECT_LT(timer.elapsed(), 500);
}

// ---------------------------------------------------------------- flood fill

TEST(CanvasImage, FloodFillIsFourConnected)
{
    // A diagonal one-pixel line has only corner contacts between its pixels;
    // a 4-connected fill must not pass it.
    Canvas c(20, 20);
    c.widget.moveTo(0, 0);
    c.widget.lineTo(20, 20);
    c.widget.setBrushColor(Qt::red);
    c.widget.floodFill(15, 2, Qt::black);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const QRgb expected = x == y ? Black : (x > y ? Red : White);
            ASSERT_EQ(at(c.widget, x, y), expected) << x << "," << y;
        }
}

TEST(CanvasImage, FloodFillFollowsCorridorsAndFillsOtherColours)
{
    // A closed inner box inside an outer one that has a gap in its left wall;
    // a blue patch inside the inner box is no border.
    Canvas c(20, 20);
    c.widget.moveTo(2, 2);
    c.widget.lineTo(17, 2);
    c.widget.lineTo(17, 17);
    c.widget.lineTo(2, 17);
    c.widget.lineTo(2, 6);
    c.widget.moveTo(5, 5);
    c.widget.lineTo(14, 5);
    c.widget.lineTo(14, 14);
    c.widget.lineTo(5, 14);
    c.widget.lineTo(5, 4);
    c.widget.setBrushColor(Qt::blue);
    c.widget.fillRect(8, 8, 10, 10);
    c.widget.setBrushColor(Qt::red);
    c.widget.floodFill(3, 3, Qt::black);
    EXPECT_EQ(at(c.widget, 16, 16), Red); // between the walls, round the corner
    EXPECT_EQ(at(c.widget, 0, 0), Red);   // out through the gap at (2, 3..6)
    EXPECT_EQ(at(c.widget, 9, 9), 0x0000FFu); // the shut inner box is untouched
    EXPECT_EQ(at(c.widget, 7, 7), White);

    c.widget.floodFill(7, 7, Qt::black);
    EXPECT_EQ(at(c.widget, 9, 9), Red); // a colour that is not the border is filled
    EXPECT_EQ(at(c.widget, 6, 12), Red);
}

TEST(CanvasImage, FloodFillSeedOnBorderOrOutsideFillsNothing)
{
    Canvas c(20, 20);
    c.widget.moveTo(0, 10);
    c.widget.lineTo(20, 10);
    const QImage before = c.widget.image();
    c.widget.setBrushColor(Qt::red);
    c.widget.floodFill(5, 10, Qt::black);
    c.widget.floodFill(-1, 3, Qt::black);
    c.widget.floodFill(20, 3, Qt::black);
    c.widget.floodFill(3, LLONG_MAX, Qt::black);
    EXPECT_EQ(c.widget.image(), before);
    // Filling with the colour the region already has ends, too.
    c.widget.setBrushColor(Qt::white);
    c.widget.floodFill(3, 3, Qt::black);
    EXPECT_EQ(c.widget.image(), before);
}

// ---------------------------------------------------------------- sketch

struct Design {
    double Dm, R1, R2, FrontSag, RearSag, RearShift;
};

Design design(double Dm, double R1, double R2, double edgeRatio)
{
    Design d{Dm, R1, R2, 0, 0, 0};
    d.FrontSag = R1 + std::sqrt(R1 * R1 - (Dm / 2) * (Dm / 2));
    d.RearSag = R2 + std::sqrt(R2 * R2 - (Dm / 2) * (Dm / 2));
    d.RearShift = d.RearSag - Dm / edgeRatio;
    return d;
}

void draw(CanvasImage& canvas, const Design& d, std::int32_t failed = 0)
{
    DrawMeniscusSketch(canvas, d.R1, d.R2, d.Dm, d.FrontSag, d.RearSag, d.RearShift, failed);
}

const Design ExampleA = design(0.021, -0.031, -0.058, 6);
const Design StartDesign = design(0.014534, -0.020402, -0.012351, 5);

// A rim row: black from `from` to one of the allowed last columns, white to
// the right of it. To the left only the front arc may touch the rim start;
// further left lies the white inside of the front circle.
void expectRim(const QImage& image, int y, int from, std::set<int> lastAllowed)
{
    SCOPED_TRACE(testing::Message() << "rim row " << y);
    for (int k = 0; k < from - 1; ++k)
        ASSERT_EQ(at(image, k, y), White) << k;
    int x = from;
    while (x < image.width() && at(image, x, y) == Black)
        ++x;
    EXPECT_TRUE(lastAllowed.count(x - 1)) << "last black " << x - 1;
    for (int k = x; k < image.width(); ++k)
        ASSERT_EQ(at(image, k, y), White) << k;
}

TEST(MeniscusSketch, ExampleA)
{
    Canvas c(235, 237);
    draw(c.widget, ExampleA);
    const QImage image = c.widget.image();
    ASSERT_EQ(image.size(), QSize(235, 235));

    // The rims: black from 57 to 116, white on either side.
    expectRim(image, 0, 57, {116});
    expectRim(image, 234, 57, {116});
    // The front circle's centre lies half a pixel above the middle row, so
    // its arc reaches the rim start on the top row and ends one column left
    // of it on the bottom row.
    EXPECT_EQ(at(image, 56, 0), White);
    EXPECT_EQ(at(image, 56, 234), Black);
    // The axis row: white inside the front circle, the front vertex, the
    // glass, the rear vertex, white beyond.
    EXPECT_EQ(at(image, 76, 117), White);
    EXPECT_EQ(at(image, 77, 117), Black);
    EXPECT_EQ(at(image, 80, 117), Fill); // the seed
    for (int x = 78; x <= 125; ++x)
        EXPECT_EQ(at(image, x, 117), Fill) << x;
    EXPECT_EQ(at(image, 126, 117), Black);
    for (int x = 127; x < 235; ++x)
        ASSERT_EQ(at(image, x, 117), White) << x;
    // Glass near the rims, between the arcs.
    EXPECT_EQ(at(image, 90, 3), Fill);
    EXPECT_EQ(at(image, 90, 231), Fill);
    // White all round.
    EXPECT_EQ(at(image, 10, 117), White);
    EXPECT_EQ(at(image, 0, 0), White);
    EXPECT_EQ(at(image, 234, 0), White);
    EXPECT_EQ(at(image, 0, 234), White);
    EXPECT_EQ(at(image, 234, 234), White);
    EXPECT_EQ(at(image, 200, 20), White);
    // The only colours are black, white and the fill; the glass is one
    // region that lies between the rim ends.
    const Box glass = boxOf(image, Fill);
    EXPECT_GE(glass.left, 57);
    EXPECT_LE(glass.right, 125);
    EXPECT_EQ(glass.top, 1);
    EXPECT_EQ(glass.bottom, 233);
    EXPECT_EQ(countOf(image, Black) + countOf(image, White) + countOf(image, Fill), 235 * 235);
}

TEST(MeniscusSketch, StartDesign)
{
    Canvas c(235, 237);
    draw(c.widget, StartDesign);
    const QImage image = c.widget.image();
    ASSERT_EQ(image.size(), QSize(235, 235));

    expectRim(image, 0, 56, {123, 124});
    expectRim(image, 234, 56, {123, 124});
    EXPECT_EQ(at(image, 76, 117), White);
    EXPECT_EQ(at(image, 77, 117), Black); // front vertex
    EXPECT_EQ(at(image, 80, 117), Fill);
    for (int x = 78; x <= 161; ++x)
        EXPECT_EQ(at(image, x, 117), Fill) << x;
    EXPECT_EQ(at(image, 162, 117), Black); // rear vertex
    for (int x = 163; x < 235; ++x)
        ASSERT_EQ(at(image, x, 117), White) << x;
    EXPECT_EQ(at(image, 100, 5), Fill);
    EXPECT_EQ(at(image, 100, 229), Fill);
    EXPECT_EQ(at(image, 20, 117), White);
    EXPECT_EQ(at(image, 0, 0), White);
    EXPECT_EQ(at(image, 234, 234), White);
    EXPECT_EQ(at(image, 140, 2), White); // right of the rear arc near the rim
    EXPECT_EQ(countOf(image, Black) + countOf(image, White) + countOf(image, Fill), 235 * 235);
}

TEST(MeniscusSketch, FailedDesignStillSquaresTheWidgetButDrawsNothing)
{
    Canvas c(235, 237);
    draw(c.widget, ExampleA, 1);
    EXPECT_EQ(c.widget.size(), QSize(235, 235));
    EXPECT_TRUE(c.widget.image().isNull());
}

TEST(MeniscusSketch, FailedDesignKeepsTheEarlierPicture)
{
    Canvas c(235, 237);
    draw(c.widget, ExampleA);
    const QImage before = c.widget.image();
    draw(c.widget, StartDesign, 1);
    EXPECT_EQ(c.widget.image(), before);
    draw(c.widget, StartDesign);
    EXPECT_NE(c.widget.image(), before);
    // A new drawing wipes whatever was there.
    Canvas fresh(235, 235);
    draw(fresh.widget, StartDesign);
    EXPECT_EQ(c.widget.image(), fresh.widget.image());
    c.widget.setBrushColor(Qt::red);
    c.widget.fillRect(0, 0, 235, 235);
    draw(c.widget, StartDesign);
    EXPECT_EQ(c.widget.image(), fresh.widget.image());
}

TEST(MeniscusSketch, ZeroDiameterIsADivisionByZero)
{
    for (const std::int32_t failed : {0, 1}) {
        Canvas c(235, 235);
        try {
            DrawMeniscusSketch(c.widget, -0.031, -0.058, 0.0, 0, 0, 0, failed);
            FAIL() << "no exception";
        } catch (const MathError& e) {
            EXPECT_EQ(e.kind(), MathError::Kind::DivisionByZero);
            EXPECT_STREQ(e.what(), "Floating point division by zero");
        }
        EXPECT_TRUE(c.widget.image().isNull());
    }
}

TEST(MeniscusSketch, HugeScaleFinishesFast)
{
    Canvas c(235, 235);
    QElapsedTimer timer;
    timer.start();
    draw(c.widget, design(1e-9, -0.031, -0.058, 6));
    draw(c.widget, design(1e-15, -0.031, -0.058, 6));
    draw(c.widget, Design{1e-12, 1e6, -1e6, -3e5, 2e5, 7e5}); // nonsense, far out
    EXPECT_LT(timer.elapsed(), 1000);
    ASSERT_EQ(c.widget.image().size(), QSize(235, 235));
}

// The glass region of the sketch, filled by hand from other seeds.
TEST(MeniscusSketch, FillFromOtherSeeds)
{
    Canvas c(235, 235);
    draw(c.widget, ExampleA);
    const QImage sketch = c.widget.image();

    // A seed on the black front vertex fills nothing.
    c.widget.setBrushColor(Qt::red);
    c.widget.floodFill(77, 117, Qt::black);
    EXPECT_EQ(c.widget.image(), sketch);

    // A seed right of the rear arc fills the white region beyond it, and only
    // that: the glass and the region inside the front circle stay as they are.
    c.widget.floodFill(180, 117, Qt::black);
    const QImage after = c.widget.image();
    EXPECT_EQ(at(after, 127, 117), Red);
    EXPECT_EQ(at(after, 234, 0), Red);
    EXPECT_EQ(at(after, 117, 0), Red); // just past the rim's end
    EXPECT_EQ(at(after, 100, 117), Fill);
    EXPECT_EQ(at(after, 10, 117), White);
    EXPECT_EQ(countOf(after, Fill), countOf(sketch, Fill));
}

} // namespace
