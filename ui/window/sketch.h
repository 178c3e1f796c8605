#pragma once

#include <QColor>

#include <cstdint>

namespace monocl {

class CanvasImage;

// The colour of the lens body in the sketch.
inline const QColor SketchFillColor{220, 220, 250};

// Draws the designed meniscus to scale in esk: the rear and the front surface
// as circles, the rims joining them at the top and bottom rows, the glass
// between them filled with SketchFillColor. The lengths are in metres; the
// lens diameter Dm spans the whole width of the picture. The widget is first
// made square. A failed design (DesignFailed != 0) leaves the picture as it
// was. Throws MathError for an invalid operation, a zero Dm included.
void DrawMeniscusSketch(CanvasImage& esk, double R1, double R2, double Dm, double FrontSag,
    double RearSag, double RearShift, std::int32_t DesignFailed);

} // namespace monocl
