#!/usr/bin/env python3
# gtktextfield: a GTK 3 text field for the end-to-end tests on a GNOME compositor, where the
# Qt helpers would not show what a GTK application on Wayland does with the clipboard.
#
# Usage:
#   GDK_BACKEND=wayland gtktextfield.py
#
# Prints "ready" once the field has the keyboard focus, then "text: CONTENT" on every change.
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402


def main():
    window = Gtk.Window(title="gtktextfield")
    window.set_default_size(400, 60)
    field = Gtk.Entry()
    window.add(field)
    window.connect("destroy", Gtk.main_quit)

    def changed(entry):
        print("text: " + entry.get_text(), flush=True)

    field.connect("changed", changed)
    window.show_all()
    window.present()

    def poll():
        if window.is_active() and field.has_focus():
            print("ready", flush=True)
            return False
        return True

    GLib.timeout_add(50, poll)
    Gtk.main()


if __name__ == "__main__":
    sys.exit(main())
