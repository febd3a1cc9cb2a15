#!/usr/bin/python3
"""The mouse and the keyboard on a real desktop: an X server with a window manager (openbox),
the pointer and keys from xdotool, what the program holds read through AT-SPI.

Argument: the program to start. Checks that a number dragged from the display lands in a
memory without moving the window, that a quick click on the display never leaves the window
stuck to the pointer, and that the menus' shortcuts work while the tape window is active.
"""
import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_e2e as e2e  # noqa: E402


def xdotool(*args):
    return subprocess.run(["xdotool", *[str(a) for a in args]], check=True,
                          capture_output=True, text=True).stdout


def window_of(pid, frame):
    """The program's mapped X window of an accessible frame (both windows are titled
    "Zumbrel": they are told apart by their size)."""
    box = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    found = []

    def look():
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid),
                              "--name", "Zumbrel"], capture_output=True, text=True).stdout.split()
        for w in out:
            geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", w],
                                      capture_output=True, text=True).stdout.split()
            v = dict(line.split("=", 1) for line in geometry if "=" in line)
            if v and (int(v["WIDTH"]), int(v["HEIGHT"])) == (box.width, box.height):
                found[:] = [w]
                return True
        return False

    e2e.wait_for(look, 15)
    return found[0] if found else None


def frame_position(window):
    """Where the window manager has put the window's frame (its top left corner)."""
    out = xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"])


def centre(obj):
    box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def drag(start, end, steps=12):
    """Button down, a move in small steps, button up: a drag as a hand makes it."""
    xdotool("mousemove", *start)
    e2e.pump(0.2)
    xdotool("mousedown", 1)
    e2e.pump(0.1)
    for i in range(1, steps + 1):
        x = start[0] + (end[0] - start[0]) * i // steps
        y = start[1] + (end[1] - start[1]) * i // steps
        xdotool("mousemove", x, y)
        e2e.pump(0.05)
    e2e.pump(0.2)
    xdotool("mouseup", 1)
    e2e.pump(0.4)


# The names a reader meets, in the interface languages the test runs in.
NAMES = {
    "1": {"keypad": "Calculatrice Zumbrel", "display": "Affichage", "memory3": "Mémoire 3",
          "tape": "Ruban de Zumbrel"},
    "3": {"keypad": "Zumbrel calculator", "display": "Display", "memory3": "Memory 3",
          "tape": "Zumbrel tape"},
}


def main():
    program = sys.argv[1]
    names = NAMES[os.environ.get("ZUMBREL_LANG", "1")]
    env = dict(os.environ)
    env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "QT_ACCESSIBILITY": "1", "LANG": "fr_FR.UTF-8", "LC_ALL": "fr_FR.UTF-8"})
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        app = e2e.find_app()
        e2e.check(app is not None, "the program shows on the accessibility bus")
        if app is None:
            return
        keypad = e2e.find(app, name=names["keypad"])
        e2e.check(keypad is not None, "the keypad is named %r" % names["keypad"])
        if keypad is None:
            return
        display = e2e.find(keypad, role="text", name=names["display"])
        e2e.check(e2e.wait_for(lambda: display.getState().contains(pyatspi.STATE_FOCUSED), 10),
                  "the display holds the keyboard focus")
        e2e.pump(1.0)  # the window manager has placed both windows
        window = window_of(process.pid, keypad)
        e2e.check(window is not None, "the keypad window is mapped")
        if window is None:
            return

        # A number dragged from the display onto memory 3: kept there, the window unmoved.
        xdotool("type", "--delay", "60", "1234")
        e2e.check(e2e.wait_for(lambda: "1234" in display.queryText().getText(0, -1).replace(
            "'", "").replace(" ", "")), "1234 is on the display")
        memory = e2e.find(keypad, name=names["memory3"])
        e2e.check(memory is not None, "memory 3 is on the keypad")
        before = frame_position(window)
        drag(centre(display), centre(memory))
        e2e.check(e2e.wait_for(lambda: memory.name.endswith("1234"), 5),
                  "memory 3 holds the number dragged onto it: %r" % memory.name)
        e2e.check(frame_position(window) == before,
                  "dragging a number leaves the window where it was: %s then %s"
                  % (before, frame_position(window)))

        # A quick click on the display, then the pointer moved with no button held: the window
        # stays where it is.
        before = frame_position(window)
        x, y = centre(display)
        xdotool("mousemove", x, y)
        e2e.pump(0.2)
        xdotool("click", 1)
        e2e.pump(0.3)
        for step in range(1, 11):
            xdotool("mousemove", x + 10 * step, y + 10 * step)
            e2e.pump(0.03)
        e2e.pump(0.5)
        e2e.check(frame_position(window) == before,
                  "a click on the display never glues the window to the pointer: %s then %s"
                  % (before, frame_position(window)))

        # The skin's empty surface still moves the window: pressed, dragged, released.
        name = e2e.find(keypad, name="Zumbrel", role="label")
        if name is not None:
            before = frame_position(window)
            box = name.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            start = (box.x + box.width + 40, box.y + box.height // 2)  # beside the title
            drag(start, (start[0] + 60, start[1] + 40))
            after = frame_position(window)
            moved = (after[0] - before[0], after[1] - before[1])
            e2e.check(abs(moved[0] - 60) <= 2 and abs(moved[1] - 40) <= 2,
                      "the skin's surface moves the window by the pointer's way (60, 40): %s"
                      % (moved,))
            xdotool("mousemove", start[0] + 200, start[1] + 120)
            e2e.pump(0.5)
            e2e.check(frame_position(window) == after,
                      "the window stops when the button is up: %s then %s"
                      % (after, frame_position(window)))

        # The tape window active (a click on its title bar): the file shortcuts still work.
        tape = e2e.find(app, name=names["tape"])
        tape_window = window_of(process.pid, tape) if tape is not None else None
        e2e.check(tape_window is not None and tape_window != window, "the tape window is mapped")
        if tape_window is not None:
            box = tape.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            xdotool("mousemove", box.x + box.width // 2, box.y - 8)  # openbox's title bar
            xdotool("click", 1)
            e2e.pump(0.5)
            active = xdotool("getactivewindow").strip()
            e2e.check(active == tape_window, "a click on its title bar activates the tape")
            xdotool("key", "ctrl+o")
            e2e.check(e2e.wait_for(lambda: any(
                o.getRoleName() in ("dialog", "file chooser") and e2e.showing(o)
                for o in app if o is not None), 8),
                "Ctrl+O opens the file dialog while the tape window is active")
            xdotool("key", "Escape")
            e2e.pump(0.5)
    finally:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
    if e2e.failures:
        print("%d failed" % len(e2e.failures))
        sys.exit(1)
    print("all passed")


if __name__ == "__main__":
    main()
