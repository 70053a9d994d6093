#pragma once

#include "platform/Clipboard.h"

#include <QMutex>

#include <atomic>

// An in-memory clipboard for unit tests. Thread-safe, like the real one.
class FakeClipboard : public Clipboard
{
public:
    qint64 changeCount() const override { return changeCount_.load(); }
    bool setChangeListener(ChangeListener listener) override;
    void announceAgain() override { announce(); }
    std::optional<QStringList> types() override;
    ClipboardContent read(const QStringList& types) override;
    bool write(const PasteboardItems& items) override;
    bool writePrimary(const PasteboardItems& items) override;
    void clear() override;
    bool setContentReadListener(ContentReadListener listener) override;

    // Another application pastes: it reads `type` of what the clipboard holds, and the
    // content-read listener hears of it when Brimble wrote that (on the calling thread).
    // Absent when the clipboard does not hold the type.
    std::optional<QByteArray> readByApplication(const QString& type);
    // The same for the PRIMARY selection, which holds what writePrimary() got last.
    std::optional<QByteArray> readPrimaryByApplication(const QString& type);

    // Another application copies: the content is replaced and the counter moves (and the
    // listener is called on the calling thread when announcing).
    void setContents(const PasteboardItems& items);
    // Announces changes to the listener set after this call, as the real engines do.
    void setAnnouncing(bool announcing);
    // Stalled: reads answer nothing, as with an owner that never responds.
    void setStalled(bool stalled);
    // These types are offered but their reads fail, as with an owner that refuses them.
    void setUnreadableTypes(const QStringList& types);
    // Writes fail, as when the clipboard cannot be taken.
    void setWritable(bool writable);
    // The size past which a read stops (Clipboard::maxItemBytes unless set).
    void setMaxItemBytes(qsizetype bytes);

    // The types each read() asked for, in order.
    QList<QStringList> reads() const;

    // Everything write() received, in order.
    QList<PasteboardItems> writes() const;
    QList<PasteboardItems> primaryWrites() const;
    PasteboardItems contents() const;

private:
    void announce();

    mutable QMutex mutex_;
    ChangeListener listener_;
    ContentReadListener contentReadListener_;
    // The contents are Brimble's own write.
    bool ownContents_ = false;
    bool announcing_ = false;
    std::atomic<qint64> changeCount_{0};
    PasteboardItems contents_;
    QList<PasteboardItems> writes_;
    QList<PasteboardItems> primaryWrites_;
    QList<QStringList> reads_;
    QStringList unreadable_;
    qsizetype maxItemBytes_ = maxItemBytes;
    bool stalled_ = false;
    bool writable_ = true;
};
