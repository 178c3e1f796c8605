#include "psf_picture.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace monocl {

namespace {

// How many decades below the peak the log scale reaches.
constexpr double LogDecades = 4;
constexpr int MinShownSize = 16;
// On the linear scale what is dimmer than this share of the peak is black.
constexpr double LinearFloor = 0.01;

// The half side of the centred square outside which every sample is below
// the scale's floor (black): the grid holds the whole geometric spot with a
// margin, and shown whole the core would be a dot.
int shownHalf(const Psf& psf, double peak, bool log)
{
    const int centre = psf.size / 2;
    int half = MinShownSize / 2;
    const double floor = peak * (log ? std::pow(10.0, -LogDecades) : LinearFloor);
    for (int row = 0; row < psf.size; ++row)
        for (int col = 0; col < psf.size; ++col)
            if (psf.at(col, row) >= floor)
                half = std::max({half, std::abs(col - centre) + 1, std::abs(row - centre) + 1});
    return std::min(half, centre);
}

} // namespace

PsfPicture::PsfPicture(QWidget* parent)
    : QWidget(parent)
{
}

void PsfPicture::setPsf(const std::optional<Psf>& psf)
{
    m_psf = psf;
    render();
}

void PsfPicture::setLogScale(bool log)
{
    m_log = log;
    render();
}

void PsfPicture::render()
{
    m_picture = QImage();
    if (!m_psf || m_psf->size <= 0)
        return update();
    const double peak = *std::max_element(m_psf->values.begin(), m_psf->values.end());
    if (!(peak > 0))
        return update();
    const int half = shownHalf(*m_psf, peak, m_log), first = m_psf->size / 2 - half;
    m_shownSize = 2 * half;
    QImage image(m_shownSize, m_shownSize, QImage::Format_Grayscale8);
    for (int row = 0; row < m_shownSize; ++row) {
        uchar* line = image.scanLine(row);
        for (int col = 0; col < m_shownSize; ++col) {
            double v = m_psf->at(first + col, first + row) / peak;
            if (m_log)
                v = v > 0 ? std::max(0.0, 1 + std::log10(v) / LogDecades) : 0;
            line[col] = uchar(std::lround(255 * std::clamp(v, 0.0, 1.0)));
        }
    }
    // Row 0 is nearest the axis: turned so that outwards is up.
    m_picture = image.mirrored(false, true);
    update();
}

void PsfPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (m_picture.isNull())
        return;
    const int side = std::min(width(), height() - 18);
    const QRect place((width() - side) / 2, 0, side, side);
    p.drawImage(place, m_picture);
    p.setPen(Qt::white);
    const double microns = m_shownSize * m_psf->sample * 1000;
    p.drawText(QRect(0, height() - 18, width(), 18), Qt::AlignCenter,
               QCoreApplication::translate("PsfPicture", "поле %1 мкм").arg(std::lround(microns)));
}

} // namespace monocl
