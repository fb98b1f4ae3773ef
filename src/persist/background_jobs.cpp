#include "persist/background_jobs.h"

#include <exception>
#include <system_error>
#include <utility>

namespace tessary {

BackgroundJobs::~BackgroundJobs() {
    {
        std::lock_guard lock(mutex_);
        isStopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool BackgroundJobs::RunNoThrow(const Job& job) {
    try {
        return job();
    } catch (...) {
        return false;
    }
}

bool BackgroundJobs::startThread() {
    if (thread_.joinable()) {
        return true;
    }
    try {
        thread_ = std::thread([this] { run(); });
        return true;
    } catch (const std::exception&) {  // no thread: system_error or bad_alloc
        return false;
    }
}

void BackgroundJobs::post(std::uint64_t tag, Job job) {
    std::unique_lock lock(mutex_);
    if (startThread()) {
        queue_.emplace_back(tag, std::move(job));
        lock.unlock();
        changed_.notify_all();
        return;
    }
    // Without a thread the job runs here, after those still queued (there are none: they
    // would have needed the thread).
    lock.unlock();
    const bool isDone = RunNoThrow(job);
    lock.lock();
    outcomes_.push_back({tag, isDone});
}

std::vector<BackgroundJobs::Outcome> BackgroundJobs::takeOutcomes() {
    std::lock_guard lock(mutex_);
    return std::exchange(outcomes_, {});
}

void BackgroundJobs::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !isRunningJob_; });
}

void BackgroundJobs::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return isStopping_ || !queue_.empty(); });
        if (queue_.empty()) {
            return;  // stopping, with every job done
        }
        auto [tag, job] = std::move(queue_.front());
        queue_.pop_front();
        isRunningJob_ = true;
        lock.unlock();
        const bool isDone = RunNoThrow(job);
        job = nullptr;  // what the job holds goes on this thread, outside the lock
        lock.lock();
        isRunningJob_ = false;
        outcomes_.push_back({tag, isDone});
        changed_.notify_all();
    }
}

}  // namespace tessary
