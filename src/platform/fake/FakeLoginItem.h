#pragma once

#include "platform/LoginItem.h"

#include <atomic>

// Start-at-login switch for unit tests: remembers the state and how often it was set.
class FakeLoginItem : public LoginItem
{
public:
    bool setEnabled(bool enabled) override
    {
        ++setCount_;
        if (failing_)
            return false;
        enabled_ = enabled;
        return true;
    }
    bool isEnabled() const override { return enabled_; }

    // setEnabled fails from now on, as when the autostart folder is not writable.
    void setFailing(bool failing) { failing_ = failing; }
    int setCount() const { return setCount_; }

private:
    std::atomic<bool> enabled_{false};
    std::atomic<bool> failing_{false};
    std::atomic<int> setCount_{0};
};
