#!/usr/bin/env python3
"""Fails when the house's rules are broken.

1. No file of core/ or gui/ has more than 600 lines.
2. Only the composition root (gui/app/) and the keypad itself (gui/keypad/) take the keypad
   window whole: a feature is given the parts it uses, never `KeypadWindow&`, and no header
   elsewhere includes the keypad window's.
3. Includes point down. The core includes nothing of the windows and nothing of Qt. In gui/, every folder stands on
a floor, and a file includes only folders of its own floor or of the floors below it:

    0  app/                                   the composition root: builds and wires it all
    1  keypad/                                the keypad window, which owns the tape window
    2  tape/                                  the tape window and the tape's own commands
    3  arrange/ business/ config/ info/       the features the windows are given
       net/ prefs/ voice/
    4  ui/                                    shared widgets, ports and pictures

Usage: check_house.py [source root]   (prints each broken rule; exit 1 if any)
"""
import os
import re
import sys

FLOORS = {
    "app": 0,
    "keypad": 1,
    "tape": 2,
    "arrange": 3, "business": 3, "config": 3, "info": 3, "net": 3, "prefs": 3, "voice": 3,
    "ui": 4,
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)


def sources(folder):
    for path, _, names in os.walk(folder):
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(path, name)


def problems(root):
    found = []
    for path in sources(os.path.join(root, "core")):
        text = open(path, encoding="utf-8").read()
        for quote, target in INCLUDE.findall(text):
            if target.startswith("gui/"):
                found.append(f"{path}: the core includes a window header, {target}")
            elif quote == "<" and re.match(r"Q[A-Za-z]*(/|$)", target):
                found.append(f"{path}: the core includes Qt, <{target}>")
    gui = os.path.join(root, "gui")
    for path in sources(gui):
        folder = os.path.relpath(path, gui).split(os.sep)[0]
        if folder not in FLOORS:
            found.append(f"{path}: the folder {folder}/ stands on no floor")
            continue
        text = open(path, encoding="utf-8").read()
        for quote, target in INCLUDE.findall(text):
            parts = target.split("/")
            if quote != '"' or parts[0] != "gui" or len(parts) < 3:
                continue
            other = parts[1]
            if other not in FLOORS:
                found.append(f"{path}: includes {target}, whose folder stands on no floor")
            elif FLOORS[other] < FLOORS[folder]:
                found.append(f"{path}: includes {target}, a floor up "
                             f"({folder}/ {FLOORS[folder]} -> {other}/ {FLOORS[other]})")
    return found


MAX_LINES = 600
WHOLE_KEYPAD = re.compile(r"\bKeypadWindow\s*&")


def house_problems(root):
    found = []
    for layer in ("core", "gui"):
        for path in sources(os.path.join(root, layer)):
            lines = open(path, encoding="utf-8").read().count("\n")
            if lines > MAX_LINES:
                found.append(f"{path}: {lines} lines (at most {MAX_LINES})")
    gui = os.path.join(root, "gui")
    for path in sources(gui):
        folder = os.path.relpath(path, gui).split(os.sep)[0]
        if folder in ("app", "keypad"):
            continue
        text = open(path, encoding="utf-8").read()
        if WHOLE_KEYPAD.search(text):
            found.append(f"{path}: takes the whole keypad window (KeypadWindow&)")
        if '"gui/keypad/keypad_window.h"' in text:
            found.append(f"{path}: includes the keypad window's header")
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = problems(root) + house_problems(root)
    for line in found:
        print(line)
    print(f"{len(found)} broken rule(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
