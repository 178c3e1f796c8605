#pragma once

#include "ui/outputs/drawing_data.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPaintDevice;
class QPainter;

namespace monocl {

// A standard scale of ISO 5455, paper : lens.
struct DrawingScale
{
    int paper = 1;
    int lens = 1;
    double factor() const { return static_cast<double>(paper) / lens; }
    QString text() const { return QStringLiteral("%1:%2").arg(paper).arg(lens); }
    bool operator==(const DrawingScale&) const = default;
};

// Largest first.
inline constexpr DrawingScale DrawingScales[] = {{10, 1}, {5, 1}, {2, 1}, {1, 1},  {1, 2},   {1, 5},
                                                 {1, 10}, {1, 20}, {1, 50}, {1, 100}, {1, 200}, {1, 500}};
// The lens's diameter on paper the element drawing's scale aims at.
inline constexpr double ScaledLensLeast = 60;
inline constexpr double ScaledLensMost = 120;
// The standard scale that draws a lens of this diameter 60 to 120 mm large,
// or the one nearest to that.
DrawingScale elementScale(double diameter);

// The size of the drawing on paper at the scale, in millimetres. Texts are
// measured as they come out on the paint device given.
QSizeF workshopDrawingSize(const WorkshopDrawing& drawing, DrawingScale scale, QPaintDevice* device);

// Paints the drawing at the scale with its top left corner at topLeft
// (paper millimetres from the painter's origin); unitsPerMm are the
// painter's units in one millimetre of paper. Lines and texts keep their
// size on paper whatever the scale; the painter's transform is left alone,
// so the lens's coordinates reach the device as they are.
void paintWorkshopDrawing(QPainter& painter, const WorkshopDrawing& drawing, DrawingScale scale,
                          const QPointF& topLeft, double unitsPerMm);

// The drawing at 1:1 as an SVG document whose width and height are in
// millimetres: one millimetre of the file is one of the lens.
QByteArray workshopSvg(const WorkshopDrawing& drawing, DrawingScale scale = {});

bool writeWorkshopSvg(const MonoclDocument& document, const QString& path, QString* error,
                      const DrawingInfo& info = DrawingInfo());

} // namespace monocl
