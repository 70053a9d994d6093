#pragma once

#include "platform/KeySynthesizer.h"

#include <QByteArray>
#include <QMutex>

// Paste key strokes through the XTEST extension on a private xcb connection. Callable from
// any thread; one paste at a time.
//
// BRIMBLE_DISABLE_XTEST=1 in the environment makes the display count as lacking XTEST, the
// way a server that refuses synthetic input would; tests use it for the untrusted path.
class X11KeySynthesizer : public KeySynthesizer
{
public:
    explicit X11KeySynthesizer(const QByteArray& displayName = {});
    ~X11KeySynthesizer() override;
    X11KeySynthesizer(const X11KeySynthesizer&) = delete;
    X11KeySynthesizer& operator=(const X11KeySynthesizer&) = delete;

    bool isTrusted(const RunningApplication* target) override;
    bool canSynthesize() const override;
    bool sendPaste(const RunningApplication* target) override;
    bool isTerminal(const RunningApplication* target) const override;

private:
    bool windowExists(quint32 window);
    void waitForModifiersReleased(int timeoutMs);

    QMutex mutex_;
    struct xcb_connection_t* connection_ = nullptr;
    bool hasXTest_ = false;
};
