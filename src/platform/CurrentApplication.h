#pragma once

#include "platform/RunningApplication.h"

#include <mutex>

// The application most recently in front that is not Brimble: written by the activation
// handler on a background thread, read by captures and pastes on others. The record is
// replaced as a whole under a lock, so readers never see a torn value.
class CurrentApplication
{
public:
    RunningApplicationRef load() const
    {
        std::lock_guard lock(mutex_);
        return app_;
    }
    void store(RunningApplicationRef app)
    {
        std::lock_guard lock(mutex_);
        app_ = std::move(app);
    }

private:
    mutable std::mutex mutex_;
    RunningApplicationRef app_;
};
