#pragma once

#include "drawing_sheet.h"
#include "workshop_drawing.h"

namespace monocl {

// The table beneath the element drawing, as ISO 10110 lays it out: a
// column for each surface (radius, clear aperture, the sags, 3/ 4/ 5/,
// coating) with the material's column between them (glass, nd, vd, 0/ 1/
// 2/). Its top left corner at topLeft, in drawing coordinates.
void paintElementTable(drawing::DrawingSheet& sheet, const WorkshopDrawing& d, const QPointF& topLeft);

// The title block: the part, the material, the scale, the units, the
// design file, the date, which lens it is and the program.
void paintTitleBlock(drawing::DrawingSheet& sheet, const WorkshopDrawing& d, DrawingScale scale,
                     const QPointF& topLeft);

} // namespace monocl
