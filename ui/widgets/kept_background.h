#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>

class QPaintEvent;
class QWidget;

namespace monocl {

// Makes a see-through widget opaque without changing a pixel: it keeps a
// picture of what the widgets behind it paint under it and paints that
// before the widget paints itself. A change of the widget then repaints the
// widget alone, not the group box, the tab page and the tab pane behind it,
// which would only lay down the same background again.
//
// Installed on the widget as an event filter, a child of it. Until its
// first paint the widget is see-through: that paint lays down the widgets
// behind it all the same. Only at
// whole-number scales does the picture land on the device pixels it was
// taken from; at 125 % or 150 % the widget lets the background through.
class KeptBackground : public QObject
{
    Q_OBJECT

public:
    explicit KeptBackground(QWidget* widget);

    // Whether the picture is painted (the default) or the widgets behind let
    // through; the window looks the same either way.
    void setKept(bool kept);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where the widget sits, which decides what is behind it.
    struct Placement {
        QPoint inWindow;
        QSize size;
        QSize windowSize;
        qreal pixelRatio = 0;
        bool operator==(const Placement&) const = default;
    };

    Placement placement() const;
    bool canKeep() const;
    void setOpaque(bool opaque);
    void capture(const Placement& where);
    // False when the widget is not to paint this time.
    bool paintBehind(QPaintEvent* event);

    QWidget* m_widget;
    QImage m_picture;
    Placement m_placement;
    bool m_kept = true;
    bool m_painted = false;
};

} // namespace monocl
