#include "platform/NullClipboard.h"

#include "common/Log.h"

NullClipboard::NullClipboard(QString reason) : reason_(std::move(reason))
{
    logOnce();
}

void NullClipboard::logOnce()
{
    if (!logged_.exchange(true))
        Log::warning(QStringLiteral("clipboard"), QStringLiteral("no clipboard available: ") + reason_);
}

bool NullClipboard::write(const PasteboardItems&)
{
    Log::warning(QStringLiteral("clipboard"), QStringLiteral("cannot write, no clipboard available"));
    return false;
}

bool NullClipboard::writePrimary(const PasteboardItems& items)
{
    return write(items);
}
