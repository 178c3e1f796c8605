#pragma once

#include "core/linear_image.h"

#include <QImage>

namespace monocl {

// The scenes the program makes itself, for the photograph through the lens.
enum class BuiltInScene { Chart, Lights, Gradient };

// The scene at the given size, 8-bit sRGB.
QImage builtInScene(BuiltInScene scene, int width, int height);

// An sRGB picture in linear light, and back (values above 1 clipped).
LinearImage toLinear(const QImage& image);
QImage fromLinear(const LinearImage& image);

} // namespace monocl
