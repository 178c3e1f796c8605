// The built-in scenes: each tests one side of a monocle's softness. The
// chart shows how fine detail holds, the lights on dark show the halo, the
// gradient with its bright rim the glow towards the edge.
#include "image_scenes.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace monocl {

namespace {

void paintChart(QPainter& p, int w, int h)
{
    p.fillRect(0, 0, w, h, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Groups of bars, each group finer than the one before, in two rows.
    const int widths[] = {6, 4, 3, 2, 1};
    for (int row = 0; row < 2; ++row) {
        const int top = h / 12 + row * h / 5;
        int x = w / 16;
        for (int width : widths) {
            for (int bar = 0; bar < 5; ++bar, x += 2 * width)
                p.drawRect(x, top, width, h / 7);
            x += 12;
        }
    }
    // A star of wedges in the middle.
    const QPointF centre(w * 0.3, h * 0.72);
    const double radius = std::min(w, h) * 0.22;
    for (int i = 0; i < 36; i += 2) {
        const double a0 = i * M_PI / 18, a1 = (i + 1) * M_PI / 18;
        const QPointF points[] = {centre, centre + radius * QPointF(std::cos(a0), std::sin(a0)),
                                  centre + radius * QPointF(std::cos(a1), std::sin(a1))};
        p.drawPolygon(points, 3);
    }
    // Letters of falling size.
    p.setPen(Qt::black);
    int x = int(w * 0.54), y = int(h * 0.52);
    for (int size = std::max(8, h / 16); size >= 6 && y < h; size = size * 3 / 4) {
        QFont font(QStringLiteral("Sans"));
        font.setPixelSize(size);
        p.setFont(font);
        p.drawText(x, y + size, QStringLiteral("МОНОКЛЬ abc"));
        y += size + size / 3;
    }
}

void paintLights(QPainter& p, int w, int h)
{
    p.fillRect(0, 0, w, h, QColor(8, 8, 12));
    p.setPen(Qt::NoPen);
    const QColor colours[] = {Qt::white, QColor(255, 220, 160), QColor(180, 210, 255)};
    // A grid of points over the whole frame, so the halo is seen at every
    // field radius.
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 9; ++col) {
            p.setBrush(colours[(row + col) % 3]);
            const double x = (col + 0.5) * w / 9.0, y = (row + 0.5) * h / 7.0;
            const double r = 0.6 + (row + col) % 3;
            p.drawEllipse(QPointF(x, y), r, r);
        }
}

void paintGradient(QPainter& p, int w, int h)
{
    QLinearGradient gradient(0, 0, w, 0);
    gradient.setColorAt(0, QColor(20, 30, 50));
    gradient.setColorAt(1, QColor(200, 190, 170));
    p.fillRect(0, 0, w, h, gradient);
    p.setPen(QPen(Qt::white, std::max(2, h / 60)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(w * 0.2, h * 0.15, w * 0.6, h * 0.7));
}

} // namespace

QImage builtInScene(BuiltInScene scene, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (scene) {
    case BuiltInScene::Chart: paintChart(p, width, height); break;
    case BuiltInScene::Lights: paintLights(p, width, height); break;
    case BuiltInScene::Gradient: paintGradient(p, width, height); break;
    }
    return image;
}

LinearImage toLinear(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    LinearImage linear(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            float* out = linear.at(x, y);
            out[0] = srgbToLinear(float(qRed(line[x])) / 255.0f);
            out[1] = srgbToLinear(float(qGreen(line[x])) / 255.0f);
            out[2] = srgbToLinear(float(qBlue(line[x])) / 255.0f);
        }
    }
    return linear;
}

QImage fromLinear(const LinearImage& linear)
{
    QImage image(linear.width, linear.height, QImage::Format_RGB32);
    const auto encode = [](float v) { return int(std::lround(255.0f * linearToSrgb(std::clamp(v, 0.0f, 1.0f)))); };
    for (int y = 0; y < linear.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < linear.width; ++x) {
            const float* in = linear.at(x, y);
            line[x] = qRgb(encode(in[0]), encode(in[1]), encode(in[2]));
        }
    }
    return image;
}

QImage readScene(QImageReader& reader, QString* reason)
{
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.isEmpty() || qint64(size.width()) * size.height() > MaxScenePixels)) {
        *reason = QCoreApplication::translate("ImageView", "размер %1 × %2 не подходит")
                      .arg(size.width()).arg(size.height());
        return {};
    }
    // Eight bytes a pixel hold the widest format a reader gives.
    constexpr qint64 BytesPerPixel = 8;
    const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : MaxScenePixels;
    const int megabytes = int(pixels * BytesPerPixel / (1024 * 1024)) + 1;
    const int keptLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(std::max(keptLimit, megabytes));
    QImage image = reader.read();
    QImageReader::setAllocationLimit(keptLimit);
    if (image.isNull())
        *reason = reader.errorString();
    else if (image.size().isEmpty())
        *reason = QCoreApplication::translate("ImageView", "пустой снимок");
    return image.size().isEmpty() ? QImage() : image;
}

} // namespace monocl
