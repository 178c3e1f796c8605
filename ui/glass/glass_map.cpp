#include "glass_map.h"
#include "glass_map_style.h"

#include "format/number_text.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace monocl {

using namespace glassmap;


GlassMap::GlassMap(QWidget* parent)
    : QWidget(parent)
    , m_wantedNd(std::numeric_limits<double>::quiet_NaN())
    , m_wantedVd(std::numeric_limits<double>::quiet_NaN())
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void GlassMap::setGlasses(const std::vector<Glass>* glasses)
{
    m_glasses = glasses;
    if (m_selected && !glass(*m_selected))
        m_selected.reset();
    updateRange();
    update();
}

void GlassMap::setWanted(double nd, double vd)
{
    m_wantedNd = nd;
    m_wantedVd = vd;
    update();
}

void GlassMap::setNear(std::vector<std::size_t> near)
{
    m_near = std::move(near);
    update();
}

void GlassMap::setSelected(std::optional<std::size_t> index)
{
    if (index && !glass(*index))
        index.reset();
    if (index == m_selected)
        return;
    m_selected = index;
    update();
}

void GlassMap::setDecimalSeparator(char separator)
{
    if (separator == m_separator)
        return;
    m_separator = separator;
    update();
}

const Glass* GlassMap::glass(std::size_t index) const
{
    if (!m_glasses || index >= m_glasses->size())
        return nullptr;
    return &(*m_glasses)[index];
}

bool GlassMap::isVisible(const Glass& g) const
{
    return isFinite(g.nd, g.vd) && g.nd >= m_ndLow && g.nd <= m_ndHigh && g.vd >= m_vdLow
        && g.vd <= m_vdHigh;
}

void GlassMap::updateRange()
{
    double ndMin = DefaultNdLow + NdMargin, ndMax = DefaultNdHigh - NdMargin;
    double vdMin = DefaultVdLow + VdMargin, vdMax = DefaultVdHigh - VdMargin;
    if (m_glasses) {
        for (const Glass& g : *m_glasses) {
            if (!isFinite(g.nd, g.vd))
                continue;
            ndMin = std::min(ndMin, g.nd);
            ndMax = std::max(ndMax, g.nd);
            vdMin = std::min(vdMin, g.vd);
            vdMax = std::max(vdMax, g.vd);
        }
    }
    // Round outwards to whole steps so that the axes end on a tick.
    m_ndLow = std::floor((ndMin - NdMargin) / NdRounding + 1e-9) * NdRounding;
    m_ndHigh = std::ceil((ndMax + NdMargin) / NdRounding - 1e-9) * NdRounding;
    m_vdLow = std::max(0.0, std::floor((vdMin - VdMargin) / VdRounding + 1e-9) * VdRounding);
    m_vdHigh = std::ceil((vdMax + VdMargin) / VdRounding - 1e-9) * VdRounding;
}

QString GlassMap::numberText(double v, int decimals) const
{
    return qs(fixedText(v, 8, decimals, m_separator));
}

QRectF GlassMap::plotArea() const
{
    const QFontMetricsF fm(font());
    const double ndLabel = std::max(fm.horizontalAdvance(numberText(m_ndLow, 2)),
        fm.horizontalAdvance(numberText(m_ndHigh, 2)));
    const double left = fm.height() + 6 + ndLabel + TickLength + 4;
    const double bottom = TickLength + 2 + fm.height() + 2 + fm.height() + 4;
    const double top = fm.height() / 2 + 4;
    const double right = fm.horizontalAdvance(numberText(m_vdLow, 0)) / 2 + 8;
    return QRectF(left, top, std::max(0.0, width() - left - right),
        std::max(0.0, height() - top - bottom));
}

QPointF GlassMap::pointOf(double nd, double vd) const
{
    return pointIn(plotArea(), nd, vd);
}

QPointF GlassMap::pointIn(const QRectF& area, double nd, double vd) const
{
    const double x = area.left() + (m_vdHigh - vd) / (m_vdHigh - m_vdLow) * area.width();
    const double y = area.bottom() - (nd - m_ndLow) / (m_ndHigh - m_ndLow) * area.height();
    return QPointF(x, y);
}

std::optional<std::size_t> GlassMap::glassAt(const QPointF& pos) const
{
    if (!m_glasses)
        return std::nullopt;
    std::optional<std::size_t> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    const QRectF area = plotArea();
    for (std::size_t i = 0; i < m_glasses->size(); ++i) {
        const Glass& g = (*m_glasses)[i];
        if (!isVisible(g))
            continue;
        const QPointF d = pointIn(area, g.nd, g.vd) - pos;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QSize GlassMap::sizeHint() const
{
    return QSize(420, 320);
}

QSize GlassMap::minimumSizeHint() const
{
    return QSize(240, 180);
}

bool GlassMap::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<std::size_t> index = glassAt(help->pos());
        if (index) {
            const Glass& g = *glass(*index);
            const QPointF d = pointOf(g.nd, g.vd) - QPointF(help->pos());
            if (std::hypot(d.x(), d.y()) <= HoverReach) {
                QToolTip::showText(help->globalPos(),
                    qs(glassDisplayName(g) + " (" + makerDisplayName(g.maker) + ")")
                        + QStringLiteral("\nnd %1, Vd %2")
                              .arg(numberText(g.nd, 4), numberText(g.vd, 2)),
                    this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void GlassMap::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QRectF reach = plotArea().adjusted(-NearRadius, -NearRadius, NearRadius, NearRadius);
    if (!reach.contains(event->position())) {
        event->ignore();
        return;
    }
    const std::optional<std::size_t> index = glassAt(event->position());
    if (!index)
        return;
    setSelected(index);
    emit glassClicked(*index);
}

} // namespace monocl
