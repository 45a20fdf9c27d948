"""What a screen reader meets on the accessibility bus while a player plays
by keys: a hundred cells read as buttons by their names, the focus on the
cursor's cell as the arrow keys move it, a man held, the other view coming
up with whose turn it is and the move that brought it, and a refusal told
as it appears. The keys are real key presses on the X display.

usage: screen_reader_test.py READY_FILE (with DISPLAY and
DBUS_SESSION_BUS_ADDRESS set); READY_FILE is made once the test listens,
and the program is started after that
"""
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

CELL_NAME = re.compile(r"^cell (\d+), (red man|blue man|empty)")

# What arrived, in order: (event type, name of its source, its description).
# Read as they arrive: by the time the test looks, the source may have moved on.
events = []


def say(message):
    print(f"[{time.strftime('%T')}] {message}", file=sys.stderr)


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def record(event):
    try:
        events.append((event.type, event.source.name, event.source.description, event.detail1))
    except GLib.Error:
        pass  # a source gone before it could be read


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def await_(what, check, seconds=20):
    """Runs CHECK until it gives something, or fails once SECONDS have passed."""
    deadline = time.monotonic() + seconds
    while True:
        pump()
        found = check()
        if found:
            return found
        if time.monotonic() > deadline:
            fail(f"gave up after {seconds}s waiting for {what}; events: {events[-8:]}")
        time.sleep(0.1)


def press(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def program():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "vintrel":
            return application
    return None


def shown_frame(application, title):
    for frame in application:
        if frame is not None and frame.name == title and frame.getState().contains(pyatspi.STATE_SHOWING):
            return frame
    return None


def cells_of(frame):
    return pyatspi.findAllDescendants(frame, lambda node: CELL_NAME.match(node.name or ""))


def focus_event_on(name):
    """The latest focus that has arrived, if it is the cell named NAME."""
    def check():
        focused = [event for event in events if event[0] == "object:state-changed:focused" and event[3] == 1]
        return focused and focused[-1][1] == name
    return check


def description_event(text):
    return lambda: any(event[0].startswith("object:property-change:accessible-description")
                       and event[2] == text for event in events)


def told(text):
    """TEXT reached the reader: as a change of a description, or as the
    description of the widget the focus came to, which a reader speaks with
    its name. News given as a view comes up may arrive either way."""
    def focus_came_with_it():
        return any(event[0] == "object:state-changed:focused" and event[3] == 1
                   and event[2] == text for event in events)
    return lambda: description_event(text)() or focus_came_with_it()


def step(key, name):
    press(key)
    await_(f"{key} to focus \"{name}\"", focus_event_on(name))
    say(f"{key}: the focus is on \"{name}\"")


def check_cells(frame):
    cells = cells_of(frame)
    if len(cells) != 100:
        fail(f"{len(cells)} cells found, not 100")
    roles = {cell.getRoleName() for cell in cells}
    if roles != {"push button"}:
        fail(f"the cells are read as {roles}, not as push buttons")
    names = {cell.name for cell in cells}
    for name in ("cell 61, red man", "cell 9, blue man", "cell 41, empty"):
        if name not in names:
            fail(f"no cell is named \"{name}\"")
    focused = [cell.name for cell in cells if cell.getState().contains(pyatspi.STATE_FOCUSED)]
    if focused != ["cell 90, red man"]:
        fail(f"the focus is on {focused}, not on the cursor's cell 90")
    say("100 cells read as push buttons by their names; the focus on cell 90")


def check_description(frame, expected):
    if frame.description != expected:
        fail(f"\"{frame.name}\" describes itself as \"{frame.description}\", not \"{expected}\"")


def focused_name(frame):
    node = pyatspi.findDescendant(frame, lambda node: node.getState().contains(pyatspi.STATE_FOCUSED))
    return node.name if node else None


def play_61_to_43(red):
    for key, name in [("Up", "cell 80, red man"), ("Up", "cell 81, red man"), ("Up", "cell 71, red man"),
                      ("Up", "cell 72, red man"), ("Left", "cell 61, red man")]:
        step(key, name)
    press("space")
    await_("cell 61 to be held", lambda: focused_name(red) == "cell 61, red man, held")
    say("space: \"cell 61, red man, held\"")
    for name in ("cell 51, empty", "cell 52, empty", "cell 42, empty", "cell 43, empty"):
        step("Up", name)
    press("space")


def main():
    # A program built with the sanitizers, on a loaded machine, may take
    # seconds to answer; a read that times out comes back empty.
    Atspi.set_timeout(15000, 30000)
    pyatspi.Registry.registerEventListener(record, "object:state-changed:focused",
                                           "object:property-change:accessible-description", "window:activate")
    with open(sys.argv[1], "w"):
        pass
    application = await_("the program on the accessibility bus", program)
    red = await_("the red view", lambda: shown_frame(application, "VINTREL RED VIEW"))
    check_description(red, "Red to move")
    check_cells(red)

    play_61_to_43(red)
    blue = await_("the blue view", lambda: shown_frame(application, "VINTREL BLUE VIEW"))
    await_("the focus on cell 43 in the blue view", focus_event_on("cell 43, red man"))
    await_("the move to be told", told("Red moved 61 to 43"))
    check_description(blue, "Blue to move")
    say("the blue view came up: \"Blue to move\"; told \"Red moved 61 to 43\" on cell 43")

    press("space")  # red's man, with blue to move
    await_("the refusal to be told", description_event("NOT YOUR TURN"))
    say("space on red's man: told \"NOT YOUR TURN\"")

    exit_item = pyatspi.findDescendant(blue, lambda node: node.name == "Exit")
    if exit_item is None:
        fail("no menu item \"Exit\"")
    exit_item.queryAction().doAction(0)
    say("chose \"Exit\" through its accessible action")


if __name__ == "__main__":
    main()
