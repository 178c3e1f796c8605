#pragma once

#include "control_layout.h"

#include <span>

namespace monocl {

// The window's tabs, row by row: every control with its place in pixels.
std::span<const ControlRow> designTabLayout();
std::span<const ControlRow> forecastTabLayout();
std::span<const ControlRow> rayTabLayout();
std::span<const ControlRow> notesTabLayout();
std::span<const ControlRow> schemeTabLayout();
std::span<const ControlRow> aboutTabLayout();

} // namespace monocl
