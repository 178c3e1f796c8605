#pragma once

#include "ray_pictures.h"

#include <QWidget>

#include <optional>

namespace monocl {

// The ray check's pictures on the ray tab (see RayPictures), on white.
class RayPlots : public QWidget
{
    Q_OBJECT

public:
    explicit RayPlots(QWidget* parent = nullptr);

    using Note = RayPictures::Note;

    // What to draw; none for a design that cannot be traced.
    void setLens(std::optional<RayCheck> check, std::optional<RayLens> lens,
                 std::optional<SpotPictures> spots, char separator, Note note = Note::None);
    // The same, the spots made here.
    void setCheck(std::optional<RayCheck> check, std::optional<RayLens> lens, char separator);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RayPictures m_pictures;
};

} // namespace monocl
