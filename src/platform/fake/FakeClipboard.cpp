#include "platform/fake/FakeClipboard.h"

#include <QMutexLocker>

std::optional<QStringList> FakeClipboard::types()
{
    QMutexLocker lock(&mutex_);
    if (stalled_ || contents_.isEmpty())
        return std::nullopt;
    return contents_.first().types();
}

std::optional<PasteboardItems> FakeClipboard::items()
{
    QMutexLocker lock(&mutex_);
    if (stalled_ || contents_.isEmpty())
        return std::nullopt;
    return contents_;
}

bool FakeClipboard::write(const PasteboardItems& items)
{
    QMutexLocker lock(&mutex_);
    if (!writable_)
        return false;
    writes_.append(items);
    contents_ = items;
    ++changeCount_;
    return true;
}

bool FakeClipboard::writePrimary(const PasteboardItems& items)
{
    QMutexLocker lock(&mutex_);
    if (!writable_)
        return false;
    primaryWrites_.append(items);
    return true;
}

void FakeClipboard::clear()
{
    QMutexLocker lock(&mutex_);
    if (contents_.isEmpty())
        return;
    contents_.clear();
    ++changeCount_;
}

void FakeClipboard::setContents(const PasteboardItems& items)
{
    QMutexLocker lock(&mutex_);
    contents_ = items;
    ++changeCount_;
}

void FakeClipboard::setStalled(bool stalled)
{
    QMutexLocker lock(&mutex_);
    stalled_ = stalled;
}

void FakeClipboard::setWritable(bool writable)
{
    QMutexLocker lock(&mutex_);
    writable_ = writable;
}

QList<PasteboardItems> FakeClipboard::writes() const
{
    QMutexLocker lock(&mutex_);
    return writes_;
}

QList<PasteboardItems> FakeClipboard::primaryWrites() const
{
    QMutexLocker lock(&mutex_);
    return primaryWrites_;
}

PasteboardItems FakeClipboard::contents() const
{
    QMutexLocker lock(&mutex_);
    return contents_;
}
