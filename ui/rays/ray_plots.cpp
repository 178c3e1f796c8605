#include "ray_plots.h"

#include <QPainter>

namespace monocl {

RayPlots::RayPlots(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void RayPlots::setLens(std::optional<RayCheck> check, std::optional<RayLens> lens,
                       std::optional<SpotPictures> spots, char separator, Note note)
{
    m_pictures.setLens(std::move(check), lens, std::move(spots), separator, note);
    update();
}

void RayPlots::setCheck(std::optional<RayCheck> check, std::optional<RayLens> lens, char separator)
{
    m_pictures.setCheck(std::move(check), lens, separator);
    update();
}

void RayPlots::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_pictures.paint(p, rect(), font());
}

} // namespace monocl
