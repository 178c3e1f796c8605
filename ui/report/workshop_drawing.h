#pragma once

#include "document/monocl_document.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPainter;

namespace monocl {

// The workshop drawing of the designed meniscus: its axial section with the
// stop in front, dimensioned with both radii, the centre thickness, the
// diameter, the edge width, and the stop's distance from the front vertex
// and its diameter. The numbers are the design table's texts, in the
// window's decimal separator.
struct WorkshopDrawing
{
    // Without a lens there is only a note saying why.
    bool hasLens = false;
    QString note;
    // Why a design that ran to its end gives no lens to make: no meniscus
    // was found, or its surfaces do not meet at its diameter. Empty when it
    // gives one, and when the design ended in a fault.
    QString problem;

    // Lens millimetres. Signed radii: a surface's centre of curvature lies at
    // its vertex + R on the axis, the light coming from the stop's side.
    double R1 = 0, R2 = 0, thickness = 0, diameter = 0;
    double stopDistance = 0; // from the front vertex, negative in front
    double stopDiameter = 0;
    double edge = 0;         // the rim's width, from the other five

    QString r1Text, r2Text, thicknessText, diameterText, stopDistanceText, stopDiameterText;
    QString edgeText;
};

// The drawing of a design, its texts taken from the design table's rows (as
// the window shows them, the header row first).
WorkshopDrawing workshopDrawing(const DesignSection& design,
                                const QList<QStringList>& designTable, char separator);
// The drawing of the document's present design.
WorkshopDrawing workshopDrawing(const MonoclDocument& document);

// The standard scales of reduction, 1:1 first.
inline constexpr int DrawingReductions[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

// The size of the drawing on paper at 1:reduction, in millimetres. Texts are
// measured as they come out on the paint device given.
QSizeF workshopDrawingSize(const WorkshopDrawing& drawing, int reduction, QPaintDevice* device);

// Paints the drawing at 1:reduction with its top left corner at topLeft
// (paper millimetres from the painter's origin); unitsPerMm are the
// painter's units in one millimetre of paper. Lines and texts keep their
// size on paper whatever the reduction; the painter's transform is left
// alone, so the lens's coordinates reach the device as they are.
void paintWorkshopDrawing(QPainter& painter, const WorkshopDrawing& drawing, int reduction,
                          const QPointF& topLeft, double unitsPerMm);

// The drawing at 1:1 as an SVG document whose width and height are in
// millimetres: one millimetre of the file is one of the lens.
QByteArray workshopSvg(const WorkshopDrawing& drawing);

bool writeWorkshopSvg(const MonoclDocument& document, const QString& path, QString* error);

} // namespace monocl
