#!/usr/bin/python3
"""Reads the Qt program's main window through AT-SPI, as a screen reader (Orca) sees it.

atspi-tree.py PROGRAM: starts PROGRAM with a typical stage, finds it on the accessibility bus and
checks that the tree holds the thirteen parameters with their values, the three sweep fields by
their own names, both tables by name and the buttons by their texts; presses "расчет" through
its action and reads the results' rows. Every wait has a deadline; the program is always ended.
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib


PARAMETERS = [("R1, кОм", "100"), ("R2, кОм", "1000"), ("R3, кОм", "1"), ("R4, кОм", "99"),
              ("R5, кОм", "1000"), ("C1, мкФ", "10"), ("C2, пФ", "10"), ("C3, мкФ", "100"),
              ("C4, пФ", "1"), ("C5, пФ", "1"), ("k0, раз", "100000"),
              ("Rвх оу, МОм", "10"), ("f1, МГц", "1")]
STAGE_KEYS = ["R1", "R2", "R3", "R4", "R5", "C1", "C2", "C3", "C4", "C5", "k0", "Rin", "f1"]
FREQUENCIES = [str(f) for f in range(10, 101, 10)]
SWEEP_FIELDS = ["от, Гц", "до, Гц", "с шагом, Гц"]
# "??" reads as what it is for, as in the Win32 windows.
BUTTONS = ["расчет", "график", "справка", "сброс"]
TABLES = ["Исходные данные", "Результаты расчета"]

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def wait_for(what, find, seconds=30):
    """find() until it returns something, or None after the deadline."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes under the reader: try again
            found = None
        if found:
            return found
        time.sleep(0.3)
    print("timed out waiting for " + what)
    return None


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def walk(node, depth=0):
    """Every accessible under node, node first."""
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def nodes(app, role):
    return [n for n in walk(app) if n.getRole() == role]


def names(app, role):
    return [n.name for n in nodes(app, role)]


def table(app, name):
    for t in nodes(app, pyatspi.ROLE_TABLE):
        if t.name == name:
            return t
    return None


def cell_names(t):
    return [c.name for c in walk(t) if c.getRole() == pyatspi.ROLE_TABLE_CELL]


def xdotool(*arguments):
    try:
        subprocess.run(["xdotool", *arguments], timeout=10, check=False)
    except subprocess.TimeoutExpired:
        pass


def press(app, button):
    [n for n in nodes(app, pyatspi.ROLE_PUSH_BUTTON) if n.name == button][0].queryAction().doAction(0)


def read_graph_by_keys(app):
    """The graph window's marker: → and End move it, and a reader hears each new description."""
    heard = []

    def listen(event):
        if event.source is not None and event.source.name == "график":
            # Read now: the event names the object, not its new text.
            heard.append(event.source.description)

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-description")
    press(app, "график")
    graph = wait_for("the graph window",
                     lambda: [n for n in walk(app) if n.name == "график"
                              and n.getRole() != pyatspi.ROLE_PUSH_BUTTON
                              and n.getState().contains(pyatspi.STATE_SHOWING)])
    check(bool(graph), "the graph window is shown")
    context = GLib.MainContext.default()

    def heard_after(count):
        context.iteration(False)
        return len(heard) >= count

    # The window takes the keyboard from the display itself: without a window manager, the
    # program's own request may carry an older time than the last change of focus and be ignored.
    for count, key in enumerate(("Right", "End"), 1):
        for _ in range(5):
            xdotool("search", "--sync", "--name", "^график$", "windowfocus", "--sync", "%1")
            xdotool("key", key)
            if wait_for("the description's change", lambda: heard_after(count), 5):
                break
    # Any event more would come now.
    deadline = time.monotonic() + 1
    while time.monotonic() < deadline:
        context.iteration(False)
        time.sleep(0.05)
    pyatspi.Registry.deregisterEventListener(listen, "object:property-change:accessible-description")
    check(len(heard) == 2 and heard[0].startswith(f"f = {FREQUENCIES[0]} Гц, |k| = ")
          and heard[-1].startswith(f"f = {FREQUENCIES[-1]} Гц, |k| = "),
          f"the marker's readouts heard as the graph's description: {heard}")


def main(program):
    folder = tempfile.mkdtemp()
    stage = os.path.join(folder, "каскад.ou")
    with open(stage, "w", encoding="utf-8") as out:
        out.write("format = ou-stage 1\n")
        for key, (_, value) in zip(STAGE_KEYS, PARAMETERS):
            out.write(f"{key} = {value}\n")
        out.write("from = 10\nto = 100\nstep = 10\n")
    ou = subprocess.Popen([program, stage])
    try:
        app = wait_for("the program on the accessibility bus", lambda: application(ou.pid), 150)
        if app is None:
            check(False, "the program is on the accessibility bus")
            return
        wait_for("the main window's controls",
                 lambda: len(names(app, pyatspi.ROLE_PUSH_BUTTON)) >= len(BUTTONS)
                 and table(app, TABLES[0]) is not None and cell_names(table(app, TABLES[0])))

        buttons = names(app, pyatspi.ROLE_PUSH_BUTTON)
        for button in BUTTONS:
            check(button in buttons, f"button «{button}» in {buttons}")
        fields = names(app, pyatspi.ROLE_TEXT) + names(app, pyatspi.ROLE_ENTRY)
        for field in SWEEP_FIELDS:
            check(field in fields, f"sweep field «{field}» in {fields}")
        tables = names(app, pyatspi.ROLE_TABLE)
        for name in TABLES:
            check(name in tables, f"table «{name}» in {tables}")

        parameters = cell_names(table(app, TABLES[0]))
        for name, value in PARAMETERS:
            check(f"{name}: {value}" in parameters, f"parameter cell «{name}: {value}»")

        press(app, "расчет")
        last = f"частота, Гц: {FREQUENCIES[-1]}; "
        rows = wait_for("the results' rows",
                        lambda: [c for c in cell_names(table(app, TABLES[1])) if "; " in c]
                        if any(c.startswith(last) for c in cell_names(table(app, TABLES[1])))
                        else None) or []
        for frequency in FREQUENCIES:
            ratio = [r for r in rows if r.startswith(f"частота, Гц: {frequency}; |k|, раз: ")]
            check(len(ratio) == 1, f"result row at {frequency} Гц reads its |k|: {ratio}")

        read_graph_by_keys(app)

        # "Логарифмический шаг" in the menu bar: the step field names points per decade.
        [n for n in nodes(app, pyatspi.ROLE_RADIO_MENU_ITEM) + nodes(app, pyatspi.ROLE_MENU_ITEM)
         if n.name.replace("&", "") == "Логарифмический шаг"][0].queryAction().doAction(0)
        fields = wait_for("the step field's new name",
                          lambda: [f for f in names(app, pyatspi.ROLE_TEXT)
                                   if f == "точек на декаду"])
        check(bool(fields), "the step field is named «точек на декаду» in a decade sweep")
    finally:
        ou.kill()
        ou.wait(timeout=10)


if __name__ == "__main__":
    main(sys.argv[1])
    if failures:
        print(f"{len(failures)} checks failed")
        sys.exit(1)
