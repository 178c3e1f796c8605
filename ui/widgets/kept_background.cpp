#include "kept_background.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <cmath>
#include <utility>

namespace monocl {

KeptBackground::KeptBackground(QWidget* widget)
    : QObject(widget)
    , m_widget(widget)
{
    // See-through until its first paint, which comes with the widgets behind
    // it painted anyway, so that the window's first frame takes no pictures.
    widget->installEventFilter(this);
}

void KeptBackground::setKept(bool kept)
{
    if (kept == m_kept)
        return;
    m_kept = kept;
    m_picture = QImage();
    setOpaque(kept);
    m_widget->update();
}

// Anything that may change how the widgets behind look throws the picture
// away; the next paint takes a new one.
bool KeptBackground::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_widget)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        return !paintBehind(static_cast<QPaintEvent*>(event));
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
    case QEvent::FontChange:
    case QEvent::LanguageChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ParentChange:
    case QEvent::Show:
        m_picture = QImage();
        break;
    default:
        break;
    }
    return false;
}

KeptBackground::Placement KeptBackground::placement() const
{
    const QWidget* top = m_widget->window();
    return {m_widget->mapTo(top, QPoint(0, 0)), m_widget->size(), top->size(),
            m_widget->devicePixelRatioF()};
}

bool KeptBackground::canKeep() const
{
    const qreal ratio = m_widget->devicePixelRatioF();
    return m_kept && ratio == std::floor(ratio) && !m_widget->testAttribute(Qt::WA_TranslucentBackground);
}

void KeptBackground::setOpaque(bool opaque)
{
    m_widget->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

// Renders each widget behind on its own, the window first, as the window's
// paint lays them down; the widget itself is left out. (Rendering the window
// with its children from inside a paint would disturb the paint in progress.)
void KeptBackground::capture(const Placement& where)
{
    const qreal ratio = where.pixelRatio;
    QImage picture(m_widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QList<QWidget*> behind;
    for (QWidget* w = m_widget->parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget())
        behind.prepend(w);
    for (QWidget* w : behind) {
        const QRect area(m_widget->mapTo(w, QPoint(0, 0)), m_widget->size());
        w->render(&picture, QPoint(), QRegion(area),
                  w->isWindow() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    }
    m_picture = picture;
    m_placement = where;
}

bool KeptBackground::paintBehind(QPaintEvent* event)
{
    const bool keep = canKeep();
    // A first paint while see-through lays down what is behind it already.
    if (!std::exchange(m_painted, true) && !m_widget->testAttribute(Qt::WA_OpaquePaintEvent)) {
        setOpaque(keep);
        return true;
    }
    if (keep != m_widget->testAttribute(Qt::WA_OpaquePaintEvent)) {
        // The scale changed: from the next paint on, the widget is painted
        // the other way; this once, the widgets behind it are painted again.
        setOpaque(keep);
        if (QWidget* behind = m_widget->parentWidget())
            behind->update(m_widget->geometry());
        if (!keep)
            return false;
    }
    if (keep) {
        const Placement where = placement();
        if (m_picture.isNull() || where != m_placement)
            capture(where);
        QPainter painter(m_widget);
        painter.setClipRegion(event->region());
        painter.drawImage(QPoint(0, 0), m_picture);
    }
    return true;
}

} // namespace monocl
