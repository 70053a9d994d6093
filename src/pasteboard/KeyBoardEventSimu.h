#pragma once

#include "platform/PasteboardItem.h"
#include "platform/RunningApplication.h"

class Clipboard;
class KeySynthesizer;
class Preferences;

// Sends the paste key stroke to the application the user was working in, when the desktop
// lets us (XTest on an X11 window). It never shows anything itself: when the stroke may not be
// sent it says whether the user should be told how auto-paste works, and `app` tells them.
class KeyBoardEventSimu
{
public:
    enum class Result
    {
        Sent,
        Refused,        // no key synthesis for the target; the user turned the explanation off
        RefusedExplain, // no key synthesis for the target; explain how auto-paste works here
        Failed,         // key synthesis is there but the stroke did not go out
    };

    // Whether to explain a refused stroke is read from `preferences`, which must outlive this.
    KeyBoardEventSimu(KeySynthesizer* synthesizer, Clipboard* clipboard, const Preferences& preferences);

    // Called after the items are on the clipboard and the target is in front. Terminals paste
    // from PRIMARY with Shift+Insert, so for them the items are offered there too.
    Result simulatePaste(const RunningApplicationRef& target, const PasteboardItems& items);

    // Whether a paste may be sent to target.
    bool checkAccessibility(const RunningApplication* target);

    // Whether the stroke can only go to a window we know (see KeySynthesizer::needsTarget).
    bool needsTarget() const;

private:
    KeySynthesizer* synthesizer_;
    Clipboard* clipboard_;
    const Preferences& preferences_;
};
