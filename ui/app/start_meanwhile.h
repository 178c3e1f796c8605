#pragma once

#include "ui/cli/meanwhile.h"

#include <thread>

namespace monocl {

// The window's start-up work begun so, to be done while Qt connects to the
// display: fontconfig's configuration, the glass catalogue, the image
// plugins' libraries.
std::jthread prepareMeanwhile();

// Ends that work: right after the application object is made, before Qt's
// first text (see the source).
void waitFor(std::jthread& work);

} // namespace monocl
