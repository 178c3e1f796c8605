#pragma once

#include "core/glass_catalogue.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

namespace monocl {

// The glass map as optical designers draw it: nd upwards against the Abbe
// number Vd, which decreases to the right. Every glass is a grey dot; the
// glasses set as near are ringed in blue, the selected one is a filled green
// dot with its name, and the wanted (nd, Vd) is a red cross. A left click
// selects the glass nearest to the click on the screen and emits
// glassClicked; hovering over a glass shows its name and values.
//
// The axes span 1,40..2,05 in nd and 95..15 in Vd, widened to the glasses'
// range with a margin. What lies outside the axes is not drawn. The widget
// does not own the glasses; the vector must outlive it or be replaced by
// another setGlasses call. Indices that do not name a glass are ignored.
class GlassMap : public QWidget
{
    Q_OBJECT

public:
    explicit GlassMap(QWidget* parent = nullptr);

    void setGlasses(const std::vector<Glass>* glasses);
    void setWanted(double nd, double vd);
    void setNear(std::vector<std::size_t> near);
    void setSelected(std::optional<std::size_t> index);
    void setDecimalSeparator(char separator);

    std::optional<std::size_t> selected() const { return m_selected; }

    // The rectangle inside the axes, in widget coordinates.
    QRectF plotArea() const;
    // Where (nd, vd) lies on the widget; it may lie outside plotArea().
    QPointF pointOf(double nd, double vd) const;
    // The glass drawn nearest to pos, of those inside the axes; of glasses
    // at the same spot the first in the list. None without such a glass.
    std::optional<std::size_t> glassAt(const QPointF& pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void glassClicked(std::size_t index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A tick: where it lies along its axis and its label.
    struct Tick
    {
        double value;
        QString label;
    };

    // pointOf inside an area measured once: measuring the labels' fonts for
    // each of the catalogue's glasses took most of a paint.
    QPointF pointIn(const QRectF& area, double nd, double vd) const;
    const Glass* glass(std::size_t index) const;
    bool isVisible(const Glass& glass) const;
    void updateRange();
    QString numberText(double v, int decimals) const;
    std::vector<Tick> ticks(double from, double to, double pixels, double minSpacing,
        const std::vector<double>& steps, int decimals) const;

    void paintAxes(QPainter& painter, const QRectF& area) const;
    void paintGlasses(QPainter& painter, const QRectF& area) const;
    void paintLegend(QPainter& painter, const QRectF& area) const;

    const std::vector<Glass>* m_glasses = nullptr;
    double m_wantedNd;
    double m_wantedVd;
    std::vector<std::size_t> m_near;
    std::optional<std::size_t> m_selected;
    char m_separator = ',';

    // The axes: nd from m_ndLow (bottom) to m_ndHigh (top), Vd from m_vdHigh
    // (left) to m_vdLow (right).
    double m_ndLow = 1.40;
    double m_ndHigh = 2.05;
    double m_vdLow = 15;
    double m_vdHigh = 95;
};

} // namespace monocl
