#include "platform/EngineJobs.h"

#include <sys/eventfd.h>
#include <unistd.h>

EngineJobs::EngineJobs() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

EngineJobs::~EngineJobs()
{
    close();
    if (fd_ >= 0)
        ::close(fd_);
}

void EngineJobs::wake()
{
    const uint64_t one = 1;
    [[maybe_unused]] auto written = ::write(fd_, &one, sizeof one);
}

void EngineJobs::clearWake()
{
    uint64_t count;
    [[maybe_unused]] auto got = ::read(fd_, &count, sizeof count);
}

bool EngineJobs::take(std::function<void(bool)>& job, bool closing)
{
    std::lock_guard lock(mutex_);
    if (closing)
        accepting_ = false;
    if (jobs_.empty())
        return false;
    job = std::move(jobs_.front());
    jobs_.pop_front();
    return true;
}

void EngineJobs::runQueued(const std::function<bool()>& runnable, const std::function<void()>& between)
{
    std::function<void(bool)> job;
    while (take(job, false)) {
        job(runnable());
        if (between)
            between();
    }
}

void EngineJobs::close()
{
    std::function<void(bool)> job;
    while (take(job, true))
        job(false);
}
