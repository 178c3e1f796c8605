#pragma once

#include "ui/window/monoclForm.h"

#include <memory>

namespace monocl {

struct MonoclState;

// Deletes what waits for deletion and runs the events that wait.
void settle();

// startUp's window, shown on the given tab and painted once.
std::unique_ptr<Toptmono> shownWindow(MonoclState& state, int tab);

} // namespace monocl
