#include "platform/portal/PortalHotKeys.h"

#include "common/Log.h"
#include "platform/KeyTable.h"
#include "platform/portal/PortalRequest.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusMetaType>

namespace {
const QString kTag = QStringLiteral("portal shortcut");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
constexpr std::chrono::milliseconds kReplyTimeout{5000};
// Creating and listing involve no dialog.
constexpr std::chrono::milliseconds kQuickAnswer{10000};
// Binding may wait for the user in the desktop's dialog.
constexpr std::chrono::milliseconds kDialogAnswer{180000};

struct NewShortcut
{
    QString id;
    QVariantMap properties;
};
} // namespace

Q_DECLARE_METATYPE(NewShortcut)

namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const NewShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, NewShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

QList<NewShortcut> shortcutList(const QVariant& value)
{
    QList<NewShortcut> list;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> list;
    else if (value.canConvert<QList<NewShortcut>>())
        list = value.value<QList<NewShortcut>>();
    return list;
}
} // namespace

PortalHotKeys::PortalHotKeys(std::unique_ptr<HotKeys> fallback, const QDBusConnection& bus)
    : bus_(bus), fallback_(std::move(fallback))
{
    // The signals' slots name it; QtDBus finds slot types by name only once they are registered.
    qRegisterMetaType<QDBusObjectPath>();
    qDBusRegisterMetaType<NewShortcut>();
    qDBusRegisterMetaType<QList<NewShortcut>>();
    Portal::readVersion(bus_, kInterface, kReplyTimeout, this, [this](uint version, const QString& problem) {
        if (version == 0) {
            giveUp(DesktopShortcut::State::unavailable,
                   QStringLiteral("the desktop offers no global shortcuts portal (%1)").arg(problem));
            return;
        }
        version_ = version;
        Log::info(kTag, QStringLiteral("global shortcuts portal version %1").arg(version));
        bus_.connect(Portal::service, Portal::objectPath, kInterface, QStringLiteral("Activated"), this,
                     SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        bus_.connect(Portal::service, Portal::objectPath, kInterface, QStringLiteral("Deactivated"), this,
                     SLOT(onDeactivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        bus_.connect(Portal::service, Portal::objectPath, kInterface, QStringLiteral("ShortcutsChanged"),
                     this, SLOT(onShortcutsChanged(QDBusMessage)));
        if (combo_)
            createSession();
    });
}

PortalHotKeys::~PortalHotKeys()
{
    if (!session_.isEmpty())
        bus_.asyncCall(QDBusMessage::createMethodCall(Portal::service, session_, Portal::sessionInterface,
                                                      QStringLiteral("Close")));
}

QString PortalHotKeys::preferredTrigger(const KeyCombo& combo)
{
    QStringList parts;
    // Brimble's Command is Ctrl, Option is Alt and Control is Super on Linux.
    if (combo.carbonModifiers & CarbonModifier::shift)
        parts << QStringLiteral("SHIFT");
    if (combo.carbonModifiers & CarbonModifier::command)
        parts << QStringLiteral("CTRL");
    if (combo.carbonModifiers & CarbonModifier::option)
        parts << QStringLiteral("ALT");
    if (combo.carbonModifiers & CarbonModifier::control)
        parts << QStringLiteral("LOGO");
    // The key by its keysym name: letters in lower case, "space", "F1".
    QString key = KeyTable::keyName(combo.carbonKeyCode);
    if (key.size() == 1 || key == QLatin1String("Space"))
        key = key.toLower();
    parts << key;
    return parts.join(QLatin1Char('+'));
}

HotKeys::Result PortalHotKeys::registerHotKey(const KeyCombo& combo, Handler handler)
{
    const Result allowed = check(combo);
    if (allowed != Result::registered)
        return allowed;
    combo_ = combo;
    handler_ = std::move(handler);
    active_ = true;
    if (useFallback_ || shortcut_.state == DesktopShortcut::State::asking) {
        // Until the desktop has bound it, the keys still work in the windows a grab reaches.
        const Result grabbed = fallback_ ? fallback_->registerHotKey(combo, handler_) : Result::unavailable;
        if (useFallback_)
            return grabbed;
    }
    if (version_ > 0 && session_.isEmpty())
        createSession();
    return Result::registered;
}

void PortalHotKeys::unregisterHotKey(const KeyCombo& combo)
{
    // The desktop keeps its binding; Brimble only stops answering it (while a new shortcut is
    // recorded, or when the user reset it).
    active_ = false;
    if (fallback_)
        fallback_->unregisterHotKey(combo);
}

void PortalHotKeys::createSession()
{
    setState(DesktopShortcut::State::asking);
    const QString sessionToken = Portal::newToken();
    Portal::request(bus_, kInterface, QStringLiteral("CreateSession"), {},
                    {{QStringLiteral("session_handle_token"), sessionToken}}, kReplyTimeout, kQuickAnswer,
                    this, [this](const Portal::Answer& answer) {
                        if (answer.status != Portal::Answer::Status::success) {
                            giveUp(DesktopShortcut::State::unavailable,
                                   QStringLiteral("no shortcut session: %1").arg(Portal::describe(answer)));
                            return;
                        }
                        session_ =
                            Portal::pathFromVariant(answer.results.value(QStringLiteral("session_handle")));
                        bus_.connect(Portal::service, session_, Portal::sessionInterface,
                                     QStringLiteral("Closed"), this, SLOT(onSessionClosed(QVariantMap)));
                        bind();
                    });
}

void PortalHotKeys::bind()
{
    QVariantMap properties{
        {QStringLiteral("description"), QStringLiteral("Show or hide the clipboard history")}};
    if (combo_)
        properties.insert(QStringLiteral("preferred_trigger"), preferredTrigger(*combo_));
    const QList<NewShortcut> shortcuts{{shortcutId, properties}};
    Portal::request(
        bus_, kInterface, QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts), QString()}, {},
        kReplyTimeout, kDialogAnswer, this, [this](const Portal::Answer& answer) {
            if (answer.status == Portal::Answer::Status::cancelled) {
                giveUp(DesktopShortcut::State::declined, QStringLiteral("binding the shortcut was declined"));
                return;
            }
            if (answer.status != Portal::Answer::Status::success) {
                giveUp(DesktopShortcut::State::unavailable,
                       QStringLiteral("binding the shortcut %1").arg(Portal::describe(answer)));
                return;
            }
            if (fallback_ && combo_)
                fallback_->unregisterHotKey(*combo_);
            if (!takeShortcuts(answer.results.value(QStringLiteral("shortcuts"))))
                list();
        });
}

void PortalHotKeys::list()
{
    Portal::request(bus_, kInterface, QStringLiteral("ListShortcuts"),
                    {QVariant::fromValue(QDBusObjectPath(session_))}, {}, kReplyTimeout, kQuickAnswer, this,
                    [this](const Portal::Answer& answer) {
                        if (answer.status != Portal::Answer::Status::success ||
                            !takeShortcuts(answer.results.value(QStringLiteral("shortcuts")))) {
                            // Bound, but the desktop assigned no keys (yet).
                            shortcut_.trigger.clear();
                            setState(DesktopShortcut::State::bound);
                        }
                    });
}

bool PortalHotKeys::takeShortcuts(const QVariant& shortcuts)
{
    for (const NewShortcut& shortcut : shortcutList(shortcuts)) {
        if (shortcut.id != shortcutId)
            continue;
        shortcut_.trigger = shortcut.properties.value(QStringLiteral("trigger_description")).toString();
        Log::info(kTag, QStringLiteral("the desktop bound the shortcut to \"%1\"").arg(shortcut_.trigger));
        setState(DesktopShortcut::State::bound);
        return true;
    }
    return false;
}

void PortalHotKeys::configureDesktopShortcut()
{
    if (session_.isEmpty() || version_ < 2) {
        Log::warning(kTag, QStringLiteral("the desktop offers no dialog to change the shortcut"));
        return;
    }
    QDBusMessage configure = QDBusMessage::createMethodCall(Portal::service, Portal::objectPath, kInterface,
                                                            QStringLiteral("ConfigureShortcuts"));
    configure << QVariant::fromValue(QDBusObjectPath(session_)) << QString() << QVariantMap();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(configure, int(kReplyTimeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher] {
        watcher->deleteLater();
        if (watcher->isError())
            Log::warning(kTag, QStringLiteral("the desktop's shortcut dialog did not open: %1")
                                   .arg(watcher->error().message()));
    });
}

void PortalHotKeys::onActivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                const QVariantMap&)
{
    if (session.path() != session_ || id != shortcutId)
        return;
    // Held keys may repeat the activation; one press is one toggle.
    if (down_ || !active_ || !handler_)
        return;
    down_ = true;
    handler_();
}

void PortalHotKeys::onDeactivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                  const QVariantMap&)
{
    if (session.path() == session_ && id == shortcutId)
        down_ = false;
}

void PortalHotKeys::onShortcutsChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || Portal::pathFromVariant(arguments.at(0)) != session_)
        return;
    if (!takeShortcuts(arguments.at(1))) {
        shortcut_.trigger.clear();
        setState(DesktopShortcut::State::bound);
    }
}

void PortalHotKeys::onSessionClosed(const QVariantMap&)
{
    session_.clear();
    giveUp(DesktopShortcut::State::unavailable, QStringLiteral("the desktop closed the shortcut session"));
}

void PortalHotKeys::setState(DesktopShortcut::State state, const QString& problem)
{
    shortcut_.state = state;
    shortcut_.problem = problem;
    shortcut_.configurable = state == DesktopShortcut::State::bound && version_ >= 2;
    if (listener_)
        listener_();
}

void PortalHotKeys::giveUp(DesktopShortcut::State state, const QString& problem)
{
    Log::warning(
        kTag, QStringLiteral("%1; %2").arg(problem, fallback_ ? QStringLiteral("keys go to the X11 key grab")
                                                              : QStringLiteral("no global shortcut")));
    useFallback_ = true;
    shortcut_.trigger.clear();
    setState(state, problem);
    if (fallback_ && combo_ && active_)
        fallback_->registerHotKey(*combo_, handler_);
}
