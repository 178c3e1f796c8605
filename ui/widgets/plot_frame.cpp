#include "plot_frame.h"

#include "format/number_text.h"

#include <QHash>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>

namespace monocl::plot {

namespace {

const QColor AxisColour(90, 90, 90);
const QColor GridColour(225, 225, 225);

} // namespace

bool finite(double v) { return std::isfinite(v); }



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
std::pair<double, double> rangeOf(double lo, double hi, bool withZero, double floor)
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

void setPixelFont(QPainter& p, int pixels, bool bold)
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

namespace {

QString tickText(double v, int decimals, char separator)
{
    return QString::fromStdString(fixedText(std::fabs(v) < 1e-12 ? 0.0 : v, 8, decimals, separator));
}

} // namespace

// The frame of a plot: a light grid at the ticks, the numbers under the x
// axis and left of the y axis, the units at the ends of the axes.
void drawFrame(QPainter& p, const Plot& plot, const QString& xUnit, const QString& yUnit, char separator,
               bool yNumbers, bool edgeNumbers)
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
QRectF innerOf(const QRectF& area, double left)
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


} // namespace monocl::plot
