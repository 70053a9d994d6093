#pragma once

#include "platform/KeySynthesizer.h"
#include "platform/TerminalClasses.h"

// Key synthesis without a display: never trusted, so the user pastes by hand.
class NullKeySynthesizer : public KeySynthesizer
{
public:
    bool isTrusted(const RunningApplication*) override { return false; }
    bool canSynthesize() const override { return false; }
    bool sendPaste(const RunningApplication*) override { return false; }
    bool isTerminal(const RunningApplication* target) const override
    {
        return target && TerminalClasses::isTerminalClass(target->windowClass);
    }
};
