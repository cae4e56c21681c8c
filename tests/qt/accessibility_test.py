#!/usr/bin/python3
"""The Qt program as a screen reader meets it: over the accessibility bus (AT-SPI),
on a virtual X server, with a private session bus of its own.

    tests/qt/accessibility_test.py PROGRAM LAYOUT_JSON

Checks every control's name, role and description against the layout table, that
the display's new text after "=" reaches a listener without the focus moving, that
typing into the display is not announced again, and that a message box's title,
text and button can be read. Ends with a line "N passed, N failed"; the exit code is
1 if any check failed. Started by tests/qt/run-accessibility-test.sh.
"""
import json
import os
import subprocess
import sys
import time
import traceback

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

ROLES = {"Key": "push button", "TextBox": "text", "Label": "label", "Picture": "image"}


def find_app(name, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    raise AssertionError(f"no application {name!r} on the accessibility bus")


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


class Listener:
    """The events a reader would get, kept as (type, role, name, detail1)."""

    def __init__(self):
        self.events = []
        self.listener = Atspi.EventListener.new(self.heard)
        for kind in ("object:state-changed:showing", "object:text-changed", "object:state-changed:focused"):
            self.listener.register(kind)

    def heard(self, event):
        try:
            self.events.append((event.type, event.source.get_role_name(), event.source.get_name(), event.detail1))
        except GLib.Error:
            pass

    def pump(self, seconds):
        """Lets the events of the next moments arrive."""
        loop = GLib.MainLoop()
        GLib.timeout_add(int(seconds * 1000), loop.quit)
        loop.run()


class AccessibilityTest:
    def __init__(self, program, layout):
        self.layout = [row for row in json.load(open(layout, encoding="utf-8")) if row["kind"] != "Timer"]
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
        self.program = subprocess.Popen([program], env=env)
        self.app = find_app("CalculatorOrvi2009")
        self.listener = Listener()
        self.passed = self.failed = 0

    def close(self):
        self.program.kill()
        self.program.wait()

    def window(self):
        return next(c for c in descendants(self.app) if c.get_role_name() == "filler")

    def controls(self):
        return [c for c in descendants(self.window()) if c.get_parent() == self.window()]

    def key(self, caption):
        return next(c for c in self.controls() if c.get_role_name() == "push button" and c.get_name() == caption)

    def named(self, name):
        return next(c for c in self.controls() if c.get_name() == name)

    def press(self, keys):
        for caption in keys.split():
            self.key(caption).get_action_iface().do_action(0)
            self.listener.pump(0.05)

    def display(self):
        text = self.named("Display").get_text_iface()
        return text.get_text(0, text.get_character_count())

    def check(self, name, function):
        try:
            function()
            self.passed += 1
            print(f"PASS {name}")
        except Exception:  # a failed check is reported, and the others still run
            self.failed += 1
            print(f"FAIL {name}")
            traceback.print_exc(file=sys.stdout)

    # The checks.
    def names_roles_descriptions(self):
        found = {(c.get_role_name(), c.get_name()): c.get_description() for c in self.controls()}
        wrong = []
        for row in self.layout:
            name = row["access"] or row["caption"]
            role = ROLES[row["kind"]]
            if (role, name) not in found:
                wrong.append(f"{row['name']}: no {role} named {name!r}")
            elif found[(role, name)] != row["description"]:
                wrong.append(f"{row['name']}: described {found[(role, name)]!r}")
        assert not wrong, wrong

    def result_heard_without_focus(self):
        focused = [c for c in self.controls() if c.get_state_set().contains(Atspi.StateType.FOCUSED)]
        self.listener.events.clear()
        self.press("AC 1 2 + 3 =")
        self.listener.pump(1.0)
        assert self.display() == "15", self.display()
        heard = [e[2] for e in self.listener.events
                 if e[0] == "object:state-changed:showing" and e[1] == "notification" and e[3] == 1]
        assert heard and heard[-1] == "15", self.listener.events
        still = [c for c in self.controls() if c.get_state_set().contains(Atspi.StateType.FOCUSED)]
        assert still == focused, (focused, still)

    def typing_not_announced_again(self):
        self.press("AC")
        self.listener.pump(0.3)
        self.listener.events.clear()
        self.named("Display").get_component_iface().grab_focus()
        subprocess.run(["xdotool", "type", "--delay", "50", "42"], check=True)
        self.listener.pump(0.5)
        assert self.display() == " 42", self.display()  # after the blank "AC" leaves
        assert not [e for e in self.listener.events if e[1] == "notification"], self.listener.events

    def message_box_readable(self):
        # The about box waits for its answer inside the key's click: the key is pressed
        # from the keyboard, so that this reader is not held up waiting for it.
        self.key("RUN").get_component_iface().grab_focus()
        subprocess.run(["xdotool", "key", "space"], check=True)
        box = None
        for _ in range(50):
            self.listener.pump(0.1)
            box = next((c for c in descendants(self.app) if c.get_role_name() in ("alert", "dialog")), None)
            if box:
                break
        assert box, "no message box"
        texts = [c.get_name() for c in descendants(box) if c.get_role_name() == "label"]
        buttons = [c for c in descendants(box) if c.get_role_name() == "push button"]
        assert box.get_name() == "CalculatorOrvi2009", box.get_name()
        assert any("designed and programmed by Eng Kelvo Orvi" in t for t in texts), texts
        assert [b.get_name() for b in buttons] == ["OK"], [b.get_name() for b in buttons]
        buttons[0].get_action_iface().do_action(0)


def main():
    test = AccessibilityTest(sys.argv[1], sys.argv[2])
    try:
        for name in ("names_roles_descriptions", "result_heard_without_focus", "typing_not_announced_again",
                     "message_box_readable"):
            test.check(name, getattr(test, name))
    finally:
        test.close()
    print(f"{test.passed} passed, {test.failed} failed")
    sys.exit(1 if test.failed else 0)


if __name__ == "__main__":
    main()
