#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

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

// A call into an engine from any thread. On the engine thread itself (the change listener reads
// there) fn runs in place; elsewhere it is queued as EngineJobs::call() does, and answered with
// failure when the engine is not running. A write (`writesWaiting` given) goes before the queued
// jobs and is counted there while it waits, so that a read in progress gives up for it.
template <typename T>
T callEngine(EngineJobs& jobs, const std::thread& engine, bool running, std::function<T()> fn, T failure,
             std::atomic<int>* writesWaiting = nullptr)
{
    if (std::this_thread::get_id() == engine.get_id())
        return fn();
    if (!running)
        return failure;
    if (!writesWaiting)
        return jobs.call(std::move(fn), failure);
    ++*writesWaiting;
    T result = jobs.call(std::move(fn), failure, true);
    --*writesWaiting;
    return result;
}
