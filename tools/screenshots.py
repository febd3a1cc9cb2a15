#!/usr/bin/python3
"""Takes the README's pictures of the window arrangement by driving Zumbrel's own menus
through AT-SPI, as a screen reader would, and photographing the private X screen.

Run by tools/screenshots.sh, which starts the X server and the session bus.
Arguments: the program, the folder the pictures go to.
"""
import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "a11y"))
from atspi_e2e import (choose, find, find_app, focused, on_focus, open_menu,  # noqa: E402
                       press_escape, pump, type_keys, walk)


def shoot(folder, name):
    press_escape()  # the menu's item was chosen through its action: the menu is still open
    pump(1.0)
    path = os.path.join(folder, name + ".png")
    subprocess.run(["import", "-window", "root", path], check=True)
    subprocess.run(["mogrify", "-trim", "+repage", path], check=True)


def shoot_window(folder, name, window):
    """The screen's picture cut to one window."""
    pump(1.0)
    x, y, w, h = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    path = os.path.join(folder, name + ".png")
    subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                    "+repage", path], check=True)


CONTROL_L = 37  # its key code on the X server


def control(letter):
    pyatspi.Registry.generateKeyboardEvent(CONTROL_L, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(ord(letter), None, pyatspi.KEY_SYM)
    pyatspi.Registry.generateKeyboardEvent(CONTROL_L, None, pyatspi.KEY_RELEASE)
    pump(0.5)


def annotated(app, edit, folder):
    """The tape written by zumbrel-cli (header, title, comments, footer), given back at start
    as an unsaved tape; then the header and footer editor."""
    pump(1.0)
    pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)  # Yes, give it back
    pump(1.0)
    shoot_window(folder, "tape-annotations", find(app, name="Ruban de Zumbrel"))
    choose(open_menu(edit), "Mini-éditeur RTF")
    pump(1.0)
    editor = find(app, role="dialog", name="Zumbrel - Mini-éditeur RTF")
    control("o")
    pump(1.0)
    # The menu that dropped is met through the focus, as a reader meets it.
    pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)  # the header
    pump(1.0)
    pump(1.0)
    shoot_window(folder, "header-editor", editor)
    press_escape()
    pump(0.5)


def main():
    program, folder = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    app_process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
    try:
        app = find_app()
        keypad = find(app, name="Calculatrice Zumbrel")
        items = [o for o in walk(keypad) if o.getRoleName() == "menu item"]
        windows = items[2]
        annotated(app, items[1], folder)
        type_keys("1250+380*1,2\n")
        for command, picture in (("A côté", "arrangement-side-by-side"),
                                 ("Par dessus", "arrangement-over"),
                                 ("Cacher le clavier", "arrangement-compact")):
            if not choose(open_menu(windows), command):
                raise SystemExit("no menu item " + command)
            shoot(folder, picture)
        choose(open_menu(windows), "Revoir le clavier")
        choose(open_menu(items[3]), "Galerie de skins")
        pump(1.0)
        chooser = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Zumbrel")
        skins = find(chooser, role="list", name="Skins de Zumbrel")
        # As a keyboard user does: the list, the arrows to the skin, Enter.
        skins.queryComponent().grabFocus()
        for _ in range([child.name for child in skins].index("Graphite")):
            pyatspi.Registry.generateKeyboardEvent(0xFF53, None, pyatspi.KEY_SYM)  # Right
            pump(0.2)
        pyatspi.Registry.generateKeyboardEvent(0xFF0D, None, pyatspi.KEY_SYM)  # Return
        pump(0.5)
        find(chooser, role="push button", name="Fermer").queryAction().doAction(0)
        choose(open_menu(windows), "A côté")
        shoot(folder, "skin-graphite")

        # The preferences, on two of their tabs.
        choose(open_menu(items[3]), "Préférences")
        pump(1.0)
        prefs = find(app, role="dialog", name="Préférences")
        shoot_window(folder, "preferences-decimals", prefs)
        tabs = find(prefs, role="page tab list")
        tabs.queryComponent().grabFocus()
        for _ in range([t.name for t in tabs].index("Monnaies")):
            pyatspi.Registry.generateKeyboardEvent(0xFF53, None, pyatspi.KEY_SYM)  # Right
            pump(0.2)
        shoot_window(folder, "preferences-currencies", prefs)
    finally:
        app_process.kill()
        app_process.wait(10)


if __name__ == "__main__":
    main()
