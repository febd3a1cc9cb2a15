#pragma once

#include <functional>
#include <memory>

#include "core/info/machine.h"

class QAction;
class QDialog;
class QWidget;

namespace zumbrel {
class Translator;
}

namespace zumbrel::gui {

class WindowTranslator;

// What opens the information windows: `window` holds the help menu's items and parents the
// windows; the tape's information button and its menu item open the principle; `texts`
// gives the words of a window about to open, in the interface language.
struct InfoCommands {
    QWidget* window = nullptr;
    QAction* tapeInfo = nullptr;
    QAction* tapePrinciple = nullptr;
    std::function<std::unique_ptr<WindowTranslator>()> texts;
};

// The windows that tell about the program: About (with the machine's figures), the voice
// notice, the principle of functioning, the acknowledgements and the licence. Each is created
// when opened, modal, closed by Escape, and gone when closed.
class InfoWindows {
  public:
    // The help menu's items and the tape toolbar's information button open them.
    static void install(const InfoCommands& c);

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
