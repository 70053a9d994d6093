#pragma once

#include "platform/SelectionClipboard.h"

#include <QByteArray>

#include <memory>

// The CLIPBOARD selection through a small clipboard engine of our own: a private xcb
// connection served by a private thread. The calling thread posts each read or write to that
// thread and waits for its answer, so the GUI thread's event loop is never involved, and
// Brimble keeps serving what it wrote for as long as it owns the selection.
//
// Reads never stall: a request that makes no progress for progressTimeoutMs is given up
// (large INCR transfers keep going as long as chunks arrive), and a read is abandoned when the
// owner changes while it runs.
class X11Clipboard : public SelectionClipboard
{
public:
    static constexpr int progressTimeoutMs = 1000;

    // Connects to the named display ($DISPLAY when empty); isValid() says whether that worked.
    // Reads stop past maxItemBytes (smaller in tests).
    explicit X11Clipboard(const QByteArray& displayName = {},
                          qsizetype maxItemBytes = Clipboard::maxItemBytes);
    ~X11Clipboard() override;
    X11Clipboard(const X11Clipboard&) = delete;
    X11Clipboard& operator=(const X11Clipboard&) = delete;

    bool isValid() const;

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
