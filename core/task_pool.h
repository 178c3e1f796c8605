#pragma once

#include "core/work_control.h"

#include <functional>

namespace monocl {

// Runs task(0, t) ... task(count - 1, t) on up to `threads` threads, the
// calling one among them, each thread taking the next index not yet taken
// and telling its own number t (0 for the calling one, below `threads`) so
// it can keep buffers of its own; returns
// when all have run or, once cancelled, when the running ones have ended.
// An exception thrown by a task is thrown again here, after the others have
// stopped.
void runTasks(int count, int threads, const std::function<void(int index, int thread)>& task,
              const WorkControl& control = {});

} // namespace monocl
