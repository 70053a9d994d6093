#pragma once

#include "platform/Clipboard.h"

// A clipboard that Brimble writes by owning the selection and serving one offer: the X11 and
// Wayland engines. Several items become that one offer here; the engines only take the
// selection.
class SelectionClipboard : public Clipboard
{
public:
    bool write(const PasteboardItems& items) final;
    bool writePrimary(const PasteboardItems& items) final;

    // The single offer several items become: the texts joined by "\n" under every plain-text
    // name, the URI lists joined, every other type from the first item that has it.
    // Meta-targets are dropped.
    static PasteboardItem mergeForWriting(const PasteboardItems& items);

protected:
    // Serves `offer` as the clipboard (or the primary selection); false when it could not be
    // taken.
    virtual bool offer(bool primary, const PasteboardItem& offer) = 0;
};
