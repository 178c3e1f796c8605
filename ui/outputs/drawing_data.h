#pragma once

#include "document/monocl_document.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

namespace monocl {

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
// Of that drawing only whether it has a lens, and the problem and the note
// where it has none: what a run that draws nothing needs, without the
// tolerances' analysis and the texts.
WorkshopDrawing drawingOutcome(const MonoclDocument& document, const DrawingInfo& info = DrawingInfo());

} // namespace monocl
