#pragma once

#include "core/linear_image.h"

#include <QImage>

class QImageReader;

namespace monocl {

// The scenes the program makes itself, for the photograph through the lens.
enum class BuiltInScene { Chart, Lights, Gradient };

// The scene at the given size, 8-bit sRGB.
QImage builtInScene(BuiltInScene scene, int width, int height);

// The largest picture taken as a scene: a larger one would need gigabytes
// with its blur.
constexpr qint64 MaxScenePixels = 100'000'000;

// The picture the reader reads, or a null image and the reason. One of no
// size or of more than MaxScenePixels is refused before it is decoded; any
// other is decoded whatever memory its format takes (16-bit TIFFs and PNGs
// included), which Qt's own limit would refuse above 128 MB.
QImage readScene(QImageReader& reader, QString* reason);

// An sRGB picture in linear light, and back (values above 1 clipped).
LinearImage toLinear(const QImage& image);
QImage fromLinear(const LinearImage& image);

} // namespace monocl
