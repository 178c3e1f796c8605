// Draws the two fixed pictures of the program's help panels:
//   measuring_scheme.png  the measurements of a ready meniscus lens
//                         (715 x 405, 8-bit palette);
//   monocle_scheme.png    the optical scheme of the monocle
//                         (870 x 672, 24-bit RGB).
// Usage: make_pictures OUTPUT_DIR    (see README.md next to this file)

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
const QColor Ink(0, 0, 0);
const QColor HatchGrey(140, 140, 140);

QFont labelFont(double pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setItalic(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPen solid(double width)
{
    QPen pen(Ink, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Dash lengths are given in pixels; Qt counts them in pen widths.
QPen patterned(double width, std::vector<double> pixels)
{
    QPen pen = solid(width);
    QList<qreal> pattern;
    for (const double v : pixels)
        pattern << v / width;
    pen.setDashPattern(pattern);
    return pen;
}

QPen dashed(double width = 1.4) { return patterned(width, {9, 5}); }
QPen dashDotted(double width = 1.4) { return patterned(width, {22, 5, 3, 5}); }

// A text with an optional subscript, centred on `centre`. With `clear` a
// white patch is laid under it first (for labels over a hatching).
void label(QPainter& p, QPointF centre, const QString& text, const QString& sub = {},
    double size = 24, bool clear = false)
{
    const QFont mainFont = labelFont(size);
    const QFont subFont = labelFont(size * 0.68);
    const QFontMetricsF mainMetrics(mainFont);
    const QFontMetricsF subMetrics(subFont);
    const double mainWidth = mainMetrics.horizontalAdvance(text);
    const double subWidth = sub.isEmpty() ? 0.0 : subMetrics.horizontalAdvance(sub) + 1;
    const double width = mainWidth + subWidth;
    // Centre the height of a capital letter on the point.
    const double baseline = centre.y() + mainMetrics.capHeight() / 2;
    const double x = centre.x() - width / 2;
    if (clear) {
        const QRectF patch(x - 4, baseline - mainMetrics.ascent() + 2, width + 8,
            mainMetrics.ascent() + size * 0.28);
        p.fillRect(patch, Qt::white);
    }
    p.setPen(Ink);
    p.setFont(mainFont);
    p.drawText(QPointF(x, baseline), text);
    if (!sub.isEmpty()) {
        p.setFont(subFont);
        p.drawText(QPointF(x + mainWidth + 1, baseline + size * 0.22), sub);
    }
}

// A filled arrowhead with its tip at `tip`, pointing away from `from`.
void arrowHead(QPainter& p, QPointF tip, QPointF from, double length = 15, double halfWidth = 4.5)
{
    const QPointF d = tip - from;
    const double n = std::hypot(d.x(), d.y());
    const QPointF u = d / n;
    const QPointF v(-u.y(), u.x());
    const QPointF back = tip - u * length;
    QPolygonF head;
    head << tip << back + v * halfWidth << back - v * halfWidth;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPolygon(head);
    p.restore();
}

// A dimension line between a and b with arrowheads at both ends. When the
// distance is too short for the heads, they stand outside and point inwards.
void dimension(QPainter& p, QPointF a, QPointF b, bool outside = false)
{
    p.setPen(solid(1.4));
    if (!outside) {
        const QPointF d = b - a;
        const QPointF u = d / std::hypot(d.x(), d.y());
        p.drawLine(a + u * 8, b - u * 8);
        arrowHead(p, a, b);
        arrowHead(p, b, a);
        return;
    }
    const QPointF d = b - a;
    const QPointF u = d / std::hypot(d.x(), d.y());
    p.drawLine(a - u * 30, b + u * 30);
    arrowHead(p, a, a - u * 20);
    arrowHead(p, b, b + u * 20);
}

// A leader: a shelf under the label and a line from the shelf's end to the
// marked point, with an arrowhead there.
void leader(QPainter& p, QPointF target, QPointF shelfStart, double shelfLength, const QString& text,
    const QString& sub)
{
    const QPointF shelfEnd = shelfStart + QPointF(shelfLength, 0);
    p.setPen(solid(1.4));
    p.drawLine(shelfStart, shelfEnd);
    p.drawLine(shelfStart, target);
    arrowHead(p, target, shelfStart);
    label(p, (shelfStart + shelfEnd) / 2 - QPointF(0, 17), text, sub);
}

// Parallel lines at 45 degrees over the bounding box of `area`, clipped to it.
void hatch(QPainter& p, const QPainterPath& area, const QColor& colour, double spacing, double width)
{
    p.save();
    p.setClipPath(area);
    p.setPen(QPen(colour, width));
    const QRectF box = area.boundingRect();
    for (double s = box.left() - box.height(); s < box.right(); s += spacing)
        p.drawLine(QPointF(s, box.bottom()), QPointF(s + box.height(), box.top()));
    p.restore();
}

// An arc of radius r around c between two directions given in degrees,
// counter-clockwise from the +x axis as seen on the screen (y pointing down).
void angleArc(QPainter& p, QPointF c, double r, double fromDeg, double toDeg)
{
    QPainterPath path;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const double t = (fromDeg + (toDeg - fromDeg) * i / steps) * Pi / 180;
        const QPointF q = c + QPointF(r * std::cos(t), -r * std::sin(t));
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    p.setPen(solid(1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

double directionDeg(QPointF from, QPointF to)
{
    return std::atan2(-(to.y() - from.y()), to.x() - from.x()) * 180 / Pi;
}

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// ------------------------------------------------------------------------
// The measurements of a ready meniscus, convex side up on a base plane.

QImage measuringScheme()
{
    QImage image = blank(715, 405);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const double base = 262;  // the plane the lens stands on
    const double rim = 210;   // the top of the cylindrical rim
    const double top = 92;    // the vertex of the convex upper surface
    const double left = 262, right = 622, xc = (left + right) / 2;
    const double half = (right - left) / 2;

    // Upper convex surface through the rim corners and the top.
    const double upperSag = rim - top;
    const double upperR = (half * half + upperSag * upperSag) / (2 * upperSag);
    const double upperCy = top + upperR;
    // Lower concave surface, its vertex inside the glass.
    const double lowerSag = 70;
    const double lowerR = (half * half + lowerSag * lowerSag) / (2 * lowerSag);
    const double lowerCy = base - lowerSag + lowerR;
    auto upperAt = [&](double x) { return upperCy - std::sqrt(upperR * upperR - (x - xc) * (x - xc)); };
    auto lowerAt = [&](double x) { return lowerCy - std::sqrt(lowerR * lowerR - (x - xc) * (x - xc)); };

    QPainterPath lens;
    lens.moveTo(left, base);
    lens.lineTo(left, rim);
    const int steps = 240;
    for (int i = 1; i <= steps; ++i) {
        const double x = left + (right - left) * i / steps;
        lens.lineTo(x, i == steps ? rim : upperAt(x));
    }
    lens.lineTo(right, base);
    for (int i = steps - 1; i >= 0; --i) {
        const double x = left + (right - left) * i / steps;
        lens.lineTo(x, i == 0 ? base : lowerAt(x));
    }
    lens.closeSubpath();

    // Reference planes and extension lines.
    p.setPen(dashed());
    p.drawLine(QPointF(28, base), QPointF(688, base));
    p.drawLine(QPointF(140, rim), QPointF(left - 4, rim));
    p.drawLine(QPointF(62, top), QPointF(xc, top));
    p.drawLine(QPointF(left, base + 4), QPointF(left, 352));
    p.drawLine(QPointF(right, base + 4), QPointF(right, 352));

    p.setPen(solid(2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lens);

    // Heights on the left.
    const double xHm = 90, xDr = 164, xH = 230;
    dimension(p, QPointF(xHm, base), QPointF(xHm, top));
    dimension(p, QPointF(xDr, rim), QPointF(xDr, top));
    dimension(p, QPointF(xH, base), QPointF(xH, rim));
    label(p, QPointF(xHm - 36, (base + top) / 2), QStringLiteral("h"), QStringLiteral("м"));
    label(p, QPointF(xDr - 34, (rim + top) / 2), QStringLiteral("δ"), QStringLiteral("r"));
    label(p, QPointF(xH - 26, (base + rim) / 2), QStringLiteral("h"));

    // The diameter below.
    const double yD = 336;
    dimension(p, QPointF(left, yD), QPointF(right, yD));
    label(p, QPointF(xc, yD - 22), QStringLiteral("d"), QStringLiteral("л"));

    // The surfaces.
    const double upperX = xc + upperR * std::sin(38 * Pi / 180);
    leader(p, QPointF(upperX, upperAt(upperX)), QPointF(618, 68), 56, QStringLiteral("r"), QStringLiteral("2"));
    const double lowerX = xc + lowerR * std::sin(17 * Pi / 180);
    leader(p, QPointF(lowerX, lowerAt(lowerX)), QPointF(636, 306), 56, QStringLiteral("r"), QStringLiteral("1"));

    p.end();
    return image;
}

// ------------------------------------------------------------------------
// The scheme of the monocle: the stop, the meniscus and the path of the ray
// that enters parallel to the axis at 0.707 of the stop's half opening.

struct Vec {
    double x, y; // y upwards from the axis
};

Vec refract(Vec d, Vec normal, double n1, double n2)
{
    double c = -(d.x * normal.x + d.y * normal.y);
    if (c < 0) {
        normal = {-normal.x, -normal.y};
        c = -c;
    }
    const double r = n1 / n2;
    const double k = std::sqrt(1 - r * r * (1 - c * c));
    return {r * d.x + (r * c - k) * normal.x, r * d.y + (r * c - k) * normal.y};
}

QImage monocleScheme()
{
    QImage image = blank(870, 672);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Drawing units are pixels; y is measured upwards from the axis and
    // turned into screen rows by row().
    const double axisY = 322;
    auto row = [&](double y) { return axisY - y; };
    auto at = [&](double x, double y) { return QPointF(x, row(y)); };

    const double stopX = 112, jawWidth = 22, jawLength = 84;
    const double halfOpening = 170;
    const double rayH = halfOpening * std::sqrt(2.0) / 2;
    // The meniscus: both centres of curvature on the stop's side.
    const double front = 332, thickness = 70, rear = front + thickness;
    const double r1 = 280, r2 = 210, halfHeight = 180, index = 1.8;
    const double c1 = front - r1, c2 = rear - r2;
    auto frontAt = [&](double y) { return c1 + std::sqrt(r1 * r1 - y * y); };
    auto rearAt = [&](double y) { return c2 + std::sqrt(r2 * r2 - y * y); };

    // Trace the ray through both surfaces.
    const Vec p1{frontAt(rayH), rayH};
    const Vec n1{(p1.x - c1) / r1, p1.y / r1};
    const Vec inside = refract({1, 0}, n1, 1, index);
    const double ox = p1.x - c2, oy = p1.y;
    const double b = ox * inside.x + oy * inside.y;
    const double t = -b + std::sqrt(b * b - (ox * ox + oy * oy - r2 * r2));
    const Vec p2{p1.x + t * inside.x, p1.y + t * inside.y};
    const Vec n2{(p2.x - c2) / r2, p2.y / r2};
    const Vec out = refract(inside, n2, index, 1);
    const double focusX = p2.x - p2.y / out.y * out.x;

    // The glass.
    QPainterPath lens;
    const int steps = 240;
    for (int i = 0; i <= steps; ++i) {
        const double y = halfHeight - 2 * halfHeight * i / steps;
        const QPointF q = at(frontAt(y), y);
        if (i == 0)
            lens.moveTo(q);
        else
            lens.lineTo(q);
    }
    for (int i = 0; i <= steps; ++i) {
        const double y = -halfHeight + 2 * halfHeight * i / steps;
        lens.lineTo(at(rearAt(y), y));
    }
    lens.closeSubpath();
    hatch(p, lens, HatchGrey, 9, 1.3);

    // The stop's jaws.
    for (const double sign : {1.0, -1.0}) {
        const QRectF jaw = QRectF(at(stopX, sign * (halfOpening + jawLength)), at(stopX + jawWidth, sign * halfOpening)).normalized();
        QPainterPath area;
        area.addRect(jaw);
        hatch(p, area, Ink, 7, 1.1);
        p.setPen(solid(2.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(jaw);
    }

    // The axis.
    p.setPen(dashDotted());
    p.drawLine(QPointF(18, axisY), QPointF(852, axisY));

    // Extension lines.
    const double yBottom = row(-292);
    p.setPen(solid(1.1));
    p.drawLine(at(stopX, -(halfOpening + jawLength) - 4), QPointF(stopX, yBottom + 12));
    p.drawLine(at(rear, 0), QPointF(rear, yBottom + 12));
    p.drawLine(at(focusX, 0), QPointF(focusX, yBottom + 12));
    const double yTop = row(halfHeight + 52);
    p.drawLine(at(front, 0), QPointF(front, yTop - 12));
    p.drawLine(at(rear, 0), QPointF(rear, yTop - 12));
    p.drawLine(at(stopX, halfOpening), at(stopX - 50, halfOpening));

    p.setPen(solid(2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lens);

    // The ray.
    const QPointF a0 = at(18, rayH), a1 = at(p1.x, p1.y), a2 = at(p2.x, p2.y), aF = at(focusX, 0);
    p.setPen(solid(1.9));
    p.drawLine(a0, a1);
    p.drawLine(a1, a2);
    p.drawLine(a2, aF);
    arrowHead(p, at(250, rayH), a0, 16, 5);
    const QPointF mid = a2 + (aF - a2) * 0.55;
    arrowHead(p, mid, a2, 16, 5);

    // Angles of the ray with the axis: entering; inside the glass, shown on
    // the ray's continuation past the rear surface; leaving.
    label(p, at(168, rayH + 22), QStringLiteral("α"), QStringLiteral("1"));
    const double insideDeg = directionDeg(a1, a2);
    const QPointF along = (a2 - a1) / std::hypot(a2.x() - a1.x(), a2.y() - a1.y());
    p.setPen(dashed(1.1));
    p.drawLine(a2, a2 + along * 92);
    p.drawLine(a2, a2 + QPointF(92, 0));
    angleArc(p, a2, 74, 0, insideDeg);
    label(p, a2 + QPointF(104, -22), QStringLiteral("α"), QStringLiteral("2"));
    const double outDeg = directionDeg(aF, a2);
    angleArc(p, aF, 96, outDeg, 180);
    const double bisector = (outDeg + 180) / 2 * Pi / 180;
    label(p, aF + QPointF(std::cos(bisector) * 122 - 6, -std::sin(bisector) * 122 + 1), QStringLiteral("α"),
        QStringLiteral("3"));
    label(p, aF + QPointF(8, -22), QStringLiteral("F"));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(aF, 4.5, 4.5);

    // The glass index.
    label(p, at((frontAt(-80) + rearAt(-80)) / 2, -80), QStringLiteral("n"), {}, 24, true);

    // Heights: the stop's half opening and the ray.
    dimension(p, at(stopX - 38, 0), at(stopX - 38, halfOpening));
    label(p, at(stopX - 38 - 40, halfOpening / 2), QStringLiteral("D/2"));
    dimension(p, at(212, 0), at(212, rayH));
    label(p, at(228, rayH / 2), QStringLiteral("h"));

    // The thickness on the axis.
    dimension(p, QPointF(front, yTop), QPointF(rear, yTop), true);
    label(p, QPointF((front + rear) / 2, yTop - 24), QStringLiteral("d"), QStringLiteral("м"));

    // The surfaces.
    leader(p, at(frontAt(-150), -150), at(206, -196), 52, QStringLiteral("r"), QStringLiteral("1"));
    leader(p, at(rearAt(-124), -124), at(468, -186), 52, QStringLiteral("r"), QStringLiteral("2"));

    // Distances along the axis.
    dimension(p, QPointF(stopX, yBottom), QPointF(rear, yBottom));
    label(p, QPointF((stopX + rear) / 2, yBottom - 22), QStringLiteral("x"), QStringLiteral("д"));
    dimension(p, QPointF(rear, yBottom), QPointF(focusX, yBottom));
    label(p, QPointF((rear + focusX) / 2, yBottom - 22), QStringLiteral("f"));

    p.end();
    return image;
}

// The measuring scheme is line art in greys only: stored with a palette of
// the 256 grey levels.
QImage toGreyPalette(const QImage& image)
{
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int g = 0; g < 256; ++g)
        table << qRgb(g, g, g);
    indexed.setColorTable(table);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            to[x] = static_cast<uchar>(qGray(from[x]));
    }
    return indexed;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QString family = QFontInfo(labelFont(24)).family();
    if (family != QStringLiteral("DejaVu Sans")) {
        std::fprintf(stderr, "the DejaVu Sans font is missing (got %s)\n", qPrintable(family));
        return 1;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const bool ok = toGreyPalette(measuringScheme()).save(dir + QStringLiteral("/measuring_scheme.png"))
        && monocleScheme().convertToFormat(QImage::Format_RGB888).save(dir + QStringLiteral("/monocle_scheme.png"));
    if (!ok) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
