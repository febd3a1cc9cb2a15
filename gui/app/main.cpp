// Zumbrel: the talking tape calculator.

#include <QApplication>
#include <QFont>
#include <QLocale>

#include "app/session.h"
#include "app/single_instance.h"
#include "keypad/keypad_window.h"
#include "tape/tape_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zumbrel");
    QApplication::setOrganizationName("Zumbrel");

    // One copy per user: a second start brings the first to the front and reads nothing.
    zumbrel::gui::SingleInstance instance;
    if (!instance.becomePrimary()) return 0;

    // The tape's font: "Courier New" where it is installed, a metric twin where it is not.
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono", "Monospace"});
    const char ds = QLocale::system().decimalPoint() == QStringLiteral(".") ? '.' : ',';

    zumbrel::gui::Session session(QApplication::applicationDirPath().toStdString(),
                                  zumbrel::gui::Session::environment(), ds);
    zumbrel::gui::KeypadWindow keypad;
    session.attach(keypad);
    instance.onAnotherStart = [&keypad] {
        for (QWidget* w :
             {static_cast<QWidget*>(&keypad), static_cast<QWidget*>(&keypad.tapeWindow())}) {
            w->showNormal();
            w->raise();
        }
        keypad.activateWindow();
    };
    keypad.show();
    return app.exec();
}
