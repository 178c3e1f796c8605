#pragma once

#include <cstddef>
#include <vector>

namespace monocl {

// A picture in linear light: red, green and blue of each pixel side by side,
// row by row from the top, 1 the white of the scene (highlights may exceed
// it). Light adds in these values, not in gamma-encoded ones.
struct LinearImage {
    int width = 0;
    int height = 0;
    std::vector<float> pixels;

    LinearImage() = default;
    LinearImage(int w, int h) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h) * 3, 0.0f) {}
    float* at(int x, int y) { return &pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3]; }
    const float* at(int x, int y) const
    {
        return &pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
    }
};

// The sRGB transfer curve and its inverse, for values 0..1.
float srgbToLinear(float encoded);
float linearToSrgb(float linear);

} // namespace monocl
