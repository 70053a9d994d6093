#include "platform/wayland/WaylandClipboard.h"

#include "common/CrashCatcher.h"
#include "common/Log.h"
#include "common/Threads.h"
#include "platform/ChangeAnnouncer.h"
#include "platform/ClipboardReads.h"
#include "platform/EngineJobs.h"
#include "platform/PasteboardTypes.h"
#include "platform/wayland/WaylandDataControl.h"
#include "platform/wayland/WaylandRegistry.h"

#include <QHash>
#include <QList>

#include <wayland-client.h>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <functional>
#include <list>
#include <thread>
#include <vector>

namespace {

const QString tag = QStringLiteral("clipboard");

using Clock = std::chrono::steady_clock;

// An outgoing transfer that makes no progress for this long was abandoned by its reader.
constexpr auto transferTimeout = std::chrono::seconds(5);
constexpr qsizetype pipeChunk = 256 * 1024;

using Outcome = ReadOutcome;

qint64 msLeft(Clock::time_point deadline)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
}

} // namespace

class WaylandClipboard::Engine
{
public:
    Engine(const QByteArray& displayName, qsizetype maxItemBytes);
    ~Engine();

    bool valid() const { return valid_.load(); }
    qint64 changeCount() const { return changeCount_.load(); }
    QString protocolName() const { return protocolName_; }

    // Runs fn on the engine thread and waits for its result; failure when the engine is gone.
    // Called from the engine thread (by the change listener), fn runs in place.
    template <typename T> T call(std::function<T()> fn, T failure)
    {
        return callEngine(jobs_, thread_, valid_, std::move(fn), failure);
    }
    // The same for a write: it goes before the queued jobs, and a read in progress gives up.
    template <typename T> T callFirst(std::function<T()> fn, T failure)
    {
        return callEngine(jobs_, thread_, valid_, std::move(fn), failure, &writesWaiting_);
    }

    bool setChangeListener(Clipboard::ChangeListener listener)
    {
        announcer_.setListener(std::move(listener));
        return valid_;
    }
    void announceAgain()
    {
        announcer_.repeat();
        jobs_.wake();
    }

    // Engine-thread operations.
    void setContentReadListener(Clipboard::ContentReadListener listener)
    {
        contentReadListener_ = std::move(listener);
    }
    std::optional<QStringList> readTypes();
    ClipboardContent readItems(const QStringList& types);
    bool takeSelection(bool primary, const PasteboardItem& offer);
    void giveUpClipboard();

private:
    struct Source
    {
        wl_proxy* proxy = nullptr;
        QList<PasteboardItem::Representation> reps;
    };
    struct Transfer
    {
        int fd = -1;
        QByteArray data;
        qsizetype offset = 0;
        Clock::time_point lastProgress;
        // What was asked for, told to the content-read listener once all of it is written.
        QString type;
        bool primary = false;
    };
    enum class Wait
    {
        Ready,
        TimedOut,
        Broken
    };

    static void onDataOffer(void* data, wl_proxy* device, wl_proxy* offer);
    static void onSelection(void* data, wl_proxy* device, wl_proxy* offer);
    static void onFinished(void* data, wl_proxy* device);
    static void onPrimarySelection(void* data, wl_proxy* device, wl_proxy* offer);
    static void onSend(void* data, wl_proxy* source, const char* mimeType, int32_t fd);
    static void onCancelled(void* data, wl_proxy* source);
    static void onOffer(void* data, wl_proxy* offer, const char* mimeType);
    static void onSyncDone(void* data, wl_callback* callback, uint32_t);

    void run();
    // Sends what is queued, waits at most timeoutMs (-1: no limit) for the compositor, for a
    // writable outgoing pipe or for `fd` to become readable, then dispatches the compositor's
    // events and moves outgoing transfers along. Ready when `fd` (or, with fd < 0, anything)
    // is ready.
    Wait pump(int fd, int timeoutMs, bool withWake = false);
    // Waits until the compositor has handled every request sent so far.
    bool roundtrip(int timeoutMs);

    bool ownsClipboard() const;
    // Reads one type through a pipe; more than `limit` bytes is TooLarge.
    Outcome receive(const QString& type, qint64 startCount, qsizetype limit, QByteArray& data);
    QStringList offeredTypes() const;

    void dropOffer(wl_proxy* offer);
    void continueTransfers(const std::vector<pollfd>& fds, std::size_t first);
    void expireTransfers();
    int msUntilNextTransferExpiry() const;

    wl_display* display_ = nullptr;
    WaylandRegistry registry_;
    wl_seat* seat_ = nullptr;
    std::unique_ptr<WaylandDataControl> control_;
    wl_proxy* device_ = nullptr;
    QString protocolName_;
    qsizetype maxItemBytes_ = 0;

    // Offers the compositor announced, with their types; one is the selection, one may be
    // the primary selection.
    QHash<wl_proxy*, QStringList> offers_;
    wl_proxy* selection_ = nullptr;
    wl_proxy* primarySelection_ = nullptr;
    // The offer the compositor made of our own source, once it told us.
    wl_proxy* ownOffer_ = nullptr;
    std::list<Source> sources_;
    Source* clipboardSource_ = nullptr;
    Source* primarySource_ = nullptr;
    std::list<Transfer> transfers_;
    Clipboard::ContentReadListener contentReadListener_;

    ClipboardReads reads_;

    std::atomic<bool> valid_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<qint64> changeCount_{0};
    std::atomic<int> writesWaiting_{0};
    ChangeAnnouncer announcer_;
    EngineJobs jobs_;
    std::thread thread_;
};

namespace {
using Engine = WaylandClipboard::Engine;
} // namespace

WaylandClipboard::Engine::Engine(const QByteArray& displayName, qsizetype maxItemBytes)
    : maxItemBytes_(maxItemBytes)
{
    display_ = wl_display_connect(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!display_) {
        Log::warning(tag, QStringLiteral("cannot connect to the Wayland display"));
        return;
    }
    if (!registry_.read(display_)) {
        Log::warning(tag, QStringLiteral("the Wayland display did not answer"));
        return;
    }
    if (!registry_.seat || !registry_.hasDataControl()) {
        Log::warning(tag, QStringLiteral("the compositor offers no data-control protocol"));
        return;
    }
    seat_ = static_cast<wl_seat*>(
        wl_registry_bind(registry_.registry, registry_.seat->name, &wl_seat_interface, 1));
    // The standard protocol first; the wlroots one is what older compositors have.
    control_ = registry_.extDataControl
                   ? std::make_unique<WaylandDataControl>(WaylandDataControl::Kind::Ext, registry_.registry,
                                                          registry_.extDataControl->name,
                                                          registry_.extDataControl->version)
                   : std::make_unique<WaylandDataControl>(WaylandDataControl::Kind::Wlr, registry_.registry,
                                                          registry_.wlrDataControl->name,
                                                          registry_.wlrDataControl->version);
    protocolName_ = control_->protocolName();
    static const WaylandDataControl::DeviceListener deviceListener = {onDataOffer, onSelection, onFinished,
                                                                      onPrimarySelection};
    device_ = control_->getDevice(seat_, &deviceListener, this);
    // The current selection arrives now, so the first tick does not take it for a new copy.
    if (wl_display_roundtrip(display_) < 0) {
        Log::warning(tag, QStringLiteral("the Wayland connection failed during set-up"));
        return;
    }
    changeCount_ = 0;

    if (!jobs_.isValid()) {
        Log::error(tag, QStringLiteral("cannot create the engine's wake-up descriptor"));
        return;
    }
    valid_ = true;
    thread_ = std::thread([this] {
        // A reader that closes its pipe early must cost a failed write, not the process.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        CrashCatcher::prepareThread();
        Threads::nameCurrent("wl-clipboard");
        run();
    });
}

WaylandClipboard::Engine::~Engine()
{
    stopping_ = true;
    if (thread_.joinable()) {
        jobs_.wake();
        thread_.join();
    }
    jobs_.close();
    for (Transfer& t : transfers_)
        close(t.fd);
    if (!display_)
        return;
    for (auto it = offers_.cbegin(); it != offers_.cend(); ++it)
        control_->destroyOffer(it.key());
    for (Source& source : sources_)
        control_->destroySource(source.proxy);
    if (device_)
        control_->destroyDevice(device_);
    control_.reset();
    if (seat_)
        wl_seat_destroy(seat_);
    if (registry_.registry)
        wl_registry_destroy(registry_.registry);
    wl_display_flush(display_);
    wl_display_disconnect(display_);
}

void WaylandClipboard::Engine::run()
{
    while (!stopping_) {
        jobs_.runQueued([this] { return valid_ && !stopping_; });
        // Read at once: the owner of a copy may be gone a moment later. What arrived during
        // the listener's reads is handled before the next wait.
        if (announcer_.announce(changeCount_))
            continue;
        if (pump(-1, -1, true) == Wait::Broken) {
            Log::error(tag, QStringLiteral("lost the Wayland connection, clipboard capture stops"));
            valid_ = false;
            break;
        }
    }
    jobs_.close();
}

Engine::Wait WaylandClipboard::Engine::pump(int fd, int timeoutMs, bool withWake)
{
    while (wl_display_prepare_read(display_) != 0)
        if (wl_display_dispatch_pending(display_) < 0)
            return Wait::Broken;
    if (wl_display_flush(display_) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(display_);
        return Wait::Broken;
    }
    std::vector<pollfd> fds = {{wl_display_get_fd(display_), POLLIN, 0}};
    const std::size_t extra = fds.size();
    if (withWake)
        fds.push_back({jobs_.wakeFd(), POLLIN, 0});
    if (fd >= 0)
        fds.push_back({fd, POLLIN, 0});
    const std::size_t firstTransfer = fds.size();
    for (const Transfer& t : transfers_)
        fds.push_back({t.fd, POLLOUT, 0});

    int timeout = msUntilNextTransferExpiry();
    if (timeoutMs >= 0)
        timeout = timeout < 0 ? timeoutMs : std::min(timeout, timeoutMs);
    const int ready = poll(fds.data(), fds.size(), timeout);
    if (ready > 0 && (fds[0].revents & (POLLIN | POLLERR | POLLHUP))) {
        if (wl_display_read_events(display_) < 0)
            return Wait::Broken;
    } else {
        wl_display_cancel_read(display_);
    }
    // Transfers first: dispatching may add new ones, which the descriptors above do not cover.
    continueTransfers(fds, firstTransfer);
    if (wl_display_dispatch_pending(display_) < 0)
        return Wait::Broken;
    expireTransfers();

    bool fdReady = false;
    for (std::size_t i = extra; i < firstTransfer; ++i) {
        if (!fds[i].revents)
            continue;
        if (fds[i].fd == jobs_.wakeFd())
            jobs_.clearWake();
        fdReady = true;
    }
    if (fd < 0)
        return ready > 0 ? Wait::Ready : Wait::TimedOut;
    return fdReady ? Wait::Ready : Wait::TimedOut;
}

void WaylandClipboard::Engine::onSyncDone(void* data, wl_callback* callback, uint32_t)
{
    if (data)
        *static_cast<bool*>(data) = true;
    wl_callback_destroy(callback);
}

bool WaylandClipboard::Engine::roundtrip(int timeoutMs)
{
    static const wl_callback_listener listener = {onSyncDone};
    bool done = false;
    wl_callback* callback = wl_display_sync(display_);
    wl_callback_add_listener(callback, &listener, &done);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done && !stopping_) {
        const qint64 left = msLeft(deadline);
        if (left <= 0 || pump(-1, int(left)) == Wait::Broken)
            break;
    }
    // A late answer still destroys its callback, but must not write to this frame.
    if (!done)
        wl_callback_set_user_data(callback, nullptr);
    return done;
}

void WaylandClipboard::Engine::onDataOffer(void* data, wl_proxy*, wl_proxy* offer)
{
    auto* self = static_cast<Engine*>(data);
    static const WaylandDataControl::OfferListener listener = {onOffer};
    self->offers_.insert(offer, {});
    self->control_->addOfferListener(offer, &listener, self);
}

void WaylandClipboard::Engine::onOffer(void* data, wl_proxy* offer, const char* mimeType)
{
    auto* self = static_cast<Engine*>(data);
    const QString type = QString::fromUtf8(mimeType);
    QStringList& types = self->offers_[offer];
    if (!types.contains(type))
        types.append(type);
}

void WaylandClipboard::Engine::onSelection(void* data, wl_proxy*, wl_proxy* offer)
{
    auto* self = static_cast<Engine*>(data);
    if (self->selection_ && self->selection_ != offer && self->selection_ != self->primarySelection_)
        self->dropOffer(self->selection_);
    self->selection_ = offer;
    ++self->changeCount_;
}

void WaylandClipboard::Engine::onPrimarySelection(void* data, wl_proxy*, wl_proxy* offer)
{
    auto* self = static_cast<Engine*>(data);
    if (self->primarySelection_ && self->primarySelection_ != offer &&
        self->primarySelection_ != self->selection_)
        self->dropOffer(self->primarySelection_);
    self->primarySelection_ = offer;
}

void WaylandClipboard::Engine::onFinished(void* data, wl_proxy* device)
{
    auto* self = static_cast<Engine*>(data);
    Log::error(tag, QStringLiteral("the compositor withdrew the clipboard device, capture stops"));
    self->control_->destroyDevice(device);
    self->device_ = nullptr;
}

void WaylandClipboard::Engine::dropOffer(wl_proxy* offer)
{
    if (offer == ownOffer_)
        ownOffer_ = nullptr;
    offers_.remove(offer);
    control_->destroyOffer(offer);
}

void WaylandClipboard::Engine::onSend(void* data, wl_proxy* proxy, const char* mimeType, int32_t fd)
{
    auto* self = static_cast<Engine*>(data);
    const QString type = QString::fromUtf8(mimeType);
    for (const Source& source : self->sources_) {
        if (source.proxy != proxy)
            continue;
        for (const auto& rep : source.reps) {
            if (rep.type != type)
                continue;
            // Never block on a slow reader: the pipe is written as it drains.
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            self->transfers_.push_back(
                Transfer{fd, rep.data, 0, Clock::now(), type, &source == self->primarySource_});
            return;
        }
    }
    close(fd);
}

void WaylandClipboard::Engine::onCancelled(void* data, wl_proxy* proxy)
{
    auto* self = static_cast<Engine*>(data);
    // Transfers already running keep their own copy of the bytes.
    self->sources_.remove_if([&](const Source& source) {
        if (source.proxy != proxy)
            return false;
        if (self->clipboardSource_ == &source)
            self->clipboardSource_ = nullptr;
        if (self->primarySource_ == &source)
            self->primarySource_ = nullptr;
        return true;
    });
    self->control_->destroySource(proxy);
}

void WaylandClipboard::Engine::continueTransfers(const std::vector<pollfd>& fds, std::size_t first)
{
    auto it = transfers_.begin();
    for (std::size_t i = first; i < fds.size() && it != transfers_.end(); ++i) {
        if (!fds[i].revents) {
            ++it;
            continue;
        }
        bool finished = (fds[i].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0;
        while (!finished) {
            const qsizetype length = std::min(pipeChunk, it->data.size() - it->offset);
            const ssize_t written =
                length > 0 ? ::write(it->fd, it->data.constData() + it->offset, size_t(length)) : 0;
            if (written > 0) {
                it->offset += written;
                it->lastProgress = Clock::now();
                finished = it->offset >= it->data.size();
                continue;
            }
            if (written < 0 && (errno == EAGAIN || errno == EINTR))
                break;
            finished = true;
        }
        if (finished) {
            close(it->fd);
            if (it->offset >= it->data.size() && contentReadListener_)
                contentReadListener_(it->type, it->primary);
            it = transfers_.erase(it);
        } else {
            ++it;
        }
    }
}

void WaylandClipboard::Engine::expireTransfers()
{
    const auto now = Clock::now();
    for (auto it = transfers_.begin(); it != transfers_.end();) {
        if (now - it->lastProgress < transferTimeout) {
            ++it;
            continue;
        }
        Log::warning(tag, QStringLiteral("transfer abandoned by its reader"));
        close(it->fd);
        it = transfers_.erase(it);
    }
}

int WaylandClipboard::Engine::msUntilNextTransferExpiry() const
{
    if (transfers_.empty())
        return -1;
    auto next = Clock::time_point::max();
    for (const Transfer& t : transfers_)
        next = std::min(next, t.lastProgress + transferTimeout);
    return int(std::clamp<qint64>(msLeft(next) + 1, 0, 60000));
}

bool WaylandClipboard::Engine::ownsClipboard() const
{
    return clipboardSource_ && selection_ == ownOffer_;
}

QStringList WaylandClipboard::Engine::offeredTypes() const
{
    QStringList names;
    for (const QString& type : offers_.value(selection_))
        if (!type.isEmpty() && !PasteboardType::isMetaTarget(type))
            names.append(type);
    return names;
}

std::optional<QStringList> WaylandClipboard::Engine::readTypes()
{
    if (ownsClipboard()) {
        QStringList names;
        for (const auto& rep : std::as_const(clipboardSource_->reps))
            names.append(rep.type);
        return names;
    }
    if (!selection_)
        return QStringList();
    return offeredTypes();
}

Outcome WaylandClipboard::Engine::receive(const QString& type, qint64 startCount, qsizetype limit,
                                          QByteArray& data)
{
    data.clear();
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return Outcome::Refused;
    control_->receive(selection_, type.toUtf8(), fds[1]);
    // The compositor holds its own duplicate now; ours must go so the end of data is seen.
    close(fds[1]);
    const int readFd = fds[0];
    auto lastProgress = Clock::now();
    Outcome outcome = Outcome::Ok;
    for (;;) {
        if (data.capacity() - data.size() < pipeChunk)
            data.reserve(std::min(limit + 1, std::max(data.size() * 2, data.size() + pipeChunk)));
        const qsizetype room = std::min(pipeChunk, limit + 1 - data.size());
        const qsizetype before = data.size();
        data.resize(before + room);
        const ssize_t got = ::read(readFd, data.data() + before, size_t(room));
        data.resize(before + std::max<ssize_t>(got, 0));
        if (got > 0) {
            if (data.size() > limit) {
                outcome = Outcome::TooLarge;
                break;
            }
            lastProgress = Clock::now();
            continue;
        }
        if (got == 0)
            break;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN) {
            outcome = Outcome::Refused;
            break;
        }
        // The time-out counts from the last bytes, so a large transfer completes as long as
        // it keeps moving.
        const qint64 left = msLeft(lastProgress + std::chrono::milliseconds(progressTimeoutMs));
        if (left <= 0) {
            outcome = Outcome::TimedOut;
            break;
        }
        // Woken by a job too: a write that goes first.
        if (pump(readFd, int(left), true) == Wait::Broken || stopping_) {
            outcome = Outcome::Broken;
            break;
        }
        if (changeCount_ != startCount) {
            outcome = Outcome::Changed;
            break;
        }
        if (writesWaiting_ > 0) {
            outcome = Outcome::Preempted;
            break;
        }
    }
    close(readFd);
    if (outcome != Outcome::Ok)
        data.clear();
    else
        data.squeeze();
    return outcome;
}

ClipboardContent WaylandClipboard::Engine::readItems(const QStringList& types)
{
    if (ownsClipboard())
        return ClipboardReads::own(clipboardSource_->reps, types);
    if (!selection_)
        return {};
    const qint64 startCount = changeCount_;
    reads_.start(startCount);
    return reads_.read(
        offeredTypes(), types, maxItemBytes_,
        [&](const QString& name, qsizetype limit, QByteArray& data) {
            return receive(name, startCount, limit, data);
        },
        [&] { return changeCount_ != startCount; });
}

bool WaylandClipboard::Engine::takeSelection(bool primary, const PasteboardItem& item)
{
    if (!device_) {
        Log::error(tag, QStringLiteral("could not take the clipboard: no clipboard device"));
        return false;
    }
    if (primary && !control_->hasPrimarySelection())
        return false;
    Source source;
    for (const auto& rep : item.representations())
        if (!PasteboardType::isMetaTarget(rep.type) && !rep.type.isEmpty())
            source.reps.append(rep);
    static const WaylandDataControl::SourceListener listener = {onSend, onCancelled};
    source.proxy = control_->createSource(&listener, this);
    for (const auto& rep : std::as_const(source.reps))
        control_->offer(source.proxy, rep.type.toUtf8());
    sources_.push_back(source);
    Source* taken = &sources_.back();
    const qint64 before = changeCount_;
    if (primary) {
        control_->setPrimarySelection(device_, taken->proxy);
        primarySource_ = taken;
    } else {
        control_->setSelection(device_, taken->proxy);
        clipboardSource_ = taken;
    }
    // The compositor answers with the selection it made of our source: count it before the
    // caller reads the counter, and recognise it as ours.
    if (!roundtrip(progressTimeoutMs)) {
        Log::error(tag, QStringLiteral("the compositor did not confirm the clipboard write"));
        return false;
    }
    if (primary)
        return primarySource_ == taken;
    if (clipboardSource_ != taken) {
        Log::error(tag, QStringLiteral("could not take the clipboard"));
        return false;
    }
    ownOffer_ = selection_;
    if (changeCount_ == before)
        ++changeCount_;
    return true;
}

void WaylandClipboard::Engine::giveUpClipboard()
{
    if (ownsClipboard() && device_)
        control_->setSelection(device_, nullptr);
    clipboardSource_ = nullptr;
    wl_display_flush(display_);
}

WaylandClipboard::WaylandClipboard(const QByteArray& displayName, qsizetype maxItemBytes)
    : engine_(std::make_unique<Engine>(displayName, maxItemBytes))
{
}

WaylandClipboard::~WaylandClipboard() = default;

bool WaylandClipboard::isValid() const
{
    return engine_->valid();
}

QString WaylandClipboard::protocolName() const
{
    return engine_->protocolName();
}

qint64 WaylandClipboard::changeCount() const
{
    return engine_->changeCount();
}

std::optional<QStringList> WaylandClipboard::types()
{
    return engine_->call<std::optional<QStringList>>([this] { return engine_->readTypes(); }, std::nullopt);
}

ClipboardContent WaylandClipboard::read(const QStringList& types)
{
    return engine_->call<ClipboardContent>([this, types] { return engine_->readItems(types); }, {});
}

bool WaylandClipboard::setChangeListener(ChangeListener listener)
{
    return engine_->setChangeListener(std::move(listener));
}

void WaylandClipboard::announceAgain()
{
    engine_->announceAgain();
}

bool WaylandClipboard::offer(bool primary, const PasteboardItem& offer)
{
    return engine_->callFirst<bool>([this, primary, offer] { return engine_->takeSelection(primary, offer); },
                                    false);
}

bool WaylandClipboard::setContentReadListener(ContentReadListener listener)
{
    return engine_->call<bool>(
        [this, listener = std::move(listener)]() mutable {
            engine_->setContentReadListener(std::move(listener));
            return true;
        },
        false);
}

void WaylandClipboard::clear()
{
    engine_->callFirst<bool>(
        [this] {
            engine_->giveUpClipboard();
            return true;
        },
        false);
}
