#include "platform/x11/X11Clipboard.h"

#include "common/CrashCatcher.h"
#include "common/Log.h"
#include "common/Threads.h"
#include "platform/ChangeAnnouncer.h"
#include "platform/ClipboardReads.h"
#include "platform/EngineJobs.h"
#include "platform/PasteboardTypes.h"
#include "platform/x11/XcbReply.h"

#include <QHash>
#include <QList>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <list>
#include <thread>

namespace {

const QString tag = QStringLiteral("clipboard");

using Clock = std::chrono::steady_clock;

// An outgoing INCR transfer that makes no progress for this long was abandoned by its reader.
constexpr auto transferTimeout = std::chrono::seconds(5);
// Reads use a few properties in turn, so that a late answer to an abandoned request cannot
// land in the property of the next one.
constexpr int readPropertyCount = 4;
constexpr qsizetype maxIncrChunk = 1024 * 1024;

using Outcome = ReadOutcome;

} // namespace

class X11Clipboard::Engine
{
public:
    Engine(const QByteArray& displayName, qsizetype maxItemBytes);
    ~Engine();

    bool valid() const { return valid_.load(); }
    qint64 changeCount() const { return changeCount_.load(); }

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
    struct Offer
    {
        bool owned = false;
        xcb_timestamp_t time = XCB_CURRENT_TIME;
        QList<PasteboardItem::Representation> reps;
    };
    struct Transfer
    {
        xcb_window_t requestor;
        xcb_atom_t property;
        xcb_atom_t type;
        QByteArray data;
        qsizetype offset = 0;
        Clock::time_point lastProgress;
    };

    void run();
    void drainEvents();
    void handleEvent(xcb_generic_event_t* event);
    void runJobs();

    // Waits for an event that match accepts, handling all others as usual. Gives up after
    // timeoutMs without a match, when the change counter leaves startCount (unless negative),
    // or when the connection breaks.
    EventPtr waitFor(const std::function<bool(xcb_generic_event_t*)>& match, int timeoutMs, qint64 startCount,
                     Outcome& outcome);

    xcb_atom_t atom(const QByteArray& name);
    QString atomName(xcb_atom_t atom);
    void cacheAtomNames(const QList<xcb_atom_t>& atoms);
    xcb_timestamp_t serverTime();
    bool ownsClipboard();

    // Reads one target; more than `limit` bytes is TooLarge, and the rest is never fetched.
    Outcome convert(xcb_atom_t target, qint64 startCount, qsizetype limit, QByteArray& data, int& format);
    // Failures are logged for the first read of a clipboard change only: an owner that keeps
    // failing is asked again on every tick.
    std::optional<QStringList> readTargets(qint64 startCount, Outcome& outcome);
    QStringList offeredTypes(const Offer& offer) const;

    void serveRequest(const xcb_selection_request_event_t* request);
    // Content types served are added to `served` (meta-targets are not content).
    bool serveTarget(const Offer& offer, xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property,
                     QStringList& served);
    bool serveMultiple(const Offer& offer, xcb_window_t requestor, xcb_atom_t property, QStringList& served);
    void continueTransfer(const xcb_property_notify_event_t* notify);
    void expireTransfers();
    void releaseRequestorWindow(xcb_window_t requestor);
    int msUntilNextTransferExpiry() const;

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    uint8_t xfixesFirstEvent_ = 0;
    qsizetype incrThreshold_ = 0;
    qsizetype incrChunk_ = 0;
    qsizetype maxItemBytes_ = 0;
    ClipboardReads reads_;

    xcb_atom_t clipboardAtom_ = XCB_NONE;
    xcb_atom_t targetsAtom_ = XCB_NONE;
    xcb_atom_t timestampAtom_ = XCB_NONE;
    xcb_atom_t multipleAtom_ = XCB_NONE;
    xcb_atom_t incrAtom_ = XCB_NONE;
    xcb_atom_t atomPairAtom_ = XCB_NONE;
    xcb_atom_t textAtom_ = XCB_NONE;
    xcb_atom_t utf8StringAtom_ = XCB_NONE;
    xcb_atom_t timeProbeAtom_ = XCB_NONE;
    xcb_atom_t readProperties_[readPropertyCount] = {};
    int nextReadProperty_ = 0;

    QHash<QByteArray, xcb_atom_t> atoms_;
    QHash<xcb_atom_t, QString> atomNames_;

    Offer clipboard_;
    Offer primary_;
    // The targets the owner at a change count offered.
    std::pair<qint64, QStringList> knownTargets_{-1, {}};
    std::list<Transfer> transfers_;
    Clipboard::ContentReadListener contentReadListener_;

    std::atomic<bool> valid_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<qint64> changeCount_{0};
    std::atomic<int> writesWaiting_{0};
    ChangeAnnouncer announcer_;
    EngineJobs jobs_;
    std::thread thread_;
};

X11Clipboard::Engine::Engine(const QByteArray& displayName, qsizetype maxItemBytes)
    : maxItemBytes_(maxItemBytes)
{
    int screenNumber = 0;
    connection_ = xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        Log::warning(tag, QStringLiteral("cannot connect to the X display"));
        return;
    }
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    auto screens = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        Log::warning(tag, QStringLiteral("the X display has no screen"));
        return;
    }
    const xcb_screen_t* screen = screens.data;

    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection_, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present) {
        Log::warning(tag, QStringLiteral("the X display lacks the XFIXES extension"));
        return;
    }
    xfixesFirstEvent_ = xfixes->first_event;
    ReplyPtr<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
        connection_,
        xcb_xfixes_query_version(connection_, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION), nullptr));
    if (!version) {
        Log::warning(tag, QStringLiteral("cannot initialise the XFIXES extension"));
        return;
    }

    // Calling this also switches on BIG-REQUESTS when the server has it.
    const qsizetype maxRequestBytes = qsizetype(xcb_get_maximum_request_length(connection_)) * 4;
    incrThreshold_ = std::max<qsizetype>(4096, maxRequestBytes - 1024);
    incrChunk_ = std::min(incrThreshold_, maxIncrChunk);

    window_ = xcb_generate_id(connection_);
    const uint32_t values[] = {1, XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    static const char title[] = "Brimble clipboard";
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        sizeof(title) - 1, title);
    const uint32_t pid = uint32_t(getpid());
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL,
                        32, 1, &pid);

    clipboardAtom_ = atom("CLIPBOARD");
    targetsAtom_ = atom("TARGETS");
    timestampAtom_ = atom("TIMESTAMP");
    multipleAtom_ = atom("MULTIPLE");
    incrAtom_ = atom("INCR");
    atomPairAtom_ = atom("ATOM_PAIR");
    textAtom_ = atom(PasteboardType::compatibilityText.toLatin1());
    utf8StringAtom_ = atom("UTF8_STRING");
    timeProbeAtom_ = atom("_BRIMBLE_TIME_PROBE");
    for (int i = 0; i < readPropertyCount; ++i)
        readProperties_[i] = atom("_BRIMBLE_SELECTION_" + QByteArray::number(i));

    xcb_xfixes_select_selection_input(connection_, window_, clipboardAtom_,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(connection_);
    if (xcb_connection_has_error(connection_)) {
        Log::warning(tag, QStringLiteral("the X connection failed during set-up"));
        return;
    }

    if (!jobs_.isValid()) {
        Log::error(tag, QStringLiteral("cannot create the engine's wake-up descriptor"));
        return;
    }
    valid_ = true;
    thread_ = std::thread([this] {
        CrashCatcher::prepareThread();
        Threads::nameCurrent("x11-clipboard");
        run();
    });
}

X11Clipboard::Engine::~Engine()
{
    stopping_ = true;
    if (thread_.joinable()) {
        jobs_.wake();
        thread_.join();
    }
    jobs_.close();
    if (connection_)
        xcb_disconnect(connection_);
}

void X11Clipboard::Engine::runJobs()
{
    // Requests that arrived during a job are answered before the next one is taken.
    jobs_.runQueued([this] { return valid_ && !stopping_; }, [this] { drainEvents(); });
}

void X11Clipboard::Engine::run()
{
    const int xcbFd = xcb_get_file_descriptor(connection_);
    while (!stopping_) {
        drainEvents();
        if (xcb_connection_has_error(connection_)) {
            Log::error(tag, QStringLiteral("lost the X connection, clipboard capture stops"));
            valid_ = false;
            break;
        }
        runJobs();
        // Read at once: the owner of a copy may be gone a moment later. What arrived during
        // the listener's reads is handled before the next wait.
        if (announcer_.announce(changeCount_))
            continue;
        expireTransfers();
        xcb_flush(connection_);
        pollfd fds[2] = {{xcbFd, POLLIN, 0}, {jobs_.wakeFd(), POLLIN, 0}};
        const int ready = poll(fds, 2, msUntilNextTransferExpiry());
        if (ready > 0 && (fds[1].revents & POLLIN))
            jobs_.clearWake();
    }
    jobs_.close();
}

void X11Clipboard::Engine::drainEvents()
{
    while (EventPtr event{xcb_poll_for_event(connection_)})
        handleEvent(event.get());
}

void X11Clipboard::Engine::handleEvent(xcb_generic_event_t* event)
{
    const uint8_t type = event->response_type & 0x7f;
    if (type == xfixesFirstEvent_ + XCB_XFIXES_SELECTION_NOTIFY) {
        const auto* notify = reinterpret_cast<xcb_xfixes_selection_notify_event_t*>(event);
        if (notify->selection == clipboardAtom_)
            ++changeCount_;
        return;
    }
    switch (type) {
    case XCB_SELECTION_REQUEST:
        serveRequest(reinterpret_cast<xcb_selection_request_event_t*>(event));
        break;
    case XCB_SELECTION_CLEAR: {
        const auto* clear = reinterpret_cast<xcb_selection_clear_event_t*>(event);
        Offer& offer = clear->selection == clipboardAtom_ ? clipboard_ : primary_;
        if (clear->selection == clipboardAtom_ || clear->selection == XCB_ATOM_PRIMARY) {
            // Transfers already running keep their own copy of the bytes.
            offer = Offer{};
        }
        break;
    }
    case XCB_PROPERTY_NOTIFY:
        continueTransfer(reinterpret_cast<xcb_property_notify_event_t*>(event));
        break;
    default:
        // Errors (a requestor window that vanished mid-transfer, say) need no action: the
        // transfer concerned times out.
        break;
    }
}

EventPtr X11Clipboard::Engine::waitFor(const std::function<bool(xcb_generic_event_t*)>& match, int timeoutMs,
                                       qint64 startCount, Outcome& outcome)
{
    const int xcbFd = xcb_get_file_descriptor(connection_);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    xcb_flush(connection_);
    for (;;) {
        while (EventPtr event{xcb_poll_for_event(connection_)}) {
            if (match(event.get())) {
                outcome = Outcome::Ok;
                return event;
            }
            handleEvent(event.get());
        }
        if (xcb_connection_has_error(connection_) || stopping_) {
            outcome = Outcome::Broken;
            return nullptr;
        }
        if (startCount >= 0 && changeCount_ != startCount) {
            outcome = Outcome::Changed;
            return nullptr;
        }
        if (writesWaiting_ > 0) {
            outcome = Outcome::Preempted;
            return nullptr;
        }
        const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (remaining.count() <= 0) {
            outcome = Outcome::TimedOut;
            return nullptr;
        }
        expireTransfers();
        xcb_flush(connection_);
        // Short slices keep shutdown prompt; a wake-up may be a write that goes first (the
        // main loop runs the queued jobs whether woken or not).
        pollfd fds[2] = {{xcbFd, POLLIN, 0}, {jobs_.wakeFd(), POLLIN, 0}};
        if (poll(fds, 2, int(std::min<qint64>(remaining.count(), 100))) > 0 && (fds[1].revents & POLLIN))
            jobs_.clearWake();
    }
}

xcb_atom_t X11Clipboard::Engine::atom(const QByteArray& name)
{
    if (auto it = atoms_.constFind(name); it != atoms_.constEnd())
        return *it;
    const xcb_atom_t atom = internAtom(connection_, name.constData(), std::size_t(name.size()));
    if (atom == XCB_NONE)
        return XCB_NONE;
    atoms_.insert(name, atom);
    atomNames_.insert(atom, QString::fromLatin1(name));
    return atom;
}

void X11Clipboard::Engine::cacheAtomNames(const QList<xcb_atom_t>& atoms)
{
    QList<std::pair<xcb_atom_t, xcb_get_atom_name_cookie_t>> pending;
    for (xcb_atom_t a : atoms)
        if (a != XCB_NONE && !atomNames_.contains(a))
            pending.append({a, xcb_get_atom_name(connection_, a)});
    for (const auto& [a, cookie] : pending) {
        ReplyPtr<xcb_get_atom_name_reply_t> reply(xcb_get_atom_name_reply(connection_, cookie, nullptr));
        if (!reply)
            continue;
        const QByteArray name(xcb_get_atom_name_name(reply.get()),
                              xcb_get_atom_name_name_length(reply.get()));
        atomNames_.insert(a, QString::fromLatin1(name));
        atoms_.insert(name, a);
    }
}

QString X11Clipboard::Engine::atomName(xcb_atom_t a)
{
    cacheAtomNames({a});
    return atomNames_.value(a);
}

xcb_timestamp_t X11Clipboard::Engine::serverTime()
{
    // A zero-length append changes nothing but makes the server report its time.
    xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_, timeProbeAtom_, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    Outcome outcome;
    EventPtr event = waitFor(
        [this](xcb_generic_event_t* e) {
            if ((e->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
                return false;
            const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(e);
            return notify->window == window_ && notify->atom == timeProbeAtom_;
        },
        X11Clipboard::progressTimeoutMs, -1, outcome);
    if (!event)
        return XCB_CURRENT_TIME;
    return reinterpret_cast<xcb_property_notify_event_t*>(event.get())->time;
}

bool X11Clipboard::Engine::ownsClipboard()
{
    if (!clipboard_.owned)
        return false;
    ReplyPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, clipboardAtom_), nullptr));
    return owner && owner->owner == window_;
}

Outcome X11Clipboard::Engine::convert(xcb_atom_t target, qint64 startCount, qsizetype limit, QByteArray& data,
                                      int& format)
{
    const xcb_atom_t property = readProperties_[nextReadProperty_];
    nextReadProperty_ = (nextReadProperty_ + 1) % readPropertyCount;
    data.clear();
    format = 0;
    xcb_delete_property(connection_, window_, property);
    xcb_convert_selection(connection_, window_, clipboardAtom_, target, property, XCB_CURRENT_TIME);
    Outcome outcome;
    EventPtr event = waitFor(
        [&](xcb_generic_event_t* e) {
            if ((e->response_type & 0x7f) != XCB_SELECTION_NOTIFY)
                return false;
            const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(e);
            return notify->requestor == window_ && notify->selection == clipboardAtom_ &&
                   notify->target == target;
        },
        X11Clipboard::progressTimeoutMs, startCount, outcome);
    if (!event)
        return outcome;
    const xcb_atom_t answered = reinterpret_cast<xcb_selection_notify_event_t*>(event.get())->property;
    if (answered == XCB_NONE)
        return Outcome::Refused;

    // Reading with delete also tells an INCR owner to send the first chunk. Asking for one word
    // past the limit shows whether the value is larger without fetching it.
    const uint32_t words = uint32_t(std::min<qsizetype>(limit / 4 + 1, UINT32_MAX / 4));
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 1, window_, answered, XCB_GET_PROPERTY_TYPE_ANY, 0, words),
        nullptr));
    if (!reply)
        return Outcome::Refused;
    if (reply->type != incrAtom_) {
        const int length = xcb_get_property_value_length(reply.get());
        if (reply->bytes_after > 0 || length > limit) {
            xcb_delete_property(connection_, window_, answered);
            return Outcome::TooLarge;
        }
        format = reply->format;
        data = QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
        return Outcome::Ok;
    }
    // The owner announces a lower bound of the size.
    if (xcb_get_property_value_length(reply.get()) >= 4 &&
        qsizetype(*static_cast<const uint32_t*>(xcb_get_property_value(reply.get()))) > limit)
        return Outcome::TooLarge;
    reply.reset();
    for (;;) {
        // The time-out counts from the last chunk, so a large transfer completes as long as it
        // keeps moving.
        EventPtr chunkEvent = waitFor(
            [&](xcb_generic_event_t* e) {
                if ((e->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
                    return false;
                const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(e);
                return notify->window == window_ && notify->atom == answered &&
                       notify->state == XCB_PROPERTY_NEW_VALUE;
            },
            X11Clipboard::progressTimeoutMs, startCount, outcome);
        if (!chunkEvent) {
            xcb_delete_property(connection_, window_, answered);
            data.clear();
            return outcome;
        }
        ReplyPtr<xcb_get_property_reply_t> chunk(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 1, window_, answered, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
            nullptr));
        if (!chunk) {
            data.clear();
            return Outcome::Refused;
        }
        const int length = xcb_get_property_value_length(chunk.get());
        if (length == 0) {
            format = chunk->format;
            return Outcome::Ok;
        }
        if (data.size() + length > limit) {
            data.clear();
            return Outcome::TooLarge;
        }
        format = chunk->format;
        data.append(static_cast<const char*>(xcb_get_property_value(chunk.get())), length);
    }
}

std::optional<QStringList> X11Clipboard::Engine::readTargets(qint64 startCount, Outcome& outcome)
{
    QByteArray data;
    int format = 0;
    outcome = convert(targetsAtom_, startCount, maxItemBytes_, data, format);
    if (outcome != Outcome::Ok)
        return std::nullopt;
    if (format != 32) {
        outcome = Outcome::Refused;
        return std::nullopt;
    }
    QList<xcb_atom_t> atoms(data.size() / 4);
    std::memcpy(atoms.data(), data.constData(), size_t(atoms.size()) * 4);
    cacheAtomNames(atoms);
    QStringList names;
    for (xcb_atom_t a : std::as_const(atoms)) {
        const QString name = atomNames_.value(a);
        if (!name.isEmpty() && !PasteboardType::isMetaTarget(name) && !names.contains(name))
            names.append(name);
    }
    return names;
}

QStringList X11Clipboard::Engine::offeredTypes(const Offer& offer) const
{
    QStringList names;
    for (const auto& rep : offer.reps)
        names.append(rep.type);
    return names;
}

std::optional<QStringList> X11Clipboard::Engine::readTypes()
{
    if (ownsClipboard())
        return offeredTypes(clipboard_);
    ReplyPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, clipboardAtom_), nullptr));
    if (!owner)
        return std::nullopt;
    if (owner->owner == XCB_NONE)
        return QStringList();
    const qint64 startCount = changeCount_;
    reads_.start(startCount);
    Outcome outcome;
    auto names = readTargets(startCount, outcome);
    if (!names)
        reads_.logFailure(QStringLiteral("cannot read the offered types: ") + readOutcomeText(outcome));
    else if (changeCount_ == startCount)
        knownTargets_ = {startCount, *names};
    return names;
}

ClipboardContent X11Clipboard::Engine::readItems(const QStringList& types)
{
    if (ownsClipboard())
        return ClipboardReads::own(clipboard_.reps, types);
    ReplyPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, clipboardAtom_), nullptr));
    if (!owner || owner->owner == XCB_NONE)
        return {};

    const qint64 startCount = changeCount_;
    reads_.start(startCount);
    Outcome outcome;
    // The offer may have changed since the caller chose the types: read only what it still
    // holds. Asked for the same owner a moment ago, it need not be asked again.
    const auto names = knownTargets_.first == startCount ? std::optional(knownTargets_.second)
                                                         : readTargets(startCount, outcome);
    if (!names) {
        reads_.logFailure(QStringLiteral("cannot read the offered types: ") + readOutcomeText(outcome));
        return {};
    }
    return reads_.read(
        *names, types, maxItemBytes_,
        [&](const QString& name, qsizetype limit, QByteArray& data) {
            int format = 0;
            return convert(atom(name.toLatin1()), startCount, limit, data, format);
        },
        [&] { return changeCount_ != startCount; });
}

bool X11Clipboard::Engine::takeSelection(bool primary, const PasteboardItem& item)
{
    const xcb_atom_t selection = primary ? xcb_atom_t(XCB_ATOM_PRIMARY) : clipboardAtom_;
    QList<PasteboardItem::Representation> reps;
    for (const auto& rep : item.representations())
        if (!PasteboardType::isMetaTarget(rep.type) && !rep.type.isEmpty())
            reps.append(rep);

    const qint64 before = changeCount_;
    // ICCCM asks for a real timestamp; CurrentTime would let late requests for an older
    // offer be answered with this one.
    const xcb_timestamp_t time = serverTime();
    xcb_set_selection_owner(connection_, window_, selection, time);
    ReplyPtr<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, selection), nullptr));
    if (!owner || owner->owner != window_) {
        Log::error(tag, primary ? QStringLiteral("could not take the primary selection")
                                : QStringLiteral("could not take the clipboard"));
        return false;
    }
    Offer& offer = primary ? primary_ : clipboard_;
    offer = Offer{true, time, reps};
    // Our own owner notification is already queued; count it before the caller reads the
    // counter, and make sure the counter moves even if the server sent none.
    while (EventPtr event{xcb_poll_for_queued_event(connection_)})
        handleEvent(event.get());
    if (!primary && changeCount_ == before)
        ++changeCount_;
    return true;
}

void X11Clipboard::Engine::giveUpClipboard()
{
    if (ownsClipboard())
        xcb_set_selection_owner(connection_, XCB_NONE, clipboardAtom_, clipboard_.time);
    clipboard_ = Offer{};
    xcb_flush(connection_);
}

void X11Clipboard::Engine::serveRequest(const xcb_selection_request_event_t* request)
{
    const Offer* offer = nullptr;
    if (request->selection == clipboardAtom_)
        offer = &clipboard_;
    else if (request->selection == XCB_ATOM_PRIMARY)
        offer = &primary_;
    // Obsolete clients name no property; the target then serves as one.
    const xcb_atom_t property = request->property == XCB_NONE ? request->target : request->property;
    bool served = false;
    QStringList contentServed;
    if (offer && offer->owned && request->owner == window_ &&
        (request->time == XCB_CURRENT_TIME || offer->time == XCB_CURRENT_TIME ||
         request->time >= offer->time)) {
        if (request->target == multipleAtom_)
            served = request->property != XCB_NONE &&
                     serveMultiple(*offer, request->requestor, property, contentServed);
        else
            served = serveTarget(*offer, request->requestor, request->target, property, contentServed);
    }
    xcb_selection_notify_event_t notify;
    std::memset(&notify, 0, sizeof notify);
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request->time;
    notify.requestor = request->requestor;
    notify.selection = request->selection;
    notify.target = request->target;
    notify.property = served ? property : XCB_NONE;
    xcb_send_event(connection_, 0, request->requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(connection_);
    // Told once the answer is on its way, so a listener that replaces the offer cannot change
    // what this request receives.
    if (served && contentReadListener_)
        for (const QString& type : std::as_const(contentServed))
            contentReadListener_(type, request->selection == XCB_ATOM_PRIMARY);
}

bool X11Clipboard::Engine::serveTarget(const Offer& offer, xcb_window_t requestor, xcb_atom_t target,
                                       xcb_atom_t property, QStringList& served)
{
    if (target == targetsAtom_) {
        QList<xcb_atom_t> targets = {targetsAtom_, timestampAtom_, multipleAtom_};
        for (const auto& rep : offer.reps) {
            const xcb_atom_t a = atom(rep.type.toLatin1());
            if (a != XCB_NONE && !targets.contains(a))
                targets.append(a);
        }
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32,
                            uint32_t(targets.size()), targets.constData());
        return true;
    }
    if (target == timestampAtom_) {
        const uint32_t time = offer.time;
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_INTEGER, 32, 1,
                            &time);
        return true;
    }
    const QString name = atomName(target);
    const auto rep = std::find_if(offer.reps.cbegin(), offer.reps.cend(),
                                  [&](const PasteboardItem::Representation& r) { return r.type == name; });
    if (name.isEmpty() || rep == offer.reps.cend())
        return false;

    // TEXT leaves the encoding to the owner, who names it in the property's type.
    const xcb_atom_t type = target == textAtom_ ? utf8StringAtom_ : target;
    transfers_.remove_if(
        [&](const Transfer& t) { return t.requestor == requestor && t.property == property; });
    served.append(name);
    if (rep->data.size() <= incrThreshold_) {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, type, 8,
                            uint32_t(rep->data.size()), rep->data.constData());
        return true;
    }
    // Too large for one request: announce INCR and send a chunk each time the requestor has
    // deleted the previous one.
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, requestor, XCB_CW_EVENT_MASK, &mask);
    const uint32_t size = uint32_t(std::min<qsizetype>(rep->data.size(), UINT32_MAX));
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, incrAtom_, 32, 1, &size);
    transfers_.push_back(Transfer{requestor, property, type, rep->data, 0, Clock::now()});
    return true;
}

bool X11Clipboard::Engine::serveMultiple(const Offer& offer, xcb_window_t requestor, xcb_atom_t property,
                                         QStringList& served)
{
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, requestor, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096), nullptr));
    if (!reply || reply->format != 32)
        return false;
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    QList<uint32_t> pairs(count);
    std::memcpy(pairs.data(), xcb_get_property_value(reply.get()), size_t(count) * 4);
    for (int i = 0; i + 1 < count; i += 2) {
        const xcb_atom_t target = pairs[i];
        const xcb_atom_t targetProperty = pairs[i + 1];
        // A failed conversion is reported by replacing its property with None.
        if (target == multipleAtom_ || targetProperty == XCB_NONE ||
            !serveTarget(offer, requestor, target, targetProperty, served))
            pairs[i + 1] = XCB_NONE;
    }
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, reply->type, 32,
                        uint32_t(count), pairs.constData());
    return true;
}

void X11Clipboard::Engine::continueTransfer(const xcb_property_notify_event_t* notify)
{
    if (notify->state != XCB_PROPERTY_DELETE)
        return;
    for (auto it = transfers_.begin(); it != transfers_.end(); ++it) {
        if (it->requestor != notify->window || it->property != notify->atom)
            continue;
        const qsizetype length = std::min(incrChunk_, it->data.size() - it->offset);
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, it->requestor, it->property, it->type, 8,
                            uint32_t(length), it->data.constData() + it->offset);
        it->offset += length;
        it->lastProgress = Clock::now();
        if (length == 0) {
            // The zero-length chunk just written ends the transfer.
            const xcb_window_t requestor = it->requestor;
            transfers_.erase(it);
            releaseRequestorWindow(requestor);
        }
        xcb_flush(connection_);
        return;
    }
}

void X11Clipboard::Engine::releaseRequestorWindow(xcb_window_t requestor)
{
    if (requestor == window_)
        return;
    for (const Transfer& t : transfers_)
        if (t.requestor == requestor)
            return;
    const uint32_t mask = XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(connection_, requestor, XCB_CW_EVENT_MASK, &mask);
}

void X11Clipboard::Engine::expireTransfers()
{
    const auto now = Clock::now();
    for (auto it = transfers_.begin(); it != transfers_.end();) {
        if (now - it->lastProgress < transferTimeout) {
            ++it;
            continue;
        }
        Log::warning(tag, QStringLiteral("incremental transfer abandoned by its reader"));
        const xcb_window_t requestor = it->requestor;
        it = transfers_.erase(it);
        releaseRequestorWindow(requestor);
    }
}

int X11Clipboard::Engine::msUntilNextTransferExpiry() const
{
    if (transfers_.empty())
        return -1;
    auto next = Clock::time_point::max();
    for (const Transfer& t : transfers_)
        next = std::min(next, t.lastProgress + transferTimeout);
    const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now()).count();
    return int(std::clamp<qint64>(remaining + 1, 0, 60000));
}

X11Clipboard::X11Clipboard(const QByteArray& displayName, qsizetype maxItemBytes)
    : engine_(std::make_unique<Engine>(displayName, maxItemBytes))
{
}

X11Clipboard::~X11Clipboard() = default;

bool X11Clipboard::isValid() const
{
    return engine_->valid();
}

qint64 X11Clipboard::changeCount() const
{
    return engine_->changeCount();
}

std::optional<QStringList> X11Clipboard::types()
{
    return engine_->call<std::optional<QStringList>>([this] { return engine_->readTypes(); }, std::nullopt);
}

ClipboardContent X11Clipboard::read(const QStringList& types)
{
    return engine_->call<ClipboardContent>([this, types] { return engine_->readItems(types); }, {});
}

bool X11Clipboard::setChangeListener(ChangeListener listener)
{
    return engine_->setChangeListener(std::move(listener));
}

void X11Clipboard::announceAgain()
{
    engine_->announceAgain();
}

bool X11Clipboard::offer(bool primary, const PasteboardItem& offer)
{
    return engine_->callFirst<bool>([this, primary, offer] { return engine_->takeSelection(primary, offer); },
                                    false);
}

bool X11Clipboard::setContentReadListener(ContentReadListener listener)
{
    return engine_->call<bool>(
        [this, listener = std::move(listener)]() mutable {
            engine_->setContentReadListener(std::move(listener));
            return true;
        },
        false);
}

void X11Clipboard::clear()
{
    engine_->callFirst<bool>(
        [this] {
            engine_->giveUpClipboard();
            return true;
        },
        false);
}
