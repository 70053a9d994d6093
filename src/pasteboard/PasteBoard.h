#pragma once

#include "common/SerialQueue.h"
#include "model/PasteInfModel.h"
#include "model/IgnoredAppInfModel.h"
#include "pasteboard/PasteOutcome.h"
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

    using Completion = std::function<void(const PasteOutcome& outcome)>;

    // Writes the models, in order, to the clipboard (all representations or plain text). With
    // a target, then brings its window to the front and, with simulatePaste, sends it the
    // paste key stroke; a window that is gone or stays behind gets no key stroke. Returns at
    // once; `done` runs on the GUI thread once the clipboard holds the items (or could not).
    // Content still to be loaded from the history is loaded before the write, so a caller
    // that removes the items afterwards does that in `done`, after a written outcome.
    void paste(const QList<PasteInfModel>& models, bool asPlainText, bool simulatePaste,
               RunningApplicationRef target = {}, Completion done = {});

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
    PasteOutcome writeBack(QList<PasteInfModel> models, bool asPlainText, bool simulatePaste,
                           const RunningApplicationRef& target);
    PasteOutcome pasteInto(const RunningApplicationRef& target, bool simulatePaste,
                           const PasteboardItems& items);

    Clipboard* clipboard_;
    Workspace* workspace_;
    KeyBoardEventSimu* keyboard_;
    SourceProvider currentRunningApplication_;
    // BRIMBLE_TEST_SLOW_CONTENT_MS: how long each write-back waits before loading the content
    // it writes, as the load of a large item would (tests of what runs after a write).
    int contentDelayMs_ = 0;

    std::atomic<qint64> changeCount_;
    std::atomic<bool> probeInFlight_{false};

    mutable std::mutex ignoredMutex_;
    QStringList ignoredAppBundleIdentifiers_;

    // Touched only on queue_.
    std::optional<PasteInfModel> pasteInfModel_;
    qint64 unreadableLoggedAt_ = -1;
    SerialQueue queue_{QStringLiteral("pasteboard")};
};
