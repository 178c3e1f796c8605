#pragma once

#include "document/monocl_document.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <array>

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

// One surface's column of the element table, after ISO 10110.
struct SurfaceColumn
{
    QString radius;        // "12,351 CX", with "±0,01" where toleranced in mm
    QString clearAperture; // "Ø12,8"
    QString sagRim;        // at Dm
    QString sagRing;       // at the spherometer's ring
    QString form;          // 3/
    QString centring;      // 4/
    QString imperfections; // 5/
    QString coating;
};

// What the title block names besides the lens.
struct DrawingInfo
{
    QString designFile; // empty when none
    QDate date = QDate::currentDate();
};

// The element drawing of the meniscus: its axial section with the stop in
// front, dimensioned from the lens's full values with their tolerances,
// the table of both surfaces and the material, and the title block.
struct WorkshopDrawing
{
    // Without a lens there is only a note saying why.
    bool hasLens = false;
    QString note;
    // Why a design that ran to its end gives no lens to make: no meniscus
    // was found, or its surfaces do not meet at its diameter. Empty when it
    // gives one, and when the design ended in a fault.
    QString problem;
    // The design gave a lens, but the refined one asked for was not found.
    bool refinedMissing = false;

    // Lens millimetres. Signed radii: a surface's centre of curvature lies at
    // its vertex + R on the axis, the light coming from the stop's side.
    double R1 = 0, R2 = 0, thickness = 0, diameter = 0;
    double stopDistance = 0; // from the front vertex, negative in front
    double stopDiameter = 0;
    double edge = 0;         // the rim's width, from the other five
    double bevel = 0;        // drawn at the four corners of the rim

    QString r1Text, r2Text, thicknessText, diameterText, stopDistanceText, stopDiameterText;
    QString edgeText;

    std::array<SurfaceColumn, 2> surfaces;
    QStringList material; // name, nd, vd, 0/, 1/, 2/
    QStringList notes;    // beneath the section
    QString lensSource;   // "уточнено по лучам" or "расчет третьего порядка"
    QString materialName; // for the title block
    DrawingInfo info;
};

// The drawing of the document's present lens, as its settings choose it.
WorkshopDrawing workshopDrawing(const MonoclDocument& document, const DrawingInfo& info = DrawingInfo());

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
