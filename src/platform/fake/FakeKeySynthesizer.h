#pragma once

#include "platform/KeySynthesizer.h"

#include <QList>
#include <QMutex>

// Key synthesis for unit tests: records the pastes it would have sent. Thread-safe.
class FakeKeySynthesizer : public KeySynthesizer
{
public:
    struct Paste
    {
        quint32 windowId = 0;
        bool shiftInsert = false;
    };

    bool isTrusted(const RunningApplication* target) override;
    bool canSynthesize() const override;
    bool sendPaste(const RunningApplication* target) override;
    bool isTerminal(const RunningApplication* target) const override;

    void setTrusted(bool trusted);
    QList<Paste> pastes() const;

private:
    mutable QMutex mutex_;
    bool trusted_ = true;
    QList<Paste> pastes_;
};
