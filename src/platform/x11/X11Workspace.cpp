#include "platform/x11/X11Workspace.h"

#include "common/CrashCatcher.h"
#include "common/Log.h"
#include "common/Threads.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/DesktopSession.h"
#include "platform/ThemeIconLoader.h"
#include "platform/x11/XcbReply.h"

#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <xcb/res.h>
#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

const QString tag = QStringLiteral("workspace");

struct WindowClass
{
    QString instance;
    QString className;
};

} // namespace

class X11Workspace::Backend
{
public:
    Backend(X11Workspace* owner, const QByteArray& displayName);
    ~Backend();

    bool valid() const { return valid_; }
    RunningApplicationRef frontmost();
    RunningApplicationRef clipboardSource(const RunningApplicationRef& active);
    Activation activate(xcb_window_t window, int timeoutMs);

private:
    void run();
    xcb_atom_t atom(const char* name);
    xcb_window_t activeWindow();
    bool windowExists(xcb_window_t window);
    std::optional<WindowClass> windowClass(xcb_window_t window);
    xcb_window_t clientWindow(xcb_window_t window, int depth = 0);
    qint64 processId(xcb_window_t window);
    QString windowTitle(xcb_window_t window);
    QImage windowIcon(xcb_window_t window);
    RunningApplicationRef describe(xcb_window_t window);
    // The window, its process or its class is the window manager's (or compositor's).
    bool isWindowManager(xcb_window_t window, qint64 pid, const WindowClass& cls);

    X11Workspace* owner_;
    const bool waylandSession_ = DesktopSession::isWayland();
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_window_t window_ = XCB_NONE;
    bool valid_ = false;
    bool hasClientIds_ = false;
    xcb_atom_t activeWindowAtom_ = XCB_NONE;
    xcb_atom_t pidAtom_ = XCB_NONE;
    xcb_atom_t netNameAtom_ = XCB_NONE;
    xcb_atom_t utf8Atom_ = XCB_NONE;
    xcb_atom_t iconAtom_ = XCB_NONE;
    xcb_atom_t wmStateAtom_ = XCB_NONE;
    xcb_atom_t clipboardAtom_ = XCB_NONE;
    xcb_atom_t wmCheckAtom_ = XCB_NONE;
    xcb_atom_t wakeAtom_ = XCB_NONE;

    QMutex mutex_;
    RunningApplicationRef frontmost_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

X11Workspace::Backend::Backend(X11Workspace* owner, const QByteArray& displayName) : owner_(owner)
{
    int screenNumber = 0;
    connection_ = xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        Log::warning(tag, QStringLiteral("cannot connect to the X display"));
        return;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return;
    root_ = screens.data->root;

    activeWindowAtom_ = atom("_NET_ACTIVE_WINDOW");
    pidAtom_ = atom("_NET_WM_PID");
    netNameAtom_ = atom("_NET_WM_NAME");
    utf8Atom_ = atom("UTF8_STRING");
    iconAtom_ = atom("_NET_WM_ICON");
    wmStateAtom_ = atom("WM_STATE");
    clipboardAtom_ = atom("CLIPBOARD");
    wmCheckAtom_ = atom("_NET_SUPPORTING_WM_CHECK");
    wakeAtom_ = atom("_BRIMBLE_WORKSPACE_WAKE");

    const xcb_query_extension_reply_t* res = xcb_get_extension_data(connection_, &xcb_res_id);
    if (res && res->present) {
        ReplyPtr<xcb_res_query_version_reply_t> version(
            xcb_res_query_version_reply(connection_, xcb_res_query_version(connection_, 1, 2), nullptr));
        hasClientIds_ = version && (version->server_major > 1 || version->server_minor >= 2);
    }

    // A window of our own receives the message that stops the event thread.
    window_ = xcb_generate_id(connection_);
    const uint32_t overrideRedirect = 1;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, root_, -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT,
                      &overrideRedirect);
    const uint32_t rootMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(connection_);
    if (xcb_connection_has_error(connection_))
        return;
    valid_ = true;
    thread_ = std::thread([this] {
        CrashCatcher::prepareThread();
        Threads::nameCurrent("x11-workspace");
        run();
    });
}

X11Workspace::Backend::~Backend()
{
    if (thread_.joinable()) {
        stopping_ = true;
        xcb_client_message_event_t message;
        std::memset(&message, 0, sizeof message);
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window_;
        message.type = wakeAtom_;
        xcb_send_event(connection_, 0, window_, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
        thread_.join();
    }
    if (connection_)
        xcb_disconnect(connection_);
}

void X11Workspace::Backend::run()
{
    // Only a window that could be described counts as seen: the server hands a gone window's
    // id to the next client, whose window must then still be reported.
    xcb_window_t lastActive = activeWindow();
    if (auto app = describe(lastActive)) {
        QMutexLocker lock(&mutex_);
        frontmost_ = app;
    } else {
        lastActive = XCB_NONE;
    }
    while (!stopping_) {
        ReplyPtr<xcb_generic_event_t> event(xcb_wait_for_event(connection_));
        if (!event) {
            if (!stopping_)
                Log::error(tag, QStringLiteral("lost the X connection, activations no longer reported"));
            return;
        }
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            continue;
        const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event.get());
        if (notify->window != root_ || notify->atom != activeWindowAtom_)
            continue;
        const xcb_window_t active = activeWindow();
        if (active == XCB_NONE && lastActive != XCB_NONE && waylandSession_) {
            // In a Wayland session the focus went to a window X11 cannot name (a Wayland
            // one): the X11 window in front before is no longer where a paste should go.
            lastActive = XCB_NONE;
            {
                QMutexLocker lock(&mutex_);
                frontmost_.reset();
            }
            X11Workspace* owner = owner_;
            QMetaObject::invokeMethod(
                owner, [owner] { Q_EMIT owner->unnamedWindowActivated(); }, Qt::QueuedConnection);
            continue;
        }
        if (active == XCB_NONE || active == lastActive)
            continue;
        RunningApplicationRef app = describe(active);
        if (!app)
            continue;
        lastActive = active;
        {
            QMutexLocker lock(&mutex_);
            frontmost_ = app;
        }
        X11Workspace* owner = owner_;
        QMetaObject::invokeMethod(
            owner, [owner, app] { Q_EMIT owner->applicationActivated(app); }, Qt::QueuedConnection);
    }
}

xcb_atom_t X11Workspace::Backend::atom(const char* name)
{
    return internAtom(connection_, name);
}

xcb_window_t X11Workspace::Backend::activeWindow()
{
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, activeWindowAtom_, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return XCB_NONE;
    return *static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
}

bool X11Workspace::Backend::windowExists(xcb_window_t window)
{
    if (window == XCB_NONE)
        return false;
    ReplyPtr<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return reply != nullptr;
}

std::optional<WindowClass> X11Workspace::Backend::windowClass(xcb_window_t window)
{
    xcb_icccm_get_wm_class_reply_t reply;
    if (!xcb_icccm_get_wm_class_reply(connection_, xcb_icccm_get_wm_class(connection_, window), &reply,
                                      nullptr))
        return std::nullopt;
    WindowClass result{QString::fromLocal8Bit(reply.instance_name), QString::fromLocal8Bit(reply.class_name)};
    xcb_icccm_get_wm_class_reply_wipe(&reply);
    return result;
}

// Reparenting window managers may report their frame; the application's window is the
// descendant that carries WM_STATE (or at least WM_CLASS).
xcb_window_t X11Workspace::Backend::clientWindow(xcb_window_t window, int depth)
{
    if (windowClass(window))
        return window;
    if (depth >= 3)
        return XCB_NONE;
    ReplyPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
    if (!tree)
        return XCB_NONE;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = count - 1; i >= 0; --i) {
        if (const xcb_window_t client = clientWindow(children[i], depth + 1); client != XCB_NONE)
            return client;
    }
    return XCB_NONE;
}

qint64 X11Workspace::Backend::processId(xcb_window_t window)
{
    if (hasClientIds_) {
        xcb_res_client_id_spec_t spec{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
        ReplyPtr<xcb_res_query_client_ids_reply_t> reply(xcb_res_query_client_ids_reply(
            connection_, xcb_res_query_client_ids(connection_, 1, &spec), nullptr));
        if (reply) {
            for (auto it = xcb_res_query_client_ids_ids_iterator(reply.get()); it.rem;
                 xcb_res_client_id_value_next(&it)) {
                if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) &&
                    xcb_res_client_id_value_value_length(it.data) >= 1)
                    return *xcb_res_client_id_value_value(it.data);
            }
        }
    }
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 4)
        return *static_cast<uint32_t*>(xcb_get_property_value(reply.get()));
    return 0;
}

QString X11Workspace::Backend::windowTitle(xcb_window_t window)
{
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, netNameAtom_, utf8Atom_, 0, 1024), nullptr));
    if (!reply)
        return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}

// _NET_WM_ICON holds one or more images: width, height, then ARGB pixels, each a CARDINAL.
QImage X11Workspace::Backend::windowIcon(xcb_window_t window)
{
    constexpr uint32_t maxWords = 4 * 1024 * 1024;
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, iconAtom_, XCB_ATOM_CARDINAL, 0, maxWords),
        nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* words = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    const qsizetype count = xcb_get_property_value_length(reply.get()) / 4;
    const uint32_t* best = nullptr;
    uint32_t bestSize = 0;
    for (qsizetype i = 0; i + 2 <= count;) {
        const uint32_t width = words[i];
        const uint32_t height = words[i + 1];
        const qsizetype pixels = qsizetype(width) * height;
        if (width == 0 || height == 0 || width > 4096 || height > 4096 || i + 2 + pixels > count)
            break;
        // The smallest image at least 64 wide, else the largest.
        const bool better = !best || (bestSize < ThemeIconLoader::iconSize && width > bestSize) ||
                            (width >= uint32_t(ThemeIconLoader::iconSize) && width < bestSize);
        if (better) {
            best = words + i;
            bestSize = width;
        }
        i += 2 + pixels;
    }
    if (!best)
        return {};
    QImage image(static_cast<int>(best[0]), static_cast<int>(best[1]), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), best + 2 + qsizetype(y) * image.width(), size_t(image.width()) * 4);
    return image.scaled(ThemeIconLoader::iconSize, ThemeIconLoader::iconSize, Qt::KeepAspectRatio,
                        Qt::SmoothTransformation);
}

RunningApplicationRef X11Workspace::Backend::describe(xcb_window_t window)
{
    if (!windowExists(window))
        return nullptr;
    xcb_window_t client = clientWindow(window);
    if (client == XCB_NONE)
        client = window;
    const WindowClass cls = windowClass(client).value_or(WindowClass{});
    auto app = std::make_shared<RunningApplication>();
    app->windowId = client;
    app->windowClass = cls.className;
    app->processId = processId(client);
    QString executable;
    if (app->processId > 0)
        executable = QFileInfo(QStringLiteral("/proc/%1/exe").arg(app->processId)).symLinkTarget();
    const auto entry = DesktopEntryIndex::shared().lookup(cls.className, cls.instance, executable);
    if (entry) {
        app->localizedName = entry->localizedName(QLocale::system().name());
        app->bundlePath = entry->path;
        app->bundleIdentifier = entry->id;
        app->icon = ThemeIconLoader::loadIcon(entry->icon);
    } else {
        app->bundlePath = executable;
        if (!cls.className.isEmpty())
            app->bundleIdentifier = cls.className;
    }
    if (app->localizedName.isEmpty())
        app->localizedName = !cls.className.isEmpty() ? cls.className : windowTitle(client);
    if (app->icon.isNull())
        app->icon = windowIcon(client);
    return app;
}

RunningApplicationRef X11Workspace::Backend::frontmost()
{
    const xcb_window_t active = activeWindow();
    {
        QMutexLocker lock(&mutex_);
        if (frontmost_ && frontmost_->windowId == active)
            return frontmost_;
    }
    return describe(active);
}

bool X11Workspace::Backend::isWindowManager(xcb_window_t window, qint64 pid, const WindowClass& cls)
{
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, wmCheckAtom_, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return false;
    const xcb_window_t check = *static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
    if (check == XCB_NONE)
        return false;
    if (window == check || (pid > 0 && pid == processId(check)))
        return true;
    const auto checkClass = windowClass(check);
    return checkClass && !checkClass->className.isEmpty() && checkClass->className == cls.className;
}

RunningApplicationRef X11Workspace::Backend::clipboardSource(const RunningApplicationRef& active)
{
    ReplyPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, clipboardAtom_), nullptr));
    if (!owner || owner->owner == XCB_NONE)
        return nullptr;
    const xcb_window_t window = owner->owner;
    const WindowClass cls = windowClass(window).value_or(WindowClass{});
    const qint64 pid = processId(window);
    // A compositor that bridges the clipboard of its native clients owns it for all of them.
    if (isWindowManager(window, pid, cls))
        return nullptr;
    QString executable;
    if (pid > 0)
        executable = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (const auto entry = DesktopEntryIndex::shared().lookup(cls.className, cls.instance, executable)) {
        auto app = std::make_shared<RunningApplication>();
        app->windowId = window;
        app->processId = pid;
        app->windowClass = cls.className;
        app->localizedName = entry->localizedName(QLocale::system().name());
        app->bundlePath = entry->path;
        app->bundleIdentifier = entry->id;
        app->icon = ThemeIconLoader::loadIcon(entry->icon);
        return app;
    }
    // Toolkits often own the clipboard from a hidden window of the application in front.
    if (active && ((pid > 0 && pid == active->processId) || window == active->windowId))
        return active;
    if (cls.className.isEmpty())
        return nullptr;
    auto app = std::make_shared<RunningApplication>();
    app->windowId = window;
    app->processId = pid;
    app->windowClass = cls.className;
    app->localizedName = cls.className;
    app->bundlePath = executable;
    app->bundleIdentifier = cls.className;
    return app;
}

Workspace::Activation X11Workspace::Backend::activate(xcb_window_t window, int timeoutMs)
{
    if (!windowExists(window)) {
        Log::warning(tag, QStringLiteral("cannot activate a window that no longer exists"));
        return Activation::WindowGone;
    }
    if (activeWindow() == window)
        return Activation::Activated;
    auto request = [this, window] {
        xcb_client_message_event_t message;
        std::memset(&message, 0, sizeof message);
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = activeWindowAtom_;
        message.data.data32[0] = 2; // source indication: a pager, which window managers obey
        message.data.data32[1] = XCB_CURRENT_TIME;
        message.data.data32[2] = activeWindow();
        xcb_send_event(connection_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    };
    request();
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    bool repeated = false;
    for (;;) {
        if (activeWindow() == window)
            return Activation::Activated;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            break;
        // A late focus request of another window may have overtaken ours; ask once more.
        if (!repeated && now >= start + std::chrono::milliseconds(timeoutMs / 2)) {
            repeated = true;
            request();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // Closed while we waited: that is a window gone, not a window manager that refused.
    if (!windowExists(window)) {
        Log::warning(tag, QStringLiteral("the window closed before it became active"));
        return Activation::WindowGone;
    }
    Log::warning(tag, QStringLiteral("window did not become active in time"));
    return Activation::NotActivated;
}

X11Workspace::X11Workspace(const QByteArray& displayName, QObject* parent)
    : XdgWorkspace(parent), backend_(std::make_unique<Backend>(this, displayName))
{
}

X11Workspace::~X11Workspace() = default;

bool X11Workspace::isValid() const
{
    return backend_->valid();
}

RunningApplicationRef X11Workspace::frontmostApplication()
{
    return backend_->valid() ? backend_->frontmost() : nullptr;
}

RunningApplicationRef X11Workspace::clipboardSource(const RunningApplicationRef& active)
{
    return backend_->valid() ? backend_->clipboardSource(active) : nullptr;
}

Workspace::Activation X11Workspace::activate(const RunningApplication& app, int timeoutMs)
{
    return backend_->valid() ? backend_->activate(app.windowId, timeoutMs) : Activation::NotActivated;
}
