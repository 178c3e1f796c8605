#include "drawing_sheet.h"

namespace monocl::drawing {

QFont drawingFont(double points)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// ---- Dimensions ------------------------------------------------------------------------

// A dimension line from a to b with arrows at both ends: inside when there is
// room for them, else outside pointing in.
void dimensionLine(DrawingSheet& sheet, const QPointF& a, const QPointF& b)
{
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 0))
        return;
    const QPointF u = d / length;
    if (length >= 2 * ArrowLength + 1) {
        sheet.line(a, b, ThinWidth);
        sheet.arrow(a, -u);
        sheet.arrow(b, u);
    } else {
        const double tail = ArrowLength + 2;
        sheet.line(a - u * tail, b + u * tail, ThinWidth);
        sheet.arrow(a, u);
        sheet.arrow(b, -u);
    }
}

// A horizontal dimension between x1 and x2 on the row at height row, with
// extension lines from the features at heights from1 and from2; the text
// stands above the line between the extension lines when it fits there.
void horizontalDimension(DrawingSheet& sheet, double x1, double from1, double x2, double from2,
                         double row, const QString& text, Narrow narrow)
{
    for (const auto& [x, from] : {std::pair{x1, from1}, std::pair{x2, from2}}) {
        const double dir = row > from ? 1 : -1;
        sheet.line({x, from + dir * ExtensionGap}, {x, row + dir * ExtensionOver}, ThinWidth);
    }
    const double left = std::min(x1, x2);
    const double right = std::max(x1, x2);
    dimensionLine(sheet, {left, row}, {right, row});
    const double width = sheet.textWidth(text, DimensionPoints);
    const double descent = sheet.descent(DimensionPoints);
    if (width + 2 <= right - left) {
        sheet.text({(left + right) / 2, row + TextGap + descent}, text, HAlign::Centre,
                   DimensionPoints);
        return;
    }
    // Past the arrows' tails, level with the line.
    const double beside = (right - left < 2 * ArrowLength + 1 ? ArrowLength + 2 : 0) + 1;
    const double middle = row - (sheet.ascent(DimensionPoints) - descent) / 2;
    switch (narrow) {
    case Narrow::Above:
        sheet.text({(left + right) / 2, row + ExtensionOver + TextGap + descent}, text,
                   HAlign::Centre, DimensionPoints);
        break;
    case Narrow::Left:
        sheet.text({left - beside, middle}, text, HAlign::Right, DimensionPoints);
        break;
    case Narrow::Right:
        sheet.text({right + beside, middle}, text, HAlign::Left, DimensionPoints);
        break;
    }
}

// A vertical dimension between heights y1 and y2 at x, with extension lines
// from the features at fromX; the text, read from below, stands left of it.
void verticalDimension(DrawingSheet& sheet, double fromX, double y1, double y2, double x,
                       const QString& text)
{
    const double dir = x > fromX ? 1 : -1;
    for (const double y : {y1, y2})
        sheet.line({fromX + dir * ExtensionGap, y}, {x + dir * ExtensionOver, y}, ThinWidth);
    dimensionLine(sheet, {x, std::min(y1, y2)}, {x, std::max(y1, y2)});
    sheet.text({x - TextGap, (y1 + y2) / 2}, text, HAlign::Centre, DimensionPoints, false);
}

// A leader: an arrow on the surface at p, a line to the shelf's start, the
// shelf along which the text stands, towards shelfDirection (+1 right).
void radiusLeader(DrawingSheet& sheet, const QPointF& p, const QPointF& shelfStart,
                  int shelfDirection, const QString& text)
{
    const double w = sheet.textWidth(text, DimensionPoints);
    const QPointF shelfEnd = shelfStart + QPointF(shelfDirection * (w + 2), 0);
    sheet.line(p, shelfStart, ThinWidth);
    sheet.line(shelfStart, shelfEnd, ThinWidth);
    sheet.arrow(p, p - shelfStart);
    sheet.text({(shelfStart.x() + shelfEnd.x()) / 2, shelfStart.y() + TextGap}, text,
               HAlign::Centre, DimensionPoints);
}

} // namespace monocl::drawing
