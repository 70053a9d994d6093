// pastetarget: a window that records what a paste would receive, for the end-to-end tests.
//
// Usage:
//   pastetarget --report PATH [--class NAME] [--title TITLE]
//
// It shows a window with the given WM_CLASS (instance and class; default "pastetarget"),
// makes it active and prints "ready" on stdout once it has the keyboard focus. On Ctrl+V it
// reads the CLIPBOARD selection, on Shift+Insert the PRIMARY selection, with raw xcb: the
// TARGETS list and then the bytes of every target except TARGETS, TIMESTAMP and MULTIPLE
// (INCR transfers included). It writes a JSON report to PATH (replaced atomically on every
// paste) and prints "pasted":
//
//   {"chord": "ctrl+v" | "shift+insert", "selection": "CLIPBOARD" | "PRIMARY",
//    "offered": ["name", ...],                    // the whole TARGETS list, in order
//    "targets": [{"name": "...", "data": "<base64>"} | {"name": "...", "error": "..."}, ...]}
//
// "targets" follows the TARGETS order without TARGETS, TIMESTAMP and MULTIPLE.
//
// SIGTERM and SIGINT exit cleanly with status 0.

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPipe[1], &byte, 1);
}

[[noreturn]] void fail(const char* message)
{
    std::fprintf(stderr, "pastetarget: %s\n", message);
    std::exit(2);
}

class Reader
{
public:
    xcb_connection_t* c = nullptr;
    xcb_window_t root = XCB_NONE;
    xcb_window_t window = XCB_NONE;
    xcb_atom_t property = XCB_NONE;
    xcb_atom_t incrAtom = XCB_NONE;

    xcb_atom_t atom(const QByteArray& name)
    {
        auto* reply =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(name.size()), name.constData()), nullptr);
        if (!reply)
            fail("cannot intern an atom");
        const xcb_atom_t a = reply->atom;
        free(reply);
        return a;
    }

    QString name(xcb_atom_t a)
    {
        auto* reply = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, a), nullptr);
        if (!reply)
            return {};
        const QString result =
            QString::fromLatin1(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply));
        free(reply);
        return result;
    }

    // Null after two seconds without a matching event.
    xcb_generic_event_t* waitFor(const std::function<bool(xcb_generic_event_t*)>& match)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        xcb_flush(c);
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
                if (match(e))
                    return e;
                free(e);
            }
            if (std::chrono::steady_clock::now() >= deadline || xcb_connection_has_error(c))
                return nullptr;
            pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&fd, 1, 50);
        }
    }

    xcb_get_property_reply_t* takeProperty()
    {
        return xcb_get_property_reply(
            c, xcb_get_property(c, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
            nullptr);
    }

    // Fills data and returns an empty string, or returns what went wrong.
    QString convert(xcb_atom_t selection, xcb_atom_t target, QByteArray& data, int& format)
    {
        data.clear();
        xcb_delete_property(c, window, property);
        xcb_convert_selection(c, window, selection, target, property, XCB_CURRENT_TIME);
        xcb_generic_event_t* e = waitFor([&](xcb_generic_event_t* ev) {
            return (ev->response_type & 0x7f) == XCB_SELECTION_NOTIFY &&
                   reinterpret_cast<xcb_selection_notify_event_t*>(ev)->target == target;
        });
        if (!e)
            return QStringLiteral("timeout");
        const bool refused = reinterpret_cast<xcb_selection_notify_event_t*>(e)->property == XCB_NONE;
        free(e);
        if (refused)
            return QStringLiteral("refused");
        xcb_get_property_reply_t* reply = takeProperty();
        if (!reply)
            return QStringLiteral("no property");
        format = reply->format;
        if (reply->type != incrAtom) {
            data = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                              xcb_get_property_value_length(reply));
            free(reply);
            return {};
        }
        free(reply);
        for (;;) {
            e = waitFor([&](xcb_generic_event_t* ev) {
                if ((ev->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
                    return false;
                const auto* n = reinterpret_cast<xcb_property_notify_event_t*>(ev);
                return n->window == window && n->atom == property && n->state == XCB_PROPERTY_NEW_VALUE;
            });
            if (!e)
                return QStringLiteral("incr timeout");
            free(e);
            reply = takeProperty();
            if (!reply)
                return QStringLiteral("no property");
            const int length = xcb_get_property_value_length(reply);
            format = reply->format;
            data.append(static_cast<const char*>(xcb_get_property_value(reply)), length);
            free(reply);
            if (length == 0)
                return {};
        }
    }
};

class Target : public QLabel
{
public:
    Target(Reader& reader, QString reportPath) : reader_(reader), reportPath_(std::move(reportPath))
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const auto mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        if (event->key() == Qt::Key_V && mods == Qt::ControlModifier)
            paste(QStringLiteral("ctrl+v"), "CLIPBOARD");
        else if (event->key() == Qt::Key_Insert && mods == Qt::ShiftModifier)
            paste(QStringLiteral("shift+insert"), "PRIMARY");
        else
            QLabel::keyPressEvent(event);
    }

private:
    void paste(const QString& chord, const QByteArray& selectionName)
    {
        const xcb_atom_t selection = reader_.atom(selectionName);
        QJsonObject report{{QStringLiteral("chord"), chord},
                           {QStringLiteral("selection"), QString::fromLatin1(selectionName)}};
        QByteArray list;
        int format = 0;
        const QString error = reader_.convert(selection, reader_.atom("TARGETS"), list, format);
        QJsonArray offered;
        QJsonArray targets;
        if (!error.isEmpty() || format != 32) {
            report.insert(QStringLiteral("error"), error.isEmpty() ? QStringLiteral("bad TARGETS") : error);
        } else {
            QList<xcb_atom_t> atoms(list.size() / 4);
            std::memcpy(atoms.data(), list.constData(), size_t(atoms.size()) * 4);
            for (xcb_atom_t a : std::as_const(atoms)) {
                const QString name = reader_.name(a);
                offered.append(name);
                if (name == QLatin1String("TARGETS") || name == QLatin1String("TIMESTAMP") ||
                    name == QLatin1String("MULTIPLE"))
                    continue;
                QByteArray bytes;
                const QString failure = reader_.convert(selection, a, bytes, format);
                QJsonObject entry{{QStringLiteral("name"), name}};
                if (failure.isEmpty())
                    entry.insert(QStringLiteral("data"), QString::fromLatin1(bytes.toBase64()));
                else
                    entry.insert(QStringLiteral("error"), failure);
                targets.append(entry);
            }
        }
        report.insert(QStringLiteral("offered"), offered);
        report.insert(QStringLiteral("targets"), targets);
        QSaveFile file(reportPath_);
        if (!file.open(QIODevice::WriteOnly))
            fail("cannot write the report");
        file.write(QJsonDocument(report).toJson());
        if (!file.commit())
            fail("cannot write the report");
        std::printf("pasted\n");
        std::fflush(stdout);
    }

    Reader& reader_;
    QString reportPath_;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);

    QByteArray windowClass = "pastetarget";
    QString title = QStringLiteral("pastetarget");
    QString reportPath;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        auto next = [&]() -> QString {
            if (i + 1 >= args.size())
                fail("an option lacks its value");
            return args[++i];
        };
        if (args[i] == QLatin1String("--class"))
            windowClass = next().toUtf8();
        else if (args[i] == QLatin1String("--title"))
            title = next();
        else if (args[i] == QLatin1String("--report"))
            reportPath = next();
        else
            fail("unknown option");
    }
    if (reportPath.isEmpty())
        fail("--report PATH is required");

    if (::pipe(signalPipe) != 0)
        fail("cannot create a pipe");
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::exit(0); });

    Reader reader;
    int screenNumber = 0;
    reader.c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(reader.c))
        fail("cannot connect to the X display");
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(reader.c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    reader.root = screens.data->root;
    reader.property = reader.atom("_PASTETARGET_DATA");
    reader.incrAtom = reader.atom("INCR");
    reader.window = xcb_generate_id(reader.c);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(reader.c, XCB_COPY_FROM_PARENT, reader.window, reader.root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(reader.c);

    Target widget(reader, reportPath);
    widget.setText(title);
    widget.setWindowTitle(title);
    widget.resize(320, 120);
    const xcb_window_t shown = xcb_window_t(widget.winId());
    app.processEvents();
    if (auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>())
        xcb_flush(x11->connection());
    free(xcb_get_input_focus_reply(reader.c, xcb_get_input_focus(reader.c), nullptr));
    const QByteArray cls = windowClass + '\0' + windowClass + '\0';
    xcb_icccm_set_wm_class(reader.c, shown, uint32_t(cls.size()), cls.constData());
    xcb_flush(reader.c);
    widget.show();
    widget.raise();
    widget.activateWindow();
    widget.setFocus();

    QTimer readyCheck;
    int attempts = 0;
    QObject::connect(&readyCheck, &QTimer::timeout, &app, [&] {
        if (widget.isActiveWindow() && widget.hasFocus()) {
            readyCheck.stop();
            std::printf("ready\n");
            std::fflush(stdout);
            return;
        }
        if (++attempts % 25 == 0)
            widget.activateWindow();
    });
    readyCheck.start(20);
    const int status = app.exec();
    xcb_disconnect(reader.c);
    return status;
}
