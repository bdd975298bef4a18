#!/usr/bin/python3
"""The desktop program as a screen reader meets it.

Under a private X server (Xvfb), session bus and accessibility bus, the
program starts with Qt's AT-SPI bridge on; each of its windows is opened,
its accessible tree walked by one walker whose rules are the tables below,
and a Compute is followed by the events it emits. Failures are listed and
the run exits 1; a run that sticks is ended at its deadline with the step
it was in, and every process it started is ended with it.

    check_accessibility.py PROGRAM [--measure] [--dump WINDOW] [--deadline S]
                           [--bus-launcher PATH]

--measure prints, per window, the objects, the empty names, the repeated
names and the top level's role, and the events of each Compute, besides the
failures. --dump prints a window's tree.

Debian packages: xvfb dbus-daemon at-spi2-core python3-pyatspi.
"""

import argparse
import collections
import contextlib
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import traceback

# --- rules --------------------------------------------------------------------

# Roles the user operates, and any other object that takes the focus: each
# needs a name, and no two siblings may share one (the user could not tell
# them apart). The parts of a table, list or tree are their content, which
# may be empty and may repeat.
INTERACTIVE_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box",
    "text", "password text", "spin button", "slider", "menu item",
    "check menu item", "radio menu item", "page tab", "list", "list box",
    "tree", "tree table", "table", "link", "entry",
}
CELL_ROLES = {"table cell", "tree item", "list item", "table row header",
              "table column header"}
# A state a role must be able to show: a checked object is a check or radio
# item, never a plain item that says nothing of its mark.
STATE_ROLES = {
    "checked": {"check box", "check menu item", "radio button", "radio menu item",
                "toggle button", "page tab"} | CELL_ROLES,
}
# Names a role must not have: a column header that Qt numbered itself
# tells nothing of its column. Headers are read out with each cell even
# while hidden, so they are walked then too.
FORBIDDEN_NAMES = {
    "table column header": re.compile(r"\d+"),
}
HEADER_ROLES = {"table column header"}
# Menus are worked from the keyboard: in each, every item has a key (its
# mnemonic, or a shortcut that stands for it), and no two the same mnemonic.
KEYED_CONTAINERS = {"menu bar", "popup menu"}
KEYED_ROLES = {"menu item", "check menu item", "radio menu item"}
# Depth and size beyond which a tree counts as runaway.
MAX_DEPTH = 40
MAX_OBJECTS = 6000

# The windows: how each opens (a menu item pressed through its action) and
# what its top level is. A modal window's action does not return while it is
# open, so it is fired without waiting for the reply. Every window closes on
# Escape.
WINDOWS = [
    # name, menu item that opens it, modal, top-level role
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

# The event a screen reader speaks for an object without the focus (Orca's
# onShowingChanged for a notification): what every announcement must be.
ANNOUNCEMENT = ("object:state-changed:showing", 1, "notification")

# Computes, typed into the formula box and run with F9. "announced" names
# what must reach the screen reader as an announcement: {result} and
# {status} stand for the result box's and the status bar's texts after the
# Compute, anything else is said as written. "alert" is an error report's
# text, which comes as an alert window; "focus" whether the formula box
# keeps the focus.
COMPUTES = [
    {"formula": "1 + 2", "announced": ["{result}"], "alert": None, "focus": True},
    {"formula": "10 % 3", "announced": ["{result}", "{status}"], "alert": None,
     "focus": True},
    {"formula": "arcsin(x)", "announced": ["arcsin(2): outside the domain |x| <= 1"],
     "alert": "Domain check failure in Kerrowin.", "focus": False},
]
# While a key types into a box, no other object may change its text or
# name: a screen reader hears each change (the keystroke's noise).
NOISE_EVENTS = ("object:text-changed", "object:property-change:accessible-name")
# The hint under the formula box follows the caret on purpose.
NOISE_EXEMPT_ROLES = {"label"}

# Key symbols (X11).
KEY_F9, KEY_ESCAPE, KEY_END, KEY_BACKSPACE = 0xFFC6, 0xFF1B, 0xFF57, 0xFF08

# --- the environment ----------------------------------------------------------


def write_xauthority(path):
    """A cookie for any display (family Wild, no number), so the server's
    number need not be known before it starts."""
    cookie = os.urandom(16)
    name = b"MIT-MAGIC-COOKIE-1"
    with open(path, "wb") as f:
        f.write(struct.pack(">H", 0xFFFF))
        for field in (b"", b"", name, cookie):
            f.write(struct.pack(">H", len(field)) + field)


def read_line(fd, seconds, what):
    end = time.monotonic() + seconds
    data = b""
    while b"\n" not in data:
        left = end - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise RuntimeError("%s did not start within %d s" % (what, seconds))
        chunk = os.read(fd, 256)
        if not chunk:
            raise RuntimeError("%s ended before it started" % what)
        data += chunk
    return data.split(b"\n")[0].decode().strip()


class Environment:
    """Xvfb, a session bus and the accessibility bus, each in a process group
    of its own, ended in reverse order; every file under one folder."""

    def __init__(self, bus_launcher):
        self.bus_launcher = bus_launcher
        self.folder = tempfile.mkdtemp(prefix="quorvex-a11y-")
        self.processes = []
        self.env = {}

    def start(self, command, **kwargs):
        process = subprocess.Popen(command, start_new_session=True,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def __enter__(self):
        try:
            self._start_all()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start_all(self):
        home = os.path.join(self.folder, "home")
        runtime = os.path.join(self.folder, "run")
        os.mkdir(home)
        os.mkdir(runtime, 0o700)
        auth = os.path.join(self.folder, "Xauthority")
        write_xauthority(auth)
        env = {k: v for k, v in os.environ.items()
               if k in ("PATH", "LANG", "TERM") or k.startswith("LC_")}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime, XAUTHORITY=auth,
                   XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"),
                   XDG_DATA_HOME=os.path.join(home, "data"),
                   QUORVEX_A11Y_FOLDER=self.folder)
        log = open(os.path.join(self.folder, "services.log"), "wb")

        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-auth", auth, "-nolisten", "tcp",
                    "-screen", "0", "1280x1024x24", "-noreset"],
                   pass_fds=(write,), stdout=log, stderr=log, env=env)
        os.close(write)
        try:
            env["DISPLAY"] = ":" + read_line(read, 15, "Xvfb")
        finally:
            os.close(read)

        read, write = os.pipe()
        self.start(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                    "--address=unix:dir=" + self.folder, "--print-address=%d" % write],
                   pass_fds=(write,), stdout=log, stderr=log, env=env)
        os.close(write)
        try:
            env["DBUS_SESSION_BUS_ADDRESS"] = read_line(read, 15, "dbus-daemon")
        finally:
            os.close(read)

        self.start([self.bus_launcher, "--launch-immediately"],
                   stdout=log, stderr=log, env=env)
        self.env = env

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            end_group(process)
        # Anything a service started that outlived its group still carries
        # the folder in its environment; it is one of ours.
        for pid in processes_marked(self.folder):
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
        shutil.rmtree(self.folder, ignore_errors=True)
        return False


def end_group(process, grace=2):
    for ending in (signal.SIGTERM, signal.SIGKILL):
        with contextlib.suppress(OSError):
            os.killpg(process.pid, ending)
        with contextlib.suppress(subprocess.TimeoutExpired):
            process.wait(grace)


def processes_marked(folder):
    marker = ("QUORVEX_A11Y_FOLDER=" + folder).encode()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open("/proc/%s/environ" % entry, "rb") as f:
                if marker in f.read().split(b"\0"):
                    found.append(int(entry))
        except OSError:
            pass
    return found


def run_outer(args):
    """Starts the environment and the checks in a process of their own, which
    the deadline ends, naming the step it was in."""
    with Environment(args.bus_launcher) as environment:
        env = dict(environment.env)
        command = [sys.executable, os.path.abspath(__file__), "--inner"] + sys.argv[1:]
        inner = environment.start(command, env=env, stdout=subprocess.PIPE,
                                  stderr=subprocess.STDOUT)
        end = time.monotonic() + args.deadline
        step = "starting"
        buffered = b""
        while True:
            left = end - time.monotonic()
            if left <= 0:
                print("FAIL: the checks were still running after %d s, in step: %s"
                      % (args.deadline, step))
                return 1
            if select.select([inner.stdout], [], [], min(left, 1))[0]:
                chunk = os.read(inner.stdout.fileno(), 65536)
                if not chunk:
                    break
                buffered += chunk
                *lines, buffered = buffered.split(b"\n")
                for line in lines:
                    text = line.decode(errors="replace")
                    if text.startswith("step: "):
                        step = text[6:]
                    else:
                        print(text, flush=True)
        inner.wait()
        return inner.returncode


# --- the checks ---------------------------------------------------------------


def run_inner(args):
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    import pyatspi

    # No call may wait long for a program that does not answer.
    Atspi.set_timeout(3000, 15000)
    context = GLib.MainContext.default()
    failures = []
    measures = []

    def step(text):
        print("step: " + text, flush=True)

    # Said at once, so that a run ended at its deadline still shows them.
    def fail(text):
        failures.append(text)
        print("FAIL: " + text, flush=True)

    def pump(seconds):
        end = time.monotonic() + seconds
        while True:
            while context.pending():
                context.iteration(False)
            if time.monotonic() >= end:
                return
            time.sleep(0.01)

    # A longer deadline (a sanitized build) gives every wait as much more.
    def wait_for(what, seconds, probe):
        seconds *= max(1.0, args.deadline / 55)
        end = time.monotonic() + seconds
        while True:
            try:
                value = probe()
            except GLib.Error:
                value = None
            if value:
                return value
            if time.monotonic() >= end:
                raise RuntimeError("%s within %g s" % (what, seconds))
            pump(0.05)

    def states(obj):
        return {pyatspi.stateToString(s) for s in obj.getState().getStates()}

    def role(obj):
        return obj.getRoleName()

    def children(obj):
        result = []
        for i in range(obj.childCount):
            child = obj.getChildAtIndex(i)
            if child is not None:
                result.append(child)
        return result

    def interactive(r, st):
        return r not in CELL_ROLES and (r in INTERACTIVE_ROLES or "focusable" in st)

    def key_bindings(obj):
        try:
            action = obj.queryAction()
        except NotImplementedError:
            return ""
        return ";".join(action.getKeyBinding(i) for i in range(action.nActions))

    # The walker: every rule above, on one tree.
    def walk(window, label):
        counts = collections.Counter()
        found = []

        def visit(obj, depth, path, under_menu):
            if counts["objects"] >= MAX_OBJECTS or depth > MAX_DEPTH:
                fail("%s: the tree is deeper or larger than a walker should need" % label)
                return
            counts["objects"] += 1
            r, name, st = role(obj), obj.name or "", states(obj)
            here = path + ["%s '%s'" % (r, name)]
            where = "%s: %s" % (label, " > ".join(here))
            if not name:
                counts["empty names"] += 1
            if interactive(r, st):
                counts["interactive"] += 1
                if not name:
                    counts["interactive without name"] += 1
                    found.append("%s: an interactive object without a name" % where)
            for state, allowed in STATE_ROLES.items():
                if state in st and r not in allowed:
                    found.append("%s: %s, but its role cannot show that" % (where, state))
            pattern = FORBIDDEN_NAMES.get(r)
            if pattern and pattern.fullmatch(name):
                found.append("%s: a name that tells nothing" % where)
            kids = children(obj)
            named = collections.defaultdict(list)
            mnemonics = collections.defaultdict(list)
            for index, kid in enumerate(kids):
                kid_role, kid_states = role(kid), states(kid)
                # A screen reader takes an object whose parent does not know
                # it for one that is gone, and says nothing of it.
                if kid.getIndexInParent() != index:
                    found.append("%s > %s '%s': its parent does not know it (index %d, "
                                 "not %d)" % (where, kid_role, kid.name,
                                              kid.getIndexInParent(), index))
                if kid.name and interactive(kid_role, kid_states):
                    named[kid.name].append(kid_role)
                if r in KEYED_CONTAINERS and kid_role in KEYED_ROLES:
                    binding = key_bindings(kid).split(";")[0]
                    if not binding:
                        found.append("%s > %s '%s': no key in its menu"
                                     % (where, kid_role, kid.name))
                    elif binding.startswith("Alt+"):
                        mnemonics[binding.lower()].append(kid.name)
            for kid_name, roles in named.items():
                if len(roles) > 1:
                    counts["repeated names"] += 1
                    found.append("%s: %d children named '%s' (%s)"
                                 % (where, len(roles), kid_name, ", ".join(roles)))
            for binding, names in mnemonics.items():
                if len(names) > 1:
                    found.append("%s: %s is the mnemonic of %s"
                                 % (where, binding, ", ".join(names)))
            # Nothing hidden is walked but a closed menu's items and a table's
            # headers, which still reach the user.
            menu = under_menu or r in KEYED_CONTAINERS
            for kid in kids:
                if menu or role(kid) in HEADER_ROLES or states(kid) & {"showing", "visible"}:
                    visit(kid, depth + 1, here, menu)

        visit(window, 0, [], False)
        return counts, found

    def dump(obj, depth=0):
        print("%s%s '%s'%s [%s] keys '%s'" % (
            "  " * depth, role(obj), obj.name,
            " (%s)" % obj.description if obj.description else "",
            " ".join(sorted(states(obj))), key_bindings(obj)))
        for kid in children(obj):
            dump(kid, depth + 1)

    # The program.
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb", LANG="C", LC_ALL="C.UTF-8")
    for variable in ("QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "LANGUAGE"):
        env.pop(variable, None)
    program_log = open(os.path.join(os.environ["QUORVEX_A11Y_FOLDER"], "program.log"), "wb")
    program = subprocess.Popen([args.program], env=env, stdin=subprocess.DEVNULL,
                               stdout=program_log, stderr=program_log,
                               start_new_session=True)

    events = []

    # Each event with its source's role and name as they were when it came:
    # the source may be gone by the time the event is judged.
    def listener(event):
        source = event.source
        try:
            about = (source.getRoleName(), source.name or "")
        except GLib.Error:
            about = ("gone", "")
        events.append((event.type, event.detail1, source) + about)

    try:
        step("finding the program on the accessibility bus")
        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            if program.poll() is not None:
                raise RuntimeError("the program ended with status %d" % program.returncode)
            for app in children(desktop):
                if app.get_process_id() == program.pid:
                    return app
            return None

        app = wait_for("the program on the bus", 20, application)
        main = wait_for("the main window", 10, lambda: next(
            (w for w in children(app) if "showing" in states(w)), None))
        pyatspi.Registry.registerEventListener(listener, "object", "window")

        def find(root, predicate):
            stack = [root]
            while stack:
                obj = stack.pop()
                if predicate(obj):
                    return obj
                stack.extend(reversed(children(obj)))
            return None

        def press(obj):
            obj.queryAction().doAction(0)

        def fire(obj):
            """Presses without waiting: the action of a modal window's command
            answers only once the window has closed."""
            Atspi.set_timeout(300, 15000)
            try:
                press(obj)
            except GLib.Error:
                pass
            finally:
                Atspi.set_timeout(3000, 15000)

        def key(symbol):
            Atspi.generate_keyboard_event(symbol, None, Atspi.KeySynthType.SYM)
            pump(0.03)

        def click(obj):
            box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            Atspi.generate_mouse_event(box.x + min(box.width // 2, 12),
                                       box.y + box.height // 2, "b1c")
            pump(0.2)

        formula = find(main, lambda o: role(o) == "text")
        result_box = None

        def quiet(seconds, limit):
            """Waits until no event arrived for seconds, at most limit."""
            end = time.monotonic() + limit
            count = -1
            while time.monotonic() < end and count != len(events):
                count = len(events)
                pump(seconds)

        # --- Computes -------------------------------------------------------
        step("activating the main window")
        click(formula)
        wait_for("the formula box's focus", 5, lambda: "focused" in states(formula))
        pump(0.5)
        for number, compute in enumerate(COMPUTES, 1):
            step("Compute %d: %s" % (number, compute["formula"]))
            click(formula)
            key(KEY_END)
            for _ in range(len(formula.queryText().getText(0, -1))):
                key(KEY_BACKSPACE)
            quiet(0.2, 2)
            del events[:]
            for character in compute["formula"]:
                key(ord(character))
            quiet(0.3, 3)
            if formula.queryText().getText(0, -1) != compute["formula"]:
                fail("Compute %d: the formula box holds '%s' after typing '%s'"
                     % (number, formula.queryText().getText(0, -1), compute["formula"]))
            noise = collections.Counter(
                "%s from %s '%s'" % (t, r, n) for t, _, s, r, n in events
                if t.startswith(NOISE_EVENTS) and s != formula and r not in NOISE_EXEMPT_ROLES)
            for what, count in sorted(noise.items()):
                fail("Compute %d: typing the formula: %d x %s" % (number, count, what))
            del events[:]
            key(KEY_F9)
            if compute["alert"]:
                alert = wait_for("the error report", 5, lambda: next(
                    (w for w in children(app) if role(w) == "alert"
                     and "showing" in states(w)), None))
                text = find(alert, lambda o: role(o) == "label"
                            and compute["alert"] in (o.name or ""))
                if not text:
                    fail("Compute %d: the alert does not say '%s'" % (number, compute["alert"]))
                quiet(0.3, 3)
                key(KEY_ESCAPE)
                wait_for("the error report to close", 5, lambda: not any(
                    role(w) == "alert" and "showing" in states(w) for w in children(app)))
            quiet(0.5, 4)
            if result_box is None:
                result_box = find(main, lambda o: role(o) == "text" and o != formula
                                  and "Result" in (o.name or ""))
            status = find(main, lambda o: role(o) == "status bar")
            shown = {"result": result_box.queryText().getText(0, -1) if result_box else "",
                     "status": status.name if status else ""}
            announcements = [n for t, d, _, r, n in events if (t, d, r) == ANNOUNCEMENT]
            for expected in compute["announced"]:
                text = expected.format(**shown)
                if not text or not any(text in a for a in announcements):
                    fail("Compute %d: '%s' was not announced (%s %d from a %s; %s)"
                         % (number, text, ANNOUNCEMENT[0], ANNOUNCEMENT[1],
                            ANNOUNCEMENT[2], "announced: %s" % announcements
                            if announcements else "none came"))
            if compute["focus"] and "focused" not in states(formula):
                fail("Compute %d: the formula box lost the focus" % number)
            if args.measure:
                kinds = collections.Counter("%s %d (%s '%s')" % (t, d, r, n[:40])
                                            for t, d, _, r, n in events)
                measures.append("Compute %d '%s': %d events: %s" % (
                    number, compute["formula"], len(events),
                    ", ".join("%s x%d" % kv for kv in sorted(kinds.items()))))

        # --- windows --------------------------------------------------------
        for name, opener, modal, top_role in WINDOWS:
            step("window %s: opening" % name)
            before = set(children(app))
            if opener:
                item = find(main, lambda o: role(o) in ("menu item", "check menu item")
                            and o.name == opener)
                if not item:
                    fail("%s: no menu item '%s' opens it" % (name, opener))
                    continue
                (fire if modal else press)(item)
                window = wait_for("window %s to open" % name, 10, lambda: next(
                    (w for w in children(app) if w not in before
                     and "showing" in states(w)), None))
                pump(0.5)
            else:
                window = main
            step("window %s: walking" % name)
            counts, found = walk(window, name)
            for text in found:
                fail(text)
            if role(window) != top_role:
                fail("%s: its top level is a %s, not a %s" % (name, role(window), top_role))
            if args.measure:
                measures.append(
                    "%s: top level %s '%s'; %d objects, %d without a name, %d of %d "
                    "interactive ones without a name, %d repeated sibling names" % (
                        name, role(window), window.name, counts["objects"],
                        counts["empty names"], counts["interactive without name"],
                        counts["interactive"], counts["repeated names"]))
            if args.dump == name:
                dump(window)
            if opener:
                step("window %s: closing with Escape" % name)
                key(KEY_ESCAPE)
                try:
                    wait_for("", 3, lambda: window not in children(app)
                             or "showing" not in states(window))
                except RuntimeError:
                    fail("%s: Escape does not close it" % name)
                    if modal:
                        raise RuntimeError("%s stays open, and it is modal" % name)
                click(formula)
    except (RuntimeError, GLib.Error) as error:
        line = traceback.extract_tb(error.__traceback__)[-1].lineno
        fail("stopped: %s (line %d)" % (error, line))
    finally:
        pyatspi.Registry.deregisterEventListener(listener, "object", "window")
        ended = program.poll()
        end_group(program)
    if ended is not None:
        fail("the program ended on its own, with status %d; its last words:" % ended)
        program_log.close()
        with open(program_log.name, "rb") as f:
            for line in f.read().decode(errors="replace").splitlines()[-20:]:
                print("    " + line)

    for line in measures:
        print("measure: " + line)
    print("%d failures" % len(failures))
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program")
    parser.add_argument("--measure", action="store_true")
    parser.add_argument("--dump", metavar="WINDOW")
    parser.add_argument("--deadline", type=float, default=55)
    parser.add_argument("--bus-launcher", default="/usr/libexec/at-spi-bus-launcher")
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    return run_inner(args) if args.inner else run_outer(args)


if __name__ == "__main__":
    sys.exit(main())
