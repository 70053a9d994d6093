#pragma once

#include "platform/KeySynthesizer.h"

#include <QByteArray>
#include <QMutex>

// The paste chord through the compositor's virtual-keyboard protocol, where it offers one.
// Wayland names no windows to clients, so the stroke goes to whatever has keyboard focus: the
// window the panel gave the focus back to. Callable from any thread; one paste at a time.
class WaylandKeySynthesizer : public KeySynthesizer
{
public:
    // Whether the compositor offers a virtual keyboard is asked once, here.
    explicit WaylandKeySynthesizer(const QByteArray& displayName = {});

    bool isTrusted(const RunningApplication* target) override;
    bool sendPaste(const RunningApplication* target) override;
    // Wayland reveals no application, so no terminal is ever recognised.
    bool isTerminal(const RunningApplication*) const override { return false; }
    bool needsTarget() const override { return false; }

private:
    QByteArray displayName_;
    bool available_ = false;
    QMutex mutex_;
};
