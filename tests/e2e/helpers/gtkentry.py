#!/usr/bin/python3
# gtkentry: a GTK 3 window holding one text entry, for the end-to-end tests: what a paste into
# a real GTK application receives.
#
# Usage: gtkentry.py REPORT
#
# Prints "ready" once the entry has the keyboard focus. Every change of the entry's text is
# written to REPORT (replaced atomically) and announced with a line "changed". SIGTERM ends it.
import os
import signal
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

report = sys.argv[1]


def write_report(entry):
    temporary = report + ".tmp"
    with open(temporary, "w", encoding="utf-8") as out:
        out.write(entry.get_text())
    os.replace(temporary, report)
    print("changed", flush=True)


def on_focus(entry, _event):
    if not getattr(on_focus, "said", False):
        on_focus.said = True
        print("ready", flush=True)
    return False


window = Gtk.Window(title="gtkentry")
window.set_wmclass("gtkentry", "GtkEntryTarget")
window.set_default_size(400, 60)
entry = Gtk.Entry()
entry.connect("changed", write_report)
entry.connect("focus-in-event", on_focus)
window.add(entry)
window.connect("destroy", Gtk.main_quit)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, Gtk.main_quit)
window.show_all()
window.present()
entry.grab_focus()
Gtk.main()
