// A stand-in for the desktop portal (org.freedesktop.portal.Desktop) on a private session bus,
// written to the published descriptions of its GlobalShortcuts, RemoteDesktop, Request and
// Session interfaces: every dialog-bearing method answers through a Request object whose path
// is built from the caller's unique name and its handle_token, and sessions live at paths built
// the same way from session_handle_token.
//
// A test steers it and reads what it was asked through app.brimble.test.FakePortal on the same
// object: SetAnswer(method, response) makes the next Responses of a method 1 (declined) or 2;
// Activate/Deactivate(id) press and release a bound shortcut; SetTrigger(text) changes the
// keys (ShortcutsChanged); Calls() lists every call received, one line each.
//
//   fakeportal [--no-global-shortcuts] [--no-remote-desktop] [--shortcuts-version N]
//              [--remote-desktop-version N]
// Prints "ready" once the name is owned.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QHash>
#include <QSet>
#include <QTimer>

#include <cstdio>

namespace {
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRemote = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");
const QString kControl = QStringLiteral("app.brimble.test.FakePortal");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr uint leftOpen = 99;
} // namespace

struct Shortcut
{
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(Shortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const Shortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Shortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

class FakePortal : public QDBusVirtualObject
{
public:
    bool offerShortcuts = true;
    bool offerRemote = true;
    uint shortcutsVersion = 2;
    uint remoteVersion = 2;

    QString introspect(const QString& path) const override
    {
        if (path != kPath)
            return {};
        QString xml;
        if (offerShortcuts)
            xml += QStringLiteral("<interface name=\"%1\"/>").arg(kShortcuts);
        if (offerRemote)
            xml += QStringLiteral("<interface name=\"%1\"/>").arg(kRemote);
        return xml;
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString interface = message.interface();
        const QString member = message.member();
        if (interface == kProperties)
            return properties(message, connection);
        if (interface == kControl)
            return control(message, connection);
        if (interface == kSession && member == QLatin1String("Close")) {
            record(QStringLiteral("Session.Close"));
            sessions_.remove(message.path());
            connection.send(message.createReply());
            return true;
        }
        if (interface == kRequest && member == QLatin1String("Close")) {
            record(QStringLiteral("Request.Close"));
            connection.send(message.createReply());
            return true;
        }
        if (message.path() != kPath)
            return false;
        if (interface == kShortcuts && offerShortcuts)
            return shortcuts(message, connection);
        if (interface == kRemote && offerRemote)
            return remote(message, connection);
        connection.send(
            message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
                                     QStringLiteral("no such interface")));
        return true;
    }

private:
    struct Session
    {
        QString owner;
        QString kind;
        bool bound = false;
        uint devices = 0;
        QString restoreToken;
        uint persistMode = 0;
        bool started = false;
    };

    void record(const QString& line) { calls_ << line; }

    static QString senderPart(const QString& unique)
    {
        QString sender = unique;
        sender.remove(0, 1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        return sender;
    }

    static QString handleFor(const QDBusMessage& message, const QString& kind, const QString& token)
    {
        static int counter = 0;
        const QString last = token.isEmpty() ? QStringLiteral("t%1").arg(++counter) : token;
        return QStringLiteral("%1/%2/%3/%4").arg(kPath, kind, senderPart(message.service()), last);
    }

    static QVariantMap optionsOf(const QVariant& value)
    {
        if (value.canConvert<QDBusArgument>())
            return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
        return value.toMap();
    }

    static QString pathOf(const QVariant& value)
    {
        if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
            return value.value<QDBusObjectPath>().path();
        return value.toString();
    }

    // Replies with the Request's path at once, then answers on it, as the portal does.
    void answer(const QDBusMessage& message, const QDBusConnection& connection, const QVariantMap& options,
                const QString& method, std::function<QVariantMap()> results)
    {
        const QString handle = handleFor(message, QStringLiteral("request"),
                                         options.value(QStringLiteral("handle_token")).toString());
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        const uint response = answers_.value(method, 0);
        if (response == leftOpen)
            return;
        QDBusConnection bus = connection;
        QTimer::singleShot(0, [bus, handle, response, results = std::move(results)]() mutable {
            QDBusMessage signal = QDBusMessage::createSignal(handle, kRequest, QStringLiteral("Response"));
            signal << response << (response == 0 ? results() : QVariantMap());
            bus.send(signal);
        });
    }

    bool errorReply(const QDBusMessage& message, const QDBusConnection& connection, const QString& text)
    {
        record(QStringLiteral("error: ") + text);
        connection.send(
            message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.InvalidArgument"), text));
        return true;
    }

    // The session named in the call, when it exists and belongs to the caller.
    Session* sessionFor(const QDBusMessage& message, const QString& kind)
    {
        const QString path = pathOf(message.arguments().value(0));
        auto it = sessions_.find(path);
        if (it == sessions_.end() || it->owner != message.service() || it->kind != kind)
            return nullptr;
        return &*it;
    }

    QList<Shortcut> boundList() const
    {
        return {{QStringLiteral("toggle-quick-search"),
                 {{QStringLiteral("description"), description_},
                  {QStringLiteral("trigger_description"), trigger_}}}};
    }

    bool shortcuts(const QDBusMessage& message, const QDBusConnection& connection)
    {
        const QString member = message.member();
        const QVariantList args = message.arguments();
        if (member == QLatin1String("CreateSession")) {
            const QVariantMap options = optionsOf(args.value(0));
            const QString session =
                handleFor(message, QStringLiteral("session"),
                          options.value(QStringLiteral("session_handle_token")).toString());
            record(QStringLiteral("GlobalShortcuts.CreateSession"));
            answer(message, connection, options, member, [this, session, owner = message.service()] {
                sessions_.insert(session, Session{owner, QStringLiteral("shortcuts")});
                // Documented as a string, for backwards compatibility.
                return QVariantMap{{QStringLiteral("session_handle"), session}};
            });
            return true;
        }
        if (member == QLatin1String("BindShortcuts")) {
            Session* session = sessionFor(message, QStringLiteral("shortcuts"));
            if (!session)
                return errorReply(message, connection, QStringLiteral("BindShortcuts: no such session"));
            if (session->bound)
                return errorReply(message, connection, QStringLiteral("BindShortcuts: already bound"));
            session->bound = true;
            const QList<Shortcut> wanted = qdbus_cast<QList<Shortcut>>(args.value(1).value<QDBusArgument>());
            QStringList line{QStringLiteral("GlobalShortcuts.BindShortcuts")};
            for (const Shortcut& shortcut : wanted) {
                line << shortcut.id
                     << QStringLiteral("preferred_trigger=") +
                            shortcut.properties.value(QStringLiteral("preferred_trigger")).toString();
                description_ = shortcut.properties.value(QStringLiteral("description")).toString();
            }
            record(line.join(QLatin1Char(' ')));
            answer(message, connection, optionsOf(args.value(3)), member, [this] {
                return QVariantMap{{QStringLiteral("shortcuts"), QVariant::fromValue(boundList())}};
            });
            return true;
        }
        if (member == QLatin1String("ListShortcuts")) {
            if (!sessionFor(message, QStringLiteral("shortcuts")))
                return errorReply(message, connection, QStringLiteral("ListShortcuts: no such session"));
            record(QStringLiteral("GlobalShortcuts.ListShortcuts"));
            answer(message, connection, optionsOf(args.value(1)), member, [this] {
                return QVariantMap{{QStringLiteral("shortcuts"), QVariant::fromValue(boundList())}};
            });
            return true;
        }
        if (member == QLatin1String("ConfigureShortcuts") && shortcutsVersion >= 2) {
            if (!sessionFor(message, QStringLiteral("shortcuts")))
                return errorReply(message, connection, QStringLiteral("ConfigureShortcuts: no such session"));
            record(QStringLiteral("GlobalShortcuts.ConfigureShortcuts"));
            connection.send(message.createReply());
            return true;
        }
        return errorReply(message, connection, QStringLiteral("unknown method ") + member);
    }

    bool remote(const QDBusMessage& message, const QDBusConnection& connection)
    {
        const QString member = message.member();
        const QVariantList args = message.arguments();
        if (member == QLatin1String("CreateSession")) {
            const QVariantMap options = optionsOf(args.value(0));
            const QString session =
                handleFor(message, QStringLiteral("session"),
                          options.value(QStringLiteral("session_handle_token")).toString());
            record(QStringLiteral("RemoteDesktop.CreateSession"));
            answer(message, connection, options, member, [this, session, owner = message.service()] {
                sessions_.insert(session, Session{owner, QStringLiteral("remote")});
                return QVariantMap{
                    {QStringLiteral("session_handle"), QVariant::fromValue(QDBusObjectPath(session))}};
            });
            return true;
        }
        if (member == QLatin1String("SelectDevices")) {
            Session* session = sessionFor(message, QStringLiteral("remote"));
            if (!session)
                return errorReply(message, connection, QStringLiteral("SelectDevices: no such session"));
            const QVariantMap options = optionsOf(args.value(1));
            session->devices = options.value(QStringLiteral("types"), 7u).toUInt();
            session->persistMode = options.value(QStringLiteral("persist_mode"), 0u).toUInt();
            session->restoreToken = options.value(QStringLiteral("restore_token")).toString();
            record(QStringLiteral("RemoteDesktop.SelectDevices types=%1 persist_mode=%2 restore_token=%3")
                       .arg(session->devices)
                       .arg(session->persistMode)
                       .arg(session->restoreToken));
            answer(message, connection, options, member, [] { return QVariantMap(); });
            return true;
        }
        if (member == QLatin1String("Start")) {
            Session* session = sessionFor(message, QStringLiteral("remote"));
            if (!session)
                return errorReply(message, connection, QStringLiteral("Start: no such session"));
            // A valid token restores the earlier grant without a dialog; it is good once.
            const bool restored =
                !session->restoreToken.isEmpty() && validTokens_.remove(session->restoreToken);
            record(QStringLiteral("RemoteDesktop.Start ") +
                   (restored ? QStringLiteral("restored") : QStringLiteral("asked")));
            const QString path = pathOf(args.value(0));
            const uint response = restored ? 0 : answers_.value(member, 0);
            const QVariantMap options = optionsOf(args.value(2));
            const QString handle = handleFor(message, QStringLiteral("request"),
                                             options.value(QStringLiteral("handle_token")).toString());
            connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
            if (response == leftOpen)
                return true;
            QVariantMap results;
            if (response == 0) {
                session->started = true;
                results.insert(QStringLiteral("devices"), session->devices & 1u);
                if (session->persistMode == 2 && remoteVersion >= 2) {
                    const QString token = QStringLiteral("restore-%1").arg(++tokens_);
                    validTokens_.insert(token);
                    results.insert(QStringLiteral("restore_token"), token);
                }
            }
            QDBusConnection bus = connection;
            QTimer::singleShot(0, [bus, handle, response, results]() mutable {
                QDBusMessage signal =
                    QDBusMessage::createSignal(handle, kRequest, QStringLiteral("Response"));
                signal << response << results;
                bus.send(signal);
            });
            return true;
        }
        if (member == QLatin1String("NotifyKeyboardKeysym")) {
            Session* session = sessionFor(message, QStringLiteral("remote"));
            if (!session || !session->started || !(session->devices & 1u))
                return errorReply(message, connection, QStringLiteral("NotifyKeyboardKeysym: no keyboard"));
            record(QStringLiteral("RemoteDesktop.NotifyKeyboardKeysym %1 %2")
                       .arg(args.value(2).toInt(), 0, 16)
                       .arg(args.value(3).toUInt()));
            connection.send(message.createReply());
            return true;
        }
        return errorReply(message, connection, QStringLiteral("unknown method ") + member);
    }

    bool properties(const QDBusMessage& message, const QDBusConnection& connection)
    {
        const QString interface = message.arguments().value(0).toString();
        QVariantMap values;
        if (interface == kShortcuts && offerShortcuts)
            values.insert(QStringLiteral("version"), shortcutsVersion);
        else if (interface == kRemote && offerRemote)
            values = {{QStringLiteral("version"), remoteVersion},
                      {QStringLiteral("AvailableDeviceTypes"), 7u}};
        if (values.isEmpty()) {
            connection.send(
                message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                                         QStringLiteral("No such interface “%1”").arg(interface)));
            return true;
        }
        if (message.member() == QLatin1String("GetAll")) {
            connection.send(message.createReply(values));
            return true;
        }
        const QString name = message.arguments().value(1).toString();
        if (!values.contains(name)) {
            connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                                                     QStringLiteral("No such property")));
            return true;
        }
        connection.send(message.createReply(QVariant::fromValue(QDBusVariant(values.value(name)))));
        return true;
    }

    bool control(const QDBusMessage& message, const QDBusConnection& connection)
    {
        const QString member = message.member();
        const QVariantList args = message.arguments();
        if (member == QLatin1String("Calls")) {
            connection.send(message.createReply(calls_));
            return true;
        }
        if (member == QLatin1String("ClearCalls")) {
            calls_.clear();
        } else if (member == QLatin1String("SetAnswer")) {
            answers_.insert(args.value(0).toString(), args.value(1).toUInt());
        } else if (member == QLatin1String("Activate") || member == QLatin1String("Deactivate")) {
            const QString id = args.value(0).toString();
            for (auto it = sessions_.cbegin(); it != sessions_.cend(); ++it) {
                if (it->kind != QLatin1String("shortcuts") || !it->bound)
                    continue;
                QDBusMessage signal = QDBusMessage::createSignal(kPath, kShortcuts,
                                                                 member == QLatin1String("Activate")
                                                                     ? QStringLiteral("Activated")
                                                                     : QStringLiteral("Deactivated"));
                signal << QVariant::fromValue(QDBusObjectPath(it.key())) << id << qulonglong(++timestamp_)
                       << QVariantMap();
                connection.send(signal);
            }
        } else if (member == QLatin1String("SetTrigger")) {
            trigger_ = args.value(0).toString();
            for (auto it = sessions_.cbegin(); it != sessions_.cend(); ++it) {
                if (it->kind != QLatin1String("shortcuts") || !it->bound)
                    continue;
                QDBusMessage signal =
                    QDBusMessage::createSignal(kPath, kShortcuts, QStringLiteral("ShortcutsChanged"));
                signal << QVariant::fromValue(QDBusObjectPath(it.key())) << QVariant::fromValue(boundList());
                connection.send(signal);
            }
        } else {
            return false;
        }
        connection.send(message.createReply());
        return true;
    }

    QStringList calls_;
    QHash<QString, uint> answers_;
    QHash<QString, Session> sessions_;
    QSet<QString> validTokens_;
    int tokens_ = 0;
    qulonglong timestamp_ = 0;
    QString description_;
    QString trigger_ = QStringLiteral("Ctrl+Alt+V");
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<QList<Shortcut>>();
    FakePortal portal;
    const QStringList args = app.arguments();
    portal.offerShortcuts = !args.contains(QStringLiteral("--no-global-shortcuts"));
    portal.offerRemote = !args.contains(QStringLiteral("--no-remote-desktop"));
    if (const int at = args.indexOf(QStringLiteral("--shortcuts-version")); at > 0)
        portal.shortcutsVersion = args.value(at + 1).toUInt();
    if (const int at = args.indexOf(QStringLiteral("--remote-desktop-version")); at > 0)
        portal.remoteVersion = args.value(at + 1).toUInt();

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "fakeportal: no session bus\n");
        return 1;
    }
    if (!bus.registerVirtualObject(kPath, &portal, QDBusConnection::SubPath) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "fakeportal: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
