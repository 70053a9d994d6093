#pragma once

#include "platform/XdgWorkspace.h"

// The workspace without a display: no windows to report or activate; files and URLs still open.
class NullWorkspace : public XdgWorkspace
{
    Q_OBJECT
public:
    using XdgWorkspace::XdgWorkspace;

    RunningApplicationRef frontmostApplication() override { return nullptr; }
    // Nothing tells who owns the clipboard; the active application is the best guess.
    RunningApplicationRef clipboardSource(const RunningApplicationRef& active) override { return active; }
    Activation activate(const RunningApplication&, int) override { return Activation::NotActivated; }
};
