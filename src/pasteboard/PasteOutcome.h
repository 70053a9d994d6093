#pragma once

#include <QString>
#include <QtGlobal>

// What became of one write-back: whether the clipboard holds the items, whether the paste key
// stroke went out, and in words why not.
struct PasteOutcome
{
    enum class Status
    {
        Written,             // on the clipboard; no paste key stroke was asked for
        Pasted,              // on the clipboard and the paste key stroke was sent
        NothingToWrite,      // the items have nothing to offer in the asked form; clipboard untouched
        ContentUnavailable,  // the items' content could not be read from the history
        ClipboardRefused,    // the clipboard could not be taken
        WindowGone,          // on the clipboard; the window to paste into no longer exists
        ActivationFailed,    // on the clipboard; the window to paste into did not come to the front
        KeySynthesisRefused, // on the clipboard; the display did not take the paste key stroke
    };

    Status status = Status::Written;
    QString message;
    // The key stroke was refused for want of key synthesis and the user has not turned the
    // explanation off: the application shows how auto-paste works here.
    bool explainAutoPaste = false;
    // Once written: the clipboard's change count that the write reached, so that a later change
    // is known to be someone else's.
    qint64 changeCount = -1;

    // The clipboard holds the items, whatever became of the key stroke.
    bool isWritten() const
    {
        return status != Status::NothingToWrite && status != Status::ContentUnavailable &&
               status != Status::ClipboardRefused;
    }
};
