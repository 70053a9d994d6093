#include "platform/Platform.h"

#include "common/Log.h"
#include "platform/NullClipboard.h"
#include "platform/NullHotKeys.h"
#include "platform/NullKeySynthesizer.h"
#include "platform/NullWorkspace.h"
#include "platform/XdgLoginItem.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeHotKeys.h"
#include "platform/fake/FakeKeySynthesizer.h"
#include "platform/fake/FakeLoginItem.h"
#include "platform/fake/FakeWorkspace.h"
#include "platform/x11/X11HotKeys.h"
#include "platform/x11/X11Platform.h"

namespace {

void addIconCache(Platform& platform)
{
    Workspace* workspace = platform.workspace.get();
    platform.iconCache = std::make_unique<IconCache>(
        [workspace](const QString& path) { return workspace->iconForFile(path); });
}

} // namespace

std::unique_ptr<Platform> Platform::create()
{
    QString whyNot;
    if (auto platform = X11Platform::create(&whyNot)) {
        Log::info(QStringLiteral("platform"), QStringLiteral("using the X11 clipboard, workspace and XTest"));
        addIconCache(*platform);
        QString noHotKeys;
        platform->hotKeys = X11HotKeys::create(&noHotKeys);
        if (!platform->hotKeys) {
            Log::warning(QStringLiteral("platform"), QStringLiteral("no global hot key: %1").arg(noHotKeys));
            platform->hotKeys = std::make_unique<NullHotKeys>();
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
