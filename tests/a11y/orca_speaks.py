#!/usr/bin/python3
"""Orca itself, on the private bus, hears the calculator: its speech is read from its debug
log (no speech server runs here, so Orca only logs what it would say).

Argument: the program to start. Typed on the main keyboard: with Orca's desktop layout the
numeric keypad's operators are Orca's own commands while NumLock is off.
"""
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_e2e as e2e  # noqa: E402

# Orca without a speech server, and a debug log written line by line.
ORCA = ("import orca.settings as s, orca.debug as d, sys\n"
        "s.speechFactoryModules = []\n"
        "s.speechServerFactory = None\n"
        "p = d.println\n"
        "def println(*a, **k):\n"
        "    p(*a, **k)\n"
        "    d.debugFile and d.debugFile.flush()\n"
        "d.println = println\n"
        "sys.argv = ['orca', '--replace', '--debug-file=' + sys.argv[1]]\n"
        "exec(open('/usr/bin/orca').read())\n")


SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*[\[{]")


def spoken(log):
    """What Orca said, in order: "SPEECH OUTPUT: 'text'" then the voice it used."""
    out = []
    with open(log, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = SPOKEN.search(line)
            if m:
                out.append(m.group(1).strip())
    return out


def main():
    program = sys.argv[1]
    log = os.path.join(tempfile.mkdtemp(), "orca.debug")
    orca = subprocess.Popen(["/usr/bin/python3", "-c", ORCA, log],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    e2e.KEYSYMS.update({"+": 0x2B, "*": 0x2A, "/": 0x2F, "-": 0x2D})
    env = dict(os.environ)
    env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "LANG": "fr_FR.UTF-8", "LC_ALL": "fr_FR.UTF-8"})
    app = None
    try:
        e2e.wait_for(lambda: os.path.exists(log) and "Screen reader on." in spoken(log), 20)
        app = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        e2e.check(e2e.find_app() is not None, "the program starts")
        e2e.check(e2e.wait_for(lambda: "Affichage read only text." in spoken(log), 15),
                  "Orca names the focused display")
        e2e.type_keys("12+3*")
        e2e.check(e2e.wait_for(lambda: "Résultat intermédiaire : 15,00" in spoken(log), 10),
                  "Orca says the interim result")
        e2e.type_keys("2\n")
        e2e.check(e2e.wait_for(lambda: any(s in ("30,00", "30.00") for s in spoken(log)), 10),
                  "Orca says 30,00 after Return")
        e2e.type_keys("5/0\n")
        e2e.check(e2e.wait_for(lambda: any(s.startswith("Division par zéro, opération stoppée !")
                                           for s in spoken(log)), 10),
                  "Orca says the division-by-zero message")
        noise = [s for s in spoken(log) if "elect" in s]
        e2e.check(not noise, "Orca says nothing of selections: %s" % noise)
    finally:
        for p in (app, orca):
            if p is not None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    p.kill()
    print("said: %s" % spoken(log))


if __name__ == "__main__":
    main()
    print("%d failed" % len(e2e.failures))
    sys.exit(1 if e2e.failures else 0)
