#pragma once

#include "common/SerialQueue.h"
#include "model/IgnoredAppInfModel.h"
#include "model/PasteInfModel.h"
#include "pasteboard/PasteOutcome.h"
#include "platform/RunningApplication.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

class Clipboard;
class CoreDataManager;
class Preferences;
class Workspace;
class KeyBoardEventSimu;

// Watches the system clipboard and records every new copy into the default clipboard; writes
// history items back to it.
//
// A clipboard that announces its changes has each one read on its own thread as it comes,
// before the owner may be gone; the tick on the GUI thread is then only a safety net for a
// change that could not be read, and costs one atomic read when nothing changed. A clipboard
// that announces nothing is probed from the tick. Captured copies are compared and stored in
// order on the serial "pasteboard" queue. Write-backs run on a queue of their own and go
// before any read of the clipboard, so a slow owner never delays a paste.
class PasteBoard
{
public:
    using SourceProvider = std::function<RunningApplicationRef()>;

    // Copies are recorded in `store` as `preferences` say; both must outlive the pasteboard.
    PasteBoard(CoreDataManager& store, const Preferences& preferences, Clipboard* clipboard,
               Workspace* workspace, KeyBoardEventSimu* keyboard, SourceProvider currentRunningApplication);
    ~PasteBoard();

    static constexpr double timerInterval = 0.5;

    // The timer's action (GUI thread).
    void checkForChangesInPasteboard();
    // Whether the timer has anything to do: always for a clipboard that announces nothing,
    // else only while an announced change is left unread.
    bool needsTicks() const;
    // Called (on any thread) when an announced change is left unread, so the timer that asks
    // again runs; an idle program then never wakes up for it.
    void setRetryRequest(std::function<void()> request);

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

    // Equal for two copies exactly when every item holds the same representations (Brimble's
    // marker aside), whatever their order.
    static QByteArray contentDigest(const PasteboardItems& items);

    // What kind of secret a copy is, when its text is one: a copy of text alone (no image, no
    // files) whose first item's text has a secret's shape.
    static std::optional<SecretKind> secretKindOf(const PasteboardItems& items);

    // Replaces the ignore list (from the rules tab's event, or the initial load).
    void setIgnoredApps(const QList<IgnoredAppInfModel>& rules);
    // Runs on the write-back queue before each write-back loads its content (a test seam that
    // stands for the load of a large item; nothing is run by default). Set before the first paste.
    void setBeforeContentLoad(std::function<void()> hook) { beforeContentLoad_ = std::move(hook); }
    QStringList ignoredAppBundleIdentifiers() const;

    // Waits until every queued capture and write-back has finished (tests, quit).
    void waitForIdle();

    qint64 changeCount() const { return changeCount_.load(); }

private:
    // From the clipboard's thread.
    void onAnnouncedChange(qint64 count);
    void probeAndCapture(qint64 count);
    // Reads the offer and hands a new copy to the queue, or skips it on purpose (true); false
    // when its content could not be read.
    bool capture(const QStringList& types, const RunningApplicationRef& source);
    // On the queue: stores the copy unless it repeats the previous one.
    void record(const PasteInfModel& model, const QByteArray& digest);
    // The offer carries a password manager's hint that does not clear it. Such a copy is never
    // recorded, whatever the secrets preference says: the manager asked for that.
    bool isSecret(const QStringList& types);
    PasteOutcome writeBack(QList<PasteInfModel> models, bool asPlainText, bool simulatePaste,
                           const RunningApplicationRef& target);
    PasteOutcome pasteInto(const RunningApplicationRef& target, bool simulatePaste,
                           const PasteboardItems& items);

    CoreDataManager& store_;
    const Preferences& preferences_;
    Clipboard* clipboard_;
    Workspace* workspace_;
    KeyBoardEventSimu* keyboard_;
    SourceProvider currentRunningApplication_;
    std::function<void()> beforeContentLoad_;

    std::atomic<qint64> changeCount_;
    std::atomic<bool> probeInFlight_{false};
    bool announced_ = false;
    std::mutex retryMutex_;
    std::function<void()> retryRequest_;

    // Copies read but not yet stored: the reader waits while the store is this far behind,
    // so a burst of copies cannot queue without bound.
    static constexpr int maxPendingRecords = 16;
    std::mutex pendingMutex_;
    std::condition_variable pendingDrained_;
    int pendingRecords_ = 0;

    mutable std::mutex ignoredMutex_;
    QStringList ignoredAppBundleIdentifiers_;

    // What the clipboard held last: the previous copy recorded or the last write-back.
    std::mutex digestMutex_;
    QByteArray lastDigest_;
    std::atomic<qint64> unreadableLoggedAt_{-1};
    SerialQueue queue_{QStringLiteral("pasteboard")};
    SerialQueue writes_{QStringLiteral("write-back")};
};
