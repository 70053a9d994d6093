#pragma once

#include "platform/Clipboard.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// What reading one type of a clipboard offer came to.
enum class ReadOutcome
{
    Ok,
    Refused,
    TimedOut,
    Changed,
    Broken,
    TooLarge,
    // Given up for a write of our own, which goes first.
    Preempted
};
QString readOutcomeText(ReadOutcome outcome);

// How the clipboard engines read an offer, whatever carries the bytes: the wanted types in the
// owner's order, at most maxBytes in all, the rest of the types skipped once the owner has
// spent the time-out budget, nothing when the clipboard changed meanwhile. A failure is logged
// once per clipboard change, so a caller polling an unreadable owner does not flood the log.
// Used on the engine's thread only.
class ClipboardReads
{
public:
    // Reads one type with at most `limit` bytes into `data`.
    using Receive = std::function<ReadOutcome(const QString& type, qsizetype limit, QByteArray& data)>;

    // Begins a read of the clipboard as it was at changeCount.
    void start(qint64 changeCount);
    void logFailure(const QString& message);

    // Reads the types of `offered` that are also `wanted`; `changed` says whether the clipboard
    // changed since start().
    ClipboardContent read(const QStringList& offered, const QStringList& wanted, qsizetype maxBytes,
                          const Receive& receive, const std::function<bool()>& changed);
    // The wanted types of an offer of our own, read without asking anyone.
    static ClipboardContent own(const QList<PasteboardItem::Representation>& reps, const QStringList& wanted);

private:
    qint64 readCount_ = -1;
    qint64 failureLoggedAt_ = -1;
    bool quietRead_ = false;
};
