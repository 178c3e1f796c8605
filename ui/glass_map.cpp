#include "glass_map.h"

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

namespace {

const QColor DotColor{128, 128, 128};
const QColor NearColor{30, 90, 220};
const QColor SelectedColor{0, 150, 60};
const QColor WantedColor{220, 0, 0};
const QColor GridColor{232, 232, 232};

constexpr double DotRadius = 1.6;
constexpr double NearRadius = 4.5;
constexpr double SelectedRadius = 4.0;
constexpr double CrossHalf = 6.0;
constexpr double TickLength = 4.0;
// How close the pointer must be to a glass for its tooltip, in pixels.
constexpr double HoverReach = 6.0;

// The default axes and the margin kept around the glasses beyond them.
constexpr double DefaultNdLow = 1.40;
constexpr double DefaultNdHigh = 2.05;
constexpr double DefaultVdLow = 15;
constexpr double DefaultVdHigh = 95;
constexpr double NdMargin = 0.02;
constexpr double VdMargin = 1.0;
constexpr double NdRounding = 0.05;
constexpr double VdRounding = 5.0;

bool isFinite(double nd, double vd)
{
    return std::isfinite(nd) && std::isfinite(vd);
}

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

void drawCross(QPainter& painter, const QPointF& p, double half)
{
    painter.drawLine(p + QPointF(-half, -half), p + QPointF(half, half));
    painter.drawLine(p + QPointF(-half, half), p + QPointF(half, -half));
}

} // namespace

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
    const QRectF area = plotArea();
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
    for (std::size_t i = 0; i < m_glasses->size(); ++i) {
        const Glass& g = (*m_glasses)[i];
        if (!isVisible(g))
            continue;
        const QPointF d = pointOf(g.nd, g.vd) - pos;
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

std::vector<GlassMap::Tick> GlassMap::ticks(double from, double to, double pixels,
    double minSpacing, const std::vector<double>& steps, int decimals) const
{
    std::vector<Tick> out;
    if (!(to > from) || pixels <= 0)
        return out;
    // The finest step whose ticks stay minSpacing apart; the coarsest one
    // when none does.
    double step = steps.back();
    for (double s : steps) {
        if (s / (to - from) * pixels >= minSpacing) {
            step = s;
            break;
        }
    }
    const long long first = static_cast<long long>(std::ceil(from / step - 1e-9));
    const long long last = static_cast<long long>(std::floor(to / step + 1e-9));
    for (long long k = first; k <= last; ++k) {
        const double v = static_cast<double>(k) * step;
        out.push_back({v, numberText(v, decimals)});
    }
    return out;
}

void GlassMap::paintAxes(QPainter& painter, const QRectF& area) const
{
    const QFontMetricsF fm(font());
    const QColor text = palette().color(QPalette::WindowText);

    const std::vector<Tick> ndTicks = ticks(m_ndLow, m_ndHigh, area.height(), fm.height() * 1.8,
        {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0}, 2);
    const double vdLabel = fm.horizontalAdvance(numberText(m_vdHigh, 0));
    const std::vector<Tick> vdTicks = ticks(m_vdLow, m_vdHigh, area.width(), vdLabel + 14,
        {1, 2, 5, 10, 20, 50, 100}, 0);

    painter.setPen(QPen(GridColor, 1));
    for (const Tick& t : ndTicks) {
        const double y = pointOf(t.value, m_vdHigh).y();
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    for (const Tick& t : vdTicks) {
        const double x = pointOf(m_ndLow, t.value).x();
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }

    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    for (const Tick& t : ndTicks) {
        const double y = pointOf(t.value, m_vdHigh).y();
        painter.drawLine(QPointF(area.left() - TickLength, y), QPointF(area.left(), y));
        const QRectF box(0, y - fm.height() / 2, area.left() - TickLength - 3, fm.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, t.label);
    }
    for (const Tick& t : vdTicks) {
        const double x = pointOf(m_ndLow, t.value).x();
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + TickLength));
        const QRectF box(x - 40, area.bottom() + TickLength + 2, 80, fm.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, t.label);
    }

    // The axis titles: Vd below the Vd labels, nd upright left of the nd labels.
    const QRectF vdTitle(area.left(), area.bottom() + TickLength + 2 + fm.height() + 2,
        area.width(), fm.height());
    painter.drawText(vdTitle, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Vd"));
    painter.save();
    painter.translate(2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, 0, area.height(), fm.height()),
        Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("nd"));
    painter.restore();
}

void GlassMap::paintGlasses(QPainter& painter) const
{
    if (m_glasses) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(DotColor);
        for (const Glass& g : *m_glasses) {
            if (isVisible(g))
                painter.drawEllipse(pointOf(g.nd, g.vd), DotRadius, DotRadius);
        }

        painter.setPen(QPen(NearColor, 1.5));
        painter.setBrush(Qt::NoBrush);
        for (std::size_t index : m_near) {
            const Glass* g = glass(index);
            if (g && isVisible(*g))
                painter.drawEllipse(pointOf(g->nd, g->vd), NearRadius, NearRadius);
        }
    }

    const Glass* selected = m_selected ? glass(*m_selected) : nullptr;
    if (selected && isVisible(*selected)) {
        const QPointF p = pointOf(selected->nd, selected->vd);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(SelectedColor);
        painter.drawEllipse(p, SelectedRadius, SelectedRadius);

        // The name beside the dot, on the side where it fits, over a pale
        // backing so that it stays readable among the dots.
        const QString name = qs(glassDisplayName(*selected));
        const QFontMetricsF fm(font());
        const QRectF area = plotArea();
        QRectF box(0, 0, fm.horizontalAdvance(name) + 6, fm.height() + 2);
        box.moveBottomLeft(p + QPointF(SelectedRadius + 2, -SelectedRadius - 1));
        if (box.right() > area.right())
            box.moveRight(p.x() - SelectedRadius - 2);
        if (box.top() < area.top())
            box.moveTop(p.y() + SelectedRadius + 1);
        QColor backing = palette().color(QPalette::Base);
        backing.setAlpha(210);
        painter.setPen(Qt::NoPen);
        painter.setBrush(backing);
        painter.drawRoundedRect(box, 3, 3);
        painter.setPen(SelectedColor.darker(140));
        painter.drawText(box, Qt::AlignCenter, name);
    }

    // The wanted values last, so that no glass hides them.
    if (isFinite(m_wantedNd, m_wantedVd)) {
        painter.setPen(QPen(WantedColor, 2, Qt::SolidLine, Qt::RoundCap));
        drawCross(painter, pointOf(m_wantedNd, m_wantedVd), CrossHalf);
    }
}

void GlassMap::paintLegend(QPainter& painter, const QRectF& area) const
{
    // Top left: no glass has both a high index and a high Abbe number.
    const QFontMetricsF fm(font());
    const double line = fm.height() + 2;
    const QStringList texts{QStringLiteral("заданное"), QStringLiteral("ближайшие"),
        QStringLiteral("выбранное")};
    double textWidth = 0;
    for (const QString& t : texts)
        textWidth = std::max(textWidth, fm.horizontalAdvance(t));
    const QRectF box(area.left() + 6, area.top() + 6, 24 + textWidth + 8, texts.size() * line + 6);
    if (box.right() > area.right() || box.bottom() > area.bottom())
        return;

    QColor backing = palette().color(QPalette::Base);
    backing.setAlpha(220);
    painter.setPen(QPen(GridColor.darker(115), 1));
    painter.setBrush(backing);
    painter.drawRect(box);

    const double x = box.left() + 12;
    for (int i = 0; i < texts.size(); ++i) {
        const double y = box.top() + 3 + line * (i + 0.5);
        const QPointF p(x, y);
        switch (i) {
        case 0:
            painter.setPen(QPen(WantedColor, 2, Qt::SolidLine, Qt::RoundCap));
            drawCross(painter, p, 4);
            break;
        case 1:
            painter.setPen(QPen(NearColor, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(p, NearRadius, NearRadius);
            break;
        default:
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(SelectedColor);
            painter.drawEllipse(p, SelectedRadius, SelectedRadius);
            break;
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(box.left() + 24, y - line / 2, textWidth + 4, line),
            Qt::AlignLeft | Qt::AlignVCenter, texts[i]);
    }
}

void GlassMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area = plotArea();
    if (area.width() < 1 || area.height() < 1)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    paintAxes(painter, area);

    painter.save();
    painter.setClipRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    paintGlasses(painter);
    painter.restore();

    paintLegend(painter, area);
}

} // namespace monocl
