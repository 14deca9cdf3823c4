#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""atspi_listen.py PROGRAM SENTENCE... -- KEY...

Starts PROGRAM with accessibility on, types the keys one at a time, and passes
when, in order, notifications in a status bar became "showing" (what Orca reads
aloud, without calling them notifications) with each SENTENCE as their label,
a list item, a cell of the board, took the focus with it as its name, or the
focused object's active descendant became a label in a status bar with it as
its name (news that cuts short what a screen reader says)."""
import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

split = sys.argv.index("--")
program, sentences, keys = sys.argv[1], sys.argv[2:split], sys.argv[split + 1:]
heard = []


def on_showing(event):
    try:
        # libatspi caches names, and the toolkit sends the name changes that
        # would refresh it only to whoever listens for them: read it afresh
        event.source.clearCache()
        role, parent = event.source.getRoleName(), event.source.parent.getRoleName()
        labels = [event.source.getChildAtIndex(i) for i in range(event.source.childCount)]
        for label in labels:
            label.clearCache()
        name = " ".join(label.name for label in labels if label.getRoleName() == "label")
    except Exception as error:  # the object may be gone already
        role, parent, name = "?", "?", repr(error)
    if event.detail1 == 1 and role == "notification" and parent == "status bar":
        print(f"heard {name!r}", flush=True)
        heard.append(name)


def on_focused(event):
    try:
        event.source.clearCache()
        role, name = event.source.getRoleName(), event.source.name
    except Exception as error:
        role, name = "?", repr(error)
    if event.detail1 == 1 and role == "list item":
        print(f"heard {name!r} (focus)", flush=True)
        heard.append(name)


def on_descendant(event):
    try:
        label = event.any_data
        role, parent, name = label.getRoleName(), label.parent.getRoleName(), label.name
        focused = event.source.getState().contains(pyatspi.STATE_FOCUSED)
    except Exception as error:
        role, parent, name, focused = "?", "?", repr(error), False
    if focused and role == "label" and parent == "status bar":
        print(f"heard {name!r} (news)", flush=True)
        heard.append(name)


# listen first: the toolkit sends only the events someone has asked for
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
pyatspi.Registry.registerEventListener(on_focused, "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_descendant, "object:active-descendant-changed")
environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
child = subprocess.Popen([program], env=environment)


def drive():
    window = ""
    for _ in range(100):
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(child.pid)],
                                capture_output=True, text=True).stdout.split()
        if window:
            break
        subprocess.run(["sleep", "0.2"])
    if not window:
        print("the window did not open", flush=True)
        pyatspi.Registry.stop()
        return False
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], timeout=10)
    GLib.timeout_add(300, type_key, 0)
    return False


def answered():
    """Asks the program something it answers only when it has handled what
    came before: what the last key made it say is then on its way here."""
    try:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == child.pid:
                app[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except Exception:  # not on the bus yet, or gone
        pass


def type_key(i):
    """One key, then the next only once the program has answered and what it
    said is read: on a loaded machine the next key would otherwise change the
    name before it is read."""
    if i == len(keys):
        GLib.timeout_add(5000, lambda: pyatspi.Registry.stop())
        return False
    subprocess.run(["xdotool", "key", keys[i]])
    GLib.timeout_add(300, lambda: answered() or GLib.idle_add(type_key, i + 1) and False)
    return False


GLib.timeout_add(500, drive)
GLib.timeout_add_seconds(60, lambda: pyatspi.Registry.stop())  # whatever happens
pyatspi.Registry.start()
child.terminate()
child.wait(5)
if heard[-len(sentences):] == sentences:
    print(f"{len(sentences)} passed, 0 failed")
    sys.exit(0)
print("expected, in order:", *sentences, sep="\n  ")
print("heard:", *heard, sep="\n  ")
sys.exit(1)
