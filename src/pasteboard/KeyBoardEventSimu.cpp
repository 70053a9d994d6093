#include "KeyBoardEventSimu.h"

#include "common/Log.h"
#include "model/Preferences.h"
#include "platform/Clipboard.h"
#include "platform/KeySynthesizer.h"

KeyBoardEventSimu::KeyBoardEventSimu(KeySynthesizer* synthesizer, Clipboard* clipboard,
                                     const Preferences& preferences)
    : synthesizer_(synthesizer), clipboard_(clipboard), preferences_(preferences)
{
}

KeyBoardEventSimu::Result KeyBoardEventSimu::simulatePaste(const RunningApplicationRef& target,
                                                           const PasteboardItems& items)
{
    if (!checkAccessibility(target.get())) {
        Log::warning(QStringLiteral("simulate paste key"), QStringLiteral("accessibility not turn on"));
        if (preferences_.doNotShowAccessibilityAlert()) {
            Log::info(QStringLiteral("accessibility"),
                      QStringLiteral("do not show turn on asccessibilty alert is true"));
            return Result::Refused;
        }
        return Result::RefusedExplain;
    }
    if (synthesizer_->isTerminal(target.get()) && clipboard_)
        clipboard_->writePrimary(items);
    // Sent from the caller's (background) thread: waiting for the user to release the
    // modifiers must not hold up the GUI.
    if (!synthesizer_->sendPaste(target.get())) {
        Log::warning(QStringLiteral("simulate paste key"), QStringLiteral("paste key stroke not sent"));
        return Result::Failed;
    }
    return Result::Sent;
}

bool KeyBoardEventSimu::needsTarget() const
{
    return !synthesizer_ || synthesizer_->needsTarget();
}

bool KeyBoardEventSimu::checkAccessibility(const RunningApplication* target)
{
    return synthesizer_ && synthesizer_->isTrusted(target);
}
