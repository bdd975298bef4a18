#!/usr/bin/python3
"""The desktop program as a screen reader meets it: each window's accessible
tree walked by one walker whose rules are the tables below, and the events
of each Compute. Run on a session bus of its own (the accessibility bus
starts on demand); it starts its own display:
    dbus-run-session -- check_accessibility.py PROGRAM [--measure]
Failures are listed and the run exits 1; one that sticks ends at its
deadline, naming its step. --measure also prints what it counted.
"""

import argparse
import collections
import contextlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

Atspi = pyatspi = None  # imported once the display is there, see own_display()

# --- rules --------------------------------------------------------------------

# Roles the user operates, and anything that takes the focus: each needs a
# name, and no two siblings may share one. The parts of a table, list or
# tree are content, which may be empty and may repeat.
INTERACTIVE_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box",
    "text", "password text", "spin button", "slider", "menu item", "check menu item",
    "radio menu item", "page tab", "list", "list box", "tree", "tree table", "table",
    "link", "entry",
}
CELL_ROLES = {"table cell", "tree item", "list item", "table row header",
              "table column header"}
# A checked object is a check or radio item, never one that cannot say so.
CHECKED_ROLES = {"check box", "check menu item", "radio button", "radio menu item",
                 "toggle button", "page tab"} | CELL_ROLES
# A column header Qt numbered itself tells nothing; headers are read with
# each cell even while hidden, so they are walked then too.
FORBIDDEN_NAMES = {"table column header": re.compile(r"\d+")}
# In each menu every item has a key, and no two the same mnemonic.
MENUS = {"menu bar", "popup menu"}
MENU_ITEMS = {"menu item", "check menu item", "radio menu item"}

# name, the menu item that opens it (a modal one's action answers only once
# it closes, so it is fired without waiting), modal, top-level role. Every
# window but the main one closes on Escape.
WINDOWS = [
    ("main", None, False, "frame"),
    ("plot", "Plot...", False, "frame"),
    ("functions", "Functions and constants...", False, "frame"),
    ("documentation", "Help...", False, "frame"),
    ("result formats", "All formats...", False, "frame"),
    ("about", "About...", True, "dialog"),
    ("print report", "Print...", True, "dialog"),
    ("open worksheet", "Open Worksheet...", True, "dialog"),
    ("save worksheet", "Save Worksheet...", True, "dialog"),
]

# What a screen reader speaks of an object without the focus (Orca's
# onShowingChanged for a notification): every announcement is this event.
ANNOUNCEMENT = ("object:state-changed:showing", 1, "notification")
# Typed into the formula box and run with F9: what must be announced
# ({result} and {status} are the result box's and status bar's texts
# after it), the error report's text if one comes, and whether the box
# keeps the focus.
COMPUTES = [
    ("1 + 2", ["{result}"], None, True),
    ("10 % 3", ["{result}", "{status}"], None, True),
    ("arcsin(x)", ["arcsin(2): outside the domain |x| <= 1"],
     "Domain check failure in Kerrowin.", False),
]
# While a key types into the box, no other object changes its text or name
# (a screen reader would read out each change); the hint under the box
# follows the caret on purpose.
NOISE_EVENTS = ("object:text-changed", "object:property-change:accessible-name")
NOISE_EXEMPT_ROLES = {"label"}

KEY_F9, KEY_ESCAPE = 0xFFC6, 0xFF1B

# --- the walker ---------------------------------------------------------------


def states(obj):
    return {pyatspi.stateToString(s) for s in obj.getState().getStates()}


def children(obj):
    return [c for c in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if c]


def interactive(obj):
    role = obj.getRoleName()
    return role not in CELL_ROLES and (role in INTERACTIVE_ROLES or "focusable" in states(obj))


def first_key(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return ""
    return action.getKeyBinding(0).split(";")[0] if action.nActions else ""


def walk(window, label, fail):
    counts = collections.Counter()

    def visit(obj, path, in_menu):
        counts["objects"] += 1
        role, name = obj.getRoleName(), obj.name or ""
        where = "%s: %s" % (label, " > ".join(path + ["%s '%s'" % (role, name)]))
        counts["empty names"] += not name
        if interactive(obj):
            counts["interactive"] += 1
            if not name:
                counts["interactive without name"] += 1
                fail("%s: an interactive object without a name" % where)
        if "checked" in states(obj) and role not in CHECKED_ROLES:
            fail("%s: checked, but its role cannot show that" % where)
        if role in FORBIDDEN_NAMES and FORBIDDEN_NAMES[role].fullmatch(name):
            fail("%s: a name that tells nothing" % where)
        kids = children(obj)
        named, mnemonics = collections.defaultdict(list), collections.defaultdict(list)
        for index, kid in enumerate(kids):
            # A screen reader takes an object its parent does not know for
            # one that is gone, and says nothing of it.
            if kid.getIndexInParent() != index:
                fail("%s > '%s': its parent does not know it" % (where, kid.name))
            if kid.name and interactive(kid):
                named[kid.name].append(kid.getRoleName())
            if role in MENUS and kid.getRoleName() in MENU_ITEMS:
                key = first_key(kid)
                if not key:
                    fail("%s > '%s': no key in its menu" % (where, kid.name))
                elif key.startswith("Alt+"):
                    mnemonics[key.lower()].append(kid.name)
        for kid_name, roles in named.items():
            if len(roles) > 1:
                counts["repeated names"] += 1
                fail("%s: %d children named '%s'" % (where, len(roles), kid_name))
        for key, names in mnemonics.items():
            if len(names) > 1:
                fail("%s: %s is the mnemonic of %s" % (where, key, ", ".join(names)))
        # Nothing hidden is walked but closed menus and table headers, which
        # still reach the user.
        in_menu = in_menu or role in MENUS
        for kid in kids:
            if (in_menu or kid.getRoleName() in FORBIDDEN_NAMES
                    or states(kid) & {"showing", "visible"}):
                visit(kid, path + ["%s '%s'" % (role, name)], in_menu)

    visit(window, [], False)
    return counts


# --- the run ------------------------------------------------------------------


def own_display():
    """Starts a display of its own (numbered by the server once it listens)
    and hands it to the services the session bus starts, the accessibility
    bus and its registry among them, before anything starts them."""
    global Atspi, pyatspi
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                               "1280x1024x24", "-nolisten", "tcp"], pass_fds=(write,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as numbered:
        os.environ["DISPLAY"] = ":" + numbered.readline().strip()
    Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "UpdateActivationEnvironment",
        GLib.Variant("(a{ss})", ({"DISPLAY": os.environ["DISPLAY"]},)), None,
        Gio.DBusCallFlags.NONE, -1, None)
    from gi.repository import Atspi
    import pyatspi
    return server


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--measure", action="store_true")
    parser.add_argument("--deadline", type=int, default=55)
    args = parser.parse_args()
    failures, measures, events = [], [], []
    step = ["starting"]

    def fail(text):
        failures.append(text)
        print("FAIL: " + text, flush=True)

    def at_deadline(*_):
        raise RuntimeError("still running after %d s" % args.deadline)

    signal.signal(signal.SIGALRM, at_deadline)
    signal.alarm(args.deadline)
    server = own_display()
    # A longer deadline (a sanitized build) gives every wait as much more.
    slower = max(1.0, args.deadline / 55)
    Atspi.set_timeout(3000, 15000)  # no call waits long for a silent program
    context = GLib.MainContext.default()

    def pump(seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.01)

    def wait_for(what, seconds, probe):
        end = time.monotonic() + seconds * slower
        while time.monotonic() < end:
            with contextlib.suppress(GLib.Error):
                if value := probe():
                    return value
            pump(0.05)
        raise RuntimeError("no %s within %g s" % (what, seconds * slower))

    def quiet(seconds, limit):
        """Waits until no event came for seconds, at most limit."""
        end, count = time.monotonic() + limit, -1
        while time.monotonic() < end and count != len(events):
            count = len(events)
            pump(seconds)

    def key(symbol):
        Atspi.generate_keyboard_event(symbol, None, Atspi.KeySynthType.SYM)
        pump(0.03)

    def click(obj):
        box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        Atspi.generate_mouse_event(box.x + min(box.width // 2, 12),
                                   box.y + box.height // 2, "b1c")
        pump(0.2)

    def find(root, predicate):
        stack = [root]
        while stack:
            obj = stack.pop()
            if predicate(obj):
                return obj
            stack.extend(reversed(children(obj)))
        return None

    def showing(app, predicate=lambda w: True):
        return next((w for w in children(app) if predicate(w) and "showing" in states(w)),
                    None)

    # Each event with its source's role and name as they were when it came.
    def listener(event):
        try:
            about = (event.source.getRoleName(), event.source.name or "")
        except GLib.Error:
            about = ("gone", "")
        events.append((event.type, event.detail1, event.source) + about)

    home = tempfile.mkdtemp(prefix="quorvex-a11y-")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb", LANG="C", LC_ALL="C.UTF-8", HOME=home)
    for variable in ("QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "LANGUAGE"):
        env.pop(variable, None)
    log = os.path.join(home, "program.log")
    with open(log, "wb") as out:
        program = subprocess.Popen([args.program], env=env, stdin=subprocess.DEVNULL,
                                   stdout=out, stderr=out)
    try:
        step[0] = "finding the program on the accessibility bus"
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("program on the bus", 20, lambda: next(
            (a for a in children(desktop) if a.get_process_id() == program.pid), None))
        main_window = wait_for("main window", 10, lambda: showing(app))
        pyatspi.Registry.registerEventListener(listener, "object", "window")
        formula = find(main_window, lambda o: o.getRoleName() == "text")
        click(formula)
        wait_for("focus in the formula box", 5, lambda: "focused" in states(formula))

        for number, (typed, announced, alert, keeps_focus) in enumerate(COMPUTES, 1):
            step[0] = "Compute %d: %s" % (number, typed)
            click(formula)
            formula.queryEditableText().setTextContents("")
            quiet(0.2, 2)
            del events[:]
            for character in typed:
                key(ord(character))
            quiet(0.3, 3)
            if formula.queryText().getText(0, -1) != typed:
                fail("Compute %d: the formula box holds '%s' after typing '%s'"
                     % (number, formula.queryText().getText(0, -1), typed))
            noise = collections.Counter(
                "%s from %s '%s'" % (t, r, n) for t, _, s, r, n in events
                if t.startswith(NOISE_EVENTS) and s != formula and r not in NOISE_EXEMPT_ROLES)
            for what, count in sorted(noise.items()):
                fail("Compute %d: typing the formula: %d x %s" % (number, count, what))
            del events[:]
            key(KEY_F9)
            if alert:
                box = wait_for("error report", 5,
                               lambda: showing(app, lambda w: w.getRoleName() == "alert"))
                if not find(box, lambda o: alert in (o.name or "")):
                    fail("Compute %d: the error report does not say '%s'" % (number, alert))
                quiet(0.3, 3)
                key(KEY_ESCAPE)
            quiet(0.5, 4)
            result = find(main_window, lambda o: o.getRoleName() == "text" and o.name == "Result")
            status = find(main_window, lambda o: o.getRoleName() == "status bar")
            shown = {"result": result.queryText().getText(0, -1) if result else "",
                     "status": status.name if status else ""}
            spoken = [n for t, d, _, r, n in events if (t, d, r) == ANNOUNCEMENT]
            for expected in announced:
                text = expected.format(**shown)
                if not text or not any(text in s for s in spoken):
                    fail("Compute %d: '%s' was not announced (%s %d from a %s; came: %s)"
                         % ((number, text) + ANNOUNCEMENT + (spoken,)))
            if keeps_focus and "focused" not in states(formula):
                fail("Compute %d: the formula box lost the focus" % number)
            measures.append("Compute '%s': %d events: %s" % (typed, len(events), ", ".join(
                "%s x%d" % kv for kv in sorted(collections.Counter(
                    "%s %d (%s '%s')" % (t, d, r, n[:40]) for t, d, _, r, n in events).items()))))

        for name, opener, modal, top_role in WINDOWS:
            step[0] = "window %s" % name
            window = main_window
            if opener:
                before = set(children(app))
                item = find(main_window, lambda o: o.getRoleName() in MENU_ITEMS
                            and o.name == opener)
                if not item:
                    fail("%s: no menu item '%s' opens it" % (name, opener))
                    continue
                # A modal window's action answers once it closes: not waited for.
                Atspi.set_timeout(300 if modal else 3000, 15000)
                try:
                    item.queryAction().doAction(0)
                except GLib.Error:
                    pass
                Atspi.set_timeout(3000, 15000)
                window = wait_for("window " + name, 10,
                                  lambda: showing(app, lambda w: w not in before))
                pump(0.5)
            counts = walk(window, name, fail)
            if window.getRoleName() != top_role:
                fail("%s: its top level is a %s, not a %s" % (name, window.getRoleName(),
                                                              top_role))
            measures.append("%s: %s '%s'; %d objects, %d without a name, %d of %d interactive "
                            "ones without a name, %d repeated sibling names" % (
                                name, window.getRoleName(), window.name, counts["objects"],
                                counts["empty names"], counts["interactive without name"],
                                counts["interactive"], counts["repeated names"]))
            if opener:
                key(KEY_ESCAPE)
                try:
                    wait_for("", 3, lambda: window not in children(app)
                             or "showing" not in states(window))
                except RuntimeError:
                    fail("%s: Escape does not close it" % name)
                    if modal:
                        raise
                click(formula)
    except (RuntimeError, GLib.Error) as error:
        fail("stopped in step %s: %s" % (step[0], error))
    finally:
        signal.alarm(0)
        if program.poll() is not None:
            with open(log, errors="replace") as said:
                fail("the program ended on its own, with status %d, saying: %s"
                     % (program.returncode, said.read()[-2000:]))
        for process in (program, server):
            process.kill()
            process.wait()
        shutil.rmtree(home, ignore_errors=True)
    if args.measure:
        print("\n".join("measure: " + line for line in measures))
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
