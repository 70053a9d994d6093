#pragma once

#include "common/SerialQueue.h"
#include "model/PasteInfModel.h"
#include "model/IgnoredAppInfModel.h"
#include "platform/RunningApplication.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>

class Clipboard;
class Workspace;
class KeyBoardEventSimu;

// Watches the system clipboard and records every new copy into the default clipboard; writes
// history items back to it.
//
// The tick runs on the GUI thread and costs one atomic read when nothing changed. Everything
// that talks to the clipboard owner, compares content or touches the store runs on one
// serial "pasteboard" queue, so captures run one at a time in tick order and never interleave
// with a write-back (both read and replace pasteInfModel).
class PasteBoard
{
public:
    using SourceProvider = std::function<RunningApplicationRef()>;

    PasteBoard(Clipboard* clipboard, Workspace* workspace, KeyBoardEventSimu* keyboard,
               SourceProvider currentRunningApplication);
    ~PasteBoard();

    static constexpr double timerInterval = 0.5;

    // The timer's action (GUI thread).
    void checkForChangesInPasteboard();

    // Writes the models, in order, to the clipboard (all representations or plain text), then
    // optionally sends the paste key stroke to `target`. Returns at once.
    void paste(const QList<PasteInfModel>& models, bool asPlainText, bool simulatePaste,
               RunningApplicationRef target = {});

    // The items a write-back offers for the models (what paste() writes).
    static PasteboardItems itemsForPaste(const QList<PasteInfModel>& models, bool asPlainText);

    // The previous capture's content equals the new one, or the new one is Brimble's own.
    static bool isContentEqual(const std::optional<PasteInfModel>& previous,
                               const std::optional<PasteInfModel>& next);

    // Replaces the ignore list (from the rules tab's event, or the initial load).
    void setIgnoredApps(const QList<IgnoredAppInfModel>& rules);
    QStringList ignoredAppBundleIdentifiers() const;

    // Waits until every queued capture and write-back has finished (tests, quit).
    void waitForIdle();

    qint64 changeCount() const { return changeCount_.load(); }

private:
    void probeAndCapture(qint64 count);
    // Records the offer or skips it on purpose (true); false when its content could not be read.
    bool capture(const QStringList& types, const RunningApplicationRef& source);
    // The offer carries a password manager's hint that does not clear it.
    bool isSecret(const QStringList& types);
    void writeBack(const QList<PasteInfModel>& models, bool asPlainText, bool simulatePaste,
                   const RunningApplicationRef& target);

    Clipboard* clipboard_;
    Workspace* workspace_;
    KeyBoardEventSimu* keyboard_;
    SourceProvider currentRunningApplication_;

    std::atomic<qint64> changeCount_;
    std::atomic<bool> probeInFlight_{false};

    mutable std::mutex ignoredMutex_;
    QStringList ignoredAppBundleIdentifiers_;

    // Touched only on queue_.
    std::optional<PasteInfModel> pasteInfModel_;
    qint64 unreadableLoggedAt_ = -1;
    SerialQueue queue_{QStringLiteral("pasteboard")};
};
