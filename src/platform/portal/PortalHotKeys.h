#pragma once

#include "platform/HotKeys.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include <memory>
#include <optional>

// The global shortcut through the desktop portal's GlobalShortcuts interface, for Wayland
// sessions, where no client can grab keys: Brimble names its one shortcut, the desktop binds
// keys to it (asking the user in its own dialog, once) and says when they are pressed.
//
// Everything is asynchronous on the GUI thread. Until the portal has answered, and for good
// when it is missing, declines or fails, the combination goes to `fallback` instead (X11 key
// grabs when Brimble is an XWayland client: they still reach X11 windows), so the shortcut is
// never worse than without the portal.
//
// The desktop keeps the binding by application and shortcut id, so a session is made and bound
// once per run; a new combination recorded in the preferences is only the preferred trigger
// of the first binding, after which the desktop's own dialog (ConfigureShortcuts) changes it.
class PortalHotKeys : public QObject, public HotKeys
{
    Q_OBJECT
public:
    static inline const QString shortcutId = QStringLiteral("toggle-quick-search");

    PortalHotKeys(std::unique_ptr<HotKeys> fallback,
                  const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~PortalHotKeys() override;

    Result registerHotKey(const KeyCombo& combo, Handler handler) override;
    void unregisterHotKey(const KeyCombo& combo) override;
    DesktopShortcut desktopShortcut() const override { return shortcut_; }
    void configureDesktopShortcut() override;
    void setDesktopShortcutListener(std::function<void()> listener) override
    {
        listener_ = std::move(listener);
    }

    // The combination as the portal takes a preferred trigger ("CTRL+ALT+v": XDG shortcut names).
    static QString preferredTrigger(const KeyCombo& combo);

private Q_SLOTS:
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);
    void onDeactivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                       const QVariantMap& options);
    void onShortcutsChanged(const QDBusMessage& message);
    void onSessionClosed(const QVariantMap& details);

private:
    void createSession();
    void bind();
    void list();
    // Reads this shortcut's trigger out of an a(sa{sv}) list; false when the list lacks it.
    bool takeShortcuts(const QVariant& shortcuts);
    void setState(DesktopShortcut::State state, const QString& problem = {});
    // The portal is out of the picture: the combination goes to the fallback from now on.
    void giveUp(DesktopShortcut::State state, const QString& problem);

    QDBusConnection bus_;
    std::unique_ptr<HotKeys> fallback_;
    bool useFallback_ = false;
    std::optional<KeyCombo> combo_;
    Handler handler_;
    bool active_ = false;
    bool down_ = false;
    uint version_ = 0;
    QString session_;
    DesktopShortcut shortcut_{DesktopShortcut::State::asking, {}, false, {}};
    std::function<void()> listener_;
};
