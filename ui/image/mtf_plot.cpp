#include "mtf_plot.h"

#include "mtf_legend.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace monocl {

namespace {

constexpr MtfField Fields[] = {MtfField::Axis, MtfField::Zone, MtfField::Edge};

QPainterPath curvePath(const QRectF& plot, const std::vector<double>& x, const std::vector<double>& y,
                       double maxX)
{
    QPainterPath path;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        const QPointF point(plot.left() + plot.width() * x[i] / maxX,
                            plot.bottom() - plot.height() * std::clamp(y[i], 0.0, 1.0));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

} // namespace

MtfPlot::MtfPlot(char separator, QWidget* parent)
    : QWidget(parent)
    , m_separator(separator)
{
}

void MtfPlot::setCurves(const std::array<MtfCurve, 3>& curves, const std::vector<double>& limit)
{
    m_curves = curves;
    m_limit = limit;
    update();
}

void MtfPlot::drawAxes(QPainter& p, const QRectF& plot, double maxFrequency) const
{
    p.setPen(QColor(220, 220, 220));
    for (int i = 1; i < 10; ++i) {
        const double y = plot.bottom() - plot.height() * i / 10;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    const int step = maxFrequency > 50 ? 20 : 10;
    for (int f = step; f < maxFrequency; f += step) {
        const double x = plot.left() + plot.width() * f / maxFrequency;
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    p.setPen(Qt::black);
    p.drawRect(plot);
    for (int f = 0; f <= maxFrequency; f += step)
        p.drawText(QRectF(plot.left() + plot.width() * f / maxFrequency - 20, plot.bottom() + 2, 40, 14),
                   Qt::AlignCenter, QString::number(f));
    for (int i = 0; i <= 10; i += 5)
        p.drawText(QRectF(plot.left() - 30, plot.bottom() - plot.height() * i / 10 - 7, 26, 14),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(i / 10.0).replace(QLatin1Char('.'), QLatin1Char(m_separator)));
    p.drawText(QRectF(plot.left(), plot.bottom() + 16, plot.width(), 14), Qt::AlignCenter,
               QCoreApplication::translate("MtfPlot", "частота, лин/мм"));
}

void MtfPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRectF plot(36, 8, width() - 46, height() - 42);
    if (m_limit.empty() || m_curves[0].frequency.size() < 2) {
        p.setPen(Qt::black);
        p.drawRect(plot);
        return;
    }
    const double maxFrequency = m_curves[0].frequency.back();
    drawAxes(p, plot, maxFrequency);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawPath(curvePath(plot, m_curves[0].frequency, m_limit, maxFrequency));
    for (int i = 0; i < 3; ++i) {
        const MtfCurve& c = m_curves[static_cast<std::size_t>(i)];
        p.setPen(QPen(mtfFieldColour(Fields[i]), 1.5));
        p.drawPath(curvePath(plot, c.frequency, c.sagittal, maxFrequency));
        p.setPen(QPen(mtfFieldColour(Fields[i]), 1.5, Qt::DashLine));
        p.drawPath(curvePath(plot, c.frequency, c.tangential, maxFrequency));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    drawMtfLegend(p, QPointF(plot.right(), plot.top() + 6), {std::begin(Fields), std::end(Fields)}, m_separator);
}

} // namespace monocl
