#pragma once

#include "platform/KeyCombo.h"

#include <QString>

#include <functional>

// Global hot keys: combinations that reach Brimble whichever window has the keyboard.
// Used on the GUI thread only.
class HotKeys
{
public:
    enum class Result
    {
        registered,
        // Another program already holds the combination.
        heldByAnotherClient,
        // Neither Ctrl, Alt nor Super is held (Shift alone only goes with function keys).
        needsModifier,
        // The key is not in the key table, or not on this keyboard.
        unknownKey,
        // There is no desktop to register with.
        unavailable,
    };
    using Handler = std::function<void()>;

    virtual ~HotKeys() = default;

    // While registered, every press of the combination anywhere calls handler, on the GUI
    // thread (once per press; holding the keys down does not repeat it). Registering a
    // combination again only replaces its handler. On failure nothing is registered.
    virtual Result registerHotKey(const KeyCombo& combo, Handler handler) = 0;
    // Releases the combination for other programs; nothing happens if it was not registered.
    virtual void unregisterHotKey(const KeyCombo& combo) = 0;

    // Where the desktop, not Brimble, owns the key (the global shortcuts portal of a Wayland
    // session), what it made of the shortcut; `grabbed` when Brimble grabs the keys itself.
    struct DesktopShortcut
    {
        enum class State
        {
            grabbed,     // Brimble's own key grab (X11): nothing to show
            asking,      // the desktop is asked (its dialog may be open)
            bound,       // the desktop runs the shortcut; `trigger` says with which keys
            declined,    // the user declined binding it
            unavailable, // the desktop offers no global shortcuts portal, or it failed
        };
        State state = State::grabbed;
        // The desktop's own words for the keys ("Ctrl+Alt+V"); empty when none are assigned.
        QString trigger;
        // The desktop can show its own dialog to change the keys.
        bool configurable = false;
        // For unavailable: why, for the log and the preferences.
        QString problem;
    };
    virtual DesktopShortcut desktopShortcut() const { return {}; }
    // Opens the desktop's dialog for Brimble's shortcut, where it has one.
    virtual void configureDesktopShortcut() {}
    // Called on the GUI thread whenever desktopShortcut() changes.
    virtual void setDesktopShortcutListener(std::function<void()>) {}

    // Whether a combination may be global at all, before asking the desktop.
    static Result check(const KeyCombo& combo);
    // For the log and the user: "held by another client".
    static QString describe(Result result);
};
