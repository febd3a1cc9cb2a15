#!/usr/bin/env python3
"""The house's rules hold in the tree, and the checker sees each kind of breach."""
import os
import subprocess
import sys
import tempfile

CHECKER, ROOT = sys.argv[1], sys.argv[2]


def run(root):
    done = subprocess.run([sys.executable, CHECKER, root], capture_output=True, text=True)
    return done.returncode, done.stdout


def tree(files):
    top = tempfile.mkdtemp()
    for path, text in files.items():
        full = os.path.join(top, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)
    return top


failures = []


def expect(name, files, code, needle=""):
    got, out = run(tree(files))
    if got != code or needle not in out:
        failures.append(f"{name}: exit {got}, output:\n{out}")


# Each breach alone, beside a clean downward include.
clean = {"gui/keypad/a.cpp": '#include "gui/ui/b.h"\n#include "gui/tape/c.h"\n',
         "gui/ui/b.h": "", "gui/tape/c.h": "", "core/d.h": "#include <string>\n"}
expect("downward includes", clean, 0)
expect("a shared widget includes a window", {**clean, "gui/ui/e.cpp": '#include "gui/keypad/a.h"\n'},
       1, "a floor up (ui/ 4 -> keypad/ 1)")
expect("a feature includes the tape window",
       {**clean, "gui/prefs/f.cpp": '#include "gui/tape/tape_window.h"\n'}, 1, "prefs/ 3 -> tape/ 2")
expect("the core includes a window", {**clean, "core/g.cpp": '#include "gui/ui/b.h"\n'}, 1,
       "the core includes a window header")
expect("the core includes Qt", {**clean, "core/h.cpp": "#include <QString>\n"}, 1,
       "the core includes Qt")
expect("a folder on no floor", {**clean, "gui/attic/i.cpp": ""}, 1, "stands on no floor")
expect("a file of 601 lines", {**clean, "core/j.cpp": "\n" * 601}, 1, "601 lines")
expect("a file of 600 lines", {**clean, "core/j.cpp": "\n" * 600}, 0)
expect("a feature takes the keypad whole",
       {**clean, "gui/voice/k.h": "void read(KeypadWindow& keypad);\n"}, 1, "KeypadWindow&")
expect("a feature includes the keypad window",
       {**clean, "gui/tape/l.cpp": '#include "gui/keypad/keypad_window.h"\n'}, 1,
       "includes the keypad window's header")
expect("the composition root takes the keypad whole",
       {**clean, "gui/app/m.cpp": '#include "gui/keypad/keypad_window.h"\nvoid f(KeypadWindow& k);\n'},
       0)

code, out = run(ROOT)
if code != 0:
    failures.append(f"the project's own tree breaks the rules:\n{out}")

for f in failures:
    print(f)
sys.exit(1 if failures else 0)
