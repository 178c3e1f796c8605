#include "photo_compare.h"

#include <QPainter>
#include <QSlider>

namespace monocl {

namespace {

constexpr int SliderHeight = 20;
constexpr int SliderSteps = 1000;

} // namespace

PhotoCompare::PhotoCompare(QWidget* parent)
    : QWidget(parent)
    , m_slider(new QSlider(Qt::Horizontal, this))
{
    m_slider->setObjectName(QStringLiteral("photoSlider"));
    m_slider->setRange(0, SliderSteps);
    m_slider->setValue(SliderSteps / 2);
    connect(m_slider, &QSlider::valueChanged, this, qOverload<>(&QWidget::update));
}

void PhotoCompare::setScene(const QImage& scene)
{
    m_scene = scene;
    update();
}

void PhotoCompare::setPhotograph(const QImage& photograph)
{
    m_photograph = photograph;
    update();
}

void PhotoCompare::resizeEvent(QResizeEvent*)
{
    m_slider->setGeometry(0, height() - SliderHeight, width(), SliderHeight);
}

// The scene's shape kept, as large as the frame allows.
QRect PhotoCompare::pictureRect() const
{
    const QSize area(width(), height() - SliderHeight - 2);
    if (m_scene.isNull() || area.isEmpty())
        return {};
    const QSize size = m_scene.size().scaled(area, Qt::KeepAspectRatio);
    return QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

void PhotoCompare::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(64, 64, 64));
    const QRect place = pictureRect();
    if (place.isEmpty())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(place, m_scene);
    if (m_photograph.isNull()) {
        p.fillRect(place, QColor(128, 128, 128, 110));
        return;
    }
    const double share = double(m_slider->value()) / SliderSteps;
    const int split = int(place.width() * share);
    const QRectF source(0, 0, m_photograph.width() * share, m_photograph.height());
    p.drawImage(QRectF(place.left(), place.top(), split, place.height()), m_photograph, source);
    p.setPen(QPen(Qt::yellow, 1));
    p.drawLine(place.left() + split, place.top(), place.left() + split, place.bottom());
}

} // namespace monocl
