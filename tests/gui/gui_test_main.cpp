// Window tests run on the offscreen platform. A modal dialog that opens unexpectedly fails
// the test and is closed, so a test never hangs on it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QTemporaryDir>
#include <QTimer>

#include "gui/ui/program_looks.h"

int main(int argc, char** argv) {
    // One 1920 x 1080 screen, unless ZUMBREL_TEST_SCREENS names another layout (small: one
    // 1024 x 768 screen, two: two 1920 x 1080 monitors side by side).
    const QByteArray screens = qEnvironmentVariableIsEmpty("ZUMBREL_TEST_SCREENS")
                                   ? QByteArray("wide")
                                   : qgetenv("ZUMBREL_TEST_SCREENS");
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" ZUMBREL_TEST_SCREENS_DIR "/" + screens + ".json");
    // Qt's own file dialogs, which a test can answer (a desktop's dialogs run outside Qt).
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // The desktop's list of recent documents is the tests' own, never the user's.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    zumbrel::gui::installProgramLooks();  // as the program does before its windows
    testing::InitGoogleTest(&argc, argv);
    QTimer watchdog;
    watchdog.setInterval(100);
    QObject::connect(&watchdog, &QTimer::timeout, &app, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            // A test may announce a dialog it waits for by its name.
            const bool announced =
                !modal->objectName().isEmpty() &&
                qApp->property("expectedDialog").toString() == modal->objectName();
            if (!modal->property("expected").toBool() && !announced) {
                ADD_FAILURE() << "an unexpected dialog opened: "
                              << modal->windowTitle().toStdString();
                modal->reject();
            }
        }
    });
    watchdog.start();
    return RUN_ALL_TESTS();
}
