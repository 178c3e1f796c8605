#pragma once

#include <QSlider>

namespace monocl {

class KeptBackground;

// A horizontal slider set up like a Windows track bar: positions 0..100 with a
// tick at each one below the bar; the arrow keys move by one position and
// Page Up/Page Down by two.
//
// Moving the bar repaints only the bar. A plain slider is see-through, so each
// move would also repaint everything behind it (the group box, the tab page,
// the tab pane, the window) just to lay down the same background again; the
// bar keeps that background instead (see KeptBackground).
class TrackBar : public QSlider
{
    Q_OBJECT

public:
    explicit TrackBar(QWidget* parent = nullptr);

    // Whether the bar paints its kept background (the default) or lets the
    // widgets behind it paint through; the window looks the same either way.
    void setBackgroundKept(bool kept);

private:
    KeptBackground* m_background;
};

} // namespace monocl
