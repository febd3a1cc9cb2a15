#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/calc/calculator.h"
#include "core/config/install_layout.h"
#include "gui/app/composition.h"
#include "gui/keypad/keypad_window.h"

namespace zumbrel::gui {

// Waits, handling events, until the condition holds; false when it never did. (QTRY_ macros
// report to QTest, not to GoogleTest: a failure there would pass unseen.)
template <class Condition>
bool eventually(Condition condition, int milliseconds = 3000) {
    return QTest::qWaitFor(condition, milliseconds);
}

// Answers the next modal window: a file dialog with `file`, a question with `button`.
inline void answerNext(const QString& file, QMessageBox::StandardButton button = QMessageBox::Yes) {
    QTimer::singleShot(0, [file, button] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        modal->setProperty("expected", true);
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(button)->click();
        }
    });
}

// A program folder with the eight language files, as the "ZMB" installation reads them.
inline void copyLanguageFiles(const QTemporaryDir& app) {
    QDir(app.path()).mkpath("Resources/Language");
    for (const QString& f : QDir(ZUMBREL_LANGUAGE_DIR).entryList({"*.lng"}))
        QFile::copy(QString(ZUMBREL_LANGUAGE_DIR) + "/" + f,
                    app.filePath("Resources/Language/" + f));
}

// A program folder that keeps its settings in Resources/System, and its environment (HOME
// there too), for a session started and started again.
inline config::Environment programFolder(const QTemporaryDir& app) {
    QDir(app.path()).mkpath("Resources/Language");
    QDir(app.path()).mkpath("Resources/System");
    return {app.path().toStdString(), "", ""};
}

// A keypad window shown on the offscreen platform, with "," as decimal separator and
// spaces between thousands.
class KeypadFixture : public testing::Test {
  protected:
    void SetUp() override {
        keypad = std::make_unique<KeypadWindow>(composeFeatures);
        keypad->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(keypad.get()));
        keypad->calculator().registers().decimalSeparator = ',';
        keypad->calculator().registers().lblSepDec = "S";
    }

    std::unique_ptr<KeypadWindow> keypad;
};

// The same keypad reading the shipped language files, so that the language menu works.
class TranslatedKeypadFixture : public KeypadFixture {
  protected:
    void SetUp() override {
        copyLanguageFiles(app);
        KeypadFixture::SetUp();
        keypad->setLanguageSource(app.path().toStdString(),
                                  static_cast<int>(config::InstallCode::ZMB));
    }

    QTemporaryDir app;
};

}  // namespace zumbrel::gui
