#include "meanwhile.h"

#include <QThread>

#include <system_error>

namespace monocl {

std::jthread startMeanwhile(std::function<void()> work)
{
    // Qt takes for its main thread the first thread that asks it about
    // threads (a QFile does): this one asks first. Had the other one won
    // while still running, the application object would be made on a thread
    // Qt does not take for the main one, and at times the window never
    // painted.
    QThread::currentThread();
    try {
        return std::jthread([work = std::move(work)] {
            try {
                work();
            } catch (...) {
            }
        });
    } catch (const std::system_error&) {
        return {};
    }
}

} // namespace monocl
