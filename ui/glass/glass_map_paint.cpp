// Drawing the glass map: axes, glasses, marks and legend.
#include "glass_map.h"
#include "glass_map_style.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace monocl {

using namespace glassmap;

namespace {

void drawCross(QPainter& painter, const QPointF& p, double half)
{
    painter.drawLine(p + QPointF(-half, -half), p + QPointF(half, half));
    painter.drawLine(p + QPointF(-half, half), p + QPointF(half, -half));
}

} // namespace

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
        const double y = pointIn(area, t.value, m_vdHigh).y();
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    for (const Tick& t : vdTicks) {
        const double x = pointIn(area, m_ndLow, t.value).x();
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }

    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    for (const Tick& t : ndTicks) {
        const double y = pointIn(area, t.value, m_vdHigh).y();
        painter.drawLine(QPointF(area.left() - TickLength, y), QPointF(area.left(), y));
        const QRectF box(0, y - fm.height() / 2, area.left() - TickLength - 3, fm.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, t.label);
    }
    for (const Tick& t : vdTicks) {
        const double x = pointIn(area, m_ndLow, t.value).x();
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

void GlassMap::paintGlasses(QPainter& painter, const QRectF& area) const
{
    if (m_glasses) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(DotColor);
        for (const Glass& g : *m_glasses) {
            if (isVisible(g))
                painter.drawEllipse(pointIn(area, g.nd, g.vd), DotRadius, DotRadius);
        }

        painter.setPen(QPen(NearColor, 1.5));
        painter.setBrush(Qt::NoBrush);
        for (std::size_t index : m_near) {
            const Glass* g = glass(index);
            if (g && isVisible(*g))
                painter.drawEllipse(pointIn(area, g->nd, g->vd), NearRadius, NearRadius);
        }
    }

    const Glass* selected = m_selected ? glass(*m_selected) : nullptr;
    if (selected && isVisible(*selected)) {
        const QPointF p = pointIn(area, selected->nd, selected->vd);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(SelectedColor);
        painter.drawEllipse(p, SelectedRadius, SelectedRadius);

        // The name beside the dot, on the side where it fits, over a pale
        // backing so that it stays readable among the dots.
        const QString name = qs(glassDisplayName(*selected));
        const QFontMetricsF fm(font());
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
        drawCross(painter, pointIn(area, m_wantedNd, m_wantedVd), CrossHalf);
    }
}

void GlassMap::paintLegend(QPainter& painter, const QRectF& area) const
{
    // Top left: no glass has both a high index and a high Abbe number.
    const QFontMetricsF fm(font());
    const double line = fm.height() + 2;
    const QStringList texts{QCoreApplication::translate("GlassChooser", "заданное"), QCoreApplication::translate("GlassChooser", "ближайшие"),
        QCoreApplication::translate("GlassChooser", "выбранное")};
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
    paintGlasses(painter, area);
    painter.restore();

    paintLegend(painter, area);
}

} // namespace monocl
