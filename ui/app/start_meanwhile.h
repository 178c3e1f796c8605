#pragma once

#include <functional>
#include <thread>

namespace monocl {

// Begins work on a thread of its own before the application object is
// made, keeping the calling thread Qt's main thread whatever the work asks
// of Qt. Without a thread to spare it returns none and does nothing: the
// work is only what would otherwise be done later, where it is needed.
std::jthread startMeanwhile(std::function<void()> work);

// The window's start-up work begun so, to be done while Qt connects to the
// display: fontconfig's configuration, the glass catalogue, the image
// plugins' libraries.
std::jthread prepareMeanwhile();

// Ends that work: right after the application object is made, before Qt's
// first text (see the source).
void waitFor(std::jthread& work);

} // namespace monocl
