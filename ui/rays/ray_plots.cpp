#include "ray_plots.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QStaticText>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace monocl {

namespace {

const QColor AxisColour(90, 90, 90);
const QColor GridColour(225, 225, 225);
const QColor SagittalColour(0, 90, 200);
const QColor TangentialColour(200, 40, 40);
const QColor GlassColour(220, 220, 250);
// The spots' lines F, d and C.
const QColor LineColours[3] = {QColor(0, 70, 230, 170), QColor(0, 150, 0, 170), QColor(220, 30, 30, 170)};
constexpr int TickFont = 10;
constexpr int TitleHeight = 15;

bool finite(double v) { return std::isfinite(v); }

// An axis over lo..hi with ticks at the multiples of a round step inside it.
struct Scale {
    double lo = 0, hi = 1, step = 0.2;
    int decimals = 1;
};

Scale scaleOver(double lo, double hi, int ticks)
{
    if (!finite(lo) || !finite(hi))
        lo = 0, hi = 1;
    if (!(hi > lo)) {
        const double pad = std::max(std::fabs(lo) * 0.1, 1e-3);
        lo -= pad, hi += pad;
    }
    const double raw = (hi - lo) / std::max(1, ticks);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double share = raw / magnitude;
    const double step = (share <= 1 ? 1 : share <= 2 ? 2 : share <= 5 ? 5 : 10) * magnitude;
    const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 6);
    return {lo, hi, step, decimals};
}

// The range of values with a small margin, and zero in it where asked.
std::pair<double, double> rangeOf(double lo, double hi, bool withZero, double floor = 1e-3)
{
    if (withZero)
        lo = std::min(lo, 0.0), hi = std::max(hi, 0.0);
    if (hi - lo < floor) {
        const double mid = (lo + hi) / 2;
        lo = mid - floor / 2, hi = mid + floor / 2;
    }
    const double pad = (hi - lo) * 0.05;
    return {lo - (withZero && lo == 0 ? 0 : pad), hi + pad};
}

void setPixelFont(QPainter& p, int pixels, bool bold = false)
{
    QFont font = p.font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    p.setFont(font);
}

// Texts drawn again and again (the ticks' numbers, the units) are laid out
// once and kept: laying a text out costs more than drawing it.
void drawKept(QPainter& p, const QRectF& box, Qt::Alignment align, const QString& text)
{
    static QHash<QString, QStaticText> kept;
    const QFont& font = p.font();
    const QString key = text + QLatin1Char('\x1f') + QString::number(font.pixelSize()) + QLatin1Char(font.bold() ? 'b' : 'r');
    auto it = kept.find(key);
    if (it == kept.end()) {
        if (kept.size() > 2000)
            kept.clear();
        QStaticText st(text);
        st.setTextFormat(Qt::PlainText);
        st.prepare(QTransform(), font);
        it = kept.insert(key, st);
    }
    const QSizeF size = it->size();
    double x = box.left(), y = box.top();
    if (align & Qt::AlignRight)
        x = box.right() - size.width();
    else if (align & Qt::AlignHCenter)
        x = box.center().x() - size.width() / 2;
    if (align & Qt::AlignBottom)
        y = box.bottom() - size.height();
    else if (align & Qt::AlignVCenter)
        y = box.center().y() - size.height() / 2;
    p.drawStaticText(QPointF(x, y), *it);
}

// A title over the width of its area, in a smaller font where the
// painter's font would not fit it.
void drawTitle(QPainter& p, const QRectF& area, const QString& title)
{
    p.save();
    setPixelFont(p, 11);
    const double width = p.fontMetrics().horizontalAdvance(title);
    if (width > area.width() && width > 0)
        setPixelFont(p, std::max(6, static_cast<int>(11 * area.width() / width)));
    p.setPen(Qt::black);
    drawKept(p, QRectF(area.left(), area.top(), area.width(), TitleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.restore();
}

struct Plot {
    QRectF inner;
    Scale x, y;
    QPointF at(double vx, double vy) const
    {
        return {inner.left() + (vx - x.lo) / (x.hi - x.lo) * inner.width(),
                inner.bottom() - (vy - y.lo) / (y.hi - y.lo) * inner.height()};
    }
};

QString tickText(double v, int decimals, char separator)
{
    return QString::fromStdString(fixedText(std::fabs(v) < 1e-12 ? 0.0 : v, 8, decimals, separator));
}

// The frame of a plot: a light grid at the ticks, the numbers under the x
// axis and left of the y axis, the units at the ends of the axes.
void drawFrame(QPainter& p, const Plot& plot, const QString& xUnit, const QString& yUnit, char separator,
               bool yNumbers = true, bool edgeNumbers = true)
{
    p.save();
    // Lines along the pixels need no antialiasing, which would cost more.
    p.setRenderHint(QPainter::Antialiasing, false);
    setPixelFont(p, TickFont);
    const QRectF& r = plot.inner;
    const auto ticks = [](const Scale& s) {
        std::vector<double> v;
        for (double t = std::ceil(s.lo / s.step - 1e-9) * s.step; t <= s.hi + s.step * 1e-9; t += s.step)
            v.push_back(t);
        return v;
    };
    p.setPen(QPen(GridColour, 1));
    for (const double t : ticks(plot.x))
        p.drawLine(QPointF(plot.at(t, 0).x(), r.top()), QPointF(plot.at(t, 0).x(), r.bottom()));
    for (const double t : ticks(plot.y))
        p.drawLine(QPointF(r.left(), plot.at(0, t).y()), QPointF(r.right(), plot.at(0, t).y()));
    p.setPen(AxisColour);
    p.drawRect(r);
    const QFontMetricsF fm(p.font());
    double lastRight = -1e9;
    for (const double t : ticks(plot.x)) {
        const QString text = tickText(t, plot.x.decimals, separator);
        const double x = plot.at(t, 0).x();
        p.drawLine(QPointF(x, r.bottom()), QPointF(x, r.bottom() + 3));
        const double w = fm.horizontalAdvance(text);
        const bool atEdge = x - w / 2 < r.left() || x + w / 2 > r.right();
        if (x - w / 2 < lastRight + 3 || (atEdge && !edgeNumbers))
            continue; // no numbers run into each other
        drawKept(p, QRectF(x - w / 2, r.bottom() + 3, w, fm.height()), Qt::AlignLeft | Qt::AlignTop, text);
        lastRight = x + w / 2;
    }
    if (yNumbers) {
        for (const double t : ticks(plot.y)) {
            const QString text = tickText(t, plot.y.decimals, separator);
            const double y = plot.at(0, t).y();
            p.drawLine(QPointF(r.left() - 3, y), QPointF(r.left(), y));
            drawKept(p, QRectF(r.left() - 40, y - 7, 36, 14), Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }
    if (!xUnit.isEmpty())
        drawKept(p, QRectF(r.left(), r.bottom() + 13, r.width(), 12), Qt::AlignRight | Qt::AlignTop, xUnit);
    if (!yUnit.isEmpty())
        drawKept(p, QRectF(r.left() + 3, r.top() + 1, r.width() - 6, 12), Qt::AlignLeft | Qt::AlignTop, yUnit);
    p.restore();
}

// The inner rectangle of a plot in its area: room for the title above, the
// y numbers left and the x numbers and unit below.
QRectF innerOf(const QRectF& area, double left = 38)
{
    return area.adjusted(left, TitleHeight + 4, -6, -26);
}

QPainterPath curve(const std::vector<QPointF>& points, const std::vector<bool>& there)
{
    QPainterPath path;
    bool started = false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!there[i]) {
            started = false;
            continue;
        }
        started ? path.lineTo(points[i]) : path.moveTo(points[i]);
        started = true;
    }
    return path;
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

void RayPlots::setLens(std::optional<RayCheck> check, std::optional<RayLens> lens,
                       std::optional<SpotPictures> spots, char separator, Note note)
{
    m_check = std::move(check);
    m_lens = lens;
    m_spots = std::move(spots);
    m_separator = separator;
    m_note = note;
    update();
}

void RayPlots::setCheck(std::optional<RayCheck> check, std::optional<RayLens> lens, char separator)
{
    std::optional<SpotPictures> spots;
    if (lens)
        spots = spotPictures(*lens);
    setLens(std::move(check), lens, std::move(spots), separator);
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
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                   m_note == Note::NotRefined ? QCoreApplication::translate("RayPlots", "Уточненный лучами мениск не найден: рисовать нечего")
                                              : QCoreApplication::translate("RayPlots", "Проверка лучами невозможна: нет расчета"));
        return;
    }
    const qreal w = width(), h = height();
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

void RayPlots::drawSpots(QPainter& p, const QRectF& area) const
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

void RayPlots::drawSpherical(QPainter& p, const QRectF& area) const
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

void RayPlots::drawThroughFocus(QPainter& p, const QRectF& area) const
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

void RayPlots::drawFieldFoci(QPainter& p, const QRectF& area) const
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

void RayPlots::drawSection(QPainter& p, const QRectF& area) const
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
