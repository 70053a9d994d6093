#include "platform/Platform.h"

#include "common/Log.h"
#include "platform/NullClipboard.h"
#include "platform/NullKeySynthesizer.h"
#include "platform/NullWorkspace.h"
#include "platform/XdgLoginItem.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeKeySynthesizer.h"
#include "platform/fake/FakeLoginItem.h"
#include "platform/fake/FakeWorkspace.h"
#include "platform/x11/X11Platform.h"

std::unique_ptr<Platform> Platform::create()
{
    QString whyNot;
    if (auto platform = X11Platform::create(&whyNot)) {
        Log::info(QStringLiteral("platform"), QStringLiteral("using the X11 clipboard, workspace and XTest"));
        return platform;
    }
    // Brimble keeps running without capture rather than refusing to start.
    auto platform = std::make_unique<Platform>();
    platform->clipboard = std::make_unique<NullClipboard>(whyNot);
    platform->workspace = std::make_unique<NullWorkspace>();
    platform->keySynthesizer = std::make_unique<NullKeySynthesizer>();
    platform->loginItem = std::make_unique<XdgLoginItem>();
    return platform;
}

std::unique_ptr<Platform> Platform::createFake()
{
    auto platform = std::make_unique<Platform>();
    platform->clipboard = std::make_unique<FakeClipboard>();
    platform->workspace = std::make_unique<FakeWorkspace>();
    platform->keySynthesizer = std::make_unique<FakeKeySynthesizer>();
    platform->loginItem = std::make_unique<FakeLoginItem>();
    return platform;
}
