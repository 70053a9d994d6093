#include "platform/x11/X11Platform.h"

#include "platform/XdgLoginItem.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11KeySynthesizer.h"
#include "platform/x11/X11Workspace.h"

#include <xcb/xcb.h>

namespace X11Platform {

std::unique_ptr<Platform> create(QString* whyNot)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        *whyNot = QStringLiteral("DISPLAY is not set (no X11 or XWayland display)");
        return nullptr;
    }
    xcb_connection_t* probe = xcb_connect(nullptr, nullptr);
    const bool reachable = !xcb_connection_has_error(probe);
    xcb_disconnect(probe);
    if (!reachable) {
        *whyNot = QStringLiteral("cannot connect to the X display");
        return nullptr;
    }
    auto clipboard = std::make_unique<X11Clipboard>();
    if (!clipboard->isValid()) {
        *whyNot = QStringLiteral("the X display offers no usable clipboard");
        return nullptr;
    }
    auto platform = std::make_unique<Platform>();
    platform->clipboard = std::move(clipboard);
    platform->workspace = std::make_unique<X11Workspace>();
    platform->keySynthesizer = std::make_unique<X11KeySynthesizer>();
    platform->loginItem = std::make_unique<XdgLoginItem>();
    return platform;
}

} // namespace X11Platform
