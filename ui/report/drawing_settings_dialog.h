#pragma once

class QWidget;

namespace monocl {

class MonoclDocument;

// The drawing's settings in a dialog: the bevel, the spherometer's ring,
// the tolerance budget and the ISO 10110 codes. A field takes effect when
// it is left or Enter is pressed; a value the drawing cannot take is told
// in a box and the field shows the value kept.
void editDrawingSettings(MonoclDocument& document, QWidget* parent);

} // namespace monocl
