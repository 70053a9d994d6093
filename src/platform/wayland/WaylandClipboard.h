#pragma once

#include "platform/SelectionClipboard.h"

#include <QByteArray>
#include <QString>

#include <memory>

// The Wayland clipboard through a data-control protocol, on a private wl_display connection
// served by a private thread, like the X11 engine: the calling thread posts each read or write
// to that thread and waits for its answer, and Brimble keeps serving what it wrote for as long
// as it holds the selection.
//
// Content arrives through pipes. A pipe that makes no progress for progressTimeoutMs is given
// up, a read whose types have timed out for 3 s in all skips the rest, and a read is abandoned
// when the selection changes while it runs.
class WaylandClipboard : public SelectionClipboard
{
public:
    static constexpr int progressTimeoutMs = 1000;

    // Connects to the named display ($WAYLAND_DISPLAY when empty); isValid() says whether the
    // compositor offers data control. Reads stop past maxItemBytes (smaller in tests).
    explicit WaylandClipboard(const QByteArray& displayName = {},
                              qsizetype maxItemBytes = Clipboard::maxItemBytes);
    ~WaylandClipboard() override;
    WaylandClipboard(const WaylandClipboard&) = delete;
    WaylandClipboard& operator=(const WaylandClipboard&) = delete;

    bool isValid() const;
    // The data-control interface in use, for the log.
    QString protocolName() const;

    qint64 changeCount() const override;
    bool setChangeListener(ChangeListener listener) override;
    bool setContentReadListener(ContentReadListener listener) override;
    void announceAgain() override;
    std::optional<QStringList> types() override;
    ClipboardContent read(const QStringList& types) override;
    void clear() override;

    class Engine;

protected:
    bool offer(bool primary, const PasteboardItem& offer) override;

private:
    std::unique_ptr<Engine> engine_;
};
