#pragma once

#include <QColor>
#include <QPointF>

#include <vector>

class QPainter;

namespace monocl {

// The colours and the legend the MTF plots share: a colour for each field
// share (the axis, 0,7 and the edge), sagittal solid, tangential dashed.
enum class MtfField { Axis, Zone, Edge };

QColor mtfFieldColour(MtfField field);

// The legend's lines at `at` (its top right corner), one for each field
// shown and one saying which line is which direction; returns its height.
double drawMtfLegend(QPainter& p, QPointF at, const std::vector<MtfField>& fields, char separator);

} // namespace monocl
