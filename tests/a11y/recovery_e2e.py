#!/usr/bin/python3
"""A tape is never lost: the program is killed (SIGKILL) after a calculation, and the next
start offers the tape back, restored exactly, text and colours.

Started by atspi_test.sh on a private session bus with an X server; argument: the program.
"""
import os
import signal
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_e2e as t  # noqa: E402  (the shared helpers)

RECOVERY = os.path.join(os.environ["HOME"], ".local/share/zumbrel/recovery.rtf")


ERRORS = []  # what each start printed, shown when it does not come up

# Every wait below ends as soon as what it waits for is seen; the ceilings are only there for
# a machine under heavy load (two builds at once), never a delay of their own.
CEILING = 60


def copy_stamp():
    """Which copy is on disk: a copy is written whole and renamed, so each has its own."""
    try:
        st = os.stat(RECOVERY)
        return (st.st_ino, st.st_mtime_ns, st.st_size)
    except FileNotFoundError:
        return None


def start(program):
    env = dict(os.environ)
    env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "QT_ACCESSIBILITY": "1", "LANG": "fr_FR.UTF-8"})
    log = open(os.path.join(os.environ.get("TMPDIR", "/tmp"), "start%d.txt" % len(ERRORS)), "w+")
    ERRORS.append(log)
    return subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)


def start_and_find(program):
    """Starts the program and finds it on the bus. Under a loaded machine the X server has
    refused a client now and then ("could not connect to display"): the start is then made
    once more, the refusal shown."""
    for attempt in range(2):
        process = start(program)
        if not t.wait_for(lambda: process.poll() is not None or t.find_app(1) is not None,
                          CEILING):
            return process, None
        if process.poll() is None:
            return process, t.find_app(1)
        said = said_at_start()
        if "could not connect to display" not in said or attempt == 1:
            return process, None
        print("the X server refused the program once; starting it again:\n%s" % said)
    return process, None


def said_at_start():
    log = ERRORS[-1]
    log.flush()
    log.seek(0)
    return log.read()[-2000:]


def tape_lines(app):
    ribbon = t.find(app, role="text", name="Ruban")
    if ribbon is None:
        return None, []
    text = ribbon.queryText()
    return text, [line.strip() for line in text.getText(0, -1).split("\n") if line.strip()]


def colour_at(text, needle):
    whole = text.getText(0, -1)
    at = whole.find(needle)
    if at < 0:
        return None
    attributes = dict(a.split(":", 1) for a in text.getAttributeRun(at, False)[0])
    return attributes.get("fg-color")


def main():
    program = sys.argv[1]
    first, app = start_and_find(program)
    try:
        t.check(app is not None, "the program starts")
        if app is None:
            print("exit code %s; it said:\n%s" % (first.poll(), said_at_start()))
            return
        # The keypad must hold the focus before the keys come (slow under a loaded machine).
        t.check(t.wait_for(lambda: any(o.getState().contains(pyatspi.STATE_FOCUSED)
                                       for o in t.walk(app)), CEILING), "the keypad has the focus")
        t.type_keys("7-9\n")
        t.check(t.wait_for(lambda: tape_lines(app)[1][-1:] == ["total -2,00"], CEILING),
                "the calculation is on the tape: %s" % tape_lines(app)[1])
        t.check(t.wait_for(lambda: os.path.exists(RECOVERY), CEILING),
                "a moment after the calculation the tape has its recovery copy")
        _, before = tape_lines(app)
    finally:
        first.send_signal(signal.SIGKILL)
        first.wait(CEILING)
    t.check(os.path.exists(RECOVERY), "the copy survives the kill")

    second, app = start_and_find(program)
    try:
        t.check(app is not None, "the program starts again")
        if app is None:
            print("exit code %s; it said:\n%s" % (second.poll(), said_at_start()))
            return
        question = None
        if t.wait_for(lambda: any("retrouver" in (o.name or "") or "retrouver" in (
                o.description or "") for o in t.walk(app)), CEILING):
            question = True
        yes = None
        for o in t.walk(app):
            if o.getRoleName() == "push button" and (o.name or "").replace("&", "") in (
                    "Oui", "Yes"):
                yes = o
        t.check(question and yes is not None, "the next start offers the tape back")
        offered = copy_stamp()
        if yes is not None:
            action = yes.queryAction()
            action.doAction([action.getName(i).lower()
                             for i in range(action.nActions)].index("press"))
        t.wait_for(lambda: tape_lines(app)[1] == before, CEILING)
        text, after = tape_lines(app)
        t.check(after == before and after[-1] == "total -2,00",
                "the tape comes back exactly: %s (was %s)" % (after, before))
        if text is not None:
            t.check(colour_at(text, "-2,00") == "255,0,0",
                    "the negative result is red again: %s" % colour_at(text, "-2,00"))
        # The restored tape, unsaved, gets a copy of its own once the restoring is over; then
        # a second copy of the program is refused and never touches it.
        t.check(t.wait_for(lambda: copy_stamp() not in (None, offered), CEILING),
                "the restored tape is copied again")
        kept = open(RECOVERY, "rb").read() if os.path.exists(RECOVERY) else None
        t.check(kept is not None, "the restored tape, still unsaved, keeps its copy")
        third = start(program)
        try:
            third.wait(CEILING)
        except subprocess.TimeoutExpired:
            third.kill()
        t.check(third.returncode == 0, "a second copy gives way to the first")
        now = open(RECOVERY, "rb").read() if os.path.exists(RECOVERY) else None
        t.check(now == kept, "a second copy leaves the recovery copy alone")
    finally:
        # Done: the unsaved tape would ask before a polite end, so the end is a kill.
        second.kill()
        second.wait(CEILING)


if __name__ == "__main__":
    main()
    print("%d failed" % len(t.failures))
    sys.exit(1 if t.failures else 0)
