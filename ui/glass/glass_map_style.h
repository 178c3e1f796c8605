#pragma once

// The glass map's colours and sizes, shared by its drawing and its pointer
// handling.

#include <QColor>
#include <QString>

#include <cmath>
#include <string>

namespace monocl::glassmap {

inline const QColor DotColor{128, 128, 128};
inline const QColor NearColor{30, 90, 220};
inline const QColor SelectedColor{0, 150, 60};
inline const QColor WantedColor{220, 0, 0};
inline const QColor GridColor{232, 232, 232};

inline constexpr double DotRadius = 1.6;
inline constexpr double NearRadius = 4.5;
inline constexpr double SelectedRadius = 4.0;
inline constexpr double CrossHalf = 6.0;
inline constexpr double TickLength = 4.0;
// How close the pointer must be to a glass for its tooltip, in pixels.
inline constexpr double HoverReach = 6.0;

// The default axes and the margin kept around the glasses beyond them.
inline constexpr double DefaultNdLow = 1.40;
inline constexpr double DefaultNdHigh = 2.05;
inline constexpr double DefaultVdLow = 15;
inline constexpr double DefaultVdHigh = 95;
inline constexpr double NdMargin = 0.02;
inline constexpr double VdMargin = 1.0;
inline constexpr double NdRounding = 0.05;
inline constexpr double VdRounding = 5.0;

inline bool isFinite(double nd, double vd)
{
    return std::isfinite(nd) && std::isfinite(vd);
}

inline QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace monocl::glassmap
