#include "pasteboard/PasteQueue.h"

#include "common/ControlCharacters.h"
#include "common/Log.h"
#include "pasteboard/PasteBoard.h"
#include "platform/Clipboard.h"

#include <QMetaObject>
#include <QPointer>

namespace {
const QString kTag = QStringLiteral("paste queue");
}

PasteQueue::PasteQueue(PasteBoard& pasteBoard, Clipboard& clipboard, QObject* parent)
    : QObject(parent), pasteBoard_(pasteBoard), clipboard_(clipboard)
{
    settle_.setSingleShot(true);
    settle_.setInterval(defaultSettleMs);
    connect(&settle_, &QTimer::timeout, this, &PasteQueue::advance);
    watch_.setInterval(watchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, [this] {
        if (status_.state == State::Active && !writing_ && lostClipboard())
            end(State::Interrupted);
    });
    const bool told =
        clipboard_.setContentReadListener([self = QPointer<PasteQueue>(this)](const QString&, bool primary) {
            // The queue lives on the GUI thread; a queued call to it is dropped once it is gone.
            QMetaObject::invokeMethod(
                self.data(),
                [self, primary] {
                    if (self)
                        self->onContentRead(primary);
                },
                Qt::QueuedConnection);
        });
    if (!told)
        Log::warning(kTag, QStringLiteral("this clipboard does not tell when it is read; a queue stays "
                                          "on its first item"));
}

PasteQueue::~PasteQueue()
{
    clipboard_.setContentReadListener({});
}

QString PasteQueue::labelFor(const PasteInfModel& model, int maxLength)
{
    std::optional<QString> text;
    if (const auto& items = model.pasteboardItems())
        for (const PasteboardItem& item : *items)
            if ((text = item.readableText()))
                break;
    if (!text)
        return QString();
    QString line = text->trimmed().section(u'\n', 0, 0).trimmed();
    if (line.size() > maxLength)
        line = line.left(maxLength - 1) + QChar(0x2026);
    return ControlCharacters::escaped(line);
}

void PasteQueue::start(const QList<PasteInfModel>& models, bool asPlainText, bool simulatePaste,
                       RunningApplicationRef target, std::function<void(const PasteOutcome&)> done)
{
    settle_.stop();
    models_ = models;
    asPlainText_ = asPlainText;
    status_ = Status{};
    for (const PasteInfModel& model : models)
        status_.entries.append({model.uuid.value_or(QString()), labelFor(model), model.displayType});
    if (models.isEmpty()) {
        end(State::Empty);
        return;
    }
    status_.state = State::Starting;
    Log::info(kTag, QStringLiteral("%1 item(s) queued").arg(models.size()));
    primaryCounts_ = simulatePaste;
    write(simulatePaste, target, std::move(done));
    watch_.start();
    Q_EMIT changed();
}

void PasteQueue::clear()
{
    if (!status_.isRunning())
        return;
    Log::info(kTag,
              QStringLiteral("cleared with %1 item(s) left").arg(status_.entries.size() - status_.next));
    end(State::Cleared);
}

void PasteQueue::dismiss()
{
    if (status_.isRunning() || status_.state == State::Empty)
        return;
    status_ = Status{};
    models_.clear();
    Q_EMIT changed();
}

void PasteQueue::write(bool simulatePaste, const RunningApplicationRef& target,
                       std::function<void(const PasteOutcome&)> done)
{
    writing_ = true;
    readDuringWrite_ = false;
    const quint64 generation = ++generation_;
    pasteBoard_.paste(
        {models_.at(status_.next)}, asPlainText_, simulatePaste, target,
        [self = QPointer<PasteQueue>(this), generation, done = std::move(done)](const PasteOutcome& outcome) {
            if (done)
                done(outcome);
            if (!self || self->generation_ != generation)
                return;
            self->writing_ = false;
            if (!outcome.isWritten()) {
                self->end(State::Failed, outcome.message);
                return;
            }
            self->ownCount_ = outcome.changeCount;
            self->status_.state = State::Active;
            if (self->readDuringWrite_)
                self->settle_.start();
            Q_EMIT self->changed();
        });
}

void PasteQueue::onContentRead(bool primary)
{
    if (!status_.isRunning() || (primary && !primaryCounts_))
        return;
    // The write has taken the clipboard before its outcome arrives here (and a simulated paste
    // may be read before that): such a read is of the item being written.
    if (writing_) {
        readDuringWrite_ = true;
        return;
    }
    // Each read starts the settle again: one paste's reads all count once.
    settle_.start();
}

void PasteQueue::advance()
{
    if (status_.state != State::Active)
        return;
    primaryCounts_ = false;
    // Writing now would take the clipboard back from the copy that replaced ours.
    if (lostClipboard()) {
        end(State::Interrupted);
        return;
    }
    if (++status_.next >= status_.entries.size()) {
        Log::info(kTag, QStringLiteral("every item pasted"));
        end(State::Finished);
        return;
    }
    write(false, {}, {});
    Q_EMIT changed();
}

bool PasteQueue::lostClipboard() const
{
    return ownCount_ >= 0 && clipboard_.changeCount() != ownCount_;
}

void PasteQueue::end(State state, const QString& message)
{
    settle_.stop();
    watch_.stop();
    ++generation_;
    writing_ = false;
    if (state == State::Interrupted)
        Log::info(kTag, QStringLiteral("ended: another copy took the clipboard"));
    else if (state == State::Failed)
        Log::warning(kTag, QStringLiteral("ended: ") + message);
    status_.state = state;
    status_.message = message;
    models_.clear();
    if (state == State::Empty) {
        status_ = Status{};
        models_.clear();
    }
    Q_EMIT changed();
}
