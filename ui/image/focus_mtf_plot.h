#pragma once

#include "core/through_focus.h"

#include <QWidget>

#include <array>
#include <vector>

namespace monocl {

// The through-focus MTF: the modulation at one frequency against the focus
// shift, on the axis and at the edge of the field (sagittal solid,
// tangential dashed), with the film as set marked. The frequency can be
// changed at once: the curves come from the kept line spreads.
class FocusMtfPlot : public QWidget
{
    Q_OBJECT

public:
    static constexpr std::size_t Fields = 2;
    using Spreads = std::array<std::vector<FocusSpread>, Fields>;

    FocusMtfPlot(char separator, QWidget* parent);
    void setSeparator(char separator);

    // Empty spreads clear the plot; film is the focus shift the film is at.
    void setSpreads(const Spreads& spreads, double film);
    void setFrequency(double frequency);

    bool hasCurves() const { return !m_curves[0].focus.empty(); }
    // The curves drawn, axis first.
    const std::array<ThroughFocusCurve, Fields>& curves() const { return m_curves; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateCurves();
    QString title() const;

    Spreads m_spreads;
    std::array<ThroughFocusCurve, Fields> m_curves;
    double m_film = 0;
    double m_frequency = 10;
    char m_separator = ',';
};

} // namespace monocl
