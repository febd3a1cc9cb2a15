// Start-up and shut-down: one copy per user, and settings and placements kept between runs.

#include "gui/app/session.h"
#include "gui/app/composition.h"
#include "keypad_fixture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "core/calc/calculator.h"
#include "core/voice/voice_state.h"
#include "gui/app/single_instance.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/document_commands.h"
#include "gui/tape/tape_window.h"

namespace zumbrel::gui {
namespace {

TEST(SingleInstance, a_second_start_asks_the_first_to_come_forward) {
    const QString name = QStringLiteral("zumbrel-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(name);
    int calls = 0;
    first.onAnotherStart = [&] { ++calls; };
    ASSERT_TRUE(first.becomePrimary());
    SingleInstance second(name);
    EXPECT_FALSE(second.becomePrimary());
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 1; }, 3000));  // QTRY_ reports to QTest only
    EXPECT_EQ(calls, 1);
}

TEST(SingleInstance, two_processes_the_second_ends_at_once) {
    QTemporaryDir app;
    QTemporaryDir sockets;
    ASSERT_TRUE(QFile::copy(ZUMBREL_GUI_EXE, app.filePath("zumbrel")));
    QFile(app.filePath("zumbrel")).setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TMPDIR", sockets.path());  // the copies meet in a folder of their own
    env.insert("HOME", app.path());

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(app.filePath("zumbrel"), {});
    ASSERT_TRUE(first.waitForStarted());
    // Wait until the first copy listens.
    QElapsedTimer waited;
    waited.start();
    bool listening = false;
    while (!listening && waited.elapsed() < 10000) {
        QLocalSocket probe;
        probe.connectToServer(sockets.filePath(SingleInstance::defaultName()));
        listening = probe.waitForConnected(100);
        if (!listening) QTest::qWait(100);
    }
    ASSERT_TRUE(listening);

    QProcess second;
    second.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    second.start(app.filePath("zumbrel"), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(timer.elapsed(), 5000);  // at once, give or take a busy machine
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(
        QFile::exists(app.filePath("Zumbrel.ini")));  // nothing read or written by the second
    first.kill();
    first.waitForFinished();
}

TEST(Session, settings_and_placements_come_back_at_the_next_start) {
    QTemporaryDir app;
    const config::Environment env = programFolder(app);
    std::string memory;
    {
        Session session(app.path().toStdString(), env, ',');
        EXPECT_EQ(session.layout().code, config::InstallCode::ZMB);
        KeypadWindow keypad(composeFeatures);
        session.attach(keypad);
        keypad.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad));
        QTest::qWait(50);
        // The first start's place: right of the tape, which is as wide as its longest line.
        EXPECT_EQ(keypad.pos(), QPoint(10 + keypad.tapeWindow().designWidth() + 14, 87));
        EXPECT_EQ(keypad.voiceState().kind, "WWo");  // in French, with the woman's voice
        EXPECT_EQ(keypad.voiceState().languageFolder, "Fran");
        EXPECT_EQ(keypad.findChild<QWidget*>("imgVoice")->property("shown").toString(), "ImgFemme");
        // A tape opened: the recent tapes are kept for the next start.
        QFile tape(app.filePath("courses.txt"));
        ASSERT_TRUE(tape.open(QIODevice::WriteOnly));
        tape.write("12,50\n");
        tape.close();
        keypad.documents().openFile(tape.fileName().toStdString());
        keypad.calculator().registers().lblNbrDecPref = "4";
        keypad.keyAction('2');
        keypad.keyAction('-');
        keypad.keyAction('5');
        keypad.keyAction('+');  // the automatic memory holds -3,0000
        memory = "-3" + std::string(1, keypad.calculator().registers().decimalSeparator) + "0000";
        EXPECT_EQ(keypad.calculator().registers().lblMemory4, memory);
        // The voice two steps faster, from the options menu; the rate is told.
        EXPECT_EQ(keypad.voiceState().rate, 1.0);
        for (int i = 0; i < 2; ++i)
            keypad.findChild<QAction*>("mItemVoiceFaster")->trigger();
        EXPECT_EQ(keypad.voiceState().rate, 1.5);
        EXPECT_EQ(keypad.findChild<QAction*>("mItemRecent1")->text(), "&1 courses.txt");
        EXPECT_EQ(keypad.statusLine().label()->text(),
                  QString("Vitesse de la voix : 1") +
                      keypad.calculator().registers().decimalSeparator + "5");
        keypad.move(200, 150);
        keypad.tapeWindow().setGeometry(30, 40, 420, 500);
        keypad.documents().modifiedWarn = false;  // the unsaved tape is not this test's
        keypad.close();
    }
    const QString ini = app.filePath("Resources/System/Zumbrel.ini");
    ASSERT_TRUE(QFile::exists(ini));
    {
        Session session(app.path().toStdString(), env, ',');
        EXPECT_EQ(session.settings().nbrDec, "4");
        EXPECT_EQ(session.settings().memories[3], memory);
        EXPECT_EQ(session.settings().voiceRate, "1.5");
        EXPECT_EQ(session.settings().recentTapes,
                  std::vector<std::string>{app.filePath("courses.txt").toStdString()});
        KeypadWindow keypad(composeFeatures);
        session.attach(keypad);
        keypad.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad));
        QTest::qWait(50);
        EXPECT_EQ(keypad.calculator().registers().lblNbrDecPref, "4");
        EXPECT_EQ(keypad.calculator().registers().lblMemory4, memory);
        EXPECT_EQ(keypad.voiceState().rate, 1.5);
        EXPECT_EQ(keypad.pos(), QPoint(200, 150));
        EXPECT_EQ(keypad.tapeWindow().geometry(), QRect(30, 40, 420, 500));
        keypad.close();
    }
}

TEST(Session, an_unwritable_settings_file_is_said_once) {
    QTemporaryDir app;
    QDir(app.path()).mkpath("Resources/Language");
    QDir(app.path())
        .mkpath("Resources/System/Zumbrel.ini/blocked");  // a folder where the file should be
    Session session(app.path().toStdString(), {app.path().toStdString(), "", ""}, ',');
    KeypadWindow keypad(composeFeatures);
    session.attach(keypad);
    std::string error;
    EXPECT_FALSE(session.save(keypad, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace zumbrel::gui
