#include "track_bar.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace monocl {

TrackBar::TrackBar(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 100);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(2);
    setOpaque(true);
}

void TrackBar::setBackgroundKept(bool kept)
{
    if (kept == m_backgroundKept)
        return;
    m_backgroundKept = kept;
    m_background = QImage();
    setOpaque(kept);
    update();
}

// Anything that may change how the widgets behind the bar look throws the
// picture away; the next paint takes a new one.
bool TrackBar::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
    case QEvent::FontChange:
    case QEvent::LanguageChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ParentChange:
    case QEvent::Show:
        m_background = QImage();
        break;
    default:
        break;
    }
    return QSlider::event(event);
}

TrackBar::Placement TrackBar::placement() const
{
    const QWidget* top = window();
    return {mapTo(top, QPoint(0, 0)), size(), top->size(), devicePixelRatioF()};
}

// Only at whole-number scales does the picture land on the same device pixels
// it was taken from; at 125 % or 150 % the bar lets the background through.
bool TrackBar::canKeepBackground() const
{
    const qreal ratio = devicePixelRatioF();
    return m_backgroundKept && ratio == std::floor(ratio) && !testAttribute(Qt::WA_TranslucentBackground);
}

void TrackBar::setOpaque(bool opaque)
{
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

// Renders each widget behind the bar on its own, the window first, as the
// window's paint lays them down; the bar itself is left out. (Rendering the
// window with its children from inside a paint would disturb the paint in
// progress.)
void TrackBar::captureBackground(const Placement& where)
{
    const qreal ratio = where.pixelRatio;
    QImage picture(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QList<QWidget*> behind;
    for (QWidget* w = parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget())
        behind.prepend(w);
    for (QWidget* w : behind) {
        const QRect area(mapTo(w, QPoint(0, 0)), size());
        w->render(&picture, QPoint(), QRegion(area),
                  w->isWindow() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    }
    m_background = picture;
    m_backgroundPlacement = where;
}

void TrackBar::paintEvent(QPaintEvent* event)
{
    const bool keep = canKeepBackground();
    if (keep != testAttribute(Qt::WA_OpaquePaintEvent)) {
        // The scale changed: from the next paint on, the bar is painted the
        // other way; this once, the widgets behind it are painted again.
        setOpaque(keep);
        if (QWidget* behind = parentWidget())
            behind->update(geometry());
        if (!keep)
            return;
    }
    if (keep) {
        const Placement where = placement();
        if (m_background.isNull() || where != m_backgroundPlacement)
            captureBackground(where);
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.drawImage(QPoint(0, 0), m_background);
    }
    QSlider::paintEvent(event);
}

} // namespace monocl
