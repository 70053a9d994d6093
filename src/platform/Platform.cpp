#include "platform/Platform.h"

#include "common/Log.h"
#include "platform/NullClipboard.h"
#include "platform/NullHotKeys.h"
#include "platform/NullKeySynthesizer.h"
#include "platform/NullWorkspace.h"
#include "platform/DesktopSession.h"
#include "platform/XdgLoginItem.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeHotKeys.h"
#include "platform/fake/FakeKeySynthesizer.h"
#include "platform/fake/FakeLoginItem.h"
#include "platform/fake/FakeWorkspace.h"
#include "platform/portal/PortalHotKeys.h"
#include "platform/x11/X11HotKeys.h"
#include "platform/x11/X11Platform.h"
#ifdef BRIMBLE_HAVE_WAYLAND
#include "platform/wayland/WaylandPlatform.h"

#include <wayland-client.h>
#endif

#include <xcb/xcb.h>

namespace {

void addIconCache(Platform& platform)
{
    Workspace* workspace = platform.workspace.get();
    platform.iconCache = std::make_unique<IconCache>(
        [workspace](const QString& path) { return workspace->iconForFile(path); });
}

bool waylandChosen()
{
    // Asked once: the Qt plugin and the services must agree.
    static const bool chosen = [] {
        const QString forced = qEnvironmentVariable("BRIMBLE_PLATFORM").toLower();
#ifdef BRIMBLE_HAVE_WAYLAND
        if (forced == QLatin1String("wayland"))
            return true;
        if (forced == QLatin1String("x11"))
            return false;
        return WaylandPlatform::offersDataControl();
#else
        if (forced == QLatin1String("wayland"))
            Log::warning(QStringLiteral("platform"),
                         QStringLiteral("this build has no native Wayland clipboard, using X11"));
        return false;
#endif
    }();
    return chosen;
}

} // namespace

QByteArray Platform::qtPlatformPlugin()
{
    if (waylandChosen())
        return QByteArrayLiteral("wayland");
    return qEnvironmentVariableIsSet("DISPLAY") ? QByteArrayLiteral("xcb") : QByteArray();
}

Platform::DisplayProblem Platform::displayProblem(const QByteArray& plugin)
{
    // "xcb:option=value" names the plugin before the colon.
    const QByteArray name = plugin.split(':').first().trimmed();
    if (name == "wayland") {
        const QString display = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                    ? QStringLiteral("wayland-0")
                                    : qEnvironmentVariable("WAYLAND_DISPLAY");
#ifdef BRIMBLE_HAVE_WAYLAND
        wl_display* connection = wl_display_connect(nullptr);
        if (connection) {
            wl_display_disconnect(connection);
            return {};
        }
        return {DisplayProblem::Wayland, display};
#else
        // Qt's own Wayland plugin may still reach it; this build cannot tell.
        return {};
#endif
    }
    if (!name.isEmpty() && name != "xcb")
        return {};
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return {DisplayProblem::NotSet, QString()};
    const QString display = qEnvironmentVariable("DISPLAY");
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed ? DisplayProblem{DisplayProblem::X11, display} : DisplayProblem{};
}

std::unique_ptr<Platform> Platform::create(PortalConsentStore consent)
{
    QString whyNot;
#ifdef BRIMBLE_HAVE_WAYLAND
    if (waylandChosen()) {
        if (auto platform = WaylandPlatform::create(&whyNot)) {
            platform->hotKeys = std::make_unique<PortalHotKeys>(nullptr);
            // A compositor that gives Brimble a virtual keyboard (wlroots) needs no portal.
            if (!platform->keySynthesizer->canSynthesize()) {
                Log::info(QStringLiteral("platform"),
                          QStringLiteral("no virtual keyboard: the paste key stroke goes through the portal"));
                platform->keySynthesizer = std::make_unique<PortalKeySynthesizer>(nullptr, std::move(consent));
            }
            addIconCache(*platform);
            return platform;
        }
        Log::warning(QStringLiteral("platform"),
                     QStringLiteral("no native Wayland clipboard: %1").arg(whyNot));
    }
#endif
    if (auto platform = X11Platform::create(&whyNot)) {
        Log::info(QStringLiteral("platform"), QStringLiteral("using the X11 clipboard, workspace and XTest"));
        addIconCache(*platform);
        QString noHotKeys;
        platform->hotKeys = X11HotKeys::create(&noHotKeys);
        if (!platform->hotKeys) {
            Log::warning(QStringLiteral("platform"), QStringLiteral("no global hot key: %1").arg(noHotKeys));
            platform->hotKeys = std::make_unique<NullHotKeys>();
        }
        if (DesktopSession::isWayland()) {
            // An XWayland client: key grabs and XTest reach X11 windows only, the portal the rest.
            Log::info(QStringLiteral("platform"),
                      QStringLiteral("Wayland session: hot key and paste through the desktop portal where offered"));
            platform->hotKeys = std::make_unique<PortalHotKeys>(std::move(platform->hotKeys));
            platform->keySynthesizer =
                std::make_unique<PortalKeySynthesizer>(std::move(platform->keySynthesizer), std::move(consent));
        }
        return platform;
    }
    // Brimble keeps running without capture rather than refusing to start.
    auto platform = std::make_unique<Platform>();
    platform->clipboard = std::make_unique<NullClipboard>(whyNot);
    platform->workspace = std::make_unique<NullWorkspace>();
    platform->keySynthesizer = std::make_unique<NullKeySynthesizer>();
    platform->loginItem = std::make_unique<XdgLoginItem>();
    platform->hotKeys = std::make_unique<NullHotKeys>();
    addIconCache(*platform);
    return platform;
}

std::unique_ptr<Platform> Platform::createFake()
{
    auto platform = std::make_unique<Platform>();
    platform->clipboard = std::make_unique<FakeClipboard>();
    platform->workspace = std::make_unique<FakeWorkspace>();
    platform->keySynthesizer = std::make_unique<FakeKeySynthesizer>();
    platform->loginItem = std::make_unique<FakeLoginItem>();
    platform->hotKeys = std::make_unique<FakeHotKeys>();
    addIconCache(*platform);
    return platform;
}
