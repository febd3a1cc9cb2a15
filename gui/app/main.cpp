// Zumbrel: the talking tape calculator.

#include <QApplication>
#include <QFont>

#include "keypad/keypad_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zumbrel");
    QApplication::setOrganizationName("Zumbrel");
    // The tape's font: "Courier New" where it is installed, a metric twin where it is not.
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono", "Monospace"});

    zumbrel::gui::KeypadWindow keypad;
    keypad.move(429, 87);
    keypad.show();
    return app.exec();
}
