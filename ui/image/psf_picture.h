#pragma once

#include "core/pupil_psf.h"

#include <QWidget>

#include <optional>

namespace monocl {

// The PSF as a grey picture, brightest sample white, its width in
// micrometres written under it; on a log scale four decades are shown.
class PsfPicture : public QWidget
{
    Q_OBJECT

public:
    explicit PsfPicture(QWidget* parent);

    // None shows an empty frame.
    void setPsf(const std::optional<Psf>& psf);
    void setLogScale(bool log);
    bool hasPsf() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void render();

    std::optional<Psf> m_psf;
    bool m_log = false;
    QImage m_picture;
    int m_shownSize = 0; // samples a side of the part shown
};

} // namespace monocl
