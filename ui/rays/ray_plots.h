#pragma once

#include "core/ray_trace.h"

#include <QWidget>

#include <optional>

class QPainter;

namespace monocl {

// The ray check in pictures: the spots of the three fields at best focus
// with the Airy disk and a scale bar, the longitudinal spherical aberration
// against the pupil height, the sagittal and tangential foci against the
// field angle, and a section of the lens with the stop and traced rays.
class RayPlots : public QWidget
{
    Q_OBJECT

public:
    explicit RayPlots(QWidget* parent = nullptr);

    // What to draw; none for a design that cannot be traced.
    void setCheck(std::optional<RayCheck> check, std::optional<RayLens> lens, char separator);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawSpots(QPainter& p, const QRectF& area) const;
    void drawSpherical(QPainter& p, const QRectF& area) const;
    void drawFieldFoci(QPainter& p, const QRectF& area) const;
    void drawSection(QPainter& p, const QRectF& area) const;
    QString number(double value, int decimals) const;

    std::optional<RayCheck> m_check;
    std::optional<RayLens> m_lens;
    char m_separator = ',';
};

} // namespace monocl
