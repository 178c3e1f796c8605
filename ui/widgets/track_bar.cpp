#include "track_bar.h"

#include "kept_background.h"

namespace monocl {

TrackBar::TrackBar(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
    , m_background(new KeptBackground(this))
{
    setRange(0, 100);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(2);
}

void TrackBar::setBackgroundKept(bool kept)
{
    m_background->setKept(kept);
}

} // namespace monocl
