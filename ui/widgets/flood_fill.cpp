#include "flood_fill.h"

#include <utility>
#include <vector>

namespace monocl {

void floodFillImage(QImage& image, int x, int y, QRgb stop, QRgb brush)
{
    const int w = image.width();
    const int h = image.height();
    // One detach for the whole fill: scanLine() on a non-const image checks
    // for sharing on every call.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto line = [&](int py) { return reinterpret_cast<QRgb*>(bits + py * stride); };
    // closed marks the border's pixels and those already filled, so a pixel
    // is tested with one load; the border is found in one pass up front.
    std::vector<unsigned char> closed(static_cast<std::size_t>(w) * h);
    for (int py = 0; py < h; ++py) {
        const QRgb* row = line(py);
        unsigned char* closedRow = closed.data() + static_cast<std::size_t>(py) * w;
        for (int px = 0; px < w; ++px)
            closedRow[px] = (row[px] & RGB_MASK) == stop;
    }
    const auto open = [&](int px, int py) { return !closed[static_cast<std::size_t>(py) * w + px]; };

    std::vector<std::pair<int, int>> seeds;
    seeds.emplace_back(x, y);
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (!open(sx, sy))
            continue;
        int left = sx;
        while (left > 0 && open(left - 1, sy))
            --left;
        int right = sx;
        while (right < w - 1 && open(right + 1, sy))
            ++right;
        QRgb* row = line(sy);
        unsigned char* closedRow = closed.data() + static_cast<std::size_t>(sy) * w;
        for (int px = left; px <= right; ++px) {
            row[px] = brush;
            closedRow[px] = 1;
        }
        // One seed for every run of open pixels in the rows above and below.
        for (const int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const unsigned char* next = closed.data() + static_cast<std::size_t>(ny) * w;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool o = !next[px];
                if (o && !inRun)
                    seeds.emplace_back(px, ny);
                inRun = o;
            }
        }
    }
}

} // namespace monocl
