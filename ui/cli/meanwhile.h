#pragma once

#include <functional>
#include <thread>

namespace monocl {

// Begins work on a thread of its own before the application object is
// made, keeping the calling thread Qt's main thread whatever the work asks
// of Qt. Without a thread to spare it returns none and does nothing: the
// work is only what would otherwise be done later, where it is needed.
std::jthread startMeanwhile(std::function<void()> work);

} // namespace monocl
