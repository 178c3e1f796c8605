#pragma once

#include "core/ray_spots.h"
#include "core/ray_trace.h"

#include <QFont>
#include <QRectF>

#include <optional>

class QPainter;

namespace monocl {

// The ray check of one lens in pictures, each axis with numbered ticks and
// a light grid: the spots of the three fields at the axial best focus in the
// F, d and C lines with the Airy disk, the lens's section with the stop's
// opening and rays from in front of the stop, the longitudinal spherical
// aberration from the axis to the rim, the RMS spot radius through focus on
// the axis and at the edge, and the sagittal and tangential foci against
// the field angle. Wider than high, the panels stand in two rows; higher
// than wide (on paper), in three. Plain data that paints on any device, so
// that what has no widgets (a report written from the command line) draws
// them too.
class RayPictures
{
public:
    // Instead of the pictures, when there is no lens.
    enum class Note { None, NotRefined };

    // What to draw; none for a design that cannot be traced.
    void setLens(std::optional<RayCheck> check, std::optional<RayLens> lens,
                 std::optional<SpotPictures> spots, char separator, Note note = Note::None);
    // The same, the spots made here.
    void setCheck(std::optional<RayCheck> check, std::optional<RayLens> lens, char separator);

    // Paints the pictures into the area, their texts in the font given
    // (made 11 pixels high); the painter is left as it was.
    void paint(QPainter& p, const QRectF& area, QFont font) const;

private:
    void paintPanels(QPainter& p, const QSizeF& size) const;
    void drawSpots(QPainter& p, const QRectF& area) const;
    void drawSpherical(QPainter& p, const QRectF& area) const;
    void drawThroughFocus(QPainter& p, const QRectF& area) const;
    void drawFieldFoci(QPainter& p, const QRectF& area) const;
    void drawSection(QPainter& p, const QRectF& area) const;

    std::optional<RayCheck> m_check;
    std::optional<RayLens> m_lens;
    std::optional<SpotPictures> m_spots;
    char m_separator = ',';
    Note m_note = Note::None;
};

} // namespace monocl
