#include "SerialQueue.h"

#include "common/CrashCatcher.h"

#include <pthread.h>

SerialQueue::SerialQueue(QString label) : label_(std::move(label))
{
    thread_ = std::thread([this] { run(); });
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return threadId_ != std::thread::id(); });
}

SerialQueue::~SerialQueue()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void SerialQueue::async(std::function<void()> block)
{
    {
        std::lock_guard lock(mutex_);
        blocks_.push_back(std::move(block));
    }
    wake_.notify_one();
}

bool SerialQueue::isCurrent() const
{
    return std::this_thread::get_id() == threadId_;
}

void SerialQueue::drain()
{
    if (isCurrent())
        return;
    sync([] {});
}

void SerialQueue::run()
{
    CrashCatcher::prepareThread();
    {
        std::lock_guard lock(mutex_);
        threadId_ = std::this_thread::get_id();
        pthread_setname_np(pthread_self(), label_.left(15).toUtf8().constData());
    }
    wake_.notify_all();
    for (;;) {
        std::function<void()> block;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !blocks_.empty(); });
            if (blocks_.empty())
                return;
            block = std::move(blocks_.front());
            blocks_.pop_front();
        }
        block();
    }
}
