#pragma once

#include <QSlider>

namespace monocl {

// A horizontal slider set up like a Windows track bar: positions 0..100 with a
// tick at each one below the bar; the arrow keys move by one position and
// Page Up/Page Down by two.
class TrackBar : public QSlider
{
    Q_OBJECT

public:
    explicit TrackBar(QWidget* parent = nullptr);
};

} // namespace monocl
