#include "sketch.h"

#include "ui/widgets/canvas_image.h"
#include "errors/real.h"

#include <Qt>

namespace monocl {

namespace {

// Pixel coordinate of a length: truncated toward zero. Values beyond any
// surface are clamped first, so the conversion is always defined.
long long Trunc(Real v)
{
    constexpr double Limit = 4611686018427387904.0; // 2^62
    double d = v.value();
    if (d > Limit)
        d = Limit;
    else if (d < -Limit)
        d = -Limit;
    return static_cast<long long>(d);
}

} // namespace

void DrawMeniscusSketch(CanvasImage& esk, double R1, double R2, double Dm, double FrontSag,
    double RearSag, double RearShift, std::int32_t DesignFailed)
{
    esk.setHeight(esk.width());
    const Real W = esk.width();
    const Real H = esk.height();

    // The optical axis is the middle row; the front vertex stands a sixth of
    // the width left of the middle column. Dm maps onto the full width.
    const long long x0 = Trunc(W / 2 - W / 6);
    const long long y0 = Trunc(H / 2);
    const Real kx = W / Real(Dm);
    const Real ky = H / Real(Dm);

    if (DesignFailed != 0)
        return;

    const Real X0 = Real(static_cast<double>(x0));
    const Real Y0 = Real(static_cast<double>(y0));
    const Real rearShift = RearShift;
    const Real r1 = R1;
    const Real r2 = R2;

    esk.setBrushColor(Qt::white);
    esk.fillRect(0, 0, Trunc(W), Trunc(H));
    esk.setBrushColor(Qt::white);

    // The rear surface; its vertex is moved left by the rear shift.
    esk.ellipse(Trunc((-rearShift * kx + X0) + 2 * kx * r2), Trunc(ky * r2 + Y0),
        Trunc(-rearShift * kx + X0), Trunc(Y0 - ky * r2));
    // The front surface, vertex at x0; its white inside covers the part of
    // the rear circle within it.
    esk.ellipse(Trunc(2 * kx * r1 + X0), Trunc(ky * r1 + Y0), Trunc(X0), Trunc(Y0 - ky * r1));

    // The rims, from the front surface's edge to the rear surface's edge.
    const long long rimFront = Trunc(Real(FrontSag) * kx + X0);
    const long long rimRear = Trunc((Real(RearSag) * kx + X0) - kx * rearShift);
    esk.moveTo(rimFront, 0);
    esk.lineTo(rimRear, 0);
    const long long bottomRow = Trunc(H) - 1;
    esk.moveTo(rimFront, bottomRow);
    esk.lineTo(rimRear, bottomRow);

    esk.setBrushColor(SketchFillColor);
    esk.floodFill(Trunc(X0 + 2), Trunc(Y0), Qt::black);
}

} // namespace monocl
