#include "canvas_image.h"

#include "flood_fill.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace monocl {

namespace {

// Wide integers for the line geometry: differences of two long long
// coordinates and their products must not overflow.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

bool isBlack(QRgb color)
{
    return (color & RGB_MASK) == 0;
}

// The first pixel of a row, for an image already detached by bits().
QRgb* rowOf(uchar* bits, qsizetype stride, int y)
{
    return reinterpret_cast<QRgb*>(bits + y * stride);
}

// floor and ceil of a long double without the x87 control word, which
// std::floor and std::ceil switch twice a call. Below 2^63 in magnitude,
// adding 2^63 and taking it away again rounds to the nearest integer, as the
// 64-bit significand has no fraction bits left at that size; a larger value
// is an integer already.
long double nearestInteger(long double v)
{
    constexpr long double Big = 9223372036854775808.0L; // 2^63
    if (v >= 0)
        return v < Big ? (v + Big) - Big : v;
    return v > -Big ? -((-v + Big) - Big) : v;
}

long double floorOf(long double v)
{
    const long double r = nearestInteger(v);
    return r > v ? r - 1 : r;
}

long double ceilOf(long double v)
{
    const long double r = nearestInteger(v);
    return r < v ? r + 1 : r;
}

// A small integer-valued long double as a long long; by way of double, which
// converts without switching the x87 control word either.
long long smallInteger(long double v)
{
    return static_cast<long long>(static_cast<double>(v));
}

// A row of an ellipse's pixel set: the columns [left, right], empty when
// left > right. The ends are clamped to [-2, width + 1], which keeps every
// comparison the rasteriser makes on them right within the surface.
struct Span {
    long long left = 1;
    long long right = 0;
    bool empty() const { return left > right; }
};

// The pixels of the ellipse inscribed in [left, right) x [top, bottom) are
// those whose centres (x + 1/2, y + 1/2) lie in the continuous ellipse that
// fills the rectangle. Each row of that set is one run of columns, and the
// runs shrink monotonically from the middle rows outwards.
class EllipseRows {
public:
    EllipseRows(long long left, long long top, long long right, long long bottom, int width)
        : m_top(top)
        , m_bottom(bottom)
        , m_left(left)
        , m_right(right)
        , m_width(width)
        , m_cx((static_cast<long double>(left) + static_cast<long double>(right)) / 2)
        , m_a((static_cast<long double>(right) - static_cast<long double>(left)) / 2)
        , m_b((static_cast<long double>(bottom) - static_cast<long double>(top)) / 2)
    {
    }

    Span at(long long y) const
    {
        Span span;
        if (y < m_top || y >= m_bottom)
            return span;
        // Distances of the row's centre line from the top and bottom edges;
        // their product is b^2 - dy^2 without cancellation.
        const long double fromTop = (static_cast<long double>(y) - static_cast<long double>(m_top)) + 0.5L;
        const long double toBottom = (static_cast<long double>(m_bottom) - static_cast<long double>(y)) - 0.5L;
        const long double halfWidth = m_a * (std::sqrt(fromTop * toBottom) / m_b);
        long double first = ceilOf(m_cx - halfWidth - 0.5L);
        long double last = floorOf(m_cx + halfWidth - 0.5L);
        first = std::max(first, static_cast<long double>(m_left));
        last = std::min(last, static_cast<long double>(m_right) - 1);
        if (first > last)
            return span;
        const long double lo = -2;
        const long double hi = static_cast<long double>(m_width) + 1;
        span.left = smallInteger(std::clamp(first, lo, hi));
        span.right = smallInteger(std::clamp(last, lo, hi));
        return span;
    }

private:
    long long m_top;
    long long m_bottom;
    long long m_left;
    long long m_right;
    int m_width;
    long double m_cx;
    long double m_a;
    long double m_b;
};

} // namespace

CanvasImage::CanvasImage(QWidget* parent)
    : QWidget(parent)
{
}

void CanvasImage::setBrushColor(const QColor& color)
{
    m_brush = color.rgb();
}

QColor CanvasImage::brushColor() const
{
    return QColor(m_brush);
}

bool CanvasImage::ensureSurface()
{
    if (!m_surface.isNull())
        return true;
    if (width() <= 0 || height() <= 0)
        return false;
    m_surface = QImage(width(), height(), QImage::Format_RGB32);
    m_surface.fill(White);
    m_surfaceWidth = m_surface.width();
    m_blackRuns.reset(m_surface.width(), m_surface.height(), false);
    m_plain = true;
    m_plainColor = White;
    updateOpaque();
    return true;
}

void CanvasImage::paintSpan(QRgb* line, int y, long long x1, long long x2, QRgb color)
{
    const long long from = std::max(x1, 0LL);
    const long long to = std::min(x2, static_cast<long long>(m_surfaceWidth) - 1);
    if (from > to)
        return;
    const bool black = isBlack(color);
    if (!black && m_plain && color == m_plainColor && fillsByRuns()) {
        // The span has that colour already, but for its black runs.
        for (const BlackRuns::Run& run : m_blackRuns.runsOf(y)) {
            if (run.left > to)
                break;
            if (run.right >= from)
                std::fill(line + std::max<long long>(run.left, from),
                          line + std::min<long long>(run.right, to) + 1, color);
        }
    } else {
        std::fill(line + from, line + to + 1, color);
        if (!black)
            m_plain = m_plain && color == m_plainColor;
    }
    m_blackRuns.paint(y, static_cast<int>(from), static_cast<int>(to), black);
}

void CanvasImage::fillRect(long long x1, long long y1, long long x2, long long y2)
{
    if (!ensureSurface() || x1 >= x2 || y1 >= y2)
        return;
    const int w = m_surface.width();
    const int h = m_surface.height();
    // A fill of the whole surface starts the black runs afresh, even after
    // they had run out of room.
    if (x1 <= 0 && y1 <= 0 && x2 >= w && y2 >= h) {
        m_blackRuns.reset(w, h, isBlack(m_brush));
        // Painted whole below, so no pixel is skipped as already right.
        m_plain = false;
    }
    uchar* const bits = m_surface.bits();
    const qsizetype stride = m_surface.bytesPerLine();
    const long long top = std::max(y1, 0LL);
    const long long bottom = std::min(y2, static_cast<long long>(h));
    for (long long y = top; y < bottom; ++y) {
        const int yi = static_cast<int>(y);
        paintSpan(rowOf(bits, stride, yi), yi, x1, x2 - 1, m_brush);
    }
    if (x1 <= 0 && y1 <= 0 && x2 >= w && y2 >= h) {
        m_plain = !isBlack(m_brush);
        m_plainColor = m_brush;
    }
    update();
}

void CanvasImage::ellipse(long long left, long long top, long long right, long long bottom)
{
    if (!ensureSurface())
        return;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (left == right || top == bottom)
        return;

    uchar* const bits = m_surface.bits();
    const qsizetype stride = m_surface.bytesPerLine();
    const EllipseRows rows(left, top, right, bottom, m_surface.width());
    const long long first = std::max(top, 0LL);
    const long long last = std::min(bottom - 1, static_cast<long long>(m_surface.height()) - 1);
    Span above = rows.at(first - 1);
    Span here = rows.at(first);
    for (long long y = first; y <= last; ++y) {
        const Span below = rows.at(y + 1);
        if (!here.empty()) {
            // A pixel of the set is on the outline when one of its four
            // neighbours is outside the set. That inner boundary is an
            // 8-connected ring which no 4-connected path crosses.
            long long innerLeft = here.left + 1;
            long long innerRight = here.right - 1;
            if (above.empty() || below.empty()) {
                innerRight = innerLeft - 1;
            } else {
                innerLeft = std::max({innerLeft, above.left, below.left});
                innerRight = std::min({innerRight, above.right, below.right});
            }
            const int yi = static_cast<int>(y);
            QRgb* const line = rowOf(bits, stride, yi);
            if (innerLeft > innerRight) {
                paintSpan(line, yi, here.left, here.right, Black);
            } else {
                paintSpan(line, yi, here.left, innerLeft - 1, Black);
                paintSpan(line, yi, innerLeft, innerRight, m_brush);
                paintSpan(line, yi, innerRight + 1, here.right, Black);
            }
        }
        above = here;
        here = below;
    }
    update();
}

void CanvasImage::moveTo(long long x, long long y)
{
    m_penX = x;
    m_penY = y;
}

void CanvasImage::lineTo(long long x, long long y)
{
    const long long startX = m_penX;
    const long long startY = m_penY;
    m_penX = x;
    m_penY = y;
    if (!ensureSurface())
        return;

    const Wide dx = static_cast<Wide>(x) - startX;
    const Wide dy = static_cast<Wide>(y) - startY;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    // Steps along the major axis, from 0 to steps - 1 (the end point is not
    // drawn); the minor coordinate is the rounded exact one.
    const Wide majorDelta = xMajor ? dx : dy;
    const Wide minorDelta = xMajor ? dy : dx;
    const Wide majorStart = xMajor ? startX : startY;
    const Wide minorStart = xMajor ? startY : startX;
    const int majorSign = majorDelta < 0 ? -1 : 1;
    const int minorSign = minorDelta < 0 ? -1 : 1;
    const UWide steps = static_cast<UWide>(majorDelta < 0 ? -majorDelta : majorDelta);
    const UWide minorSteps = static_cast<UWide>(minorDelta < 0 ? -minorDelta : minorDelta);
    if (steps == 0)
        return;

    const Wide majorSize = xMajor ? m_surface.width() : m_surface.height();
    const Wide minorSize = xMajor ? m_surface.height() : m_surface.width();
    // The steps whose major coordinate is on the surface.
    Wide firstStep = majorSign > 0 ? -majorStart : majorStart - (majorSize - 1);
    Wide lastStep = majorSign > 0 ? (majorSize - 1) - majorStart : majorStart;
    firstStep = std::max<Wide>(firstStep, 0);
    lastStep = std::min<Wide>(lastStep, static_cast<Wide>(steps) - 1);
    uchar* const bits = m_surface.bits();
    const qsizetype stride = m_surface.bytesPerLine();
    for (Wide i = firstStep; i <= lastStep; ++i) {
        const UWide product = static_cast<UWide>(i) * minorSteps;
        UWide offset = product / steps;
        if (2 * (product % steps) >= steps)
            ++offset;
        const Wide minor = minorStart + minorSign * static_cast<Wide>(offset);
        if (minor < 0 || minor >= minorSize)
            continue;
        const Wide major = majorStart + majorSign * i;
        const int px = static_cast<int>(xMajor ? major : minor);
        const int py = static_cast<int>(xMajor ? minor : major);
        paintSpan(rowOf(bits, stride, py), py, px, px, Black);
    }
    update();
}

void CanvasImage::floodFill(long long x, long long y, const QColor& border)
{
    if (!ensureSurface())
        return;
    if (x < 0 || y < 0 || x >= m_surface.width() || y >= m_surface.height())
        return;
    const QRgb stop = border.rgb() & RGB_MASK;
    const int sx = static_cast<int>(x);
    const int sy = static_cast<int>(y);
    if (stop == 0 && fillsByRuns()) {
        uchar* const bits = m_surface.bits();
        const qsizetype stride = m_surface.bytesPerLine();
        for (const BlackRuns::Span& span : m_blackRuns.regionAt(sx, sy))
            paintSpan(rowOf(bits, stride, span.row), span.row, span.left, span.right, m_brush);
    } else {
        floodFillPixels(sx, sy, stop);
        // The black pixels stay as they were only when black was the border
        // and the brush is another colour.
        if (stop != 0 || isBlack(m_brush))
            m_blackRuns.invalidate();
        if (m_brush != m_plainColor)
            m_plain = false;
    }
    update();
}

void CanvasImage::floodFillPixels(int x, int y, QRgb stop)
{
    floodFillImage(m_surface, x, y, stop, m_brush);
}

// While the surface covers the whole widget, a repaint of the widget need not
// repaint the parents under it first.
void CanvasImage::updateOpaque()
{
    setAttribute(Qt::WA_OpaquePaintEvent,
                 !m_surface.isNull() && m_surface.width() >= width() && m_surface.height() >= height());
}

void CanvasImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateOpaque();
}

void CanvasImage::setHeight(int height)
{
    resize(width(), height);
}

void CanvasImage::paintEvent(QPaintEvent* event)
{
    if (m_surface.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_surface, event->rect());
}

} // namespace monocl
