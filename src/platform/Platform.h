#pragma once

#include "platform/Clipboard.h"
#include "platform/KeySynthesizer.h"
#include "platform/LoginItem.h"
#include "platform/Workspace.h"

#include <memory>

// The desktop services Brimble uses, chosen once at start-up.
struct Platform
{
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<KeySynthesizer> keySynthesizer;
    std::unique_ptr<LoginItem> loginItem;

    // The X11 services when a display is reachable; otherwise services that record nothing
    // and log why.
    static std::unique_ptr<Platform> create();
    // In-process fakes for unit tests.
    static std::unique_ptr<Platform> createFake();
};
