#include "focus_mtf_plot.h"

#include "mtf_legend.h"

#include "format/number_text.h"
#include "ui/widgets/plot_frame.h"

#include <QCoreApplication>
#include <QPainter>

namespace monocl {

namespace {

constexpr MtfField PlotFields[FocusMtfPlot::Fields] = {MtfField::Axis, MtfField::Edge};

} // namespace

FocusMtfPlot::FocusMtfPlot(char separator, QWidget* parent)
    : QWidget(parent)
    , m_separator(separator)
{
}

void FocusMtfPlot::setSeparator(char separator)
{
    m_separator = separator;
    update();
}

void FocusMtfPlot::setSpreads(const Spreads& spreads, double film)
{
    m_spreads = spreads;
    m_film = film;
    updateCurves();
}

void FocusMtfPlot::setFrequency(double frequency)
{
    m_frequency = frequency;
    updateCurves();
}

void FocusMtfPlot::updateCurves()
{
    for (std::size_t i = 0; i < Fields; ++i)
        m_curves[i] = throughFocusMtf(m_spreads[i], m_frequency);
    update();
}

QString FocusMtfPlot::title() const
{
    QString number = QString::number(m_frequency, 'g', 4);
    number.replace(QLatin1Char('.'), QLatin1Char(m_separator));
    return QCoreApplication::translate("MtfPlot", "МПФ на %1 лин/мм по фокусу").arg(number);
}

void FocusMtfPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -8, -2);
    plot::drawTitle(p, area, title());
    const ThroughFocusCurve& axis = m_curves[0];
    if (axis.focus.size() < 2)
        return;
    const plot::Plot frame{plot::innerOf(area), plot::scaleOver(axis.focus.front(), axis.focus.back(), 4),
                           {0, 1.0, 0.2, 1}};
    plot::drawFrame(p, frame, QCoreApplication::translate("MtfPlot", "сдвиг фокуса, мм"), QString(),
                    m_separator);
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    if (m_film >= frame.x.lo && m_film <= frame.x.hi)
        p.drawLine(frame.at(m_film, 0), frame.at(m_film, 1));
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < Fields; ++i) {
        const ThroughFocusCurve& c = m_curves[i];
        for (const bool tangential : {false, true}) {
            std::vector<QPointF> points;
            std::vector<bool> there;
            for (std::size_t k = 0; k < c.focus.size(); ++k) {
                const double v = tangential ? c.tangential[k] : c.sagittal[k];
                there.push_back(plot::finite(v));
                points.push_back(frame.at(c.focus[k], std::clamp(v, 0.0, 1.0)));
            }
            p.setPen(QPen(mtfFieldColour(PlotFields[i]), 1.5, tangential ? Qt::DashLine : Qt::SolidLine));
            p.drawPath(plot::curve(points, there));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    drawMtfLegend(p, QPointF(frame.inner.right() - 2, frame.inner.top() + 2),
                  {std::begin(PlotFields), std::end(PlotFields)}, m_separator);
}

} // namespace monocl
