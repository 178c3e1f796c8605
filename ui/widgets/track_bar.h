#pragma once

#include <QImage>
#include <QSlider>

namespace monocl {

// A horizontal slider set up like a Windows track bar: positions 0..100 with a
// tick at each one below the bar; the arrow keys move by one position and
// Page Up/Page Down by two.
//
// Moving the bar repaints only the bar. A plain slider is see-through, so each
// move would also repaint everything behind it (the group box, the tab page,
// the tab pane, the window) just to lay down the same background again. The
// bar instead keeps a picture of what those widgets paint under it and paints
// that first; it is then opaque, and the pixels are the ones the see-through
// bar would give.
class TrackBar : public QSlider
{
    Q_OBJECT

public:
    explicit TrackBar(QWidget* parent = nullptr);

    // Whether the bar paints its kept background (the default) or lets the
    // widgets behind it paint through; the window looks the same either way.
    void setBackgroundKept(bool kept);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the bar sits, which decides what is behind it.
    struct Placement {
        QPoint inWindow;
        QSize size;
        QSize windowSize;
        qreal pixelRatio = 0;
        bool operator==(const Placement&) const = default;
    };

    Placement placement() const;
    bool canKeepBackground() const;
    void setOpaque(bool opaque);
    void captureBackground(const Placement& where);

    QImage m_background;
    Placement m_backgroundPlacement;
    bool m_backgroundKept = true;
};

} // namespace monocl
