#pragma once

#include "platform/Clipboard.h"

#include <QString>

#include <atomic>

// The clipboard when no X11 display can be reached (a Wayland session without XWayland, or no
// display at all): it never changes and cannot be written. Brimble keeps running without
// capture; the reason is logged once.
class NullClipboard : public Clipboard
{
public:
    explicit NullClipboard(QString reason);

    qint64 changeCount() const override { return 0; }
    std::optional<QStringList> types() override { return std::nullopt; }
    ClipboardContent read(const QStringList&) override { return {}; }
    bool write(const PasteboardItems& items) override;
    bool writePrimary(const PasteboardItems& items) override;
    void clear() override {}

private:
    void logOnce();

    QString reason_;
    std::atomic<bool> logged_{false};
};
