#include "core/image_blur.h"

#include "core/blur_kernel.h"
#include "core/fft_plans.h"
#include "core/task_pool.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <mutex>

namespace monocl {

namespace {

// A kernel wider than this many pixels would make the tiles' transforms
// larger than the picture's: its far light is left out (the kernel is
// normalised again).
constexpr int MaxKernelRadius = 400;

// The tiles cover the frame and a margin of the kernel's radius round it,
// where the scene goes on as its edge pixels: a photograph's edge gathers
// light from beyond the frame too, and without it the edges would darken.
struct Tiling {
    int spacing = 0; // pixels between tile centres; each tile reaches one spacing each way
    int radius = 0;  // of the kernel, and the margin
    int fft = 0;     // transform size a side
    int across = 0, down = 0;
};

// The weight of the tile centred at c at the pixel x: a hat one spacing
// wide each way, so the tiles' weights add up to 1 everywhere.
double hat(int x, int c, int spacing)
{
    return std::max(0.0, 1.0 - std::abs(x - c) / static_cast<double>(spacing));
}

class TileWork {
public:
    TileWork(const LinearImage& scene, const FieldPsfs& psfs, double pitch, const Tiling& t,
             LinearImage& out, std::mutex& lock)
        : m_scene(scene), m_psfs(psfs), m_pitch(pitch), m_t(t), m_out(out), m_lock(lock),
          m_input(static_cast<std::size_t>(t.fft) * static_cast<std::size_t>(t.fft)),
          m_light(static_cast<std::size_t>(t.fft) * static_cast<std::size_t>(t.fft / 2 + 1)),
          m_kernel(m_light.size())
    {
    }

    void run(int tile)
    {
        const int margin = m_t.radius;
        const int cx = (tile % m_t.across) * m_t.spacing - margin;
        const int cy = (tile / m_t.across) * m_t.spacing - margin;
        prepareKernel(cx, cy);
        const int x0 = std::max(-margin, cx - m_t.spacing + 1);
        const int x1 = std::min(m_scene.width - 1 + margin, cx + m_t.spacing - 1);
        const int y0 = std::max(-margin, cy - m_t.spacing + 1);
        const int y1 = std::min(m_scene.height - 1 + margin, cy + m_t.spacing - 1);
        if (x0 > x1 || y0 > y1)
            return;
        std::vector<float> result[3];
        for (int ch = 0; ch < 3; ++ch)
            result[ch] = convolveChannel(ch, cx, cy, x0, x1, y0, y1);
        addToOutput(result, x0, y0, x1, y1);
    }

private:
    void prepareKernel(int cx, int cy)
    {
        const double dx = cx - (m_scene.width - 1) / 2.0, dy = cy - (m_scene.height - 1) / 2.0;
        const double r = std::hypot(dx, dy);
        const double half = std::hypot(m_scene.width, m_scene.height) / 2.0;
        const double rx = r > 0 ? dx / r : 0.0, ry = r > 0 ? dy / r : -1.0;
        const BlurKernel k = kernelAt(m_psfs, r / half, rx, ry, m_pitch, m_t.radius);
        const int n = m_t.fft, side = 2 * k.radius + 1;
        std::fill(m_input.data(), m_input.data() + m_input.size(), 0.0);
        // The kernel's centre at (0, 0), wrapped, so the convolution does not move the picture.
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                m_input[static_cast<std::size_t>(((y - k.radius + n) % n) * n + (x - k.radius + n) % n)] =
                    k.values[static_cast<std::size_t>(y * side + x)];
        fft::realForward(m_input, m_kernel, n, n);
    }

    std::vector<float> convolveChannel(int ch, int cx, int cy, int x0, int x1, int y0, int y1)
    {
        const int n = m_t.fft, k = m_t.radius;
        std::fill(m_input.data(), m_input.data() + m_input.size(), 0.0);
        for (int y = y0; y <= y1; ++y) {
            const double wy = hat(y, cy, m_t.spacing);
            const int sy = std::clamp(y, 0, m_scene.height - 1);
            for (int x = x0; x <= x1; ++x)
                m_input[static_cast<std::size_t>((y - y0 + k) * n + (x - x0 + k))] =
                    wy * hat(x, cx, m_t.spacing) * m_scene.at(std::clamp(x, 0, m_scene.width - 1), sy)[ch];
        }
        fft::realForward(m_input, m_light, n, n);
        const double scale = 1.0 / (static_cast<double>(n) * n);
        for (std::size_t i = 0; i < m_light.size(); ++i)
            m_light[i] *= m_kernel[i] * scale;
        fft::realBackward(m_light, m_input, n, n);
        const int w = x1 - x0 + 1 + 2 * k, h = y1 - y0 + 1 + 2 * k;
        std::vector<float> out(static_cast<std::size_t>(w * h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out[static_cast<std::size_t>(y * w + x)] = static_cast<float>(m_input[static_cast<std::size_t>(y * n + x)]);
        return out;
    }

    void addToOutput(const std::vector<float> (&result)[3], int x0, int y0, int x1, int y1)
    {
        const int k = m_t.radius, w = x1 - x0 + 1 + 2 * k;
        const std::lock_guard<std::mutex> guard(m_lock);
        for (int y = std::max(0, y0 - k); y <= std::min(m_out.height - 1, y1 + k); ++y)
            for (int x = std::max(0, x0 - k); x <= std::min(m_out.width - 1, x1 + k); ++x)
                for (int ch = 0; ch < 3; ++ch)
                    m_out.at(x, y)[ch] += result[ch][static_cast<std::size_t>((y - y0 + k) * w + (x - x0 + k))];
    }

    const LinearImage& m_scene;
    const FieldPsfs& m_psfs;
    double m_pitch;
    Tiling m_t;
    LinearImage& m_out;
    std::mutex& m_lock;
    FftBuffer<double> m_input;
    FftBuffer<Complex> m_light;
    FftBuffer<Complex> m_kernel;
};

Tiling tilingFor(const LinearImage& scene, const FieldPsfs& psfs, double pitch)
{
    Tiling t;
    t.radius = kernelRadius(psfs, pitch, MaxKernelRadius);
    // Tiles well wider than the kernel, so the transforms are not mostly margin.
    t.spacing = std::max(48, 2 * t.radius);
    t.fft = fft::goodSize(2 * t.spacing - 1 + 2 * t.radius);
    t.across = (scene.width - 1 + 2 * t.radius) / t.spacing + 2;
    t.down = (scene.height - 1 + 2 * t.radius) / t.spacing + 2;
    return t;
}

} // namespace

std::optional<LinearImage> blurImage(const LinearImage& scene, const FieldPsfs& psfs, double pitch,
                                     int threads, const WorkControl& control)
{
    if (scene.width <= 0 || scene.height <= 0 || psfs.psfs.empty() ||
        psfs.psfs.size() != psfs.shares.size() || !(pitch > 0))
        return std::nullopt;
    const Tiling t = tilingFor(scene, psfs, pitch);
    LinearImage out(scene.width, scene.height);
    std::mutex lock;
    std::atomic<int> done{0};
    const int total = t.across * t.down;
    // Each thread keeps its own buffers for all the tiles it takes.
    std::vector<std::unique_ptr<TileWork>> works(static_cast<std::size_t>(std::max(1, threads)));
    runTasks(total, threads, [&](int tile, int thread) {
        std::unique_ptr<TileWork>& work = works[static_cast<std::size_t>(thread)];
        if (!work)
            work = std::make_unique<TileWork>(scene, psfs, pitch, t, out, lock);
        work->run(tile);
        const int finished = ++done;
        if (threads <= 1 || finished % 4 == 0)
            control.report(static_cast<double>(finished) / total);
    }, control);
    if (control.cancelled())
        return std::nullopt;
    return out;
}

} // namespace monocl
