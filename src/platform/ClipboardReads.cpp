#include "platform/ClipboardReads.h"

#include "common/Log.h"

#include <chrono>

namespace {

const QString tag = QStringLiteral("clipboard");

// Once types have timed out for this long in one read, the rest of that read is skipped.
constexpr auto readTimeoutBudget = std::chrono::seconds(3);

} // namespace

QString readOutcomeText(ReadOutcome outcome)
{
    switch (outcome) {
    case ReadOutcome::Refused:
        return QStringLiteral("refused");
    case ReadOutcome::TimedOut:
        return QStringLiteral("timed out");
    case ReadOutcome::Changed:
        return QStringLiteral("clipboard changed");
    case ReadOutcome::Broken:
        return QStringLiteral("connection lost");
    case ReadOutcome::TooLarge:
        return QStringLiteral("too large");
    case ReadOutcome::Preempted:
        return QStringLiteral("a write goes first");
    case ReadOutcome::Ok:
        break;
    }
    return QStringLiteral("ok");
}

void ClipboardReads::start(qint64 changeCount)
{
    readCount_ = changeCount;
    quietRead_ = changeCount == failureLoggedAt_;
}

void ClipboardReads::logFailure(const QString& message)
{
    if (!quietRead_)
        Log::warning(tag, message);
    failureLoggedAt_ = readCount_;
}

ClipboardContent ClipboardReads::read(const QStringList& offered, const QStringList& wanted,
                                      qsizetype maxBytes, const Receive& receive,
                                      const std::function<bool()>& changed)
{
    using Clock = std::chrono::steady_clock;
    using Status = ClipboardContent::Status;
    QList<PasteboardItem::Representation> reps;
    qsizetype total = 0;
    Clock::duration timedOut{};
    for (const QString& name : offered) {
        if (!wanted.contains(name))
            continue;
        if (timedOut >= readTimeoutBudget) {
            logFailure(QStringLiteral("owner too slow, remaining types skipped"));
            break;
        }
        const auto started = Clock::now();
        QByteArray data;
        const ReadOutcome outcome = receive(name, maxBytes - total, data);
        if (outcome == ReadOutcome::Ok) {
            total += data.size();
            reps.append({name, data});
            continue;
        }
        if (outcome == ReadOutcome::TooLarge)
            return {Status::TooLarge, {}};
        if (outcome == ReadOutcome::Changed || outcome == ReadOutcome::Broken ||
            outcome == ReadOutcome::Preempted) {
            Log::info(tag, QStringLiteral("read abandoned: ") + readOutcomeText(outcome));
            return {};
        }
        if (outcome == ReadOutcome::TimedOut)
            timedOut += Clock::now() - started;
        logFailure(QStringLiteral("type not readable: ") + name + QStringLiteral(" (") +
                   readOutcomeText(outcome) + u')');
    }
    if (changed()) {
        Log::info(tag, QStringLiteral("read abandoned: clipboard changed"));
        return {};
    }
    if (reps.isEmpty())
        return {};
    return {Status::Read, {PasteboardItem(reps)}};
}

ClipboardContent ClipboardReads::own(const QList<PasteboardItem::Representation>& reps,
                                     const QStringList& wanted)
{
    QList<PasteboardItem::Representation> kept;
    for (const auto& rep : reps)
        if (wanted.contains(rep.type))
            kept.append(rep);
    if (kept.isEmpty())
        return {};
    return {ClipboardContent::Status::Read, {PasteboardItem(kept)}};
}
