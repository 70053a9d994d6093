// clipowner: an X11 client that owns a selection and serves exactly the targets it is given,
// in the given order, with raw xcb (no QClipboard), for the end-to-end tests.
//
// Usage:
//   clipowner [--class NAME] [--title TITLE] [--selection CLIPBOARD|PRIMARY]
//             [--target TYPE=VALUE]... [--target-file TYPE=PATH]...
//             [--stall] [--stall-target TYPE]... [--refuse-for-ms N] [--incr-chunk N]
//             [--announce-size N]
//             [--delay-ms N] [--exit-on-clear] [--no-window] [--report]
//
//   --class NAME        WM_CLASS instance and class of the window (default "clipowner")
//   --title TITLE       window title
//   --target T=V        offer target T with the bytes of V; T may itself hold "charset=..."
//                       ("text/plain;charset=utf-8=hello" offers "text/plain;charset=utf-8")
//   --target-file T=P   offer target T with the contents of file P
//   --stall             take the selection but never answer a request
//   --stall-target T    never answer requests for target T
//   --refuse-for-ms N   refuse every content target for the first N ms of ownership
//   --incr-chunk N      send data larger than N bytes with INCR, in chunks of N bytes
//   --announce-size N   announce N bytes when starting an INCR transfer, whatever is sent
//   --delay-ms N        wait N ms before answering each request
//   --exit-on-clear     exit (status 0) when another client takes the selection
//   --no-window         own the selection from an unmapped window only
//   --report            print "served TYPE" on stdout for every content target answered
//
// It shows its window, makes it the active window, takes the selection, prints "ready" on
// stdout and serves until killed (SIGTERM/SIGINT exit cleanly with status 0) or, with
// --exit-on-clear, until it loses the selection. Besides TARGETS and TIMESTAMP it answers
// only the given targets; MULTIPLE is refused.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <list>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPipe[1], &byte, 1);
}

struct Target
{
    QByteArray name;
    QByteArray data;
    xcb_atom_t atom = XCB_NONE;
};

struct Transfer
{
    xcb_window_t requestor;
    xcb_atom_t property;
    xcb_atom_t type;
    QByteArray data;
    qsizetype offset = 0;
};

[[noreturn]] void fail(const char* message)
{
    std::fprintf(stderr, "clipowner: %s\n", message);
    std::exit(2);
}

bool splitTarget(const QString& argument, QByteArray& type, QString& value)
{
    static const QRegularExpression pattern(QStringLiteral("^([^=;]*(?:;[^=;]*=[^=;]*)*)=(.*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const auto match = pattern.match(argument);
    if (!match.hasMatch() || match.captured(1).isEmpty())
        return false;
    type = match.captured(1).toUtf8();
    value = match.captured(2);
    return true;
}

class Owner
{
public:
    xcb_connection_t* c = nullptr;
    xcb_window_t root = XCB_NONE;
    xcb_window_t window = XCB_NONE;
    xcb_atom_t selection = XCB_NONE;
    xcb_timestamp_t ownedSince = XCB_CURRENT_TIME;
    bool owned = false;
    bool stall = false;
    bool exitOnClear = false;
    bool report = false;
    int delayMs = 0;
    int refuseForMs = 0;
    QElapsedTimer ownership;
    QList<QByteArray> stalledTargets;
    qsizetype incrChunk = 0;
    qsizetype maxDirect = 0;
    uint32_t announcedSize = 0;
    QList<Target> targets;
    std::list<Transfer> transfers;
    xcb_atom_t targetsAtom = XCB_NONE, timestampAtom = XCB_NONE, incrAtom = XCB_NONE, probeAtom = XCB_NONE;

    xcb_atom_t atom(const QByteArray& name)
    {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(name.size()), name.constData()), nullptr);
        if (!reply)
            fail("cannot intern an atom");
        const xcb_atom_t a = reply->atom;
        free(reply);
        return a;
    }

    xcb_generic_event_t* waitForProperty(xcb_atom_t property)
    {
        for (int i = 0; i < 200; ++i) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
                if ((e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY &&
                    reinterpret_cast<xcb_property_notify_event_t*>(e)->atom == property)
                    return e;
                handle(e);
                free(e);
            }
            usleep(10000);
        }
        return nullptr;
    }

    xcb_timestamp_t serverTime()
    {
        xcb_change_property(c, XCB_PROP_MODE_APPEND, window, probeAtom, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(c);
        xcb_generic_event_t* e = waitForProperty(probeAtom);
        if (!e)
            return XCB_CURRENT_TIME;
        const xcb_timestamp_t t = reinterpret_cast<xcb_property_notify_event_t*>(e)->time;
        free(e);
        return t;
    }

    void take()
    {
        ownedSince = serverTime();
        xcb_set_selection_owner(c, window, selection, ownedSince);
        xcb_get_selection_owner_reply_t* reply =
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
        if (!reply || reply->owner != window)
            fail("could not take the selection");
        free(reply);
        owned = true;
        ownership.start();
    }

    void answer(xcb_selection_request_event_t request)
    {
        const xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
        bool served = false;
        if (owned && request.owner == window) {
            if (request.target == targetsAtom) {
                QList<xcb_atom_t> list;
                for (const Target& t : std::as_const(targets))
                    list.append(t.atom);
                list << targetsAtom << timestampAtom;
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                                    uint32_t(list.size()), list.constData());
                served = true;
            } else if (request.target == timestampAtom) {
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_INTEGER,
                                    32, 1, &ownedSince);
                served = true;
            } else if (ownership.elapsed() >= refuseForMs) {
                for (const Target& t : std::as_const(targets)) {
                    if (t.atom != request.target)
                        continue;
                    if (report) {
                        std::printf("served %s\n", t.name.constData());
                        std::fflush(stdout);
                    }
                    const qsizetype limit = incrChunk > 0 ? incrChunk : maxDirect;
                    if (t.data.size() > limit) {
                        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                        xcb_change_window_attributes(c, request.requestor, XCB_CW_EVENT_MASK, &mask);
                        const uint32_t size = announcedSize > 0 ? announcedSize : uint32_t(t.data.size());
                        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, incrAtom,
                                            32, 1, &size);
                        transfers.push_back({request.requestor, property, t.atom, t.data, 0});
                    } else {
                        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, t.atom, 8,
                                            uint32_t(t.data.size()), t.data.constData());
                    }
                    served = true;
                    break;
                }
            }
        }
        xcb_selection_notify_event_t notify;
        std::memset(&notify, 0, sizeof notify);
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = served ? property : XCB_NONE;
        xcb_send_event(c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&notify));
        xcb_flush(c);
    }

    bool isStalled(xcb_atom_t target) const
    {
        for (const Target& t : targets)
            if (t.atom == target && stalledTargets.contains(t.name))
                return true;
        return false;
    }

    void handle(xcb_generic_event_t* e)
    {
        switch (e->response_type & 0x7f) {
        case XCB_SELECTION_REQUEST: {
            const auto request = *reinterpret_cast<xcb_selection_request_event_t*>(e);
            if (stall || isStalled(request.target))
                break;
            if (delayMs > 0)
                QTimer::singleShot(delayMs, [this, request] { answer(request); });
            else
                answer(request);
            break;
        }
        case XCB_SELECTION_CLEAR:
            owned = false;
            if (exitOnClear)
                QCoreApplication::exit(0);
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(e);
            if (notify->state != XCB_PROPERTY_DELETE)
                break;
            for (auto it = transfers.begin(); it != transfers.end(); ++it) {
                if (it->requestor != notify->window || it->property != notify->atom)
                    continue;
                const qsizetype chunk = incrChunk > 0 ? incrChunk : 65536;
                const qsizetype length = std::min(chunk, it->data.size() - it->offset);
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, it->requestor, it->property, it->type, 8,
                                    uint32_t(length), it->data.constData() + it->offset);
                it->offset += length;
                if (length == 0)
                    transfers.erase(it);
                xcb_flush(c);
                break;
            }
            break;
        }
        default:
            break;
        }
    }

    void drain()
    {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            handle(e);
            free(e);
        }
        xcb_flush(c);
    }
};

xcb_window_t activeWindow(xcb_connection_t* c, xcb_window_t root, xcb_atom_t activeAtom)
{
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, activeAtom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    xcb_window_t active = XCB_NONE;
    if (reply && xcb_get_property_value_length(reply) >= 4)
        active = *static_cast<xcb_window_t*>(xcb_get_property_value(reply));
    free(reply);
    return active;
}

void setClass(xcb_connection_t* c, xcb_window_t window, const QByteArray& cls)
{
    const QByteArray value = cls + '\0' + cls + '\0';
    xcb_icccm_set_wm_class(c, window, uint32_t(value.size()), value.constData());
}

} // namespace

int main(int argc, char** argv)
{
    // The helper must run on X11 even when the test environment prefers another platform.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);

    QByteArray windowClass = "clipowner";
    QString title = QStringLiteral("clipowner");
    QByteArray selectionName = "CLIPBOARD";
    bool noWindow = false;
    Owner owner;
    const QStringList args = app.arguments();
    QList<std::pair<QByteArray, QByteArray>> offered;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        auto next = [&]() -> QString {
            if (i + 1 >= args.size())
                fail("an option lacks its value");
            return args[++i];
        };
        if (arg == QLatin1String("--class")) {
            windowClass = next().toUtf8();
        } else if (arg == QLatin1String("--title")) {
            title = next();
        } else if (arg == QLatin1String("--selection")) {
            selectionName = next().toUtf8();
        } else if (arg == QLatin1String("--target") || arg == QLatin1String("--target-file")) {
            QByteArray type;
            QString value;
            if (!splitTarget(next(), type, value))
                fail("a target must be TYPE=VALUE");
            QByteArray data = value.toUtf8();
            if (arg == QLatin1String("--target-file")) {
                QFile file(value);
                if (!file.open(QIODevice::ReadOnly))
                    fail("cannot read a target file");
                data = file.readAll();
            }
            offered.append({type, data});
        } else if (arg == QLatin1String("--stall")) {
            owner.stall = true;
        } else if (arg == QLatin1String("--stall-target")) {
            owner.stalledTargets.append(next().toUtf8());
        } else if (arg == QLatin1String("--refuse-for-ms")) {
            owner.refuseForMs = next().toInt();
        } else if (arg == QLatin1String("--report")) {
            owner.report = true;
        } else if (arg == QLatin1String("--announce-size")) {
            owner.announcedSize = next().toUInt();
        } else if (arg == QLatin1String("--incr-chunk")) {
            owner.incrChunk = next().toLongLong();
        } else if (arg == QLatin1String("--delay-ms")) {
            owner.delayMs = next().toInt();
        } else if (arg == QLatin1String("--exit-on-clear")) {
            owner.exitOnClear = true;
        } else if (arg == QLatin1String("--no-window")) {
            noWindow = true;
        } else {
            fail("unknown option");
        }
    }

    if (::pipe(signalPipe) != 0)
        fail("cannot create a pipe");
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::exit(0); });

    int screenNumber = 0;
    owner.c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(owner.c))
        fail("cannot connect to the X display");
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(owner.c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    owner.root = screens.data->root;
    owner.maxDirect = qsizetype(xcb_get_maximum_request_length(owner.c)) * 4 - 1024;
    owner.selection = owner.atom(selectionName);
    owner.targetsAtom = owner.atom("TARGETS");
    owner.timestampAtom = owner.atom("TIMESTAMP");
    owner.incrAtom = owner.atom("INCR");
    owner.probeAtom = owner.atom("_CLIPOWNER_TIME");
    for (const auto& [type, data] : std::as_const(offered))
        owner.targets.append({type, data, owner.atom(type)});
    const xcb_atom_t activeAtom = owner.atom("_NET_ACTIVE_WINDOW");

    owner.window = xcb_generate_id(owner.c);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(owner.c, XCB_COPY_FROM_PARENT, owner.window, owner.root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    setClass(owner.c, owner.window, windowClass);
    const uint32_t pid = uint32_t(getpid());
    xcb_change_property(owner.c, XCB_PROP_MODE_REPLACE, owner.window, owner.atom("_NET_WM_PID"),
                        XCB_ATOM_CARDINAL, 32, 1, &pid);
    xcb_flush(owner.c);

    QLabel widget(title);
    widget.setWindowTitle(title);
    widget.resize(320, 120);
    if (!noWindow) {
        const xcb_window_t shown = xcb_window_t(widget.winId());
        // Qt created the window on its own connection; make sure it exists before we label it.
        app.processEvents();
        if (auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>())
            xcb_flush(x11->connection());
        free(xcb_get_input_focus_reply(owner.c, xcb_get_input_focus(owner.c), nullptr));
        setClass(owner.c, shown, windowClass);
        xcb_flush(owner.c);
        widget.show();
        widget.raise();
        // Qt's own activation request is deferred until the window maps, and could then
        // arrive after a test has activated another window; ask the window manager directly.
        for (int i = 0; i < 300 && activeWindow(owner.c, owner.root, activeAtom) != shown; ++i) {
            if (i % 50 == 5) {
                xcb_client_message_event_t message;
                std::memset(&message, 0, sizeof message);
                message.response_type = XCB_CLIENT_MESSAGE;
                message.format = 32;
                message.window = shown;
                message.type = activeAtom;
                message.data.data32[0] = 2;
                xcb_send_event(owner.c, 0, owner.root,
                               XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                               reinterpret_cast<const char*>(&message));
                xcb_flush(owner.c);
            }
            app.processEvents();
            usleep(10000);
        }
        if (activeWindow(owner.c, owner.root, activeAtom) != shown)
            std::fprintf(stderr, "clipowner: the window did not become active\n");
    }

    owner.take();
    QSocketNotifier xcbNotifier(xcb_get_file_descriptor(owner.c), QSocketNotifier::Read);
    QObject::connect(&xcbNotifier, &QSocketNotifier::activated, &app, [&owner] { owner.drain(); });
    // Events read while waiting on replies sit in xcb's queue, where the notifier cannot see them.
    QTimer sweep;
    QObject::connect(&sweep, &QTimer::timeout, &app, [&owner] { owner.drain(); });
    sweep.start(50);
    owner.drain();

    std::printf("ready\n");
    std::fflush(stdout);
    const int status = app.exec();
    xcb_disconnect(owner.c);
    return status;
}
