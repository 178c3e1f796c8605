#include "ray_plots.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace monocl {

namespace {

const QColor AxisColour(90, 90, 90);
const QColor SagittalColour(0, 90, 200);
const QColor TangentialColour(200, 40, 40);
const QColor GlassColour(220, 220, 250);

bool finite(double v) { return std::isfinite(v); }

// The largest of |v| over values that are there; at least floor.
template <class Range, class Get>
double largest(const Range& values, Get get, double floor)
{
    double m = floor;
    for (const auto& v : values)
        if (const std::optional<double> x = get(v); x && finite(*x))
            m = std::max(m, std::fabs(*x));
    return m;
}

// A title over the width of its area, in a smaller font where the
// painter's font would not fit it (on paper the font's width differs).
void drawTitle(QPainter& p, const QRectF& area, const QString& title)
{
    const QRectF line(area.left(), area.top(), area.width(), 16);
    const double width = p.fontMetrics().horizontalAdvance(title);
    p.save();
    if (width > line.width() && width > 0) {
        QFont font = p.font();
        const double shrink = line.width() / width;
        if (font.pixelSize() > 0)
            font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * shrink)));
        else
            font.setPointSizeF(font.pointSizeF() * shrink);
        p.setFont(font);
    }
    p.drawText(line, Qt::AlignLeft, title);
    p.restore();
}

// A frame with its title above, returning the inner drawing area.
QRectF framed(QPainter& p, const QRectF& area, const QString& title)
{
    p.setPen(Qt::black);
    drawTitle(p, area, title);
    const QRectF inner = area.adjusted(30, 20, -6, -18);
    p.setPen(AxisColour);
    p.drawRect(inner);
    return inner;
}

} // namespace

RayPlots::RayPlots(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void RayPlots::setCheck(std::optional<RayCheck> check, std::optional<RayLens> lens, char separator)
{
    m_check = std::move(check);
    m_lens = lens;
    m_separator = separator;
    update();
}

QString RayPlots::number(double value, int decimals) const
{
    if (!finite(value))
        return QStringLiteral(" - ");
    return QString::fromStdString(fixedText(value, 8, decimals, m_separator));
}

void RayPlots::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = this->font();
    font.setPixelSize(11);
    font.setBold(false);
    p.setFont(font);
    if (!m_check || !m_lens) {
        p.drawText(rect(), Qt::AlignCenter, QCoreApplication::translate("RayPlots", "Проверка лучами невозможна: нет расчета"));
        return;
    }
    const qreal w = width() / 2.0;
    const qreal h = height() / 2.0;
    drawSpots(p, QRectF(0, 0, w, h).adjusted(4, 4, -4, -4));
    drawSection(p, QRectF(w, 0, w, h).adjusted(4, 4, -4, -4));
    drawSpherical(p, QRectF(0, h, w, h).adjusted(4, 4, -4, -4));
    drawFieldFoci(p, QRectF(w, h, w, h).adjusted(4, 4, -4, -4));
}

void RayPlots::drawSpots(QPainter& p, const QRectF& area) const
{
    p.setPen(Qt::black);
    drawTitle(p, area, QCoreApplication::translate("RayPlots", "Пятна рассеяния в плоскости наилучшей фокусировки"));
    // One scale for the three spots, so they compare at a glance.
    double extent = m_check->airyDiameter.value_or(1.0) / 2.0;
    for (const FieldSpot& spot : m_check->spots)
        for (const SpotPoint& pt : spot.points)
            extent = std::max({extent, std::fabs(pt.x), std::fabs(pt.y)});
    const QStringList names{QCoreApplication::translate("RayPlots", "ось"), QCoreApplication::translate("RayPlots", "0,7 поля"), QCoreApplication::translate("RayPlots", "край поля")};
    const qreal cell = std::min(area.width() / 3.0, area.height() - 40.0);
    const qreal scale = (cell / 2.0 - 6.0) / extent;
    for (int i = 0; i < 3; ++i) {
        const QPointF centre(area.left() + cell * (i + 0.5), area.top() + 22 + cell / 2.0);
        p.setPen(AxisColour);
        p.drawText(QRectF(centre.x() - cell / 2, area.top() + 24 + cell, cell, 14), Qt::AlignCenter,
                   QString(names[i]).replace(QLatin1Char(','), QLatin1Char(m_separator)));
        const FieldSpot& spot = m_check->spots[static_cast<std::size_t>(i)];
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 140));
        for (const SpotPoint& pt : spot.points)
            if (finite(pt.x) && finite(pt.y))
                p.drawEllipse(QPointF(centre.x() + pt.x * scale, centre.y() - pt.y * scale), 0.8, 0.8);
        p.setBrush(Qt::NoBrush);
        if (m_check->airyDiameter) {
            p.setPen(QPen(TangentialColour, 1));
            const qreal r = *m_check->airyDiameter / 2.0 * scale;
            p.drawEllipse(centre, r, r);
        }
    }
    // A scale bar of a round number of micrometres.
    const double target = extent / 2.0;
    const double step = std::pow(10.0, std::floor(std::log10(target)));
    const double bar = target >= 5 * step ? 5 * step : target >= 2 * step ? 2 * step : step;
    const qreal y = area.bottom() - 4;
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(area.left() + 4, y), QPointF(area.left() + 4 + bar * scale, y));
    p.setPen(Qt::black);
    p.drawText(QPointF(area.left() + 10 + bar * scale, y + 4), number(bar, 0) + QCoreApplication::translate("RayPlots", " мкм"));
}

void RayPlots::drawSpherical(QPainter& p, const QRectF& area) const
{
    const QRectF inner = framed(p, area, QCoreApplication::translate("RayPlots", "Продольная сферическая аберрация, мм"));
    const double range = largest(m_check->spherical, [](const SphericalSample& s) { return s.shift; }, 1e-3);
    const auto at = [&](double shift, double pupil) {
        return QPointF(inner.center().x() + shift / range * inner.width() / 2.0,
                       inner.bottom() - pupil * inner.height());
    };
    p.setPen(AxisColour);
    p.drawLine(at(0, 0), at(0, 1));
    p.drawText(QPointF(inner.left(), inner.bottom() + 14), number(-range, 3));
    p.drawText(QPointF(inner.right() - 40, inner.bottom() + 14), number(range, 3));
    p.drawText(QPointF(area.left(), inner.top() + 10), QStringLiteral("h"));
    QPainterPath path;
    bool started = false;
    for (const SphericalSample& s : m_check->spherical) {
        if (!s.shift || !finite(*s.shift)) {
            started = false;
            continue;
        }
        started ? path.lineTo(at(*s.shift, s.pupil)) : path.moveTo(at(*s.shift, s.pupil));
        started = true;
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawPath(path);
}

void RayPlots::drawFieldFoci(QPainter& p, const QRectF& area) const
{
    const QRectF inner = framed(p, area, QCoreApplication::translate("RayPlots", "Астигматизм: сагиттальный и меридиональный фокусы, мм"));
    const auto& samples = m_check->fieldFoci;
    const double range = std::max(
        largest(samples, [](const FieldFocusSample& s) { return s.sagittal; }, 1e-3),
        largest(samples, [](const FieldFocusSample& s) { return s.tangential; }, 1e-3));
    const double top = samples.empty() ? 1.0 : std::max(samples.back().fieldAngle, 1e-9);
    const auto at = [&](double shift, double angle) {
        return QPointF(inner.center().x() + shift / range * inner.width() / 2.0,
                       inner.bottom() - angle / top * inner.height());
    };
    p.setPen(AxisColour);
    p.drawLine(at(0, 0), at(0, top));
    p.drawText(QPointF(inner.left(), inner.bottom() + 14), number(-range, 3));
    p.drawText(QPointF(inner.right() - 40, inner.bottom() + 14), number(range, 3));
    p.drawText(QPointF(area.left(), inner.top() + 10), QStringLiteral("ω"));
    for (const bool sagittal : {true, false}) {
        QPainterPath path;
        bool started = false;
        for (const FieldFocusSample& s : samples) {
            const std::optional<double> v = sagittal ? s.sagittal : s.tangential;
            if (!v || !finite(*v)) {
                started = false;
                continue;
            }
            started ? path.lineTo(at(*v, s.fieldAngle)) : path.moveTo(at(*v, s.fieldAngle));
            started = true;
        }
        p.setPen(QPen(sagittal ? SagittalColour : TangentialColour, 1.5));
        p.drawPath(path);
        // Low on the left, where the curves leave the frame empty.
        p.drawText(QPointF(inner.left() + 4, inner.bottom() - (sagittal ? 20 : 6)),
                   sagittal ? QCoreApplication::translate("RayPlots", "S — сагиттальный") : QCoreApplication::translate("RayPlots", "T — меридиональный"));
    }
}

void RayPlots::drawSection(QPainter& p, const QRectF& area) const
{
    const QRectF inner = framed(p, area, QCoreApplication::translate("RayPlots", "Ход лучей: диафрагма, мениск, изображение"));
    // From the stop to the image plane, the height to the larger of the
    // lens and the rays.
    double zMin = m_lens->stopZ, zMax = m_check->paraxialImageZ.value_or(m_lens->thickness + 1);
    double yMax = m_lens->diameter / 2.0;
    for (const SectionRay& r : m_check->sectionRays)
        for (const SectionPoint& pt : r.path)
            if (finite(pt.z) && finite(pt.y)) {
                zMin = std::min(zMin, pt.z), zMax = std::max(zMax, pt.z);
                yMax = std::max(yMax, std::fabs(pt.y));
            }
    if (!(zMax > zMin) || !(yMax > 0))
        return;
    const double scale = std::min(inner.width() / (zMax - zMin), inner.height() / (2 * yMax));
    const auto at = [&](double z, double y) {
        return QPointF(inner.left() + (z - zMin) * scale, inner.center().y() - y * scale);
    };
    p.save();
    p.setClipRect(inner);
    p.setPen(QPen(AxisColour, 1, Qt::DashLine));
    p.drawLine(at(zMin, 0), at(zMax, 0));
    // The meniscus: each surface as its arc between the rims.
    const double half = m_lens->diameter / 2.0;
    const auto surface = [&](double vertex, double radius, QPainterPath& path, bool reverse) {
        const int n = 40;
        for (int i = 0; i <= n; ++i) {
            const double y = reverse ? half - 2.0 * half * i / n : -half + 2.0 * half * i / n;
            const double d = radius * radius - y * y;
            const double z = d >= 0 ? vertex + radius - std::copysign(std::sqrt(d), radius) : vertex;
            i == 0 && !reverse ? path.moveTo(at(z, y)) : path.lineTo(at(z, y));
        }
    };
    QPainterPath glass;
    surface(0.0, m_lens->R1, glass, false);
    surface(m_lens->thickness, m_lens->R2, glass, true);
    glass.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(GlassColour);
    p.drawPath(glass);
    p.setBrush(Qt::NoBrush);
    // The stop's jaws.
    p.setPen(QPen(Qt::black, 3));
    const double stopHalf = m_lens->stopDiameter / 2.0;
    p.drawLine(at(m_lens->stopZ, stopHalf), at(m_lens->stopZ, yMax));
    p.drawLine(at(m_lens->stopZ, -stopHalf), at(m_lens->stopZ, -yMax));
    for (const SectionRay& r : m_check->sectionRays) {
        QPainterPath path;
        for (std::size_t i = 0; i < r.path.size(); ++i)
            i == 0 ? path.moveTo(at(r.path[i].z, r.path[i].y)) : path.lineTo(at(r.path[i].z, r.path[i].y));
        p.setPen(QPen(r.fieldAngle == 0.0 ? SagittalColour : TangentialColour, 0.8));
        p.drawPath(path);
    }
    p.restore();
}

} // namespace monocl
