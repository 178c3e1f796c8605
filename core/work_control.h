#pragma once

#include <atomic>
#include <functional>

namespace monocl {

// What a long computation is told and tells: a flag that asks it to stop,
// set from another thread, and where it reports how far it has come (0..1).
// Both may be empty.
struct WorkControl {
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(double)> progress;

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    void report(double share) const
    {
        if (progress)
            progress(share);
    }
};

} // namespace monocl
