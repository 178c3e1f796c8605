#include "core/task_pool.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace monocl {

void runTasks(int count, int threads, const std::function<void(int, int)>& task, const WorkControl& control)
{
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr fault;
    std::mutex faultLock;
    const auto worker = [&](int thread) {
        for (int i = next++; i < count && !failed && !control.cancelled(); i = next++) {
            try {
                task(i, thread);
            } catch (...) {
                const std::lock_guard<std::mutex> guard(faultLock);
                if (!fault)
                    fault = std::current_exception();
                failed = true;
            }
        }
    };
    std::vector<std::thread> pool;
    const int used = std::max(1, std::min(threads, count));
    for (int k = 1; k < used; ++k)
        pool.emplace_back(worker, k);
    worker(0);
    for (std::thread& th : pool)
        th.join();
    if (fault)
        std::rethrow_exception(fault);
}

} // namespace monocl
