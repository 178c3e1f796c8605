#pragma once

#include "image_job.h"

#include <QFuture>
#include <QObject>

#include <atomic>
#include <functional>
#include <map>
#include <memory>

namespace monocl {

// Runs computeImage in a worker thread, one job at a time as far as anyone
// sees: a new start cancels the job before it, whose result is then
// dropped, so only the latest inputs' result is ever handed on.
class ImageWorker : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const std::optional<ImageResults>&)>;
    // done is called in the thread the worker lives in.
    ImageWorker(Done done, QObject* parent);
    // Cancels what runs and waits for it: its thread reads the inputs.
    ~ImageWorker() override;

    void start(ImageInputs inputs);
    void cancel();
    bool running() const { return m_current != nullptr; }
    // How far the current job has come, 0..1.
    double progress() const;

private:
    struct Job {
        std::atomic<bool> cancel{false};
        std::atomic<double> progress{0};
    };

    Done m_done;
    std::shared_ptr<Job> m_current;
    // Every job not yet finished, cancelled ones too, to wait for at the end.
    std::map<quint64, QFuture<void>> m_futures;
    quint64 m_lastId = 0;
};

} // namespace monocl
