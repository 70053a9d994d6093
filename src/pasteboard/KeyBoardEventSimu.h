#pragma once

#include "model/PasteboardItem.h"
#include "platform/RunningApplication.h"

#include <functional>

class Clipboard;
class KeySynthesizer;

// Sends the paste key stroke to the application the user was working in, when the desktop
// lets us (XTest on an X11 window); otherwise explains once how auto-paste works here.
class KeyBoardEventSimu
{
public:
    KeyBoardEventSimu(KeySynthesizer* synthesizer, Clipboard* clipboard);

    // Called after the items are on the clipboard. Terminals paste from PRIMARY with
    // Shift+Insert, so for them the items are offered there too.
    void simulatePaste(const RunningApplicationRef& target, const PasteboardItems& items);

    // Whether a paste may be sent to target. When not, and the user has not turned the
    // prompt off, the prompt is scheduled on the GUI thread; the answer never waits for it.
    bool checkAccessibility(const RunningApplication* target);

    // Shows the prompt (GUI thread). Tests replace it to observe it.
    using PromptPresenter = std::function<void()>;
    void setPromptPresenter(PromptPresenter presenter);
    static void showAccessibilityPrompt();

private:
    KeySynthesizer* synthesizer_;
    Clipboard* clipboard_;
    PromptPresenter presenter_;
};
