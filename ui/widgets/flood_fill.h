#pragma once

#include <QImage>

namespace monocl {

// Paints brush over the 4-connected region around (x, y) bounded by the
// pixels whose RGB is stop (alpha ignored), in an image of 32-bit pixels.
// (x, y) must lie in the image.
void floodFillImage(QImage& image, int x, int y, QRgb stop, QRgb brush);

} // namespace monocl
