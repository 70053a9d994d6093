#pragma once

#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>

// Work handed to a clipboard engine's thread, which sleeps in poll(): a caller queues a job and
// wakes the thread through an eventfd among the descriptors it polls, and the thread runs the
// queue between waits. A job that cannot run (the engine broke or is stopping) is answered with
// its failure value, so no caller waits for ever.
class EngineJobs
{
public:
    EngineJobs();
    ~EngineJobs();
    EngineJobs(const EngineJobs&) = delete;
    EngineJobs& operator=(const EngineJobs&) = delete;

    // False when the eventfd could not be made.
    bool isValid() const { return fd_ >= 0; }
    // Poll it for POLLIN; clearWake() once it is readable.
    int wakeFd() const { return fd_; }
    void clearWake();
    void wake();

    // Queues fn for the engine thread (ahead of the queued jobs when `first`) and waits for its
    // value; failure once the queue is closed.
    template <typename T> T call(std::function<T()> fn, T failure, bool first = false)
    {
        auto promise = std::make_shared<std::promise<T>>();
        auto future = promise->get_future();
        {
            std::lock_guard lock(mutex_);
            if (!accepting_)
                return failure;
            auto job = [promise, fn = std::move(fn), failure](bool run) {
                promise->set_value(run ? fn() : failure);
            };
            if (first)
                jobs_.push_front(std::move(job));
            else
                jobs_.push_back(std::move(job));
        }
        wake();
        return future.get();
    }

    // On the engine thread: takes the queued jobs one by one, running each while runnable() holds
    // (else answering it with its failure) and calling between() after each.
    void runQueued(const std::function<bool()>& runnable, const std::function<void()>& between = {});
    // Takes no more jobs and answers those still queued with their failure.
    void close();

private:
    bool take(std::function<void(bool)>& job, bool closing);

    int fd_ = -1;
    std::mutex mutex_;
    std::deque<std::function<void(bool)>> jobs_;
    bool accepting_ = true;
};
