#include "platform/ChangeAnnouncer.h"

void ChangeAnnouncer::setListener(Clipboard::ChangeListener listener)
{
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

bool ChangeAnnouncer::announce(qint64 count)
{
    if (announced_.exchange(count) == count)
        return false;
    std::lock_guard lock(mutex_);
    if (listener_)
        listener_(count);
    return true;
}
