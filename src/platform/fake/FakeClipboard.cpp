#include "platform/fake/FakeClipboard.h"

#include <QMutexLocker>

std::optional<QStringList> FakeClipboard::types()
{
    QMutexLocker lock(&mutex_);
    if (stalled_)
        return std::nullopt;
    return contents_.isEmpty() ? QStringList() : contents_.first().types();
}

ClipboardContent FakeClipboard::read(const QStringList& types)
{
    QMutexLocker lock(&mutex_);
    reads_.append(types);
    if (stalled_ || contents_.isEmpty())
        return {};
    QList<PasteboardItem::Representation> reps;
    qsizetype total = 0;
    for (const auto& rep : contents_.first().representations()) {
        if (!types.contains(rep.type) || unreadable_.contains(rep.type))
            continue;
        total += rep.data.size();
        if (total > maxItemBytes_)
            return {ClipboardContent::Status::TooLarge, {}};
        reps.append(rep);
    }
    if (reps.isEmpty())
        return {};
    return {ClipboardContent::Status::Read, {PasteboardItem(reps)}};
}

bool FakeClipboard::write(const PasteboardItems& items)
{
    QMutexLocker lock(&mutex_);
    if (!writable_)
        return false;
    writes_.append(items);
    contents_ = items;
    ownContents_ = true;
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
    ownContents_ = false;
    ++changeCount_;
}

void FakeClipboard::setContents(const PasteboardItems& items)
{
    {
        QMutexLocker lock(&mutex_);
        contents_ = items;
        ownContents_ = false;
        ++changeCount_;
    }
    announce();
}

bool FakeClipboard::setChangeListener(ChangeListener listener)
{
    QMutexLocker lock(&mutex_);
    listener_ = std::move(listener);
    return announcing_;
}

void FakeClipboard::setAnnouncing(bool announcing)
{
    QMutexLocker lock(&mutex_);
    announcing_ = announcing;
}

void FakeClipboard::announce()
{
    ChangeListener listener;
    {
        QMutexLocker lock(&mutex_);
        if (!announcing_)
            return;
        listener = listener_;
    }
    if (listener)
        listener(changeCount_.load());
}

void FakeClipboard::setStalled(bool stalled)
{
    QMutexLocker lock(&mutex_);
    stalled_ = stalled;
}

void FakeClipboard::setUnreadableTypes(const QStringList& types)
{
    QMutexLocker lock(&mutex_);
    unreadable_ = types;
}

void FakeClipboard::setMaxItemBytes(qsizetype bytes)
{
    QMutexLocker lock(&mutex_);
    maxItemBytes_ = bytes;
}

QList<QStringList> FakeClipboard::reads() const
{
    QMutexLocker lock(&mutex_);
    return reads_;
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

bool FakeClipboard::setContentReadListener(ContentReadListener listener)
{
    QMutexLocker lock(&mutex_);
    contentReadListener_ = std::move(listener);
    return true;
}

std::optional<QByteArray> FakeClipboard::readByApplication(const QString& type)
{
    ContentReadListener listener;
    std::optional<QByteArray> data;
    {
        QMutexLocker lock(&mutex_);
        if (contents_.isEmpty())
            return std::nullopt;
        data = contents_.first().dataForType(type);
        if (data && ownContents_)
            listener = contentReadListener_;
    }
    if (listener)
        listener(type, false);
    return data;
}

std::optional<QByteArray> FakeClipboard::readPrimaryByApplication(const QString& type)
{
    ContentReadListener listener;
    std::optional<QByteArray> data;
    {
        QMutexLocker lock(&mutex_);
        if (primaryWrites_.isEmpty() || primaryWrites_.last().isEmpty())
            return std::nullopt;
        data = primaryWrites_.last().first().dataForType(type);
        if (data)
            listener = contentReadListener_;
    }
    if (listener)
        listener(type, true);
    return data;
}
