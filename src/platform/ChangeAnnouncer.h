#pragma once

#include "platform/Clipboard.h"

#include <atomic>
#include <mutex>

// Hands a clipboard engine's changes to its listener on the engine's thread: each change
// count once, in order; changes that arrive while the listener runs are folded into the next
// call.
class ChangeAnnouncer
{
public:
    // Any thread. Waits for a call in progress, so once an empty listener is set no call runs.
    void setListener(Clipboard::ChangeListener listener);
    // Engine thread: calls the listener unless `count` was announced already; true when it did.
    bool announce(qint64 count);
    // Any thread: the next announce() calls the listener even for the count announced last.
    void repeat() { announced_ = -1; }

private:
    std::mutex mutex_;
    Clipboard::ChangeListener listener_;
    // The count the engine started with is what the clipboard held before anyone listened.
    std::atomic<qint64> announced_{0};
};
