#include "platform/wayland/WaylandPlatform.h"

#include "common/Log.h"
#include "platform/NullHotKeys.h"
#include "platform/NullWorkspace.h"
#include "platform/XdgLoginItem.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandKeySynthesizer.h"
#include "platform/wayland/WaylandRegistry.h"

#include <wayland-client.h>

namespace WaylandPlatform {

bool offersDataControl()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    WaylandRegistry registry;
    const bool offered = registry.read(display) && registry.seat && registry.hasDataControl();
    if (registry.registry)
        wl_registry_destroy(registry.registry);
    wl_display_disconnect(display);
    return offered;
}

std::unique_ptr<Platform> create(QString* whyNot)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        *whyNot = QStringLiteral("WAYLAND_DISPLAY is not set");
        return nullptr;
    }
    auto clipboard = std::make_unique<WaylandClipboard>();
    if (!clipboard->isValid()) {
        *whyNot = QStringLiteral("the compositor offers no data-control protocol");
        return nullptr;
    }
    auto keySynthesizer = std::make_unique<WaylandKeySynthesizer>();
    Log::info(QStringLiteral("platform"),
              QStringLiteral("using the native Wayland clipboard (%1); paste key stroke: %2")
                  .arg(clipboard->protocolName(),
                       keySynthesizer->isTrusted(nullptr)
                           ? QStringLiteral("virtual keyboard")
                           : QStringLiteral("none, items wait on the clipboard for Ctrl+V")));
    auto platform = std::make_unique<Platform>();
    platform->clipboard = std::move(clipboard);
    // No protocol names the application behind a copy or lets a client raise a window.
    platform->workspace = std::make_unique<NullWorkspace>();
    platform->keySynthesizer = std::move(keySynthesizer);
    platform->loginItem = std::make_unique<XdgLoginItem>();
    // The desktop's own shortcut settings run `brimble toggle` instead.
    platform->hotKeys = std::make_unique<NullHotKeys>();
    return platform;
}

} // namespace WaylandPlatform
