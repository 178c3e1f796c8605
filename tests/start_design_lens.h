#pragma once

#include "core/ray_trace.h"

// The start design's lens at its own stop, to the digits the design table
// shows, as the ray check takes it.
inline monocl::RayLens startDesignLens()
{
    monocl::RayLens l;
    l.R1 = -20.40;
    l.R2 = -12.35;
    l.thickness = 3.803;
    l.diameter = 14.53;
    l.nd = 1.5182;
    l.abbe = 64;
    l.stopZ = -5.72;
    l.stopDiameter = 6.64;
    l.halfField = 22.5 * 3.14159265358979323846 / 180.0;
    l.requestedSpherical = 0.40;
    return l;
}
