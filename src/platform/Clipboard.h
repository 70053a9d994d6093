#pragma once

#include "model/PasteboardItem.h"

#include <QString>
#include <QStringList>

#include <optional>

// The system clipboard (on X11 the CLIPBOARD selection).
//
// changeCount() is cheap and callable from any thread. The reads and writes block until the
// owner answers (or a time-out passes) and must never be called from the GUI thread.
class Clipboard
{
public:
    virtual ~Clipboard() = default;

    // Increments on every change of owner (including Brimble's own writes).
    virtual qint64 changeCount() const = 0;

    // The content types on offer, in the owner's order, without meta-targets. Absent when
    // the clipboard is empty or the owner does not answer.
    virtual std::optional<QStringList> types() = 0;

    // The content: one item holding every offered type with its bytes, in the owner's order.
    // A type whose bytes cannot be read is left out. Absent when the clipboard is empty, the
    // owner does not answer, or the clipboard changed while reading.
    virtual std::optional<PasteboardItems> items() = 0;

    // Takes the clipboard and serves the items until another client takes it. Several items
    // are merged into one offer. False when the clipboard could not be taken.
    virtual bool write(const PasteboardItems& items) = 0;

    // Also offers the items as the PRIMARY selection (for Shift+Insert in terminals).
    virtual bool writePrimary(const PasteboardItems& items) = 0;

    // Gives up ownership of the clipboard if Brimble holds it.
    virtual void clear() = 0;
};
