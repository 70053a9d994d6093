#include "PasteBoard.h"

#include "common/Dispatch.h"
#include "common/Log.h"
#include "model/CoreDataManager.h"
#include "model/Localized.h"
#include "model/PasteBoardUtils.h"
#include "model/Preferences.h"
#include "pasteboard/KeyBoardEventSimu.h"
#include "platform/Clipboard.h"
#include "platform/PasteboardTypes.h"
#include "platform/UriList.h"
#include "platform/Workspace.h"

#include <QCryptographicHash>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {
const QString kTag = QStringLiteral("PasteBoard");

bool isEmptyCopy(const PasteboardItems& items)
{
    for (const PasteboardItem& item : items)
        for (const auto& rep : item.representations())
            if (!rep.data.isEmpty())
                return false;
    return true;
}

void setPlainString(PasteboardItem& item, const QByteArray& utf8)
{
    for (const QString& type : PasteboardType::stringReadOrder)
        item.setData(type, utf8);
}
} // namespace

PasteBoard::PasteBoard(CoreDataManager& store, const Preferences& preferences, Clipboard* clipboard,
                       Workspace* workspace, KeyBoardEventSimu* keyboard,
                       SourceProvider currentRunningApplication)
    : store_(store), preferences_(preferences), clipboard_(clipboard), workspace_(workspace),
      keyboard_(keyboard), currentRunningApplication_(std::move(currentRunningApplication)),
      changeCount_(clipboard->changeCount())
{
    queue_.async([this] { setIgnoredApps(store_.fetchIgnoredApps()); });
    announced_ = clipboard_->setChangeListener([this](qint64 count) { onAnnouncedChange(count); });
}

PasteBoard::~PasteBoard()
{
    if (announced_)
        clipboard_->setChangeListener({});
    writes_.drain();
    queue_.drain();
}

void PasteBoard::setIgnoredApps(const QList<IgnoredAppInfModel>& rules)
{
    QStringList identifiers;
    for (const IgnoredAppInfModel& rule : rules)
        if (rule.bundleIdentifier)
            identifiers.append(*rule.bundleIdentifier);
    std::lock_guard lock(ignoredMutex_);
    ignoredAppBundleIdentifiers_ = identifiers;
}

QStringList PasteBoard::ignoredAppBundleIdentifiers() const
{
    std::lock_guard lock(ignoredMutex_);
    return ignoredAppBundleIdentifiers_;
}

void PasteBoard::waitForIdle()
{
    writes_.drain();
    queue_.drain();
}

void PasteBoard::checkForChangesInPasteboard()
{
    const qint64 count = clipboard_->changeCount();
    if (count == changeCount_.load() || probeInFlight_.exchange(true))
        return;
    if (announced_) {
        // Announced but not settled, and no read in progress: it could not be read; try again.
        probeInFlight_.store(false);
        clipboard_->announceAgain();
        return;
    }
    // Reading the offer means a round trip to its owner, so even the type list is read off
    // the GUI thread. Until the probe has settled the change, later ticks see it again and
    // retry.
    queue_.async([this, count] {
        probeAndCapture(count);
        probeInFlight_.store(false);
    });
}

bool PasteBoard::needsTicks() const
{
    return !announced_ || clipboard_->changeCount() != changeCount_.load();
}

void PasteBoard::setRetryRequest(std::function<void()> request)
{
    std::lock_guard lock(retryMutex_);
    retryRequest_ = std::move(request);
}

void PasteBoard::onAnnouncedChange(qint64 count)
{
    if (count != changeCount_.load() && !probeInFlight_.exchange(true)) {
        probeAndCapture(count);
        probeInFlight_.store(false);
    }
    if (count == changeCount_.load())
        return;
    std::lock_guard lock(retryMutex_);
    if (retryRequest_)
        retryRequest_();
}

void PasteBoard::probeAndCapture(qint64 count)
{
    const std::optional<QStringList> types = clipboard_->types();
    if (!types)
        return;
    if (types->isEmpty()) {
        // Emptied (its owner quit): nothing to record, and nothing to ask again.
        changeCount_.store(count);
        return;
    }

    // The counter moves on once the change is settled: recorded, or skipped on purpose. A copy
    // whose content could not be read is tried again on the next tick.
    if (preferences_.pauseRecording()) {
        Log::info(QStringLiteral("paste board"), QStringLiteral("pause recording, ignore current change"));
        changeCount_.store(count);
        return;
    }

    // The owner of the selection names the application better than the window in front: a
    // password manager that hides its window on copy is still the source, and a script that
    // copies while an application is in front is not that application.
    const RunningApplicationRef active = currentRunningApplication_ ? currentRunningApplication_() : nullptr;
    const RunningApplicationRef source = workspace_ ? workspace_->clipboardSource(active) : active;

    const QString identifier =
        source && source->bundleIdentifier ? *source->bundleIdentifier : QStringLiteral("nil");
    if (ignoredAppBundleIdentifiers().contains(identifier)) {
        Log::info(kTag, QStringLiteral("ignore app: ") + identifier);
        changeCount_.store(count);
        return;
    }
    if (capture(*types, source)) {
        changeCount_.store(count);
        return;
    }
    if (unreadableLoggedAt_.exchange(count) != count)
        Log::warning(kTag, QStringLiteral("clipboard content could not be read, trying again"));
}

bool PasteBoard::isSecret(const QStringList& types)
{
    QStringList hints;
    for (const QString& hint : PasteboardType::passwordManagerHints)
        if (types.contains(hint))
            hints.append(hint);
    if (hints.isEmpty())
        return false;
    // Read before the content, so a secret is never read; a hint that times out or is refused
    // fails closed.
    const ClipboardContent content = clipboard_->read(hints);
    if (content.status != ClipboardContent::Status::Read || content.items.isEmpty())
        return true;
    for (const QString& hint : std::as_const(hints)) {
        const std::optional<QByteArray> value = content.items.first().dataForType(hint);
        if (!value || value->trimmed() == "secret")
            return true;
    }
    return false;
}

bool PasteBoard::capture(const QStringList& types, const RunningApplicationRef& source)
{
    // Only Brimble offers its marker. Such a generation is never recorded, also when nothing
    // was captured before it (after a restart, say), and reading it back could mean copying a
    // large image for nothing.
    if (types.contains(PasteboardType::marker)) {
        Log::info(QStringLiteral("dumplicate"), QStringLiteral("ignore this paste"));
        return true;
    }
    if (isSecret(types)) {
        Log::info(kTag, QStringLiteral("password manager copy, not recorded"));
        return true;
    }

    const QStringList distinct = PasteboardType::distinctTypes(types);
    const ClipboardContent content = clipboard_->read(distinct);
    if (content.status == ClipboardContent::Status::Unreadable)
        return false;
    if (content.status == ClipboardContent::Status::TooLarge) {
        Log::warning(kTag, QStringLiteral("copy larger than %1 MB, not recorded")
                               .arg(Clipboard::maxItemBytes / (1024 * 1024)));
        return true;
    }
    if (isEmptyCopy(content.items)) {
        Log::info(kTag, QStringLiteral("empty copy, not recorded"));
        return true;
    }

    PasteInfModel model = PasteInfModel::capture(content.items, distinct, source, store_.now());
    model.secretKind = secretKindOf(content.items);
    if (model.secretKind && preferences_.secretLifetime() == Preferences::secretNeverRecorded) {
        Log::info(kTag, QStringLiteral("secret copy (%1), not recorded").arg(SecretShape::rawValue(*model.secretKind)));
        return true;
    }
    const QByteArray digest = contentDigest(content.items);
    if (queue_.isCurrent()) {
        record(model, digest);
        return true;
    }
    std::unique_lock lock(pendingMutex_);
    pendingDrained_.wait(lock, [this] { return pendingRecords_ < maxPendingRecords; });
    ++pendingRecords_;
    lock.unlock();
    queue_.async([this, model, digest] {
        record(model, digest);
        {
            std::lock_guard drained(pendingMutex_);
            --pendingRecords_;
        }
        pendingDrained_.notify_all();
    });
    return true;
}

void PasteBoard::record(const PasteInfModel& model, const QByteArray& digest)
{
    {
        std::lock_guard lock(digestMutex_);
        if (digest == lastDigest_) {
            Log::info(QStringLiteral("dumplicate"), QStringLiteral("ignore this paste"));
            return;
        }
        lastDigest_ = digest;
    }
    store_.insertPasteInf(model);
}

std::optional<SecretKind> PasteBoard::secretKindOf(const PasteboardItems& items)
{
    if (items.isEmpty())
        return std::nullopt;
    for (const PasteboardItem& item : items)
        for (const QString& type : item.types())
            if (PasteboardType::isImage(type) || type == PasteboardType::fileURL)
                return std::nullopt;
    const std::optional<QString> text = items.first().readableText();
    return text ? SecretShape::recognise(*text) : std::nullopt;
}

QByteArray PasteBoard::contentDigest(const PasteboardItems& items)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    auto addSized = [&hash](QByteArrayView bytes) {
        const quint64 size = quint64(bytes.size());
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&size), sizeof size));
        hash.addData(bytes);
    };
    for (const PasteboardItem& item : items) {
        QList<PasteboardItem::Representation> reps = item.representations();
        reps.removeIf([](const auto& rep) { return rep.type == PasteboardType::marker; });
        std::sort(reps.begin(), reps.end(), [](const auto& a, const auto& b) { return a.type < b.type; });
        const quint64 count = quint64(reps.size());
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&count), sizeof count));
        for (const auto& rep : std::as_const(reps)) {
            addSized(rep.type.toUtf8());
            addSized(rep.data);
        }
    }
    return hash.result();
}

void PasteBoard::paste(const QList<PasteInfModel>& models, bool asPlainText, bool simulatePaste,
                       RunningApplicationRef target, Completion done)
{
    writes_.async([=, this, done = std::move(done)] {
        const PasteOutcome outcome = writeBack(models, asPlainText, simulatePaste, target);
        if (done)
            Dispatch::main([done, outcome] { done(outcome); });
    });
}

PasteboardItems PasteBoard::itemsForPaste(const QList<PasteInfModel>& models, bool asPlainText)
{
    const QByteArray marker = PasteboardType::marker.toUtf8();
    PasteboardItems list;
    for (const PasteInfModel& model : models) {
        const auto& stored = model.pasteboardItems();
        if (!model.types || !stored) {
            Log::error(QStringLiteral("ON PASTE"), QStringLiteral("types or pasteboard items is nil"));
            continue;
        }
        for (const PasteboardItem& item : *stored) {
            if (!asPlainText) {
                PasteboardItem copy = item;
                copy.setData(PasteboardType::marker, marker);
                list.append(copy);
                continue;
            }
            PasteboardItem plain;
            plain.setData(PasteboardType::marker, marker);
            const auto displayType = model.displayType;
            if (displayType == PasteInfoDisplayType::File) {
                const auto uriList = item.dataForType(PasteboardType::fileURL);
                const QString text = uriList ? UriList::plainText(*uriList) : QString();
                if (text.isEmpty())
                    continue;
                setPlainString(plain, text.toUtf8());
            } else {
                // An image has no plain text unless its owner offered some with it: an encoding
                // of its pixels would be a text of megabytes nobody asked for.
                const auto text = item.readableText();
                if (!text)
                    continue;
                setPlainString(plain, text->toUtf8());
            }
            list.append(plain);
        }
    }
    return list;
}

PasteOutcome PasteBoard::writeBack(QList<PasteInfModel> models, bool asPlainText, bool simulatePaste,
                                   const RunningApplicationRef& target)
{
    using Status = PasteOutcome::Status;
    const QString tag = QStringLiteral("ON PASTE");
    Log::info(tag, QStringLiteral("writing %1 item(s)%2")
                       .arg(models.size())
                       .arg(simulatePaste ? QStringLiteral(" to paste") : QString()));
    if (beforeContentLoad_)
        beforeContentLoad_();

    // The content of a listed item is loaded here, before anything is written: an item whose
    // content cannot be read any more must not leave an empty clipboard behind.
    bool contentMissing = false;
    for (PasteInfModel& model : models) {
        if (!model.pasteboardItems()) {
            contentMissing = true;
            continue;
        }
        // Reducing to plain text depends on what the item is; one never shown is not yet
        // classified.
        if (asPlainText && !model.displayType)
            PasteBoardUtils::preferredContent(model, &store_);
    }
    const PasteboardItems items = itemsForPaste(models, asPlainText);
    if (items.isEmpty()) {
        // The clipboard keeps what it holds: emptying it would lose that for nothing.
        Log::warning(tag, contentMissing
                              ? QStringLiteral("the item's content could not be read from the history")
                          : asPlainText
                              ? QStringLiteral("the item has no plain text; the clipboard was left as it was")
                              : QStringLiteral("nothing to write"));
        return contentMissing ? PasteOutcome{Status::ContentUnavailable, LocalizedPaste::contentUnreadable()}
               : asPlainText  ? PasteOutcome{Status::NothingToWrite, LocalizedPaste::noPlainText()}
                              : PasteOutcome{Status::NothingToWrite, LocalizedPaste::nothingToWrite()};
    }
    // Taken directly, never released first: in the moment without an owner another clipboard
    // tool would put back its own item.
    if (!clipboard_->write(items)) {
        Log::error(tag, QStringLiteral("could not take the clipboard"));
        return {Status::ClipboardRefused, LocalizedPaste::clipboardRefused()};
    }
    const qint64 written = clipboard_->changeCount();
    {
        // Copying what was just pasted is no new copy.
        std::lock_guard lock(digestMutex_);
        lastDigest_ = contentDigest(items);
    }
    PasteOutcome outcome = pasteInto(target, simulatePaste, items);
    outcome.changeCount = written;
    return outcome;
}

PasteOutcome PasteBoard::pasteInto(const RunningApplicationRef& target, bool simulatePaste,
                                   const PasteboardItems& items)
{
    using Status = PasteOutcome::Status;
    // The log in English; the message, which says the item is on the clipboard, in the user's
    // language.
    auto notPasted = [&](Status status, const QString& what, const QString& said) {
        Log::warning(QStringLiteral("ON PASTE"), what);
        return PasteOutcome{status, said};
    };
    const bool targeted = !keyboard_ || keyboard_->needsTarget();
    if (!target && targeted) {
        return simulatePaste
                   ? notPasted(Status::WindowGone, QStringLiteral("no window to paste into is known"),
                               LocalizedPaste::noWindowKnown())
                   : PasteOutcome{Status::Written, {}};
    }
    // A key stroke sent to whatever is in front instead would paste into the wrong window. A
    // keyboard that needs no target (Wayland) still has a known X11 target brought forward: in a
    // Wayland session the target is an XWayland window that gets its stroke through XTest.
    switch (!target      ? Workspace::Activation::Activated
            : workspace_ ? workspace_->activate(*target)
                         : targeted ? Workspace::Activation::NotActivated : Workspace::Activation::Activated) {
    case Workspace::Activation::Activated:
        break;
    case Workspace::Activation::WindowGone:
        return notPasted(Status::WindowGone, QStringLiteral("the window to paste into is gone"),
                         LocalizedPaste::windowGone());
    case Workspace::Activation::NotActivated:
        return notPasted(Status::ActivationFailed,
                         QStringLiteral("the window to paste into did not come to the front"),
                         LocalizedPaste::notActivated());
    }
    if (!simulatePaste)
        return {Status::Written, {}};
    const auto sent =
        keyboard_ ? keyboard_->simulatePaste(target, items) : KeyBoardEventSimu::Result::Refused;
    if (sent == KeyBoardEventSimu::Result::Sent)
        return {Status::Pasted, {}};
    if (sent != KeyBoardEventSimu::Result::Failed) {
        PasteOutcome outcome =
            notPasted(Status::KeySynthesisRefused,
                      targeted ? QStringLiteral("the display does not take synthetic key strokes (XTest)")
                               : QStringLiteral("the compositor offers no virtual keyboard"),
                      targeted ? LocalizedPaste::noXTest() : LocalizedPaste::noVirtualKeyboard());
        outcome.explainAutoPaste = sent == KeyBoardEventSimu::Result::RefusedExplain;
        return outcome;
    }
    return notPasted(Status::KeySynthesisRefused, QStringLiteral("the paste key stroke could not be sent"),
                     LocalizedPaste::keyNotSent());
}
