#include "ray_pictures.h"

#include "ui/widgets/plot_frame.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace monocl {

namespace {

const QColor AxisColour(90, 90, 90);
const QColor SagittalColour(0, 90, 200);
const QColor TangentialColour(200, 40, 40);
const QColor GlassColour(220, 220, 250);
// The spots' lines F, d and C.
const QColor LineColours[3] = {QColor(0, 70, 230, 170), QColor(0, 150, 0, 170), QColor(220, 30, 30, 170)};

using namespace plot;

} // namespace

void RayPictures::setLens(std::optional<RayCheck> check, std::optional<RayLens> lens,
                       std::optional<SpotPictures> spots, char separator, Note note)
{
    m_check = std::move(check);
    m_lens = lens;
    m_spots = std::move(spots);
    m_separator = separator;
    m_note = note;
}

void RayPictures::setCheck(std::optional<RayCheck> check, std::optional<RayLens> lens, char separator)
{
    std::optional<SpotPictures> spots;
    if (lens)
        spots = spotPictures(*lens);
    setLens(std::move(check), lens, std::move(spots), separator);
}

void RayPictures::paint(QPainter& p, const QRectF& area, QFont font) const
{
    p.save();
    p.translate(area.topLeft());
    p.setRenderHint(QPainter::Antialiasing);
    font.setPixelSize(11);
    font.setBold(false);
    p.setFont(font);
    paintPanels(p, area.size());
    p.restore();
}

void RayPictures::paintPanels(QPainter& p, const QSizeF& size) const
{
    if (!m_check || !m_lens) {
        p.drawText(QRectF(QPointF(), size), Qt::AlignCenter | Qt::TextWordWrap,
                   m_note == Note::NotRefined ? QCoreApplication::translate("RayPlots", "Уточненный лучами мениск не найден: рисовать нечего")
                                              : QCoreApplication::translate("RayPlots", "Проверка лучами невозможна: нет расчета"));
        return;
    }
    const qreal w = size.width(), h = size.height();
    const auto cell = [](qreal x, qreal y, qreal cw, qreal ch) { return QRectF(x, y, cw, ch).adjusted(3, 3, -3, -3); };
    if (w >= h) {
        const qreal top = h * 0.5;
        drawSpots(p, cell(0, 0, w * 0.62, top));
        drawSection(p, cell(w * 0.62, 0, w * 0.38, top));
        drawSpherical(p, cell(0, top, w / 3, h - top));
        drawThroughFocus(p, cell(w / 3, top, w / 3, h - top));
        drawFieldFoci(p, cell(2 * w / 3, top, w / 3, h - top));
    } else {
        const qreal top = h * 0.3, mid = (h - top) / 2;
        drawSpots(p, cell(0, 0, w, top));
        drawSection(p, cell(0, top, w / 2, mid));
        drawSpherical(p, cell(w / 2, top, w / 2, mid));
        drawThroughFocus(p, cell(0, top + mid, w / 2, mid));
        drawFieldFoci(p, cell(w / 2, top + mid, w / 2, mid));
    }
}

void RayPictures::drawSpots(QPainter& p, const QRectF& area) const
{
    drawTitle(p, area, QCoreApplication::translate("RayPlots", "Пятна в плоскости наилучшей фокусировки, мкм (пунктир: кружок Эйри)"));
    if (!m_spots)
        return;
    // One scale for the three spots and lines, so they compare at a glance.
    double extent = m_check->airyDiameter.value_or(1.0) / 2.0;
    for (const ColourSpot& spot : m_spots->spots)
        for (const auto& line : spot.points)
            for (const SpotPoint& pt : line)
                if (finite(pt.x) && finite(pt.y))
                    extent = std::max({extent, std::fabs(pt.x), std::fabs(pt.y)});
    extent *= 1.08;
    const QString names[3] = {QCoreApplication::translate("RayPlots", "ось"), QCoreApplication::translate("RayPlots", "0,7 поля"), QCoreApplication::translate("RayPlots", "край поля")};
    const qreal left = 34;
    const qreal legendWidth = 26;
    const qreal side = std::min((area.width() - left - legendWidth) / 3.0 - 4, area.height() - TitleHeight - 4 - 18);
    const Scale s = scaleOver(-extent, extent, 4);
    for (int i = 0; i < 3; ++i) {
        const QRectF inner(area.left() + left + i * (side + 4), area.top() + TitleHeight + 4, side, side);
        const Plot plot{inner, s, s};
        drawFrame(p, plot, QString(), QString(), m_separator, i == 0, false);
        p.save();
        p.setClipRect(inner);
        // The points as one image, two pixels square each: thousands of
        // points stroked one by one would take milliseconds.
        const QSize size(std::max(1, static_cast<int>(inner.width())), std::max(1, static_cast<int>(inner.height())));
        QImage dots(size, QImage::Format_ARGB32_Premultiplied);
        dots.fill(Qt::transparent);
        const ColourSpot& spot = m_spots->spots[static_cast<std::size_t>(i)];
        // C first, F last: the blue of the shorter waves on top.
        for (int line = 2; line >= 0; --line) {
            const QRgb colour = qPremultiply(LineColours[line].rgba());
            for (const SpotPoint& pt : spot.points[static_cast<std::size_t>(line)]) {
                if (!finite(pt.x) || !finite(pt.y))
                    continue;
                const QPointF at = plot.at(pt.x, pt.y) - inner.topLeft();
                const int x = static_cast<int>(at.x()), y = static_cast<int>(at.y());
                if (x < 0 || y < 0 || x + 1 >= size.width() || y + 1 >= size.height())
                    continue;
                for (int dy = 0; dy < 2; ++dy) {
                    auto* row = reinterpret_cast<QRgb*>(dots.scanLine(y + dy));
                    row[x] = row[x + 1] = colour;
                }
            }
        }
        p.drawImage(inner.topLeft(), dots);
        if (m_check->airyDiameter) {
            p.setPen(QPen(Qt::black, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            const qreal r = *m_check->airyDiameter / 2.0 / (s.hi - s.lo) * side;
            p.drawEllipse(plot.at(0, 0), r, r);
        }
        p.restore();
        p.save();
        setPixelFont(p, TickFont);
        p.setPen(Qt::black);
        drawKept(p, inner.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignTop,
                   QString(names[i]).replace(QLatin1Char(','), QLatin1Char(m_separator)));
        p.restore();
    }
    // The lines' legend, right of the last spot.
    p.save();
    setPixelFont(p, TickFont, true);
    const qreal x = area.left() + left + 3 * (side + 4);
    const char* lines[3] = {"F", "d", "C"};
    for (int i = 0; i < 3; ++i) {
        p.setPen(LineColours[i]);
        p.drawText(QPointF(x, area.top() + TitleHeight + 14 + 13 * i), QString::fromLatin1(lines[i]));
    }
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(x + 6, area.top() + TitleHeight + 58), 5, 5);
    p.restore();
}

void RayPictures::drawSpherical(QPainter& p, const QRectF& area) const
{
    drawTitle(p, area, QCoreApplication::translate("RayPlots", "Продольная сферическая аберрация"));
    double lo = 0, hi = 0;
    for (const SphericalSample& s : m_check->spherical)
        if (s.shift && finite(*s.shift))
            lo = std::min(lo, *s.shift), hi = std::max(hi, *s.shift);
    const auto [xl, xh] = rangeOf(lo, hi, true);
    const Plot plot{innerOf(area), scaleOver(xl, xh, 4), {0, 1.0, 0.2, 1}};
    drawFrame(p, plot, QCoreApplication::translate("RayPlots", "мм"), QCoreApplication::translate("RayPlots", "h/hmax"), m_separator);
    std::vector<QPointF> pts;
    std::vector<bool> there;
    for (const SphericalSample& s : m_check->spherical) {
        there.push_back(s.shift && finite(*s.shift));
        pts.push_back(there.back() ? plot.at(*s.shift, s.pupil) : QPointF());
    }
    p.setPen(QPen(AxisColour, 1));
    p.drawLine(plot.at(0, 0), plot.at(0, 1));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawPath(curve(pts, there));
}

void RayPictures::drawThroughFocus(QPainter& p, const QRectF& area) const
{
    drawTitle(p, area, QCoreApplication::translate("RayPlots", "Радиус пятна (ср. кв.) при расфокусировке"));
    if (!m_spots || m_spots->throughFocus.empty())
        return;
    const auto& samples = m_spots->throughFocus;
    double top = 1e-3;
    for (const FocusSample& s : samples)
        for (const std::optional<double>& v : {s.axis, s.edge})
            if (v && finite(*v))
                top = std::max(top, *v);
    const Plot plot{innerOf(area), scaleOver(samples.front().shift, samples.back().shift, 4),
                    scaleOver(0, top * 1.05, 4)};
    drawFrame(p, plot, QCoreApplication::translate("RayPlots", "мм от наилучшего фокуса"),
              QCoreApplication::translate("RayPlots", "мкм"), m_separator);
    // The axial best focus.
    p.setPen(QPen(AxisColour, 1, Qt::DashLine));
    p.drawLine(plot.at(0, plot.y.lo), plot.at(0, plot.y.hi));
    for (const bool edge : {false, true}) {
        std::vector<QPointF> pts;
        std::vector<bool> there;
        for (const FocusSample& s : samples) {
            const std::optional<double>& v = edge ? s.edge : s.axis;
            there.push_back(v && finite(*v));
            pts.push_back(there.back() ? plot.at(s.shift, *v) : QPointF());
        }
        p.setPen(QPen(edge ? TangentialColour : Qt::black, 1.5));
        p.drawPath(curve(pts, there));
    }
    p.save();
    setPixelFont(p, TickFont);
    const QRectF legend = plot.inner.adjusted(4, 2, -4, -4);
    p.setPen(Qt::black);
    drawKept(p, legend, Qt::AlignRight | Qt::AlignTop, QCoreApplication::translate("RayPlots", "ось"));
    p.setPen(TangentialColour);
    drawKept(p, legend.adjusted(0, 12, 0, 0), Qt::AlignRight | Qt::AlignTop,
               QCoreApplication::translate("RayPlots", "край поля"));
    p.restore();
}

void RayPictures::drawFieldFoci(QPainter& p, const QRectF& area) const
{
    drawTitle(p, area, QCoreApplication::translate("RayPlots", "Астигматизм: фокусы S и T"));
    const auto& samples = m_check->fieldFoci;
    double lo = 0, hi = 0;
    for (const FieldFocusSample& s : samples)
        for (const std::optional<double>& v : {s.sagittal, s.tangential})
            if (v && finite(*v))
                lo = std::min(lo, *v), hi = std::max(hi, *v);
    const double degrees = 180.0 / std::numbers::pi;
    const double topAngle = samples.empty() ? 1.0 : std::max(samples.back().fieldAngle * degrees, 1e-6);
    const auto [xl, xh] = rangeOf(lo, hi, true);
    const Plot plot{innerOf(area), scaleOver(xl, xh, 4), scaleOver(0, topAngle, 4)};
    Plot shown = plot;
    shown.y.lo = 0, shown.y.hi = topAngle;
    drawFrame(p, shown, QCoreApplication::translate("RayPlots", "мм"), QCoreApplication::translate("RayPlots", "ω, °"), m_separator);
    p.setPen(QPen(AxisColour, 1));
    p.drawLine(shown.at(0, 0), shown.at(0, topAngle));
    for (const bool sagittal : {true, false}) {
        std::vector<QPointF> pts;
        std::vector<bool> there;
        for (const FieldFocusSample& s : samples) {
            const std::optional<double>& v = sagittal ? s.sagittal : s.tangential;
            there.push_back(v && finite(*v));
            pts.push_back(there.back() ? shown.at(*v, s.fieldAngle * degrees) : QPointF());
        }
        p.setPen(QPen(sagittal ? SagittalColour : TangentialColour, 1.5));
        p.drawPath(curve(pts, there));
    }
    p.save();
    setPixelFont(p, TickFont);
    const QRectF legend = shown.inner.adjusted(4, 14, -4, -4);
    p.setPen(SagittalColour);
    drawKept(p, legend.adjusted(0, 0, 0, -12), Qt::AlignRight | Qt::AlignBottom, QCoreApplication::translate("RayPlots", "S — сагиттальный"));
    p.setPen(TangentialColour);
    drawKept(p, legend, Qt::AlignRight | Qt::AlignBottom, QCoreApplication::translate("RayPlots", "T — меридиональный"));
    p.restore();
}

void RayPictures::drawSection(QPainter& p, const QRectF& area) const
{
    drawTitle(p, area, QCoreApplication::translate("RayPlots", "Ход лучей: диафрагма, мениск, изображение"));
    // From in front of the stop to the image plane, the height to the
    // larger of the lens and the rays, at one scale both ways.
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
    const double lead = (zMax - zMin) * 0.15; // the rays before the stop
    zMin -= lead;
    yMax *= 1.1;
    const QRectF inner = innerOf(area, 30);
    const double scale = std::min(inner.width() / (zMax - zMin), inner.height() / (2 * yMax));
    const double zMid = (zMin + zMax) / 2, zHalf = inner.width() / scale / 2;
    const double yHalf = inner.height() / scale / 2;
    const Plot plot{inner, scaleOver(zMid - zHalf, zMid + zHalf, 5), scaleOver(-yHalf, yHalf, 4)};
    Plot exact = plot;
    exact.x.lo = zMid - zHalf, exact.x.hi = zMid + zHalf, exact.y.lo = -yHalf, exact.y.hi = yHalf;
    drawFrame(p, exact, QCoreApplication::translate("RayPlots", "мм"), QString(), m_separator);
    const auto at = [&](double z, double y) { return exact.at(z, y); };
    p.save();
    p.setClipRect(inner);
    p.setPen(QPen(AxisColour, 1, Qt::DashLine));
    p.drawLine(at(exact.x.lo, 0), at(exact.x.hi, 0));
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
    // The stop: its plate on either side of the opening Df.
    p.setPen(QPen(Qt::black, 3));
    const double stopHalf = m_lens->stopDiameter / 2.0;
    p.drawLine(at(m_lens->stopZ, stopHalf), at(m_lens->stopZ, yHalf));
    p.drawLine(at(m_lens->stopZ, -stopHalf), at(m_lens->stopZ, -yHalf));
    for (const SectionRay& r : m_check->sectionRays) {
        if (r.path.empty())
            continue;
        QPainterPath path;
        // From in front of the stop, along the ray's direction there.
        const SectionPoint& s = r.path.front();
        path.moveTo(at(s.z - lead, s.y - lead * std::tan(r.fieldAngle)));
        for (const SectionPoint& pt : r.path)
            path.lineTo(at(pt.z, pt.y));
        p.setPen(QPen(r.fieldAngle == 0.0 ? SagittalColour : TangentialColour, 0.8));
        p.drawPath(path);
    }
    p.restore();
    p.save();
    setPixelFont(p, TickFont);
    p.setPen(Qt::black);
    p.drawText(at(m_lens->stopZ, stopHalf) + QPointF(3, -2), QStringLiteral("Df"));
    p.restore();
}

} // namespace monocl
