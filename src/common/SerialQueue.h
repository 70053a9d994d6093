#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <type_traits>

// A labelled queue that runs its blocks one at a time, in the order they were queued, on a
// thread of its own. Work that must be serialised (the store, captures, write-backs, one
// search) goes through one of these instead of ad-hoc locking.
class SerialQueue
{
public:
    explicit SerialQueue(QString label);
    ~SerialQueue(); // runs what is still queued, then stops the thread

    SerialQueue(const SerialQueue&) = delete;
    SerialQueue& operator=(const SerialQueue&) = delete;

    const QString& label() const { return label_; }

    void async(std::function<void()> block);

    // Runs the block on the queue and waits for its result. Called from the queue's own
    // thread it runs the block in place, so nested calls cannot deadlock.
    template <typename F> auto sync(F&& block) -> std::invoke_result_t<F>
    {
        using R = std::invoke_result_t<F>;
        if (isCurrent())
            return block();
        std::packaged_task<R()> task(std::forward<F>(block));
        auto future = task.get_future();
        async([&task] { task(); });
        return future.get();
    }

    bool isCurrent() const;

    // Waits until every block queued before this call has run.
    void drain();

private:
    void run();

    QString label_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> blocks_;
    bool stopping_ = false;
    std::thread thread_;
    std::thread::id threadId_;
};
