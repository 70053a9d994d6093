#include "platform/fake/FakeKeySynthesizer.h"

#include "platform/TerminalClasses.h"

#include <QMutexLocker>

bool FakeKeySynthesizer::isTrusted(const RunningApplication* target)
{
    QMutexLocker lock(&mutex_);
    return trusted_ && target != nullptr;
}

bool FakeKeySynthesizer::canSynthesize() const
{
    QMutexLocker lock(&mutex_);
    return trusted_;
}

bool FakeKeySynthesizer::sendPaste(const RunningApplication* target)
{
    if (!isTrusted(target))
        return false;
    const bool terminal = isTerminal(target);
    QMutexLocker lock(&mutex_);
    pastes_.append({target->windowId, terminal});
    return true;
}

bool FakeKeySynthesizer::isTerminal(const RunningApplication* target) const
{
    return target && TerminalClasses::isTerminalClass(target->windowClass);
}

void FakeKeySynthesizer::setTrusted(bool trusted)
{
    QMutexLocker lock(&mutex_);
    trusted_ = trusted;
}

QList<FakeKeySynthesizer::Paste> FakeKeySynthesizer::pastes() const
{
    QMutexLocker lock(&mutex_);
    return pastes_;
}
