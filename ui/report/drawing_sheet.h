#pragma once

// The sheet a workshop drawing is drawn on, in paper millimetres, and the
// dimensions drawn on it.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace monocl::drawing {

// ---- Sizes on paper, millimetres ---------------------------------------------------

inline constexpr double OutlineWidth = 0.5;
inline constexpr double ThinWidth = 0.18;
inline constexpr double StopWidth = 0.7;
inline constexpr double ArrowLength = 2.5;
inline constexpr double ArrowHalfWidth = 0.45;
inline constexpr double TextGap = 0.8;      // between a dimension line and its text
inline constexpr double RowGap = 7.0;       // between dimension rows
inline constexpr double ExtensionGap = 0.8; // between a feature and its extension line
inline constexpr double ExtensionOver = 1.5; // of an extension line past its dimension line
inline constexpr double Margin = 2.0;
inline constexpr double DimensionPoints = 9.0;
inline constexpr double NotePoints = 8.0;
// Lengths beyond these are no lens one can draw.
inline constexpr double LargestLength = 1e5;

inline const QColor Ink(0, 0, 0);
inline const QColor GlassFill(226, 230, 246);

// The drawing's lettering, at points on paper.
QFont drawingFont(double points);

enum class HAlign { Left, Centre, Right };

// Drawing coordinates are paper millimetres with y upwards, the front
// vertex at the origin. Each primitive widens the bounds; with a painter it
// is also painted, mapped to the device as (offset.x + x, offset.y - y) * k.
class DrawingSheet
{
public:
    DrawingSheet(QPainter* painter, QPaintDevice* metrics, const QPointF& offset, double unitsPerMm)
        : m_painter(painter), m_metrics(metrics), m_offset(offset), m_k(unitsPerMm)
    {
    }

    QPointF device(const QPointF& p) const
    {
        return {(m_offset.x() + p.x()) * m_k, (m_offset.y() - p.y()) * m_k};
    }
    double k() const { return m_k; }

    void include(const QPointF& p)
    {
        if (!m_bounds) {
            m_bounds = QRectF(p, QSizeF(0, 0));
            return;
        }
        // QRectF::united ignores empty rectangles, so the corners are kept.
        m_bounds->setLeft(std::min(m_bounds->left(), p.x()));
        m_bounds->setRight(std::max(m_bounds->right(), p.x()));
        m_bounds->setTop(std::min(m_bounds->top(), p.y()));
        m_bounds->setBottom(std::max(m_bounds->bottom(), p.y()));
    }
    // In drawing coordinates: top() is the lowest height, bottom() the highest.
    QRectF bounds() const { return m_bounds.value_or(QRectF()); }

    void line(const QPointF& a, const QPointF& b, double width, Qt::PenStyle style = Qt::SolidLine)
    {
        include(a);
        include(b);
        if (!m_painter)
            return;
        QPen pen(Ink, width * m_k, style, Qt::FlatCap, Qt::MiterJoin);
        if (style == Qt::CustomDashLine)
            pen.setDashPattern({12.0 / width, 1.5 / width, 1.0 / width, 1.5 / width});
        m_painter->setPen(pen);
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawLine(device(a), device(b));
    }

    // A path already in device coordinates, and its extent in drawing ones.
    void devicePath(const QPainterPath& path, const QRectF& extent, double width, const QColor& fill)
    {
        include(extent.topLeft());
        include(extent.bottomRight());
        if (!m_painter)
            return;
        m_painter->setPen(QPen(Ink, width * m_k, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        m_painter->setBrush(fill);
        m_painter->drawPath(path);
    }

    // An arrowhead with its tip at tip, pointing along direction.
    void arrow(const QPointF& tip, const QPointF& direction)
    {
        const double length = std::hypot(direction.x(), direction.y());
        if (!(length > 0))
            return;
        const QPointF u = direction / length;
        const QPointF n(-u.y(), u.x());
        const QPointF base = tip - u * ArrowLength;
        const QPointF a = base + n * ArrowHalfWidth;
        const QPointF b = base - n * ArrowHalfWidth;
        include(tip);
        include(a);
        include(b);
        if (!m_painter)
            return;
        QPainterPath path;
        path.moveTo(device(tip));
        path.lineTo(device(a));
        path.lineTo(device(b));
        path.closeSubpath();
        m_painter->setPen(Qt::NoPen);
        m_painter->setBrush(Ink);
        m_painter->drawPath(path);
    }

    double textWidth(const QString& text, double points) const
    {
        return QFontMetricsF(drawingFont(points), m_metrics).horizontalAdvance(text) * mmPerUnit();
    }
    double ascent(double points) const
    {
        return QFontMetricsF(drawingFont(points), m_metrics).ascent() * mmPerUnit();
    }
    double descent(double points) const
    {
        return QFontMetricsF(drawingFont(points), m_metrics).descent() * mmPerUnit();
    }
    double lineSpacing(double points) const
    {
        return QFontMetricsF(drawingFont(points), m_metrics).lineSpacing() * mmPerUnit();
    }

    // A text whose baseline passes through at; upright reads left to right,
    // otherwise bottom to top.
    void text(const QPointF& at, const QString& text, HAlign align, double points,
              bool upright = true)
    {
        const double w = textWidth(text, points);
        const double start = align == HAlign::Left ? 0 : align == HAlign::Centre ? -w / 2 : -w;
        const double up = ascent(points);
        const double down = descent(points);
        // The text's box in its own frame: along the baseline, then across.
        const auto corner = [&](double along, double across) {
            return upright ? at + QPointF(along, across) : at + QPointF(-across, along);
        };
        include(corner(start, -down));
        include(corner(start + w, up));
        if (!m_painter)
            return;
        m_painter->setFont(drawingFont(points));
        m_painter->setPen(Ink);
        m_painter->save();
        m_painter->translate(device(at));
        if (!upright)
            m_painter->rotate(-90);
        m_painter->drawText(QPointF(start * m_k, 0), text);
        m_painter->restore();
    }

private:
    double mmPerUnit() const { return 25.4 / m_metrics->logicalDpiY(); }

    QPainter* m_painter;
    QPaintDevice* m_metrics;
    QPointF m_offset;
    double m_k;
    std::optional<QRectF> m_bounds;
};

// A dimension line from a to b with arrows at both ends: inside when there is
// room for them, else outside pointing in.
void dimensionLine(DrawingSheet& sheet, const QPointF& a, const QPointF& b);

// Where a horizontal dimension's text goes when it is wider than the space
// between the extension lines: above their ends, or beside the line.
enum class Narrow { Above, Left, Right };

// A horizontal dimension between x1 and x2 on the row at height row, with
// extension lines from the features at heights from1 and from2; the text
// stands above the line between the extension lines when it fits there.
void horizontalDimension(DrawingSheet& sheet, double x1, double from1, double x2, double from2,
                         double row, const QString& text, Narrow narrow);

// A vertical dimension between heights y1 and y2 at x, with extension lines
// from the features at fromX; the text, read from below, stands left of it.
void verticalDimension(DrawingSheet& sheet, double fromX, double y1, double y2, double x,
                       const QString& text);

// A leader: an arrow on the surface at p, a line to the shelf's start, the
// shelf along which the text stands, towards shelfDirection (+1 right).
void radiusLeader(DrawingSheet& sheet, const QPointF& p, const QPointF& shelfStart,
                  int shelfDirection, const QString& text);

} // namespace monocl::drawing
