#pragma once

#include "core/mtf.h"

#include <QWidget>

#include <array>
#include <vector>

namespace monocl {

// The MTF curves against frequency: sagittal solid, tangential dashed, a
// colour for each field share, and the diffraction limit in black.
class MtfPlot : public QWidget
{
    Q_OBJECT

public:
    MtfPlot(char separator, QWidget* parent);
    void setSeparator(char separator) { m_separator = separator; update(); }

    // Empty curves clear the plot.
    void setCurves(const std::array<MtfCurve, 3>& curves, const std::vector<double>& limit);
    bool hasCurves() const { return !m_limit.empty(); }
    const std::array<MtfCurve, 3>& curves() const { return m_curves; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawAxes(QPainter& p, const QRectF& plot, double maxFrequency) const;

    std::array<MtfCurve, 3> m_curves;
    std::vector<double> m_limit;
    char m_separator = ',';
};

} // namespace monocl
