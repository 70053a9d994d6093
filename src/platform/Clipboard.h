#pragma once

#include "platform/PasteboardItem.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What reading the clipboard's content gave.
struct ClipboardContent
{
    enum class Status
    {
        Read,
        // Nothing could be read: the clipboard is empty, its owner does not answer or refuses
        // every type, or it changed while reading. A later read may succeed.
        Unreadable,
        // More than Clipboard::maxItemBytes in all; reading stopped there.
        TooLarge
    };
    Status status = Status::Unreadable;
    // When read: one item holding the types that could be read, in the owner's order.
    PasteboardItems items;
};

// The system clipboard (on X11 the CLIPBOARD selection).
//
// changeCount() is cheap and callable from any thread. The reads and writes block until the
// owner answers (or a time-out passes) and must never be called from the GUI thread.
class Clipboard
{
public:
    // No copy is held beyond this size, so a huge offer can never exhaust memory.
    static constexpr qsizetype maxItemBytes = qsizetype(256) * 1024 * 1024;

    virtual ~Clipboard() = default;

    // Increments on every change of owner (including Brimble's own writes).
    virtual qint64 changeCount() const = 0;

    // Called with the new change count as soon as a change is announced, on the clipboard's
    // own thread, once per change and in order, so a copy is read before its owner may be
    // gone; types() and read() called from the listener run in place. Changes announced while
    // the listener runs are folded into one call. Returns false when this clipboard announces
    // nothing and must be polled through changeCount(). An empty listener stops the calls
    // (and waits for one in progress).
    using ChangeListener = std::function<void(qint64 changeCount)>;
    virtual bool setChangeListener(ChangeListener) { return false; }
    // Calls the listener once more for the current change (a retry of a change that could not
    // be read).
    virtual void announceAgain() {}

    // The content types on offer, in the owner's order, without meta-targets; empty when the
    // clipboard has no owner. Absent when the owner does not answer.
    virtual std::optional<QStringList> types() = 0;

    // The content under the given types (those still offered; a type whose bytes cannot be
    // read is left out). Reading stops once the bytes pass maxItemBytes.
    virtual ClipboardContent read(const QStringList& types) = 0;

    // Takes the clipboard and serves the items until another client takes it. Several items
    // are merged into one offer. False when the clipboard could not be taken.
    virtual bool write(const PasteboardItems& items) = 0;

    // Also offers the items as the PRIMARY selection (for Shift+Insert in terminals).
    virtual bool writePrimary(const PasteboardItems& items) = 0;

    // Gives up ownership of the clipboard if Brimble holds it.
    virtual void clear() = 0;

    // Called on the clipboard's own thread each time another application has been handed
    // content that Brimble offers: after the answer to a request for a content type (never for
    // the list of types, the timestamp or other meta-targets), with that type. One paste may
    // read several types, or one type twice. `primary`: it was the PRIMARY selection. Returns
    // false when this clipboard cannot tell. An empty listener stops the calls.
    using ContentReadListener = std::function<void(const QString& type, bool primary)>;
    virtual bool setContentReadListener(ContentReadListener) { return false; }
};
