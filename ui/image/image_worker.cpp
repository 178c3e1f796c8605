#include "image_worker.h"

#include <QFutureWatcher>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

namespace monocl {

ImageWorker::ImageWorker(Done done, QObject* parent)
    : QObject(parent)
    , m_done(std::move(done))
{
}

ImageWorker::~ImageWorker()
{
    cancel();
    for (auto& [id, future] : m_futures)
        future.waitForFinished();
}

void ImageWorker::cancel()
{
    if (m_current)
        m_current->cancel = true;
    m_current = nullptr;
}

double ImageWorker::progress() const
{
    return m_current ? m_current->progress.load() : 0.0;
}

void ImageWorker::start(ImageInputs inputs)
{
    cancel();
    auto job = std::make_shared<Job>();
    m_current = job;
    auto result = std::make_shared<std::optional<ImageResults>>();
    const int threads = std::max(1, QThread::idealThreadCount());
    QFuture<void> future = QtConcurrent::run([job, result, inputs = std::move(inputs), threads] {
        WorkControl control{&job->cancel, [job](double share) { job->progress = share; }};
        *result = computeImage(inputs, threads, control);
    });
    const quint64 id = ++m_lastId;
    m_futures.emplace(id, future);
    auto* watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcher<void>::finished, this, [this, watcher, job, result, id] {
        m_futures.erase(id);
        watcher->deleteLater();
        if (job != m_current)
            return;
        m_current = nullptr;
        m_done(*result);
    });
    watcher->setFuture(future);
}

} // namespace monocl
