#pragma once

#include "info/machine.h"

class QDialog;
class QWidget;

namespace zumbrel {
class Translator;
}

namespace zumbrel::gui {

class KeypadWindow;

// The windows that tell about the program: About (with the machine's figures), the voice
// notice, the principle of functioning, the acknowledgements and the licence. Each is created
// when opened, modal, closed by Escape, and gone when closed.
class InfoWindows {
  public:
    // The help menu's items and the tape toolbar's information button open them.
    static void install(KeypadWindow& keypad);

    // The figures of this machine; what cannot be read stays unknown.
    static info::MachineFigures readMachineFigures();

    // The windows, in the language of `texts`; `french` leaves out the translator's block.
    static void about(QWidget* parent, const Translator& texts, bool french);
    static void voiceNotice(QWidget* parent, const Translator& texts);
    static void principle(QWidget* parent, const Translator& texts);
    static void credits(QWidget* parent, const Translator& texts);
    static void licence(QWidget* parent, const Translator& texts);
};

}  // namespace zumbrel::gui
