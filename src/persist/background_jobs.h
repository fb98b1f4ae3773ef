#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tessary {

/// Runs jobs one at a time, in the order they were posted, on a thread of its own, and keeps
/// each one's outcome for the thread that posts them. A job must not touch what that thread
/// changes; it gets everything it needs by value.
class BackgroundJobs {
public:
    /// A job reports success; a job that throws counts as failed.
    using Job = std::function<bool()>;

    struct Outcome {
        std::uint64_t tag = 0;  // as posted
        bool isDone = false;
    };

    BackgroundJobs() = default;
    BackgroundJobs(const BackgroundJobs&) = delete;
    BackgroundJobs& operator=(const BackgroundJobs&) = delete;
    /// Runs the jobs still queued, then ends the thread.
    ~BackgroundJobs();

    /// Queues a job; when no thread can be started it runs here and now.
    void post(std::uint64_t tag, Job job);
    /// The outcomes of the jobs finished since the last call, in order.
    std::vector<Outcome> takeOutcomes();
    /// Waits until every posted job has finished.
    void waitUntilIdle();

private:
    void run();
    bool startThread();
    static bool RunNoThrow(const Job& job);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<std::uint64_t, Job>> queue_;
    std::vector<Outcome> outcomes_;
    bool isRunningJob_ = false;
    bool isStopping_ = false;
    std::thread thread_;
};

}  // namespace tessary
