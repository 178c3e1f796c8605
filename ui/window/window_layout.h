#pragma once

#include "control_layout.h"

#include <span>

namespace monocl {

// The window's tabs, row by row: every control with its place in pixels.
std::span<const ControlSpec> designTabLayout();
std::span<const ControlSpec> forecastTabLayout();
std::span<const ControlSpec> rayTabLayout();
std::span<const ControlSpec> notesTabLayout();
std::span<const ControlSpec> schemeTabLayout();
std::span<const ControlSpec> aboutTabLayout();

} // namespace monocl
