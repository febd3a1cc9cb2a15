#!/usr/bin/python3
"""Orca itself, on the private bus, hears the calculator: its speech is read from its debug
log (no speech server runs here, so Orca only logs what it would say).

Argument: the program to start. Typed on the main keyboard: with Orca's desktop layout the
numeric keypad's operators are Orca's own commands while NumLock is off.

ZUMBREL_TEST_SETTINGS=default: the program runs with its default settings (its own voice on,
atspi_test.sh writes them) and no audio device; otherwise with its voice off.

The test's Orca runs under a name of its own and never replaces another one: Orca's
--replace kills every process named "orca" of the user, on any display, the user's screen
reader included. Beside an Orca of the same user the test does not run at all.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_e2e as e2e  # noqa: E402

# ctest's SKIP_RETURN_CODE for this test.
SKIPPED = 77
# The test's Orca, as the system lists it (15 characters at most).
TEST_ORCA_NAME = "zumbrel-orca"

# Orca without a speech server, and a debug log written line by line. Orca's launcher is
# loaded without running it, so that the name it gives its process is the test's own, and
# started without --replace.
ORCA = ("import orca.settings as s, orca.debug as d, sys\n"
        "s.speechFactoryModules = []\n"
        "s.speechServerFactory = None\n"
        "p = d.println\n"
        "def println(*a, **k):\n"
        "    p(*a, **k)\n"
        "    d.debugFile and d.debugFile.flush()\n"
        "d.println = println\n"
        "launcher = {'__name__': 'orca_launcher', '__file__': '/usr/bin/orca'}\n"
        "exec(compile(open('/usr/bin/orca').read(), '/usr/bin/orca', 'exec'), launcher)\n"
        "named = launcher['setProcessName']\n"
        "launcher['setProcessName'] = lambda name: named(%r)\n"
        "sys.argv = [%r, '--debug-file=' + sys.argv[1]]\n"
        "sys.exit(launcher['main']())\n" % (TEST_ORCA_NAME, TEST_ORCA_NAME))


SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*[\[{]")


def users_orcas():
    """The processes named "orca" of this user: the ones Orca's --replace would kill."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/comm" % pid) as f:
                name = f.read().strip()
            owner = os.stat("/proc/%s" % pid).st_uid
        except OSError:  # gone meanwhile
            continue
        if name == "orca" and owner == os.getuid():
            found.append(int(pid))
    return found


def no_audio_device(folder):
    """The program's environment without audio: no sound server at the address it is given,
    and ALSA without a card (Orca keeps its own)."""
    empty = os.path.join(folder, "no-alsa.conf")
    open(empty, "w").close()
    return {"PULSE_SERVER": "unix:" + os.path.join(folder, "no-sound-server"),
            "ALSA_CONFIG_PATH": empty}


def spoken(log):
    """What Orca said, in order: "SPEECH OUTPUT: 'text'" then the voice it used."""
    out = []
    with open(log, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = SPOKEN.search(line)
            if m:
                out.append(m.group(1).strip())
    return out


class Orca:
    """What the test's Orca says, and the ways to make the program do something and check
    what is heard after it. A check is one call, made in main() before the question box
    (with no window manager here, nothing gives the focus back after a modal box):

        # a result after Return, a business button, Reset, a recall
        orca.heard_after(lambda: e2e.type_keys("3+4\n"), orca.saying("7,00"),
                         "Orca says 7,00 after Return")
        orca.heard_after(lambda: orca.press(app, "Convertir des euros"),
                         orca.saying_within("655,96"), "Orca says the conversion")
        # said once, the display unchanged
        said = orca.heard_after(lambda: orca.keys("ctrl+r"), orca.saying("30,00"), "read back")
        e2e.check(said.count("30,00") == 1, "the read-back is said once")
        # a grouped number read as a number
        orca.heard_after(lambda: e2e.type_keys("6000\n"), orca.saying("6 000,00"), "grouping")
        # the display's menu after use: orca.key(0xFF67) is the menu key
    """

    def __init__(self, log):
        self.log = log

    def said(self):
        return spoken(self.log)

    @staticmethod
    def saying(text):
        """An utterance that is exactly the text (or the text with "." for ",")."""
        return lambda s: s in (text, text.replace(",", "."))

    @staticmethod
    def saying_start(text):
        return lambda s: s.startswith(text)

    @staticmethod
    def saying_within(text):
        return lambda s: text in s

    def heard_after(self, action, heard, what, seconds=10):
        """Does the action, checks that an utterance satisfying `heard` comes; gives what
        was said from the action on."""
        mark = len(self.said())
        action()
        e2e.check(e2e.wait_for(lambda: any(heard(s) for s in self.said()[mark:]), seconds),
                  what)
        e2e.pump(0.5)  # what comes right after it
        return self.said()[mark:]

    @staticmethod
    def keys(combination):
        """A key with modifiers, as X sends it ("ctrl+n", "shift+F10")."""
        subprocess.run(["xdotool", "key", "--clearmodifiers", combination], check=True)
        e2e.pump(0.2)

    @staticmethod
    def key(keysym):
        """A key without modifiers, by its X key symbol (0xFFC7 is F10)."""
        e2e.pyatspi.Registry.generateKeyboardEvent(keysym, None, e2e.pyatspi.KEY_SYM)
        e2e.pump(0.2)

    @staticmethod
    def press(app, name, role="push button"):
        """Focuses the control of that name and presses Space on it, as a user does."""
        control = e2e.find(app, role=role, name=name)
        e2e.check(control is not None, "there is a %s named %r" % (role, name))
        if control is not None:
            control.queryComponent().grabFocus()
            e2e.pump(0.3)
            e2e.type_keys(" ")


def hears_results_with_its_voice_off(orca):
    e2e.type_keys("12+3*")
    e2e.check(e2e.wait_for(lambda: "Résultat intermédiaire : 15,00" in orca.said(), 10),
              "Orca says the interim result")
    orca.heard_after(lambda: e2e.type_keys("2\n"), orca.saying("30,00"),
                     "Orca says 30,00 after Return")
    orca.heard_after(lambda: e2e.type_keys("5/0\n"),
                     orca.saying_start("Division par zéro, opération stoppée !"),
                     "Orca says the division-by-zero message")


def hears_a_corrected_total(orca):
    """F2 from the keypad opens the editor on the last amount typed; Enter applies it and the
    new total is heard with the one before."""
    e2e.type_keys("12+3+5\n")
    orca.heard_after(lambda: orca.key(0xFFBF), orca.saying_within("Corriger la ligne"),
                     "Orca names the line's editor")
    orca.heard_after(lambda: e2e.type_keys("4\n"),
                     orca.saying_within("Total recalculé : 19,00 (avant : 20,00)"),
                     "Orca says the corrected total")
    e2e.check(e2e.wait_for(lambda: "Affichage read only text." in orca.said()[-6:], 5),
              "the keypad has the focus again")


def hears_a_correction_made_in_the_tape(orca):
    """In the tape, F2 on a line: the new total is heard on the display (a reader says nothing
    of what the tape's text is told), and Ctrl+Tab goes back to the corrected line."""
    orca.keys("ctrl+Tab")
    e2e.pump(0.5)
    orca.keys("ctrl+End")
    for _ in range(5):  # from the open line up to "+ 4,00"
        orca.key(0xFF52)
        e2e.pump(0.2)
    orca.key(0xFFBF)
    e2e.pump(0.8)
    orca.heard_after(lambda: e2e.type_keys("6\n"),
                     orca.saying_within("Total recalculé : 21,00 (avant : 19,00)"),
                     "in the tape, Orca says the corrected total")
    orca.heard_after(lambda: orca.keys("ctrl+Tab"), orca.saying_within("+ 6,00"),
                     "Ctrl+Tab goes back to the corrected line")
    orca.keys("ctrl+Tab")  # back to the keypad for what follows
    e2e.pump(0.5)


def hears_results_without_audio(orca, app):
    """The program's voice is on (the default) but no audio device works: every result
    reaches the reader, once; buttons and recalls are heard on the display; a read-back is
    said once and changes nothing; a grouped number is read as a number."""
    said = orca.heard_after(lambda: e2e.type_keys("12,50+7,25+3,10\n"), orca.saying("22,85"),
                            "Orca says 22,85 after Return though the voice cannot play")
    e2e.check(said.count("22,85") <= 1, "the result is said once: %s" % said)
    said = orca.heard_after(lambda: orca.keys("ctrl+r"), orca.saying_within("22,85"),
                            "Ctrl+R is heard without audio")
    e2e.check(sum("22,85" in s for s in said) == 1, "Ctrl+R is said once: %s" % said)
    display = e2e.find(app, role="text", name="Affichage")
    e2e.check(display is not None and "22,85" == display.queryText().getText(0, -1).strip(),
              "Ctrl+R leaves the display as it was")
    orca.heard_after(lambda: e2e.type_keys("6000\n"), orca.saying_within("6 000"),
                     "6'000,00 is read as a number (6 000)")
    orca.heard_after(lambda: orca.press(app, "Ajouter la taxe à un prix hors taxes"),
                     orca.saying_within("7 176"), "the VAT button's total is heard on the display")
    # A message, then an Escape: the message is not said again.
    said = orca.heard_after(lambda: e2e.type_keys("5/0\n"),
                            orca.saying_start("Division par zéro"), "the division by zero is heard")
    said = orca.heard_after(lambda: orca.key(0xFF1B), lambda s: True, "Escape after it")
    e2e.check(not any("Division" in s for s in said), "Escape does not repeat it: %s" % said)
    # The display's menu (Shift+F10, on its first item), used once, then opened again: still
    # heard.
    display.queryComponent().grabFocus()
    e2e.pump(0.5)
    orca.heard_after(lambda: orca.keys("shift+F10"), orca.saying_within("Garder en mémoire 1"),
                     "the display's menu is heard on its first item")
    e2e.pump(0.3)
    orca.key(0xFF0D)  # Return chooses the item
    e2e.pump(0.5)
    # Opened again: the reader still hears its item once it moves (it took the first item for
    # the one it had last said).
    orca.keys("shift+F10")
    e2e.pump(0.5)
    orca.heard_after(lambda: orca.key(0xFF54), orca.saying_within("Garder en mémoire 2"),
                     "the display's menu is heard again after use")
    orca.key(0xFF1B)
    e2e.pump(0.5)


def display_text(app):
    display = e2e.find(app, role="text", name="Affichage")
    return display.queryText().getText(0, -1).strip() if display is not None else ""


def hears_what_the_display_shows(orca, app, action, what):
    """Does the action; checks that Orca then says what the display shows, and that the
    focus is back on the display (whose text has changed)."""
    before = display_text(app)
    said = orca.heard_after(action, lambda s: (display_text(app) != before
                                                and display_text(app) in s), what)
    e2e.check(display_text(app) != before, "%s: the display changed (%r)" % (what, before))
    return said


def hears_buttons_reset_and_recalls(orca, app):
    """Each business button, a memory's recall and a history line are heard as their result;
    after the root of a negative number, Reset is heard and so is the next result. Needs a
    window manager: the focus comes back to the keypad after the question box."""
    e2e.type_keys("100")
    hears_what_the_display_shows(orca, app, lambda: orca.press(app, "Convertir des euros"),
                                 "the euro button's result is heard")
    e2e.check("655,96" in display_text(app), "100 euros are 655,96 francs: %r" % display_text(app))
    e2e.type_keys("1000")
    hears_what_the_display_shows(
        orca, app, lambda: orca.press(app, "AE : charges sur le chiffre d'affaires"),
        "the self-employed charges button's result is heard")
    # Memory 1 holds a number kept from the display's menu; its menu brings it back.
    e2e.type_keys("1234\n")
    e2e.pump(0.5)
    orca.keys("shift+F10")
    e2e.pump(0.5)
    orca.key(0xFF0D)  # "Garder en mémoire 1", the menu's first item
    e2e.pump(0.5)
    orca.key(0xFF1B)  # the entry cleared
    memory = next((o for o in e2e.walk(app) if (o.name or "").startswith("Mémoire 1")), None)
    e2e.check(memory is not None, "memory 1 is named")
    if memory is not None:
        memory.queryComponent().grabFocus()
        e2e.pump(0.3)

        def recall():
            orca.keys("shift+F10")
            e2e.pump(0.5)
            orca.key(0xFF0D)  # "Rappeler dans l'affichage", the menu's first item
        said = hears_what_the_display_shows(orca, app, recall, "memory 1's recall is heard")
        e2e.check(any("1 234" in s for s in said), "the recalled 1 234,00 is heard: %s" % said)

    said = orca.heard_after(lambda: orca.press(app, "Historique des opérations"),
                            orca.saying_within("230,00"),
                            "the history opens on its latest line (the charges, 230,00)")
    e2e.check(not any("Calculatrice Zumbrel" in s for s in said),
              "the window is not named again when the history opens: %s" % said)
    hears_what_the_display_shows(orca, app, lambda: orca.key(0xFF0D),
                                 "a history line chosen with Return is heard")
    # The root of a negative number: a box, then the calculator waits for Reset.
    orca.key(0xFF1B)
    e2e.type_keys("5SR")
    e2e.check(e2e.wait_for(lambda: e2e.find(app, role="alert") is not None, 5),
              "the root of -5 raises a box")
    e2e.pump(0.5)
    orca.key(0xFF0D)
    e2e.pump(0.8)
    e2e.type_keys("1")  # a key while halted shows Reset
    e2e.pump(0.5)
    orca.heard_after(lambda: orca.press(app, "Reset"),
                     orca.saying_within("Calculatrice Zumbrel réinitialisée"), "Reset is heard")
    orca.heard_after(lambda: e2e.type_keys("3+4\n"), orca.saying("7,00"),
                     "the result after Reset is heard")


def hears_the_question_of_a_question_box(orca):
    """An unsaved tape, then a new one: the box's title, its question, then the button."""
    e2e.type_keys("1+1\n")
    e2e.pump(0.5)
    said = orca.heard_after(lambda: orca.keys("ctrl+n"),
                            orca.saying_within("Avant d'ouvrir un nouveau ruban, souhaitez-vous"),
                            "Orca reads the question of the new tape's box")
    question = [i for i, s in enumerate(said) if "Avant d'ouvrir un nouveau ruban" in s]
    title = [i for i, s in enumerate(said) if "Enregistrement" in s]
    e2e.check(question and title and title[0] <= question[0],
              "the box's title comes first, then its question: %s" % said)
    e2e.press_escape()  # Cancel: the tape stays


def reads_the_menus(orca):
    """F10 drops the first menu: its first item is said with its shortcut, and not the
    window's name again (the window stays the active one)."""
    said = orca.heard_after(lambda: orca.key(0xFFC7), orca.saying_within("Nouveau Ctrl+N"),
                            "F10: Orca says the first item of the menu 'Fichier' with its shortcut")
    e2e.check(not any("Calculatrice Zumbrel" in s for s in said),
              "the window is not named again when its menu opens: %s" % said)
    said = orca.heard_after(e2e.press_escape, lambda s: True, "Escape closes the menu")
    e2e.check(not any("Calculatrice Zumbrel" in s for s in said),
              "nor when the menu closes: %s" % said)


def reads_the_vat_rates(orca, app):
    """Space on the VAT rate opens the named list on the rate in use, marked as such."""
    said = orca.heard_after(lambda: orca.press(app, "Taux de TVA : 19,6 %"),
                            orca.saying_within("19,6 % (en cours)"),
                            "Orca reads the rate in use in the VAT list, marked")
    e2e.check(any("Liste des taux de TVA" in s for s in said),
              "Orca names the VAT list: %s" % said)
    e2e.check(not any("Calculatrice Zumbrel" in s for s in said),
              "the window is not named again when the list opens: %s" % said)
    e2e.press_escape()


def focuses_the_checked_radio_button(orca, app):
    """In the preferences, Tab enters the decimals on the checked "Deux", not on "Aucune"."""
    options = [o for o in e2e.walk(app) if o.getRoleName() == "menu item" and o.name == "Options"]
    e2e.check(options and e2e.choose(e2e.open_menu(options[0]), "Préférences"),
              "'Préférences' is reached in the menu 'Options'")
    e2e.check(e2e.wait_for(lambda: e2e.find(app, role="dialog", name="Préférences") is not None),
              "the preferences open")
    e2e.pump(1)
    said = orca.heard_after(lambda: e2e.type_keys("\t"), orca.saying_within("Deux"),
                            "Tab in the preferences lands on the checked 'Deux'")
    e2e.check(not any("Aucune" in s for s in said), "nothing is said of 'Aucune': %s" % said)
    e2e.check(not any("not selected" in s or "non sélectionné" in s for s in said),
              "the radio button reached is the checked one: %s" % said)
    e2e.press_escape()


def main():
    program = sys.argv[1]
    others = users_orcas()
    if others:
        print("SKIPPED: an Orca of this user is running (pid %s). The test's Orca could not "
              "start beside it, and would not replace it." % ", ".join(map(str, others)))
        return SKIPPED
    if not shutil.which("xdotool"):
        print("missing xdotool (./test.sh installs it)")
        return 1
    default_settings = os.environ.get("ZUMBREL_TEST_SETTINGS") == "default"
    log = os.path.join(tempfile.mkdtemp(), "orca.debug")
    orca_process = subprocess.Popen(["/usr/bin/python3", "-c", ORCA, log],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    orca = Orca(log)
    e2e.KEYSYMS.update({"+": 0x2B, "*": 0x2A, "/": 0x2F, "-": 0x2D, "\t": 0xFF09, " ": 0x20})
    pyatspi = e2e.pyatspi
    pyatspi.Registry.registerEventListener(e2e.on_focus, "object:state-changed:focused")
    env = dict(os.environ)
    env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "LANG": "fr_FR.UTF-8", "LC_ALL": "fr_FR.UTF-8"})
    if default_settings:
        env.update(no_audio_device(os.path.dirname(log)))
    app_process = None
    try:
        started = e2e.wait_for(lambda: orca_process.poll() is not None or (
            os.path.exists(log) and "Screen reader on." in orca.said()), 45)
        if orca_process.poll() is not None and users_orcas():
            # Another Orca came meanwhile: the test's one stood down.
            print("SKIPPED: an Orca of this user started beside the test's (pid %s)."
                  % ", ".join(map(str, users_orcas())))
            return SKIPPED
        e2e.check(started and orca_process.poll() is None, "the test's Orca starts")
        with open("/proc/%d/comm" % orca_process.pid) as f:
            e2e.check(f.read().strip() == TEST_ORCA_NAME,
                      "the test's Orca is named %s" % TEST_ORCA_NAME)
        app_process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        app = e2e.find_app()
        e2e.check(app is not None, "the program starts")
        e2e.check(e2e.wait_for(lambda: "Affichage read only text." in orca.said(), 15),
                  "Orca names the focused display")
        if app is None:
            return 1
        if not default_settings:
            hears_results_with_its_voice_off(orca)
            noise = [s for s in orca.said() if "elect" in s]
            e2e.check(not noise, "Orca says nothing of selections: %s" % noise)
        # Menus and lists first: with no window manager here, nothing gives the focus back
        # to the keypad after a question box.
        if default_settings:
            hears_results_without_audio(orca, app)
            if os.environ.get("ZUMBREL_WM"):
                hears_buttons_reset_and_recalls(orca, app)
                hears_a_corrected_total(orca)
                hears_a_correction_made_in_the_tape(orca)
        reads_the_menus(orca)
        reads_the_vat_rates(orca, app)
        hears_the_question_of_a_question_box(orca)
        focuses_the_checked_radio_button(orca, app)
    finally:
        for p in (app_process, orca_process):
            if p is not None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    p.kill()
        print("said: %s" % orca.said())
    print("%d failed" % len(e2e.failures))
    return 1 if e2e.failures else 0


if __name__ == "__main__":
    sys.exit(main())
