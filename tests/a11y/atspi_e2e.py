#!/usr/bin/python3
"""Drives Zumbrel through the accessibility stack (AT-SPI), as a screen reader sees it.

Started on a private session bus with an X server; argument: the program to start.
Checks that results and messages are announced as text inserted in the focused object,
that windows, menus and controls have the roles and names a reader needs, and that every
focusable object has a name.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def find_app(timeout=20):
    desktop = pyatspi.Registry.getDesktop(0)
    end = time.time() + timeout
    while time.time() < end:
        for app in desktop:
            if app is not None and app.name == "Zumbrel" and app.childCount >= 2:
                return app
        time.sleep(0.2)
    return None


def walk(obj):
    yield obj
    for child in obj:
        if child is not None:
            yield from walk(child)


def find(root, role=None, name=None, showing=None):
    for o in walk(root):
        if role is not None and o.getRoleName() != role:
            continue
        if name is not None and o.name != name:
            continue
        if showing is not None and o.getState().contains(pyatspi.STATE_SHOWING) != showing:
            continue
        return o
    return None


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def wait_for(predicate, seconds=5):
    end = time.time() + seconds
    while time.time() < end:
        if predicate():
            return True
        pump(0.1)
    return predicate()


KEYSYMS = {"+": 0xFFAB, "*": 0xFFAA, "/": 0xFFAF, "-": 0xFFAD, "\n": 0xFF0D}


def type_keys(keys):
    for k in keys:
        pyatspi.Registry.generateKeyboardEvent(KEYSYMS.get(k, ord(k)), None, pyatspi.KEY_SYM)
        pump(0.08)


def press_escape():
    pyatspi.Registry.generateKeyboardEvent(0xFF1B, None, pyatspi.KEY_SYM)
    pump(0.3)


inserted = []  # (role, name, focused, text) of every text insertion
focused = []  # the parents of the objects that took the focus


def on_focus(event):
    if not event.detail1:
        return
    try:
        focused.append(event.source.parent)
    except Exception:
        focused.append(None)



def on_insert(event):
    try:
        src = event.source
        focused = src.getState().contains(pyatspi.STATE_FOCUSED)
        inserted.append((src.getRoleName(), src.name, focused, str(event.any_data)))
    except Exception as e:  # the source may be gone
        inserted.append(("?", "?", False, str(e)))


def announced_since(mark, needle):
    """An insertion in the focused display holding needle, after the mark."""
    return any(role == "text" and name == "Affichage" and focused and needle in text
               for role, name, focused, text in inserted[mark:])


def open_menu(entry):
    """Presses a menu bar entry; the menu it drops, met through the focus, or None."""
    action = entry.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    # A reader meets the menu through the focus moving onto its first item.
    mark = len(focused)
    action.doAction(names.index("press"))
    if not wait_for(lambda: any(p is not None and p.name == entry.name for p in focused[mark:])):
        return None
    return next(p for p in focused[mark:] if p is not None and p.name == entry.name)


def showing(obj):
    return obj is not None and obj.getState().contains(pyatspi.STATE_SHOWING)


def choose(menu, name):
    """Triggers the menu item of that name; False when it is missing or disabled."""
    item = find(menu, name=name) if menu is not None else None
    if item is None or not item.getState().contains(pyatspi.STATE_SENSITIVE):
        return False
    item.queryAction().doAction(0)
    return True


def main():
    program = sys.argv[1]
    env = dict(os.environ)
    env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "QT_ACCESSIBILITY": "1", "LANG": "fr_FR.UTF-8", "LC_ALL": "fr_FR.UTF-8"})
    pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    app_process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
    try:
        app = find_app()
        check(app is not None, "the program shows on the accessibility bus")
        if app is None:
            return
        keypad = find(app, name="Calculatrice Zumbrel")
        tape = find(app, name="Ruban de Zumbrel")
        check(keypad is not None and keypad.getRoleName() in ("frame", "window"),
              "the keypad is a window named 'Calculatrice Zumbrel'")
        check(tape is not None and tape.getRoleName() in ("frame", "window"),
              "the tape is a window named 'Ruban de Zumbrel'")

        display = find(keypad, role="text", name="Affichage")
        check(display is not None, "the display is a text named 'Affichage'")
        check(wait_for(lambda: display.getState().contains(pyatspi.STATE_FOCUSED)),
              "the display holds the keyboard focus")
        state = display.getState()
        check(state.contains(pyatspi.STATE_READ_ONLY), "the display is read-only")

        # Results and messages are spoken as text inserted in the focused display.
        mark = len(inserted)
        type_keys("12+3*")
        check(wait_for(lambda: announced_since(mark, "Résultat intermédiaire : 15")),
              "an interim result is announced")
        mark = len(inserted)
        type_keys("2\n")
        ds = "," if wait_for(lambda: announced_since(mark, "30,00"), 3) else "."
        check(announced_since(mark, "30" + ds + "00"), "12+3*2 Enter announces 30,00")
        check(display.queryText().getText(0, -1) == "30" + ds + "00",
              "the display's text is the result")
        # Read back on demand, as an action of the display (no voice here: the reader says it).
        action = display.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        check("Relire le dernier résultat" in names,
              "the display offers to read the last result again: %s" % names)
        if "Relire le dernier résultat" in names:
            mark = len(inserted)
            action.doAction(names.index("Relire le dernier résultat"))
            check(wait_for(lambda: announced_since(mark, "30" + ds + "00")),
                  "reading the last result again announces it")
        mark = len(inserted)
        type_keys("5/0\n")
        check(wait_for(lambda: announced_since(mark, "Division par zéro, opération stoppée !")),
              "5/0 Enter announces the division-by-zero message")
        once = [t for r, n, f, t in inserted[mark:] if "Division par zéro" in t]
        check(len(once) == 1, "the message is announced once")

        # The tape is a text a reader can read line by line.
        ribbon = find(tape, role="text", name="Ruban")
        check(ribbon is not None, "the tape text is named 'Ruban'")
        if ribbon is not None:
            text = ribbon.queryText()
            first = text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
            check(first.strip() == "12" + ds + "00", "the tape's first line reads 12,00")
            lines = text.getText(0, -1).split("\n")
            check("trait" in lines and "total 30" + ds + "00" in lines,
                  "the tape's rule and total are read in words: %s" % lines[:8])
            check(ribbon.getState().contains(pyatspi.STATE_FOCUSABLE),
                  "the tape text can take the focus")
        toolbar = find(tape, role="tool bar")
        check(toolbar is not None and any(
            c is not None and c.getState().contains(pyatspi.STATE_FOCUSABLE)
            and c.getState().contains(pyatspi.STATE_SHOWING) for c in toolbar),
            "the tape toolbar's buttons can take the focus")

        # The menu bar: five menu items whose press action drops a named menu.
        items = [o for o in walk(keypad) if o.getRoleName() == "menu item"
                 and o.parent is not None and o.parent.getRoleName() != "popup menu"]
        names = [o.name for o in items]
        check(names[:5] == ["Fichier", "Édition", "Fenêtres", "Options", "Aide"],
              "the menu bar's entries are menu items: %s" % names[:5])
        files = items[0] if items else None
        if files is not None:
            action = files.queryAction()
            actions = [action.getName(i).lower() for i in range(action.nActions)]
            check("press" in actions, "a menu entry has a press action: %s" % actions)
            menu = open_menu(files)
            check(menu is not None and menu.getRoleName() in ("popup menu", "menu"),
                  "pressing 'Fichier' moves the focus into a menu named 'Fichier'")
            # Orca takes an object without a place among its parent's children for a dead
            # one: the menu is its entry's child, as under a menu bar.
            check(menu is not None and menu.parent is not None and menu.parent.name == "Fichier"
                  and menu.getIndexInParent() == 0,
                  "the menu is found under its entry, in its place")
            if menu is not None:
                new = find(menu, name="Nouveau")
                quit_item = find(menu, name="Quitter")
                check(new is not None and new.getState().contains(pyatspi.STATE_SENSITIVE),
                      "the file commands are sensitive")
                # Orca reads "mnemonic;path;shortcut" and says the shortcut from the third.
                binding = new.queryAction().getKeyBinding(0) if new is not None else ""
                check(binding.split(";")[-1] == "Ctrl+N" and binding.count(";") == 2,
                      "an item gives its shortcut where Orca says it: %r" % binding)
                check(quit_item is not None
                      and quit_item.getState().contains(pyatspi.STATE_SENSITIVE),
                      "an enabled item is sensitive")
                unnamed = [o.getRoleName() for o in walk(menu)
                           if o.getRoleName() not in ("separator",) and not o.name]
                check(not unnamed, "every entry of the menu has a name: %s" % unnamed)
            press_escape()
        # A command that cannot work now (paste, with nothing to paste) is there, and not
        # sensitive.
        edit = open_menu(items[1]) if len(items) > 1 else None
        paste = find(edit, name="Coller") if edit is not None else None
        check(paste is not None and not paste.getState().contains(pyatspi.STATE_SENSITIVE),
              "a disabled command is not sensitive")
        press_escape()

        # The values of the command panel are read with their names.
        check(find(keypad, name="Nombre de décimales : 2") is not None,
              "the decimal places are readable")
        check(find(keypad, name="Langue : Français") is not None,
              "the language is read by its name")
        check(all(o.getState().contains(pyatspi.STATE_FOCUSABLE) for o in
                  (find(keypad, name="Nombre de décimales : 2"),
                   find(keypad, name="Langue : Français")) if o is not None),
              "the decimal places and the language are reached by Tab")

        # The business buttons: named for what they do, their hint as description, and a
        # press action that writes the block and announces its final amount.
        tax_plus = find(keypad, role="push button", name="Ajouter la taxe à un prix hors taxes")
        check(tax_plus is not None, "the VAT button is named for what it does")
        if tax_plus is not None:
            check((tax_plus.description or "").startswith("Calcul TVA ("),
                  "the VAT button's description tells the rate: %r" % tax_plus.description)
            type_keys("x100")
            mark = len(inserted)
            action = tax_plus.queryAction()
            names = [action.getName(i).lower() for i in range(action.nActions)]
            action.doAction(names.index("press"))
            check(wait_for(lambda: announced_since(mark, "119" + ds + "60")),
                  "pressing the VAT button announces the price with tax: %s" % inserted[mark:])
        check(find(keypad, name="Taux de TVA : 19" + ds + "6 %") is not None,
              "the VAT rate is read in the program's separator")
        rate = find(keypad, name="Taux de TVA : 19" + ds + "6 %")
        if rate is not None:
            mark = len(focused)
            action = rate.queryAction()
            names = [action.getName(i).lower() for i in range(action.nActions)]
            action.doAction(names.index("press"))
            check(wait_for(lambda: any(p is not None and p.name == "Liste des taux de TVA"
                                       for p in focused[mark:])),
                  "the VAT rates are a list named 'Liste des taux de TVA'")
            rates = next((p for p in focused[mark:]
                          if p is not None and p.name == "Liste des taux de TVA"), None)
            rows = [o.name for o in walk(rates) if o.getRoleName() in
                    ("list item", "table cell")] if rates is not None else []
            check("5" + ds + "5 %" in rows and "19" + ds + "6 % (en cours)" in rows,
                  "the rates read with '%%' and the one in use marked: %s" % rows)
            press_escape()
        check(any((o.name or "").startswith("Taux de change : ") for o in walk(keypad)),
              "the exchange rate is readable")

        # Nothing that takes the focus is unnamed.
        unnamed = []
        for window in (keypad, tape):
            for o in walk(window):
                if o.getState().contains(pyatspi.STATE_FOCUSABLE) and not o.name:
                    unnamed.append(o.getRoleName())
        check(not unnamed, "every focusable object has a name: %s" % unnamed)

        # The window menu through the reader: the compact keypad keeps its display and hides
        # its keys; a hidden tape is gone from the screen, and comes back.
        windows = items[2] if len(items) > 2 else None
        check(windows is not None and choose(open_menu(windows), "Cacher le clavier"),
              "'Cacher le clavier' is reached in the menu 'Fenêtres'")
        check(wait_for(lambda: not showing(find(keypad, name="Sept"))),
              "the compact keypad hides its keys from the reader")
        check(showing(find(keypad, role="text", name="Affichage")),
              "the compact keypad keeps its display")
        check(windows is not None and choose(open_menu(windows), "Cacher le ruban"),
              "'Cacher le ruban' is reached in the menu 'Fenêtres'")
        check(wait_for(lambda: not showing(find(app, name="Ruban de Zumbrel"))),
              "a hidden tape is not on the screen")
        check(windows is not None and choose(open_menu(windows), "Revoir le ruban"),
              "'Revoir le ruban' is reached in the menu 'Fenêtres'")
        check(wait_for(lambda: showing(find(app, name="Ruban de Zumbrel"))),
              "the tape comes back")

        # The preferences: a dialog named for what it is, every control of it named.
        options = items[3] if len(items) > 3 else None
        check(options is not None and choose(open_menu(options), "Préférences"),
              "'Préférences' is reached in the menu 'Options'")
        prefs = None
        if wait_for(lambda: find(app, role="dialog", name="Préférences") is not None):
            prefs = find(app, role="dialog", name="Préférences")
        check(prefs is not None, "the preferences are a dialog named 'Préférences'")
        if prefs is not None:
            tabs = [o.name for o in walk(prefs) if o.getRoleName() == "page tab"]
            check(len(tabs) == 9 and all(tabs), "nine named tabs: %s" % tabs)
            unnamed = [o.getRoleName() for o in walk(prefs)
                       if o.getState().contains(pyatspi.STATE_FOCUSABLE) and not o.name]
            check(not unnamed, "every control of the preferences has a name: %s" % unnamed)
            press_escape()
            check(wait_for(lambda: not showing(find(app, role="dialog", name="Préférences"))),
                  "Escape closes the preferences")

        # The find bar: a match's line and the count are said in its field.
        # Last: the bar takes the keyboard to the tape window.
        edit = open_menu(items[1]) if len(items) > 1 else None
        check(edit is not None and choose(edit, "Rechercher…"), "'Rechercher…' is in the menu")
        field = None
        if wait_for(lambda: find(app, role="text", name="Texte ou montant à rechercher",
                                 showing=True) is not None):
            field = find(app, role="text", name="Texte ou montant à rechercher")
        check(field is not None, "the find bar's field is named")
        if field is not None:
            mark = len(inserted)
            field.queryEditableText().setTextContents("12")
            following = find(app, role="push button", name="Suivant", showing=True)
            check(following is not None, "the find bar has a 'Suivant' button")
            if following is not None:
                following.queryAction().doAction(0)
            check(wait_for(lambda: any(role == "text" and name == field.name and " sur " in text
                                       for role, name, focused, text in inserted[mark:])),
                  "the match's line and the count are said in the field: %s" % inserted[mark:])
            closing = find(app, role="push button", name="Fermer la recherche", showing=True)
            check(closing is not None, "the find bar's close button is named")
            if closing is not None:
                closing.queryAction().doAction(0)
    finally:
        app_process.terminate()
        try:
            app_process.wait(10)
        except subprocess.TimeoutExpired:
            app_process.kill()


if __name__ == "__main__":
    main()
    print("%d failed" % len(failures))
    sys.exit(1 if failures else 0)
