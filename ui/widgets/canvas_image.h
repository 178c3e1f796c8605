#pragma once

#include "black_runs.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace monocl {

// An image control with a drawing surface. The surface is an RGB32 image that
// comes into being, white, at the first drawing operation with the widget's
// size at that moment, and is kept from then on: later resizes of the widget
// neither recreate nor scale it. The widget shows the surface pixel for pixel
// at its top left corner, without a frame; before the first drawing it shows
// nothing.
//
// Coordinates are pixel indices and may lie anywhere in the long long range;
// whatever falls outside the surface is clipped. The operations follow the
// usual raster conventions: rectangles exclude their right and bottom edges,
// a line excludes its end point.
class CanvasImage : public QWidget {
    Q_OBJECT

public:
    explicit CanvasImage(QWidget* parent = nullptr);

    // The drawing surface; a null image before the first drawing.
    QImage image() const { return m_surface; }

    void setBrushColor(const QColor& color);
    QColor brushColor() const;

    // Fills [x1, x2) x [y1, y2) with the brush.
    void fillRect(long long x1, long long y1, long long x2, long long y2);

    // The ellipse inscribed in the rectangle [left, right) x [top, bottom):
    // a one-pixel black outline, closed against a 4-connected flood fill, with
    // the inside filled with the brush. Swapped edges are put in order; an
    // empty rectangle draws nothing.
    void ellipse(long long left, long long top, long long right, long long bottom);

    // The pen position and a one-pixel black line from it to (x, y), the end
    // point itself not drawn; the pen then stands at (x, y).
    void moveTo(long long x, long long y);
    void lineTo(long long x, long long y);

    // Fills with the brush every pixel 4-connected to the seed whose colour is
    // not the border colour. A seed outside the surface or on a border-coloured
    // pixel fills nothing.
    //
    // With a black border the fill walks the canvas's record of its black
    // runs, which every drawing operation keeps in step; otherwise, or while
    // that record is invalid, it walks the pixels. Both fill the same pixels.
    void floodFill(long long x, long long y, const QColor& border);

    // Whether the canvas may use its record of black runs (the default): to
    // fill against black, and to skip the pixels that already have the colour
    // being painted. Off, every operation paints pixel by pixel and a fill
    // walks the pixels, so the two ways can be compared.
    void setUseBlackRuns(bool on) { m_useBlackRuns = on; }
    // Whether a fill against black would walk the runs now.
    bool fillsByRuns() const { return m_useBlackRuns && m_blackRuns.valid(); }

    // Sets the widget's height, keeping its width and position.
    void setHeight(int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Creates the surface if there is none yet; false if the widget is too
    // small to have one.
    bool ensureSurface();
    void updateOpaque();
    // Paints the columns [x1, x2] of row y, clipped to the surface, and
    // records the span in the black runs. line is the row's first pixel.
    void paintSpan(QRgb* line, int y, long long x1, long long x2, QRgb color);
    void floodFillPixels(int x, int y, QRgb stop);

    QImage m_surface;
    int m_surfaceWidth = 0;
    BlackRuns m_blackRuns;
    // While the black runs are valid and m_plain holds, every pixel that is
    // not black has the colour m_plainColor, so painting that colour needs to
    // touch only the black runs.
    bool m_plain = false;
    QRgb m_plainColor = 0;
    bool m_useBlackRuns = true;
    QRgb m_brush = qRgb(255, 255, 255);
    long long m_penX = 0;
    long long m_penY = 0;
};

} // namespace monocl
