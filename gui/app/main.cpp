// Zumbrel: the talking tape calculator.

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <string_view>

#include "core/config/install_layout.h"
#include "core/version.h"
#include "gui/app/composition.h"
#include "gui/app/session.h"
#include "gui/app/single_instance.h"
#include "gui/app/termination.h"
#include "gui/config/qt_translations.h"
#include "gui/keypad/keypad_window.h"
#include "gui/net/network_services.h"
#include "gui/tape/tape_recovery.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/program_looks.h"
#include "gui/ui/user_folders.h"

namespace {

const char* const kHelp =
    "Usage: zumbrel [--help | --version]\n"
    "\n"
    "Zumbrel, the talking tape calculator. Type on the keyboard or click the keys;\n"
    "the tape records every number, operator and result. F10 opens the menus.\n"
    "Without a display, use zumbrel-cli. See zumbrel(1).\n";

// --help and --version answer without a display; anything else is Qt's.
int answerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--version") {
            std::printf("zumbrel %.*s\n", static_cast<int>(zumbrel::kVersion.size()),
                        zumbrel::kVersion.data());
            return 0;
        }
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    return -1;
}

// The two windows are placed and stacked by the program (side by side, over, the magnet,
// stay on top): X11 allows it, Wayland does not. With an X server at hand (XWayland in a
// Wayland session) the program takes it, and falls back to Wayland without one. A platform
// the user chose stays theirs.
void preferX11() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

}  // namespace

int main(int argc, char** argv) {
    if (const int answered = answerCommandLine(argc, argv); answered >= 0) return answered;
    preferX11();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zumbrel");
    QApplication::setOrganizationName("Zumbrel");

    // One copy per user: a second start brings the first to the front and reads nothing.
    zumbrel::gui::SingleInstance instance;
    if (!instance.becomePrimary()) return 0;

    zumbrel::gui::installProgramLooks();
    const char ds = QLocale::system().decimalPoint() == QStringLiteral(".") ? '.' : ',';

    zumbrel::gui::Session session(QApplication::applicationDirPath().toStdString(),
                                  zumbrel::gui::desktopEnvironment(), ds);
    // The program is born French, and Qt's own windows with it; a chosen language follows.
    zumbrel::gui::useQtTranslations(zumbrel::config::InstallCode::ZMB, 'F');
    zumbrel::gui::KeypadWindow keypad(zumbrel::gui::composeFeatures);
    session.attach(keypad);
    instance.onAnotherStart = [&keypad] {
        for (QWidget* w :
             {static_cast<QWidget*>(&keypad), static_cast<QWidget*>(&keypad.tapeWindow())}) {
            w->showNormal();
            w->raise();
        }
        keypad.activateWindow();
    };
    zumbrel::gui::closeOnTermination(&keypad, [&keypad] { keypad.close(); });
    // The first copy keeps the tape safe from crashes; a second one never got this far.
    zumbrel::gui::TapeRecovery recovery(zumbrel::gui::recoveryParts(keypad),
                                        zumbrel::gui::userDataFolder() + "recovery.rtf");
    QObject::connect(&app, &QApplication::aboutToQuit, &keypad,
                     [&recovery] { recovery.closeCleanly(); });
    keypad.show();
    QTimer::singleShot(0, &keypad, [&recovery] { recovery.offerRestore(); });
    // SeekUpdate: the check once the windows show, when a service is configured.
    if (session.settings().seekUpdate) {
        auto* services = keypad.findChild<zumbrel::gui::NetworkServices*>("NetworkServices");
        if (services && !services->base.isEmpty())
            QTimer::singleShot(0, services, [services] { services->checkUpdate(); });
    }
    return app.exec();
}
