#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A GNOME compositor for tests: mutter nested in a window of the X display in $DISPLAY, as a
// Wayland compositor with XWayland, on a D-Bus session of its own. Its seat's keyboard is the
// host display's, so xdotool on the host types into its focused Wayland window.
class NestedMutter
{
public:
    NestedMutter();
    ~NestedMutter();
    NestedMutter(const NestedMutter&) = delete;
    NestedMutter& operator=(const NestedMutter&) = delete;

    // Starts it and gives its window the host keyboard; empty when it runs, else why not.
    QString start();

    // XWayland's display and the authority file its clients need.
    QString xwaylandDisplay() const { return xwaylandDisplay_; }
    QString xauthority() const { return xauthority_; }
    // The Wayland socket's absolute path.
    QString waylandSocket() const;
    // The environment of a GTK application on its Wayland socket.
    QProcessEnvironment waylandClient() const;

private:
    QTemporaryDir runtime_;
    QProcess mutter_;
    QString xwaylandDisplay_;
    QString xauthority_;
};
