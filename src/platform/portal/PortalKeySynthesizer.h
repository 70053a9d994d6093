#pragma once

#include "platform/KeySynthesizer.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Where the user's answer to the remote-desktop dialog is kept (with the preferences, 0600),
// so that it is asked once: the portal's restore token, and whether the user declined.
// Called on the GUI thread.
struct PortalConsentStore
{
    std::function<QString()> restoreToken;
    std::function<void(const QString& token)> setRestoreToken;
    std::function<bool()> declined;
    std::function<void(bool declined)> setDeclined;
};

// The paste chord through the desktop portal's RemoteDesktop interface (keyboard only), for
// Wayland windows, where the compositor lets no ordinary client send keys (GNOME, KDE). The
// stroke goes to the window that has the keyboard once the panel is gone.
//
// With `inner` (XTest when Brimble is an XWayland client) a known X11 target still gets its
// stroke from there, as before; everything else goes through the portal.
//
// The session is made on the first paste, asking the user once in the desktop's dialog; it
// asks to persist until revoked, and the restore token it gets back is kept, so later runs
// start again without asking. A declined dialog is remembered too: Brimble does not ask at
// every paste, and the item waits on the clipboard for Ctrl+V.
//
// The portal is spoken to on the GUI thread, asynchronously; sendPaste() (on the write-back
// thread) waits for the session there, bounded, and sends the keys from its own thread.
class PortalKeySynthesizer : public QObject, public KeySynthesizer
{
    Q_OBJECT
public:
    static constexpr int keyboardDevice = 1;
    static constexpr int persistUntilRevoked = 2;
    static constexpr quint32 controlKeysym = 0xffe3; // Control_L
    static constexpr quint32 vKeysym = 0x76;         // v

    PortalKeySynthesizer(std::unique_ptr<KeySynthesizer> inner, PortalConsentStore store,
                         const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~PortalKeySynthesizer() override;

    bool isTrusted(const RunningApplication* target) override;
    bool canSynthesize() const override;
    bool sendPaste(const RunningApplication* target) override;
    bool isTerminal(const RunningApplication* target) const override;
    bool needsTarget() const override { return false; }

    // How long sendPaste() waits for the session, the desktop's dialog included. The stroke
    // after a longer wait would land wherever the user has gone since.
    static constexpr std::chrono::milliseconds sessionWait{30000};

    // Forgets a declined answer, so that the next paste asks again (the preferences' button).
    void askAgain();

private Q_SLOTS:
    void onSessionClosed();

private:
    enum class State
    {
        probing,    // reading the interface's version
        idle,       // offered; no session yet
        starting,   // creating, selecting, starting (the dialog may be open)
        started,    // keys may be sent
        declined,   // the user said no
        unavailable // no portal, no keyboard, or it failed
    };
    void startSession();
    void selectDevices();
    void start();
    void setState(State state, const QString& problem = {});
    bool innerTakes(const RunningApplication* target) const;

    std::unique_ptr<KeySynthesizer> inner_;
    PortalConsentStore store_;
    QDBusConnection bus_;
    uint version_ = 0;
    // Written on the GUI thread under mutex_, read by sendPaste().
    QString session_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    State state_ = State::probing;
    bool quitting_ = false;
    // A paste came before the version was known.
    bool startWhenOffered_ = false;
};
