#include "workshop_drawing.h"

#include "drawing_sheet.h"
#include "element_table.h"

#include "ui/files/output_files.h"
#include "ui/outputs/output_contents.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace monocl {

namespace {

using namespace drawing;


// ---- The section -------------------------------------------------------------------------

// A spherical surface through the axis at its vertex, as the section shows it.
struct Surface
{
    double vertex; // lens mm on the axis
    double R;      // signed radius, lens mm

    double centre() const { return vertex + R; }
    // The surface's axial position at height y (|y| <= |R|).
    double at(double y) const
    {
        return centre() - std::copysign(std::sqrt(R * R - y * y), R);
    }
};

// Appends the arc of the surface from height fromY to -fromY, through its
// vertex, in device coordinates; a path that has a point already is joined
// to the arc by a line. The arc is made of cubic curves of at most 10
// degrees, the vertex at the end of one, whose end points lie exactly on the
// circle (QPainterPath::arcTo puts its end points on its approximation).
void appendArc(QPainterPath& path, const DrawingSheet& sheet, const Surface& surface, double s,
               double fromY)
{
    const QPointF c = sheet.device({surface.centre() * s, 0});
    const double r = std::abs(surface.R) * s * sheet.k();
    // Angles from the centre, anticlockwise in drawing coordinates (y up),
    // from the direction of the vertex.
    const double vertexAngle = surface.R < 0 ? 0 : std::numbers::pi;
    const double alpha = std::asin(std::clamp(fromY / std::abs(surface.R), -1.0, 1.0));
    const double start = surface.R < 0 ? vertexAngle + alpha : vertexAngle - alpha;
    const double sweep = surface.R < 0 ? -2 * alpha : 2 * alpha;
    // Device y runs downwards.
    const auto at = [&](double angle) {
        return QPointF(c.x() + r * std::cos(angle), c.y() - r * std::sin(angle));
    };
    const auto tangent = [&](double angle) { // d(at)/d(angle)
        return QPointF(-r * std::sin(angle), -r * std::cos(angle));
    };
    // An even number, so that the vertex is an end point.
    const int pieces =
        2 * std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 9))));
    const double step = sweep / pieces;
    const double handle = 4.0 / 3.0 * std::tan(step / 4);
    if (path.elementCount() == 0)
        path.moveTo(at(start));
    else
        path.lineTo(at(start));
    for (int i = 0; i < pieces; ++i) {
        const double a0 = start + i * step;
        const double a1 = i + 1 == pieces ? start + sweep : a0 + step;
        path.cubicTo(at(a0) + tangent(a0) * handle, at(a1) - tangent(a1) * handle, at(a1));
    }
}

// The glass's outline: the front arc down, the lower rim, the rear arc up,
// the upper rim; each corner of the rim cut by its bevel at 45 degrees.
void appendOutline(QPainterPath& outline, const DrawingSheet& sheet, const WorkshopDrawing& d, double s)
{
    const double h = d.diameter / 2;
    const double b = std::clamp(d.bevel, 0.0, std::min(h / 2, d.edge / 2));
    const Surface front{0, d.R1};
    const Surface rear{d.thickness, d.R2};
    const double xF = front.at(h), xR = rear.at(h);
    appendArc(outline, sheet, front, s, h - b);
    outline.lineTo(sheet.device({(xF + b) * s, -h * s}));
    outline.lineTo(sheet.device({(xR - b) * s, -h * s}));
    appendArc(outline, sheet, rear, s, -(h - b));
    outline.lineTo(sheet.device({(xR - b) * s, h * s}));
    outline.lineTo(sheet.device({(xF + b) * s, h * s}));
    outline.closeSubpath();
}

void paintNote(DrawingSheet& sheet, const WorkshopDrawing& d)
{
    const double spacing = sheet.lineSpacing(DimensionPoints);
    const QStringList lines = {QCoreApplication::translate("WorkshopDrawing", "Рабочий чертеж мениска"), d.note};
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, sheet.textWidth(line, DimensionPoints));
    const double height = spacing * lines.size();
    // The frame of the missing picture.
    const QPointF tl(0, 0), tr(width + 8, 0), bl(0, -(height + 8)), br(width + 8, -(height + 8));
    sheet.line(tl, tr, ThinWidth);
    sheet.line(tr, br, ThinWidth);
    sheet.line(br, bl, ThinWidth);
    sheet.line(bl, tl, ThinWidth);
    for (int i = 0; i < lines.size(); ++i)
        sheet.text({4, -(4 + sheet.ascent(DimensionPoints) + i * spacing)}, lines[i], HAlign::Left,
                   DimensionPoints);
}

QStringList legendLines(DrawingScale scale)
{
    return {
        QCoreApplication::translate("WorkshopDrawing", "Размеры в миллиметрах. Масштаб %1.").arg(scale.text()),
        QCoreApplication::translate("WorkshopDrawing", "Поверхности по ISO 10110: CX — выпуклая, CC — вогнутая, если смотреть снаружи линзы."),
        QCoreApplication::translate("WorkshopDrawing", "X1 — расстояние диафрагмы от вершины передней поверхности, минус — перед мениском."),
        QCoreApplication::translate("WorkshopDrawing", "В скобках — справочный размер."),
    };
}

void paintLens(DrawingSheet& sheet, const WorkshopDrawing& d, DrawingScale scale)
{
    const double s = scale.factor();
    const double h = d.diameter / 2;
    const Surface front{0, d.R1};
    const Surface rear{d.thickness, d.R2};
    const double xF = front.at(h) * s; // the rims on paper
    const double xR = rear.at(h) * s;
    const double H = h * s;
    const double T = d.thickness * s;
    const double XS = d.stopDistance * s;
    const double DH = d.stopDiameter / 2 * s;
    const double bladeOuter = std::max(H, DH) + 3;
    const double lensLeft = std::min({0.0, xF, xR});
    const double lensRight = std::max({T, xF, xR});

    // The glass: front arc down, along the lower rim, rear arc up, back along
    // the upper rim.
    QPainterPath outline;
    appendOutline(outline, sheet, d, s);
    sheet.devicePath(outline, QRectF(QPointF(lensLeft, H), QPointF(lensRight, -H)), OutlineWidth,
                     GlassFill);

    // The stop: two blades leaving the opening free.
    sheet.line({XS, DH}, {XS, bladeOuter}, StopWidth);
    sheet.line({XS, -DH}, {XS, -bladeOuter}, StopWidth);

    // The axis, a little past the stop and the lens, short of the stop's
    // diameter on the left.
    const double axisLeft = std::min(XS, lensLeft) - 3;
    const double axisRight = lensRight + 5;
    sheet.line({axisLeft, 0}, {axisRight, 0}, ThinWidth, Qt::CustomDashLine);

    // Above: the edge width, a reference size.
    const double topRow = H + 6;
    horizontalDimension(sheet, xF, H, xR, H, topRow, d.edgeText, Narrow::Above);

    // Below: the centre thickness, then the stop's distance.
    const double row1 = -(H + 6);
    const double row2 = row1 - RowGap;
    horizontalDimension(sheet, 0, 0, T, 0, row1, d.thicknessText, Narrow::Right);
    horizontalDimension(sheet, XS, -bladeOuter, 0, 0, row2, d.stopDistanceText, Narrow::Left);

    // The stop's diameter, left of everything.
    const double dfX = std::min(XS, lensLeft) - 6;
    if (DH > 0)
        verticalDimension(sheet, XS, -DH, DH, dfX, d.stopDiameterText);

    // R1: from the upper front arc up and away from the stop's side, to a
    // shelf above the edge's row, clear of that row's line and arrows.
    const QString& r1 = d.r1Text;
    const QString& r2 = d.r2Text;
    const double y1 = 0.6 * h;
    const QPointF p1(front.at(y1) * s, y1 * s);
    const double shelfY = topRow + RowGap;
    const double edgeRowLeft =
        std::min(xF, xR) - (std::abs(xR - xF) < 2 * ArrowLength + 1 ? ArrowLength + 2 : 0);
    const double clearX = std::min(p1.x(), edgeRowLeft - 1.5);
    const double t = (topRow - p1.y()) / (shelfY - p1.y());
    const QPointF shelf1(p1.x() + (clearX - p1.x()) / t, shelfY);
    radiusLeader(sheet, p1, shelf1, -1, r1);

    // R2: level to the right when the rim leaves room for the text beneath
    // the diameter's extension line, else up like R1.
    const double textHeight = sheet.ascent(DimensionPoints) + TextGap + 0.4;
    double diameterX = lensRight + 8;
    if (0.3 * H + textHeight < H - ExtensionGap) {
        const double y2 = 0.3 * h;
        const QPointF p2(rear.at(y2) * s, y2 * s);
        const QPointF shelf2(lensRight + 3, p2.y());
        radiusLeader(sheet, p2, shelf2, 1, r2);
        diameterX = shelf2.x() + sheet.textWidth(r2, DimensionPoints) + 2 + 6;
    } else {
        const double y2 = 0.6 * h;
        const QPointF p2(rear.at(y2) * s, y2 * s);
        const double edgeRowRight =
            std::max(xF, xR) + (std::abs(xR - xF) < 2 * ArrowLength + 1 ? ArrowLength + 2 : 0);
        const double clear2 = std::max(p2.x(), edgeRowRight + 1.5);
        const double t2 = (topRow - p2.y()) / (shelfY - p2.y());
        radiusLeader(sheet, p2, QPointF(p2.x() + (clear2 - p2.x()) / t2, shelfY), 1, r2);
    }

    // The diameter, right of everything at the rim's height.
    verticalDimension(sheet, std::max(xF, xR), -H, H, diameterX, d.diameterText);

    // The legend beneath.
    const QRectF drawn = sheet.bounds();
    const double spacing = sheet.lineSpacing(NotePoints);
    double y = drawn.top() - 3 - sheet.ascent(NotePoints);
    for (const QString& line : d.notes + legendLines(scale)) {
        sheet.text({drawn.left(), y}, line, HAlign::Left, NotePoints);
        y -= spacing;
    }
}

void paintSheet(DrawingSheet& sheet, const WorkshopDrawing& d, DrawingScale scale)
{
    if (!d.hasLens) {
        paintNote(sheet, d);
        return;
    }
    paintLens(sheet, d, scale);
    const QRectF drawn = sheet.bounds();
    paintElementTable(sheet, d, QPointF(drawn.left(), drawn.top() - 4));
    paintTitleBlock(sheet, d, scale, QPointF(sheet.bounds().left(), sheet.bounds().top() - 4));
}

} // namespace

// ---- Painting ------------------------------------------------------------------------------

QSizeF workshopDrawingSize(const WorkshopDrawing& drawing, DrawingScale scale, QPaintDevice* device)
{
    DrawingSheet sheet(nullptr, device, QPointF(), 1);
    paintSheet(sheet, drawing, scale);
    return sheet.bounds().size();
}

void paintWorkshopDrawing(QPainter& painter, const WorkshopDrawing& drawing, DrawingScale scale,
                          const QPointF& topLeft, double unitsPerMm)
{
    DrawingSheet measure(nullptr, painter.device(), QPointF(), 1);
    paintSheet(measure, drawing, scale);
    const QRectF b = measure.bounds();
    // Drawing coordinates have y upwards: the top is the largest y.
    DrawingSheet sheet(&painter, painter.device(), QPointF(topLeft.x() - b.left(), topLeft.y() + b.bottom()),
                unitsPerMm);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintSheet(sheet, drawing, scale);
    painter.restore();
}

QByteArray workshopSvg(const WorkshopDrawing& drawing, DrawingScale scale)
{
    // 254 dots an inch: one unit of the file is a tenth of a millimetre.
    constexpr int Dpi = 254;
    constexpr double UnitsPerMm = Dpi / 25.4;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(Dpi);
    generator.setTitle(QCoreApplication::translate("WorkshopDrawing", "Рабочий чертеж мениска"));
    generator.setDescription(QCoreApplication::translate("WorkshopDrawing", "monocl, масштаб %1").arg(scale.text()));
    const QSizeF size = workshopDrawingSize(drawing, scale, &generator) + QSizeF(2 * Margin, 2 * Margin);
    const QSize units(static_cast<int>(std::ceil(size.width() * UnitsPerMm)),
                      static_cast<int>(std::ceil(size.height() * UnitsPerMm)));
    generator.setSize(units);
    generator.setViewBox(QRect(QPoint(0, 0), units));
    QPainter painter(&generator);
    paintWorkshopDrawing(painter, drawing, scale, QPointF(Margin, Margin), UnitsPerMm);
    painter.end();
    return buffer.data();
}

bool writeWorkshopSvg(const MonoclDocument& document, const QString& path, QString* error,
                      const DrawingInfo& info)
{
    return writeFileAtomically(path, workshopSvg(workshopDrawing(document, info)), error);
}

DrawingScale elementScale(double diameter)
{
    // The scale that draws the lens nearest to the middle of the range,
    // measured as a ratio, when none draws it within.
    const double middle = std::sqrt(ScaledLensLeast * ScaledLensMost);
    DrawingScale best = DrawingScales[0];
    double bestMiss = INFINITY;
    for (const DrawingScale& scale : DrawingScales) {
        const double size = diameter * scale.factor();
        if (size >= ScaledLensLeast && size <= ScaledLensMost)
            return scale;
        const double miss = std::abs(std::log(size / middle));
        if (miss < bestMiss) {
            bestMiss = miss;
            best = scale;
        }
    }
    return best;
}

} // namespace monocl
