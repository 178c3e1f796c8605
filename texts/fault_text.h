#pragma once

#include <string>

namespace monocl {

// "Расчет прерван ошибкой: " and the error box's message with its full stop:
// the line that stands for a section whose recompute faulted.
std::string faultLine(const std::string& message);

} // namespace monocl
