#pragma once

#include "platform/KeyCombo.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QProcess;

// Adds a keyboard shortcut running `brimble toggle` to GNOME's own custom shortcuts (Settings,
// Keyboard, Custom Shortcuts), for GNOME sessions whose portal binds no global shortcuts.
//
// It talks to GSettings through the `gsettings` tool, one asynchronous process at a time:
// that needs no GLib main loop beside Qt's and no link to GIO, honours the same backend
// variables as GNOME itself (GSETTINGS_BACKEND, XDG_CONFIG_HOME), and never blocks the GUI
// thread. Brimble's entry has a path of its own; the list of custom shortcuts keeps every other
// entry, in order.
class GnomeCustomKeybinding : public QObject
{
    Q_OBJECT
public:
    static inline const QString listSchema = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");
    static inline const QString entrySchema =
        QStringLiteral("org.gnome.settings-daemon.plugins.media-keys.custom-keybinding");
    static inline const QString entryPath =
        QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/brimble/");
    static inline const QString command = QStringLiteral("brimble toggle");

    using Done = std::function<void(bool ok, const QString& problem)>;

    explicit GnomeCustomKeybinding(QObject* parent = nullptr);

    // Whether the gsettings tool is there at all.
    static bool isAvailable();
    // GNOME's notation of a combination: "<Control><Alt>v".
    static QString accelerator(const KeyCombo& combo);
    // The strings of a GVariant string array as gsettings prints it ("@as []", "['a', 'b']").
    static QStringList parseStringArray(const QString& text);
    static QString formatStringArray(const QStringList& strings);

    // Adds (or updates) Brimble's entry with `combo` and puts it in the list. `done` runs on
    // the GUI thread.
    void add(const KeyCombo& combo, Done done);

private:
    // Runs the steps one after another; the first failure ends the chain.
    void run(QStringList arguments, std::function<void(const QString& output)> next);

    Done done_;
};
