#pragma once

// The frame of a plot: the scale of an axis with round ticks, a light grid,
// the numbers and the units, the title, and texts laid out once and kept.
// For the ray check's pictures and the image tab's curves.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <utility>
#include <vector>

class QPainter;

namespace monocl::plot {

constexpr int TickFont = 10;
constexpr int TitleHeight = 15;

bool finite(double v);

// An axis over lo..hi with ticks at the multiples of a round step inside it.
struct Scale {
    double lo = 0, hi = 1, step = 0.2;
    int decimals = 1;
};

Scale scaleOver(double lo, double hi, int ticks);

// The range of values with a small margin, and zero in it where asked.
std::pair<double, double> rangeOf(double lo, double hi, bool withZero, double floor = 1e-3);

void setPixelFont(QPainter& p, int pixels, bool bold = false);

// Draws a text in the painter's font aligned in box, laid out once.
void drawKept(QPainter& p, const QRectF& box, Qt::Alignment align, const QString& text);

// A title over the width of its area, smaller where it would not fit.
void drawTitle(QPainter& p, const QRectF& area, const QString& title);

struct Plot {
    QRectF inner;
    Scale x, y;
    QPointF at(double vx, double vy) const
    {
        return {inner.left() + (vx - x.lo) / (x.hi - x.lo) * inner.width(),
                inner.bottom() - (vy - y.lo) / (y.hi - y.lo) * inner.height()};
    }
};

// The frame of a plot: a light grid at the ticks, the numbers under the x
// axis (at the edges too unless edgeNumbers is false) and left of the y axis
// (when yNumbers), the units at the ends of the axes.
void drawFrame(QPainter& p, const Plot& plot, const QString& xUnit, const QString& yUnit, char separator,
               bool yNumbers = true, bool edgeNumbers = true);

// The inner rectangle of a plot in its area: room for the title above, the
// y numbers left and the x numbers and unit below.
QRectF innerOf(const QRectF& area, double left = 38);

// A polyline through the points that are there, broken where one is not.
QPainterPath curve(const std::vector<QPointF>& points, const std::vector<bool>& there);

} // namespace monocl::plot
