#pragma once

#include "platform/XdgWorkspace.h"

#include <QByteArray>

#include <memory>

// Running applications on an EWMH desktop. A private xcb connection with its own event thread
// watches _NET_ACTIVE_WINDOW on the root window and reports each newly active window as a
// running application, on the GUI thread (the object lives there). The queries
// (frontmostApplication, clipboardSource, activate) use the same connection from the
// caller's thread; xcb serialises them, so background threads may call them.
class X11Workspace : public XdgWorkspace
{
    Q_OBJECT
public:
    explicit X11Workspace(const QByteArray& displayName = {}, QObject* parent = nullptr);
    ~X11Workspace() override;

    bool isValid() const;

    RunningApplicationRef frontmostApplication() override;
    RunningApplicationRef clipboardSource(const RunningApplicationRef& active) override;
    Activation activate(const RunningApplication& app, int timeoutMs = 500) override;

    class Backend;

private:
    std::unique_ptr<Backend> backend_;
};
